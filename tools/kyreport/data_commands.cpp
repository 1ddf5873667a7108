// kyreport data FILE [--stats]: JSON report data through SetJsonData on a
// fresh report object, and the record sets it made, as JSON.

#include "tools/kyreport/command.h"
#include "tools/kyreport/report_inputs.h"

#include "report/api/rpd.h"
#include "platform/base64.h"
#include "platform/com_error.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cstdio>

namespace ky::cli {

namespace {

QJsonValue jsonOf(const Value& value) {
    if (value.isNullOrEmpty()) return QJsonValue::Null;
    if (const auto* b = value.get<bool>()) return *b;
    if (const auto* bytes = value.get<QByteArray>()) return QJsonObject{{QStringLiteral("base64"), encodeBase64(*bytes)}};
    if (value.isNumeric()) return value.toDouble().value_or(0);
    return value.toText();
}

QJsonObject describe(const RPD_RecordSet& wrapper, bool withRows) {
    QJsonObject out{{QStringLiteral("key"), wrapper.key()},
                    {QStringLiteral("parent"), wrapper.ParentRecordsetKey()},
                    {QStringLiteral("description"), wrapper.Description()},
                    {QStringLiteral("linkParentKey"), wrapper.LinkParentKey()},
                    {QStringLiteral("linkChildKey"), wrapper.LinkChildKey()},
                    {QStringLiteral("linkFriendKey"), wrapper.LinkFriendKey()}};
    QJsonArray fields, rows;
    if (const auto records = wrapper.recordSet()) {
        for (int f = 0; f < records->fieldCount(); ++f)
            fields.append(QJsonObject{{QStringLiteral("name"), records->field(f).name},
                                      {QStringLiteral("type"), records->field(f).type},
                                      {QStringLiteral("size"), records->field(f).definedSize}});
        for (qsizetype r = 0; withRows && r < records->totalRowCount(); ++r) {
            QJsonArray row;
            for (int f = 0; f < records->fieldCount(); ++f) row.append(jsonOf(records->cell(r, f)));
            rows.append(row);
        }
    }
    out.insert(QStringLiteral("fields"), fields);
    out.insert(QStringLiteral("rows"), rows);
    return out;
}

void printJson(const Output& io, const QJsonObject& object) {
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), io.out);
}

int data(const QStringList& args, const Output& io) {
    QStringList rest = args;
    const bool stats = rest.removeAll(QStringLiteral("--stats")) > 0;
    if (rest.size() != 1) {
        io.error(QStringLiteral("usage: kyreport data FILE|- [--stats]"));
        return exitUsage;
    }
    auto text = readText(rest.front());
    if (!text) {
        io.error(text.error());
        return exitFailed;
    }
    auto session = std::make_shared<ReportSession>();
    RPD report(session, std::make_shared<FixedPrinterService>(), QString());
    QString message;
    try {
        message = report.SetJsonData(text.value());
    } catch (const ComError& error) {
        printJson(io, QJsonObject{{QStringLiteral("error"), error.message()}});
        return exitUsage;  // the data could not be converted: status 2
    }
    if (stats) {
        for (const auto& wrapper : session->recordSets.slots()) {
            if (!wrapper || !wrapper->recordSet()) continue;
            io.print(QStringLiteral("%1\t%2 fields\t%3 rows\n")
                         .arg(wrapper->key())
                         .arg(wrapper->recordSet()->fieldCount())
                         .arg(wrapper->recordSet()->totalRowCount()));
        }
        if (!message.isEmpty()) io.print(QStringLiteral("message: %1\n").arg(message));
        return exitOk;
    }
    QJsonArray recordSets;
    for (const auto& wrapper : session->recordSets.slots())
        if (wrapper) recordSets.append(describe(*wrapper, true));
    const MainFieldLists& lists = session->mainFieldLists;
    printJson(io, QJsonObject{{QStringLiteral("message"), message},
                              {QStringLiteral("recordsets"), recordSets},
                              {QStringLiteral("fieldLists"), QJsonObject{{QStringLiteral("all"), lists.all},
                                                                         {QStringLiteral("textNum"), lists.textNum},
                                                                         {QStringLiteral("bool"), lists.boolean},
                                                                         {QStringLiteral("bin"), lists.binary}}}});
    return exitOk;
}

}  // namespace

std::vector<Command> dataCommands() {
    return {
        {QStringLiteral("data"), QStringLiteral("data FILE|- [--stats]"),
         QStringLiteral("convert JSON report data (SetJsonData) and print the record sets as JSON; --stats: counts only"),
         data},
    };
}

}  // namespace ky::cli
