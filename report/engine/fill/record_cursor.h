#pragma once
// A record set's position kept and restored around a walk over its rows.

#include "report/data/record_set.h"

namespace ky {

class SavedPosition {
public:
    explicit SavedPosition(RecordSet& records) : records_(records), position_(records.absolutePosition()) {}
    ~SavedPosition();
    SavedPosition(const SavedPosition&) = delete;
    SavedPosition& operator=(const SavedPosition&) = delete;

private:
    RecordSet& records_;
    long position_;
};

// Moves past the last row.
void moveToEnd(RecordSet& records);

}  // namespace ky
