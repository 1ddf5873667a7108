#include "report/engine/expression/variant_conversion.h"

#include "report/engine/expression/expression_error.h"
#include "report/engine/format/date_parts.h"
#include "report/engine/format/numeric_text.h"

#include <cmath>
#include <limits>

namespace ky::expr {

double toNumber(const Value& value) {
    if (value.isNull() || value.kind() == Value::Kind::Bytes) fail();
    if (const auto* text = value.get<QString>()) {
        const auto number = readNumericText(*text);
        if (!number) fail();
        return *number;
    }
    const auto number = value.toDouble();
    if (!number) fail();
    return *number;
}

bool toBoolean(const Value& value) {
    if (const auto* text = value.get<QString>()) {
        const QString t = text->trimmed();
        if (t.compare(u"true", Qt::CaseInsensitive) == 0) return true;
        if (t.compare(u"false", Qt::CaseInsensitive) == 0) return false;
    }
    if (const auto* b = value.get<bool>()) return *b;
    return toNumber(value) != 0;
}

OleDate toDate(const Value& value) {
    if (const auto* d = value.get<OleDate>()) return *d;
    std::optional<OleDate> date;
    if (const auto* text = value.get<QString>()) {
        date = readDate(*text);
        if (!date) {
            if (const auto number = readNumericText(*text)) date = OleDate{*number};
        }
    } else {
        date = OleDate{toNumber(value)};
    }
    if (!date || !datePartsOf(*date)) fail();
    return *date;
}

QString toText(const Value& value) {
    if (value.isNull()) fail();
    return value.toText();
}

double roundBankers(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled)) return value;
    const double floor = std::floor(scaled);
    const double rest = scaled - floor;
    double rounded = floor;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(floor, 2.0) != 0)) rounded = floor + 1;
    return rounded / scale;
}

std::int16_t toInteger(const Value& value) {
    const double rounded = roundBankers(toNumber(value));
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() && rounded <= std::numeric_limits<std::int16_t>::max())) fail();
    return static_cast<std::int16_t>(rounded);
}

std::int32_t toLong(const Value& value) {
    const double rounded = roundBankers(toNumber(value));
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max())) fail();
    return static_cast<std::int32_t>(rounded);
}

Value checkedDouble(double value) {
    if (!std::isfinite(value)) fail();
    return value;
}

Value checkedText(QString text) {
    if (text.size() > kMaxTextLength) fail();
    return text;
}

bool isNumberLike(const Value& value) {
    return value.isNumeric() || value.isEmpty() || value.get<bool>() || value.get<OleDate>();
}

}  // namespace ky::expr
