#pragma once

#include "pages/bookmarkfile.h"

#include <QList>
#include <QObject>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace Quillet {

struct AppContext;
class SideBarMenu;

// The command menu behind the Menu button: built once per load from its fixed items, the
// user's bookmarks, the installed skins and the sibling programs; a chosen item is carried out
// by its item data, else by its key.
class CommandMenu final : public QObject {
    Q_OBJECT
public:
    // Item data: what an item's key names.
    enum ItemData {
        Plain = 0,
        WebLink = 122,
        Skin = 123,
        BookmarkDate = 124,
        SkinEditor = 299,
        Exporter = 399
    };

    // What the commands do in the main window.
    struct Commands {
        std::function<void()> logOff;
        std::function<void()> close;
        std::function<void()> addBookmark;
        std::function<void()> showOptions;
        std::function<void()> showCredits;
        std::function<void(const QDate&)> goToBookmark;
        std::function<void(const QString&)> loadSkin;
    };

    CommandMenu(AppContext& context, QPushButton& menuButton, QLabel& sideBar, Commands commands);
    ~CommandMenu() override;
    Q_DISABLE_COPY_MOVE(CommandMenu)

    void BuildCommandMenu(const QList<Bookmark>& bookmarks);
    QMenu* menu() const;

    // Carries out a chosen item: the button comes up first, so the menu never reopens.
    void m_cMenu_Click(QAction* item);

    static int itemData(const QAction* item);
    static QString key(const QAction* item);
    // As the item was added: a separator's begins with "-" and goes on with its heading.
    static QString caption(const QAction* item);

private:
    void cmdMenu_Click(bool pressed);
    void dispatch(int data, const QString& key, const QAction* item);
    void release();
    QAction* add(QMenu* parent, const QString& caption, int data, const QString& key,
                 const QString& helpText = QString());
    void addBookmarks(QMenu& submenu, const QList<Bookmark>& bookmarks);
    void addSkins(QMenu& submenu);
    void addSiblingProgram(QMenu& menu, const QString& caption, int data,
                           const QString& application);
    void showHelp(const QString& page);

    AppContext& m_context;
    QPushButton& m_menuButton;
    QLabel& m_sideBar;
    Commands m_commands;
    std::unique_ptr<SideBarMenu> m_menu;
    bool m_guard = false;
};

} // namespace Quillet
