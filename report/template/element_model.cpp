#include "report/template/element_model.h"

namespace ky {

void ElementModel::read(RecordReader& record, const Placement& placement) {
    const double left = record.number("Left", 0), top = record.number("Top", 0);
    geometry.left = placement.atOffset ? placement.dx : left - placement.dx;
    geometry.top = placement.atOffset ? placement.dy : top - placement.dy;
    geometry.width = record.number("Width", 0);
    geometry.height = record.number("Height", 0);
    readFields(record);
    resized();
}

void ElementModel::write(RecordWriter& record, double dx, double dy) const {
    record.number("Left", geometry.left + dx);
    record.number("Top", geometry.top + dy);
    record.number("Width", geometry.width);
    record.number("Height", geometry.height);
    writeFields(record);
}

}  // namespace ky
