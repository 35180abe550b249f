#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace Quillet {

class SettingsStore;

// The user records below <root>Users: the rules for names and passwords, lookup, creation,
// the password check and the password change. Names and passwords are kept in lower case.
class UserAccounts {
public:
    UserAccounts(SettingsStore& settings, QString settingsRoot)
        : m_settings(settings), m_root(std::move(settingsRoot))
    {}

    // The name of the account that answers to the typed name, as stored when it was created,
    // or nullopt when none does. Pages and settings go by this name, never by the typed one.
    std::optional<QString> accountName(const QString& name) const;
    bool UserExists(const QString& name) const { return accountName(name).has_value(); }
    static bool HasForbiddenChars(const QString& name);

    // The failed rules, each as its "# ..." line, in the order they are checked.
    QStringList newUserErrors(const QString& name, const QString& password,
                              const QString& confirmation) const;
    static QStringList newPasswordErrors(const QString& password, const QString& confirmation);

    // The failure message: the heading, then the error lines and the pointer to Help.
    static QString failureMessage(const QString& heading, const QStringList& errors);
    // The error line when the settings refuse to store a record.
    static QString notStoredError();

    // The new account's name as stored, or nullopt when the settings could not store it.
    std::optional<QString> createUser(const QString& name, const QString& password);
    bool passwordMatches(const QString& name, const QString& password) const;
    // False when the settings could not store the new password.
    bool changePassword(const QString& name, const QString& password);

private:
    QString userKey(const QString& name) const;

    SettingsStore& m_settings;
    QString m_root;
};

} // namespace Quillet
