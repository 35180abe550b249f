#pragma once

#include <QObject>
#include <QStringList>

namespace Quillet {

class RandomSource;

// The quotation of the day: a list of quotations read from a text file, one a line, and a
// random pick among them.
class Quotes final : public QObject {
    Q_OBJECT
public:
    explicit Quotes(RandomSource& random, QObject* parent = nullptr);

    // Appends the lines of the file and shows one of the quotations; false, with nothing
    // shown, when there is no readable file at the path.
    bool LoadQuotes(const QString& path);
    void ShowRandomQuote();

    // Position of the last pick, counted from 1; 0 before the first.
    int lastPick() const { return m_lastPick; }
    const QStringList& quotations() const { return m_quotations; }

signals:
    void quoteShown(const QString& quote);

private:
    RandomSource& m_random;
    QStringList m_quotations;
    int m_lastPick = 0;
};

} // namespace Quillet
