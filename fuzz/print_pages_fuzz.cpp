// Fills arbitrary template text against a small fixed report: printed (every
// page) and shown (one page). Whatever the template holds, the run ends and
// gives a message or pages, never a crash or a hang.
#include "fuzz/fuzz_support.h"
#include "report/data/json_to_record_sets.h"
#include "report/engine/fill/print_pages.h"
#include "report/engine/surface/recording_surface.h"

#include <cstdint>

namespace {

const QString kData = QStringLiteral(
    R"([{"K":"main","P":"","D":"","U":"","L":"","F":"","R":[)"
    R"({"Name":"A","Age":3,"Items":[{"Test":"x","Result":1.5},{"Test":"y","Result":2,"Sub":[{"V":1},{"V":2}]}]},)"
    R"({"Name":"B","Age":null,"Items":[{"Test":"z","Result":-1}]}]}])");

ky::RecordSetList makeData() {
    ky::JsonToRPD_Rst converter;
    ky::fuzz::check(converter.ParseStringToRPDRs(kData).isEmpty(), "the fixed data does not convert");
    ky::RecordSetList list;
    for (int i = 0; i < converter.RPDRecordsetCount(); ++i)
        if (const auto wrapper = converter.RPDRecordset(i)) (void)list.addRPDData(wrapper.get());
    return list;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ky::RecordSetList list = makeData();
    const QString xml = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ky::FixedTextMetrics metrics;
    ky::ReportEngine engine;
    for (const auto mode : {ky::RecordingSurface::Mode::Printer, ky::RecordingSurface::Mode::Picture}) {
        ky::RecordingSurface surface(metrics, mode);
        ky::PrintRequest request{2, QStringLiteral("ALL"), 150};
        int total = 0;
        (void)engine.PrintPages(surface, &xml, ky::ReportData(list), total, request);
        ky::fuzz::check(total >= 0, "a negative page count");
        ky::fuzz::check(request.requestedPage <= std::max(total, 2), "the requested page is not clamped");
    }
    return 0;
}
