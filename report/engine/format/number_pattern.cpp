#include "report/engine/format/number_pattern.h"

#include "report/engine/format/decimal_digits.h"

#include <algorithm>
#include <cmath>

namespace ky {

namespace {

struct Item {
    enum Kind : std::uint8_t { Digit, Literal, Comma } kind;
    QChar c;
};

struct NumberLayout {
    QList<Item> integer, fraction, exponent;
    bool point = false;
    bool grouping = false;
    int thousandsScale = 0;
    int percent = 0;
    bool scientific = false;
    QChar exponentChar;
    QChar exponentSign;
};

int countDigits(const QList<Item>& items) {
    return static_cast<int>(std::count_if(items.begin(), items.end(), [](const Item& i) { return i.kind == Item::Digit; }));
}

NumberLayout layoutOf(const PatternChars& chars) {
    NumberLayout l;
    QList<Item>* part = &l.integer;
    for (qsizetype i = 0; i < chars.size(); ++i) {
        const PatternChar& p = chars[i];
        const QChar c = p.c;
        if (p.literal) {
            part->append({Item::Literal, c});
        } else if (c == u'0' || c == u'#') {
            part->append({Item::Digit, c});
        } else if (c == u'.' && part == &l.integer) {
            l.point = true;
            part = &l.fraction;
        } else if (c == u',') {
            if (part == &l.integer) part->append({Item::Comma, c});
        } else if (c == u'%') {
            ++l.percent;
            part->append({Item::Literal, c});
        } else if ((c == u'E' || c == u'e') && part != &l.exponent && i + 1 < chars.size() && !chars[i + 1].literal &&
                   (chars[i + 1].c == u'+' || chars[i + 1].c == u'-')) {
            l.scientific = true;
            l.exponentChar = c;
            l.exponentSign = chars[++i].c;
            part = &l.exponent;
        } else {
            part->append({Item::Literal, c});
        }
    }
    // A comma with a digit placeholder after it groups; trailing commas scale by 1000.
    for (qsizetype i = 0; i < l.integer.size(); ++i) {
        if (l.integer[i].kind != Item::Comma) continue;
        const bool digitAfter = std::any_of(l.integer.begin() + i + 1, l.integer.end(), [](const Item& it) { return it.kind == Item::Digit; });
        if (digitAfter) {
            l.grouping = true;
        } else {
            ++l.thousandsScale;
        }
    }
    l.integer.removeIf([](const Item& it) { return it.kind == Item::Comma; });
    return l;
}

// The integer part, filled right to left; surplus digits go to the leftmost placeholder.
QString integerText(const QList<Item>& items, const QString& whole, bool grouping) {
    QString reversed;
    int emitted = 0;
    qsizetype left = whole.size();
    auto emit = [&](QChar digit) {
        if (grouping && emitted > 0 && emitted % 3 == 0) reversed += u',';
        reversed += digit;
        ++emitted;
    };
    auto emitRest = [&] {
        while (left > 0) emit(whole[--left]);
    };
    const auto leftmost = std::find_if(items.begin(), items.end(), [](const Item& it) { return it.kind == Item::Digit; });
    if (leftmost == items.end()) emitRest();
    for (qsizetype i = items.size() - 1; i >= 0; --i) {
        const Item& it = items[i];
        if (it.kind == Item::Literal) {
            reversed += it.c;
            continue;
        }
        if (left > 0) {
            emit(whole[--left]);
        } else if (it.c == u'0') {
            emit(u'0');
        }
        if (items.begin() + i == leftmost) emitRest();
    }
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

// The fraction part, left to right; trailing zeros under "#" are dropped.
QString fractionText(const QList<Item>& items, const QString& digits) {
    QList<QChar> placeholders;
    for (const Item& it : items)
        if (it.kind == Item::Digit) placeholders.append(it.c);
    qsizetype keep = digits.size();
    while (keep > 0 && digits[keep - 1] == u'0' && placeholders[keep - 1] == u'#') --keep;
    QString out;
    qsizetype next = 0;
    for (const Item& it : items) {
        if (it.kind == Item::Literal) {
            out += it.c;
        } else {
            if (next < keep) out += digits[next];
            ++next;
        }
    }
    return out;
}

QString exponentText(const NumberLayout& l, int exponent) {
    int zeros = 0;
    for (const Item& it : l.exponent)
        if (it.kind == Item::Digit && it.c == u'0') ++zeros;
    QString digits = QString::number(std::abs(exponent));
    if (digits.size() < zeros) digits.prepend(QString(zeros - digits.size(), u'0'));
    QString out = l.exponentChar;
    if (exponent < 0) {
        out += u'-';
    } else if (l.exponentSign == u'+') {
        out += u'+';
    }
    bool placed = false;
    for (const Item& it : l.exponent) {
        if (it.kind == Item::Literal) {
            out += it.c;
        } else if (!placed) {
            out += digits;
            placed = true;
        }
    }
    if (!placed) out += digits;
    return out;
}

bool allZero(const QString& digits) {
    return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c == u'0'; });
}

}  // namespace

QString formatNumberSection(double value, const PatternChars& section, bool writeMinus) {
    const NumberLayout l = layoutOf(section);
    value *= std::pow(100.0, l.percent);
    value /= std::pow(1000.0, l.thousandsScale);
    const int integerDigits = countDigits(l.integer);
    const int fractionDigits = countDigits(l.fraction);

    QString whole, fraction, exponent;
    bool negative = false;
    if (l.scientific) {
        const ScientificDigits s = scientificDigits(value, std::max(integerDigits + fractionDigits, 1));
        negative = s.negative;
        const int wholeCount = std::min<int>(integerDigits, static_cast<int>(s.digits.size()));
        whole = s.digits.left(wholeCount);
        fraction = s.digits.mid(wholeCount, fractionDigits);
        fraction += QString(fractionDigits - fraction.size(), u'0');
        const int power = allZero(s.digits) ? 0 : s.exponent - (wholeCount - 1);
        exponent = exponentText(l, power);
        while (whole.startsWith(u'0')) whole.remove(0, 1);
    } else {
        const DecimalDigits d = fixedDigits(value, fractionDigits);
        negative = d.negative;
        whole = d.whole;
        fraction = d.fraction;
    }
    QString text = integerText(l.integer, whole, l.grouping);
    if (l.point) text += u'.';
    text += fractionText(l.fraction, fraction) + exponent;
    if (writeMinus && negative && !allZero(whole + fraction)) text.prepend(u'-');
    return text;
}

}  // namespace ky
