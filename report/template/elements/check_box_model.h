#pragma once
// A check box (QmCheck): a caption beside a tick box whose state can be bound
// to a field; record `Check` in `Checks`.

#include "report/template/element_model.h"
#include "report/template/elements/font_fields.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringView>

#include <optional>

namespace ky {

// The check box's properties with the defaults a control assumes when its
// own stored properties lack an entry. All three columns side by side:
//
//   property       new element  stored default  reading default (absent tag)
//   FontSize       9 (control)  9               0
//   FontName       "宋体"       "宋体"          required
//   FontBold/Italic/Underline   False   False   required
//   Alignment      2            2               0
//   AutoCenter     True         True            required
//   AutoCHSize     False        False           required
//   Caption        "复选框"     "复选框"        ""
//   HangJu         0.05         0.05            0
//   Value          1            1               required
//   ZDuiQi         True         True            required
//   DataField      ""           ""              ""
//   DataSourceID   0            0               0
//   ForeColor      0            0               0
struct CheckBoxProperties : FontFields {
    bool AutoCenter = true;  // centre the caption vertically
    bool AutoCHSize = false; // size the caption font to the element
    QString Caption = QStringLiteral("复选框");
    double HangJu = 0.05;
    // The tick box's state: 0 clear, 1 ticked, 2 grey. A placed check box
    // shows the inner tick box as it was built, ticked, which is also the
    // state restored when the stored properties lack it.
    int Value = 1;
    bool ZDuiQi = true;  // tick box at the left edge; False: at the right edge
    QString DataField;   // decides the tick at output time
    int DataSourceID = 0;
    int ForeColor = 0;

    friend bool operator==(const CheckBoxProperties&, const CheckBoxProperties&) = default;
};

// Where the caption and the tick box go inside the element, in its own twips.
struct CheckBoxLayout {
    QRectF caption;
    QPointF tickBox;  // top-left corner of the square tick box
    // With AutoCHSize: the caption font size that fits the element, when
    // fitting gave one of at least 1 point.
    std::optional<double> fittedFontSize;
};

// The caption's length in bytes in the Chinese Windows code page (936), which
// the caption metrics count in: 1 for a code point below 0x80, 2 for any other.
int multibyteLength(QStringView text);

// The caption layout of a check box of the given size (twips). Character
// metrics are linear estimates in the font size, so no font is needed.
CheckBoxLayout layoutCheckBoxCaption(const CheckBoxProperties& properties, double width, double height);

class CheckBoxModel final : public ElementModel, public CheckBoxProperties {
public:
    static constexpr double kTickBoxSize = 200;  // twips, square

    CheckBoxModel() { relayout(); }

    ElementKind kind() const override { return ElementKind::Check; }

    // What a freshly placed check box holds.
    static CheckBoxModel newElement();

    // These three change the caption layout, so they re-run it.
    void setAutoCenter(bool value);
    void setAutoCHSize(bool value);
    void setZDuiQi(bool value);

    // Re-runs the caption layout; a fitted font size becomes FontSize. The
    // designer calls it after changing the caption.
    void relayout();
    const CheckBoxLayout& layout() const { return layout_; }

    void resized() override { relayout(); }

protected:
    void readFields(RecordReader& record) override;
    void writeFields(RecordWriter& record) const override;

private:
    CheckBoxLayout layout_;
};

}  // namespace ky
