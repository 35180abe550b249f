#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

class QObject;

namespace Quillet {

class AtomTable;

// Keys of the whole desktop: a key registered here reaches the program whichever window has
// the focus, and the window that has it never sees the key. Windows are the program's own
// QWidgets, passed as the objects they are.
class HotKeyPlatform {
public:
    // Modifier flags of a registration.
    enum Modifier : qint32 { Alt = 1, Control = 2, Shift = 4, Win = 8 };
    // Virtual-key codes: letters and digits are their upper-case characters.
    enum VirtualKey : qint32 { F1 = 0x70, F8 = 0x77, F12 = 0x7B, Snapshot = 0x2C };

    // A press of a registered key for a window: the registration's identifier, its modifiers
    // and its key.
    using Receiver = std::function<void(qint32 identifier, qint32 modifiers, qint32 key)>;

    virtual ~HotKeyPlatform() = default;

    // The atoms whose numbers identify registrations.
    virtual AtomTable& atoms() = 0;

    // 0 when the key is the window's now; otherwise the code of the system's error, for
    // example when another program holds the key.
    virtual int registerKey(QObject* window, qint32 identifier, qint32 modifiers,
                            qint32 virtualKey) = 0;
    virtual bool unregisterKey(QObject* window, qint32 identifier) = 0;
    // The system's words for an error code of registerKey; empty when it has none.
    virtual QString errorText(int code) const = 0;

    // Presses of the window's keys go to the receiver until the routing is stopped; none
    // arrives afterwards, not even one pressed before.
    virtual void startRouting(QObject* window, QObject* receiver, Receiver deliver) = 0;
    virtual void stopRouting(QObject* window, QObject* receiver) = 0;

    // Shows the window, brings it back when minimised, puts it in front and gives it the
    // focus, also while another program has it.
    virtual void restoreAndActivate(QObject* window) = 0;
};

} // namespace Quillet
