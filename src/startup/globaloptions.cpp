#include "startup/globaloptions.h"

#include "startup/scrambler.h"
#include "startup/settingsstore.h"

namespace Quillet {
namespace {

const QString kSwitch = QStringLiteral("Switch");
const QString kUser = QStringLiteral("User");
const QString kShowSplash = QStringLiteral("Show splash");
const QString kStartup = QStringLiteral("Startup");

} // namespace

GlobalOptions::GlobalOptions(SettingsStore& settings, const QString& settingsRoot)
    : m_settings(settings), m_global(settingsRoot + QStringLiteral("Global")),
      m_autoLogin(m_global + QStringLiteral("\\Autologin"))
{}

bool GlobalOptions::autoLogin() const
{
    return Unscramble(m_settings.ReadRawValue(m_autoLogin, kSwitch), MIRSKO) == "yes";
}

QString GlobalOptions::autoLoginUser() const
{
    return m_settings.ReadValue(m_autoLogin, kUser);
}

bool GlobalOptions::showSplash() const
{
    return m_settings.ReadValue(m_global, kShowSplash) != QLatin1String("0");
}

bool GlobalOptions::setAutoLogin(bool on, const QString& user)
{
    if (!m_settings.WriteRawValue(m_autoLogin, kSwitch, Scramble(on ? "yes" : "no", MIRSKO)))
        return false;
    return !on || m_settings.WriteValue(m_autoLogin, kUser, user);
}

bool GlobalOptions::setShowSplash(const QString& text)
{
    return m_settings.WriteValue(m_global, kShowSplash, text);
}

bool GlobalOptions::setStartup(const QString& text)
{
    return m_settings.WriteValue(m_global, kStartup, text);
}

} // namespace Quillet
