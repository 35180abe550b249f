#pragma once

#include "app/windowfactory.h"
#include "startup/startupsequence.h"
#include "startup/windowhost.h"

#include <QObject>
#include <QWidget>
#include <map>

namespace Quillet {

// Owns the program's single-instance windows. Each is created (and loaded) on first use and
// destroyed when unloaded; when the user closes the last one, the program ends.
class Windows final : public QObject, public WindowHost {
    Q_OBJECT
public:
    explicit Windows(AppContext& context);
    ~Windows() override;
    Q_DISABLE_COPY_MOVE(Windows)

    StartupSequence& sequence() { return m_sequence; }

    // The loaded window, or nullptr.
    QWidget* window(WindowId id) const;
    template <typename Window>
    Window* window(WindowId id) const
    {
        return qobject_cast<Window*>(window(id));
    }
    bool isLoaded(WindowId id) const { return window(id) != nullptr; }
    bool programEnded() const { return m_programEnded; }

    void showWindow(WindowId id) override;
    void createHidden(WindowId id) override;
    bool unloadWindow(WindowId id) override;
    void endProgram() override;

signals:
    void programEndRequested();

private:
    QWidget* load(WindowId id);
    void windowDestroyed(WindowId id, QObject* destroyed);

    StartupSequence m_sequence;
    WindowFactory m_factory;
    std::map<WindowId, QWidget*> m_windows;
    bool m_programEnded = false;
};

} // namespace Quillet
