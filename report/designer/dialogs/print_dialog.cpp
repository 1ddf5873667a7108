#include "report/designer/dialogs/print_dialog.h"

#include "report/designer/dialogs/dialog_buttons.h"
#include "platform/ini_file.h"
#include "platform/saturating_int.h"
#include "report/template/value_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace ky::designer {

namespace {

const QString kSection = QStringLiteral("Printer");

}  // namespace

QString PrintDialog::defaultSettingsFile() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("kyreport/Xelmora.ini"));
}

PrintDialog::PrintDialog(PrinterService& printers, ReportSession& session, QString settingsFile, QWidget* parent)
    : QDialog(parent), printers_(printers), session_(session), settingsFile_(std::move(settingsFile)), printer_(new QComboBox),
      server_(new QCheckBox(QStringLiteral("同时显示服务器上的打印机"))), all_(new QCheckBox(QStringLiteral("全部"))),
      pages_(new QLineEdit), copies_(new QLineEdit), quality_(new QComboBox), monochrome_(new QCheckBox(QStringLiteral("黑白输出"))) {
    setWindowTitle(QStringLiteral("打印"));
    printer_->setAccessibleName(QStringLiteral("打印机"));
    pages_->setAccessibleName(QStringLiteral("页码范围"));
    copies_->setAccessibleName(QStringLiteral("份数"));
    quality_->setAccessibleName(QStringLiteral("打印质量"));

    auto* pagesRow = new QHBoxLayout;
    pagesRow->addWidget(all_);
    pagesRow->addWidget(pages_);
    pagesRow->addWidget(new QLabel(QStringLiteral(" 1,2,4,5-7,23-43")));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("打印机"), printer_);
    form->addRow(QString(), server_);
    form->addRow(QStringLiteral("页码范围"), pagesRow);
    form->addRow(QStringLiteral("份数"), copies_);
    form->addRow(QStringLiteral("打印质量"), quality_);
    form->addRow(QString(), monochrome_);
    auto* buttons = okCancelButtons(this, QStringLiteral("打印"), QStringLiteral("取消"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    // The stored choices; the server printers only where the host allows them.
    server_->setEnabled(session.allowPrintToServer);
    server_->setChecked(session.allowPrintToServer && stored("ShowServerPrinter", 0) != 0);
    quality_->addItems({QStringLiteral("草稿"), QStringLiteral("低"), QStringLiteral("一般"), QStringLiteral("高")});
    fillPrinters();
    const int quality = stored("PrintQuality", 0);
    quality_->setCurrentIndex(quality >= 0 && quality < quality_->count() ? quality : 0);
    copies_->setText(QString::number(stored("PrintCopies", 1)));
    monochrome_->setChecked(stored("ColorMode", 2) == 1);
    all_->setChecked(true);
    pages_->setEnabled(false);

    connect(all_, &QCheckBox::toggled, this, [this](bool all) { pages_->setEnabled(!all); });
    connect(printer_, &QComboBox::currentIndexChanged, this, [this](int index) { store("DeviceIndex", index); });
    connect(quality_, &QComboBox::currentIndexChanged, this, [this](int index) { store("PrintQuality", index); });
    connect(copies_, &QLineEdit::textEdited, this,
            [this](const QString& text) { store("PrintCopies", saturatingInt(readNumber(text))); });
    connect(monochrome_, &QCheckBox::toggled, this, [this](bool on) { store("ColorMode", on ? 1 : 2); });
    connect(server_, &QCheckBox::toggled, this, [this](bool on) {
        store("ShowServerPrinter", on ? 1 : 0);
        fillPrinters();
    });
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    loading_ = false;
}

// The system's printers, then the host's server printers when shown; the
// stored position when it is still a printer, else the current printer.
void PrintDialog::fillPrinters() {
    const bool wasLoading = loading_;
    loading_ = true;
    printer_->clear();
    printer_->addItems(printers_.deviceNames());
    if (server_->isChecked())
        for (const QString& name : session_.serverPrinterNames.split(u'|'))
            if (!name.isEmpty()) printer_->addItem(kServerPrinterPrefix + name);
    const int index = stored("DeviceIndex", -1);
    printer_->setCurrentIndex(index >= 0 && index < printer_->count() ? index
                                                                      : printer_->findText(printers_.currentDeviceName()));
    loading_ = wasLoading;
}

int PrintDialog::stored(const char* key, int fallback) const {
    const QString text = readProfileString(settingsFile_, kSection, QString::fromLatin1(key));
    return text.isEmpty() ? fallback : saturatingInt(readNumber(text));
}

void PrintDialog::store(const char* key, int value) const {
    if (loading_) return;
    // A setting that cannot be kept is no reason to stop printing.
    static_cast<void>(writeProfileString(settingsFile_, kSection, QString::fromLatin1(key), QString::number(value)));
}

void PrintDialog::accept() {
    PrintSettings& print = session_.print;
    print.printerName = printer_->currentText();
    const QString pages = pages_->text().trimmed();
    print.pages = all_->isChecked() || pages.isEmpty() ? QStringLiteral("All") : pages;
    print.colorMode = monochrome_->isChecked() ? 1 : 2;
    print.copies = saturatingInt(readNumber(copies_->text()));
    print.printQuality = -(quality_->currentIndex() + 1);
    QDialog::accept();
}

void PrintDialog::reject() {
    session_.print.copies = 0;
    QDialog::reject();
}

}  // namespace ky::designer
