// Placeable WMF pictures draw their records: shapes, text and bitmaps land
// where the metafile's mapping puts them, in the selected pen's, brush's and
// font's colours; a broken file draws what came before the break, and
// nothing crashes.

#include "report/engine/qt/pictures/picture_loader.h"
#include "report/engine/qt/pictures/wmf_to_svg.h"
#include "engine/qt/wmf_fixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace ky {
namespace {

using test::beforeEnd;
using test::QuarteredDib;
using test::WmfBuilder;
using test::wmfRecord;

const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255), kWhite = qRgb(255, 255, 255);
const U_COLORREF kRedRef = U_RGB(255, 0, 0), kGreenRef = U_RGB(0, 255, 0), kBlueRef = U_RGB(0, 0, 255);

// A pixel of the picture loaded at its natural size (192 × 96, a pixel a
// logical unit until the metafile maps otherwise); nothing: no ink there.
struct Probe {
    QPoint at;
    std::optional<QRgb> color;
};

void expectProbes(const QImage& image, const std::vector<Probe>& probes) {
    ASSERT_EQ(image.size(), QSize(192, 96));
    for (const Probe& p : probes) {
        SCOPED_TRACE(testing::Message() << "at " << p.at.x() << ", " << p.at.y());
        const QRgb pixel = image.pixel(p.at);
        if (p.color) {
            EXPECT_EQ(qAlpha(pixel), 255);
            EXPECT_EQ(pixel & 0xFFFFFF, *p.color & 0xFFFFFF);
        } else {
            EXPECT_EQ(qAlpha(pixel), 0);
        }
    }
}

struct DrawingCase {
    const char* name;
    std::function<void(WmfBuilder&)> draw;
    std::vector<Probe> probes;
};

void expectDrawings(const std::vector<DrawingCase>& cases) {
    for (const DrawingCase& c : cases) {
        SCOPED_TRACE(c.name);
        WmfBuilder wmf;
        c.draw(wmf);
        expectProbes(loadPicture(wmf.bytes()), c.probes);
    }
}

U_RECT16 box(int left, int top, int right, int bottom) {
    return U_RECT16_set(point16_set(left, top), point16_set(right, bottom));
}

// A circle of radius 40 about (50, 50), and the lines from its centre to
// the right (angle 0) and to the top.
const U_RECT16 kCircle = box(10, 10, 90, 90);
const U_POINT16 kRight = point16_set(90, 50), kTop = point16_set(50, 10);

TEST(WmfPicture, ShapesLandWhereDrawn) {
    const std::vector<U_POINT16> triangle{point16_set(100, 10), point16_set(180, 10), point16_set(180, 90)};
    // An outer square and an inner one, both clockwise.
    const std::vector<U_POINT16> squares{point16_set(10, 10), point16_set(90, 10), point16_set(90, 90),
                                         point16_set(10, 90), point16_set(30, 30), point16_set(70, 30),
                                         point16_set(70, 70), point16_set(30, 70)};
    const std::uint16_t squareCounts[] = {4, 4};
    expectDrawings({
        {"rectangle",
         [](WmfBuilder& w) { w.fillWith(kRedRef).rectangle(20, 10, 80, 50); },
         {{{50, 30}, kRed}, {{10, 30}, {}}, {{50, 60}, {}}, {{90, 30}, {}}}},
        {"rounded rectangle",
         [](WmfBuilder& w) { w.fillWith(kRedRef).add(U_WMRROUNDRECT_set(30, 30, box(20, 10, 80, 50))); },
         {{{50, 30}, kRed}, {{50, 12}, kRed}, {{22, 12}, {}}}},
        {"ellipse",
         [](WmfBuilder& w) { w.fillWith(kGreenRef).add(U_WMRELLIPSE_set(box(100, 10, 180, 90))); },
         {{{140, 50}, kGreen}, {{103, 13}, {}}, {{40, 50}, {}}}},
        {"line",
         [](WmfBuilder& w) {
             w.select(w.pen(kBlueRef, 4));
             w.add(U_WMRMOVETO_set(point16_set(10, 80))).add(U_WMRLINETO_set(point16_set(180, 80)));
         },
         {{{100, 80}, kBlue}, {{100, 70}, {}}, {{5, 80}, {}}}},
        {"polyline, never filled",
         [&](WmfBuilder& w) {
             w.fillWith(kRedRef).select(w.pen(kBlueRef, 4));
             w.add(U_WMRPOLYLINE_set(3, triangle.data()));
         },
         {{{140, 10}, kBlue}, {{180, 50}, kBlue}, {{170, 20}, {}}}},
        {"polygon",
         [&](WmfBuilder& w) { w.fillWith(kRedRef).add(U_WMRPOLYGON_set(3, triangle.data())); },
         {{{170, 20}, kRed}, {{110, 80}, {}}}},
        {"polygons with a hole (alternate filling)",
         [&](WmfBuilder& w) { w.fillWith(kRedRef).add(U_WMRPOLYPOLYGON_set(2, squareCounts, squares.data())); },
         {{{20, 20}, kRed}, {{50, 50}, {}}}},
        {"polygons without a hole (winding filling)",
         [&](WmfBuilder& w) {
             w.fillWith(kRedRef).add(U_WMRSETPOLYFILLMODE_set(U_WINDING));
             w.add(U_WMRPOLYPOLYGON_set(2, squareCounts, squares.data()));
         },
         {{{20, 20}, kRed}, {{50, 50}, kRed}}},
        {"pie, anticlockwise from the start line to the end line",
         [](WmfBuilder& w) { w.fillWith(kRedRef).add(U_WMRPIE_set(kRight, kTop, kCircle)); },
         {{{70, 30}, kRed}, {{30, 30}, {}}, {{30, 70}, {}}, {{70, 70}, {}}}},
        {"chord",
         [](WmfBuilder& w) { w.fillWith(kRedRef).add(U_WMRCHORD_set(kRight, kTop, kCircle)); },
         {{{80, 30}, kRed}, {{50, 50}, {}}, {{30, 70}, {}}}},
        {"arc, outlined only",
         [](WmfBuilder& w) {
             w.fillWith(kRedRef).select(w.pen(kBlueRef, 3));
             w.add(U_WMRARC_set(kRight, kTop, kCircle));
         },
         {{{78, 22}, kBlue}, {{70, 30}, {}}, {{22, 78}, {}}}},
        {"pattern blit in the brush",
         [](WmfBuilder& w) {
             w.fillWith(kRedRef).add(U_WMRPATBLT_set(point16_set(10, 10), point16_set(30, 20), U_PATCOPY));
         },
         {{{25, 20}, kRed}, {{45, 20}, {}}, {{25, 35}, {}}}},
        // By hand: libUEMF writes this rectangle's sides in the reverse order.
        {"opaque rectangle of a text",
         [](WmfBuilder& w) {
             w.add(U_WMRSETBKCOLOR_set(kRedRef));
             // At (20, 10), 1 character, opaque, left, top, right, bottom, a space.
             w.add(wmfRecord(0x0A32, {10, 20, 1, U_ETO_OPAQUE, 20, 10, 80, 50, ' '}));
         },
         {{{50, 30}, kRed}, {{90, 30}, {}}, {{50, 60}, {}}}},
        {"null pen and brush",
         [](WmfBuilder& w) {
             w.select(w.pen(kBlueRef, 1, U_PS_NULL)).select(w.brush(kRedRef, U_BS_NULL));
             w.rectangle(20, 10, 80, 50);
         },
         {{{50, 30}, {}}, {{20, 30}, {}}}},
    });
}

// A styled line is a device pixel wide; over an opaque background its gaps
// take the background colour, over a transparent one they stay empty.
TEST(WmfPicture, DashedLineGapsShowTheBackgroundMode) {
    for (const bool opaque : {true, false}) {
        SCOPED_TRACE(opaque ? "opaque" : "transparent");
        WmfBuilder wmf;
        // Units of half a pixel, moved so that the line runs along the middle of a row of pixels.
        wmf.add(U_WMRSETWINDOWORG_set(point16_set(0, -1))).add(U_WMRSETWINDOWEXT_set(point16_set(384, 192)));
        wmf.add(U_WMRSETBKCOLOR_set(kGreenRef)).add(U_WMRSETBKMODE_set(opaque ? U_OPAQUE : U_TRANSPARENT));
        wmf.select(wmf.pen(U_RGB(0, 0, 0), 0, U_PS_DASH));
        wmf.add(U_WMRMOVETO_set(point16_set(20, 100))).add(U_WMRLINETO_set(point16_set(380, 100)));
        // The first dash runs from x = 10 to 28, the first gap on to 34.
        expectProbes(loadPicture(wmf.bytes()), {{{20, 50}, qRgb(0, 0, 0)},
                                                {{30, 50}, opaque ? std::optional(kGreen) : std::nullopt},
                                                {{20, 49}, {}}});
    }
}

// The metafile's window maps onto the placeable box, however it is set.
TEST(WmfPicture, WindowAndViewportMapOntoTheBox) {
    expectDrawings({
        {"window of its own",
         [](WmfBuilder& w) {
             w.add(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
             w.add(U_WMRSETWINDOWORG_set(point16_set(1000, 1000)));
             w.add(U_WMRSETWINDOWEXT_set(point16_set(2000, 1000)));
             w.fillWith(kRedRef).rectangle(2000, 1000, 3000, 2000);
         },
         {{{150, 50}, kRed}, {{40, 50}, {}}}},
        {"window whose y axis points up",
         [](WmfBuilder& w) {
             w.add(U_WMRSETWINDOWORG_set(point16_set(0, 1000)));
             w.add(U_WMRSETWINDOWEXT_set(point16_set(2000, -1000)));
             w.fillWith(kRedRef).rectangle(0, 0, 1000, 500);
         },
         {{{40, 80}, kRed}, {{40, 20}, {}}, {{150, 80}, {}}}},
        {"viewport on the right half",
         [](WmfBuilder& w) {
             w.add(U_WMRSETWINDOWEXT_set(point16_set(192, 96)));
             w.add(U_WMRSETVIEWPORTORG_set(point16_set(96, 0)));
             w.add(U_WMRSETVIEWPORTEXT_set(point16_set(96, 96)));
             w.fillWith(kRedRef).rectangle(0, 0, 192, 96);
         },
         {{{150, 50}, kRed}, {{40, 50}, {}}}},
        {"isotropic: the smaller scale on both axes",
         [](WmfBuilder& w) {
             w.add(U_WMRSETMAPMODE_set(U_MM_ISOTROPIC));
             w.add(U_WMRSETWINDOWEXT_set(point16_set(100, 100)));
             w.fillWith(kRedRef).rectangle(0, 0, 100, 100);
         },
         {{{40, 50}, kRed}, {{150, 50}, {}}}},
        {"twips, y up",
         [](WmfBuilder& w) {
             w.add(U_WMRSETMAPMODE_set(U_MM_TWIPS));
             w.fillWith(kRedRef).rectangle(0, 0, 1440, -720);
         },
         {{{40, 20}, kRed}, {{150, 20}, {}}, {{40, 70}, {}}}},
    });
}

TEST(WmfPicture, ObjectsAndSavedStates) {
    expectDrawings({
        {"a new object takes the lowest free slot",
         [](WmfBuilder& w) {
             w.brush(kRedRef);
             const std::uint32_t green = w.brush(kGreenRef);
             w.brush(kBlueRef);
             w.remove(green);
             w.brush(U_RGB(255, 255, 255));  // in the green one's slot, 1
             w.add(U_WMRSELECTOBJECT_set(1)).rectangle(20, 10, 80, 50);
         },
         {{{50, 30}, kWhite}}},
        {"a restored state brings its brush back",
         [](WmfBuilder& w) {
             w.fillWith(kRedRef).add(U_WMRSAVEDC_set()).fillWith(kGreenRef);
             w.add(U_WMRRESTOREDC_set(-1)).rectangle(20, 10, 80, 50);
         },
         {{{50, 30}, kRed}}},
        {"a deleted object cannot be selected",
         [](WmfBuilder& w) {
             w.fillWith(kRedRef);
             const std::uint32_t green = w.brush(kGreenRef);
             w.remove(green);
             w.add(U_WMRSELECTOBJECT_set(static_cast<std::uint16_t>(green))).rectangle(20, 10, 80, 50);
         },
         {{{50, 30}, kRed}}},
    });
}

// Text at (20, 20), its top left there, 30 units high: ink in that band.
struct TextCase {
    const char* name;
    std::uint8_t charset;
    QByteArray face, bytes;
    const char* inSvg;  // UTF-8
    bool extended;
};

TEST(WmfPicture, TextInItsCharacterSet) {
    const std::vector<TextCase> cases{
        {"Windows-1252", U_ANSI_CHARSET, "Arial", "Caf\xE9", "Caf\xC3\xA9", false},
        {"GB2312 as GB18030", U_GB2312_CHARSET, "\xCB\xCE\xCC\xE5", "\xCE\xC4\xD7\xD6", "文字", false},
        {"extended output", U_GB2312_CHARSET, "\xCB\xCE\xCC\xE5", "\xCE\xC4\xD7\xD6\xCE\xC4", "文字文", true},
        {"markup escaped", U_ANSI_CHARSET, "Arial", "<b>&amp;", "&lt;b&gt;&amp;amp;", true},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        WmfBuilder wmf;
        wmf.select(wmf.font(-30, c.charset, c.face));
        QByteArray text = c.bytes;
        if (c.extended) {
            wmf.add(U_WMREXTTEXTOUT_set(point16_set(20, 20), static_cast<std::int16_t>(text.size()), 0, text.data(),
                                        nullptr, box(0, 0, 0, 0)));
        } else {
            wmf.add(U_WMRTEXTOUT_set(point16_set(20, 20), text.data()));
        }
        const QByteArray bytes = wmf.bytes();
        const QByteArray svg = wmfToSvg(bytes);
        EXPECT_TRUE(svg.contains(c.inSvg)) << svg.toStdString();
        const QImage image = loadPicture(bytes);
        ASSERT_FALSE(image.isNull());
        int inBand = 0, outside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) < 128 || qGray(p) > 100) continue;
                (y >= 18 && y <= 56 && x >= 18 ? inBand : outside)++;
            }
        EXPECT_GT(inBand, 50);
        EXPECT_EQ(outside, 0);
    }
}

TEST(WmfPicture, BitmapsFillTheirDestination) {
    const QuarteredDib dib;
    const auto cbPx = static_cast<std::uint32_t>(dib.pixels.size());
    const U_POINT16 side = point16_set(QuarteredDib::kSide, QuarteredDib::kSide), origin = point16_set(0, 0);
    // The quarters' centres when the bitmap fills (20, 10)-(100, 90).
    const std::vector<Probe> quarters{{{40, 30}, kRed}, {{80, 30}, kGreen}, {{40, 70}, kBlue}, {{80, 70}, kWhite},
                                      {{120, 50}, {}}};
    expectDrawings({
        {"stretched DIB",
         [&](WmfBuilder& w) {
             w.add(U_WMRSTRETCHDIB_set(point16_set(20, 10), point16_set(80, 80), origin, side, U_DIB_RGB_COLORS,
                                       U_SRCCOPY, dib.info, cbPx, dib.pixels.constData()));
         },
         quarters},
        {"DIB stretch blit",
         [&](WmfBuilder& w) {
             w.add(U_WMRDIBSTRETCHBLT_set(point16_set(20, 10), point16_set(80, 80), origin, side, U_SRCCOPY,
                                          dib.info, cbPx, dib.pixels.constData()));
         },
         quarters},
        {"DIB blit, its logical units twice the pixels",
         [&](WmfBuilder& w) {
             w.add(U_WMRSETWINDOWEXT_set(point16_set(96, 48)));
             w.add(U_WMRDIBBITBLT_set(point16_set(10, 5), side, origin, U_SRCCOPY, dib.info, cbPx,
                                      dib.pixels.constData()));
         },
         quarters},
        {"mirrored by a negative width",
         [&](WmfBuilder& w) {
             w.add(U_WMRSTRETCHDIB_set(point16_set(100, 10), point16_set(-80, 80), origin, side, U_DIB_RGB_COLORS,
                                       U_SRCCOPY, dib.info, cbPx, dib.pixels.constData()));
         },
         {{{40, 30}, kGreen}, {{80, 30}, kRed}, {{40, 70}, kWhite}, {{80, 70}, kBlue}}},
    });
}

// A red rectangle on the left, the broken part, then one on the right: the
// reading stops at a record that does not fit, and skips one whose contents
// do not add up.
struct BrokenCase {
    const char* name;
    QByteArray wmf;
    std::optional<QRgb> left, right;  // nothing: no picture at all
};

std::vector<BrokenCase> brokenCases() {
    auto around = [](const QByteArray& broken) {
        WmfBuilder wmf;
        wmf.fillWith(kRedRef).rectangle(20, 10, 80, 50);
        return beforeEnd(wmf.bytes(), broken + wmfRecord(0x041B, {50, 180, 10, 120}));
    };
    const QByteArray whole = around({});
    constexpr qsizetype kObjectCount = 22 + 10;  // in the metafile header, after the placeable one
    QByteArray manyObjects = whole, noObjects = whole;
    manyObjects[kObjectCount] = manyObjects[kObjectCount + 1] = '\xFF';
    noObjects[kObjectCount] = noObjects[kObjectCount + 1] = '\0';
    constexpr auto kPolygon = 0x0324, kPolyPolygon = 0x0538, kSelect = 0x012D, kTextOut = 0x0521,
                   kExtTextOut = 0x0A32, kStretchDib = 0x0F43, kRestoreDc = 0x0127;
    return {
        {"whole", whole, kRed, kRed},
        {"record of no size", around(wmfRecord(kSelect, {0}, 0)), kRed, {}},
        {"record of two words", around(wmfRecord(kSelect, {0}, 2)), kRed, {}},
        {"record longer than the file", around(wmfRecord(kSelect, {0}, 0x7FFFFFFF)), kRed, {}},
        {"file cut inside a record", whole.first(whole.size() - 10), kRed, {}},
        {"file cut inside its first record", whole.first(22 + 18 + 4), std::nullopt, std::nullopt},
        {"object index out of range", around(wmfRecord(kSelect, {999})), kRed, kRed},
        {"point count past the record", around(wmfRecord(kPolygon, {32767, 0, 0, 10, 10})), kRed, kRed},
        {"polygon counts past the record", around(wmfRecord(kPolyPolygon, {-1, 3, 0, 0})), kRed, kRed},
        {"text longer than its record", around(wmfRecord(kTextOut, {1000, 0x4141, 0, 0})), kRed, kRed},
        {"extended text without its rectangle", around(wmfRecord(kExtTextOut, {0, 0, 4, 6, 0x4141})), kRed, kRed},
        {"bitmap header past the record",
         around(wmfRecord(kStretchDib, {0x20, 0xCC, 0, 1, 1, 0, 0, 9, 9, 0, 0, 40, 0, 40})), kRed, kRed},
        {"bitmap of a hundred thousand pixels a side",
         around(wmfRecord(kStretchDib, {0x20, 0xCC, 0, 1, 1, 0, 0, 9, 9, 0, 0, 40, 0, -31072, 1, -31072, 1, 1, 24,
                                        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})),
         kRed, kRed},
        {"restoring a state never saved", around(wmfRecord(kRestoreDc, {-5})), kRed, kRed},
        {"object count of 65535", manyObjects, kRed, kRed},
        // The brush cannot be created: the rectangles keep the white default.
        {"no object slots", noObjects, kWhite, kWhite},
    };
}

TEST(WmfPicture, BrokenFilesDrawWhatCameBefore) {
    for (const BrokenCase& c : brokenCases()) {
        SCOPED_TRACE(c.name);
        const QImage image = loadPicture(c.wmf);
        if (!c.left) {
            EXPECT_TRUE(image.isNull() || qAlpha(image.pixel(50, 30)) == 0);
            continue;
        }
        expectProbes(image, {{{50, 30}, c.left}, {{150, 30}, c.right}});
    }
}

}  // namespace
}  // namespace ky
