#pragma once

#include <QString>

namespace Quillet {

// Hands addresses, documents and programs to the desktop. Failures are not reported.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void openUrl(const QString& address) = 0;
    virtual void openDocument(const QString& path) = 0;
    virtual void startProgram(const QString& path) = 0;
};

} // namespace Quillet
