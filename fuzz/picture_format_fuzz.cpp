// Sniffs arbitrary bytes as a picture file. Every prefix must be read safely,
// and a recognised picture stays recognised with bytes appended, since only
// its header decides.
#include "report/template/elements/picture_format.h"
#include "fuzz/fuzz_support.h"

#include <QByteArray>

#include <algorithm>
#include <cstdint>

using ky::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ky::PictureFormat format = ky::sniffPictureFormat(bytes);
    check(ky::isPicture(bytes) == (format != ky::PictureFormat::None), "isPicture disagrees with the format");

    // Every header ends within the first 138 bytes (a bitmap with a v5 header),
    // so these prefixes cut each kind off at every point of its header.
    const qsizetype prefixes = std::min<qsizetype>(bytes.size(), 256);
    for (qsizetype n = 0; n < prefixes; ++n) (void)ky::sniffPictureFormat(QByteArray(bytes.constData(), n));

    if (format != ky::PictureFormat::None)
        check(ky::sniffPictureFormat(bytes + QByteArray(16, '\xAB')) == format, "appended bytes changed the format");
    return 0;
}
