#include "report/engine/format/styled_number.h"

#include "report/engine/format/decimal_digits.h"

namespace ky {

QString formatStyledNumber(double value, const NumberStyle& style) {
    const DecimalDigits d = fixedDigits(value, style.decimals);
    QString whole = d.whole;
    if (whole.isEmpty() && style.leadingDigit) whole = QStringLiteral("0");
    if (style.groupDigits) whole = groupThousands(whole);
    QString body = style.prefix + whole;
    if (!d.fraction.isEmpty()) body += u'.' + d.fraction;
    body += style.suffix;
    if (!d.negative || d.isZero()) return body;
    return style.parensForNegative ? u'(' + body + u')' : u'-' + body;
}

}  // namespace ky
