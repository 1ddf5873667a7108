#pragma once
// Turning the server's JSON report data into linked record sets: one per
// record-set description of the top-level array, plus one per nested object
// or array member of the rows, linked to their parent rows by generated row
// numbers.

#include "report/data/rpd_record_set.h"

#include <QString>

#include <vector>

namespace ky {

class JsonNode;

class JsonToRPD_Rst {
public:
    // Rows are converted as they are read, so that the whole text never
    // stands as a tree; reading the whole tree first is kept to check that
    // both give the same record sets.
    enum class Reading { RowByRow, WholeTree };
    explicit JsonToRPD_Rst(Reading reading = Reading::RowByRow) : reading_(reading) {}

    inline static const QString kEmptyText = QStringLiteral("空字符，无法解析");
    inline static const QString kNotAnArray =
        QStringLiteral("给定的JSON字符不符合预期格式（必须为数组形式，且由七项组成，并大小写敏感）");

    // The message (empty on success): kEmptyText, the reader's errors, or
    // kNotAnArray. Throws ComError when a value does not fit its column or
    // the top-level array holds something other than objects.
    QString ParseStringToRPDRs(const QString& strJson);

    std::int16_t RPDRecordsetCount() const { return static_cast<std::int16_t>(slots_.size()); }
    // The wrapper at a 0-based index; an empty slot is nothing.
    RpdRecordSetPtr RPDRecordset(int index) const { return slots_.at(static_cast<size_t>(index)); }

private:
    struct Links {
        QString key, parentKey, description, linkParentKey, linkChildKey, friendKey;
    };
    RPD_RecordSet& wrapperFor(const Links& links);
    void addRow(JsonNode& row, const Links& links, int parentRow);
    void addChildRows(JsonNode& rows, const Links& links, int parentRow);
    // Trees handed in are used up: their values move into the record sets.
    // One element of the top-level array, with the rows it still holds.
    void addElement(JsonNode& element);
    // One item of an element's row array: a row, or an array of rows.
    void addListedItem(JsonNode& item, const Links& listed);
    friend class RowTaker;

    Reading reading_;
    std::vector<RpdRecordSetPtr> slots_{nullptr};
};

}  // namespace ky
