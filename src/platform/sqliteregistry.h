#pragma once

#include "platform/registrybackend.h"

#include <QString>

struct sqlite3;

namespace Quillet {

// The settings tree kept in one SQLite database file, private to its owner. Every write is one
// transaction, so a crash never leaves half a setting and several running copies never lose
// each other's writes.
class SqliteRegistry final : public RegistryBackend {
public:
    explicit SqliteRegistry(const QString& databasePath);
    ~SqliteRegistry() override;
    Q_DISABLE_COPY_MOVE(SqliteRegistry)

    // $QUILLET_REGISTRY, else the per-user configuration folder.
    static QString defaultDatabasePath();

    bool isOpen() const { return m_db != nullptr; }

    QString location() const override;
    QString failure() const override { return m_failure; }

    bool keyExists(RootKey root, const QString& keyPath) const override;
    std::optional<QByteArray> queryValue(RootKey root, const QString& keyPath,
                                         const QString& valueName) const override;
    bool setValue(RootKey root, const QString& keyPath, const QString& valueName,
                  const QByteArray& data) override;

private:
    QString open(const QString& databasePath);

    QString m_path;
    QString m_failure;
    sqlite3* m_db = nullptr;
};

} // namespace Quillet
