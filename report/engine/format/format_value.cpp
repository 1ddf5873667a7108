#include "report/engine/format/format_value.h"

#include "report/data/round_half_even.h"
#include "report/engine/format/chinese_amount.h"
#include "report/engine/format/code_page_936.h"
#include "report/engine/format/date_parts.h"
#include "report/engine/format/number_pattern.h"
#include "report/engine/format/numeric_text.h"
#include "report/engine/format/pattern_format.h"

#include <algorithm>
#include <optional>

namespace ky {

namespace {

constexpr qsizetype kQrCodeMinimumLength = 6;
constexpr int kMaxDecimals = 28;

// The number with `decimals` places, as the patterns "0", "0.0", "0.00", ... write it.
QString withDecimals(double number, int decimals) {
    const QString pattern = decimals > 0 ? QStringLiteral("0.") + QString(decimals, u'0') : QStringLiteral("0");
    return formatNumberSection(RoundHalfEven(number, decimals), readPatternChars(pattern), true);
}

int decimalsOf(double interval) {
    const QString text = Value(interval).toText();
    const qsizetype point = text.indexOf(u'.');
    return point < 0 ? 0 : static_cast<int>(text.size() - point - 1);
}

// Nothing when the value is to show nothing at all (a zero under ZeroIsNull).
std::optional<QString> displayText(const Value& value, const FormatOptions& o) {
    QString s = value.isNullOrEmpty() ? QString() : value.toText();
    if (s.isEmpty() && o.numeric) s = QStringLiteral("0");

    const auto number = o.numeric ? readNumericText(s) : std::nullopt;
    if (!number) {
        // Reading a text as a date is costly: only the date formats ask.
        const bool dateFormat = o.Format == formatkind::LongDate || o.Format == formatkind::ShortDate;
        if (dateFormat && (value.get<OleDate>() || readDate(s)))
            return formatWithPattern(Value(s), o.Format == formatkind::LongDate ? u"yyyy\\年mm\\月dd\\日" : u"yyyy\\-mm\\-dd");
        if (o.Format == formatkind::Custom) return formatWithPattern(Value(s), o.CusFormat);
        return s;
    }

    // More places than a value has digits only pad zeros; the bound keeps a
    // stray template number from asking for billions of them.
    int decimals = std::min(o.XSWS, kMaxDecimals);
    if (*number == 0) {
        if (o.ZeroIsNull) return std::nullopt;
        const QString zeroText = o.RPZero.trimmed();
        if (!zeroText.isEmpty()) {
            const auto shown = readNumericText(o.RPZero);
            return shown && decimals >= 0 ? withDecimals(*shown, decimals) : o.RPZero;
        }
    }
    double rounded = *number;
    if (o.XYJG > 0) {
        rounded = RoundHalfEven(*number / o.XYJG, 0) * o.XYJG;
        s = Value(rounded).toText();
        if (decimals < 0) decimals = decimalsOf(o.XYJG);
    }
    if (decimals < 0) {
        if (s.startsWith(u'.')) s.prepend(u'0');
    } else {
        s = withDecimals(rounded, decimals);
    }

    if (o.Format == formatkind::ChineseAmount) return ChineseAmount(RoundHalfEven(readNumericText(s).value_or(0), 2));
    if (o.Format == formatkind::Custom) {
        if (decimals >= 0) s = Value(RoundHalfEven(readNumericText(s).value_or(0), decimals)).toText();
        return formatWithPattern(Value(s), o.CusFormat);
    }
    return s;
}

}  // namespace

FormattedValue FormatValue(const Value& value, const FormatOptions& options) {
    const auto shown = displayText(value, options);
    if (!shown) return {};  // a zero shown as nothing gets no suffix either
    QString text = *shown + options.suffix;
    text.replace(QStringLiteral("[/n]"), QStringLiteral("\r"));
    if (options.Format == formatkind::QrCode && text.size() >= kQrCodeMinimumLength) return {text, true};
    return {withUserAreaSuperscripts(text), false};
}

}  // namespace ky
