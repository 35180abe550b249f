#include "startup/preferences.h"

#include "startup/logonentry.h"
#include "startup/numbers.h"
#include "startup/programstate.h"
#include "startup/scrambler.h"
#include "startup/settingsstore.h"

#include <QFileInfo>
#include <cmath>

namespace Quillet {
namespace {

const QString kOptions = QStringLiteral("Options");

bool flagIsOn(const QString& text)
{
    return LeadingNumber(text) != 0;
}

} // namespace

QString Preferences::userKey(const QString& below) const
{
    return m_state.settingsRoot + m_state.currentUser + QLatin1Char('\\') + below;
}

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
        const QString options = userKey(kOptions);
        m_settings.WriteValue(options, QStringLiteral("ShowWarnings"), QStringLiteral("1"));
        m_settings.WriteValue(options, QStringLiteral("SaveWarning"), QStringLiteral("1"));
        m_settings.WriteValue(options, QStringLiteral("CloseWarning"), QStringLiteral("0"));
        m_settings.WriteValue(options, QStringLiteral("LogWarning"), QStringLiteral("1"));
        m_settings.WriteValue(options, QStringLiteral("Font"), QStringLiteral("Comic Sans MS"));
    }
}

void Preferences::readWarningsAndFont()
{
    const QString options = userKey(kOptions);
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

    QString skin = m_settings.ReadValue(userKey(QStringLiteral("Skin")), QStringLiteral("Name"));
    if (skin.isEmpty())
        skin = m_state.installFile(QStringLiteral("skins/gold.jss"));
    window.applySkin(skin);

    const QString metrics = userKey(QStringLiteral("Metrics"));
    if (const auto state =
            WholeNumber(m_settings.ReadValue(metrics, QStringLiteral("Window State"))))
        window.setPlacementState(int(std::lround(*state)));
    const std::pair<PreferenceTarget::Metric, const char*> placement[] = {
        {PreferenceTarget::Left, "Left"},
        {PreferenceTarget::Top, "Top"},
        {PreferenceTarget::Width, "Width"},
        {PreferenceTarget::Height, "Height"},
    };
    for (const auto& [metric, name] : placement) {
        const auto twips = WholeNumber(m_settings.ReadValue(metrics, QLatin1String(name)));
        if (twips && window.placementState() == 0)
            window.setWindowMetric(metric, *twips);
    }

    const QString colours = userKey(QStringLiteral("Custom Colors"));
    for (int block = 0; block < 16; ++block) {
        const auto colour =
            WholeNumber(m_settings.ReadValue(colours, QStringLiteral("COLOR%1").arg(block)));
        if (colour && *colour >= INT32_MIN && *colour <= UINT32_MAX)
            window.setColourBlock(block, quint32(qint64(std::llround(*colour))));
    }
}

} // namespace Quillet
