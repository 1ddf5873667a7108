#include "report/data/record_set_list.h"

namespace ky {

void RecordSetList::releaseAll() {
    for (auto& slot : slots_) slot.reset();
}

RpdRecordSetPtr RecordSetList::findByKey(const QString& key) const {
    for (const auto& slot : slots_)
        if (slot && slot->key().compare(key, Qt::CaseInsensitive) == 0) return slot;
    return nullptr;
}

Status RecordSetList::addRecordset(RecordSetPtr records, const RecordSetLinks& links) {
    if (slots_.empty() || slots_.back()) slots_.emplace_back();
    auto wrapper = std::make_shared<RPD_RecordSet>();
    wrapper->setKey(links.key);
    wrapper->setParentRecordsetKey(links.parentKey);
    wrapper->setDescription(links.description);
    wrapper->setLinkFriendKey(links.friendKey);
    wrapper->setLinkChildKey(links.linkChildKey);
    wrapper->setLinkParentKey(links.linkParentKey);
    wrapper->setRecordSet(std::move(records));
    if (Status s = wrapper->buildCatalogue(); !s) return s;
    slots_.back() = std::move(wrapper);
    return {};
}

Status RecordSetList::addRPDData(const IRPD_RecordSet* prepared) {
    if (!prepared || !prepared->recordSet()) return {};
    return addRecordset(prepared->recordSet(),
                        RecordSetLinks{prepared->key(), prepared->ParentRecordsetKey(), prepared->Description(),
                                       prepared->LinkFriendKey(), prepared->LinkParentKey(), prepared->LinkChildKey()});
}

namespace {

void appendNames(QString& list, const QStringList& names) {
    for (const QString& name : names) {
        if (!list.contains(u';' + name + u';', Qt::CaseInsensitive)) list += name + u';';
    }
}

}  // namespace

Status buildMainFieldLists(const RecordSetList& list, MainFieldLists& lists) {
    lists = MainFieldLists{};
    for (qsizetype i = 0; i < list.size(); ++i) {
        const auto& wrapper = list.slots()[static_cast<size_t>(i)];
        if (!wrapper) return fail(QStringLiteral("record set slot %1 is empty; add a record set before Ready").arg(i));
        if (!wrapper->IsMain()) continue;
        appendNames(lists.all, wrapper->FieldNameArray());
        appendNames(lists.textNum, wrapper->TextNumFiledNameArray());
        appendNames(lists.boolean, wrapper->BoolFiledNameArray());
        appendNames(lists.binary, wrapper->BinFiledNameArray());
    }
    return {};
}

}  // namespace ky
