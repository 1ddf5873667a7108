#include "report/data/value.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace ky {

namespace {

const QDate kDayZero(1899, 12, 30);
constexpr qint64 kMsPerDay = 86400000;

QString formatDouble(double value, int precision) {
    if (value == 0) return QStringLiteral("0");
    QString text = QString::number(value, 'g', precision);
    // 1e+20 -> 1E+20, 1e-05 -> 1E-05
    const qsizetype e = text.indexOf(u'e');
    if (e >= 0) text[e] = u'E';
    return text;
}

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace

std::optional<Currency> Currency::fromDouble(double value) {
    const double scaled = std::round(value * 10000.0);
    // The 64-bit range exactly: 2^63 is a double, NaN fails both tests.
    if (!(scaled >= -9223372036854775808.0 && scaled < 9223372036854775808.0)) return std::nullopt;
    return Currency{static_cast<std::int64_t>(scaled)};
}

QString Currency::toString() const {
    // scaled / 10^4 through the decimal type keeps every digit.
    const auto value = Decimal::parse(QString::number(scaled) + QStringLiteral("e-4"));
    return value ? value->toString() : QString();
}

OleDate OleDate::fromDateTime(const QDateTime& dateTime) {
    const qint64 wholeDays = kDayZero.daysTo(dateTime.date());
    const double fraction = static_cast<double>(dateTime.time().msecsSinceStartOfDay()) / kMsPerDay;
    // Before day zero the fraction still counts forward in time.
    return OleDate{wholeDays >= 0 ? wholeDays + fraction : wholeDays - fraction};
}

QDateTime OleDate::toDateTime() const {
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6) return {};
    const double whole = std::trunc(days);
    const qint64 ms = std::llround(std::fabs(days - whole) * kMsPerDay);
    QDate date = kDayZero.addDays(static_cast<qint64>(whole));
    qint64 msOfDay = ms;
    if (msOfDay >= kMsPerDay) {
        date = date.addDays(days >= 0 ? 1 : -1);
        msOfDay -= kMsPerDay;
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(msOfDay)), Qt::UTC);
}

std::optional<OleDate> OleDate::parse(QStringView text) {
    const QString trimmed = text.trimmed().toString();
    // Every form starts with a digit: most texts are rejected before any parsing.
    if (trimmed.isEmpty() || !trimmed.front().isDigit()) return std::nullopt;
    static const char* const dateForms[] = {"yyyy-M-d", "yyyy/M/d", "yyyy.M.d"};
    static const char* const timeForms[] = {"H:m:s", "H:m", "H:m:s.z"};
    const auto splitAt = std::find_if(trimmed.begin(), trimmed.end(), [](QChar c) { return c == u' ' || c == u'T'; });
    const qsizetype split = splitAt == trimmed.end() ? -1 : splitAt - trimmed.begin();
    const QString datePart = split < 0 ? trimmed : trimmed.left(split);
    const QString timePart = split < 0 ? QString() : trimmed.mid(split + 1).trimmed();

    auto parseTime = [&](const QString& part) -> std::optional<QTime> {
        for (const char* form : timeForms) {
            const QTime time = QTime::fromString(part, QString::fromLatin1(form));
            if (time.isValid()) return time;
        }
        return std::nullopt;
    };
    for (const char* form : dateForms) {
        const QDate date = QDate::fromString(datePart, QString::fromLatin1(form));
        if (!date.isValid()) continue;
        QTime time(0, 0);
        if (!timePart.isEmpty()) {
            const auto parsed = parseTime(timePart);
            if (!parsed) return std::nullopt;
            time = *parsed;
        }
        return fromDateTime(QDateTime(date, time, Qt::UTC));
    }
    if (split < 0) {
        if (const auto time = parseTime(trimmed)) return fromDateTime(QDateTime(kDayZero, *time, Qt::UTC));
    }
    return std::nullopt;
}

QString OleDate::toString() const {
    const QDateTime dt = toDateTime();
    if (!dt.isValid()) return QString::number(days);
    const QString time = dt.time().toString(QStringLiteral("H:mm:ss"));
    if (dt.date() == kDayZero) return time;
    const QString date = dt.date().toString(QStringLiteral("yyyy/M/d"));
    if (dt.time().msecsSinceStartOfDay() == 0) return date;
    return date + u' ' + time;
}

std::optional<double> parseNumber(QStringView text) {
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    for (QChar c : trimmed) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || u == u'.' || u == u'+' || u == u'-' || u == u'e' || u == u'E'))
            return std::nullopt;
    }
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> Value::toDouble() const {
    return std::visit(Overloaded{
                          [](std::monostate) -> std::optional<double> { return 0.0; },
                          [](NullTag) -> std::optional<double> { return std::nullopt; },
                          [](bool b) -> std::optional<double> { return b ? -1.0 : 0.0; },
                          [](std::int16_t i) -> std::optional<double> { return i; },
                          [](std::int32_t i) -> std::optional<double> { return i; },
                          [](std::int64_t i) -> std::optional<double> { return static_cast<double>(i); },
                          [](float f) -> std::optional<double> { return f; },
                          [](double d) -> std::optional<double> { return d; },
                          [](Currency c) -> std::optional<double> { return c.toDouble(); },
                          [](const Decimal& d) -> std::optional<double> { return d.toDouble(); },
                          [](OleDate d) -> std::optional<double> { return d.days; },
                          [](const QString& s) { return parseNumber(s); },
                          [](const QByteArray&) -> std::optional<double> { return std::nullopt; },
                      },
                      v_);
}

std::optional<bool> Value::toBool() const {
    if (const auto* b = get<bool>()) return *b;
    if (isEmpty()) return false;
    if (const auto* s = get<QString>()) {
        const QString t = s->trimmed();
        if (t.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0) return true;
        if (t.compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0) return false;
    }
    if (isNull() || kind() == Kind::Bytes) return std::nullopt;
    const auto d = toDouble();
    if (!d) return std::nullopt;
    return *d != 0;
}

std::optional<OleDate> Value::toDate() const {
    if (const auto* d = get<OleDate>()) return *d;
    if (const auto* s = get<QString>()) return OleDate::parse(*s);
    if (isNull() || kind() == Kind::Bytes) return std::nullopt;
    const auto number = toDouble();
    if (!number) return std::nullopt;
    return OleDate{*number};
}

QString Value::toText() const {
    return std::visit(Overloaded{
                          [](std::monostate) { return QString(); },
                          [](NullTag) { return QString(); },
                          [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); },
                          [](std::int16_t i) { return QString::number(i); },
                          [](std::int32_t i) { return QString::number(i); },
                          [](std::int64_t i) { return QString::number(i); },
                          [](float f) { return formatDouble(f, 7); },
                          [](double d) { return formatDouble(d, 15); },
                          [](Currency c) { return c.toString(); },
                          [](const Decimal& d) { return d.toString(); },
                          [](OleDate d) { return d.toString(); },
                          [](const QString& s) { return s; },
                          [](const QByteArray& b) {
                              // Byte arrays read as UTF-16 text, as the scripting language does.
                              QString text(b.size() / 2, Qt::Uninitialized);
                              std::memcpy(text.data(), b.constData(), static_cast<size_t>(text.size()) * 2);
                              return text;
                          },
                      },
                      v_);
}

QString kindName(Value::Kind kind) {
    static const char* const names[] = {"Empty",    "Null",    "Boolean", "Integer", "Long", "LongLong", "Single",
                                        "Double",   "Currency", "Decimal", "Date",    "String", "Bytes"};
    return QString::fromLatin1(names[static_cast<int>(kind)]);
}

}  // namespace ky
