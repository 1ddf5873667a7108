#include "report/engine/format/calendar_names.h"

namespace ky {

namespace {

constexpr const char16_t* kNumerals[] = {u"一", u"二", u"三", u"四", u"五", u"六", u"七", u"八", u"九", u"十", u"十一", u"十二"};
constexpr const char16_t* kWeekdays[] = {u"日", u"一", u"二", u"三", u"四", u"五", u"六"};

}  // namespace

QString monthName(int month, bool abbreviated) {
    if (month < 1 || month > 12) return {};
    if (abbreviated) return QString::number(month) + u'月';
    return QString::fromUtf16(kNumerals[month - 1]) + u'月';
}

QString weekdayName(int weekday, bool abbreviated) {
    if (weekday < 1 || weekday > 7) return {};
    return (abbreviated ? QStringLiteral("周") : QStringLiteral("星期")) + QString::fromUtf16(kWeekdays[weekday - 1]);
}

QString dayPeriodName(bool afternoon) {
    return afternoon ? QStringLiteral("下午") : QStringLiteral("上午");
}

}  // namespace ky
