#include "report/engine/surface/text_layout.h"

#include <algorithm>

namespace ky {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// A piece that stays whole unless it alone is too wide: a run of blanks, one
// wide character, or a word.
qsizetype pieceEnd(QStringView text, qsizetype start) {
    const auto wideAt = [&](qsizetype i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size())
            return isWideCharacter(QChar::surrogateToUcs4(text[i], text[i + 1]));
        return isWideCharacter(text[i].unicode());
    };
    if (isBlank(text[start])) {
        qsizetype end = start;
        while (end < text.size() && isBlank(text[end])) ++end;
        return end;
    }
    if (wideAt(start)) return start + (text[start].isHighSurrogate() && start + 1 < text.size() ? 2 : 1);
    qsizetype end = start;
    while (end < text.size() && !isBlank(text[end]) && !wideAt(end)) ++end;
    return end;
}

// Widths are summed piece by piece, so that a long paragraph costs time in
// proportion to its length.
class LineBreaker {
public:
    LineBreaker(double maxWidth, const TextMetrics& metrics, const SurfaceFont& font, const TextLayoutOptions& options,
                TextLayout& layout)
        : maxWidth_(maxWidth), metrics_(metrics), font_(font), options_(options), layout_(layout), lines_(layout.lines) {}

    void paragraph(QStringView text) {
        if (!options_.wordBreak) {
            lines_.push_back({text.toString(), width(text)});
            return;
        }
        line_.clear();
        lineWidth_ = 0;
        for (qsizetype start = 0; start < text.size();) {
            const qsizetype end = pieceEnd(text, start);
            const QStringView piece = text.sliced(start, end - start);
            start = end;
            if (isBlank(piece[0])) {
                // Blanks count only when a word follows them on the same line.
                if (!line_.isEmpty()) blanks_ += piece;
                continue;
            }
            const double pieceWidth = width(piece);
            const double blanksWidth = blanks_.isEmpty() ? 0 : width(blanks_);
            // One sum for the test and the line, so that a line measured as fitting
            // is laid out the same way again (floating point is not associative).
            const double widened = lineWidth_ + (blanksWidth + pieceWidth);
            if (!line_.isEmpty()) decided(widened, widened <= maxWidth_);
            if (line_.isEmpty() || widened <= maxWidth_) {
                line_ += blanks_;
                line_ += piece;
                lineWidth_ = widened;
            } else {
                finishLine();
                line_ = piece.toString();
                lineWidth_ = pieceWidth;
            }
            blanks_.clear();
            if (options_.editControl) {
                decided(lineWidth_, lineWidth_ <= maxWidth_);
                if (lineWidth_ > maxWidth_) splitTooWide();
            }
        }
        finishLine();
    }

private:
    double width(QStringView text) const { return metrics_.width(text, font_); }

    // Narrows the widths the lines hold for by one comparison with the line's width.
    void decided(double sum, bool kept) {
        if (kept) layout_.holdsFrom = std::max(layout_.holdsFrom, sum);
        else layout_.breaksFrom = std::min(layout_.breaksFrom, sum);
    }

    void finishLine() {
        lines_.push_back({line_, lineWidth_});
        line_.clear();
        blanks_.clear();
        lineWidth_ = 0;
    }

    // A line wider than allowed is cut between characters, at least one
    // character per line; what fits stays to continue the line.
    void splitTooWide() {
        QString rest = line_;
        line_.clear();
        lineWidth_ = 0;
        QString current;
        double currentWidth = 0;
        for (qsizetype i = 0; i < rest.size();) {
            const qsizetype size = rest[i].isHighSurrogate() && i + 1 < rest.size() ? 2 : 1;
            const QStringView character = QStringView(rest).sliced(i, size);
            const double characterWidth = width(character);
            if (!current.isEmpty()) decided(currentWidth + characterWidth, currentWidth + characterWidth <= maxWidth_);
            if (!current.isEmpty() && currentWidth + characterWidth > maxWidth_) {
                lines_.push_back({current, currentWidth});
                current.clear();
                currentWidth = 0;
            }
            current += character;
            currentWidth += characterWidth;
            i += size;
        }
        line_ = current;
        lineWidth_ = currentWidth;
    }

    double maxWidth_;
    const TextMetrics& metrics_;
    const SurfaceFont& font_;
    const TextLayoutOptions& options_;
    TextLayout& layout_;
    std::vector<TextLine>& lines_;
    QString line_, blanks_;
    double lineWidth_ = 0;
};

}  // namespace

TextLayout layoutText(const QString& text, double maxWidth, const TextMetrics& metrics, const SurfaceFont& font,
                      const TextLayoutOptions& options) {
    TextLayout layout;
    if (text.isEmpty()) return layout;
    LineBreaker breaker(maxWidth, metrics, font, options, layout);
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != u'\r' && text[i] != u'\n') continue;
        breaker.paragraph(QStringView(text).sliced(start, i - start));
        if (i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    return layout;
}

std::vector<TextLine> TextLayoutMemo::lines(const QString& text, double maxWidth, const TextMetrics& metrics,
                                            const SurfaceFont& font, const TextLayoutOptions& options) {
    const bool same = metrics_ == &metrics && layout_.holdsFor(maxWidth) && options_ == options && font_ == font &&
                      text_ == text;
    if (!same) {
        layout_ = layoutText(text, maxWidth, metrics, font, options);
        metrics_ = &metrics;
        text_ = text;
        font_ = font;
        options_ = options;
    }
    return layout_.lines;
}

}  // namespace ky
