#include "report/engine/qt/pictures/svg_document.h"

#include "report/engine/qt/pictures/svg_text.h"

namespace ky {

bool SvgDocument::add(const QByteArray& element) {
    if (full_ || element.size() > maxBytes_ - body_.size()) {
        full_ = true;
        return false;
    }
    body_ += element;
    return true;
}

QByteArray SvgDocument::finish(QSizeF twips) const {
    using svg::number;
    constexpr double kTwipsPerPoint = 20;
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\""
           " width=\"" + number(twips.width() / kTwipsPerPoint) + "pt\" height=\"" +
           number(twips.height() / kTwipsPerPoint) + "pt\" viewBox=\"0 0 " + number(twips.width()) + ' ' +
           number(twips.height()) +
           "\" preserveAspectRatio=\"none\">\n" + body_ + "</svg>\n";
}

}  // namespace ky
