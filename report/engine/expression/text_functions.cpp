// Len Left Right Mid InStr InStrRev LCase UCase Trim LTrim RTrim Replace Space
// String StrReverse StrComp Asc AscW Chr ChrW.
#include "report/engine/expression/builtin_function.h"
#include "report/engine/expression/expression_error.h"
#include "report/engine/expression/variant_conversion.h"

#include <algorithm>

namespace ky::expr {

namespace {

Qt::CaseSensitivity caseOf(const Args& args, qsizetype index) {
    const std::int32_t mode = toLong(argOr(args, index, 0));
    if (mode < 0 || mode > 2) fail();
    return mode == 0 ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

// A count or position that must not be negative.
qsizetype countOf(const Value& v) {
    if (v.isNull()) fail();
    const std::int32_t n = toLong(v);
    if (n < 0) fail();
    return n;
}

QString repeated(qsizetype count, QChar c) {
    if (count > kMaxTextLength) fail();
    return QString(count, c);
}

Value len(CallContext&, const Args& a) {
    if (a[0].isNull()) return Value::null();
    return static_cast<int>(a[0].toText().size());
}

Value left(CallContext&, const Args& a) {
    const qsizetype n = countOf(a[1]);
    if (a[0].isNull()) return Value::null();
    return a[0].toText().left(n);
}

Value right(CallContext&, const Args& a) {
    const qsizetype n = countOf(a[1]);
    if (a[0].isNull()) return Value::null();
    return a[0].toText().right(n);
}

Value mid(CallContext&, const Args& a) {
    const qsizetype start = countOf(a[1]);
    if (start < 1) fail();
    const qsizetype length = a.size() > 2 ? countOf(a[2]) : -1;
    if (a[0].isNull()) return Value::null();
    const QString s = a[0].toText();
    if (start > s.size()) return QString();
    return s.mid(start - 1, length);
}

Value inStr(CallContext&, const Args& a) {
    // InStr(s1, s2) or InStr(start, s1, s2[, compare]).
    const bool withStart = a.size() >= 3;
    if (!withStart && a.size() != 2) fail();
    const qsizetype start = withStart ? countOf(a[0]) : 1;
    if (start < 1) fail();
    const Value& haystack = a[withStart ? 1 : 0];
    const Value& needle = a[withStart ? 2 : 1];
    const Qt::CaseSensitivity cs = a.size() == 4 ? caseOf(a, 3) : Qt::CaseSensitive;
    if (haystack.isNull() || needle.isNull()) return Value::null();
    const QString s = haystack.toText(), t = needle.toText();
    if (start > s.size()) return 0;
    if (t.isEmpty()) return static_cast<int>(start);
    return static_cast<int>(s.indexOf(t, start - 1, cs) + 1);
}

Value inStrRev(CallContext&, const Args& a) {
    const std::int32_t start = a.size() > 2 ? toLong(a[2]) : -1;
    if (start == 0 || start < -1) fail();
    const Qt::CaseSensitivity cs = caseOf(a, 3);
    if (a[0].isNull() || a[1].isNull()) return Value::null();
    const QString s = a[0].toText(), t = a[1].toText();
    const qsizetype from = start == -1 ? s.size() : start;
    if (from > s.size()) return 0;
    if (t.isEmpty()) return static_cast<int>(from);
    if (t.size() > from) return 0;
    return static_cast<int>(s.lastIndexOf(t, from - t.size(), cs) + 1);
}

template <QString (*Change)(const QString&)>
Value changed(CallContext&, const Args& a) {
    if (a[0].isNull()) return Value::null();
    return Change(a[0].toText());
}

QString lower(const QString& s) { return s.toLower(); }
QString upper(const QString& s) { return s.toUpper(); }
QString trimLeft(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ') ++i;
    return s.mid(i);
}
QString trimRight(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ') --n;
    return s.left(n);
}
QString trimBoth(const QString& s) { return trimLeft(trimRight(s)); }
QString reversed(const QString& s) {
    QString r = s;
    std::reverse(r.begin(), r.end());
    return r;
}

Value replace(CallContext&, const Args& a) {
    if (anyNull(a)) fail();
    const QString s = a[0].toText(), find = a[1].toText(), with = a[2].toText();
    const qsizetype start = a.size() > 3 ? countOf(a[3]) : 1;
    if (start < 1) fail();
    const std::int32_t count = a.size() > 4 ? toLong(a[4]) : -1;
    if (count < -1) fail();
    const Qt::CaseSensitivity cs = caseOf(a, 5);
    // The result begins at `start`, as the language's Replace has it.
    const QString rest = s.mid(start - 1);
    if (find.isEmpty() || count == 0) return rest;
    QString out;
    qsizetype from = 0;
    for (std::int32_t done = 0; count == -1 || done < count; ++done) {
        const qsizetype at = rest.indexOf(find, from, cs);
        if (at < 0) break;
        if (out.size() + (at - from) + with.size() > kMaxTextLength) fail();
        out += QStringView(rest).mid(from, at - from);
        out += with;
        from = at + find.size();
    }
    out += QStringView(rest).mid(from);
    return checkedText(out);
}

Value space(CallContext&, const Args& a) {
    return repeated(countOf(a[0]), u' ');
}

Value string(CallContext&, const Args& a) {
    const qsizetype n = countOf(a[0]);
    if (a[1].isNull()) return Value::null();
    QChar c;
    if (const auto* text = a[1].get<QString>()) {
        if (text->isEmpty()) fail();
        c = text->front();
    } else {
        c = QChar(static_cast<char16_t>(toLong(a[1]) & 0xFF));
    }
    return repeated(n, c);
}

Value strReverse(CallContext&, const Args& a) {
    if (a[0].isNull()) fail();
    return reversed(a[0].toText());
}

Value strComp(CallContext&, const Args& a) {
    const Qt::CaseSensitivity cs = caseOf(a, 2);
    if (a[0].isNull() || a[1].isNull()) return Value::null();
    const int c = QString::compare(a[0].toText(), a[1].toText(), cs);
    return static_cast<std::int16_t>(c < 0 ? -1 : c > 0 ? 1 : 0);
}

Value ascW(CallContext&, const Args& a) {
    const QString s = toText(a[0]);
    if (s.isEmpty()) fail();
    return static_cast<std::int16_t>(s.front().unicode());
}

Value chr(CallContext&, const Args& a) {
    const std::int32_t code = toLong(a[0]);
    if (code < 0 || code > 255) fail();
    return QString(QChar(static_cast<char16_t>(code)));
}

Value chrW(CallContext&, const Args& a) {
    const std::int32_t code = toLong(a[0]);
    if (code < -32768 || code > 65535) fail();
    return QString(QChar(static_cast<char16_t>(code & 0xFFFF)));
}

constexpr BuiltinFunction kFunctions[] = {
    {u"Len", 1, 1, len},
    {u"Left", 2, 2, left},
    {u"Right", 2, 2, right},
    {u"Mid", 2, 3, mid},
    {u"InStr", 2, 4, inStr},
    {u"InStrRev", 2, 4, inStrRev},
    {u"LCase", 1, 1, changed<lower>},
    {u"UCase", 1, 1, changed<upper>},
    {u"Trim", 1, 1, changed<trimBoth>},
    {u"LTrim", 1, 1, changed<trimLeft>},
    {u"RTrim", 1, 1, changed<trimRight>},
    {u"Replace", 3, 6, replace},
    {u"Space", 1, 1, space},
    {u"String", 2, 2, string},
    {u"StrReverse", 1, 1, strReverse},
    {u"StrComp", 2, 3, strComp},
    // Asc gives the UTF-16 code like AscW: texts are Unicode here, not code page 936.
    {u"Asc", 1, 1, ascW},
    {u"AscW", 1, 1, ascW},
    {u"Chr", 1, 1, chr},
    {u"ChrW", 1, 1, chrW},
};

}  // namespace

std::span<const BuiltinFunction> textFunctions() {
    return kFunctions;
}

}  // namespace ky::expr
