#include "report/engine/fill/report_data.h"

namespace ky {

ReportData::ReportData(const RecordSetList& list) {
    for (const RpdRecordSetPtr& entry : list.slots())
        if (entry) entries_.push_back(entry);
    for (const RpdRecordSetPtr& entry : entries_)
        if (entry->IsMain()) {
            main_ = entry;
            break;
        }
    if (!main_) main_ = std::make_shared<RPD_RecordSet>();
}

RpdRecordSetPtr ReportData::FindRecordSet(const QString& key) const {
    for (const RpdRecordSetPtr& entry : entries_)
        if (entry->key().compare(key, Qt::CaseInsensitive) == 0) return entry;
    return nullptr;
}

RpdRecordSetPtr ReportData::FindFieldRecordSet(const QString& name) const {
    if (name.isEmpty() || main_->HasField(name)) return main_;
    for (const RpdRecordSetPtr& entry : entries_)
        if (entry->ParentRecordsetKey().trimmed().isEmpty() && entry->HasField(name)) return entry;
    return nullptr;
}

std::vector<RpdRecordSetPtr> ReportData::friends() const {
    std::vector<RpdRecordSetPtr> found;
    for (const RpdRecordSetPtr& entry : entries_)
        if (entry->IsMain() && entry != main_ && entry->key() != main_->key()) found.push_back(entry);
    return found;
}

std::vector<RpdRecordSetPtr> ReportData::mains() const {
    std::vector<RpdRecordSetPtr> found;
    for (const RpdRecordSetPtr& entry : entries_)
        if (entry->IsMain()) found.push_back(entry);
    return found;
}

Value ValueOrDefault(const Value& value, const Value& fallback) {
    switch (value.kind()) {
    case Value::Kind::Empty: case Value::Kind::Null: case Value::Kind::Bytes:
        return fallback;
    case Value::Kind::Text:
        return value.get<QString>()->isEmpty() ? fallback : value;
    default:
        return value;
    }
}

Value currentValue(const RecordSet& records, const QString& fieldName) {
    const int field = records.fieldIndex(fieldName);
    if (field < 0 || !records.hasCurrentRow()) return Value::null();
    return records.valueAt(field);
}

}  // namespace ky
