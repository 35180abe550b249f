#pragma once

#include "extras/desktopshake.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QTimer;
class QWidget;

namespace Quillet {

struct AppContext;
class cRegHotKey;

// The main window's keys of the whole desktop: registered by name at every load, given back
// at the unload, and each press turned into the window's command.
class HotKeyCommands final : public QObject {
    Q_OBJECT
public:
    // What the keys do in the main window beyond what this part does itself.
    struct Commands {
        std::function<void()> showOptions;
        std::function<void()> save;
        std::function<void()> print;
        // "bold", "italics" or "underline": the selection takes the opposite of what it has.
        std::function<void(const QString& key)> toggleStyle;
    };

    HotKeyCommands(AppContext& context, QWidget& window, QTimer& tmrEarthquake, Commands commands);
    ~HotKeyCommands() override;
    Q_DISABLE_COPY_MOVE(HotKeyCommands)

    void RegisterHotKeys();
    void Clear();
    void Hotkey_HotKeyPress(const QString& sName, qint32 eModifiers, qint32 eKey);

    // nullptr before the first registration.
    cRegHotKey* Hotkey() const { return m_hotkey.get(); }

private:
    void toggleEarthquake();

    AppContext& m_context;
    QWidget& m_window;
    QTimer& m_tmrEarthquake;
    DesktopShake m_shake;
    Commands m_commands;
    std::unique_ptr<cRegHotKey> m_hotkey;
};

} // namespace Quillet
