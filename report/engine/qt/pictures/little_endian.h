#pragma once
// Little-endian fields of metafile bytes. A field that does not lie wholly
// inside the bytes reads as 0, so that callers check lengths where a short
// read matters and never read past the end where it does not.

#include <QByteArrayView>

#include <cstdint>
#include <type_traits>

namespace ky {

template <typename T>
T readLittleEndian(QByteArrayView bytes, qsizetype at) {
    static_assert(std::is_integral_v<T>);
    if (at < 0 || at > bytes.size() - static_cast<qsizetype>(sizeof(T))) return 0;
    std::make_unsigned_t<T> value = 0;
    for (qsizetype i = sizeof(T); i-- > 0;)
        value = static_cast<std::make_unsigned_t<T>>(value << 8 | static_cast<std::uint8_t>(bytes[at + i]));
    return static_cast<T>(value);
}

}  // namespace ky
