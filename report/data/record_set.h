#pragma once
// An in-memory record set: ordered fields, ordered rows, one current row,
// and a view of the rows narrowed by a filter and ordered by a sort.

#include "report/data/field_type.h"
#include "report/data/value.h"
#include "report/data/value_column.h"
#include "platform/result.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace ky {

struct FilterNode;
class EqualityIndex;

class RecordSet {
public:
    // AbsolutePosition away from a row.
    static constexpr long positionUnknown = -1, positionBof = -2, positionEof = -3;

    RecordSet();
    ~RecordSet();
    RecordSet(const RecordSet& other);
    RecordSet& operator=(const RecordSet& other);
    RecordSet(RecordSet&&) noexcept;
    RecordSet& operator=(RecordSet&&) noexcept;

    // Fields are appended before the record set is opened. Names that differ
    // only in case are allowed (lookups by name find the first).
    Status appendField(FieldInfo field);
    int fieldCount() const { return static_cast<int>(columns_.size()); }
    const FieldInfo& field(int index) const;
    int fieldIndex(QStringView name) const;

    void open() { open_ = true; }
    bool isOpen() const { return open_; }

    // Appends a row of nulls and makes it current.
    Status addNew();
    // Sets a field of the current row, converted to the field's type.
    Status setValue(int field, Value value);
    Status setValue(QStringView fieldName, Value value);
    // Appends bytes to a binary field of the current row.
    Status appendChunk(int field, QByteArrayView bytes);

    // Every row, whatever the filter.
    qsizetype totalRowCount() const { return rowCount_; }
    const Value& cell(qsizetype row, int field) const;

    // The rows the filter lets through.
    qsizetype recordCount() const { return hasView_ ? static_cast<qsizetype>(view_.size()) : rowCount_; }
    bool isEof() const { return position_ >= recordCount() || recordCount() == 0; }
    bool isBof() const { return position_ < 0 || recordCount() == 0; }
    bool hasCurrentRow() const { return !isEof() && !isBof(); }
    // 1-based place of the current row among the visible rows.
    long absolutePosition() const;
    Status setAbsolutePosition(long position);
    void moveFirst() { position_ = 0; }
    void moveNext() { position_ = std::min(position_ + 1, recordCount()); }
    void movePrevious();
    void moveLast();

    // A field of the current row; the caller makes sure there is one.
    const Value& valueAt(int field) const {
        Q_ASSERT(hasCurrentRow());
        return columns_[static_cast<size_t>(field)].values[static_cast<size_t>(currentRow())];
    }
    // A field of the current row by name; fails at BOF/EOF or for an unknown name.
    Result<Value> value(QStringView fieldName) const;
    // Bytes of a binary value, characters × 2 of a text, 0 for null.
    qint64 actualSize(int field) const;

    // The empty text removes the filter. A bad filter changes nothing.
    Status setFilter(const QString& filter);
    const QString& filter() const { return filterText_; }
    // The empty text removes the sort. A bad sort changes nothing.
    Status setSort(const QString& sort);
    const QString& sort() const { return sortText_; }

private:
    friend Result<RecordSet> loadRecordSet(QByteArrayView bytes);

    struct Column {
        FieldInfo info;
        ValueColumn values;
    };
    // The index of an equality condition on one field, built on demand and
    // dropped when values change.
    struct IndexCache {
        IndexCache() = default;
        IndexCache(const IndexCache&) {}
        IndexCache& operator=(const IndexCache&) {
            perField.clear();
            return *this;
        }
        IndexCache(IndexCache&&) noexcept = default;
        IndexCache& operator=(IndexCache&&) noexcept = default;
        std::vector<std::shared_ptr<const EqualityIndex>> perField;
    };

    qsizetype rowAt(qsizetype viewPosition) const { return hasView_ ? view_[static_cast<size_t>(viewPosition)] : viewPosition; }
    qsizetype currentRow() const { return rowAt(position_); }
    Result<std::vector<std::uint32_t>> filteredRows(const FilterNode& filter) const;
    Result<std::vector<std::uint32_t>> sortedRows(std::vector<std::uint32_t> rows, const QString& sort) const;
    Status rebuildView(const QString& filter, const QString& sort);
    const EqualityIndex& indexOf(int field) const;
    Status checkCurrentRow() const;
    void valuesChanged();

    std::vector<Column> columns_;
    qsizetype rowCount_ = 0;
    bool open_ = false;
    QString filterText_;
    QString sortText_;
    bool hasView_ = false;  // without one, every row in stored order
    std::vector<std::uint32_t> view_;
    qsizetype position_ = 0;  // in the view; -1 BOF, size EOF
    mutable IndexCache indexes_;
};

}  // namespace ky
