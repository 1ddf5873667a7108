#pragma once
// The print dialog ("打印"): printer, pages, copies, quality and colour, and
// the host's server printers ("服务器上的_" names) when the report object
// allows printing there. Every change is stored at once in the user's
// settings (section "Printer" of the settings file), and OK leaves the
// choices in the session's print settings; Cancel leaves 0 copies there.

#include "platform/printer_service.h"
#include "report/data/report_session.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ky::designer {

// The prefix of a server printer's name in the printer list.
inline const QString kServerPrinterPrefix = QStringLiteral("服务器上的_");

class PrintDialog : public QDialog {
    Q_OBJECT
public:
    // `settingsFile`: the INI file the dialog's choices are kept in.
    PrintDialog(PrinterService& printers, ReportSession& session, QString settingsFile, QWidget* parent = nullptr);

    // The user's settings file of the print dialog: Xelmora.ini under the
    // per-user configuration folder of KyReport.
    static QString defaultSettingsFile();

    QComboBox* printerList() const { return printer_; }
    QCheckBox* serverBox() const { return server_; }
    QCheckBox* allPagesBox() const { return all_; }
    QLineEdit* pagesBox() const { return pages_; }
    QLineEdit* copiesBox() const { return copies_; }
    QComboBox* qualityList() const { return quality_; }
    QCheckBox* monochromeBox() const { return monochrome_; }

    void accept() override;
    void reject() override;

private:
    void fillPrinters();
    int stored(const char* key, int fallback) const;
    void store(const char* key, int value) const;

    PrinterService& printers_;
    ReportSession& session_;
    QString settingsFile_;
    QComboBox* printer_;
    QCheckBox* server_;
    QCheckBox* all_;
    QLineEdit* pages_;
    QLineEdit* copies_;
    QComboBox* quality_;
    QCheckBox* monochrome_;
    bool loading_ = true;  // choices made while loading are not stored
};

}  // namespace ky::designer
