#include "platform/sqliteregistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <cerrno>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Quillet {
namespace {

constexpr int kBusyTimeoutMs = 10000;

const char* rootName(RootKey root)
{
    switch (root) {
    case RootKey::ClassesRoot:
        return "HKEY_CLASSES_ROOT";
    case RootKey::CurrentConfig:
        return "HKEY_CURRENT_CONFIG";
    case RootKey::CurrentUser:
        return "HKEY_CURRENT_USER";
    case RootKey::DynData:
        return "HKEY_DYN_DATA";
    case RootKey::LocalMachine:
        return "HKEY_LOCAL_MACHINE";
    case RootKey::PerformanceData:
        return "HKEY_PERFORMANCE_DATA";
    case RootKey::Users:
        return "HKEY_USERS";
    }
    return "";
}

// "Software\\Quillet\\" and "Software\Quillet" name the same key.
QStringList keyParts(const QString& keyPath)
{
    return keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// A prepared statement that is finalised on every path out of a function.
class Statement {
public:
    Statement(sqlite3* db, const char* sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            m_stmt = nullptr;
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Q_DISABLE_COPY_MOVE(Statement)

    bool ok() const { return m_stmt != nullptr; }
    void bind(int index, const QString& text)
    {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(m_stmt, index, utf8.constData(), static_cast<int>(utf8.size()),
                          SQLITE_TRANSIENT);
    }
    void bind(int index, const QByteArray& bytes)
    {
        // A zero-length blob must still be a blob, not NULL.
        sqlite3_bind_blob(m_stmt, index, bytes.isEmpty() ? "" : bytes.constData(),
                          static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
    }
    int step() { return sqlite3_step(m_stmt); }
    void reset() { sqlite3_reset(m_stmt); }
    QByteArray blob(int column) const
    {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(m_stmt, column));
        return QByteArray(data, sqlite3_column_bytes(m_stmt, column));
    }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

bool exec(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

QString lastError(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

// The database holds settings and scrambled passwords: it is created readable by its owner
// alone, never wider for a moment, and one that others could read is narrowed. Opened here
// rather than by SQLite so that a path that cannot work fails with the system's own reason.
// Empty when the file is ready for SQLite.
QString preparePrivateFile(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC,
                          S_IRUSR | S_IWUSR);
    if (fd < 0)
        return qt_error_string(errno);
    QString failure;
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        failure = qt_error_string(errno);
    else if ((status.st_mode & (S_IRWXG | S_IRWXO)) != 0 &&
             ::fchmod(fd, status.st_mode & S_IRWXU) != 0)
        failure = qt_error_string(errno);
    ::close(fd);
    return failure;
}

} // namespace

SqliteRegistry::SqliteRegistry(const QString& databasePath)
{
    m_failure = open(databasePath);
    if (!m_failure.isEmpty()) {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
}

SqliteRegistry::~SqliteRegistry()
{
    sqlite3_close(m_db);
}

QString SqliteRegistry::defaultDatabasePath()
{
    const QString fromEnvironment = qEnvironmentVariable("QUILLET_REGISTRY");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return configHome + QStringLiteral("/quillet/registry.sqlite3");
}

QString SqliteRegistry::location() const
{
    return QDir::toNativeSeparators(m_path);
}

QString SqliteRegistry::open(const QString& databasePath)
{
    m_path = databasePath;
    if (QString failure = preparePrivateFile(databasePath); !failure.isEmpty())
        return failure;
    if (sqlite3_open_v2(databasePath.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK)
        return lastError(m_db);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    if (!exec(m_db, "CREATE TABLE IF NOT EXISTS registry_keys ("
                    " root TEXT NOT NULL, lookup_path TEXT NOT NULL, path TEXT NOT NULL,"
                    " PRIMARY KEY (root, lookup_path))") ||
        !exec(m_db, "CREATE TABLE IF NOT EXISTS registry_values ("
                    " root TEXT NOT NULL, lookup_path TEXT NOT NULL, lookup_name TEXT NOT NULL,"
                    " name TEXT NOT NULL, data BLOB NOT NULL,"
                    " PRIMARY KEY (root, lookup_path, lookup_name))"))
        return lastError(m_db);
    // A file that opens but takes no write (a folder that is not writable has no room for the
    // journal) is found now, not by settings lost one by one later.
    if (!exec(m_db, "BEGIN IMMEDIATE"))
        return lastError(m_db);
    const bool writable = exec(m_db, "CREATE TABLE write_check (x)");
    const QString failure = writable ? QString() : lastError(m_db);
    exec(m_db, "ROLLBACK");
    return failure;
}

bool SqliteRegistry::keyExists(RootKey root, const QString& keyPath) const
{
    const QStringList parts = keyParts(keyPath);
    if (parts.isEmpty())
        return m_db != nullptr;
    if (!m_db)
        return false;
    Statement query(m_db, "SELECT 1 FROM registry_keys WHERE root = ?1 AND lookup_path = ?2");
    if (!query.ok())
        return false;
    query.bind(1, QString::fromLatin1(rootName(root)));
    query.bind(2, lookupForm(parts.join(QLatin1Char('\\'))));
    return query.step() == SQLITE_ROW;
}

std::optional<QByteArray> SqliteRegistry::queryValue(RootKey root, const QString& keyPath,
                                                     const QString& valueName) const
{
    if (!m_db)
        return std::nullopt;
    Statement query(m_db, "SELECT data FROM registry_values"
                          " WHERE root = ?1 AND lookup_path = ?2 AND lookup_name = ?3");
    if (!query.ok())
        return std::nullopt;
    query.bind(1, QString::fromLatin1(rootName(root)));
    query.bind(2, lookupForm(keyParts(keyPath).join(QLatin1Char('\\'))));
    query.bind(3, lookupForm(valueName));
    if (query.step() != SQLITE_ROW)
        return std::nullopt;
    return query.blob(0);
}

bool SqliteRegistry::setValue(RootKey root, const QString& keyPath, const QString& valueName,
                              const QByteArray& data)
{
    if (!m_db || !exec(m_db, "BEGIN IMMEDIATE"))
        return false;
    const QString rootText = QString::fromLatin1(rootName(root));
    const QStringList parts = keyParts(keyPath);
    bool ok = true;
    {
        Statement addKey(m_db, "INSERT OR IGNORE INTO registry_keys (root, lookup_path, path)"
                               " VALUES (?1, ?2, ?3)");
        ok = addKey.ok();
        // Writing a value creates every key on its path, as the registry does.
        for (qsizetype depth = 1; ok && depth <= parts.size(); ++depth) {
            const QString path = parts.first(depth).join(QLatin1Char('\\'));
            addKey.bind(1, rootText);
            addKey.bind(2, lookupForm(path));
            addKey.bind(3, path);
            ok = addKey.step() == SQLITE_DONE;
            addKey.reset();
        }
    }
    if (ok) {
        Statement setData(m_db, "INSERT INTO registry_values"
                                " (root, lookup_path, lookup_name, name, data)"
                                " VALUES (?1, ?2, ?3, ?4, ?5)"
                                " ON CONFLICT (root, lookup_path, lookup_name)"
                                " DO UPDATE SET data = excluded.data");
        ok = setData.ok();
        if (ok) {
            const QString path = parts.join(QLatin1Char('\\'));
            setData.bind(1, rootText);
            setData.bind(2, lookupForm(path));
            setData.bind(3, lookupForm(valueName));
            setData.bind(4, valueName);
            setData.bind(5, data);
            ok = setData.step() == SQLITE_DONE;
        }
    }
    if (ok && exec(m_db, "COMMIT"))
        return true;
    exec(m_db, "ROLLBACK");
    return false;
}

} // namespace Quillet
