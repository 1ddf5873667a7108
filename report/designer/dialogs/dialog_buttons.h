#pragma once
// The OK and Cancel buttons of the window's dialogs, with their own captions:
// OK is the default button (Return presses it) and accepts, Cancel rejects.

#include <QString>

class QDialog;
class QDialogButtonBox;

namespace ky::designer {

QDialogButtonBox* okCancelButtons(QDialog* dialog, const QString& ok, const QString& cancel);

}  // namespace ky::designer
