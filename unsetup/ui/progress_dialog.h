#pragma once
// Shows the removal going on: six steps ticked off as they are done, a
// progress bar, and at the end the outcome with the failure list behind
// "详细资料...". Its slots are what the removal's thread reaches by queued
// signals.

#include "unsetup/removal.h"

#include <QDialog>
#include <QStringList>

#include <array>

class QLabel;
class QProgressBar;
class QPushButton;

namespace ky::unsetup {

struct DetailsTexts {
    QString title;
    QString caption;
};

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    // An empty title or text keeps the fixed one.
    ProgressDialog(const QString& title, const QString& text, const QString& applicationName,
                   DetailsTexts details, QWidget* parent = nullptr);

public Q_SLOTS:
    void setRange(int total);
    void advance();
    void markStageDone(int stage);
    // `outcome` replaces the text; the failures are listed on request.
    void showFinished(const QString& outcome, const QStringList& failures);

protected:
    // The removal cannot be stopped half-way: closing waits for its end.
    void reject() override;

private:
    void showDetails();

    QLabel* text_;
    std::array<QLabel*, kStageCount> checkMarks_{};
    QProgressBar* progress_;
    QPushButton* detailsButton_;
    QPushButton* okButton_;
    DetailsTexts details_;
    QStringList failures_;
};

}  // namespace ky::unsetup
