#pragma once
// Drawing one element of a template on a surface, from values the filling
// side has already read and bound: text boxes, labels, check boxes, lines,
// boxes and grids, images, page backgrounds. Positions are twips in the
// page's logical scale; font sizes are already multiplied by the zoom.

#include "report/data/value.h"
#include "report/engine/format/format_value.h"
#include "report/engine/surface/surface.h"

#include <QByteArray>
#include <QRectF>
#include <QString>

namespace ky {

// Pen widths in templates are screen pixels; on the printer they grow by the
// ratio of screen to printer pixel size. At least 1.
int PenWidth(const Surface& surface, double width, int zoom);

struct TextBoxDraw {
    QRectF box;
    SurfaceFont font;
    int alignment = 0;   // 0 left, 1 right, 2 centre
    int vAlignment = 0;  // 0 top, 1 bottom, 2 centre
    bool autoSize = false;  // AutoCHSize
    Value value;         // the bound text or value, before formatting
    bool numeric = true;  // false: the value is text whatever it looks like
    FormatOptions format;  // XSWS, ZeroIsNull, RPZero, Format, CusFormat, XYJG, suffix
    double hangJu = 0;   // line spacing in millimetres
    int zoom = 100;
    int foreColor = 0;
    bool backTrans = true;
    bool editCtlWordBreak = true;
    QByteArray qrIcon;   // QRICONStm
    int centerIconSize = 20;
};

// Whether a text box or label is printed line by line (`DrawSpacedText`):
// more than 0.5 mm of line spacing and no AutoCHSize.
bool UsesSpacedText(bool autoSize, double hangJu);

// Shrinks to fit; QR codes for Format 6.
void DrawTextBox(Surface& surface, const TextBoxDraw& draw);
// Line pitch from HangJu; manual line breaking; the estimates when auto-sizing.
void DrawSpacedText(Surface& surface, const TextBoxDraw& draw);
// The font reduced until the text fits the rectangle.
SurfaceFont FitFont(const Surface& surface, SurfaceFont font, const QRectF& rect, const TextFormat& format, const QString& text);

// The estimates of text size in twips used where the target is not asked.
double EstimatedTextWidth(double fontSize, const QString& text);
double EstimatedLineHeight(double fontSize);

struct LabelDraw {
    QRectF box;
    SurfaceFont font;
    int alignment = 0;
    QString caption;
    int foreColor = 0;
    bool backTrans = true;
    bool autoSize = false;
    double hangJu = 0;
    int zoom = 100;
};
// Boxed or spaced by `UsesSpacedText`; centred vertically; no formatting.
void DrawLabel(Surface& surface, const LabelDraw& draw);

struct CheckBoxDraw {
    QRectF box;
    SurfaceFont font;   // the caption's font
    bool checked = false;
    QString caption;
    bool markOnLeft = true;  // ZDuiQi
    int alignment = 0;       // the caption's: 0 left, 1 right, 2 centre
    int foreColor = 0;
    bool autoSize = false;
    double hangJu = 0;
    int zoom = 100;
};
// The mark column (220 twips) at the left or right edge, the caption beside it.
void DrawCheckBox(Surface& surface, const CheckBoxDraw& draw);

struct LineDraw {
    QRectF box;
    int xiexian = 0;
    int lineWidth = 1;  // XianKuan, screen pixels
    int color = 0;
    int zoom = 100;
};
void DrawLine(Surface& surface, const LineDraw& draw);

struct BoxDraw {
    QRectF box;
    int borderWidth = 1;
    int borderColor = 0;
    int rcWidth = 1;
    int rows = 1;
    int cols = 1;
    QString rowHeight;  // "300;600": offsets of the inner lines from the top
    QString colWidth;   // offsets of the inner lines from the left
    bool showLeft = true, showTop = true, showRight = true, showBottom = true;
    int lineWidth = 1;
    int zoom = 100;
};
void DrawBox(Surface& surface, const BoxDraw& draw);

struct ImageDraw {
    QRectF box;
    QByteArray picture;  // a picture file's bytes; anything else draws nothing
    bool autoSize = false;
    int zoom = 100;
};
void DrawImage(Surface& surface, const ImageDraw& draw);

// The page's background picture with its top-left corner at `at`.
void DrawBackground(Surface& surface, const QByteArray& picture, QPointF at);

}  // namespace ky
