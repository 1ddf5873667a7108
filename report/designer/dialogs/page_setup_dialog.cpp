#include "report/designer/dialogs/page_setup_dialog.h"

#include "report/designer/dialogs/dialog_buttons.h"
#include "report/template/value_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ky::designer {

namespace {

constexpr int kUserDefined = 256;

QString centimetres(double value) { return writeDecimal(value); }

QLineEdit* numberBox(const QString& name) {
    auto* box = new QLineEdit;
    box->setAccessibleName(name);
    return box;
}

}  // namespace

const std::vector<PageSetupDialog::Paper>& PageSetupDialog::papers() {
    static const std::vector<Paper> list = {
        {QStringLiteral("A3"), 8, 42, 29.7},   {QStringLiteral("A4"), 9, 29.7, 21},  {QStringLiteral("A5"), 11, 21, 14.8},
        {QStringLiteral("B4"), 12, 35.4, 25},  {QStringLiteral("B5"), 13, 25.7, 18.2},
        {QStringLiteral("用户自定义"), kUserDefined, 0, 0},
    };
    return list;
}

int PageSetupDialog::paperIndex(int code) {
    const auto& list = papers();
    for (std::size_t i = 1; i < list.size(); ++i)
        if (list[i].code == code) return static_cast<int>(i);
    return 0;
}

PageSetupDialog::PageSetupDialog(PageSetup& record, ReportSession& session, QWidget* parent)
    : QDialog(parent), record_(record), session_(session), paper_(new QComboBox), height_(numberBox(QStringLiteral("高度"))),
      width_(numberBox(QStringLiteral("宽度"))), portrait_(new QRadioButton(QStringLiteral("纵向"))),
      landscape_(new QRadioButton(QStringLiteral("横向"))), emptyForm_(new QCheckBox(QStringLiteral("打印空表格"))) {
    setWindowTitle(QStringLiteral("页面设置"));
    paper_->setAccessibleName(QStringLiteral("纸张"));
    for (const Paper& paper : papers()) paper_->addItem(paper.name);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("纸张"), paper_);
    form->addRow(QStringLiteral("高度(厘米)"), height_);
    form->addRow(QStringLiteral("宽度(厘米)"), width_);
    const QStringList sides = {QStringLiteral("左边距"), QStringLiteral("上边距"), QStringLiteral("右边距"), QStringLiteral("下边距")};
    for (std::size_t i = 0; i < margins_.size(); ++i) {
        margins_[i] = numberBox(sides[static_cast<int>(i)]);
        form->addRow(sides[static_cast<int>(i)] + QStringLiteral("(厘米)"), margins_[i]);
    }
    auto* orientation = new QGroupBox(QStringLiteral("方向"));
    auto* orientationRow = new QHBoxLayout(orientation);
    orientationRow->addWidget(portrait_);
    orientationRow->addWidget(landscape_);

    auto* buttons = okCancelButtons(this, QStringLiteral("确定"), QStringLiteral("取消"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(orientation);
    layout->addWidget(emptyForm_);
    layout->addWidget(buttons);

    // The record as it stands; a paper chosen by hand fills in its size.
    paper_->setCurrentIndex(paperIndex(record.PageSize));
    height_->setText(centimetres(record.PageHeight));
    width_->setText(centimetres(record.PageWidth));
    const std::array<double, 4> margins = {record.LeftMargin, record.TopMargin, record.RightMargin, record.BottomMargin};
    for (std::size_t i = 0; i < margins_.size(); ++i) margins_[i]->setText(centimetres(margins[i]));
    (record.Orientation == 2 ? landscape_ : portrait_)->setChecked(true);
    emptyForm_->setChecked(session.printEmptyForm);
    const bool userDefined = papers()[static_cast<std::size_t>(paper_->currentIndex())].code == kUserDefined;
    height_->setEnabled(userDefined);
    width_->setEnabled(userDefined);
    connect(paper_, &QComboBox::activated, this, &PageSetupDialog::paperChosen);
}

void PageSetupDialog::paperChosen(int index) {
    if (index < 0 || index >= static_cast<int>(papers().size())) return;
    const Paper& paper = papers()[static_cast<std::size_t>(index)];
    const bool userDefined = paper.code == kUserDefined;
    height_->setEnabled(userDefined);
    width_->setEnabled(userDefined);
    if (userDefined) return;  // the typed size stays
    height_->setText(centimetres(paper.height));
    width_->setText(centimetres(paper.width));
}

// Numbers are read from the start of each box's text; anything else is 0.
void PageSetupDialog::accept() {
    record_.PageHeight = readNumber(height_->text());
    record_.PageWidth = readNumber(width_->text());
    record_.LeftMargin = readNumber(margins_[0]->text());
    record_.TopMargin = readNumber(margins_[1]->text());
    record_.RightMargin = readNumber(margins_[2]->text());
    record_.BottomMargin = readNumber(margins_[3]->text());
    record_.PageSize = papers()[static_cast<std::size_t>(std::max(0, paper_->currentIndex()))].code;
    record_.Orientation = portrait_->isChecked() ? 1 : 2;
    session_.printEmptyForm = emptyForm_->isChecked();
    session_.formatChanged = true;
    QDialog::accept();
}

void PageSetupDialog::reject() {
    record_.PageWidth = 0;
    QDialog::reject();
}

}  // namespace ky::designer
