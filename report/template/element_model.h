#pragma once
// The model of one element on a page or in a child report's main area: its
// rectangle, its properties with their defaults, and its template record.
// The designer's controls are views on these models; nothing here needs a
// window.

#include "report/template/record_fields.h"

#include <memory>

namespace ky {

enum class ElementKind { Label, TextBox, Check, Line, Box, Image, ChildReport };

// Twips from the top-left corner of the element's container.
struct Geometry {
    double left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Geometry&, const Geometry&) = default;
};

// How a record is placed on reading: at its stored position minus the
// offset, or at the offset itself (pasting at the mouse).
struct Placement {
    double dx = 0, dy = 0;
    bool atOffset = false;
};

// Colours of the platform's system palette: the high bit set.
inline constexpr int kWindowTextColor = static_cast<int>(0x80000008u);

class ElementModel {
public:
    virtual ~ElementModel() = default;
    virtual ElementKind kind() const = 0;

    Geometry geometry;
    bool deleted = false;  // marked "DEL": kept until the page is cleared, never written

    // The geometry as the record gives it, then the kind's own fields.
    void read(RecordReader& record, const Placement& placement);
    // Left, Top, Width, Height (plus the offset), then the kind's own fields.
    void write(RecordWriter& record, double dx = 0, double dy = 0) const;

    // Rules the kind applies whenever its size changes (minimum sizes, layout).
    virtual void resized() {}

protected:
    // The kind's fields after the four geometry fields, in written order.
    virtual void readFields(RecordReader& record) = 0;
    virtual void writeFields(RecordWriter& record) const = 0;
};

}  // namespace ky
