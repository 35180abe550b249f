#include "startup/preferences.h"

#include "startup/globaloptions.h"
#include "startup/logonentry.h"
#include "startup/numbers.h"
#include "startup/preferencetarget.h"
#include "startup/settingsstore.h"

#include <QFileInfo>

namespace Quillet {
namespace {

const QString kOptions = QStringLiteral("Options");

bool flagIsOn(const QString& text)
{
    return LeadingNumber(text) != 0;
}

} // namespace

void Preferences::ApplyFirstRunDefaults(PreferenceTarget& window)
{
    if (m_state.firstRun) {
        const QString welcome = m_state.installFile(QStringLiteral("welcome.rtf"));
        if (QFileInfo::exists(welcome))
            window.loadWelcomePage(welcome);
        GlobalOptions global(m_settings, m_state.settingsRoot);
        global.setAutoLogin(false);
        global.setShowSplash(QStringLiteral("1"));
        global.setStartup(QStringLiteral("1"));
        m_logOn.setOn(true);
    }
    if (m_state.newUser)
        writeOptions(
            {.showWarnings = true, .saveWarning = true, .closeWarning = false, .logWarning = true},
            QStringLiteral("Comic Sans MS"));
}

bool Preferences::writeOptions(const WarningFlags& warnings, const QString& font)
{
    const QString options = m_state.userKey(kOptions);
    bool stored = true;
    const auto write = [&](const char* name, const QString& value) {
        stored = m_settings.WriteValue(options, QLatin1String(name), value) && stored;
    };
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    write("ShowWarnings", flag(warnings.showWarnings));
    write("SaveWarning", flag(warnings.saveWarning));
    write("CloseWarning", flag(warnings.closeWarning));
    write("LogWarning", flag(warnings.logWarning));
    write("Font", font);
    return stored;
}

bool Preferences::saveWarningsAndFont()
{
    return writeOptions(m_state.warnings, m_state.defaultFont);
}

void Preferences::readWarningsAndFont()
{
    const QString options = m_state.userKey(kOptions);
    const auto flag = [&](const char* name) {
        return flagIsOn(m_settings.ReadValue(options, QLatin1String(name)));
    };
    m_state.warnings.showWarnings = flag("ShowWarnings");
    m_state.warnings.saveWarning = flag("SaveWarning");
    m_state.warnings.closeWarning = flag("CloseWarning");
    m_state.warnings.logWarning = flag("LogWarning");
    m_state.defaultFont = m_settings.ReadValue(options, QStringLiteral("Font"));
}

void Preferences::LoadPreferences(PreferenceTarget& window)
{
    readWarningsAndFont();
    m_metrics.load(window);
}

} // namespace Quillet
