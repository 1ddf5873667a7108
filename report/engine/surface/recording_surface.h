#pragma once
// A surface that keeps every drawing call of every page as a display list:
// for tests, and for `kyreport dump`. It behaves as a printer (pages follow
// one another) or as a picture (each page replaces the last).

#include "report/engine/surface/surface.h"

#include <functional>
#include <vector>

namespace ky {

struct DrawOp {
    enum class Kind { Text, PrintText, Line, Fill, Picture, QrCode };
    Kind kind = Kind::Text;
    QRectF rect;          // text box, fill, picture, QR square
    QPointF from, to;     // line ends; the point of printed text
    QString text;
    SurfaceFont font;
    int color = 0;
    int penWidth = 0;
    TextAlignment alignment = TextAlignment::Left;
    qsizetype byteCount = 0;  // picture bytes; QR icon bytes
    int iconPercent = 0;
};

struct RecordedPage {
    int number = 0;
    QSizeF scale;
    int paperSize = 0;
    int orientation = 0;
    std::vector<DrawOp> ops;
};

class RecordingSurface : public Surface {
public:
    enum class Mode { Printer, Picture };
    // `pictureSize` reads a picture's natural size (twips); without one no
    // picture has a size.
    using PictureSizer = std::function<std::optional<QSizeF>(const QByteArray&)>;

    RecordingSurface(const TextMetrics& metrics, Mode mode, PictureSizer pictureSize = {});

    const std::vector<RecordedPage>& pages() const { return pages_; }
    const QString& documentName() const { return documentName_; }
    bool ended() const { return ended_; }

    bool isPrinter() const override { return mode_ == Mode::Printer; }
    void setPictureSize(double widthTwips, double heightTwips) override;
    void setScale(double width, double height) override;
    void clear() override;
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;

    void setDocumentName(const QString& name) override { documentName_ = name; }
    int paperSize() const override { return paperSize_; }
    void setPaperSize(int code) override { paperSize_ = code; }
    void setOrientation(int orientation) override { orientation_ = orientation; }
    void openPage(int number) override;
    void newPage() override { pageOpen_ = false; }
    void endDoc() override { ended_ = true; }

    void printText(QPointF at, const QString& text, int color) override;
    void drawText(const QRectF& rect, const QString& text, const SurfaceFont& font, const TextFormat& format, int color) override;
    void drawLine(QPointF from, QPointF to, int color, int penWidth) override;
    void fillRect(const QRectF& rect, int color) override;
    void drawPicture(const QByteArray& bytes, const QRectF& target) override;
    std::optional<QSizeF> pictureSize(const QByteArray& bytes) const override;
    void drawQrCode(const QString& text, const QRectF& square, const QByteArray& icon, int iconPercent) override;

    // A printer of 600 dots per inch.
    static constexpr double kPrinterTwipsPerPixel = 2.4;
    // The screen a picture is shown on: 96 pixels per inch.
    static constexpr double kScreenTwipsPerPixel = 15;

private:
    RecordedPage& page();
    void record(DrawOp op) { page().ops.push_back(std::move(op)); }

    Mode mode_;
    PictureSizer pictureSizer_;
    std::vector<RecordedPage> pages_;
    bool pageOpen_ = false;
    bool ended_ = false;
    QString documentName_;
    QSizeF pictureTwips_{1, 1};
    QSizeF scale_{1, 1};
    int paperSize_ = 9;
    int orientation_ = 1;
};

}  // namespace ky
