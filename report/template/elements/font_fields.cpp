#include "report/template/elements/font_fields.h"

namespace ky {

void readFontFields(RecordReader& record, FontFields& font) {
    font.FontSize = record.number("FontSize", 0);
    font.FontName = record.requiredText("FontName");
    font.FontBold = record.requiredFlag("FontBold");
    font.FontItalic = record.requiredFlag("FontItalic");
    font.FontUnderline = record.requiredFlag("FontUnderline");
    font.Alignment = record.integer("Alignment", 0);
}

void writeFontFields(RecordWriter& record, const FontFields& font) {
    record.number("FontSize", font.FontSize);
    record.text("FontName", font.FontName);
    record.flag("FontBold", font.FontBold);
    record.flag("FontItalic", font.FontItalic);
    record.flag("FontUnderline", font.FontUnderline);
    record.integer("Alignment", font.Alignment);
}

}  // namespace ky
