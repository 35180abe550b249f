#pragma once

#include "platform/shell.h"

namespace Quillet {

// Opens addresses and documents with the desktop's default handlers and starts programs.
class DesktopShell final : public Shell {
public:
    void openUrl(const QString& address) override;
    void openDocument(const QString& path) override;
    void startProgram(const QString& path) override;
};

} // namespace Quillet
