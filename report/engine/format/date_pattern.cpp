#include "report/engine/format/date_pattern.h"

#include "report/engine/format/calendar_names.h"

namespace ky {

namespace {

enum class Field : std::uint8_t { Literal, Day, Weekday, Month, Minute, Quarter, DayOfYear, Year, Hour, Second, WeekOfYear, Period, General, ShortDate, LongDate, LongTime };

struct Token {
    Field field;
    int width = 1;     // 1 or 2 digits, or 3/4 for names
    QString text;      // literal text, or the AM/PM form as written
};

bool matchesAt(const PatternChars& chars, qsizetype at, QStringView word) {
    if (at + word.size() > chars.size()) return false;
    for (qsizetype i = 0; i < word.size(); ++i)
        if (chars[at + i].literal || chars[at + i].c.toLower() != word[i].toLower()) return false;
    return true;
}

QString textAt(const PatternChars& chars, qsizetype at, qsizetype length) {
    QString out;
    for (qsizetype i = 0; i < length; ++i) out += chars[at + i].c;
    return out;
}

QList<Token> tokensOf(const PatternChars& chars) {
    QList<Token> tokens;
    bool afterHour = false;
    qsizetype i = 0;
    while (i < chars.size()) {
        const PatternChar p = chars[i];
        const QChar lower = p.c.toLower();
        qsizetype run = 1;
        while (!p.literal && i + run < chars.size() && !chars[i + run].literal && chars[i + run].c.toLower() == lower) ++run;
        auto add = [&](Field f, int width, qsizetype used) {
            tokens.append({f, width, {}});
            if (f != Field::Literal) afterHour = f == Field::Hour;
            i += used;
        };
        if (p.literal) {
            tokens.append({Field::Literal, 1, QString(p.c)});
            ++i;
        } else if (lower == u'c') {
            add(Field::General, 1, 1);
        } else if (lower == u'd') {
            const int n = static_cast<int>(std::min<qsizetype>(run, 6));
            add(n == 5 ? Field::ShortDate : n == 6 ? Field::LongDate : n >= 3 ? Field::Weekday : Field::Day, n, n);
        } else if (lower == u'w') {
            add(run >= 2 ? Field::WeekOfYear : Field::Weekday, 0, std::min<qsizetype>(run, 2));
        } else if (lower == u'm') {
            const int n = static_cast<int>(std::min<qsizetype>(run, 4));
            add(n <= 2 && afterHour ? Field::Minute : Field::Month, n, n);
        } else if (lower == u'q') {
            add(Field::Quarter, 1, 1);
        } else if (lower == u'y') {
            if (run >= 4) {
                add(Field::Year, 4, 4);
            } else if (run >= 2) {
                add(Field::Year, 2, 2);
            } else {
                add(Field::DayOfYear, 1, 1);
            }
        } else if (lower == u'h') {
            add(Field::Hour, static_cast<int>(std::min<qsizetype>(run, 2)), std::min<qsizetype>(run, 2));
        } else if (lower == u'n') {
            add(Field::Minute, static_cast<int>(std::min<qsizetype>(run, 2)), std::min<qsizetype>(run, 2));
        } else if (lower == u's') {
            add(Field::Second, static_cast<int>(std::min<qsizetype>(run, 2)), std::min<qsizetype>(run, 2));
        } else if (lower == u't' && run >= 5) {
            add(Field::LongTime, 1, 5);
        } else if (matchesAt(chars, i, u"am/pm")) {
            tokens.append({Field::Period, 2, textAt(chars, i, 5)});
            i += 5;
        } else if (matchesAt(chars, i, u"a/p")) {
            tokens.append({Field::Period, 1, textAt(chars, i, 3)});
            i += 3;
        } else if (matchesAt(chars, i, u"ampm")) {
            tokens.append({Field::Period, 0, {}});
            i += 4;
        } else {
            tokens.append({Field::Literal, 1, QString(p.c)});
            ++i;
        }
    }
    return tokens;
}

QString digits(int value, int width) {
    return width >= 2 ? QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0')) : QString::number(value);
}

// "AM/PM" writes "AM" or "PM" in the case written; "AMPM" the locale's words.
QString periodText(const Token& t, bool afternoon) {
    if (t.width == 0) return dayPeriodName(afternoon);
    const qsizetype slash = t.text.indexOf(u'/');
    return afternoon ? t.text.mid(slash + 1) : t.text.left(slash);
}

int weekOfYear(QDate date) {
    // Weeks start on Sunday; the week holding 1 January is week 1.
    const QDate first(date.year(), 1, 1);
    const int offset = first.dayOfWeek() % 7;  // Sunday 0
    return (date.dayOfYear() - 1 + offset) / 7 + 1;
}

QString formatWith(const DateParts& d, QStringView pattern) {
    return formatDateSection(d, readPatternChars(pattern));
}

}  // namespace

QString generalDateText(const DateParts& d) {
    const bool hasDate = d.date != QDate(1899, 12, 30);
    const bool hasTime = d.secondsOfDay() != 0;
    if (hasDate && hasTime) return formatWith(d, datepattern::shortDate) + u' ' + formatWith(d, datepattern::longTime);
    if (hasTime) return formatWith(d, datepattern::longTime);
    return formatWith(d, datepattern::shortDate);
}

QString formatDateSection(const DateParts& d, const PatternChars& section) {
    const QList<Token> tokens = tokensOf(section);
    const bool twelveHour = std::any_of(tokens.begin(), tokens.end(), [](const Token& t) { return t.field == Field::Period; });
    const bool afternoon = d.hour >= 12;
    QString out;
    for (const Token& t : tokens) {
        switch (t.field) {
        case Field::Literal: out += t.text; break;
        case Field::Day: out += digits(d.date.day(), t.width); break;
        case Field::Weekday:
            out += t.width == 0 ? QString::number(d.date.dayOfWeek() % 7 + 1) : weekdayName(d.date.dayOfWeek() % 7 + 1, t.width == 3);
            break;
        case Field::Month: out += t.width <= 2 ? digits(d.date.month(), t.width) : monthName(d.date.month(), t.width == 3); break;
        case Field::Minute: out += digits(d.minute, t.width); break;
        case Field::Quarter: out += QString::number((d.date.month() - 1) / 3 + 1); break;
        case Field::DayOfYear: out += QString::number(d.date.dayOfYear()); break;
        case Field::Year: out += t.width == 4 ? digits(d.date.year(), 4) : digits(d.date.year() % 100, 2); break;
        case Field::Hour: out += digits(twelveHour ? (d.hour + 11) % 12 + 1 : d.hour, t.width); break;
        case Field::Second: out += digits(d.second, t.width); break;
        case Field::WeekOfYear: out += QString::number(weekOfYear(d.date)); break;
        case Field::Period: out += periodText(t, afternoon); break;
        case Field::General: out += generalDateText(d); break;
        case Field::ShortDate: out += formatWith(d, datepattern::shortDate); break;
        case Field::LongDate: out += formatWith(d, datepattern::longDate); break;
        case Field::LongTime: out += formatWith(d, datepattern::longTime); break;
        }
    }
    return out;
}

}  // namespace ky
