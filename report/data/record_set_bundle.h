#pragma once
// The record-set bundle of a report data file: one row per record set of the
// report with its keys and the record set itself, saved as one record set.

#include "report/data/record_set_list.h"
#include "platform/byte_stream.h"
#include "platform/result.h"

namespace ky {

// Empty slots are left out.
Result<StreamPtr> packRecordSets(const RecordSetList& list);

// Replaces the list from a bundle; a missing or empty bundle leaves it as it
// is. The wrappers' catalogues are built where their field names allow.
Status loadRecordSets(RecordSetList& list, const StreamPtr& bundle);

}  // namespace ky
