#pragma once
// The report's record sets as the filling side sees them: the main record
// set, friends joined to it one to one, lookups by key and by field name,
// and the field types that count as numbers.

#include "report/data/record_set_list.h"
#include "report/data/value.h"

#include <QString>

#include <vector>

namespace ky {

class ReportData {
public:
    explicit ReportData(const RecordSetList& list);

    // The first main entry; a stand-in without a record set when there is none.
    const RpdRecordSetPtr& MainRecordSet() const { return main_; }
    // The entry with the key (letter case ignored), or nothing.
    RpdRecordSetPtr FindRecordSet(const QString& key) const;
    // Where a field of a top-level element comes from: the main record set
    // (also for an empty name), else the first top-level entry with the field.
    RpdRecordSetPtr FindFieldRecordSet(const QString& name) const;
    // Other main entries, joined to the main record set by LinkFriendKey.
    std::vector<RpdRecordSetPtr> friends() const;
    // Every main entry, in list order.
    std::vector<RpdRecordSetPtr> mains() const;

private:
    std::vector<RpdRecordSetPtr> entries_;
    RpdRecordSetPtr main_;
};

// The value when it is a number, text, boolean or decimal that is neither
// null nor empty text; the default otherwise.
Value ValueOrDefault(const Value& value, const Value& fallback);


// The current row's value of a field, null at BOF/EOF or for an unknown name.
Value currentValue(const RecordSet& records, const QString& fieldName);

}  // namespace ky
