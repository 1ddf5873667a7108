#include "report/engine/expression/constants.h"

namespace ky::expr {

namespace {

struct TextConstant {
    const char16_t* name;
    const char16_t* value;
};

struct NumberConstant {
    const char16_t* name;
    int value;
};

constexpr TextConstant kTexts[] = {
    {u"vbCrLf", u"\r\n"}, {u"vbCr", u"\r"},        {u"vbLf", u"\n"},          {u"vbNewLine", u"\r\n"},
    {u"vbTab", u"\t"},    {u"vbNullString", u""},  {u"vbFormFeed", u"\f"},    {u"vbVerticalTab", u"\v"},
};

constexpr NumberConstant kNumbers[] = {
    {u"vbUseSystemDayOfWeek", 0}, {u"vbSunday", 1},      {u"vbMonday", 2},        {u"vbTuesday", 3},
    {u"vbWednesday", 4},          {u"vbThursday", 5},    {u"vbFriday", 6},        {u"vbSaturday", 7},
    {u"vbUseSystem", 0},          {u"vbFirstJan1", 1},   {u"vbFirstFourDays", 2}, {u"vbFirstFullWeek", 3},
    {u"vbBinaryCompare", 0},      {u"vbTextCompare", 1}, {u"vbGeneralDate", 0},   {u"vbLongDate", 1},
    {u"vbShortDate", 2},          {u"vbLongTime", 3},    {u"vbShortTime", 4},     {u"vbTrue", -1},
    {u"vbFalse", 0},              {u"vbUseDefault", -2}, {u"vbEmpty", 0},         {u"vbNull", 1},
    {u"vbInteger", 2},            {u"vbLong", 3},        {u"vbSingle", 4},        {u"vbDouble", 5},
    {u"vbCurrency", 6},           {u"vbDate", 7},        {u"vbString", 8},        {u"vbObject", 9},
    {u"vbError", 10},             {u"vbBoolean", 11},    {u"vbVariant", 12},      {u"vbDataObject", 13},
    {u"vbDecimal", 14},           {u"vbByte", 17},       {u"vbArray", 8192},      {u"vbBlack", 0x000000},
    {u"vbRed", 0x0000FF},         {u"vbGreen", 0x00FF00}, {u"vbYellow", 0x00FFFF}, {u"vbBlue", 0xFF0000},
    {u"vbMagenta", 0xFF00FF},     {u"vbCyan", 0xFFFF00}, {u"vbWhite", 0xFFFFFF},  {u"vbObjectError", -2147221504},
};

}  // namespace

std::optional<Value> findConstant(QStringView name) {
    for (const TextConstant& c : kTexts)
        if (name.compare(QStringView(c.name), Qt::CaseInsensitive) == 0) return Value(QString::fromUtf16(c.value));
    if (name.compare(u"vbNullChar", Qt::CaseInsensitive) == 0) return Value(QString(QChar(0)));
    for (const NumberConstant& c : kNumbers) {
        if (name.compare(QStringView(c.name), Qt::CaseInsensitive) != 0) continue;
        // Small constants are 16-bit integers, as in the language.
        if (c.value >= -32768 && c.value <= 32767) return Value(static_cast<std::int16_t>(c.value));
        return Value(c.value);
    }
    return std::nullopt;
}

}  // namespace ky::expr
