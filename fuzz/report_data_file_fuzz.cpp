// Splits arbitrary bytes as a report data file. Whatever splits must pack
// and split again to the same parts.
#include "report/template/report_data_file.h"
#include "fuzz/fuzz_support.h"

#include <cstdint>

using ky::fuzz::check;

namespace {

QByteArray bytesOf(const ky::StreamPtr& stream) { return stream ? stream->bytes() : QByteArray(); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = ky::makeStream(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const auto parts = ky::UnpackReportData(file);
    if (!parts) {
        check(!parts.error().isEmpty(), "a failure without a message");
        return 0;
    }
    const auto again = ky::UnpackReportData(ky::PackReportData(parts->format, parts->data));
    check(again.ok(), "a packed file does not split");
    check(bytesOf(again->format) == bytesOf(parts->format) && bytesOf(again->data) == bytesOf(parts->data),
          "packing changed the parts");
    return 0;
}
