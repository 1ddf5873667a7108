#pragma once
// Fonts fitted to boxes, remembered for the last few texts: the cells of a
// child report fit the same text into boxes of the same size again and again,
// and each fitting lays the text out at every size it tries. A fit depends on
// the text, the font, the box's size (not where it is), the layout options
// and the size of a device pixel (the steps of the search).

#include "report/engine/surface/surface_font.h"
#include "report/engine/surface/text_layout.h"

#include <QSizeF>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>

namespace ky {

class FittedFontMemo {
public:
    // Compared member by member in this order: the cheap ones first.
    struct Question {
        QSizeF box;
        double pixel = 0;
        TextLayoutOptions options;
        SurfaceFont font;
        QString text;
        friend bool operator==(const Question&, const Question&) = default;
    };

    std::optional<SurfaceFont> find(const Question& question) const {
        for (const Entry& entry : entries_)
            if (entry.used && entry.question == question) return entry.fitted;
        return std::nullopt;
    }

    void remember(Question question, const SurfaceFont& fitted) {
        entries_[next_] = {std::move(question), fitted, true};
        next_ = (next_ + 1) % entries_.size();
    }

private:
    struct Entry {
        Question question;
        SurfaceFont fitted;
        bool used = false;
    };
    // A cell holds a few text boxes; more than this many is a rare template.
    std::array<Entry, 8> entries_;
    std::size_t next_ = 0;
};

}  // namespace ky
