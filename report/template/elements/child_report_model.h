#pragma once
// A child report (列表): the frame that fixes where the repetitions go and
// which records feed them, and its main area, the one-record layout that is
// repeated. Main areas hold elements, child reports among them, to any depth.

#include "report/template/element_container.h"
#include "report/template/element_model.h"

#include <QString>

namespace ky {

class ChildReportModel final : public ElementModel {
public:
    ElementKind kind() const override { return ElementKind::ChildReport; }

    // A new frame holds 0, False or empty text everywhere.
    int index = 0;               // shared by the frame and its main area; reassigned on every load
    int ChildRPTFangXiang = 0;   // LieYinFangXiang: 1 across, anything else down
    QString ParentLinkField;
    QString ChildLinkField;
    QString ParentRSIndex;       // ParentRecordSetIndex
    QString CRSIndex;            // ChildRecordSetIndex
    QString CHDFilter;           // ChildRecordSetFilter
    bool ChildTaoDa = false;
    bool EOFEnd = false;
    bool IsFlowText = false;
    QString OrderBy;

    // The main area: its own size, independent of the frame's, and its elements.
    double mainWidth = 0;
    double mainHeight = 0;
    ElementContainer main;

    // The display name set on loading: "列表" followed by the index.
    QString listName() const { return QStringLiteral("列表") + QString::number(index); }
    // The name the layout engine finds a child report by: "C" and the index.
    QString shortName() const { return u'C' + QString::number(index); }

protected:
    void readFields(RecordReader& record) override;
    void writeFields(RecordWriter& record) const override;
};

}  // namespace ky
