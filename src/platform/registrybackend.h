#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace Quillet {

enum class RootKey {
    ClassesRoot,
    CurrentConfig,
    CurrentUser,
    DynData,
    LocalMachine,
    PerformanceData,
    Users,
};

// Storage of the settings tree: root key, backslash-separated key path, value name, bytes.
// Key paths and value names compare without regard to case. Each call is complete in itself.
class RegistryBackend {
public:
    virtual ~RegistryBackend() = default;

    // The form in which key paths and value names compare: Unicode case folding, so that "Bob",
    // "BOB" and "bob" name one key, and so do names that differ in a micro sign and a Greek mu.
    static QString lookupForm(const QString& name) { return name.toCaseFolded(); }
    // True when the settings take both for one name.
    static bool sameName(const QString& a, const QString& b)
    {
        return lookupForm(a) == lookupForm(b);
    }

    // Where the settings are kept, as the user would look for them.
    virtual QString location() const = 0;
    // Why the settings can be neither read nor written; empty when they can.
    virtual QString failure() const = 0;

    virtual bool keyExists(RootKey root, const QString& keyPath) const = 0;
    // The stored bytes as written; nullopt when the key or the value is missing.
    virtual std::optional<QByteArray> queryValue(RootKey root, const QString& keyPath,
                                                 const QString& valueName) const = 0;
    // Creates every missing key of the path, then stores the value; false when nothing changed.
    virtual bool setValue(RootKey root, const QString& keyPath, const QString& valueName,
                          const QByteArray& data) = 0;
};

} // namespace Quillet
