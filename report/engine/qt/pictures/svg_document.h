#pragma once
// An SVG document built element by element, up to a size: past it, elements
// are refused and the drawing ends where it got to.

#include <QByteArray>
#include <QSizeF>

namespace ky {

class SvgDocument {
public:
    explicit SvgDocument(qsizetype maxBytes) : maxBytes_(maxBytes) {}

    // False (and nothing added) when the element would take the document
    // past its size.
    bool add(const QByteArray& element);
    bool full() const { return full_; }

    // The document: a view box of the size in twips (from 0, 0) that fills
    // whatever it is drawn into, and that size as its natural one.
    QByteArray finish(QSizeF twips) const;

private:
    qsizetype maxBytes_;
    QByteArray body_;
    bool full_ = false;
};

}  // namespace ky
