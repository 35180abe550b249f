#include "mainwindow/colorchooser.h"

#include "platform/bgrcolour.h"
#include "platform/dialogs.h"
#include "startup/appsettingsstore.h"
#include "startup/numbers.h"
#include "startup/programstate.h"

namespace Quillet {
namespace {

const QString kApplication = QStringLiteral("Quillet 2");
const QString kSection = QStringLiteral("Custom Colors");
constexpr quint32 kWhite = 0xFFFFFF;

} // namespace

std::optional<QColor> ShowColor(AppContext& context, QWidget* owner, const QColor& colour,
                                bool fullOpen, bool loadCustom)
{
    auto& table = context.state.customColours;
    if (loadCustom) {
        for (size_t i = 0; i < table.size(); ++i) {
            const QString stored =
                context.appSettings.readSetting(kApplication, kSection, QString::number(i));
            table[i] = stored.isEmpty() ? kWhite : quint32(qint64(LeadingNumber(stored)));
        }
    }
    const std::optional<quint32> chosen =
        context.dialogs.chooseColor(owner, ToBgr(colour), fullOpen, table);
    for (size_t i = 0; i < table.size(); ++i) {
        context.appSettings.saveSetting(kApplication, kSection, QString::number(i),
                                        QString::number(table[i]));
    }
    if (!chosen)
        return std::nullopt;
    return FromBgr(*chosen);
}

} // namespace Quillet
