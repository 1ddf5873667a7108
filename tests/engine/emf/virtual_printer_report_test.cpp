// An example report printed on the virtual printer, as the report object's
// file output does, and its page files read back.

#include "engine/emf/emf_reader.h"
#include "engine/emf/virtual_printer_fixture.h"
#include "report/data/json_to_record_sets.h"
#include "report/engine/emf/virtual_printer.h"
#include "report/engine/fill/print_pages.h"

using namespace Qt::StringLiterals;

namespace ky::test {
namespace {

QString exampleText(const QString& relative) {
    return QString::fromUtf8(fileBytes(QStringLiteral(KY_EXAMPLES "/") + relative));
}

TEST_F(VirtualPrinterFixture, LabFeesPrintFourPageFiles) {
    configure(path(u"fees_.emf"_s), {{u"AddFileNameSuffix"_s, u"_%03d"_s}});
    RecordSetList list;
    JsonToRPD_Rst converter;
    ASSERT_TRUE(converter.ParseStringToRPDRs(exampleText(u"data/lab_fees.json"_s)).isEmpty());
    for (int i = 0; i < converter.RPDRecordsetCount(); ++i)
        if (const auto wrapper = converter.RPDRecordset(i)) {
            ASSERT_TRUE(list.addRPDData(wrapper.get()));
        }
    const QString templateXml = exampleText(u"templates/lab_fees.rpx"_s);
    ASSERT_FALSE(templateXml.isEmpty());

    FixedTextMetrics metrics;
    auto job = VirtualPrinter(registry(), [](const QByteArray&) { return std::optional<QImage>(); }).startJob(metrics);
    ASSERT_TRUE(job) << job.error().toStdString();
    ReportEngine engine;
    PrintRequest request{1, u"ALL"_s, 100};
    int totalPages = 0;
    EXPECT_EQ(engine.PrintPages(*job.value(), &templateXml, ReportData(list), totalPages, request), QString());

    EXPECT_EQ(totalPages, 4);
    ASSERT_EQ(job.value()->writtenFiles().size(), 4);
    // The report object waits for this name: the page count in three digits.
    EXPECT_EQ(job.value()->writtenFiles().back(), path(u"fees__004.emf"_s));
    QString pages;
    for (const QString& file : job.value()->writtenFiles()) {
        const auto svg = emfToSvg(file);
        ASSERT_TRUE(svg) << file.toStdString();
        EXPECT_TRUE(svg->contains(u"<svg:text"_s) && svg->contains(u"<svg:path"_s)) << file.toStdString();
        pages += *svg;
    }
    // The first patient's total in capitals, a CJK text of the report.
    EXPECT_TRUE(pages.contains(u"[伍仟贰佰肆拾捌元伍角整]"_s));
}

}  // namespace
}  // namespace ky::test
