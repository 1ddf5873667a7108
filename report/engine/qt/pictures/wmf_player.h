#pragma once
// Plays a WMF's records into an SVG document as a device context would:
// the selected pen, brush and font, the colours and modes, a stack of saved
// states, the object table and the mapping of logical coordinates. Records
// it does not know, or too short for what they claim, draw nothing.

#include "report/engine/qt/pictures/svg_document.h"
#include "report/engine/qt/pictures/svg_elements.h"
#include "report/engine/qt/pictures/wmf_mapping.h"
#include "report/engine/qt/pictures/wmf_objects.h"
#include "report/engine/qt/pictures/wmf_record.h"
#include "report/engine/qt/pictures/wmf_text_decoder.h"

#include <optional>
#include <vector>

namespace ky {

class WmfPlayer {
public:
    WmfPlayer(const QRect& box, int unitsPerInch, int objectSlots, SvgDocument& out);

    // False once the drawing is to end: the document is full, or the
    // metafile drew more than a picture should.
    bool play(const WmfRecord& record);

private:
    struct State {
        explicit State(const WmfMapping& m) : mapping(m) {}
        WmfMapping mapping;
        WmfPen pen;
        WmfBrush brush;
        WmfFont font;
        QRgb textColor = qRgb(0, 0, 0);
        QRgb backgroundColor = qRgb(255, 255, 255);
        bool opaqueBackground = true;
        bool windingFill = false;
        int textAlign = 0;
        QPointF position;  // logical
    };

    bool playState(const WmfRecord& record);
    bool playObject(const WmfRecord& record);
    void restoreState(int which);
    void select(int index);

    QPointF map(QPointF logical) const { return state_.mapping.map(logical); }
    QRectF mapRect(QPointF corner, QPointF opposite) const { return QRectF(map(corner), map(opposite)).normalized(); }
    std::optional<SvgStroke> stroke() const;
    std::optional<QRgb> fill() const;
    // The shape in the current pen (and brush when filled); a styled line
    // over an opaque background has its gaps in the background colour.
    template <typename Element>
    void drawShape(Element element, bool filled);
    void put(const QByteArray& element);

    void lineTo(const WmfRecord& record);
    void rectangle(const WmfRecord& record, bool rounded);
    void ellipse(const WmfRecord& record);
    enum class ArcKind { Open, Pie, Chord };
    void arc(const WmfRecord& record, ArcKind kind);
    void poly(const WmfRecord& record, bool closed);
    void polyPolygon(const WmfRecord& record);
    void textOut(const WmfRecord& record);
    void extTextOut(const WmfRecord& record);
    void drawText(QPointF logical, QByteArrayView bytes, std::optional<double> advance);
    void fillRect(const QRectF& rect, QRgb color);
    void patternBlit(std::uint32_t rop, QPointF corner, QSizeF size);
    void dibBlit(std::uint32_t rop, QPointF corner, QSizeF size, QByteArrayView dib);
    void stretchDib(const WmfRecord& record);
    void dibStretchBlt(const WmfRecord& record);
    void dibBitBlt(const WmfRecord& record);

    SvgDocument& out_;
    State state_;
    std::vector<State> saved_;
    WmfObjectTable objects_;
    WmfTextDecoder decoder_;
    qint64 elements_ = 0;
    qint64 imagePixels_ = 0;
    bool stopped_ = false;
};

}  // namespace ky
