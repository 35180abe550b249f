#include "startup/preferences.h"

#include "startup/logonentry.h"
#include "startup/numbers.h"
#include "startup/preferencetarget.h"
#include "startup/programstate.h"
#include "startup/scrambler.h"
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
        const QString global = m_state.settingsRoot + QStringLiteral("Global");
        m_settings.WriteRawValue(global + QStringLiteral("\\Autologin"), QStringLiteral("Switch"),
                                 Scramble("no", MIRSKO));
        m_settings.WriteValue(global, QStringLiteral("Show splash"), QStringLiteral("1"));
        m_settings.WriteValue(global, QStringLiteral("Startup"), QStringLiteral("1"));
        m_logOn.write(m_logOn.command());
    }
    if (m_state.newUser) {
        const QString options = m_state.userKey(kOptions);
        m_settings.WriteValue(options, QStringLiteral("ShowWarnings"), QStringLiteral("1"));
        m_settings.WriteValue(options, QStringLiteral("SaveWarning"), QStringLiteral("1"));
        m_settings.WriteValue(options, QStringLiteral("CloseWarning"), QStringLiteral("0"));
        m_settings.WriteValue(options, QStringLiteral("LogWarning"), QStringLiteral("1"));
        m_settings.WriteValue(options, QStringLiteral("Font"), QStringLiteral("Comic Sans MS"));
    }
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
