#pragma once
// Names and standard forms of dates in the product's locale (Simplified
// Chinese, "/" and ":" as separators): month and weekday names, the AM/PM
// designators, and the short/long date and time patterns.

#include <QString>

namespace ky {

// `month` 1..12.
QString monthName(int month, bool abbreviated);
// `weekday` 1..7, Sunday first.
QString weekdayName(int weekday, bool abbreviated);
QString dayPeriodName(bool afternoon);

namespace datepattern {
inline constexpr char16_t shortDate[] = u"yyyy/m/d";
inline constexpr char16_t longDate[] = u"yyyy\"年\"m\"月\"d\"日\"";
inline constexpr char16_t longTime[] = u"h:nn:ss";
inline constexpr char16_t shortTime[] = u"hh:nn";
}  // namespace datepattern

}  // namespace ky
