#include "unsetup/ui/progress_dialog.h"

#include "unsetup/ui/details_dialog.h"
#include "unsetup/ui/dialog_texts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace ky::unsetup {

namespace {

constexpr int kCheckMarkSize = 16;

QLabel* newCheckMark(const QPixmap& pixmap) {
    auto* mark = new QLabel;
    mark->setPixmap(pixmap);
    mark->setFixedSize(kCheckMarkSize, kCheckMarkSize);
    // Hidden marks keep their place, so the captions do not move when ticked.
    QSizePolicy policy = mark->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    mark->setSizePolicy(policy);
    mark->hide();
    return mark;
}

}  // namespace

ProgressDialog::ProgressDialog(const QString& title, const QString& text, const QString& applicationName,
                               DetailsTexts details, QWidget* parent)
    : QDialog(parent), details_(std::move(details)) {
    setWindowTitle(title.isEmpty() ? caption::progressTitle : title);
    auto* layout = new QVBoxLayout(this);
    text_ = new QLabel(text.isEmpty() ? QString(caption::progressText).replace(QStringLiteral("%1"), applicationName) : text);
    text_->setWordWrap(true);
    text_->setMinimumWidth(380);
    layout->addWidget(text_);

    auto* steps = new QGridLayout;
    steps->setContentsMargins(24, 8, 0, 8);
    const QPixmap check = style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(kCheckMarkSize, kCheckMarkSize);
    for (int i = 0; i < kStageCount; ++i) {
        checkMarks_[static_cast<size_t>(i)] = newCheckMark(check);
        steps->addWidget(checkMarks_[static_cast<size_t>(i)], i, 0);
        steps->addWidget(new QLabel(caption::stages[static_cast<size_t>(i)]), i, 1);
    }
    steps->setColumnStretch(1, 1);
    layout->addLayout(steps);

    progress_ = new QProgressBar;
    progress_->setTextVisible(false);
    progress_->setRange(0, 0);
    layout->addWidget(progress_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    detailsButton_ = new QPushButton(caption::details);
    okButton_ = new QPushButton(caption::ok);
    detailsButton_->setEnabled(false);
    okButton_->setEnabled(false);
    buttons->addWidget(detailsButton_);
    buttons->addWidget(okButton_);
    layout->addLayout(buttons);
    connect(detailsButton_, &QPushButton::clicked, this, &ProgressDialog::showDetails);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void ProgressDialog::setRange(int total) {
    progress_->setRange(0, total);
    progress_->setValue(0);
}

void ProgressDialog::advance() { progress_->setValue(qMin(progress_->value() + 1, progress_->maximum())); }

void ProgressDialog::markStageDone(int stage) {
    if (stage >= 0 && stage < kStageCount) checkMarks_[static_cast<size_t>(stage)]->show();
}

void ProgressDialog::showFinished(const QString& outcome, const QStringList& failures) {
    // An empty log leaves the range at 0..0, which would show as busy.
    if (progress_->maximum() == 0) progress_->setRange(0, 1);
    progress_->setValue(progress_->maximum());
    if (!outcome.isEmpty()) text_->setText(outcome);
    failures_ = failures;
    detailsButton_->setEnabled(!failures_.isEmpty());
    okButton_->setEnabled(true);
    okButton_->setDefault(true);
}

void ProgressDialog::reject() {
    if (okButton_->isEnabled()) QDialog::reject();
}

void ProgressDialog::showDetails() { DetailsDialog(details_.title, details_.caption, failures_, this).exec(); }

}  // namespace ky::unsetup
