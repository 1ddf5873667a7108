#pragma once
// The report's record sets, in the order they were added, and the main
// field lists built from the main record sets' catalogues.

#include "report/data/rpd_record_set.h"
#include "platform/result.h"

#include <QString>

#include <vector>

namespace ky {

struct RecordSetLinks {
    QString key, parentKey, description, friendKey, linkParentKey, linkChildKey;
};

class RecordSetList {
public:
    RecordSetList() { reset(); }

    // One empty slot, as a new report object starts.
    void reset() { slots_.assign(1, nullptr); }
    // Every slot becomes empty; the count stays.
    void releaseAll();
    void replace(std::vector<RpdRecordSetPtr> wrappers) { slots_ = std::move(wrappers); }

    const std::vector<RpdRecordSetPtr>& slots() const { return slots_; }
    qsizetype size() const { return static_cast<qsizetype>(slots_.size()); }
    // The wrapper with the key (compared without regard to case), or nothing.
    RpdRecordSetPtr findByKey(const QString& key) const;

    // Wraps the record set and stores it in the last slot, which grows the
    // list unless it is empty. When the catalogue cannot be built the slot
    // stays empty for the next add.
    Status addRecordset(RecordSetPtr records, const RecordSetLinks& links);
    // Adds the prepared wrapper's record set with its keys; nothing for a
    // missing wrapper or one without a record set.
    Status addRPDData(const IRPD_RecordSet* prepared);

private:
    std::vector<RpdRecordSetPtr> slots_;
};

// Four texts that start and end with ";" and list field names between ";".
struct MainFieldLists {
    QString all = QStringLiteral(";");
    QString textNum = QStringLiteral(";");
    QString boolean = QStringLiteral(";");
    QString binary = QStringLiteral(";");
    friend bool operator==(const MainFieldLists&, const MainFieldLists&) = default;
};

// Rebuilds the lists from the main record sets, in list order. An empty slot
// is an error; the lists keep what was built before it.
Status buildMainFieldLists(const RecordSetList& list, MainFieldLists& lists);

}  // namespace ky
