#include "extras/creghotkey.h"

#include "platform/atomtable.h"
#include "platform/hotkeyplatform.h"

#include <QElapsedTimer>

namespace Quillet {
namespace {

// The program's name, whatever its executable file is called.
const QString kProgramName = QStringLiteral("quillet");

// The identifiers that the desktop itself uses for its two snapshot keys.
constexpr qint32 kDesktopSnapshot = -2;
constexpr qint32 kWindowSnapshot = -1;

quint32 tickCount()
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    return quint32(sinceStart.msecsSinceReference());
}

} // namespace

const QString cRegHotKey::kSource = kProgramName + QStringLiteral(".cRegHotKey");

cRegHotKey::cRegHotKey(HotKeyPlatform& platform, QObject* parent)
    : QObject(parent), m_platform(platform)
{}

cRegHotKey::~cRegHotKey()
{
    Clear();
}

void cRegHotKey::Attach(QObject* hwndA)
{
    Clear();
    if (!hwndA)
        return;
    m_window = hwndA;
    m_platform.startRouting(m_window, this,
                            [this](qint32 identifier, qint32 modifiers, qint32 key) {
                                ISubclass_WindowProc(identifier, modifiers, key);
                            });
}

void cRegHotKey::Clear()
{
    while (!m_records.isEmpty())
        static_cast<void>(UnregisterKey(m_records.first().name));
    if (m_window) {
        m_platform.stopRouting(m_window, this);
        m_window = nullptr;
    }
}

std::optional<HotKeyError> cRegHotKey::RegisterKey(const QString& sName, qint32 eKey,
                                                   qint32 eModifiers)
{
    if (sName.size() > kMaxNameLength)
        return error(HotKeyError::kRegisterFailed,
                     QStringLiteral("Key Name too long (max 32 characters)."));
    if (IndexForKey(sName))
        return error(HotKeyError::kNameTaken,
                     QStringLiteral("The Key Name '%1' is already registered.").arg(sName));

    const QString atomName =
        (sName + QLatin1Char('_') + kProgramName + QLatin1Char('_') + QString::number(tickCount()))
            .left(kMaxAtomNameLength);
    const quint16 atom = m_platform.atoms().add(atomName);
    if (atom == 0)
        return error(HotKeyError::kAtomFailed, QStringLiteral("Failed to add GlobalAtom"));
    const auto identifier = qint32(qint16(atom));

    if (const int code = m_platform.registerKey(m_window, identifier, eModifiers, eKey)) {
        m_platform.atoms().remove(atom);
        return error(HotKeyError::kRegisterFailed,
                     QStringLiteral("Failed to Register Hot Key") + systemErrorSuffix(code));
    }
    m_records.append({sName, atomName, identifier, eKey, eModifiers});
    return std::nullopt;
}

std::optional<HotKeyError> cRegHotKey::UnregisterKey(const QString& sName)
{
    const std::optional<qsizetype> index = IndexForKey(sName);
    if (!index)
        return error(HotKeyError::kNotRegistered,
                     QStringLiteral("No hot key registered under the name '%1'").arg(sName));
    const KeyRecord& record = m_records.at(*index);
    m_platform.unregisterKey(m_window, record.identifier);
    m_platform.atoms().remove(quint16(record.identifier));
    m_records.removeAt(*index);
    return std::nullopt;
}

void cRegHotKey::RestoreAndActivate(QObject* hwnd)
{
    m_platform.restoreAndActivate(hwnd);
}

void cRegHotKey::ISubclass_WindowProc(qint32 wParam, qint32 modifiers, qint32 key)
{
    if (wParam == kDesktopSnapshot) {
        emit HotKeyPress(QStringLiteral("Desktop Snapshot"), 0, HotKeyPlatform::Snapshot);
        return;
    }
    if (wParam == kWindowSnapshot) {
        emit HotKeyPress(QStringLiteral("Window Snapshot"), HotKeyPlatform::Shift,
                         HotKeyPlatform::Snapshot);
        return;
    }
    for (const KeyRecord& record : m_records) {
        if (record.identifier == wParam) {
            // A copy: the receiver may give the key back while the name is still in use.
            const KeyRecord pressed = record;
            emit HotKeyPress(pressed.name, pressed.modifiers, pressed.key);
            return;
        }
    }
    emit HotKeyPress(QStringLiteral("Unknown HotKey"), modifiers, key);
}

std::optional<qsizetype> cRegHotKey::IndexForKey(const QString& name) const
{
    for (qsizetype index = 0; index < m_records.size(); ++index)
        if (m_records.at(index).name == name)
            return index;
    return std::nullopt;
}

HotKeyError cRegHotKey::error(qint32 number, const QString& description)
{
    return {number, kSource, description};
}

QString cRegHotKey::systemErrorSuffix(int code) const
{
    const QString text = m_platform.errorText(code);
    return text.isEmpty() ? QString() : QStringLiteral(" [") + text + QLatin1Char(']');
}

} // namespace Quillet
