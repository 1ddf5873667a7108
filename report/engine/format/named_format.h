#pragma once
// The named formats of the pattern language ("General Number", "Currency",
// "Fixed", "Standard", "Percent", "Scientific", "Yes/No", "True/False",
// "On/Off", "General Date", "Long Date", "Medium Date", "Short Date",
// "Long Time", "Medium Time", "Short Time"), names without regard to case.

#include "report/data/value.h"

#include <QStringView>

#include <optional>

namespace ky {

// Nothing when `name` is not a named format; the value unchanged (as text)
// when it does not suit the format.
std::optional<QString> formatNamed(const Value& value, QStringView name);

}  // namespace ky
