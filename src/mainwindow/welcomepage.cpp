#include "mainwindow/welcomepage.h"

#include "pages/pagestore.h"
#include "pages/richtextbox.h"

#include <QFileInfo>

namespace Quillet {

void WelcomePage::load(const QString& path)
{
    m_page.setFileName(path);
    m_path = path;
}

void WelcomePage::showIfTodayIsEmpty()
{
    if (m_path.isEmpty())
        return;
    if (!QFileInfo::exists(m_store.pageFilePath(m_store.shownDate())) && m_page.Text().isEmpty()) {
        m_page.setFileName(m_path);
        m_page.setSelStart(0);
        m_page.setTag(RichTextBox::PageState::Clean);
    }
    m_path.clear();
}

} // namespace Quillet
