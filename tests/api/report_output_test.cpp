#include "report/api/rpd.h"
#include "report/api/system_print_targets.h"
#include "report/engine/emf/virtual_printer_service.h"

#include "platform/com_error.h"
#include "platform/ini_file.h"
#include "platform/registry_store.h"
#include "report/engine/output/page_files.h"
#include "report/engine/qt/pictures/picture_loader.h"
#include "report/engine/surface/recording_surface.h"
#include "report/template/report_data_file.h"

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ky {
namespace {

const QString kTemplate = uR"(<Report><Pages><Page><PageNo>1</PageNo><Size><PageWidth>21</PageWidth><PageHeight>29.7</PageHeight>
<PageSize>9</PageSize><Orientation>1</Orientation></Size><Controls><TextBoxs><Textbox><Left>0</Left><Top>0</Top><Width>3000</Width>
<Height>300</Height><DataField>Name</DataField></Textbox></TextBoxs></Controls></Page></Pages><Name>费用</Name></Report>)"_qs;
const QString kData = uR"([{"K":"main","P":"","D":"","U":"","L":"","F":"","R":[{"Name":"李明","No":"A1"},{"Name":"王芳","No":"A2"}]}])"_qs;

// The virtual printer as far as the report object can tell: it reads its
// configuration when the job starts and writes one file per page at the end.
class FakeVirtualPrinterJob final : public RecordingSurface {
public:
    FakeVirtualPrinterJob(const TextMetrics& metrics, QString configFile, bool writes)
        : RecordingSurface(metrics, Mode::Printer), configFile_(std::move(configFile)), writes_(writes) {}
    void endDoc() override {
        RecordingSurface::endDoc();
        if (!writes_) return;
        const QString base = readProfileString(configFile_, u"AutoSave"_qs, u"OutputFile"_qs);
        const QString suffix = readProfileString(configFile_, u"AutoSaveOptions"_qs, u"AddFileNameSuffix"_qs);
        ASSERT_EQ(suffix, u"_%03d"_qs);
        for (std::size_t page = 1; page <= pages().size(); ++page) {
            QFile file(base.left(base.size() - 4) + QString::asprintf("_%03d", static_cast<int>(page)) + u".emf"_qs);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(88, '\0'));
        }
    }

private:
    QString configFile_;
    bool writes_;
};

// A printer that fails while it prints, as a device that runs out of paper.
class FailingPrinter final : public RecordingSurface {
public:
    FailingPrinter(const TextMetrics& metrics, QString failure) : RecordingSurface(metrics, Mode::Printer), failure_(std::move(failure)) {}
    QString error() const override { return failure_; }

private:
    QString failure_;
};

class Targets final : public PrintTargets {
public:
    Targets(QString configFile, bool virtualPrinterWrites) : configFile_(std::move(configFile)), writes_(virtualPrinterWrites) {}
    Result<std::unique_ptr<Surface>> openJob(const QString& deviceName, const PrinterSettings& settings) override {
        jobs.push_back({deviceName, settings.copies});
        if (deviceName == kVirtualPrinterName)
            return std::unique_ptr<Surface>(std::make_unique<FakeVirtualPrinterJob>(metrics_, configFile_, writes_));
        if (!deviceFailure.isEmpty()) return std::unique_ptr<Surface>(std::make_unique<FailingPrinter>(metrics_, deviceFailure));
        return std::unique_ptr<Surface>(std::make_unique<RecordingSurface>(metrics_, RecordingSurface::Mode::Printer));
    }
    std::vector<std::pair<QString, int>> jobs;
    QString deviceFailure;  // the system printers' jobs fail with it

private:
    FixedTextMetrics metrics_;
    QString configFile_;
    bool writes_;
};

class Sink final : public IRPDEvents {
public:
    void PrintReport(QString& name, QString& xml, StreamPtr& stream) override { printed.push_back({name, xml, stream}); }
    void Quit() override { ++quits; }
    struct Printed {
        QString name, xml;
        StreamPtr stream;
    };
    std::vector<Printed> printed;
    int quits = 0;
};

class ReportOutput : public testing::Test {
protected:
    void SetUp() override {
        qputenv("KY_REGISTRY", dir.filePath(u"registry.reg"_qs).toLocal8Bit());
        configFile = dir.filePath(u"kyprint.ini"_qs);
        rpd = std::make_shared<RPD>(session, printers, dir.path());
        rpd->advise(sink);
        rpd->setPageWait({std::chrono::milliseconds(300), std::chrono::milliseconds(10), {}});
    }
    void TearDown() override { qunsetenv("KY_REGISTRY"); }
    void registerVirtualPrinter() {
        ASSERT_TRUE(RegistryStore(RegistryStore::defaultPath()).update([&](RegistryTree& tree) {
            tree.setValue(Hive::LocalMachine, u"SOFTWARE\\kestrow\\kyprint"_qs, u"ConfigFile"_qs, RegistryValue::string(configFile));
        }));
    }
    void useTargets(bool virtualPrinterWrites = true) {
        targets = std::make_shared<Targets>(configFile, virtualPrinterWrites);
        rpd->setPrintTargets(targets);
    }
    void loadReport() {
        ASSERT_TRUE(rpd->SetXmlFormat(kTemplate));
        ASSERT_TRUE(rpd->SetJsonData(kData).isEmpty());
    }

    QTemporaryDir dir;
    QString configFile;
    std::shared_ptr<ReportSession> session = std::make_shared<ReportSession>();
    std::shared_ptr<FixedPrinterService> printers =
        std::make_shared<FixedPrinterService>(QStringList{u"Office"_qs, kVirtualPrinterName});
    std::shared_ptr<Sink> sink = std::make_shared<Sink>();
    std::shared_ptr<Targets> targets;
    std::shared_ptr<RPD> rpd;
};

TEST_F(ReportOutput, PrintReportWithoutATemplateSaysQuitAndPrintsNothing) {
    useTargets();
    EXPECT_NO_THROW(rpd->PrintReport());
    EXPECT_EQ(sink->quits, 1);
    EXPECT_TRUE(targets->jobs.empty());
}

TEST_F(ReportOutput, PrintReportPrintsOnTheCurrentPrinterAndHandsTheReportDataFileBack) {
    useTargets();
    loadReport();
    rpd->setReportName(u"费用清单"_qs);
    rpd->PrintReport();
    ASSERT_EQ(targets->jobs.size(), 1u);
    EXPECT_EQ(targets->jobs[0], std::make_pair(u"Office"_qs, 1));  // copies 0 counts as 1
    ASSERT_EQ(sink->printed.size(), 1u);
    EXPECT_EQ(sink->printed[0].name, u"费用清单"_qs);
    EXPECT_TRUE(sink->printed[0].xml.contains(u"<DataField>Name</DataField>"_qs));
    EXPECT_TRUE(UnpackReportData(sink->printed[0].stream));
}

TEST_F(ReportOutput, PrintingFailuresAreErrors) {
    ASSERT_TRUE(rpd->SetXmlFormat(kTemplate));
    EXPECT_THROW(rpd->PrintReport(), ComError);  // no printer can be opened
    useTargets();
    try {
        rpd->PrintReport();
        FAIL() << "printing without data succeeded";
    } catch (const ComError& error) {
        EXPECT_EQ(error.message(), ReportEngine::kNoDataSource);
    }
}

TEST_F(ReportOutput, APageListPrintsItsPagesOnlyWithTheCopiesAsked) {
    useTargets();
    loadReport();
    rpd->setCopies(2);
    EXPECT_EQ(rpd->printPageList(u"2"_qs), 1);
    EXPECT_EQ(rpd->printPageList(u"all"_qs), 2);
    ASSERT_EQ(targets->jobs.size(), 2u);
    EXPECT_EQ(targets->jobs[0], std::make_pair(u"Office"_qs, 2));
    EXPECT_EQ(sink->printed.size(), 2u);  // each print is announced to the host
}

TEST_F(ReportOutput, APrinterThatFailsIsAnErrorNamingItAndNothingIsAnnounced) {
    useTargets();
    loadReport();
    targets->deviceFailure = u"out of paper"_qs;
    try {
        rpd->PrintReport();
        FAIL() << "a failed print reported success";
    } catch (const ComError& error) {
        EXPECT_EQ(error.message(), u"Office: out of paper"_qs);
    }
    EXPECT_TRUE(sink->printed.empty());
}

TEST_F(ReportOutput, AReportDataFileIsNamedAfterTheKeyFieldWhateverTheExtensionsCase) {
    useTargets();
    loadReport();
    session->recordSets.slots().front()->recordSet()->moveFirst();  // the key is the current record's
    rpd->setKeyName(u" No "_qs);
    rpd->setOutPutFileName(dir.filePath(u"r.RPD"_qs));
    rpd->OutPutReport();
    const StreamPtr file = makeStream();
    ASSERT_TRUE(file->loadFromFile(dir.filePath(u"r_A1.RPD"_qs)));
    EXPECT_TRUE(UnpackReportData(file));

    rpd->setKeyName(QString());
    rpd->setOutPutFileName(dir.filePath(u"r.txt"_qs));
    rpd->OutPutReport();
    EXPECT_FALSE(QFile::exists(dir.filePath(u"r_.txt"_qs)));
    EXPECT_TRUE(targets->jobs.empty());
}

TEST_F(ReportOutput, AWebPageComesFromTheVirtualPrintersPageFilesAndTheSettingsAreRestored) {
    registerVirtualPrinter();
    useTargets();
    loadReport();
    rpd->setOutPutFileName(dir.filePath(u"r.mht"_qs));
    rpd->OutPutReport();
    ASSERT_EQ(targets->jobs.size(), 1u);
    EXPECT_EQ(targets->jobs[0], std::make_pair(kVirtualPrinterName, 1));
    QFile archive(dir.filePath(u"r_.mht"_qs));
    ASSERT_TRUE(archive.open(QIODevice::ReadOnly));
    const QByteArray text = archive.readAll();
    EXPECT_TRUE(text.contains("Content-Location: file:///VZQ02"));
    EXPECT_TRUE(text.contains("<title>" + u"费用"_qs.toUtf8() + "</title>"));
    EXPECT_FALSE(QFile::exists(dir.filePath(u"r__001.emf"_qs)));
    EXPECT_EQ(readProfileString(configFile, u"AutoSave"_qs, u"OutputFile"_qs), u"C:\\"_qs);
    EXPECT_EQ(readProfileString(configFile, u"AutoSaveOptions"_qs, u"AddFileNameSuffix"_qs), u"%04d"_qs);
}

TEST_F(ReportOutput, EmfPageFilesStayAndASilentVirtualPrinterIsAnError) {
    useTargets();
    loadReport();
    rpd->setOutPutFileName(dir.filePath(u"r.emf"_qs));
    registerVirtualPrinter();
    rpd->OutPutReport();
    EXPECT_TRUE(QFile::exists(dir.filePath(u"r__002.emf"_qs)));

    useTargets(false);  // a printer that never writes its files
    rpd->setOutPutFileName(dir.filePath(u"silent.emf"_qs));
    try {
        rpd->OutPutReport();
        FAIL() << "waited for nothing and succeeded";
    } catch (const ComError& error) {
        EXPECT_TRUE(error.message().contains(u"silent__002.emf"_qs)) << error.what();
    }
}

// The real virtual printer, set up on first use, behind the report object.
TEST_F(ReportOutput, TheVirtualPrinterMakesEmfPagesAWebPageAndADocument) {
    qputenv("XDG_CONFIG_HOME", dir.filePath(u"config"_qs).toLocal8Bit());
    auto real = std::make_shared<RPD>(session, withVirtualPrinter(std::make_shared<FixedPrinterService>()), dir.path());
    real->setPrintTargets(std::make_shared<SystemPrintTargets>());
    real->setPageWait({std::chrono::milliseconds(5000), std::chrono::milliseconds(10), {}});
    ASSERT_TRUE(real->SetXmlFormat(kTemplate));
    ASSERT_TRUE(real->SetJsonData(kData).isEmpty());

    real->setOutPutFileName(dir.filePath(u"pages.emf"_qs));
    real->OutPutReport();
    EXPECT_TRUE(QFile::exists(dir.filePath(u"pages__001.emf"_qs)));
    EXPECT_TRUE(QFile::exists(dir.filePath(u"pages__002.emf"_qs)));

    real->setOutPutFileName(dir.filePath(u"report.mht"_qs));
    real->OutPutReport();
    QFile archive(dir.filePath(u"report_.mht"_qs));
    ASSERT_TRUE(archive.open(QIODevice::ReadOnly));
    EXPECT_EQ(archive.readAll().count("Content-Location: file:///VZQ"), 2);
    EXPECT_FALSE(QFile::exists(dir.filePath(u"report__001.emf"_qs)));

    real->setOutPutFileName(dir.filePath(u"report.doc"_qs));
    real->OutPutReport();
    QFile document(dir.filePath(u"report_.doc"_qs));
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    EXPECT_EQ(document.readAll().count("{\\pict\\emfblip"), 2);
    qunsetenv("XDG_CONFIG_HOME");
}

// The virtual printer's pages carry the code itself, readable by a scanner.
TEST_F(ReportOutput, TheVirtualPrinterDrawsQrCodesThatScan) {
    qputenv("XDG_CONFIG_HOME", dir.filePath(u"config"_qs).toLocal8Bit());
    auto real = std::make_shared<RPD>(session, withVirtualPrinter(std::make_shared<FixedPrinterService>()), dir.path());
    real->setPrintTargets(std::make_shared<SystemPrintTargets>());
    real->setPageWait({std::chrono::milliseconds(5000), std::chrono::milliseconds(10), {}});
    ASSERT_TRUE(real->SetXmlFormat(QString(kTemplate).replace(
        u"<Height>300</Height><DataField>Name</DataField>"_qs, u"<Height>3000</Height><DataField>No</DataField><Format>6</Format>"_qs)));
    ASSERT_TRUE(real->SetJsonData(QString(kData).replace(u"\"A1\""_qs, u"\"XCG20261210001\""_qs)).isEmpty());
    real->setOutPutFileName(dir.filePath(u"qr.emf"_qs));
    real->OutPutReport();
    qunsetenv("XDG_CONFIG_HOME");

    QFile page(dir.filePath(u"qr__001.emf"_qs));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    QImage picture = loadPicture(page.readAll());
    ASSERT_FALSE(picture.isNull());
    QImage white(picture.size(), QImage::Format_RGB32);  // the page is white paper under the code
    white.fill(Qt::white);
    QPainter(&white).drawImage(0, 0, picture);
    const QString png = dir.filePath(u"qr.png"_qs);
    ASSERT_TRUE(white.save(png));
    QProcess zbar;
    zbar.start(u"zbarimg"_qs, {u"--quiet"_qs, u"--raw"_qs, png});
    if (!zbar.waitForStarted(10000)) GTEST_SKIP() << "zbarimg (zbar-tools) is not installed";
    ASSERT_TRUE(zbar.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed(), u"XCG20261210001"_qs);
}

}  // namespace
}  // namespace ky
