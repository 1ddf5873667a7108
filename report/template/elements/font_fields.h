#pragma once
// The font fields the text elements share, at the head of their records:
// FontSize, FontName, FontBold, FontItalic, FontUnderline, then Alignment.

#include "report/template/record_fields.h"

#include <QString>

namespace ky {

struct FontFields {
    double FontSize = 9;  // the control's own font
    QString FontName = QStringLiteral("宋体");
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    int Alignment = 2;  // 0 left, 1 right, 2 centred
    friend bool operator==(const FontFields&, const FontFields&) = default;
};

// FontSize reads 0 when absent, Alignment 0; name and styles are required.
void readFontFields(RecordReader& record, FontFields& font);
void writeFontFields(RecordWriter& record, const FontFields& font);

}  // namespace ky
