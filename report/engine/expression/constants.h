#pragma once
// The language's named constants: vbCrLf, vbCr, vbLf, vbNewLine, vbTab,
// vbNullString, vbNullChar, the day, week, compare, date-format, tristate,
// variant-type and colour constants. Names without regard to case.

#include "report/data/value.h"

#include <QStringView>

#include <optional>

namespace ky::expr {

std::optional<Value> findConstant(QStringView name);

}  // namespace ky::expr
