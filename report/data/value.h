#pragma once
// A variant value as record-set fields and expressions hold it: empty, null,
// boolean, the numeric kinds, a date, text or bytes, with the conversions the
// reporting side needs.

#include "report/data/decimal.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <compare>
#include <cstdint>
#include <optional>
#include <variant>

namespace ky {

// Money with four decimal places, kept as a scaled integer.
struct Currency {
    std::int64_t scaled = 0;  // value × 10000
    static std::optional<Currency> fromDouble(double value);
    double toDouble() const { return static_cast<double>(scaled) / 10000.0; }
    QString toString() const;
    friend auto operator<=>(const Currency&, const Currency&) = default;
};

// A date and time as days since 1899-12-30, the fraction being the time of day.
struct OleDate {
    double days = 0;
    static OleDate fromDateTime(const QDateTime& dateTime);
    // "2024-03-05", "2024/3/5 8:07:09", "2024-03-05T08:07:09", "8:07"; nothing when unreadable.
    static std::optional<OleDate> parse(QStringView text);
    QDateTime toDateTime() const;
    // "2024/3/5 8:07:09"; the date alone at midnight, the time alone on day 0.
    QString toString() const;
    friend auto operator<=>(const OleDate&, const OleDate&) = default;
};

class Value {
public:
    enum class Kind : std::uint8_t { Empty, Null, Bool, Int16, Int32, Int64, Single, Double, Currency, Decimal, Date, Text, Bytes };

    Value() = default;
    static Value null() { return Value(NullTag{}); }

    Value(bool v) : v_(v) {}
    Value(std::int16_t v) : v_(v) {}
    Value(int v) : v_(static_cast<std::int32_t>(v)) {}
    Value(long v) : v_(static_cast<std::int64_t>(v)) {}
    Value(long long v) : v_(static_cast<std::int64_t>(v)) {}
    Value(float v) : v_(v) {}
    Value(double v) : v_(v) {}
    Value(Currency v) : v_(v) {}
    Value(Decimal v) : v_(v) {}
    Value(OleDate v) : v_(v) {}
    Value(QString v) : v_(std::move(v)) {}
    Value(QByteArray v) : v_(std::move(v)) {}
    Value(const char*) = delete;  // say QStringLiteral or QByteArray

    Kind kind() const { return static_cast<Kind>(v_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isNull() const { return kind() == Kind::Null; }
    bool isNullOrEmpty() const { return isNull() || isEmpty(); }
    bool isNumeric() const { return kind() >= Kind::Int16 && kind() <= Kind::Decimal; }

    template <class T>
    const T* get() const { return std::get_if<T>(&v_); }

    // Conversions in the scripting language's manner: true is -1, empty is
    // 0 or "", null converts to nothing (or "" as text).
    std::optional<double> toDouble() const;
    std::optional<bool> toBool() const;
    std::optional<OleDate> toDate() const;
    QString toText() const;

    friend bool operator==(const Value&, const Value&) = default;

private:
    struct NullTag {
        friend bool operator==(NullTag, NullTag) = default;
    };
    explicit Value(NullTag tag) : v_(tag) {}

    std::variant<std::monostate, NullTag, bool, std::int16_t, std::int32_t, std::int64_t, float, double, Currency, Decimal,
                 OleDate, QString, QByteArray>
        v_;
};

// Reads a number the strict way: optional blanks, sign, digits, point and
// exponent, nothing else.
std::optional<double> parseNumber(QStringView text);

// "Empty", "Null", "Boolean", ... for messages.
QString kindName(Value::Kind kind);

}  // namespace ky
