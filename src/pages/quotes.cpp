#include "pages/quotes.h"

#include "services/randomsource.h"
#include "startup/textcodec.h"

#include <QFile>
#include <QFileInfo>

namespace Quillet {

Quotes::Quotes(RandomSource& random, QObject* parent) : QObject(parent), m_random(random) {}

bool Quotes::LoadQuotes(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;

    // Each line is decoded on its own, so one line typed in another encoding spoils no other.
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        const qsizetype next = end < 0 ? content.size() : end + 1;
        if (end < 0)
            end = content.size();
        QByteArrayView line(content.constData() + start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        m_quotations.append(DecodeText(line));
        start = next;
    }
    ShowRandomQuote();
    return true;
}

void Quotes::ShowRandomQuote()
{
    const double r = m_random.next();
    const qsizetype count = m_quotations.size();
    m_lastPick = int(r * count + 1);
    if (count < 1)
        return;
    emit quoteShown(m_quotations.at(m_lastPick - 1));
}

} // namespace Quillet
