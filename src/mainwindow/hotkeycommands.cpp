#include "mainwindow/hotkeycommands.h"

#include "extras/creghotkey.h"
#include "platform/dialogs.h"
#include "platform/helpviewer.h"
#include "platform/hotkeyplatform.h"
#include "services/appcontext.h"
#include "startup/programstate.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace Quillet {
namespace {

struct HotKey {
    const char* name;
    qint32 key;
    qint32 modifiers;
};

constexpr qint32 kCtrl = HotKeyPlatform::Control;

// In the order of registration.
constexpr HotKey kHotKeys[] = {
    {"Help", HotKeyPlatform::F1, 0},
    {"Options", HotKeyPlatform::F8, 0},
    {"Save", 'S', kCtrl},
    {"Quit", 'Q', kCtrl},
    {"Print", 'P', kCtrl},
    {"Bold", 'B', kCtrl},
    {"Italics", 'I', kCtrl},
    {"Underline", 'U', kCtrl},
    {"Minim", 'M', kCtrl},
    {"Restore", 'R', kCtrl},
    {"Zorbo", HotKeyPlatform::F12,
     HotKeyPlatform::Control | HotKeyPlatform::Shift | HotKeyPlatform::Alt},
};

const QString kEasterEgg = QStringLiteral("Easter Egg");

} // namespace

HotKeyCommands::HotKeyCommands(AppContext& context, QWidget& window, QTimer& tmrEarthquake,
                               Commands commands)
    : m_context(context), m_window(window), m_tmrEarthquake(tmrEarthquake),
      m_shake(context.windowSystem, context.random), m_commands(std::move(commands))
{
    connect(&m_tmrEarthquake, &QTimer::timeout, this, [this] { m_shake.ShakeDesktop(); });
}

HotKeyCommands::~HotKeyCommands() = default;

void HotKeyCommands::RegisterHotKeys()
{
    m_hotkey = std::make_unique<cRegHotKey>(m_context.hotKeys);
    connect(m_hotkey.get(), &cRegHotKey::HotKeyPress, this, &HotKeyCommands::Hotkey_HotKeyPress);
    m_hotkey->Attach(&m_window);
    for (const HotKey& hotKey : kHotKeys)
        // A key that another program holds simply never fires; the others still register.
        static_cast<void>(
            m_hotkey->RegisterKey(QLatin1String(hotKey.name), hotKey.key, hotKey.modifiers));
}

void HotKeyCommands::Clear()
{
    if (m_hotkey)
        m_hotkey->Clear();
}

void HotKeyCommands::Hotkey_HotKeyPress(const QString& sName, qint32 eModifiers, qint32 eKey)
{
    Q_UNUSED(eModifiers)
    Q_UNUSED(eKey)
    if (sName == QLatin1String("Minim")) {
        m_window.setWindowState(Qt::WindowMinimized);
        return;
    }
    if (sName == QLatin1String("Restore")) {
        m_window.setWindowState(Qt::WindowNoState);
        m_hotkey->RestoreAndActivate(&m_window);
        return;
    }
    // A press arrives also while one of the program's modal windows waits for an answer; a
    // command then would open a second one, or end the window under the one that waits.
    if (QApplication::activeModalWidget())
        return;
    if (sName == QLatin1String("Help"))
        m_context.help.displayTopic(&m_window, HelpViewer::topic(m_context.state.installFolder));
    else if (sName == QLatin1String("Options"))
        m_commands.showOptions();
    else if (sName == QLatin1String("Save"))
        m_commands.save();
    else if (sName == QLatin1String("Quit"))
        m_window.close();
    else if (sName == QLatin1String("Print"))
        m_commands.print();
    else if (sName == QLatin1String("Bold"))
        m_commands.toggleStyle(QStringLiteral("bold"));
    else if (sName == QLatin1String("Italics"))
        m_commands.toggleStyle(QStringLiteral("italics"));
    else if (sName == QLatin1String("Underline"))
        m_commands.toggleStyle(QStringLiteral("underline"));
    else if (sName == QLatin1String("Zorbo"))
        toggleEarthquake();
}

void HotKeyCommands::toggleEarthquake()
{
    if (m_tmrEarthquake.isActive()) {
        m_tmrEarthquake.stop();
        return;
    }
    m_context.dialogs.message(&m_window, QStringLiteral("Be Ready For A Desktop EarthQuake!!"),
                              MessageButtons::Ok, MessageIcon::None, kEasterEgg);
    m_context.dialogs.message(&m_window, QStringLiteral("Press [CTRL+SHIFT+ALT+F12] to stop"),
                              MessageButtons::Ok, MessageIcon::None, kEasterEgg);
    m_tmrEarthquake.start();
}

} // namespace Quillet
