#include "report/data/record_set.h"

#include "report/data/compare_key.h"
#include "report/data/equality_index.h"
#include "report/data/record_filter.h"
#include "report/data/record_sort.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace ky {

namespace {

const Value kNull = Value::null();

struct BoundNode {
    FilterNode::Kind kind = FilterNode::Kind::Condition;
    int field = -1;
    FieldCategory category = FieldCategory::Text;
    FilterOp op = FilterOp::Equal;
    bool nullTest = false;
    CompareKey literal;
    QString pattern;
    std::vector<BoundNode> children;
};

bool conditionHolds(const BoundNode& c, const Value& value) {
    if (c.nullTest) return (c.op == FilterOp::Equal) == value.isNullOrEmpty();
    if (value.isNullOrEmpty()) return false;
    if (c.op == FilterOp::Like) return likeMatches(value.toText(), c.pattern);
    const auto order = compareKeys(compareKeyOf(value, c.category), c.literal);
    if (!order) return false;
    switch (c.op) {
    case FilterOp::Equal: return *order == 0;
    case FilterOp::NotEqual: return *order != 0;
    case FilterOp::Less: return *order < 0;
    case FilterOp::Greater: return *order > 0;
    case FilterOp::LessOrEqual: return *order <= 0;
    case FilterOp::GreaterOrEqual: return *order >= 0;
    case FilterOp::Like: break;
    }
    return false;
}

// Binds names to fields and literals to the fields' kinds, once per filter.
Result<BoundNode> bindFilter(const FilterNode& node, const RecordSet& records) {
    BoundNode bound;
    bound.kind = node.kind;
    if (node.kind != FilterNode::Kind::Condition) {
        for (const FilterNode& child : node.children) {
            auto b = bindFilter(child, records);
            if (!b) return b;
            bound.children.push_back(std::move(b).value());
        }
        return bound;
    }
    const FilterCondition& c = node.condition;
    bound.field = records.fieldIndex(c.field);
    if (bound.field < 0) return fail(QStringLiteral("the filter names an unknown field %1").arg(c.field));
    bound.category = fieldCategory(records.field(bound.field).type);
    bound.op = c.op;
    bound.nullTest = c.literal.isNull();
    bound.literal = compareKeyOf(c.literal, bound.category);
    if (c.op == FilterOp::Like) bound.pattern = c.literal.toText();
    return bound;
}

bool filterHolds(const BoundNode& node, const RecordSet& records, qsizetype row) {
    switch (node.kind) {
    case FilterNode::Kind::Condition:
        return conditionHolds(node, records.cell(row, node.field));
    case FilterNode::Kind::And:
        for (const BoundNode& child : node.children)
            if (!filterHolds(child, records, row)) return false;
        return true;
    case FilterNode::Kind::Or:
        for (const BoundNode& child : node.children)
            if (filterHolds(child, records, row)) return true;
        return false;
    }
    return false;
}

// Sort keys rank by kind first so that mixed values still order strictly.
// Texts arrive case-folded (sortKeyOf), so they compare code unit by unit.
int sortCompare(const CompareKey& a, const CompareKey& b) {
    if (a.kind != b.kind) return static_cast<int>(a.kind) < static_cast<int>(b.kind) ? -1 : 1;
    if (a.kind == CompareKey::Kind::Text) return QString::compare(a.text, b.text, Qt::CaseSensitive);
    return compareKeys(a, b).value_or(0);
}

CompareKey sortKeyOf(const Value& value, FieldCategory category) {
    CompareKey key = compareKeyOf(value, category);
    if (key.kind == CompareKey::Kind::Text) key.text = key.text.toCaseFolded();
    return key;
}

}  // namespace

RecordSet::RecordSet() = default;
RecordSet::~RecordSet() = default;
RecordSet::RecordSet(const RecordSet& other) = default;
RecordSet& RecordSet::operator=(const RecordSet& other) = default;
RecordSet::RecordSet(RecordSet&&) noexcept = default;
RecordSet& RecordSet::operator=(RecordSet&&) noexcept = default;

Status RecordSet::appendField(FieldInfo field) {
    if (open_) return fail(QStringLiteral("cannot add field %1 to an open record set").arg(field.name));
    if (field.name.isEmpty()) return fail(QStringLiteral("a field needs a name"));
    for (const Column& c : columns_)
        if (c.info.name == field.name) return fail(QStringLiteral("the record set already has a field %1").arg(field.name));
    columns_.push_back(Column{std::move(field), ValueColumn(static_cast<size_t>(rowCount_), kNull)});
    return {};
}

const FieldInfo& RecordSet::field(int index) const { return columns_.at(static_cast<size_t>(index)).info; }

int RecordSet::fieldIndex(QStringView name) const {
    for (size_t i = 0; i < columns_.size(); ++i) {
        const QString& candidate = columns_[i].info.name;
        if (candidate.size() != name.size()) continue;  // cheap, and names rarely share a length
        if (candidate == name || candidate.compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    }
    return -1;
}

Status RecordSet::addNew() {
    if (!open_) return fail(QStringLiteral("the record set is not open"));
    if (rowCount_ >= std::numeric_limits<std::int32_t>::max()) return fail(QStringLiteral("the record set is full"));
    for (Column& c : columns_) c.values.push_back(kNull);
    const auto row = static_cast<std::uint32_t>(rowCount_++);
    if (hasView_) {
        view_.push_back(row);
        position_ = static_cast<qsizetype>(view_.size()) - 1;
    } else {
        position_ = row;
    }
    valuesChanged();
    return {};
}

Status RecordSet::checkCurrentRow() const {
    if (!hasCurrentRow()) return fail(QStringLiteral("there is no current record (BOF or EOF)"));
    return {};
}

Status RecordSet::setValue(int field, Value value) {
    if (field < 0 || field >= fieldCount()) return fail(QStringLiteral("no field number %1").arg(field));
    if (Status s = checkCurrentRow(); !s) return s;
    Column& column = columns_[static_cast<size_t>(field)];
    Value& cell = column.values[static_cast<size_t>(currentRow())];
    if (storedAsIs(column.info, value)) {
        cell = std::move(value);
    } else if (const Decimal* decimal = value.get<Decimal>(); decimal && column.info.type == fieldtype::Double) {
        cell = Value(decimal->toDouble());  // numbers of report data, the most common conversion
    } else {
        auto stored = coerceToField(column.info, std::move(value));
        if (!stored) return fail(stored.error());
        cell = std::move(stored).value();
    }
    valuesChanged();
    return {};
}

Status RecordSet::setValue(QStringView fieldName, Value value) {
    const int index = fieldIndex(fieldName);
    if (index < 0) return fail(QStringLiteral("the record set has no field %1").arg(fieldName.toString()));
    return setValue(index, std::move(value));
}

Status RecordSet::appendChunk(int field, QByteArrayView bytes) {
    if (field < 0 || field >= fieldCount()) return fail(QStringLiteral("no field number %1").arg(field));
    if (Status s = checkCurrentRow(); !s) return s;
    Column& column = columns_[static_cast<size_t>(field)];
    if (!isBinaryFieldType(column.info.type))
        return fail(QStringLiteral("field %1 is not binary; chunks cannot be appended").arg(column.info.name));
    const Value& current = column.values[static_cast<size_t>(currentRow())];
    QByteArray joined = current.get<QByteArray>() ? *current.get<QByteArray>() : QByteArray();
    joined.append(bytes);
    return setValue(field, Value(std::move(joined)));
}

const Value& RecordSet::cell(qsizetype row, int field) const {
    return columns_.at(static_cast<size_t>(field)).values.at(static_cast<size_t>(row));
}

// An empty record set is at both ends, wherever the cursor was moved.

long RecordSet::absolutePosition() const {
    if (recordCount() == 0) return positionUnknown;
    if (position_ < 0) return positionBof;
    if (isEof()) return positionEof;
    return static_cast<long>(position_ + 1);
}

Status RecordSet::setAbsolutePosition(long position) {
    if (position < 1 || position > recordCount())
        return fail(QStringLiteral("record %1 does not exist; the record set has %2").arg(position).arg(recordCount()));
    position_ = position - 1;
    return {};
}

void RecordSet::movePrevious() { position_ = std::max<qsizetype>(position_ - 1, -1); }
void RecordSet::moveLast() { position_ = recordCount() - 1; }

Result<Value> RecordSet::value(QStringView fieldName) const {
    const int index = fieldIndex(fieldName);
    if (index < 0) return fail(QStringLiteral("the record set has no field %1").arg(fieldName.toString()));
    if (Status s = checkCurrentRow(); !s) return fail(s.error());
    return valueAt(index);
}

qint64 RecordSet::actualSize(int field) const {
    if (!hasCurrentRow() || field < 0 || field >= fieldCount()) return 0;
    const Value& v = valueAt(field);
    if (const auto* bytes = v.get<QByteArray>()) return bytes->size();
    if (v.isNullOrEmpty()) return 0;
    return v.toText().size() * 2;
}

void RecordSet::valuesChanged() {
    if (!indexes_.perField.empty()) indexes_.perField.clear();
}

const EqualityIndex& RecordSet::indexOf(int field) const {
    auto& slots = indexes_.perField;
    if (slots.size() != columns_.size()) slots.assign(columns_.size(), nullptr);
    auto& slot = slots[static_cast<size_t>(field)];
    if (!slot) {
        const Column& c = columns_[static_cast<size_t>(field)];
        slot = std::make_shared<EqualityIndex>(c.values, fieldCategory(c.info.type));
    }
    return *slot;
}

Result<std::vector<std::uint32_t>> RecordSet::filteredRows(const FilterNode& filter) const {
    auto bound = bindFilter(filter, *this);
    if (!bound) return fail(bound.error());
    const BoundNode& root = bound.value();

    // An equality on a field, alone or in an and-list, narrows the rows
    // through that field's index.
    const BoundNode* equality = nullptr;
    auto isIndexable = [](const BoundNode& n) {
        return n.kind == FilterNode::Kind::Condition && n.op == FilterOp::Equal && !n.nullTest &&
               n.literal.kind != CompareKey::Kind::Invalid;
    };
    if (isIndexable(root)) equality = &root;
    if (root.kind == FilterNode::Kind::And)
        for (const BoundNode& child : root.children)
            if (!equality && isIndexable(child)) equality = &child;

    std::vector<std::uint32_t> rows;
    if (equality) {
        const auto& column = columns_[static_cast<size_t>(equality->field)].values;
        const auto matching = indexOf(equality->field).rowsEqualTo(equality->literal, column);
        rows.assign(matching.begin(), matching.end());
        if (&root != equality)
            std::erase_if(rows, [&](std::uint32_t row) { return !filterHolds(root, *this, row); });
        return rows;
    }
    for (qsizetype row = 0; row < rowCount_; ++row)
        if (filterHolds(root, *this, row)) rows.push_back(static_cast<std::uint32_t>(row));
    return rows;
}

Result<std::vector<std::uint32_t>> RecordSet::sortedRows(std::vector<std::uint32_t> rows, const QString& sort) const {
    auto keys = parseSort(sort);
    if (!keys) return fail(keys.error());
    struct SortColumn {
        int field;
        bool descending;
        std::vector<CompareKey> keys;  // by position in `rows`
    };
    std::vector<SortColumn> columns;
    for (const SortKey& key : keys.value()) {
        const int field = fieldIndex(key.field);
        if (field < 0) return fail(QStringLiteral("the sort order names an unknown field %1").arg(key.field));
        columns.push_back({field, key.descending, {}});
    }
    for (SortColumn& c : columns) {
        const auto& values = columns_[static_cast<size_t>(c.field)].values;
        const FieldCategory category = fieldCategory(columns_[static_cast<size_t>(c.field)].info.type);
        c.keys.reserve(rows.size());
        for (std::uint32_t row : rows) c.keys.push_back(sortKeyOf(values[row], category));
    }
    std::vector<std::uint32_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        for (const SortColumn& c : columns) {
            const int r = sortCompare(c.keys[a], c.keys[b]);
            if (r != 0) return c.descending ? r > 0 : r < 0;
        }
        return false;
    });
    std::vector<std::uint32_t> sorted;
    sorted.reserve(rows.size());
    for (std::uint32_t i : order) sorted.push_back(rows[i]);
    return sorted;
}

Status RecordSet::rebuildView(const QString& filter, const QString& sort) {
    std::vector<std::uint32_t> rows;
    const bool filtered = !QStringView(filter).trimmed().isEmpty();
    const bool sorted = !QStringView(sort).trimmed().isEmpty();
    if (filtered) {
        auto parsed = parseFilter(filter);
        if (!parsed) return fail(parsed.error());
        auto matching = filteredRows(parsed.value());
        if (!matching) return fail(matching.error());
        rows = std::move(matching).value();
    } else if (sorted) {
        rows.resize(static_cast<size_t>(rowCount_));
        std::iota(rows.begin(), rows.end(), 0u);
    }
    if (sorted) {
        auto ordered = sortedRows(std::move(rows), sort);
        if (!ordered) return fail(ordered.error());
        rows = std::move(ordered).value();
    }
    filterText_ = filter;
    sortText_ = sort;
    hasView_ = filtered || sorted;
    view_ = std::move(rows);
    position_ = 0;
    return {};
}

Status RecordSet::setFilter(const QString& filter) { return rebuildView(filter, sortText_); }
Status RecordSet::setSort(const QString& sort) { return rebuildView(filterText_, sort); }

}  // namespace ky
