#pragma once

#include "extras/hotkeyerror.h"

#include <QList>
#include <QObject>
#include <optional>

namespace Quillet {

class HotKeyPlatform;

// Keys of the whole desktop for one window, registered by name: each press of one comes out
// as HotKeyPress with that name. Failures come back as the error that the call returns; a
// failed call changes nothing. Ending the object gives every key back.
class cRegHotKey final : public QObject {
    Q_OBJECT
public:
    static const QString kSource;
    static constexpr int kMaxNameLength = 32;
    static constexpr int kMaxAtomNameLength = 254;

    struct KeyRecord {
        QString name;
        QString atomName;
        qint32 identifier = 0;
        qint32 key = 0;
        qint32 modifiers = 0;
    };

    explicit cRegHotKey(HotKeyPlatform& platform, QObject* parent = nullptr);
    ~cRegHotKey() override;
    Q_DISABLE_COPY_MOVE(cRegHotKey)

    // Gives back every key and the routing of the window attached before; presses of the new
    // window's keys then arrive here. nullptr attaches none.
    void Attach(QObject* hwndA);
    void Clear();
    [[nodiscard]] std::optional<HotKeyError> RegisterKey(const QString& sName, qint32 eKey,
                                                         qint32 eModifiers);
    [[nodiscard]] std::optional<HotKeyError> UnregisterKey(const QString& sName);
    void RestoreAndActivate(QObject* hwnd);

    QObject* attachedWindow() const { return m_window; }
    // In the order registered.
    const QList<KeyRecord>& records() const { return m_records; }

signals:
    void HotKeyPress(const QString& sName, qint32 eModifiers, qint32 eKey);

private:
    // A press routed from the attached window, with the identifier it was registered under.
    void ISubclass_WindowProc(qint32 wParam, qint32 modifiers, qint32 key);
    // The index of the record, or the error that names the missing key.
    std::optional<qsizetype> IndexForKey(const QString& name) const;
    static HotKeyError error(qint32 number, const QString& description);
    QString systemErrorSuffix(int code) const;

    HotKeyPlatform& m_platform;
    QObject* m_window = nullptr;
    QList<KeyRecord> m_records;
};

} // namespace Quillet
