#pragma once
// Calendar fields of a date value (days since 1899-12-30, the fraction being
// the time of day, also for dates before that day), rounded to whole seconds,
// and back. Dates outside the years 100 to 9999 are not dates.

#include "report/data/value.h"

#include <QDate>

#include <optional>

namespace ky {

struct DateParts {
    QDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;

    int secondsOfDay() const { return hour * 3600 + minute * 60 + second; }
};

std::optional<DateParts> datePartsOf(OleDate value);

// Nothing when the date falls outside the years 100 to 9999.
std::optional<OleDate> oleDateOf(QDate date, qint64 secondsOfDay);

// Reads the date forms reports meet: "2024-03-05", "2024/3/5", with a time,
// the ISO "T" form, a time alone ("8:07", "8:07 PM"), "2024年3月5日", and, for
// `#...#` literals, the month-first form "3/5/2024".
std::optional<OleDate> readDate(QStringView text);

}  // namespace ky
