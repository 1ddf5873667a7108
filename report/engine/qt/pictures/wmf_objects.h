#pragma once
// The graphics objects a WMF creates, and the table that holds them: a new
// object takes the lowest free slot, records name objects by slot, and a
// deleted object's slot is free again.

#include "report/engine/qt/pictures/wmf_record.h"

#include <QRgb>
#include <QString>

#include <optional>
#include <set>
#include <variant>
#include <vector>

namespace ky {

class WmfTextDecoder;

struct WmfPen {
    int style = 0;       // line style, end caps and joins, as the record gives them
    double width = 0;    // logical units; 0 is one device pixel
    QRgb color = qRgb(0, 0, 0);
};

struct WmfBrush {
    enum Style { Solid = 0, Null = 1, Hatched = 2 };
    int style = Solid;
    QRgb color = qRgb(255, 255, 255);
};

struct WmfFont {
    double height = 0;      // logical units: below 0 the em, above the cell, 0 the default
    double escapement = 0;  // tenths of a degree, anticlockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;
    QString face;
};

// Palettes and regions hold a slot but draw nothing.
struct WmfOtherObject {};

using WmfObject = std::variant<WmfOtherObject, WmfPen, WmfBrush, WmfFont>;

// A colour reference: red, green and blue bytes, then a flags byte.
QRgb wmfColor(std::uint32_t colorRef);

WmfPen wmfPen(const WmfRecord& createPen);
WmfBrush wmfBrush(const WmfRecord& createBrush);
WmfFont wmfFont(const WmfRecord& createFont, WmfTextDecoder& decoder);

class WmfObjectTable {
public:
    explicit WmfObjectTable(int slots);

    // Dropped when every slot is taken.
    void create(WmfObject object);
    // Nothing when the index names no slot or a free one.
    const WmfObject* find(int index) const;
    void remove(int index);

private:
    std::vector<std::optional<WmfObject>> slots_;
    std::set<int> free_;
};

}  // namespace ky
