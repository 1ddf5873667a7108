#include "report/data/json_to_record_sets.h"

#include "report/data/json_reader.h"
#include "report/data/shared_texts.h"
#include "platform/base64.h"
#include "platform/com_error.h"

#include <algorithm>

namespace ky {

namespace {

const QString kRowId = QStringLiteral("RowID");
const QString kParentRowId = QStringLiteral("ParentRowID");

[[noreturn]] void failWith(const QString& message) { throw ComError(message); }

void check(const Status& status) {
    if (!status) failWith(status.error());
}

QString textOf(const JsonNode* node) { return node && node->kind == JsonNode::Kind::Scalar ? node->scalar.toText() : QString(); }

// A text that the reader takes for an object or array is a child, like one.
// Returns the child's rows: the node itself, or the text read into `parsed`.
JsonNode* nestedIn(JsonNode& value, std::optional<JsonNode>& parsed) {
    if (value.kind != JsonNode::Kind::Scalar) return &value;
    const QString* text = value.scalar.get<QString>();
    // Only a text holding a bracket can read as one; most hold none.
    if (!text || std::none_of(text->begin(), text->end(), [](QChar c) { return c == u'{' || c == u'['; })) return nullptr;
    parsed = std::move(ParseJson(*text).root);
    return parsed ? &*parsed : nullptr;
}

std::optional<FieldInfo> columnFor(const QString& name, const JsonNode& value) {
    namespace ft = fieldtype;
    if (value.kind != JsonNode::Kind::Scalar) return std::nullopt;  // becomes a child record set
    const Value& v = value.scalar;
    if (v.get<Decimal>()) return FieldInfo{name, ft::Double, 0, true};
    if (v.get<bool>()) return FieldInfo{name, ft::Boolean, 0, true};
    if (const QString* text = v.get<QString>()) {
        if (text->startsWith(QStringLiteral("base64:"))) return FieldInfo{name, ft::LongVarBinary, ft::longBinarySize, true};
        if (text->size() < 255) return FieldInfo{name, ft::VarWChar, ft::wideTextSize, true};
    }
    return FieldInfo{name, ft::LongVarWChar, ft::longWideTextSize, true};
}

// Field names compare with case here: the data's members are case-sensitive.
int exactField(const RecordSet& records, const QString& name) {
    for (int i = 0; i < records.fieldCount(); ++i)
        if (records.field(i).name == name) return i;
    return -1;
}

}  // namespace

// Converts each element as soon as it is read, and the rows of its R array
// as they are read when the element's keys came before R (otherwise they
// wait for the whole element). The order is the text's, as with the tree.
class RowTaker final : public JsonItemHook {
public:
    explicit RowTaker(JsonToRPD_Rst& converter) : converter_(converter) {}

    bool takeElement(JsonNode& element) override {
        converter_.addElement(element);
        return true;
    }

    bool takeItem(const JsonNode& owner, const QString& member, JsonNode& item) override {
        // A second R is dropped by the reader as a duplicate: its rows must not count.
        if (member != QStringLiteral("R") || owner.member(u"R")) return false;
        const JsonNode *key = owner.member(u"K"), *parent = owner.member(u"P"), *description = owner.member(u"D");
        if (!key || !parent || !description) return false;
        converter_.addListedItem(item, {textOf(key), textOf(parent), textOf(description), kRowId, kParentRowId, kRowId});
        return true;
    }

private:
    JsonToRPD_Rst& converter_;
};

QString JsonToRPD_Rst::ParseStringToRPDRs(const QString& strJson) {
    if (strJson.isEmpty()) return kEmptyText;
    slots_.assign(1, nullptr);
    RowTaker taker(*this);
    JsonParse parsed = reading_ == Reading::RowByRow ? ParseJson(strJson, taker) : ParseJson(strJson);
    if (!parsed.root) return parsed.errors;
    if (parsed.root->isObject()) return kNotAnArray;
    // Reading row by row, every element was taken as it was read.
    for (JsonNode& element : parsed.root->items) addElement(element);
    return {};
}

void JsonToRPD_Rst::addElement(JsonNode& element) {
    if (!element.isObject()) failWith(QStringLiteral("an element of the report data is not an object"));
    JsonNode* rows = element.member(u"R");
    if (!rows || rows->kind == JsonNode::Kind::Scalar) return;
    const QString key = textOf(element.member(u"K"));
    const QString parent = textOf(element.member(u"P"));
    const QString description = textOf(element.member(u"D"));
    if (rows->isObject()) {
        addRow(*rows, {key, parent, description, textOf(element.member(u"U")), textOf(element.member(u"L")),
                       textOf(element.member(u"F"))},
               1);
        return;
    }
    // Rows the reader handed over already are gone from the array.
    for (JsonNode& item : rows->items) addListedItem(item, {key, parent, description, kRowId, kParentRowId, kRowId});
}

void JsonToRPD_Rst::addListedItem(JsonNode& item, const Links& listed) {
    if (item.isObject()) {
        addRow(item, listed, 1);
    } else if (item.isArray()) {
        // Rows one level down name their own record set as parent.
        Links nested = listed;
        nested.parentKey = listed.key;
        for (JsonNode& row : item.items)
            if (row.isObject()) addRow(row, nested, 1);
    }
}

RPD_RecordSet& JsonToRPD_Rst::wrapperFor(const Links& links) {
    for (const auto& slot : slots_)
        if (slot && slot->key() == links.key) return *slot;  // the first description and links stay
    auto wrapper = std::make_shared<RPD_RecordSet>();
    wrapper->setKey(links.key);
    wrapper->setRecordSet(std::make_shared<RecordSet>());
    wrapper->setParentRecordsetKey(links.parentKey);
    wrapper->setLinkChildKey(links.linkChildKey);
    wrapper->setLinkParentKey(links.linkParentKey);
    wrapper->setLinkFriendKey(links.friendKey);
    wrapper->setDescription(links.description);
    if (slots_.empty() || slots_.back()) slots_.emplace_back();
    slots_.back() = wrapper;
    return *wrapper;
}

void JsonToRPD_Rst::addRow(JsonNode& row, const Links& links, int parentRow) {
    RecordSet& records = *wrapperFor(links).recordSet();
    if (records.fieldCount() == 0) {
        check(records.appendField({kRowId, fieldtype::Double, 0, true}));
        check(records.appendField({kParentRowId, fieldtype::Double, 0, true}));
        for (const JsonMember& m : row.members)
            if (const auto column = columnFor(m.name, m.node); column && exactField(records, m.name) < 0)
                check(records.appendField(*column));
    }
    records.open();
    check(records.addNew());
    const auto rowId = static_cast<int>(records.recordCount());
    check(records.setValue(0, static_cast<double>(rowId)));
    check(records.setValue(1, static_cast<double>(parentRow)));

    int expected = 2;  // rows usually list their members in the columns' order
    for (JsonMember& m : row.members) {
        if (m.node.kind == JsonNode::Kind::Scalar && m.node.scalar.isNull()) continue;
        std::optional<JsonNode> parsed;
        if (JsonNode* nested = nestedIn(m.node, parsed)) {
            const Links child{links.key + u'_' + m.name, links.key, links.description + u'_' + m.name,
                              kRowId, kParentRowId, kRowId};
            addChildRows(*nested, child, rowId);
            continue;
        }
        const bool inOrder = expected < records.fieldCount() && sameText(records.field(expected).name, m.name);
        const int field = inOrder ? expected : exactField(records, m.name);
        if (field < 0) continue;  // members the first row did not have are dropped
        expected = field + 1;
        Value& value = m.node.scalar;
        if (records.field(field).type == fieldtype::LongVarBinary) {
            const QString text = value.toText();
            if (text.size() <= 7) continue;
            auto bytes = decodeBase64(text);
            if (!bytes) failWith(QStringLiteral("member %1: %2").arg(m.name, bytes.error()));
            check(records.appendChunk(field, bytes.value()));
            continue;
        }
        check(records.setValue(field, std::move(value)));  // the row is read once: its values move
    }
}

void JsonToRPD_Rst::addChildRows(JsonNode& rows, const Links& links, int parentRow) {
    if (rows.isObject()) {
        addRow(rows, links, parentRow);
        return;
    }
    for (JsonNode& item : rows.items)
        if (item.isObject()) addRow(item, links, parentRow);
}

}  // namespace ky
