#include "platform/printererror.h"

#include "platform/dialogs.h"

namespace Quillet {

const QString PrinterError::kTitle = QStringLiteral("Printer Error");
const QString PrinterError::kText =
    QStringLiteral("Make sure that you have a printer installed.  If a printer is installed, go "
                   "into your printer properties look under the Setup tab, and make sure the ICM "
                   "checkbox is checked and try printing again.");

void PrinterError::show(Dialogs& dialogs, QWidget* owner)
{
    dialogs.message(owner, kText, MessageButtons::Ok, MessageIcon::None, kTitle);
}

} // namespace Quillet
