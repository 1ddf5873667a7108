#pragma once
// A decimal number of up to 28 significant digits (a 96-bit mantissa and a
// power-of-ten scale), as the server's JSON numbers and decimal fields carry.

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

namespace ky {

class Decimal {
public:
    static constexpr int maxScale = 28;

    Decimal() = default;
    static Decimal fromInt(std::int64_t value);
    // Plain or exponent notation with "." ("-12.50", "1e3"); digits past the
    // 28th significant one are rounded half to even. Empty, malformed or
    // out-of-range text gives nothing.
    static std::optional<Decimal> parse(QStringView text);
    // Nothing when the value is out of the decimal range or not finite.
    static std::optional<Decimal> fromDouble(double value);

    double toDouble() const;
    // Plain notation, trailing zeros of the scale kept off ("12.5").
    QString toString() const;
    bool isZero() const { return lo_ == 0 && hi_ == 0; }
    bool isNegative() const { return negative_ && !isZero(); }

    friend bool operator==(const Decimal& a, const Decimal& b) { return compare(a, b) == 0; }
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) { return compare(a, b) <=> 0; }

private:
    __extension__ typedef unsigned __int128 Wide;
    static int compare(const Decimal& a, const Decimal& b);
    Wide mantissa() const { return (Wide{hi_} << 64) | lo_; }
    static std::optional<Decimal> make(Wide mantissa, int scale, bool negative);

    std::uint64_t lo_ = 0;
    std::uint32_t hi_ = 0;
    std::uint8_t scale_ = 0;
    bool negative_ = false;
};

}  // namespace ky
