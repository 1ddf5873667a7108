#pragma once
// Benchmark data: record sets converted from the JSON the report object takes.

#include "report/data/json_to_record_sets.h"
#include "report/data/record_set_list.h"

#include <stdexcept>

namespace ky {

inline RecordSetList recordSetsOf(const QString& json) {
    JsonToRPD_Rst converter;
    if (!converter.ParseStringToRPDRs(json).isEmpty()) throw std::runtime_error("bad bench data");
    RecordSetList list;
    for (int i = 0; i < converter.RPDRecordsetCount(); ++i)
        if (const auto wrapper = converter.RPDRecordset(i)) static_cast<void>(list.addRPDData(wrapper.get()));
    return list;
}

}  // namespace ky
