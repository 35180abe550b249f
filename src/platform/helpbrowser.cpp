#include "platform/helpbrowser.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

namespace Quillet {

HelpBrowser::HelpBrowser(const QString& installFolder)
    : m_helpFolder(installFolder + QStringLiteral("/help"))
{}

HelpBrowser::~HelpBrowser()
{
    closeAll();
}

QString HelpBrowser::pageForTopic(const QString& topic)
{
    const QString separator = QStringLiteral("::/");
    const qsizetype at = topic.indexOf(separator);
    if (at < 0)
        return QStringLiteral("index.html");
    const QString page = topic.mid(at + separator.size());
    // Only a page of the help folder itself may be shown.
    if (page.isEmpty() || page.contains(QLatin1Char('/')) || page.contains(QLatin1Char('\\')))
        return QStringLiteral("index.html");
    return page;
}

void HelpBrowser::displayTopic(QWidget* owner, const QString& topic)
{
    Q_UNUSED(owner)
    if (!m_window) {
        m_window = new QTextBrowser;
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->setWindowTitle(QStringLiteral("Quillet Help"));
        m_window->setOpenExternalLinks(true);
        m_window->setSearchPaths({m_helpFolder});
        m_window->resize(640, 520);
    }
    const QString path = m_helpFolder + QLatin1Char('/') + pageForTopic(topic);
    if (QFileInfo::exists(path))
        m_window->setSource(QUrl::fromLocalFile(path));
    else
        m_window->setHtml(
            QStringLiteral("<h2>Help page not found</h2><p>%1</p>").arg(path.toHtmlEscaped()));
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void HelpBrowser::closeAll()
{
    delete m_window.data();
}

} // namespace Quillet
