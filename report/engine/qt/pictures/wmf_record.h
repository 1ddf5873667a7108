#pragma once
// One WMF record: its function number and its parameters, the 16-bit words
// after the size and function fields. Reads past the parameters give 0 (see
// little_endian.h); a record that must not draw when short checks words().

#include "report/engine/qt/pictures/little_endian.h"

#include <QByteArrayView>
#include <QPointF>

#include <cstdint>

namespace ky {

class WmfRecord {
public:
    WmfRecord(std::uint16_t function, QByteArrayView parameters) : function_(function), parameters_(parameters) {}

    std::uint16_t function() const { return function_; }
    qsizetype words() const { return parameters_.size() / 2; }

    std::int16_t i16(qsizetype word) const { return readLittleEndian<std::int16_t>(parameters_, word * 2); }
    std::uint16_t u16(qsizetype word) const { return readLittleEndian<std::uint16_t>(parameters_, word * 2); }
    // Two words, the low one first.
    std::uint32_t u32(qsizetype word) const { return readLittleEndian<std::uint32_t>(parameters_, word * 2); }
    std::uint8_t byte(qsizetype offset) const { return readLittleEndian<std::uint8_t>(parameters_, offset); }

    // Most records give a point y first; arrays of points give x first.
    QPointF pointYX(qsizetype word) const { return QPointF(i16(word + 1), i16(word)); }
    QPointF pointXY(qsizetype word) const { return QPointF(i16(word), i16(word + 1)); }

    // count bytes from a word on, or fewer when the parameters end first.
    QByteArrayView bytes(qsizetype fromWord, qsizetype count) const {
        const qsizetype from = fromWord * 2;
        if (fromWord < 0 || count < 0 || from >= parameters_.size()) return {};
        return parameters_.sliced(from, qMin(count, parameters_.size() - from));
    }

private:
    std::uint16_t function_;
    QByteArrayView parameters_;
};

}  // namespace ky
