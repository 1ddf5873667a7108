#include "report/engine/emf/page_number_suffix.h"

namespace ky {

namespace {

// Wider numbers than this are no page numbers but a way to fill a disk.
constexpr int kWidestNumber = 10;

Failure refused(const QString& pattern, const QString& why) {
    return fail(QStringLiteral("AddFileNameSuffix \"%1\" is not a page-number suffix: %2").arg(pattern, why));
}

}  // namespace

Result<PageNumberSuffix> PageNumberSuffix::parse(const QString& pattern) {
    PageNumberSuffix suffix;
    bool converted = false;
    QString* literal = &suffix.before_;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u'/' || c == u'\\') return refused(pattern, QStringLiteral("it may not name a folder"));
        if (c != u'%') {
            *literal += c;
            continue;
        }
        if (i + 1 < pattern.size() && pattern.at(i + 1) == u'%') {
            *literal += u'%';
            ++i;
            continue;
        }
        if (converted) return refused(pattern, QStringLiteral("only one page number may be given"));
        qsizetype k = i + 1;
        if (k < pattern.size() && pattern.at(k) == u'0') suffix.zeroPadded_ = true, ++k;
        const qsizetype digits = k;
        while (k < pattern.size() && pattern.at(k).isDigit() && k - digits < 2) suffix.width_ = suffix.width_ * 10 + pattern.at(k++).digitValue();
        if (k >= pattern.size() || (pattern.at(k) != u'd' && pattern.at(k) != u'i' && pattern.at(k) != u'u'))
            return refused(pattern, QStringLiteral("only %d with an optional zero flag and width is allowed"));
        if (suffix.width_ > kWidestNumber) return refused(pattern, QStringLiteral("the width is too large"));
        converted = true;
        literal = &suffix.after_;
        i = k;
    }
    if (!converted) return refused(pattern, QStringLiteral("it has no page number, so every page would overwrite the last"));
    return suffix;
}

QString PageNumberSuffix::format(int page) const {
    return before_ + QStringLiteral("%1").arg(page, width_, 10, QChar(zeroPadded_ ? u'0' : u' ')) + after_;
}

QString PageNumberSuffix::pageFile(const QString& baseName, int page) const {
    const QString extension = QStringLiteral(".emf");
    const QString stem = baseName.endsWith(extension, Qt::CaseInsensitive) ? baseName.chopped(extension.size()) : baseName;
    return stem + format(page) + extension;
}

}  // namespace ky
