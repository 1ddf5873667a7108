#include "report/engine/format/date_parts.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace ky {

namespace {

const QDate kDayZero(1899, 12, 30);
constexpr qint64 kSecondsPerDay = 86400;

bool inRange(QDate date) {
    return date.isValid() && date.year() >= 100 && date.year() <= 9999;
}

// "8:07 PM" and "8:07:09 上午": the twelve-hour forms.
std::optional<QTime> readTwelveHourTime(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*(AM|PM|A|P|上午|下午)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto m = form.match(text.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    int hour = m.captured(1).toInt();
    const QString marker = m.captured(4).toUpper();
    const bool pm = marker.startsWith(u'P') || marker == QStringLiteral("下午");
    if (hour < 1 || hour > 12) return std::nullopt;
    hour = hour % 12 + (pm ? 12 : 0);
    const QTime time(hour, m.captured(2).toInt(), m.captured(3).isEmpty() ? 0 : m.captured(3).toInt());
    if (!time.isValid()) return std::nullopt;
    return time;
}

std::optional<QTime> readTime(const QString& text) {
    if (text.isEmpty()) return QTime(0, 0);
    if (const auto t = readTwelveHourTime(text)) return t;
    if (const auto d = OleDate::parse(text)) {
        if (const auto parts = datePartsOf(*d); parts && parts->date == kDayZero)
            return QTime(parts->hour, parts->minute, parts->second);
    }
    return std::nullopt;
}

// "2024年3月5日 8:07" and the month-first "3/5/2024 8:07 PM".
std::optional<OleDate> readOtherForms(const QString& text) {
    static const QRegularExpression chinese(QStringLiteral("^(\\d{1,4})年(\\d{1,2})月(\\d{1,2})日\\s*(.*)$"));
    static const QRegularExpression monthFirst(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*(.*)$"));
    QDate date;
    QString rest;
    if (const auto m = chinese.match(text); m.hasMatch()) {
        date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        rest = m.captured(4);
    } else if (const auto n = monthFirst.match(text); n.hasMatch()) {
        date = QDate(n.captured(3).toInt(), n.captured(1).toInt(), n.captured(2).toInt());
        rest = n.captured(4);
    } else if (const auto t = readTwelveHourTime(text)) {
        return oleDateOf(kDayZero, t->msecsSinceStartOfDay() / 1000);
    } else {
        return std::nullopt;
    }
    const auto time = readTime(rest.trimmed());
    if (!time) return std::nullopt;
    return oleDateOf(date, time->msecsSinceStartOfDay() / 1000);
}

}  // namespace

std::optional<DateParts> datePartsOf(OleDate value) {
    if (!std::isfinite(value.days) || std::fabs(value.days) > 3.0e6) return std::nullopt;
    const double whole = std::trunc(value.days);
    qint64 seconds = std::llround(std::fabs(value.days - whole) * kSecondsPerDay);
    QDate date = kDayZero.addDays(static_cast<qint64>(whole));
    if (seconds >= kSecondsPerDay) {
        date = date.addDays(1);
        seconds -= kSecondsPerDay;
    }
    if (!inRange(date)) return std::nullopt;
    return DateParts{date, static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};
}

std::optional<OleDate> oleDateOf(QDate date, qint64 secondsOfDay) {
    if (!inRange(date)) return std::nullopt;
    date = date.addDays(secondsOfDay / kSecondsPerDay);
    secondsOfDay %= kSecondsPerDay;
    if (secondsOfDay < 0) {
        secondsOfDay += kSecondsPerDay;
        date = date.addDays(-1);
    }
    if (!inRange(date)) return std::nullopt;
    const qint64 days = kDayZero.daysTo(date);
    const double fraction = static_cast<double>(secondsOfDay) / kSecondsPerDay;
    // Before day zero the fraction still counts forward in time.
    return OleDate{days >= 0 ? days + fraction : days - fraction};
}

std::optional<OleDate> readDate(QStringView text) {
    const QString trimmed = text.trimmed().toString();
    // Every date form holds a digit; names and units are rejected at once.
    if (std::none_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isDigit(); })) return std::nullopt;
    std::optional<OleDate> date = OleDate::parse(trimmed);
    if (!date) date = readOtherForms(trimmed);
    if (!date || !datePartsOf(*date)) return std::nullopt;
    return date;
}

}  // namespace ky
