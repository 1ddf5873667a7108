#pragma once
// A label (QmDesignL): fixed text on the page, record `Label` in `Labels`.

#include "report/template/element_model.h"
#include "report/template/elements/font_fields.h"

#include <QString>

namespace ky {

// The label's properties with the defaults a control assumes when its own
// stored properties lack an entry. New elements and template records start
// elsewhere; all three columns side by side:
//
//   property       new element  stored default  reading default (absent tag)
//   FontSize       9            9 (control)     0
//   FontName       "宋体"       "宋体"          required
//   FontBold/Italic/Underline   False   False   required
//   Alignment      2            2               0
//   AutoCenter     True         True            required
//   AutoCHSize     False        False           required
//   Caption        "标签"       "标签"          ""
//   HangJu         0.05         0.05            0
//   ForeColor      0            0               0
//   BackTrans      True         True            True
//   VAlignment     2            2               not in the record: kept as it is
struct LabelProperties : FontFields {
    bool AutoCenter = true;  // carried only: labels are placed vertically by VAlignment
    bool AutoCHSize = false;
    QString Caption = QStringLiteral("标签");
    double HangJu = 0.05;  // millimetres between wrapped lines
    int ForeColor = 0;
    bool BackTrans = true;
    // Only among the control's stored properties: a label read from a
    // template is therefore always centred vertically.
    int VAlignment = 2;  // 0 top, 1 bottom, 2 centred

    friend bool operator==(const LabelProperties&, const LabelProperties&) = default;
};

class LabelModel final : public ElementModel, public LabelProperties {
public:
    ElementKind kind() const override { return ElementKind::Label; }

    // What a freshly placed label holds.
    static LabelModel newElement();

protected:
    void readFields(RecordReader& record) override;
    void writeFields(RecordWriter& record) const override;
};

}  // namespace ky
