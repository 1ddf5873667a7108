#pragma once
// A ruler along the top or the left of the work area: millimetre ticks of
// the page at the window's zoom, moved with the scroll bar of its axis.
// Lines fall on whole device pixels, so the ticks stay sharp at any display
// scaling.

#include "report/designer/controls/ruler_ticks.h"

#include <QWidget>

namespace ky::designer {

class Ruler : public QWidget {
    Q_OBJECT
public:
    // A ruler's thickness: 250 twips.
    static constexpr double kThicknessTwips = 250;

    explicit Ruler(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Redraws for a picture and work area of these extents (twips) at a zoom:
    // the scale is the larger extent plus 1000 twips.
    void setScale(double pictureTwips, double workAreaTwips, int zoom);
    // The scroll bar's value: the ruler starts that many millimetres in.
    void setScrollMillimetres(int value);

    Qt::Orientation orientation() const { return orientation_; }
    const std::vector<RulerTick>& ticks() const { return ticks_; }
    double offsetTwips() const { return offset_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double twipsToPixels(double twips) const;

    Qt::Orientation orientation_;
    std::vector<RulerTick> ticks_;
    double offset_ = 0;
};

}  // namespace ky::designer
