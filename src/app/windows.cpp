#include "app/windows.h"

#include "services/appcontext.h"
#include "startup/loadablewindow.h"

namespace Quillet {

Windows::Windows(AppContext& context)
    : m_sequence(context.state, context.settings, context.dialogs, *this),
      m_factory(context, m_sequence, *this)
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

QWidget* Windows::load(WindowId id)
{
    if (QWidget* existing = window(id))
        return existing;
    QWidget* created = m_factory.create(id);
    created->setAttribute(Qt::WA_DeleteOnClose);
    connect(created, &QObject::destroyed, this,
            [this, id, created] { windowDestroyed(id, created); });
    m_windows[id] = created;
    if (auto* loadable = dynamic_cast<LoadableWindow*>(created))
        loadable->Form_Load();
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
    load(id);
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
