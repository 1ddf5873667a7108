// Reads arbitrary bytes as registry text; whatever it accepts must write
// back to text that reads as the same registry.
#include "platform/registry_store.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

using ky::Hive;
using ky::RegistryTree;

[[noreturn]] void mismatch(const char* what, const QString& path) {
    std::fprintf(stderr, "round trip changed the %s of key \"%s\"\n", what, path.toUtf8().constData());
    std::abort();
}

// Compares two trees key by key, breadth first, without recursion.
void expectSameTree(const RegistryTree& a, const RegistryTree& b) {
    for (Hive hive : {Hive::ClassesRoot, Hive::CurrentUser, Hive::LocalMachine, Hive::Users}) {
        std::vector<QString> pending{QString()};
        while (!pending.empty()) {
            const QString path = std::move(pending.back());
            pending.pop_back();
            const QStringList names = a.valueNames(hive, path);
            if (names != b.valueNames(hive, path)) mismatch("value names", path);
            for (const QString& name : names)
                if (a.value(hive, path, name) != b.value(hive, path, name)) mismatch("values", path);
            const QStringList children = a.subkeys(hive, path);
            if (children != b.subkeys(hive, path)) mismatch("subkeys", path);
            for (const QString& child : children) pending.push_back(path.isEmpty() ? child : path + u'\\' + child);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto tree = RegistryTree::fromRegText(bytes);
    if (!tree) {
        const QString& error = tree.error();
        if (!error.startsWith(QStringLiteral("line ")) && !error.startsWith(QStringLiteral("registry text"))) {
            std::fprintf(stderr, "error names no line: %s\n", tree.error().toUtf8().constData());
            std::abort();
        }
        return 0;
    }
    const QByteArray text = tree->toRegText();
    const auto again = RegistryTree::fromRegText(text);
    if (!again) {
        std::fprintf(stderr, "written text does not read back: %s\n", again.error().toUtf8().constData());
        std::abort();
    }
    expectSameTree(tree.value(), again.value());
    if (again->toRegText() != text) {
        std::fprintf(stderr, "writing is not stable\n");
        std::abort();
    }
    return 0;
}
