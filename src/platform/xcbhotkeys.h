#pragma once

#include "platform/atomtable.h"
#include "platform/hotkeyplatform.h"

#include <QAbstractNativeEventFilter>
#include <QMap>
#include <QObject>
#include <vector>

struct xcb_connection_t;
struct _XCBKeySymbols;

namespace Quillet {

// Keys of the whole desktop on X11: each registration is a passive grab of its key on the root
// window, taken once more with CapsLock, with NumLock and with both, for a key that a lock
// hides is not delivered. A key that another client grabbed is refused whole. Presses are
// taken from the connection's events before Qt sees them and delivered from the event loop.
// Without an X11 connection every registration is refused.
class XcbHotKeys final : public QObject, public HotKeyPlatform, public QAbstractNativeEventFilter {
public:
    // Error codes of our own, beside those of the X protocol.
    enum Error { NoDisplay = 1000, NoSuchKey = 1001 };

    XcbHotKeys();
    ~XcbHotKeys() override;
    Q_DISABLE_COPY_MOVE(XcbHotKeys)

    AtomTable& atoms() override { return m_atoms; }
    int registerKey(QObject* window, qint32 identifier, qint32 modifiers,
                    qint32 virtualKey) override;
    bool unregisterKey(QObject* window, qint32 identifier) override;
    QString errorText(int code) const override;
    void startRouting(QObject* window, QObject* receiver, Receiver deliver) override;
    void stopRouting(QObject* window, QObject* receiver) override;
    void restoreAndActivate(QObject* window) override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Grab {
        QObject* window;
        qint32 identifier;
        qint32 modifiers;
        qint32 virtualKey;
        uint16_t state;
        std::vector<uint8_t> keycodes;
        std::vector<uint16_t> lockVariants;
    };
    struct Route {
        QObject* receiver = nullptr;
        Receiver deliver;
    };

    std::vector<uint8_t> keycodesFor(qint32 virtualKey) const;
    uint16_t numLockMask() const;
    void ungrab(const Grab& grab) const;
    void deliver(QObject* window, qint32 identifier, qint32 modifiers, qint32 key) const;
    void activate(QObject* window) const;

    xcb_connection_t* m_connection = nullptr;
    uint32_t m_root = 0;
    _XCBKeySymbols* m_symbols = nullptr;
    uint16_t m_lockMask = 0;
    uint32_t m_lastPressTime = 0;
    std::vector<Grab> m_grabs;
    QMap<QObject*, Route> m_routes;
    AtomTable m_atoms;
};

} // namespace Quillet
