#pragma once

#include "platform/registrybackend.h"

#include <QString>

namespace Quillet {

// The per-application settings that sibling programs share: one key per application and
// section below "Software\VB and VBA Program Settings" of the current user.
class AppSettingsStore {
public:
    explicit AppSettingsStore(RegistryBackend& backend) : m_backend(backend) {}

    QString readSetting(const QString& application, const QString& section, const QString& key,
                        const QString& defaultValue = QString()) const;
    void saveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value);

private:
    static QString keyPath(const QString& application, const QString& section);

    RegistryBackend& m_backend;
};

} // namespace Quillet
