// Converts arbitrary text as report data, row by row and from the whole tree:
// both give the same message, failure or record sets, and every record set
// numbers its rows in order.
#include "report/data/json_to_record_sets.h"
#include "report/data/record_set_stream.h"
#include "platform/com_error.h"
#include "fuzz/fuzz_support.h"

#include <cstdint>

using ky::fuzz::check;

namespace {

// The message or failure, then for every record set its keys and saved rows.
QByteArray convertAndDescribe(const QString& text, ky::JsonToRPD_Rst::Reading reading) {
    ky::JsonToRPD_Rst converter(reading);
    QString message;
    try {
        message = converter.ParseStringToRPDRs(text);
    } catch (const ky::ComError& error) {
        check(!error.message().isEmpty(), "a failure without a message");
        return "failed: " + error.message().toUtf8();
    }
    QByteArray described = message.toUtf8();
    for (int i = 0; message.isEmpty() && i < converter.RPDRecordsetCount(); ++i) {
        const auto wrapper = converter.RPDRecordset(i);
        if (!wrapper) continue;
        ky::RecordSet& rs = *wrapper->recordSet();
        check(rs.fieldCount() >= 2 && rs.field(0).name == QStringLiteral("RowID"), "a record set without RowID");
        long row = 0;
        for (rs.moveFirst(); !rs.isEof(); rs.moveNext()) check(rs.valueAt(0).toDouble() == ++row, "row numbers out of order");
        described += '|' + (wrapper->key() + u'/' + wrapper->ParentRecordsetKey() + u'/' + wrapper->Description() + u'/' +
                            wrapper->LinkParentKey() + u'/' + wrapper->LinkChildKey() + u'/' + wrapper->LinkFriendKey())
                               .toUtf8() +
                     ky::saveRecordSet(rs);
    }
    return described;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    check(convertAndDescribe(text, ky::JsonToRPD_Rst::Reading::RowByRow) ==
              convertAndDescribe(text, ky::JsonToRPD_Rst::Reading::WholeTree),
          "row-by-row and whole-tree conversion differ");
    return 0;
}
