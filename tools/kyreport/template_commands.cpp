// kyreport normalize: a template loaded and written back page by page, as
// the designer would save it.

#include "tools/kyreport/command.h"
#include "tools/kyreport/report_inputs.h"

#include "report/template/record_fields.h"
#include "report/template/report_data_file.h"
#include "report/template/template_document.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace ky::cli {

namespace {

Result<QByteArray> normalized(const StreamPtr& source) {
    ReportSession session;
    TemplateDocument document(session);
    if (Status loaded = document.loadRPX(source); !loaded) return fail(loaded.error());
    std::vector<int> numbers;
    for (pugi::xml_node page : document.document().child("Report").child("Pages").children("Page"))
        numbers.push_back(pageNumberOf(page));
    std::sort(numbers.begin(), numbers.end());
    for (int n : numbers) {
        if (Status shown = document.showPage(n); !shown) return fail(shown.error());
        document.writeCurrentPage();
    }
    return document.save();
}

int normalize(const QStringList& args, const Output& io) {
    QStringList rest = args;
    QString out;
    if (const qsizetype at = rest.indexOf(QStringLiteral("--out")); at >= 0) {
        if (at + 1 >= rest.size()) {
            io.error(QStringLiteral("kyreport normalize: --out needs a file name"));
            return exitUsage;
        }
        out = rest[at + 1];
        rest.remove(at, 2);
    }
    if (rest.size() != 1) {
        io.error(QStringLiteral("usage: kyreport normalize IN [--out OUT]"));
        return exitUsage;
    }
    auto source = templateOf(rest.front());
    if (!source) {
        io.error(source.error());
        return exitFailed;
    }
    auto bytes = normalized(source.value());
    if (!bytes) {
        io.error(kTemplateLoadError);
        return exitUsage;  // the template could not be loaded: status 2
    }
    if (out.isEmpty()) {
        std::fwrite(bytes->constData(), 1, static_cast<size_t>(bytes->size()), io.out);
        return exitOk;
    }
    if (Status saved = ByteStream(bytes.value()).saveToFile(out); !saved) {
        io.error(saved.error());
        return exitFailed;
    }
    return exitOk;
}

}  // namespace

std::vector<Command> templateCommands() {
    return {
        {QStringLiteral("normalize"), QStringLiteral("normalize IN [--out OUT]"),
         QStringLiteral("load a template (.rpx, or the template of an .rpd) and write it back as a save would"),
         normalize},
    };
}

}  // namespace ky::cli
