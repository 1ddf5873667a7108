#pragma once
// A printer whose pages are EMF files, one per page: text as text records,
// lines and rectangles as vector records, pictures as bitmaps. The pages of
// a job are numbered from 1 in the order they are printed; `pageFile` names
// each one. A page is written when the next begins or the job ends.

#include "report/engine/emf/device_colors.h"
#include "report/engine/surface/surface.h"

#include <QImage>
#include <QSize>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace ky {

class EmfPageWriter;

struct EmfSurfaceOptions {
    QSize dpi{600, 600};  // device units per inch
    ColorOptions colors;
};

class EmfSurface final : public Surface {
public:
    using PageFile = std::function<QString(int pageInJob)>;
    // Picture bytes to pixels; nothing when they are no picture.
    using PictureDecoder = std::function<std::optional<QImage>(const QByteArray&)>;
    // The dark modules of a QR code, row by row; empty when the text cannot be encoded.
    using QrModules = std::function<std::vector<std::vector<bool>>(const QString&)>;

    EmfSurface(const TextMetrics& metrics, EmfSurfaceOptions options, PageFile pageFile, PictureDecoder decodePicture,
               QrModules qrModules = {});
    ~EmfSurface() override;

    // The page files written so far, in order.
    const QStringList& writtenFiles() const { return written_; }
    // The first page that could not be written; empty when all were.
    QString error() const override { return error_; }

    bool isPrinter() const override { return true; }
    void setPictureSize(double, double) override {}
    void setScale(double width, double height) override;
    void clear() override {}
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;

    void setDocumentName(const QString& name) override { documentName_ = name; }
    int paperSize() const override { return paperSize_; }
    void setPaperSize(int code) override { paperSize_ = code; }
    void openPage(int number) override;
    void newPage() override;
    void endDoc() override { newPage(); }

    void printText(QPointF at, const QString& text, int color) override;
    void drawText(const QRectF& rect, const QString& text, const SurfaceFont& font, const TextFormat& format, int color) override;
    void drawLine(QPointF from, QPointF to, int color, int penWidth) override;
    void fillRect(const QRectF& rect, int color) override;
    void drawPicture(const QByteArray& bytes, const QRectF& target) override;
    std::optional<QSizeF> pictureSize(const QByteArray& bytes) const override;
    void drawQrCode(const QString& text, const QRectF& square, const QByteArray& icon, int iconPercent) override;

private:
    EmfPageWriter& page();
    QPoint toDevice(QPointF twips) const;
    QRect toDevice(const QRectF& twips) const;
    void drawLines(QPointF topLeft, double boxWidth, const std::vector<TextLine>& lines, const SurfaceFont& font,
                   TextAlignment alignment, int color);

    EmfSurfaceOptions options_;
    PageFile pageFile_;
    PictureDecoder decodePicture_;
    QrModules qrModules_;
    std::unique_ptr<EmfPageWriter> page_;
    int pagesStarted_ = 0;
    QSizeF scale_{11906, 16838};  // A4 until the engine says otherwise
    int paperSize_ = 9;
    QString documentName_;
    QStringList written_;
    QString error_;
};

}  // namespace ky
