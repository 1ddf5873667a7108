#include "report/engine/fill/record_cursor.h"

namespace ky {

SavedPosition::~SavedPosition() {
    if (position_ > 0 && records_.setAbsolutePosition(position_)) return;
    if (position_ == RecordSet::positionBof) {
        records_.moveFirst();
        records_.movePrevious();
    } else {
        moveToEnd(records_);
    }
}

void moveToEnd(RecordSet& records) {
    records.moveLast();
    records.moveNext();
}

}  // namespace ky
