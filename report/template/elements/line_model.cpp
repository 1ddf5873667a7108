#include "report/template/elements/line_model.h"

#include <algorithm>

namespace ky {

QLineF LineModel::segmentFor(double width, double height, int xiexian, double threshold) {
    if (width > threshold && height > threshold)
        return xiexian == 1 ? QLineF(0, 0, width, height) : QLineF(width, 0, 0, height);
    if (width > threshold) return QLineF(0, 0, width, 0);
    return QLineF(0, 0, 0, height);
}

void LineModel::resized() {
    if (geometry.width > kTooThin && geometry.height > kTooThin) return;
    geometry.width = std::max(geometry.width, kMinimumSize);
    geometry.height = std::max(geometry.height, kMinimumSize);
}

// A record without Xiexian reads 0 and so draws the rising diagonal.
void LineModel::readFields(RecordReader& record) {
    Xiexian = record.integer("Xiexian", 0);
    BorderColor = record.integer("BorderColor", 0);
}

void LineModel::writeFields(RecordWriter& record) const {
    record.integer("Xiexian", Xiexian);
    record.integer("BorderColor", BorderColor);
}

}  // namespace ky
