#include "platform/atomtable.h"

namespace Quillet {

quint16 AtomTable::add(const QString& name)
{
    if (size() >= kCapacity)
        return 0;
    for (;; m_next = (m_next + 1) % kCapacity) {
        const auto atom = quint16(kFirst + m_next);
        if (!m_names.contains(atom)) {
            m_names.insert(atom, name);
            m_next = (m_next + 1) % kCapacity;
            return atom;
        }
    }
}

bool AtomTable::remove(quint16 atom)
{
    return m_names.remove(atom);
}

} // namespace Quillet
