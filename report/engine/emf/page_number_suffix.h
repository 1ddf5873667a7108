#pragma once
// The page-number suffix of the virtual printer's page files, written as a
// printf pattern ("_%03d", "%04d"). Only one integer conversion with an
// optional zero flag and width is accepted, and the number is formatted here,
// never by printf, so a configuration file cannot smuggle in a conversion.

#include "platform/result.h"

#include <QString>

namespace ky {

class PageNumberSuffix {
public:
    // "%%" stands for a percent sign; anything else after a "%" is refused.
    static Result<PageNumberSuffix> parse(const QString& pattern);

    QString format(int page) const;
    // The page file: `baseName` without a final ".emf" (any letter case),
    // then the suffix of `page`, then ".emf".
    QString pageFile(const QString& baseName, int page) const;

private:
    PageNumberSuffix() = default;
    QString before_, after_;
    int width_ = 0;
    bool zeroPadded_ = false;
};

}  // namespace ky
