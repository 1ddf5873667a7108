#pragma once
// The page setup dialog ("页面设置"): paper, size in centimetres, margins,
// orientation and the print-empty-form box, on a copy of the page setup
// record. OK writes the record back and marks the format changed; Cancel sets
// the paper width to 0, which tells the caller that nothing changed.

#include "report/data/report_session.h"
#include "report/template/page_model.h"

#include <QDialog>

#include <array>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace ky::designer {

class PageSetupDialog : public QDialog {
    Q_OBJECT
public:
    // The papers of the list, in its order, with their codes and sizes
    // (height × width, centimetres; user-defined has none).
    struct Paper {
        QString name;
        int code;
        double height, width;
    };
    static const std::vector<Paper>& papers();
    // The list position of a paper code: A3 for any code not listed.
    static int paperIndex(int code);

    PageSetupDialog(PageSetup& record, ReportSession& session, QWidget* parent = nullptr);

    // For tests and accessibility tools: the dialog's controls.
    QComboBox* paperList() const { return paper_; }
    QLineEdit* heightBox() const { return height_; }
    QLineEdit* widthBox() const { return width_; }
    QLineEdit* marginBox(int side) const { return margins_[static_cast<std::size_t>(side)]; }  // left, top, right, bottom
    QRadioButton* portraitButton() const { return portrait_; }
    QRadioButton* landscapeButton() const { return landscape_; }
    QCheckBox* emptyFormBox() const { return emptyForm_; }

    void accept() override;
    void reject() override;

private:
    void paperChosen(int index);

    PageSetup& record_;
    ReportSession& session_;
    QComboBox* paper_;
    QLineEdit* height_;
    QLineEdit* width_;
    std::array<QLineEdit*, 4> margins_{};
    QRadioButton* portrait_;
    QRadioButton* landscape_;
    QCheckBox* emptyForm_;
};

}  // namespace ky::designer
