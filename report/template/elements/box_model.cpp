#include "report/template/elements/box_model.h"

#include "report/data/round_half_even.h"

#include <QStringList>

#include <algorithm>

namespace ky {

namespace {

void spaceEvenly(std::vector<double>& lines, double pitch, int count) {
    lines.clear();
    for (int j = 1; j < count; ++j) lines.push_back(pitch * j);
}

QString offsetsText(const std::vector<double>& lines) {
    QStringList texts;
    for (double offset : lines) texts.append(writeDecimal(offset));
    return texts.join(u';');
}

void moveTo(std::vector<double>& lines, const QString& offsets) {
    if (offsets.isEmpty()) return;  // an empty list has no entries, not one empty entry
    const auto entries = QStringView(offsets).split(u';');
    const size_t moved = std::min(lines.size(), static_cast<size_t>(entries.size()));
    for (size_t i = 0; i < moved; ++i) lines[i] = readNumber(entries[static_cast<qsizetype>(i)]);
}

void keepInside(std::vector<double>& lines, double length) {
    for (double& offset : lines) offset = std::min(offset, length);
}

// The Show...Bolder flag of a side, for reading and for writing.
template <class Box>
auto& sideFlag(Box& box, BoxSide side) {
    switch (side) {
    case BoxSide::Left: return box.ShowLeftBolder;
    case BoxSide::Top: return box.ShowTopBolder;
    case BoxSide::Right: return box.ShowRightBolder;
    case BoxSide::Bottom: break;
    }
    return box.ShowBottomBolder;
}

double fitted(double length) {
    return RoundHalfEven(std::max(length, BoxModel::kMinimumSize) / BoxModel::kTwipsPerPixel, 0) *
           BoxModel::kTwipsPerPixel;
}

}  // namespace

double BoxModel::gridPitch(double length, int count) {
    const double whole = RoundHalfEven(length / count, 0);
    return RoundHalfEven(whole / kTwipsPerPixel, 0) * kTwipsPerPixel;
}

void BoxModel::setRows(int n) {
    if (n < 1 || n > kMaxRows) return;
    spaceEvenly(rowLines, gridPitch(geometry.height, n), n);
}

void BoxModel::setCols(int n) {
    if (n < 1 || n > kMaxRows) return;
    spaceEvenly(colLines, gridPitch(geometry.width, n), n);
}

QString BoxModel::rowHeightText() const { return offsetsText(rowLines); }
QString BoxModel::colWidthText() const { return offsetsText(colLines); }
void BoxModel::setRowHeight(const QString& offsets) { moveTo(rowLines, offsets); }
void BoxModel::setColWidth(const QString& offsets) { moveTo(colLines, offsets); }

void BoxModel::distributeRows() {
    const double pitch = gridPitch(geometry.height, rows());
    geometry.height = pitch * rows();
    spaceEvenly(rowLines, pitch, rows());
    resized();
}

void BoxModel::distributeCols() {
    const double pitch = gridPitch(geometry.width, cols());
    geometry.width = pitch * cols();
    spaceEvenly(colLines, pitch, cols());
    resized();
}

void BoxModel::setShowBolder(BoxSide side, bool shown) { sideFlag(*this, side) = shown || !hasInnerLines(); }

bool BoxModel::showBolder(BoxSide side) const { return sideFlag(*this, side); }

std::array<BorderLine, 4> BoxModel::borderLines() const {
    const double w = geometry.width, h = geometry.height;
    // A pen n pixels wide grows to the right and down: end n − 1 pixels early.
    const double overhang = std::max(BorderWidth - 1, 0) * kTwipsPerPixel;
    const double inner = kTwipsPerPixel;  // the right and bottom lines sit one pixel inside the edge
    return {{
        {QLineF(0, 0, 0, h - overhang), ShowLeftBolder},
        {QLineF(0, 0, w - overhang, 0), ShowTopBolder},
        {QLineF(w - inner, 0, w - inner, h - overhang), ShowRightBolder},
        {QLineF(0, h - inner, w - overhang, h - inner), ShowBottomBolder},
    }};
}

void BoxModel::resized() {
    geometry.width = fitted(geometry.width);
    geometry.height = fitted(geometry.height);
    // Against the final size: a line beyond the edge sits on it.
    keepInside(colLines, geometry.width);
    keepInside(rowLines, geometry.height);
}

void BoxModel::readFields(RecordReader& record) {
    // The box takes its size before its grid, as on the design surface, so
    // evenly spaced lines divide the size it will have.
    resized();
    BorderWidth = record.integer("BorderWidth", 1);
    BorderColor = record.integer("BorderColor", 0);
    RCWidth = record.integer("RCWidth", 1);
    // Rows and Cols space the lines evenly first; the stored offsets then move them.
    setRows(record.integer("Rows", 1));
    setCols(record.integer("Cols", 1));
    setRowHeight(record.text("RowHeight"));
    setColWidth(record.text("ColWidth"));
    PrintBox = record.flag("PrintBox", true);
    // After the grid, so that a box without inner lines keeps all four sides.
    setShowBolder(BoxSide::Left, record.flag("ShowLeftBolder", true));
    setShowBolder(BoxSide::Top, record.flag("ShowTopBolder", true));
    setShowBolder(BoxSide::Right, record.flag("ShowRightBolder", true));
    setShowBolder(BoxSide::Bottom, record.flag("ShowBottomBolder", true));
}

void BoxModel::writeFields(RecordWriter& record) const {
    record.integer("BorderWidth", BorderWidth);
    record.integer("BorderColor", BorderColor);
    record.integer("RCWidth", RCWidth);
    record.integer("Rows", rows());
    record.integer("Cols", cols());
    record.text("RowHeight", rowHeightText());
    record.text("ColWidth", colWidthText());
    record.flag("PrintBox", printBox());
    record.flag("ShowLeftBolder", ShowLeftBolder);
    record.flag("ShowTopBolder", ShowTopBolder);
    record.flag("ShowRightBolder", ShowRightBolder);
    record.flag("ShowBottomBolder", ShowBottomBolder);
}

}  // namespace ky
