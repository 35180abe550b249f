#pragma once

#include <QStringList>

namespace Quillet {

// The dates visited since the main window loaded, newest first, at most 16; not stored.
class VisitHistory {
public:
    static constexpr int kMaxEntries = 16;

    const QStringList& entries() const { return m_entries; }

    bool IsInHistory(const QString& entry) const { return m_entries.contains(entry); }
    // A date already listed keeps its place; a new one goes to the top.
    void recordVisit(const QString& entry);
    void MoveNewestToTop();

private:
    QStringList m_entries;
};

} // namespace Quillet
