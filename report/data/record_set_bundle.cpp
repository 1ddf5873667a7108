#include "report/data/record_set_bundle.h"

#include "report/data/record_set_stream.h"

namespace ky {

namespace {

constexpr std::int32_t kKeySize = 4000;
const char16_t* const kTextFields[] = {u"Key", u"Description", u"LinkFriendKey", u"LinkParentKey", u"LinkChildKey",
                                       u"ParentRecordsetKey"};
const QString kRecordsetField = QStringLiteral("Recordset");

QString textOf(const RecordSet& bundle, const char16_t* field) {
    const auto v = bundle.value(QStringView(field));
    return v ? v->toText() : QString();
}

}  // namespace

Result<StreamPtr> packRecordSets(const RecordSetList& list) {
    RecordSet bundle;
    for (const char16_t* name : kTextFields)
        (void)bundle.appendField({QString::fromUtf16(name), fieldtype::VarWChar, kKeySize, true});
    (void)bundle.appendField({kRecordsetField, fieldtype::LongVarBinary, fieldtype::longBinarySize, true});
    bundle.open();
    for (const auto& wrapper : list.slots()) {
        if (!wrapper) continue;
        const QString texts[] = {wrapper->key(), wrapper->Description(), wrapper->LinkFriendKey(),
                                 wrapper->LinkParentKey(), wrapper->LinkChildKey(), wrapper->ParentRecordsetKey()};
        (void)bundle.addNew();
        for (int i = 0; i < 6; ++i)
            if (Status s = bundle.setValue(i, texts[i]); !s) return fail(s.error());
        // Saving takes every row, so the record set's filter needs no clearing.
        if (wrapper->recordSet())
            if (Status s = bundle.setValue(6, saveRecordSet(*wrapper->recordSet())); !s) return fail(s.error());
    }
    return makeStream(saveRecordSet(bundle));
}

Status loadRecordSets(RecordSetList& list, const StreamPtr& bundleStream) {
    if (!bundleStream || bundleStream->size() == 0) return {};
    bundleStream->setPosition(0);
    auto bundle = loadRecordSet(bundleStream->readAll());
    if (!bundle) return fail(QStringLiteral("the record-set bundle is damaged: %1").arg(bundle.error()));
    RecordSet& rows = bundle.value();
    if (rows.fieldIndex(u"Key") < 0) return fail(QStringLiteral("the record-set bundle has no Key field"));
    const int recordsetField = rows.fieldIndex(kRecordsetField);

    std::vector<RpdRecordSetPtr> wrappers;
    for (rows.moveFirst(); !rows.isEof(); rows.moveNext()) {
        auto wrapper = std::make_shared<RPD_RecordSet>();
        wrapper->setKey(textOf(rows, u"Key"));
        wrapper->setDescription(textOf(rows, u"Description"));
        wrapper->setLinkChildKey(textOf(rows, u"LinkChildKey"));
        wrapper->setLinkFriendKey(textOf(rows, u"LinkFriendKey"));
        wrapper->setLinkParentKey(textOf(rows, u"LinkParentKey"));
        wrapper->setParentRecordsetKey(textOf(rows, u"ParentRecordsetKey"));
        if (recordsetField >= 0 && rows.actualSize(recordsetField) > 0) {
            const auto* bytes = rows.valueAt(recordsetField).get<QByteArray>();
            auto records = loadRecordSet(bytes ? QByteArrayView(*bytes) : QByteArrayView());
            if (!records)
                return fail(QStringLiteral("record set %1 in the bundle is damaged: %2").arg(wrapper->key(), records.error()));
            wrapper->setRecordSet(std::make_shared<RecordSet>(std::move(records).value()));
            // Catalogues are built now so the engine can ask for fields at once;
            // names that clash leave the catalogue for an explicit Ready to report.
            (void)wrapper->buildCatalogue();
        }
        wrappers.push_back(std::move(wrapper));
    }
    list.replace(std::move(wrappers));
    return {};
}

}  // namespace ky
