#pragma once
// Placeable WMF pictures written with libUEMF's WMF writer, so that the
// reader is checked against records it did not write itself; and raw
// records for the broken files no writer makes.

#include <QByteArray>

#include <uwmf.h>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <optional>

namespace ky::test {

class WmfBuilder {
public:
    // A box of 2 × 1 inches at 96 units an inch: 192 × 96 units, each a pixel
    // when the picture loads at its natural size.
    WmfBuilder() {
        wmf_start("/dev/null", 1 << 12, 1 << 12, &track_);
        wmf_htable_create(16, 16, &handles_);
        U_PAIRF* inches = U_PAIRF_set(2, 1);
        wmf_header_append(reinterpret_cast<U_METARECORD*>(U_WMRHEADER_set(inches, 96)), track_, 1);
        std::free(inches);
    }
    ~WmfBuilder() {
        wmf_free(&track_);
        wmf_htable_free(&handles_);
    }
    WmfBuilder(const WmfBuilder&) = delete;
    WmfBuilder& operator=(const WmfBuilder&) = delete;

    // Takes over a record the library made.
    WmfBuilder& add(char* record) {
        wmf_append(reinterpret_cast<U_METARECORD*>(record), track_, 1);
        return *this;
    }

    // A record written by hand (see wmfRecord below).
    WmfBuilder& add(const QByteArray& record) {
        QByteArray copy = record;  // the writer copies it, but takes it mutable
        wmf_append(reinterpret_cast<U_METARECORD*>(copy.data()), track_, 0);
        return *this;
    }

    // Object records: the writer gives each the lowest free slot, returned.
    std::uint32_t pen(U_COLORREF color, std::uint16_t width = 1, std::uint16_t style = U_PS_SOLID) {
        std::uint32_t slot = 0;
        add(wcreatepenindirect_set(&slot, handles_, U_PEN_set(style, width, color)));
        return slot;
    }
    std::uint32_t brush(U_COLORREF color, std::uint16_t style = U_BS_SOLID) {
        std::uint32_t slot = 0;
        add(wcreatebrushindirect_set(&slot, handles_, U_WLOGBRUSH_set(style, color, 0)));
        return slot;
    }
    std::uint32_t font(std::int16_t height, std::uint8_t charset, const QByteArray& face) {
        QByteArray name = face;
        U_FONT* font = U_FONT_set(height, 0, 0, 0, 400, 0, 0, 0, charset, 0, 0, 0, 0, name.data());
        std::uint32_t slot = 0;
        add(wcreatefontindirect_set(&slot, handles_, font));
        std::free(font);
        return slot;
    }
    WmfBuilder& select(std::uint32_t slot) { return add(wselectobject_set(slot, handles_)); }
    WmfBuilder& remove(std::uint32_t slot) { return add(wdeleteobject_set(&slot, handles_)); }
    // A brush created and selected.
    WmfBuilder& fillWith(U_COLORREF color) { return select(brush(color)); }
    WmfBuilder& rectangle(int left, int top, int right, int bottom) {
        return add(U_WMRRECTANGLE_set(U_RECT16_set(point16_set(left, top), point16_set(right, bottom))));
    }

    // The file, ended by its end record.
    QByteArray bytes() {
        add(U_WMREOF_set());
        wmf_finish(track_);
        return QByteArray(track_->buf, static_cast<qsizetype>(track_->used));
    }

private:
    WMFTRACK* track_ = nullptr;
    WMFHANDLES* handles_ = nullptr;
};

// A record as raw bytes: its function and parameter words, and its size in
// words, right unless given.
inline QByteArray wmfRecord(std::uint16_t function, std::initializer_list<std::int16_t> parameters,
                            std::optional<std::uint32_t> words = std::nullopt) {
    QByteArray record;
    auto put = [&record](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) record.append(static_cast<char>(v >> (8 * i) & 0xFF));
    };
    put(words.value_or(static_cast<std::uint32_t>(3 + parameters.size())), 4);
    put(function, 2);
    for (std::int16_t p : parameters) put(static_cast<std::uint16_t>(p), 2);
    return record;
}

// The metafile with bytes put in before its end record.
inline QByteArray beforeEnd(const QByteArray& wmf, const QByteArray& inserted) {
    constexpr qsizetype kEndRecord = 6;
    return wmf.first(wmf.size() - kEndRecord) + inserted + wmf.last(kEndRecord);
}

// A 40 × 40 bitmap (24 bits, rows bottom up) whose quarters are red, green
// (top), blue and white (bottom).
struct QuarteredDib {
    static constexpr int kSide = 40;
    QuarteredDib() {
        info = bitmapinfo_set(bitmapinfoheader_set(kSide, kSide, 1, 24, U_BI_RGB, 0, 0, 0, 0, 0), nullptr);
        for (int row = 0; row < kSide; ++row) {  // from the bottom
            for (int x = 0; x < kSide; ++x) {
                const bool top = row >= kSide / 2, left = x < kSide / 2;
                const char* bgr = top ? (left ? "\x00\x00\xFF" : "\x00\xFF\x00")
                                      : (left ? "\xFF\x00\x00" : "\xFF\xFF\xFF");
                pixels.append(bgr, 3);
            }
        }
    }
    ~QuarteredDib() { std::free(info); }
    QuarteredDib(const QuarteredDib&) = delete;
    QuarteredDib& operator=(const QuarteredDib&) = delete;

    U_BITMAPINFO* info = nullptr;
    QByteArray pixels;  // 120 bytes a row: already a whole number of 32-bit words
};

}  // namespace ky::test
