#include "porttool/diaryaccess.h"

#include "startup/settingsstore.h"
#include "users/useraccounts.h"

namespace Quillet {

std::variant<DiaryAccess::Granted, DiaryAccess::Refused> DiaryAccess::check(SettingsStore& settings,
                                                                            const QString& root,
                                                                            const QString& name,
                                                                            const QString& password)
{
    if (!settings.failure().isEmpty())
        return Refused{settings.location() + QStringLiteral(": ") + settings.failure()};
    UserAccounts accounts(settings, root);
    const std::optional<QString> account = accounts.accountName(name);
    if (!account)
        return Refused{QStringLiteral("Username not found.")};
    if (!accounts.passwordMatches(name, password))
        return Refused{QStringLiteral("Wrong password")};
    return Granted{*account};
}

} // namespace Quillet
