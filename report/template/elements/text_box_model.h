#pragma once
// A text box (QmDesignT): text bound to a field or expression of a record
// set, with number, date and total options; record `Textbox` in `TextBoxs`.

#include "report/template/element_model.h"
#include "report/template/elements/font_fields.h"
#include "platform/byte_stream.h"

#include <QRectF>
#include <QString>

namespace ky {

// The text box's properties with the defaults a control assumes when its own
// stored properties lack an entry. All three columns side by side:
//
//   property          new element  stored default  reading default (absent tag)
//   FontSize          9 (control)  9               0
//   FontName          "宋体"       "宋体"          required
//   FontBold/Italic/Underline      False  False    required
//   Alignment         2            2               0
//   VAlignment        2            2               0, or 2 when AutoCenter is "True"
//   AutoCHSize        True         False           required
//   DataField         ""           ""              "" ("$" read as "&")
//   DataSourceID      0            0               0
//   XSWS              -1           -1              0
//   XYJG              0            0               0
//   ZeroIsNull        False        False           required
//   RPZero            "/"          "/"             ""
//   Format            0            0               0
//   CusFormat         ""           ""              ""
//   HangJu            0.05         0.05            0
//   ForeColor         0            0               0
//   SumLX             ""           ""              ""
//   SumCRSIndex       "0"          "0"             "0"
//   ShowInPage        "默认"       "默认"          "默认"
//   OtherPageText     "/"          ""              ""
//   BackTrans         True         True            True
//   EditCtlWordBreak  True         True            True
//   QRICONStm         none         not stored      none
//   CenterICONSize    30           not stored (20) 20
struct TextBoxProperties : FontFields {
    int VAlignment = 2;  // 0 top (靠上), 1 bottom (靠下), 2 centred (居中)
    bool AutoCHSize = false;
    QString DataField;     // the bound field name or expression
    int DataSourceID = 0;  // index of the record set the field comes from
    int XSWS = -1;         // decimal places; -1: as many as the value has
    double XYJG = 0;       // rounding interval; 0: no rounding
    bool ZeroIsNull = false;
    QString RPZero = QStringLiteral("/");  // printed for zero unless ZeroIsNull
    int Format = 0;                        // 0 general ... 5 custom (CusFormat), 6 QR code
    QString CusFormat;
    double HangJu = 0.05;  // millimetres between wrapped lines
    int ForeColor = 0;
    QString SumLX;  // "无合计", or a field name followed by "！页合计" / "！总合计"
    QString SumCRSIndex = QStringLiteral("0");
    QString ShowInPage = QStringLiteral("默认");  // "默认" every page, "最后一" the last one
    QString OtherPageText;                         // printed where the value is not shown
    bool BackTrans = true;
    bool EditCtlWordBreak = true;
    // Not among the control's stored properties; a model that was neither
    // placed nor read takes the size a record without the tag gets.
    int CenterICONSize = 20;  // percent of the element's width and height

    friend bool operator==(const TextBoxProperties&, const TextBoxProperties&) = default;
};

class TextBoxModel final : public ElementModel, public TextBoxProperties {
public:
    // Smaller widths and heights are raised to this (twips).
    static constexpr double kMinimumSize = 100;

    ElementKind kind() const override { return ElementKind::TextBox; }

    // The picture drawn in the centre of a QR code (Format 6); none by
    // default. Kept apart from the compared properties: streams compare by
    // their bytes, not by identity.
    StreamPtr QRICONStm;

    // What a freshly placed text box holds.
    static TextBoxModel newElement();

    // Raises a width or height below kMinimumSize to it.
    void resized() override;

    // Where the QR code's centre picture goes, in the element's own twips:
    // CenterICONSize percent of each side, centred.
    QRectF centerIconRect() const;

protected:
    void readFields(RecordReader& record) override;
    void writeFields(RecordWriter& record) const override;
};

}  // namespace ky
