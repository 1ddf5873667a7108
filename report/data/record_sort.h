#pragma once
// Record-set sort orders: "Name, Age DESC, [Test Date] ASC".

#include "platform/result.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace ky {

struct SortKey {
    QString field;
    bool descending = false;
};

// Field names separated by commas, each optionally followed by ASC or DESC
// (any case); a name may be written in brackets. Empty text sorts nothing.
Result<std::vector<SortKey>> parseSort(QStringView text);

}  // namespace ky
