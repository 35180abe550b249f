#pragma once

#include <QString>
#include <variant>

namespace Quillet {

class SettingsStore;

// Lets a person at the diary's pages the way the login window does: the name must answer to an
// account and the password must match it. Grants the account's name as stored.
class DiaryAccess final {
public:
    DiaryAccess() = delete;

    struct Granted {
        QString user;
    };
    struct Refused {
        QString reason;
    };
    static std::variant<Granted, Refused> check(SettingsStore& settings, const QString& root,
                                                const QString& name, const QString& password);
};

} // namespace Quillet
