#pragma once

#include "platform/passwordprompt.h"

namespace Quillet {

// QUILLET_PASSWORD when scripts set it, else a line typed on the controlling terminal with its
// echo turned off for the time of the typing.
class TerminalPasswordPrompt final : public PasswordPrompt {
public:
    std::optional<QString> password(const QString& prompt) override;
};

} // namespace Quillet
