#pragma once

#include <QHash>
#include <QString>

namespace Quillet {

// Numbers that stand for texts, handed out as the system's table of string atoms does: from
// 0xC000 to 0xFFFF. Every addition gets a number of its own, and a number freed is the last to
// come round again, so that a late message for a key just given back names no new one.
class AtomTable final {
public:
    static constexpr quint16 kFirst = 0xC000;
    static constexpr int kCapacity = 0x4000;

    // 0 when every number is in use.
    quint16 add(const QString& name);
    bool remove(quint16 atom);
    QString name(quint16 atom) const { return m_names.value(atom); }
    int size() const { return int(m_names.size()); }

private:
    QHash<quint16, QString> m_names;
    int m_next = 0;
};

} // namespace Quillet
