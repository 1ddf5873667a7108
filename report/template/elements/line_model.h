#pragma once
// A line (直线, QmLineT): one straight rule inside the element's rectangle,
// horizontal along its top, vertical along its left, or a diagonal whose
// direction Xiexian gives.

#include "report/template/element_model.h"

#include <QLineF>

namespace ky {

class LineModel final : public ElementModel {
public:
    // A rectangle wider and higher than the threshold draws a diagonal. The
    // designer lays the line out with the first after a size change and with
    // the second after Xiexian changes, so a line between the two draws a
    // diagonal after Xiexian is set and a straight rule after the next resize.
    static constexpr double kResizeThreshold = 150;
    static constexpr double kXiexianThreshold = 100;
    // A rectangle this thin in either direction can no longer be grabbed...
    static constexpr double kTooThin = 50;
    // ...so it is raised to this in each direction.
    static constexpr double kMinimumSize = 90;

    ElementKind kind() const override { return ElementKind::Line; }

    // The drawing code sets Xiexian from the drag direction; everything else
    // keeps the defaults.
    static LineModel newElement() { return LineModel(); }

    int Xiexian = 1;                    // 1 falls from top-left to bottom-right; anything else rises
    int BorderColor = kWindowTextColor;
    int BorderWidth = 2;                // pixels; not part of the record
    int BorderStyle = 1;                // solid; not part of the record

    // The segment drawn in a width × height rectangle, in twips from its top-left corner.
    static QLineF segmentFor(double width, double height, int xiexian, double threshold);
    QLineF segment(double threshold) const { return segmentFor(geometry.width, geometry.height, Xiexian, threshold); }

    void resized() override;

protected:
    void readFields(RecordReader& record) override;
    void writeFields(RecordWriter& record) const override;
};

}  // namespace ky
