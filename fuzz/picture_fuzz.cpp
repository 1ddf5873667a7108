// Loads arbitrary bytes as a background or image field's picture: raster
// files through Qt, EMF through libemf2svg, WMF through our reader, both
// metafiles then through Qt SVG. Nothing may crash, and whatever loads has a
// sane size.
#include "report/engine/qt/pictures/metafile.h"
#include "report/engine/qt/pictures/picture_loader.h"
#include "fuzz/fuzz_support.h"

#include <QByteArray>
#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

using ky::fuzz::check;

// Metafile text goes through Qt's font matching, whose fontconfig patterns
// the leak checks between inputs report though fontconfig still holds them.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace {

// Metafiles may hold text, and drawing text needs a GUI application.
void ensureApplication() {
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives as long as the process: the fuzzer never returns from its loop.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    static_cast<void>(app);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ensureApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QImage image = ky::loadPicture(bytes);
    check(image.isNull() || (image.width() > 0 && image.height() > 0 && image.width() <= 20000), "a picture of no size");
    if (const auto twips = ky::metafileSize(bytes)) check(twips->width() > 0 && twips->height() > 0, "a metafile of no size");
    return 0;
}
