// The virtual printer "kestrow printer": its configuration, its page files
// and its place among the installed printers.

#include "engine/emf/emf_reader.h"
#include "engine/emf/virtual_printer_fixture.h"
#include "report/engine/emf/virtual_printer.h"
#include "report/engine/emf/virtual_printer_service.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace ky::test {
namespace {

std::optional<QImage> noPictures(const QByteArray&) { return std::nullopt; }

class VirtualPrinterTest : public VirtualPrinterFixture {
protected:
    // Prints `pages` pages, each with a red square, through a job of the printer.
    std::unique_ptr<EmfSurface> printPages(int pages) {
        auto job = VirtualPrinter(registry(), noPictures).startJob(metrics_);
        EXPECT_TRUE(job) << job.error().toStdString();
        if (!job) return nullptr;
        std::unique_ptr<EmfSurface> surface = std::move(job).value();
        for (int page = 1; page <= pages; ++page) {
            surface->setScale(11906, 16838);
            surface->openPage(page);
            surface->fillRect(QRectF(0, 0, 1440, 1440), 0x0000ff);
            surface->newPage();
        }
        surface->endDoc();
        return surface;
    }

    FixedTextMetrics metrics_;
};

TEST_F(VirtualPrinterTest, ThreePagesOfTheReportObjectEndWithItsLastPageFile) {
    // What the report object writes for an output file r.emf and an empty key.
    const QString base = path(u"r_.emf"_s);
    configure(base, {{u"m_bCreateFileForEachPage"_s, u"1"_s}, {u"m_strColorDepth"_s, u"24"_s},
                     {u"m_strResolution"_s, u"600x600"_s}, {u"m_bGrayscale"_s, u"0"_s}, {u"AddFileNameSuffix"_s, u"_%03d"_s}});
    const auto surface = printPages(3);
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->writtenFiles(), QStringList({path(u"r__001.emf"_s), path(u"r__002.emf"_s), path(u"r__003.emf"_s)}));
    for (const QString& file : surface->writtenFiles()) EXPECT_TRUE(emfToSvg(file)) << file.toStdString();
}

TEST_F(VirtualPrinterTest, OptionsChangeTheFileNamesResolutionAndColours) {
    configure(path(u"gray.emf"_s), {{u"m_strResolution"_s, u"300x300"_s}, {u"m_bGrayscale"_s, u"1"_s},
                                    {u"AddFileNameSuffix"_s, u"%04d"_s}});
    const auto surface = printPages(1);
    ASSERT_TRUE(surface);
    ASSERT_EQ(surface->writtenFiles(), QStringList{path(u"gray0001.emf"_s)});
    const EmfHeader header = emfHeader(fileBytes(path(u"gray0001.emf"_s)));
    EXPECT_EQ(header.boundsRight, 2480 - 1);  // 11906 twips at 300 dpi: 2480 pixels
    EXPECT_TRUE(emfToSvg(path(u"gray0001.emf"_s)).value_or(QString()).contains(u"#4C4C4C"_s));  // red as gray
}

// "C:\" is where the report object sets the printer back after its outputs;
// a drive path means the default output folder here, not a file in the
// printing program's folder named after the drive.
TEST_F(VirtualPrinterTest, WindowsDrivePathsLandInTheDefaultOutputFolder) {
    const struct {
        QString configured, firstPage;
    } cases[] = {{u"C:\\"_s, u"home/Documents/0001.emf"_s},
                 {u"d:/reports\\day.emf"_s, u"home/Documents/reports/day0001.emf"_s}};
    ASSERT_TRUE(QDir().mkpath(path(u"home/Documents/reports"_s)));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.configured.toStdString());
        configure(c.configured, {{u"AddFileNameSuffix"_s, u"%04d"_s}});
        const auto surface = printPages(1);
        ASSERT_TRUE(surface);
        EXPECT_EQ(surface->writtenFiles(), QStringList{path(c.firstPage)});
        EXPECT_TRUE(surface->error().isEmpty()) << surface->error().toStdString();
    }
}

TEST_F(VirtualPrinterTest, RefusedSuffixStopsTheJobBeforeAnyFile) {
    configure(path(u"r.emf"_s), {{u"AddFileNameSuffix"_s, u"%s%n"_s}});
    const auto job = VirtualPrinter(registry(), noPictures).startJob(metrics_);
    ASSERT_FALSE(job);
    EXPECT_TRUE(job.error().contains(u"%s%n"_s)) << job.error().toStdString();
    EXPECT_TRUE(QDir(dir_.path()).entryList({u"*.emf"_s}).isEmpty());
}

TEST_F(VirtualPrinterTest, WithoutTheRegistryValueReadingSaysHowToSetItUp) {
    const auto config = readVirtualPrinterConfig(registry());
    ASSERT_FALSE(config);
    EXPECT_TRUE(config.error().contains(u"kyprint-setup"_s)) << config.error().toStdString();
}

TEST_F(VirtualPrinterTest, FirstJobWorksOutOfTheBox) {
    const auto surface = printPages(2);
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->writtenFiles(),
              QStringList({path(u"home/Documents/kyprint0001.emf"_s), path(u"home/Documents/kyprint0002.emf"_s)}));
    EXPECT_TRUE(QFileInfo::exists(path(u"config/kyreport/kyprint.ini"_s)));
}

TEST_F(VirtualPrinterTest, FirstUseCreatesTheDefaultConfiguration) {
    RegistryStore store = registry();
    const auto created = ensureDefaultConfiguration(store, defaultConfigurationPath());
    ASSERT_TRUE(created) << created.error().toStdString();
    EXPECT_EQ(created.value(), path(u"config/kyreport/kyprint.ini"_s));
    const auto value = store.read()->value(Hive::LocalMachine, u"Software\\Kestrow\\KyPrint"_s, u"configfile"_s);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->text, created.value());

    const auto config = readVirtualPrinterConfig(store);
    ASSERT_TRUE(config) << config.error().toStdString();
    EXPECT_EQ(config->dpi, QSize(600, 600));
    EXPECT_FALSE(config->colors.grayscale);
    EXPECT_EQ(config->suffix.pageFile(u"a.emf"_s, 1), u"a0001.emf"_s);
    EXPECT_TRUE(config->outputFile.startsWith(path(u"home"_s))) << config->outputFile.toStdString();
}

TEST_F(VirtualPrinterTest, ExistingConfigurationIsKept) {
    configure(path(u"mine.emf"_s), {{u"m_bGrayscale"_s, u"1"_s}});
    RegistryStore store = registry();
    const auto kept = ensureDefaultConfiguration(store, path(u"elsewhere.ini"_s));
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept.value(), path(u"kyprint.ini"_s));
    EXPECT_FALSE(QFileInfo::exists(path(u"elsewhere.ini"_s)));
    EXPECT_TRUE(readVirtualPrinterConfig(store)->colors.grayscale);
}

TEST_F(VirtualPrinterTest, UnreadableSettingsFallBackToTheDefaults) {
    configure(path(u"r.emf"_s), {{u"m_strResolution"_s, u"fast"_s}, {u"m_strColorDepth"_s, u"12"_s}, {u"m_bGrayscale"_s, u"yes"_s}});
    const auto config = readVirtualPrinterConfig(registry());
    ASSERT_TRUE(config) << config.error().toStdString();
    EXPECT_EQ(config->dpi, QSize(600, 600));
    EXPECT_EQ(config->colors.bitsPerPixel, 24);
    EXPECT_FALSE(config->colors.grayscale);
}

TEST(VirtualPrinterServiceTest, ListsTheVirtualPrinterAfterTheSystemOnes) {
    const auto service = withVirtualPrinter(std::make_shared<FixedPrinterService>(QStringList{u"Office"_s, u"Lab"_s}));
    EXPECT_EQ(service->deviceNames(), QStringList({u"Office"_s, u"Lab"_s, u"kestrow printer"_s}));
    EXPECT_EQ(service->currentDeviceName(), u"Office"_s);

    ASSERT_TRUE(service->selectPrinter(u"kestrow printer"_s));
    EXPECT_EQ(service->currentDeviceName(), u"kestrow printer"_s);
    service->setCopies(1);
    ASSERT_TRUE(service->selectPrinter(u"Lab"_s));
    service->setCopies(3);
    EXPECT_EQ(service->currentDeviceName(), u"Lab"_s);
    EXPECT_EQ(service->settings().copies, 3);
    EXPECT_FALSE(service->selectPrinter(u"Missing"_s));
    EXPECT_EQ(service->currentDeviceName(), u"Lab"_s);
}

TEST(VirtualPrinterServiceTest, IsTheCurrentPrinterWhenTheSystemHasNone) {
    const auto service = withVirtualPrinter(std::make_shared<FixedPrinterService>());
    EXPECT_EQ(service->deviceNames(), QStringList{u"kestrow printer"_s});
    EXPECT_EQ(service->currentDeviceName(), u"kestrow printer"_s);
    service->setColorMode(1);
    EXPECT_EQ(service->settings().colorMode, 1);
}

}  // namespace
}  // namespace ky::test
