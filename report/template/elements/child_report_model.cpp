#include "report/template/elements/child_report_model.h"

namespace ky {

void ChildReportModel::readFields(RecordReader& record) {
    ChildRPTFangXiang = record.integer("LieYinFangXiang", 0);
    ParentLinkField = record.text("ParentLinkField");
    ChildLinkField = record.text("ChildLinkField");
    ParentRSIndex = record.text("ParentRecordSetIndex", QStringLiteral("0"));
    CRSIndex = record.text("ChildRecordSetIndex", QStringLiteral("0"));
    ChildTaoDa = record.flag("ChildTaoDa", false);
    EOFEnd = record.flag("EOFEnd", false);
    IsFlowText = record.flag("IsFlowText", false);
    CHDFilter = record.text("ChildRecordSetFilter");
    OrderBy = record.text("OrderBy");
}

void ChildReportModel::writeFields(RecordWriter& record) const {
    record.integer("LieYinFangXiang", ChildRPTFangXiang);
    record.text("ParentLinkField", ParentLinkField);
    record.text("ChildLinkField", ChildLinkField);
    record.text("ParentRecordSetIndex", ParentRSIndex);
    record.text("ChildRecordSetIndex", CRSIndex);
    record.text("ChildRecordSetFilter", CHDFilter);
    record.flag("ChildTaoDa", ChildTaoDa);
    record.flag("EOFEnd", EOFEnd);
    record.flag("IsFlowText", IsFlowText);
    record.text("OrderBy", OrderBy);
}

}  // namespace ky
