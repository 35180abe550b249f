#include "startup/windowmetrics.h"

#include "startup/numbers.h"
#include "startup/preferencetarget.h"
#include "startup/programstate.h"
#include "startup/settingsstore.h"

#include <cmath>

namespace Quillet {
namespace {

const QString kSkin = QStringLiteral("Skin");
const QString kSkinName = QStringLiteral("Name");
const QString kMetrics = QStringLiteral("Metrics");
const QString kWindowState = QStringLiteral("Window State");
const QString kColours = QStringLiteral("Custom Colors");

struct MetricName {
    WindowMetric metric;
    const char* name;
};

// In the order they are restored.
constexpr MetricName kMetricNames[] = {
    {WindowMetric::Left, "Left"},
    {WindowMetric::Top, "Top"},
    {WindowMetric::Width, "Width"},
    {WindowMetric::Height, "Height"},
};

QString colourName(int block)
{
    return QStringLiteral("COLOR%1").arg(block);
}

} // namespace

void WindowMetrics::load(PreferenceTarget& window) const
{
    QString skin = m_settings.ReadValue(m_state.userKey(kSkin), kSkinName);
    if (skin.isEmpty())
        skin = m_state.installFile(QStringLiteral("skins/gold.jss"));
    window.applySkin(skin);

    const QString metrics = m_state.userKey(kMetrics);
    if (const auto number = WholeNumber(m_settings.ReadValue(metrics, kWindowState))) {
        if (const auto state = PlacementStateFromNumber(std::lround(*number)))
            window.setPlacementState(*state);
    }
    for (const auto& [metric, name] : kMetricNames) {
        const auto twips = WholeNumber(m_settings.ReadValue(metrics, QLatin1String(name)));
        if (twips && window.placementState() == PlacementState::Normal)
            window.setWindowMetric(metric, *twips);
    }

    const QString colours = m_state.userKey(kColours);
    for (int block = 0; block < kColourBlocks; ++block) {
        const auto colour = WholeNumber(m_settings.ReadValue(colours, colourName(block)));
        if (colour && *colour >= INT32_MIN && *colour <= UINT32_MAX)
            window.setColourBlock(block, quint32(qint64(std::llround(*colour))));
    }
}

void WindowMetrics::save(const PreferenceTarget& window)
{
    m_settings.WriteValue(m_state.userKey(kSkin), kSkinName, window.skin());
    const QString metrics = m_state.userKey(kMetrics);
    const PlacementState state = window.placementState();
    m_settings.WriteValue(metrics, kWindowState, QString::number(int(state)));
    if (state == PlacementState::Normal) {
        for (const auto& [metric, name] : kMetricNames) {
            m_settings.WriteValue(metrics, QLatin1String(name),
                                  QString::number(window.windowMetric(metric), 'g', 15));
        }
    }
    const QString colours = m_state.userKey(kColours);
    for (int block = 0; block < kColourBlocks; ++block) {
        m_settings.WriteValue(colours, colourName(block),
                              QString::number(qint32(window.colourBlock(block))));
    }
}

} // namespace Quillet
