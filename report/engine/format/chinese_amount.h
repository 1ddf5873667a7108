#pragma once
// Amounts of money in Chinese capital numerals, as cheques and invoices write
// them: 10005.07 -> 壹万零伍元零柒分, 1200.5 -> 壹仟贰佰元零伍角整, 0 -> 零.

#include <QString>

namespace ky {

// Whole yuan up to 9999亿9999万9999 and jiao/fen from the amount's first two
// decimals (rounded half up on the fen). A negative amount is written as its
// magnitude after "负"; an amount beyond the largest one written (or not
// finite) comes back as its plain number text, never with digits cut off.
QString ChineseAmount(double amount);

}  // namespace ky
