// Loads arbitrary bytes as a template. A template either loads or gives the
// load error; one that loads saves, and its save loads and saves to the same
// bytes.
#include "report/template/record_fields.h"
#include "report/template/template_document.h"
#include "fuzz/fuzz_support.h"

#include <cstdint>

using ky::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ky::ReportSession session;
    session.reportName = QStringLiteral("R");
    ky::TemplateDocument document(session);
    const ky::Status loaded = document.loadRPX(ky::makeStream(bytes));
    if (!loaded) {
        check(loaded.error() == ky::kTemplateLoadError, "a load failure with another message");
        return 0;
    }
    const QByteArray first = document.save();
    ky::TemplateDocument again(session);
    check(again.loadRPX(ky::makeStream(first)).ok(), "a saved template does not load");
    check(again.save() == first, "saving a saved template changed it");
    return 0;
}
