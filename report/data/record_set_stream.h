#pragma once
// Saving a record set to bytes and opening one from them: every field's
// name, type code, defined size and nullability, and every row's values
// (nulls included), in stored order. Filter and sort are not kept.

#include "report/data/record_set.h"
#include "platform/result.h"

#include <QByteArray>
#include <QByteArrayView>

namespace ky {

QByteArray saveRecordSet(const RecordSet& records);
// The opened record set is positioned on its first row. Malformed bytes give
// an error that says what is wrong and at which byte.
Result<RecordSet> loadRecordSet(QByteArrayView bytes);

}  // namespace ky
