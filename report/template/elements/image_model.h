#pragma once
// An image (图片或者曲线图, QmPIC): a fixed picture stored in the template, or
// a data field whose binary value is the picture at output time (a result
// curve, for example).

#include "report/template/element_model.h"
#include "platform/byte_stream.h"
#include "platform/result.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

namespace ky {

class ImageModel final : public ElementModel {
public:
    // Smaller images are raised to this in each direction.
    static constexpr double kMinimumSize = 90;

    ElementKind kind() const override { return ElementKind::Image; }

    // The drawing code sets DataSourceID to 1 inside a child report's main area.
    static ImageModel newElement() { return ImageModel(); }

    QString DataField;      // empty for a fixed picture
    int DataSourceID = 0;   // which record set DataField belongs to
    bool AutoSize = false;  // True stretches the picture over the element
    StreamPtr PicStm;       // the fixed picture's file bytes; null when there is none

    // Holds `picture` itself (not a copy) when it is nothing, empty, or a
    // picture file; otherwise fails and keeps the picture it had.
    Status setPicStm(StreamPtr picture);

    // What the designer prints centred in the element so that it shows what
    // the element stands for: the field, or 曲线图 (a curve) when unbound.
    QString caption() const;

    // Where a picture of `natural` size (twips) shows inside the element:
    // stretched over it, or at its own size from the top-left corner, clipped.
    QRectF pictureRect(QSizeF natural) const;

    void resized() override;

protected:
    void readFields(RecordReader& record) override;
    void writeFields(RecordWriter& record) const override;
};

}  // namespace ky
