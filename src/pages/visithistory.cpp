#include "pages/visithistory.h"

namespace Quillet {

void VisitHistory::recordVisit(const QString& entry)
{
    if (IsInHistory(entry))
        return;
    m_entries.append(entry);
    MoveNewestToTop();
    while (m_entries.size() > kMaxEntries)
        m_entries.removeLast();
}

void VisitHistory::MoveNewestToTop()
{
    if (!m_entries.isEmpty())
        m_entries.prepend(m_entries.takeLast());
}

} // namespace Quillet
