#pragma once
// The headers in front of a WMF's records: the placeable header (the box the
// picture covers, in its own units) and the metafile header after it.

#include <QByteArray>
#include <QRect>

#include <optional>

namespace ky {

struct WmfPlaceable {
    QRect box;  // in the metafile's units: left, top, right - left, bottom - top
    int unitsPerInch = 0;
};

struct WmfHeader {
    WmfPlaceable placeable;
    int objects = 0;  // slots of the object table
    qsizetype firstRecord = 0;
};

// The placeable header when the bytes start with its key; its box may be
// empty or inverted.
std::optional<WmfPlaceable> wmfPlaceable(const QByteArray& bytes);

// Both headers, when the placeable box is not empty, its units are
// positive and the metafile header is one.
std::optional<WmfHeader> wmfHeader(const QByteArray& bytes);

}  // namespace ky
