#pragma once
// `FormatValue`: the display text of a text box's bound value, after its
// rounding interval (XYJG), decimal places (XSWS), zero rules (ZeroIsNull,
// RPZero), format kind (Format, CusFormat) and suffix.

#include "report/data/value.h"

#include <QString>

namespace ky {

// Format kinds as the property editor lists them.
namespace formatkind {
inline constexpr int General = 0;
inline constexpr int PlainNumber = 1;
inline constexpr int LongDate = 2;   // 2004年09月03日
inline constexpr int ShortDate = 3;  // 2004-09-03
inline constexpr int ChineseAmount = 4;
inline constexpr int Custom = 5;     // the pattern in CusFormat
inline constexpr int QrCode = 6;
}  // namespace formatkind

struct FormatOptions {
    int XSWS = -1;         // decimal places; negative keeps the value's own
    bool ZeroIsNull = false;
    QString RPZero;        // shown in place of a zero when not blank
    int Format = formatkind::General;
    QString CusFormat;
    double XYJG = 0;       // rounding interval; 0 or less rounds nothing
    QString suffix;
    // False: the value is text (a text field), shown as it stands even when
    // it reads as a number ("00123" keeps its zeros) and empty when empty.
    bool numeric = true;
};

struct FormattedValue {
    QString text;
    // Format 6 with at least 6 characters: draw `text` as a QR code, not as text.
    bool isQrCode = false;
};

FormattedValue FormatValue(const Value& value, const FormatOptions& options);

}  // namespace ky
