#include "report/engine/fill/element_record.h"

#include "platform/saturating_int.h"
#include "report/template/dom_helpers.h"
#include "report/template/value_text.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace ky {

const RecordTexts::Entry* RecordTexts::find(const char* tag) const {
    const auto found = std::lower_bound(texts.begin(), texts.end(), tag, [](const Entry& entry, const char* name) {
        return std::strcmp(entry.name.constData(), name) < 0;
    });
    return found != texts.end() && std::strcmp(found->name.constData(), tag) == 0 ? &*found : nullptr;
}

const RecordTexts& RecordCache::of(pugi::xml_node node) {
    auto found = byNode_.constFind(node.internal_object());
    if (found == byNode_.constEnd()) {
        auto texts = std::make_shared<RecordTexts>();
        for (pugi::xml_node child : node.children())
            texts->texts.push_back({QByteArray(child.name()), QString::fromUtf8(child.child_value()), std::nullopt});
        // The first child of a name counts, as a lookup by name finds it.
        auto& entries = texts->texts;
        const auto byName = [](const RecordTexts::Entry& a, const RecordTexts::Entry& b) { return a.name < b.name; };
        std::stable_sort(entries.begin(), entries.end(), byName);
        const auto sameName = [](const RecordTexts::Entry& a, const RecordTexts::Entry& b) { return a.name == b.name; };
        entries.erase(std::unique(entries.begin(), entries.end(), sameName), entries.end());
        found = byNode_.insert(node.internal_object(), std::move(texts));
    }
    return **found;
}

QString ElementRecord::text(const char* tag, const QString& fallback) const {
    if (!texts_) return GetChildText(node_, tag, fallback);
    const RecordTexts::Entry* entry = texts_->find(tag);
    return entry ? entry->text : fallback;
}

double ElementRecord::number(const char* tag, double fallback) const {
    double value = 0;
    if (texts_) {
        const RecordTexts::Entry* entry = texts_->find(tag);
        if (!entry) return fallback;
        if (!entry->number) entry->number = readNumber(entry->text);
        value = *entry->number;
    } else {
        if (!node_.child(tag)) return fallback;
        value = readNumber(text(tag));
    }
    return std::isfinite(value) ? value : fallback;
}

int ElementRecord::integer(const char* tag, int fallback) const {
    const double value = number(tag, fallback);
    return roundedInt(value);
}

bool ElementRecord::flag(const char* tag, bool fallback) const {
    if (texts_ ? !texts_->find(tag) : !node_.child(tag)) return fallback;
    return readFlag(text(tag)).value_or(fallback);
}

QByteArray ElementRecord::bytes(const char* tag) const {
    if (texts_) {
        const RecordTexts::Entry* entry = texts_->find(tag);
        if (!entry || entry->text.trimmed().isEmpty()) return {};  // most pictures are empty elements
    }
    auto stream = GetChildStream(node_, QString::fromLatin1(tag));
    if (!stream || !stream.value()) return {};
    return stream.value()->bytes();
}

QRectF ElementRecord::rect(QPointF origin) const {
    return {origin.x() + number("Left"), origin.y() + number("Top"), number("Width"), number("Height")};
}

SurfaceFont ElementRecord::font(int zoom) const {
    SurfaceFont font;
    font.name = text("FontName", QStringLiteral("宋体"));
    const double size = number("FontSize", 9);
    font.size = (size > 0 ? size : 9) * zoom / 100.0;
    font.bold = flag("FontBold", false);
    font.italic = flag("FontItalic", false);
    font.underline = flag("FontUnderline", false);
    return font;
}

}  // namespace ky
