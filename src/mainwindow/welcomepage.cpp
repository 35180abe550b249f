#include "mainwindow/welcomepage.h"

#include "pages/pagestore.h"
#include "pages/richtextbox.h"

#include <QFileInfo>

namespace Quillet {

void WelcomePage::load(const QString& path)
{
    m_store.showWelcome(path);
    m_path = path;
}

void WelcomePage::showIfTodayIsEmpty()
{
    if (m_path.isEmpty())
        return;
    if (!QFileInfo::exists(m_store.pageFilePath(m_store.shownDate())) && m_page.Text().isEmpty())
        m_store.showWelcome(m_path);
    m_path.clear();
}

} // namespace Quillet
