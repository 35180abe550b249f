#pragma once

#include "platform/atomtable.h"
#include "platform/hotkeyplatform.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QSet>

namespace Quillet {

// A desktop whose keys the test presses. Registrations are kept in the order made; a key that
// the test marks as another program's is refused as the desktop refuses one.
class FakeHotKeys final : public HotKeyPlatform {
public:
    static constexpr int kKeyTaken = 1409;
    static inline const QString kKeyTakenText = QStringLiteral("Hot key is already registered.");

    struct Registration {
        QObject* window;
        qint32 identifier;
        qint32 modifiers;
        qint32 key;
    };

    QList<Registration> registrations;
    // Combinations (modifiers, key) that another program holds.
    QSet<QPair<qint32, qint32>> heldElsewhere;
    // What the desktop answers for a key held elsewhere; only kKeyTaken has words.
    int refusal = kKeyTaken;
    QList<QObject*> restored;

    AtomTable& atoms() override { return m_atoms; }

    int registerKey(QObject* window, qint32 identifier, qint32 modifiers,
                    qint32 virtualKey) override
    {
        if (heldElsewhere.contains({modifiers, virtualKey}) || registered(modifiers, virtualKey))
            return refusal;
        registrations.append({window, identifier, modifiers, virtualKey});
        return 0;
    }
    bool unregisterKey(QObject* window, qint32 identifier) override
    {
        for (qsizetype i = 0; i < registrations.size(); ++i) {
            if (registrations[i].window == window && registrations[i].identifier == identifier) {
                registrations.removeAt(i);
                return true;
            }
        }
        return false;
    }
    QString errorText(int code) const override
    {
        return code == kKeyTaken ? kKeyTakenText : QString();
    }

    void startRouting(QObject* window, QObject* receiver, Receiver deliver) override
    {
        m_routes.insert(window, {receiver, std::move(deliver)});
    }
    void stopRouting(QObject* window, QObject* receiver) override
    {
        if (m_routes.value(window).receiver == receiver)
            m_routes.remove(window);
    }
    bool routed(QObject* window) const { return m_routes.contains(window); }

    void restoreAndActivate(QObject* window) override { restored.append(window); }

    bool registered(qint32 modifiers, qint32 key) const
    {
        for (const Registration& r : registrations)
            if (r.modifiers == modifiers && r.key == key)
                return true;
        return false;
    }

    // The user presses the combination: false when nothing of the program has it.
    bool press(qint32 modifiers, qint32 key) const
    {
        for (const Registration& r : registrations)
            if (r.modifiers == modifiers && r.key == key)
                return send(r.window, r.identifier, modifiers, key);
        return false;
    }
    // A press message for the window as the desktop would send it, with any identifier.
    bool send(QObject* window, qint32 identifier, qint32 modifiers, qint32 key) const
    {
        const auto route = m_routes.find(window);
        if (route == m_routes.end())
            return false;
        // A copy: what the press does may end the routing.
        const Receiver deliver = route->deliver;
        deliver(identifier, modifiers, key);
        return true;
    }

private:
    struct Route {
        QObject* receiver = nullptr;
        Receiver deliver;
    };
    AtomTable m_atoms;
    QMap<QObject*, Route> m_routes;
};

} // namespace Quillet
