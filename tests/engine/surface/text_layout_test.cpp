#include "report/engine/surface/recording_surface.h"
#include "report/engine/surface/text_layout.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace ky {
namespace {

// 10 points: a Latin character is 100 twips, a wide one 200, a line 240.
const SurfaceFont kFont{u"宋体"_qs, 10, false, false, false};

struct LayoutCase {
    const char* why;
    const char16_t* text;
    double width;
    TextLayoutOptions options;
    QStringList lines;
};

class LayoutText : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutText, BreaksLikeTheDeviceTextCall) {
    const LayoutCase& c = GetParam();
    SCOPED_TRACE(c.why);
    const FixedTextMetrics metrics;
    QStringList lines;
    for (const TextLine& line : layoutText(QString::fromUtf16(c.text), c.width, metrics, kFont, c.options).lines) {
        lines << line.text;
        EXPECT_DOUBLE_EQ(line.width, metrics.width(line.text, kFont));
    }
    EXPECT_EQ(lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LayoutText,
    testing::Values(LayoutCase{"line breaks of every kind", u"a\r\nb\nc\rd", 1000, {}, {u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}},
                    LayoutCase{"an empty text has no line", u"", 1000, {}, {}},
                    LayoutCase{"an empty line counts", u"a\n\nb", 1000, {}, {u"a"_qs, QString(), u"b"_qs}},
                    LayoutCase{"words break at blanks, which end and open no line", u"ab cd  ef", 500, {},
                               {u"ab cd"_qs, u"ef"_qs}},
                    LayoutCase{"wide characters break anywhere", u"血常规检验", 500, {}, {u"血常"_qs, u"规检"_qs, u"验"_qs}},
                    LayoutCase{"a word wider than the line stays whole", u"abcdefgh x", 500, {}, {u"abcdefgh"_qs, u"x"_qs}},
                    LayoutCase{"the edit-control flag cuts it", u"abcdefgh x", 500, {true, true}, {u"abcde"_qs, u"fgh x"_qs}},
                    LayoutCase{"a line narrower than a character still takes one", u"abc", 50, {true, true},
                               {u"a"_qs, u"b"_qs, u"c"_qs}},
                    LayoutCase{"without word break a paragraph is one line", u"ab cd ef", 100, {false, false},
                               {u"ab cd ef"_qs}}));

TEST(MeasureText, OneLineEndsAtItsLastCharacterSeveralKeepTheWidth) {
    const FixedTextMetrics metrics;
    RecordingSurface surface(metrics, RecordingSurface::Mode::Picture);
    const QRectF box(100, 200, 1000, 300);
    EXPECT_EQ(surface.measureText(box, u"abc"_qs, kFont, {}), QRectF(100, 200, 300, 240));
    EXPECT_EQ(surface.measureText(box, u"abcdefgh ijk"_qs, kFont, {}), QRectF(100, 200, 1000, 480));
    // A word wider than the box widens the rectangle.
    EXPECT_EQ(surface.measureText(box, u"abcdefghijkl x"_qs, kFont, {}), QRectF(100, 200, 1200, 480));
    surface.setFont(kFont);
    EXPECT_DOUBLE_EQ(surface.textWidth(u"ab\n血常规"_qs), 600);
    EXPECT_DOUBLE_EQ(surface.textHeight(u"ab\n血常规"_qs), 480);
    EXPECT_DOUBLE_EQ(surface.textHeight(QString()), 240);
}


// Fixed metrics that count how often they are asked.
class CountingMetrics final : public TextMetrics {
public:
    double width(QStringView text, const SurfaceFont& font) const override {
        ++calls;
        return fixed_.width(text, font);
    }
    double lineHeight(const SurfaceFont& font) const override { return fixed_.lineHeight(font); }
    mutable int calls = 0;

private:
    FixedTextMetrics fixed_;
};

QStringList textsOf(const std::vector<TextLine>& lines) {
    QStringList texts;
    for (const TextLine& line : lines) texts << line.text;
    return texts;
}

// Widths swept up and down through every break point, so that the memo is
// asked both where its last layout holds and just past where it stops.
TEST(TextLayoutMemo, GivesWhatAFreshLayoutGivesAtEveryWidth) {
    const FixedTextMetrics metrics;
    TextLayoutMemo memo;
    const QStringList texts{u"ab cd  ef gh"_qs, u"血常规 检验 abc"_qs, u"abcdefgh x\nyz"_qs};
    for (const TextLayoutOptions options : {TextLayoutOptions{}, TextLayoutOptions{true, true}, TextLayoutOptions{false, false}})
        for (const QString& text : texts)
            for (const int direction : {1, -1})
                for (int step = 0; step <= 30; ++step) {
                    const double width = direction > 0 ? 50 * step : 1500 - 50 * step;
                    SCOPED_TRACE(QStringLiteral("%1 at %2").arg(text).arg(width).toStdString());
                    EXPECT_EQ(textsOf(memo.lines(text, width, metrics, kFont, options)),
                              textsOf(layoutText(text, width, metrics, kFont, options).lines));
                }
}

TEST(TextLayoutMemo, MeasuresOnceForATextMeasuredThenDrawnInItsOwnWidth) {
    const CountingMetrics metrics;
    TextLayoutMemo memo;
    const QString text = u"ab cd ef"_qs;
    const auto fitted = memo.lines(text, 1000, metrics, kFont, {});
    const int measured = metrics.calls;
    ASSERT_EQ(fitted.size(), 1u);
    EXPECT_EQ(textsOf(memo.lines(text, fitted.front().width, metrics, kFont, {})), textsOf(fitted));
    EXPECT_EQ(metrics.calls, measured);
    // Another font, text or width that breaks otherwise is laid out anew.
    SurfaceFont bold = kFont;
    bold.bold = true;
    memo.lines(text, 1000, metrics, bold, {});
    EXPECT_GT(metrics.calls, measured);
    EXPECT_EQ(textsOf(memo.lines(text, 500, metrics, kFont, {})), (QStringList{u"ab cd"_qs, u"ef"_qs}));
}

}  // namespace
}  // namespace ky
