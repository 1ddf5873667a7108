#pragma once
// The page pictures the virtual printer writes for an output file: the
// output path with its ".mht", ".doc" or ".emf" extension (any letter case)
// replaced by "_" + the page number in three digits + ".emf".

#include "platform/result.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <functional>

namespace ky {

QString pageFileName(const QString& outputPath, int page);

// How long a page file may take to appear or to become readable. Waiting
// runs `idle` between checks (the host's events, in a window).
struct PageWait {
    std::chrono::milliseconds limit{30000};
    std::chrono::milliseconds poll{50};
    std::function<void()> idle;
};

// Waits until the file exists; an error naming it when the limit passes first.
Status waitForPageFile(const QString& path, const PageWait& wait);

// The page file's bytes once it exists and can be read, and the file
// deleted; an error naming the file when the limit passes first.
Result<QByteArray> takePageFile(const QString& path, const PageWait& wait);

}  // namespace ky
