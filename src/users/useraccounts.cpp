#include "users/useraccounts.h"

#include "startup/scrambler.h"
#include "startup/settingsstore.h"

namespace Quillet {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kForbiddenChars = QStringLiteral("\\/:?\"<>|");
// In UTF-8 at most 192 bytes: the name reads back from the settings (254 bytes at most) and
// names a folder (255 bytes at most).
constexpr qsizetype kMaxNameLetters = 64;

// Settings values are read back trimmed: such a name would log in once and never again.
bool BeginsOrEndsWithBlank(const QString& name)
{
    return !name.isEmpty() && (name.front().isSpace() || name.back().isSpace());
}

// The user name names a page folder: it must not climb out of it or hide control characters.
bool IsUnsafeFolderName(const QString& name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return true;
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

QByteArray StoredPasswordForm(const QString& password)
{
    return Scramble(password.toLower().toUtf8(), TORVA);
}

} // namespace

QString UserAccounts::userKey(const QString& name) const
{
    return m_root + QStringLiteral("Users\\") + name;
}

std::optional<QString> UserAccounts::accountName(const QString& name) const
{
    // The settings' own comparison finds the record: every name they take for this one is
    // the same user. Forbidden characters could reach another key of the settings tree.
    if (name.isEmpty() || HasForbiddenChars(name))
        return std::nullopt;
    const QString stored = m_settings.ReadValue(userKey(name), QStringLiteral("UserName"));
    if (stored.isEmpty())
        return std::nullopt;
    return stored;
}

bool UserAccounts::HasForbiddenChars(const QString& name)
{
    for (const QChar c : name) {
        if (kForbiddenChars.contains(c))
            return true;
    }
    return false;
}

QStringList UserAccounts::newUserErrors(const QString& name, const QString& password,
                                        const QString& confirmation) const
{
    QStringList errors;
    if (name.size() < 2)
        errors << QStringLiteral("# User name should have atleast 2 letters");
    if (UserExists(name))
        errors << QStringLiteral("# Username already exist. Please use another name");
    if (HasForbiddenChars(name))
        errors << QStringLiteral("# The symbols \\ / : ? \" < > | cannot be used in a UserName");
    if (IsUnsafeFolderName(name))
        errors << QStringLiteral("# User name cannot be . or .. or contain control characters");
    errors << newPasswordErrors(password, confirmation);
    if (BeginsOrEndsWithBlank(name))
        errors << QStringLiteral("# User name cannot begin or end with a blank");
    if (name.size() > kMaxNameLetters)
        errors << QStringLiteral("# User name can have at most 64 letters");
    return errors;
}

QStringList UserAccounts::newPasswordErrors(const QString& password, const QString& confirmation)
{
    QStringList errors;
    if (password.size() < 5)
        errors << QStringLiteral("# Password must have atleast 5 letters");
    if (password != confirmation)
        errors << QStringLiteral("# The passwords you typed do not match. Please retype");
    return errors;
}

QString UserAccounts::failureMessage(const QString& heading, const QStringList& errors)
{
    QString text = heading + kCrLf;
    for (const QString& line : errors)
        text += kCrLf + line;
    return text + kCrLf + kCrLf + QStringLiteral("Press HELP for more info");
}

QString UserAccounts::notStoredError()
{
    return QStringLiteral("# The settings file cannot be written");
}

std::optional<QString> UserAccounts::createUser(const QString& name, const QString& password)
{
    // The name last: until it is stored there is no account, so a failed write leaves none
    // half made that nobody could log into and nobody could create again.
    const QString stored = name.toLower();
    if (!changePassword(name, password) ||
        !m_settings.WriteValue(userKey(name), QStringLiteral("UserName"), stored))
        return std::nullopt;
    return stored;
}

bool UserAccounts::passwordMatches(const QString& name, const QString& password) const
{
    // Read exactly as stored: trimming or lower-casing the scrambled bytes could turn a
    // password that was accepted at creation into one that never logs in.
    const QByteArray stored = m_settings.ReadRawValue(userKey(name), QStringLiteral("Password"));
    if (stored.isEmpty())
        return false;
    return Unscramble(stored, TORVA) == password.toLower().toUtf8();
}

bool UserAccounts::changePassword(const QString& name, const QString& password)
{
    return m_settings.WriteRawValue(userKey(name), QStringLiteral("Password"),
                                    StoredPasswordForm(password));
}

} // namespace Quillet
