#include "report/data/rpd_record_set.h"

#include "platform/com_error.h"

namespace ky {

Status FieldCatalogue::add(const QString& lowerName, int type) {
    if (types_.contains(lowerName))
        return fail(QStringLiteral("the field name %1 occurs twice (names are compared without regard to case)").arg(lowerName));
    types_.insert(lowerName, type);
    entries_.emplace_back(lowerName, type);
    return {};
}

bool RPD_RecordSet::IsMain() const { return parentKey_.trimmed().isEmpty(); }

bool RPD_RecordSet::HasField(const QString& fieldName) const {
    return catalogue_ && catalogue_->contains(fieldName.toLower());
}

namespace {

// A typed name list always holds at least one element; the first name
// replaces the single empty one.
void putName(QStringList& names, const QString& name) {
    if (!names.back().isEmpty()) names.append(QString());
    names.back() = name;
}

}  // namespace

Status RPD_RecordSet::buildCatalogue() {
    if (!records_) return fail(QStringLiteral("record set %1 has no data to catalogue").arg(key_));
    FieldCatalogue catalogue;
    QStringList all, textNum{QString()}, booleans{QString()}, binaries{QString()};
    for (int i = 0; i < records_->fieldCount(); ++i) {
        const FieldInfo& field = records_->field(i);
        if (Status s = catalogue.add(field.name.toLower(), field.type); !s)
            return fail(QStringLiteral("record set %1: %2").arg(key_, s.error()));
        all.append(field.name);
        switch (fieldCategory(field.type)) {
        case FieldCategory::Binary: putName(binaries, field.name); break;
        case FieldCategory::Boolean: putName(booleans, field.name); break;
        default: putName(textNum, field.name); break;
        }
    }
    catalogue_ = std::move(catalogue);
    allNames_ = std::move(all);
    textNumNames_ = std::move(textNum);
    boolNames_ = std::move(booleans);
    binNames_ = std::move(binaries);
    return {};
}

void RPD_RecordSet::Ready() {
    if (Status s = buildCatalogue(); !s) throw ComError(s.error());
}

}  // namespace ky
