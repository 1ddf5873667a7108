#include "report/template/elements/image_model.h"

#include "report/template/elements/picture_format.h"

#include <algorithm>

namespace ky {

Status ImageModel::setPicStm(StreamPtr picture) {
    // An empty stream is written as an empty element, which reads back as no
    // picture; accepting it keeps a cleared picture from failing.
    if (picture && picture->size() > 0 && !isPicture(picture->bytes()))
        return fail(QStringLiteral("the picture is not a bitmap, JPEG, GIF, EMF or WMF file"));
    PicStm = std::move(picture);
    return {};
}

QString ImageModel::caption() const { return DataField.isEmpty() ? QStringLiteral("曲线图") : DataField; }

QRectF ImageModel::pictureRect(QSizeF natural) const {
    const QRectF element(0, 0, geometry.width, geometry.height);
    if (AutoSize) return element;
    return QRectF(QPointF(0, 0), natural).intersected(element);
}

void ImageModel::resized() {
    geometry.width = std::max(geometry.width, kMinimumSize);
    geometry.height = std::max(geometry.height, kMinimumSize);
}

void ImageModel::readFields(RecordReader& record) {
    DataField = record.text("DataField");
    DataSourceID = record.integer("DataSourceID", 0);
    AutoSize = record.requiredFlag("AutoSize");
    const StreamPtr picture = record.stream("PicStm");
    if (const Status set = setPicStm(picture); !set) record.failWith(QStringLiteral("Image: PicStm: ") + set.error());
}

void ImageModel::writeFields(RecordWriter& record) const {
    record.text("DataField", DataField);
    record.integer("DataSourceID", DataSourceID);
    record.flag("AutoSize", AutoSize);
    record.stream("PicStm", PicStm);
}

}  // namespace ky
