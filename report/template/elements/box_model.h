#pragma once
// A box or grid (网格或方框, QmJXT): a frame of four border lines and any
// number of inner row and column lines, which is how ruled tables are drawn.
// The grid is kept as the positions of its inner lines; Rows, Cols,
// RowHeight and ColWidth are derived from them, so a template always stores
// what is on screen.

#include "report/template/element_model.h"

#include <QLineF>
#include <QString>

#include <array>
#include <vector>

namespace ky {

// The border lines' indexes.
enum class BoxSide { Left = 0, Top = 1, Right = 2, Bottom = 3 };

struct BorderLine {
    QLineF segment;  // twips from the box's top-left corner
    bool visible = true;
    friend bool operator==(const BorderLine&, const BorderLine&) = default;
};

class BoxModel final : public ElementModel {
public:
    static constexpr int kMaxRows = 999;  // and columns
    // Sizes and grid pitches snap to whole screen pixels of 15 twips.
    static constexpr double kTwipsPerPixel = 15;
    static constexpr double kMinimumSize = 90;

    ElementKind kind() const override { return ElementKind::Box; }

    static BoxModel newElement() { return BoxModel(); }

    int BorderWidth = 2;  // pixels, all four border lines
    int BorderColor = kWindowTextColor;
    int BorderStyle = 1;  // solid; not part of the record
    int RCWidth = 1;      // pixels, the inner lines; only the layout engine uses it
    bool PrintBox = true; // the stored value; printBox() is what the box reports
    bool ShowLeftBolder = true;
    bool ShowTopBolder = true;
    bool ShowRightBolder = true;
    bool ShowBottomBolder = true;

    // Offsets of the inner lines, in line order: row lines from the top edge,
    // column lines from the left edge. Each spans the whole box.
    std::vector<double> rowLines;
    std::vector<double> colLines;

    int rows() const { return static_cast<int>(rowLines.size()) + 1; }
    int cols() const { return static_cast<int>(colLines.size()) + 1; }
    bool hasInnerLines() const { return !rowLines.empty() || !colLines.empty(); }

    // Spaces n − 1 lines evenly, discarding dragged positions; n outside
    // 1..999 is ignored.
    void setRows(int n);
    void setCols(int n);

    // The line offsets joined with ";" ("300;600"); empty for one row.
    QString rowHeightText() const;
    QString colWidthText() const;
    // Moves the existing lines, in order, to the offsets of a ";" list.
    // Extra entries are ignored, lines without an entry stay, and entries
    // that are not numbers read as 0.
    void setRowHeight(const QString& offsets);
    void setColWidth(const QString& offsets);

    // Spaces the lines evenly again; the box's height (or width) becomes
    // pitch × count so that the last row is as high as the others.
    void distributeRows();
    void distributeCols();

    // A box without inner lines shows every side: hiding one is then ignored.
    void setShowBolder(BoxSide side, bool shown);
    bool showBolder(BoxSide side) const;
    // A box without inner lines is always printed.
    bool printBox() const { return PrintBox || !hasInnerLines(); }

    // The four border lines in index order, one pixel inside the right and
    // bottom edges and shortened by the extra pixels of a wide pen, so that
    // thick lines do not hang over the box.
    std::array<BorderLine, 4> borderLines() const;

    // Pitch of `count` evenly spaced lines over `length` twips: whole twips,
    // then a multiple of 15 (both rounded half to even).
    static double gridPitch(double length, int count);

    // At least 90 × 90, rounded to multiples of 15, inner lines kept inside.
    void resized() override;

protected:
    void readFields(RecordReader& record) override;
    void writeFields(RecordWriter& record) const override;
};

}  // namespace ky
