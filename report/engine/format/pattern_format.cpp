#include "report/engine/format/pattern_format.h"

#include "report/engine/format/date_parts.h"
#include "report/engine/format/date_pattern.h"
#include "report/engine/format/named_format.h"
#include "report/engine/format/number_pattern.h"
#include "report/engine/format/numeric_text.h"
#include "report/engine/format/text_pattern.h"

namespace ky {

namespace {

constexpr QStringView kDigitPlaceholders = u"0#";
constexpr QStringView kTextPlaceholders = u"@&<>!";

// Letters that make a section a date pattern ("AM/PM" starts with a, "ttttt" with t).
constexpr QStringView kDatePlaceholders = u"cdwmqyhnsta";

bool isDatePattern(const PatternChars& chars) {
    return !hasPlaceholder(chars, kDigitPlaceholders) && hasPlaceholder(chars, kDatePlaceholders);
}

QString literalsOf(const PatternChars& chars) {
    QString out;
    for (const PatternChar& p : chars) out += p.c;
    return out;
}

QString formatNumber(double number, const QStringList& sections) {
    const auto section = [&](int i) { return i < sections.size() && !sections[i].isEmpty() ? std::optional<QString>(sections[i]) : std::nullopt; };
    if (number < 0) {
        if (const auto negative = section(1)) return formatNumberSection(-number, readPatternChars(*negative), false);
    } else if (number == 0) {
        if (const auto zero = section(2)) return formatNumberSection(0, readPatternChars(*zero), false);
    }
    const PatternChars first = readPatternChars(sections.front());
    if (sections.front().isEmpty()) return Value(number).toText();
    if (isDatePattern(first)) {
        const auto parts = datePartsOf(OleDate{number});
        return parts ? formatDateSection(*parts, first) : Value(number).toText();
    }
    return formatNumberSection(number, first, true);
}

QString formatText(const QString& text, const QStringList& sections) {
    // A second section formats empty texts.
    const QString& section = text.isEmpty() && sections.size() > 1 ? sections[1] : sections.front();
    return formatTextSection(text, readPatternChars(section));
}

}  // namespace

QString formatWithPattern(const Value& value, QStringView pattern) {
    if (pattern.isEmpty()) return value.toText();
    if (const auto named = formatNamed(value, pattern)) return *named;
    const QStringList sections = splitSections(pattern);
    if (value.isNull()) return sections.size() > 3 ? literalsOf(readPatternChars(sections[3])) : QString();

    const PatternChars first = readPatternChars(sections.front());
    if (hasPlaceholder(first, kTextPlaceholders) && !hasPlaceholder(first, kDigitPlaceholders))
        return formatText(value.toText(), sections);
    if (const auto* date = value.get<OleDate>()) {
        if (!isDatePattern(first)) return formatNumber(date->days, sections);
        const auto parts = datePartsOf(*date);
        return parts ? formatDateSection(*parts, first) : value.toText();
    }
    if (const auto number = numberOf(value)) return formatNumber(*number, sections);
    if (const auto* text = value.get<QString>()) {
        if (isDatePattern(first)) {
            if (const auto date = readDate(*text)) return formatWithPattern(Value(*date), pattern);
        }
    }
    return value.toText();
}

}  // namespace ky
