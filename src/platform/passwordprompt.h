#pragma once

#include <QString>
#include <optional>

namespace Quillet {

// Asks the person at the terminal for a password without showing it.
class PasswordPrompt {
public:
    virtual ~PasswordPrompt() = default;
    // nullopt when no password can be had (no terminal, end of input).
    virtual std::optional<QString> password(const QString& prompt) = 0;
};

} // namespace Quillet
