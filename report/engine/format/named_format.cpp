#include "report/engine/format/named_format.h"

#include "report/engine/format/calendar_names.h"
#include "report/engine/format/date_parts.h"
#include "report/engine/format/date_pattern.h"
#include "report/engine/format/number_pattern.h"
#include "report/engine/format/numeric_text.h"
#include "report/engine/format/styled_number.h"

namespace ky {

namespace {

enum class Named : std::uint8_t { GeneralNumber, Currency, Fixed, Standard, Percent, Scientific, YesNo, TrueFalse, OnOff, GeneralDate, LongDate, MediumDate, ShortDate, LongTime, MediumTime, ShortTime };

struct NamedEntry {
    const char16_t* name;
    Named kind;
};

constexpr NamedEntry kNames[] = {
    {u"General Number", Named::GeneralNumber}, {u"Currency", Named::Currency},   {u"Fixed", Named::Fixed},
    {u"Standard", Named::Standard},            {u"Percent", Named::Percent},     {u"Scientific", Named::Scientific},
    {u"Yes/No", Named::YesNo},                 {u"True/False", Named::TrueFalse}, {u"On/Off", Named::OnOff},
    {u"General Date", Named::GeneralDate},     {u"Long Date", Named::LongDate},   {u"Medium Date", Named::MediumDate},
    {u"Short Date", Named::ShortDate},         {u"Long Time", Named::LongTime},   {u"Medium Time", Named::MediumTime},
    {u"Short Time", Named::ShortTime},
};

std::optional<Named> namedKind(QStringView name) {
    for (const NamedEntry& e : kNames)
        if (name.compare(QStringView(e.name), Qt::CaseInsensitive) == 0) return e.kind;
    return std::nullopt;
}

NumberStyle styleOf(Named kind) {
    NumberStyle style;
    style.groupDigits = kind == Named::Currency || kind == Named::Standard;
    if (kind == Named::Currency) style.prefix = QStringLiteral("¥");
    if (kind == Named::Percent) style.suffix = QStringLiteral("%");
    return style;
}

QString numberText(double number, Named kind) {
    switch (kind) {
    case Named::GeneralNumber: return Value(number).toText();
    case Named::Currency:
    case Named::Fixed:
    case Named::Standard: return formatStyledNumber(number, styleOf(kind));
    case Named::Percent: return formatStyledNumber(number * 100, styleOf(kind));
    case Named::Scientific: return formatNumberSection(number, readPatternChars(u"0.00E+00"), true);
    case Named::YesNo: return number != 0 ? QStringLiteral("Yes") : QStringLiteral("No");
    case Named::TrueFalse: return number != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case Named::OnOff: return number != 0 ? QStringLiteral("On") : QStringLiteral("Off");
    default: return {};
    }
}

QString datePatternOf(Named kind) {
    switch (kind) {
    case Named::LongDate: return QString::fromUtf16(datepattern::longDate);
    case Named::MediumDate: return QStringLiteral("yy-mmm-dd");
    case Named::ShortDate: return QString::fromUtf16(datepattern::shortDate);
    case Named::LongTime: return QString::fromUtf16(datepattern::longTime);
    case Named::MediumTime: return QStringLiteral("hh:nn AMPM");
    case Named::ShortTime: return QString::fromUtf16(datepattern::shortTime);
    default: return QStringLiteral("c");
    }
}

}  // namespace

std::optional<QString> formatNamed(const Value& value, QStringView name) {
    const auto kind = namedKind(name.trimmed());
    if (!kind) return std::nullopt;
    if (*kind < Named::GeneralDate) {
        const auto number = value.get<OleDate>() ? std::optional<double>(value.get<OleDate>()->days) : numberOf(value);
        if (!number) return value.toText();
        return numberText(*number, *kind);
    }
    std::optional<OleDate> date;
    if (const auto* d = value.get<OleDate>()) {
        date = *d;
    } else if (const auto number = numberOf(value)) {
        date = OleDate{*number};
    } else if (const auto* text = value.get<QString>()) {
        date = readDate(*text);
    }
    const auto parts = date ? datePartsOf(*date) : std::nullopt;
    if (!parts) return value.toText();
    return formatDateSection(*parts, readPatternChars(datePatternOf(*kind)));
}

}  // namespace ky
