#pragma once
// Reading an element's properties straight from its template record, with
// the defaults the filling side uses when a tag is absent.

#include "platform/byte_stream.h"
#include "report/engine/surface/surface_font.h"

#include <QByteArray>
#include <QHash>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <pugixml.hpp>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace ky {

// An element's child texts read once: a template's cells are drawn for every
// row, and each property lookup would otherwise walk the element's children.
struct RecordTexts {
    struct Entry {
        QByteArray name;
        QString text;
        // The text read as a number, on first use: positions and sizes are
        // asked for every cell drawn.
        mutable std::optional<double> number;
    };
    // The first child of each name, sorted by name: a cell asks for some
    // thirty properties each time it is drawn.
    std::vector<Entry> texts;
    const Entry* find(const char* tag) const;
};

// The texts of every element drawn during one run, by node.
class RecordCache {
public:
    const RecordTexts& of(pugi::xml_node node);

private:
    QHash<const void*, std::shared_ptr<const RecordTexts>> byNode_;
};

class ElementRecord {
public:
    explicit ElementRecord(pugi::xml_node node, const RecordTexts* texts = nullptr) : node_(node), texts_(texts) {}

    pugi::xml_node node() const { return node_; }
    QString text(const char* tag, const QString& fallback = {}) const;
    // Numbers read leniently; an absent tag is the fallback (0 unless given).
    double number(const char* tag, double fallback = 0) const;
    int integer(const char* tag, int fallback = 0) const;
    // "True"/"False" in any case, or a number; anything else is the fallback.
    bool flag(const char* tag, bool fallback) const;
    // The bytes of a picture element; empty when absent, empty or not base64.
    QByteArray bytes(const char* tag) const;

    // Left, Top, Width and Height, moved by the container's origin.
    QRectF rect(QPointF origin) const;
    // The element's font, its size multiplied by zoom / 100. A size of 0 or
    // less takes the 9 points of a new element, so that the text shows.
    SurfaceFont font(int zoom) const;

private:
    pugi::xml_node node_;
    const RecordTexts* texts_;
};

// The children of `container`'s collection (for example "TextBoxs") that are
// records of one kind (for example "Textbox"), in document order.
template <class Visit>
void forEachRecord(RecordCache& cache, pugi::xml_node container, const char* collection, Visit visit) {
    for (pugi::xml_node node : container.child(collection).children()) visit(ElementRecord(node, &cache.of(node)));
}

}  // namespace ky
