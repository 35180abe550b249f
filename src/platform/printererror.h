#pragma once

#include <QString>

class QWidget;

namespace Quillet {

class Dialogs;

// The failure a printer raises when there is no usable printer, and the message that reports it.
class PrinterError final {
public:
    PrinterError() = delete;

    static constexpr int kNumber = 482;
    static const QString kTitle;
    static const QString kText;

    static void show(Dialogs& dialogs, QWidget* owner);
};

} // namespace Quillet
