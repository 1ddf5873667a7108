#include "report/engine/emf/emf_page_writer.h"

#include <uemf.h>

#include <QFile>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace ky {

namespace {

constexpr double kHundredthsOfMillimetrePerInch = 2540;

U_COLORREF colorRefOf(std::uint32_t color) {
    return colorref3_set(color & 0xff, (color >> 8) & 0xff, (color >> 16) & 0xff);
}

U_RECTL rectOf(const QRect& r) { return rectl_set(point32_set(r.left(), r.top()), point32_set(r.right(), r.bottom())); }

std::vector<std::uint16_t> utf16Of(const QString& text) {
    std::vector<std::uint16_t> units(text.utf16(), text.utf16() + text.size());
    units.push_back(0);
    return units;
}

}  // namespace

struct EmfPageWriter::State {
    QString path;
    QString partPath;
    EMFTRACK* track = nullptr;
    EMFHANDLES* handles = nullptr;
    QString failure;
    std::uint32_t font = 0;  // the selected font's handle, 0 when none
    EmfFont fontKey;
    std::optional<std::uint32_t> textColor;

    // Takes over a record the library allocated.
    void append(char* record) {
        if (!record) {
            if (failure.isEmpty()) failure = QStringLiteral("an EMF record could not be built");
            return;
        }
        if (emf_append(reinterpret_cast<U_ENHMETARECORD*>(record), track, 1) != 0 && failure.isEmpty())
            failure = QStringLiteral("out of memory while writing %1").arg(path);
    }
    bool usable() const { return track && handles; }
};

EmfPageWriter::EmfPageWriter(const QString& path, QSize size, QSize dpi, const QString& description)
    : d(std::make_unique<State>()) {
    d->path = path;
    d->partPath = path + QStringLiteral(".part");
    if (emf_start(QFile::encodeName(d->partPath).constData(), 1 << 16, 1 << 16, &d->track) != 0 ||
        emf_htable_create(128, 128, &d->handles) != 0) {
        d->failure = QStringLiteral("cannot create %1").arg(d->partPath);
        return;
    }
    const int width = std::max(1, size.width()), height = std::max(1, size.height());
    const auto frameX = static_cast<std::int32_t>(width * kHundredthsOfMillimetrePerInch / dpi.width());
    const auto frameY = static_cast<std::int32_t>(height * kHundredthsOfMillimetrePerInch / dpi.height());
    // The reference device is the page itself, so its pixels per millimetre are the resolution's.
    std::vector<std::uint16_t> text = utf16Of(description);
    text.push_back(0);
    d->append(U_EMRHEADER_set(rectl_set(point32_set(0, 0), point32_set(width - 1, height - 1)),
                              rectl_set(point32_set(0, 0), point32_set(frameX, frameY)), nullptr,
                              static_cast<U_CBSTR>(text.size()), text.data(), sizel_set(width, height),
                              sizel_set(std::max(1, frameX / 100), std::max(1, frameY / 100)), 0));
    d->append(U_EMRSETMAPMODE_set(U_MM_TEXT));
    d->append(U_EMRSETBKMODE_set(U_TRANSPARENT));
    d->append(U_EMRSETTEXTALIGN_set(U_TA_TOP | U_TA_LEFT));
    d->append(U_EMRSETSTRETCHBLTMODE_set(U_COLORONCOLOR));
}

EmfPageWriter::~EmfPageWriter() {
    if (d->track) {
        // An unfinished page leaves no file behind.
        emf_free(&d->track);
        QFile::remove(d->partPath);
    }
    if (d->handles) emf_htable_free(&d->handles);
}

void EmfPageWriter::text(QPoint at, const QString& line, const std::vector<std::int32_t>& advances, const EmfFont& font,
                         std::uint32_t colorRef) {
    if (!d->usable() || line.isEmpty() || advances.size() != static_cast<std::size_t>(line.size())) return;
    if (!d->font || !(font == d->fontKey)) {
        std::vector<std::uint16_t> face = utf16Of(font.face.left(U_LF_FACESIZE - 1));
        const U_LOGFONT logFont = logfont_set(-font.height, 0, 0, 0, font.bold ? U_FW_BOLD : U_FW_NORMAL, font.italic,
                                              font.underline, 0, U_DEFAULT_CHARSET, U_OUT_DEFAULT_PRECIS,
                                              U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY, U_DEFAULT_PITCH | U_FF_DONTCARE,
                                              face.data());
        std::vector<std::uint16_t> none(1, 0);
        const U_LOGFONT_PANOSE full =
            logfont_panose_set(logFont, face.data(), none.data(), 0, panose_set(0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
        std::uint32_t handle = 0;
        d->append(extcreatefontindirectw_set(&handle, d->handles, nullptr, reinterpret_cast<const char*>(&full)));
        d->append(selectobject_set(handle, d->handles));
        if (d->font) d->append(deleteobject_set(&d->font, d->handles));
        d->font = handle;
        d->fontKey = font;
    }
    if (d->textColor != colorRef) {
        d->append(U_EMRSETTEXTCOLOR_set(colorRefOf(colorRef)));
        d->textColor = colorRef;
    }
    std::int64_t right = at.x();
    for (const std::int32_t advance : advances) right += advance;
    const auto edge = static_cast<std::int32_t>(std::clamp<std::int64_t>(right, INT32_MIN, INT32_MAX));
    const U_RECTL bounds = rectl_set(point32_set(at.x(), at.y()), point32_set(edge, at.y() + font.height));
    std::vector<std::uint16_t> units(line.utf16(), line.utf16() + line.size());
    std::vector<std::uint32_t> dx(advances.begin(), advances.end());
    char* body = emrtext_set(point32_set(at.x(), at.y()), static_cast<U_NUM_STR>(units.size()), 2, units.data(),
                             U_ETO_NONE, bounds, dx.data());
    if (!body) return d->append(nullptr);
    d->append(U_EMREXTTEXTOUTW_set(bounds, U_GM_COMPATIBLE, 1, 1, reinterpret_cast<PU_EMRTEXT>(body)));
    std::free(body);
}

void EmfPageWriter::line(QPoint from, QPoint to, std::uint32_t colorRef, int width) {
    if (!d->usable()) return;
    std::uint32_t pen = 0;
    d->append(createpen_set(&pen, d->handles, logpen_set(U_PS_SOLID, point32_set(std::max(1, width), 0), colorRefOf(colorRef))));
    d->append(selectobject_set(pen, d->handles));
    d->append(U_EMRMOVETOEX_set(point32_set(from.x(), from.y())));
    d->append(U_EMRLINETO_set(point32_set(to.x(), to.y())));
    d->append(selectobject_set(U_BLACK_PEN, d->handles));
    d->append(deleteobject_set(&pen, d->handles));
}

void EmfPageWriter::fillRect(const QRect& rect, std::uint32_t colorRef) {
    if (!d->usable() || rect.isEmpty()) return;
    std::uint32_t brush = 0;
    d->append(createbrushindirect_set(&brush, d->handles, logbrush_set(U_BS_SOLID, colorRefOf(colorRef), 0)));
    d->append(selectobject_set(brush, d->handles));
    d->append(selectobject_set(U_NULL_PEN, d->handles));
    // The rectangle record leaves out its right and bottom edges.
    d->append(U_EMRRECTANGLE_set(rectl_set(point32_set(rect.left(), rect.top()),
                                           point32_set(rect.right() + 1, rect.bottom() + 1))));
    d->append(selectobject_set(U_BLACK_PEN, d->handles));
    d->append(selectobject_set(U_WHITE_BRUSH, d->handles));
    d->append(deleteobject_set(&brush, d->handles));
}

void EmfPageWriter::bitmap(const QRect& target, const DeviceBitmap& bitmap) {
    if (!d->usable() || target.isEmpty() || bitmap.size.isEmpty()) return;
    std::vector<U_RGBQUAD> colors;
    for (const std::uint32_t c : bitmap.palette) colors.push_back(rgbquad_set(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff, 0));
    const U_BITMAPINFOHEADER header = bitmapinfoheader_set(
        bitmap.size.width(), bitmap.size.height(), 1, static_cast<std::uint16_t>(bitmap.bitsPerPixel), U_BI_RGB,
        static_cast<std::uint32_t>(bitmap.rows.size()), 0, 0, static_cast<U_NUM_RGBQUAD>(colors.size()), 0);
    PU_BITMAPINFO info = bitmapinfo_set(header, colors.empty() ? nullptr : colors.data());
    if (!info) return d->append(nullptr);
    QByteArray pixels = bitmap.rows;
    d->append(U_EMRSTRETCHDIBITS_set(rectOf(target), point32_set(target.left(), target.top()),
                                     point32_set(target.width(), target.height()), point32_set(0, 0),
                                     point32_set(bitmap.size.width(), bitmap.size.height()), U_DIB_RGB_COLORS,
                                     U_SRCCOPY, info, static_cast<std::uint32_t>(pixels.size()), pixels.data()));
    std::free(info);
}

Status EmfPageWriter::finish() {
    if (!d->usable()) return fail(d->failure);
    if (d->font) {
        d->append(selectobject_set(U_DEVICE_DEFAULT_FONT, d->handles));
        d->append(deleteobject_set(&d->font, d->handles));
    }
    d->append(U_EMREOF_set(0, nullptr, d->track));
    const QString failure = d->failure;
    const bool written = failure.isEmpty() && emf_finish(d->track, d->handles) == 0;
    emf_free(&d->track);
    if (!written) {
        QFile::remove(d->partPath);
        return fail(failure.isEmpty() ? QStringLiteral("cannot write %1").arg(d->partPath) : failure);
    }
    // rename(2) replaces an older page file in one step.
    if (std::rename(QFile::encodeName(d->partPath).constData(), QFile::encodeName(d->path).constData()) != 0) {
        QFile::remove(d->partPath);
        return fail(QStringLiteral("cannot move the page into %1").arg(d->path));
    }
    return {};
}

}  // namespace ky
