#include "startup/appsettingsstore.h"

namespace Quillet {

QString AppSettingsStore::keyPath(const QString& application, const QString& section)
{
    return QStringLiteral("Software\\VB and VBA Program Settings\\") + application +
           QLatin1Char('\\') + section;
}

QString AppSettingsStore::readSetting(const QString& application, const QString& section,
                                      const QString& key, const QString& defaultValue) const
{
    const auto stored =
        m_backend.queryValue(RootKey::CurrentUser, keyPath(application, section), key);
    return stored ? QString::fromUtf8(*stored) : defaultValue;
}

void AppSettingsStore::saveSetting(const QString& application, const QString& section,
                                   const QString& key, const QString& value)
{
    m_backend.setValue(RootKey::CurrentUser, keyPath(application, section), key, value.toUtf8());
}

} // namespace Quillet
