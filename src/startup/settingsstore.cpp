#include "startup/settingsstore.h"

#include <array>
#include <utility>

namespace Quillet {
namespace {

// Values are read through a buffer of this size that also holds the terminating NUL.
constexpr qsizetype kReadBufferSize = 255;

QByteArray trimSpaces(const QByteArray& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == ' ')
        ++begin;
    while (end > begin && text.at(end - 1) == ' ')
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

std::optional<RootKey> RootKeyFor(RootFlags flags)
{
    static constexpr std::array<std::pair<RootFlag, RootKey>, 7> kOrder{{
        {RootFlag::ClassesRoot, RootKey::ClassesRoot},
        {RootFlag::CurrentConfig, RootKey::CurrentConfig},
        {RootFlag::CurrentUser, RootKey::CurrentUser},
        {RootFlag::DynData, RootKey::DynData},
        {RootFlag::LocalMachine, RootKey::LocalMachine},
        {RootFlag::PerformanceData, RootKey::PerformanceData},
        {RootFlag::Users, RootKey::Users},
    }};
    for (const auto& [flag, root] : kOrder) {
        if (flags.testFlag(flag))
            return root;
    }
    return std::nullopt;
}

QString SettingsStore::ReadValue(const QString& keyPath, const QString& valueName,
                                 RootFlags flags) const
{
    const QByteArray stored = ReadRawValue(keyPath, valueName, flags);
    if (stored.size() + 1 > kReadBufferSize)
        return QString();
    return QString::fromUtf8(trimSpaces(stored));
}

bool SettingsStore::WriteValue(const QString& keyPath, const QString& valueName,
                               const QString& value, RootFlags flags)
{
    return WriteRawValue(keyPath, valueName, value.toUtf8(), flags);
}

QByteArray SettingsStore::ReadRawValue(const QString& keyPath, const QString& valueName,
                                       RootFlags flags) const
{
    const std::optional<RootKey> root = RootKeyFor(flags);
    if (!root)
        return QByteArray();
    return m_backend.queryValue(*root, keyPath, valueName).value_or(QByteArray());
}

bool SettingsStore::WriteRawValue(const QString& keyPath, const QString& valueName,
                                  const QByteArray& value, RootFlags flags)
{
    const std::optional<RootKey> root = RootKeyFor(flags);
    if (!root)
        return false;
    return m_backend.setValue(*root, keyPath, valueName, value);
}

} // namespace Quillet
