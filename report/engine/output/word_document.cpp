#include "report/engine/output/word_document.h"

#include "platform/saturating_int.h"

#include <QSaveFile>
#include <QSizeF>

#include <cstring>

namespace ky {

namespace {

// Paper of the printer codes the word processor knows, portrait, in twips.
QSizeF paperOf(const DocumentPageSetup& setup) {
    switch (setup.paperSize == 0 ? 9 : setup.paperSize) {
    case 8: return {16838, 23811};   // A3
    case 11: return {8391, 11906};   // A5
    case 12: return {14570, 20636};  // B4
    case 13: return {10318, 14570};  // B5
    case 256: return {setup.widthTwips, setup.heightTwips};
    default: return {11906, 16838};  // A4, also for codes it does not know
    }
}

// The frame of an EMF header (0.01 mm), as the picture's natural size.
QSizeF emfFrame(const QByteArray& emf) {
    std::int32_t frame[4] = {};
    if (emf.size() < 40) return {};
    std::memcpy(frame, emf.constData() + 24, sizeof frame);
    return {static_cast<double>(frame[2] - frame[0]), static_cast<double>(frame[3] - frame[1])};
}

QByteArray hexLines(const QByteArray& bytes) {
    const QByteArray hex = bytes.toHex();
    QByteArray lines;
    for (qsizetype at = 0; at < hex.size(); at += 128) lines += hex.mid(at, 128) + '\n';
    return lines;
}

QByteArray number(double value) { return QByteArray::number(saturatingInt(value)); }

// One page: the picture stretched over the whole page, then a page break.
QByteArray pagePicture(const QByteArray& emf, const QSizeF& page, bool last) {
    const QSizeF frame = emfFrame(emf);
    QByteArray rtf = "{\\pict\\emfblip\\picw" + number(frame.width()) + "\\pich" + number(frame.height()) + "\\picwgoal" +
                     number(page.width()) + "\\pichgoal" + number(page.height()) + "\n" + hexLines(emf) + "}";
    if (!last) rtf += "\\page\n";
    return rtf;
}

}  // namespace

Status WriteWordDocument(const WordDocumentRequest& request) {
    QSizeF paper = paperOf(request.pageSetup);
    const bool landscape = request.pageSetup.orientation == 2;
    if (landscape) paper.transpose();
    if (paper.width() <= 0 || paper.height() <= 0) return fail(kWordExportFailed);
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0 SimSun;}}\n\\paperw" + number(paper.width()) +
                     "\\paperh" + number(paper.height()) + "\\margl0\\margr0\\margt0\\margb0" + (landscape ? "\\landscape" : "") +
                     "\n\\sectd\\pgwsxn" + number(paper.width()) + "\\pghsxn" + number(paper.height()) +
                     "\\marglsxn0\\margrsxn0\\margtsxn0\\margbsxn0" + (landscape ? "\\lndscpsxn" : "") + "\n\\pard\\plain ";
    for (int page = 1; page <= request.pageCount; ++page) {
        const auto emf = takePageFile(pageFileName(request.outputPath, page), request.wait);
        if (!emf) return fail(kWordExportFailed + u'\n' + emf.error());
        rtf += pagePicture(emf.value(), paper, page == request.pageCount);
    }
    rtf += "\\par}\n";
    QSaveFile file(request.outputPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size() || !file.commit())
        return fail(kWordExportFailed + u'\n' + file.errorString());
    return {};
}

}  // namespace ky
