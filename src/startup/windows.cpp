#include "startup/windows.h"

#include "mainwindow/frmmain.h"
#include "startup/placeholderwindow.h"
#include "users/frmlogin.h"

namespace Quillet {

Windows::Windows(AppContext& context)
    : m_context(context), m_sequence(context.state, context.settings, *this)
{}

Windows::~Windows()
{
    for (auto& [id, window] : m_windows) {
        window->disconnect(this);
        delete window;
    }
}

QWidget* Windows::window(WindowId id) const
{
    const auto found = m_windows.find(id);
    return found == m_windows.end() ? nullptr : found->second;
}

QWidget* Windows::create(WindowId id)
{
    switch (id) {
    case WindowId::Login:
        return new frmLogin(m_context, m_sequence, *this);
    case WindowId::Splash:
        return new PlaceholderWindow(QStringLiteral("splash screen"), QStringLiteral("Continue"),
                                     [this] {
                                         createHidden(WindowId::Main);
                                         m_sequence.splashFinished();
                                     });
    case WindowId::Main:
        return new frmMain(m_context, *this);
    case WindowId::Tray:
        return new PlaceholderWindow(QStringLiteral("tray window"), QStringLiteral("Open"),
                                     [this] { m_sequence.trayOpened(); });
    }
    return nullptr;
}

QWidget* Windows::load(WindowId id)
{
    if (QWidget* existing = window(id))
        return existing;
    QWidget* created = create(id);
    created->setAttribute(Qt::WA_DeleteOnClose);
    connect(created, &QObject::destroyed, this,
            [this, id, created] { windowDestroyed(id, created); });
    m_windows[id] = created;
    if (auto* login = qobject_cast<frmLogin*>(created))
        login->Form_Load();
    else if (auto* main = qobject_cast<frmMain*>(created))
        main->Form_Load();
    return created;
}

void Windows::showWindow(WindowId id)
{
    if (QWidget* shown = load(id)) {
        shown->show();
        shown->raise();
        shown->activateWindow();
    }
}

void Windows::createHidden(WindowId id)
{
    QWidget* created = load(id);
    // Until the tray icon exists, its stand-in must be seen to be opened at all.
    if (qobject_cast<PlaceholderWindow*>(created) && id == WindowId::Tray)
        created->show();
}

bool Windows::unloadWindow(WindowId id)
{
    QWidget* unloaded = window(id);
    if (!unloaded)
        return true;
    // Taken out first, so that its destruction is not mistaken for the user closing the
    // program's last window. Closing runs the window's unload, which may refuse.
    m_windows.erase(id);
    if (unloaded->close())
        return true;
    m_windows[id] = unloaded;
    return false;
}

void Windows::windowDestroyed(WindowId id, QObject* destroyed)
{
    const auto found = m_windows.find(id);
    if (found == m_windows.end() || found->second != destroyed)
        return;
    m_windows.erase(found);
    if (m_windows.empty())
        endProgram();
}

void Windows::endProgram()
{
    if (m_programEnded)
        return;
    m_programEnded = true;
    for (const auto& [id, window] : std::map(m_windows))
        unloadWindow(id);
    emit programEndRequested();
}

} // namespace Quillet
