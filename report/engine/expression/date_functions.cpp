// Date Time Now Year Month Day Hour Minute Second Weekday WeekdayName MonthName
// DateAdd DateDiff DatePart DateSerial DateValue TimeSerial TimeValue.
#include "report/engine/expression/builtin_function.h"
#include "report/engine/expression/expression_error.h"
#include "report/engine/expression/variant_conversion.h"
#include "report/engine/format/calendar_names.h"
#include "report/engine/format/date_parts.h"

namespace ky::expr {

namespace {

const QDate kDayZero(1899, 12, 30);

DateParts partsOf(const Value& v) {
    const auto parts = datePartsOf(toDate(v));
    if (!parts) fail();
    return *parts;
}

Value dateValue(QDate date, qint64 secondsOfDay) {
    const auto d = oleDateOf(date, secondsOfDay);
    if (!d) fail();
    return *d;
}

DateParts nowParts(const CallContext& c) {
    const QTime t = c.now.time();
    return DateParts{c.now.date(), t.hour(), t.minute(), t.second()};
}

Value now(CallContext& c, const Args&) {
    const DateParts p = nowParts(c);
    return dateValue(p.date, p.secondsOfDay());
}
Value today(CallContext& c, const Args&) { return dateValue(nowParts(c).date, 0); }
Value timeOfDay(CallContext& c, const Args&) { return dateValue(kDayZero, nowParts(c).secondsOfDay()); }

template <int (*Field)(const DateParts&)>
Value field(CallContext&, const Args& a) {
    if (a[0].isNull()) return Value::null();
    return static_cast<std::int16_t>(Field(partsOf(a[0])));
}

int yearOf(const DateParts& p) { return p.date.year(); }
int monthOf(const DateParts& p) { return p.date.month(); }
int dayOf(const DateParts& p) { return p.date.day(); }
int hourOf(const DateParts& p) { return p.hour; }
int minuteOf(const DateParts& p) { return p.minute; }
int secondOf(const DateParts& p) { return p.second; }

// The first day of the week, 1 (Sunday) to 7; 0 means the system's, Sunday.
int firstDayArg(const Args& a, qsizetype index) {
    const std::int32_t first = toLong(argOr(a, index, 1));
    if (first < 0 || first > 7) fail();
    return first == 0 ? 1 : first;
}

// 1..7 counted from `firstDay`.
int weekdayFrom(QDate date, int firstDay) {
    const int sundayBased = date.dayOfWeek() % 7;  // Sunday 0
    return (sundayBased - (firstDay - 1) + 7) % 7 + 1;
}

Value weekday(CallContext&, const Args& a) {
    const int first = firstDayArg(a, 1);
    if (a[0].isNull()) return Value::null();
    return static_cast<std::int16_t>(weekdayFrom(partsOf(a[0]).date, first));
}

Value weekdayNameOf(CallContext&, const Args& a) {
    const std::int32_t n = toLong(a[0]);
    const bool abbreviated = toBoolean(argOr(a, 1, false));
    const int first = firstDayArg(a, 2);
    if (n < 1 || n > 7) fail();
    return weekdayName((n - 1 + first - 1) % 7 + 1, abbreviated);
}

Value monthNameOf(CallContext&, const Args& a) {
    const std::int32_t n = toLong(a[0]);
    if (n < 1 || n > 12) fail();
    return monthName(n, toBoolean(argOr(a, 1, false)));
}

// Two-digit years: 0-29 are 2000-2029, 30-99 are 1930-1999.
int fullYear(int year) {
    if (year >= 0 && year < 30) return year + 2000;
    if (year >= 30 && year < 100) return year + 1900;
    return year;
}

Value dateSerial(CallContext&, const Args& a) {
    if (anyNull(a)) fail();
    const int year = fullYear(toInteger(a[0]));
    if (year < 100 || year > 9999) fail();
    const QDate date = QDate(year, 1, 1).addMonths(toInteger(a[1]) - 1).addDays(toInteger(a[2]) - 1);
    return dateValue(date, 0);
}

Value timeSerial(CallContext&, const Args& a) {
    if (anyNull(a)) fail();
    const qint64 seconds = qint64{toInteger(a[0])} * 3600 + qint64{toInteger(a[1])} * 60 + toInteger(a[2]);
    return dateValue(kDayZero, seconds);
}

Value dateOnly(CallContext&, const Args& a) {
    if (a[0].isNull()) return Value::null();
    return dateValue(partsOf(a[0]).date, 0);
}

Value timeOnly(CallContext&, const Args& a) {
    if (a[0].isNull()) return Value::null();
    return dateValue(kDayZero, partsOf(a[0]).secondsOfDay());
}

enum class Interval : std::uint8_t { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

Interval intervalOf(const Value& v) {
    const QString s = toText(v).trimmed().toLower();
    static constexpr struct {
        const char16_t* name;
        Interval interval;
    } kNames[] = {{u"yyyy", Interval::Year}, {u"q", Interval::Quarter}, {u"m", Interval::Month},   {u"y", Interval::DayOfYear},
                  {u"d", Interval::Day},     {u"w", Interval::Weekday}, {u"ww", Interval::Week},  {u"h", Interval::Hour},
                  {u"n", Interval::Minute},  {u"s", Interval::Second}};
    for (const auto& n : kNames)
        if (s == QStringView(n.name)) return n.interval;
    fail();
}

Value dateAdd(CallContext&, const Args& a) {
    const Interval interval = intervalOf(a[0]);
    if (a[1].isNull() || a[2].isNull()) fail();
    const double count = roundBankers(toNumber(a[1]));
    if (std::fabs(count) > 1e9) fail();
    const auto n = static_cast<qint64>(count);
    const DateParts p = partsOf(a[2]);
    switch (interval) {
    case Interval::Year: return dateValue(p.date.addYears(static_cast<int>(n)), p.secondsOfDay());
    case Interval::Quarter: return dateValue(p.date.addMonths(static_cast<int>(n * 3)), p.secondsOfDay());
    case Interval::Month: return dateValue(p.date.addMonths(static_cast<int>(n)), p.secondsOfDay());
    case Interval::DayOfYear:
    case Interval::Day:
    case Interval::Weekday: return dateValue(p.date.addDays(n), p.secondsOfDay());
    case Interval::Week: return dateValue(p.date.addDays(n * 7), p.secondsOfDay());
    case Interval::Hour: return dateValue(p.date, p.secondsOfDay() + n * 3600);
    case Interval::Minute: return dateValue(p.date, p.secondsOfDay() + n * 60);
    case Interval::Second: return dateValue(p.date, p.secondsOfDay() + n);
    }
    fail();
}

// Counts the boundaries of the interval crossed between the two dates.
Value dateDiff(CallContext&, const Args& a) {
    const Interval interval = intervalOf(a[0]);
    const int first = firstDayArg(a, 3);
    if (a[1].isNull() || a[2].isNull()) return Value::null();
    const DateParts p = partsOf(a[1]), q = partsOf(a[2]);
    const qint64 days = p.date.daysTo(q.date);
    qint64 result = 0;
    switch (interval) {
    case Interval::Year: result = q.date.year() - p.date.year(); break;
    case Interval::Quarter: result = (q.date.year() * 4 + (q.date.month() - 1) / 3) - (p.date.year() * 4 + (p.date.month() - 1) / 3); break;
    case Interval::Month: result = (q.date.year() * 12 + q.date.month()) - (p.date.year() * 12 + p.date.month()); break;
    case Interval::DayOfYear:
    case Interval::Day: result = days; break;
    case Interval::Weekday: result = days / 7; break;
    case Interval::Week: {
        const QDate startP = p.date.addDays(1 - weekdayFrom(p.date, first));
        const QDate startQ = q.date.addDays(1 - weekdayFrom(q.date, first));
        result = startP.daysTo(startQ) / 7;
        break;
    }
    case Interval::Hour: result = days * 24 + q.hour - p.hour; break;
    case Interval::Minute: result = (days * 24 + q.hour - p.hour) * 60 + q.minute - p.minute; break;
    case Interval::Second: result = days * 86400 + q.secondsOfDay() - p.secondsOfDay(); break;
    }
    return static_cast<int>(result);
}

Value datePart(CallContext&, const Args& a) {
    const Interval interval = intervalOf(a[0]);
    const int first = firstDayArg(a, 2);
    if (a[1].isNull()) return Value::null();
    const DateParts p = partsOf(a[1]);
    switch (interval) {
    case Interval::Year: return static_cast<std::int16_t>(p.date.year());
    case Interval::Quarter: return static_cast<std::int16_t>((p.date.month() - 1) / 3 + 1);
    case Interval::Month: return static_cast<std::int16_t>(p.date.month());
    case Interval::DayOfYear: return static_cast<std::int16_t>(p.date.dayOfYear());
    case Interval::Day: return static_cast<std::int16_t>(p.date.day());
    case Interval::Weekday: return static_cast<std::int16_t>(weekdayFrom(p.date, first));
    case Interval::Week: {
        // Week 1 holds 1 January.
        const QDate jan1(p.date.year(), 1, 1);
        return static_cast<std::int16_t>((p.date.dayOfYear() - 1 + weekdayFrom(jan1, first) - 1) / 7 + 1);
    }
    case Interval::Hour: return static_cast<std::int16_t>(p.hour);
    case Interval::Minute: return static_cast<std::int16_t>(p.minute);
    case Interval::Second: return static_cast<std::int16_t>(p.second);
    }
    fail();
}

constexpr BuiltinFunction kFunctions[] = {
    {u"Now", 0, 0, now},
    {u"Date", 0, 0, today},
    {u"Time", 0, 0, timeOfDay},
    {u"Year", 1, 1, field<yearOf>},
    {u"Month", 1, 1, field<monthOf>},
    {u"Day", 1, 1, field<dayOf>},
    {u"Hour", 1, 1, field<hourOf>},
    {u"Minute", 1, 1, field<minuteOf>},
    {u"Second", 1, 1, field<secondOf>},
    {u"Weekday", 1, 2, weekday},
    {u"WeekdayName", 1, 3, weekdayNameOf},
    {u"MonthName", 1, 2, monthNameOf},
    {u"DateAdd", 3, 3, dateAdd},
    {u"DateDiff", 3, 5, dateDiff},
    {u"DatePart", 2, 4, datePart},
    {u"DateSerial", 3, 3, dateSerial},
    {u"DateValue", 1, 1, dateOnly},
    {u"TimeSerial", 3, 3, timeSerial},
    {u"TimeValue", 1, 1, timeOnly},
};

}  // namespace

std::span<const BuiltinFunction> dateFunctions() {
    return kFunctions;
}

}  // namespace ky::expr
