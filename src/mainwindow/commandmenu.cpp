#include "mainwindow/commandmenu.h"

#include "mainwindow/sidebarmenu.h"
#include "platform/helpviewer.h"
#include "platform/shell.h"
#include "services/appcontext.h"
#include "startup/appsettingsstore.h"
#include "startup/programstate.h"
#include "startup/webaddresses.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace Quillet {
namespace {

const char* const kKeyProperty = "key";
const char* const kDateProperty = "date";
const char* const kHeadingProperty = "heading";

bool isInstalled(const AppSettingsStore& settings, const QString& application)
{
    return settings.readSetting(application, QStringLiteral("Install"), QStringLiteral("Switch"),
                                QStringLiteral("no")) == QLatin1String("yes");
}

QAction* describe(QAction* item, int data, const QString& key, const QString& helpText = {})
{
    item->setData(data);
    item->setProperty(kKeyProperty, key);
    item->setStatusTip(helpText);
    if (!helpText.isEmpty())
        item->setToolTip(helpText);
    return item;
}

QMenu* addSubmenu(QMenu& parent, const QString& caption, const QString& key,
                  const QString& helpText = QString())
{
    QMenu* submenu = parent.addMenu(caption);
    describe(submenu->menuAction(), CommandMenu::Plain, key, helpText);
    return submenu;
}

} // namespace

CommandMenu::CommandMenu(AppContext& context, QPushButton& menuButton, QLabel& sideBar,
                         Commands commands)
    : m_context(context), m_menuButton(menuButton), m_sideBar(sideBar),
      m_commands(std::move(commands))
{
    connect(&m_menuButton, &QPushButton::toggled, this, &CommandMenu::cmdMenu_Click);
}

CommandMenu::~CommandMenu() = default;

QMenu* CommandMenu::menu() const
{
    return m_menu.get();
}

int CommandMenu::itemData(const QAction* item)
{
    return item->data().toInt();
}

QString CommandMenu::key(const QAction* item)
{
    return item->property(kKeyProperty).toString();
}

QString CommandMenu::caption(const QAction* item)
{
    return item->isSeparator() ? QLatin1Char('-') + item->property(kHeadingProperty).toString()
                               : item->text();
}

QAction* CommandMenu::add(QMenu* parent, const QString& caption, int data, const QString& key,
                          const QString& helpText)
{
    if (!caption.startsWith(QLatin1Char('-')))
        return describe(parent->addAction(caption), data, key, helpText);
    // A caption that begins with "-" is a separator, headed by the rest of it; a heading of
    // blanks would only cut its line short.
    const QString heading = caption.mid(1);
    QAction* item =
        heading.trimmed().isEmpty() ? parent->addSeparator() : parent->addSection(heading);
    item->setProperty(kHeadingProperty, heading);
    return describe(item, data, key, helpText);
}

void CommandMenu::BuildCommandMenu(const QList<Bookmark>& bookmarks)
{
    m_menu = std::make_unique<SideBarMenu>(m_menuButton.window());
    m_menu->setObjectName(QStringLiteral("m_cMenu"));
    m_menu->setToolTipsVisible(true);
    SideBarMenu& top = *m_menu;

    add(&top, QStringLiteral("&About Quillet..."), Plain, QStringLiteral("credits"));
    add(&top, QStringLiteral("-"), Plain, QString());
    QMenu* marks = addSubmenu(top, QStringLiteral("&Bookmarks"), QStringLiteral("Bookmarks"));
    addBookmarks(*marks, bookmarks);
    add(marks, QStringLiteral("-"), Plain, QString());
    add(marks, QStringLiteral("Add current as bookmark..."), Plain, QStringLiteral("Add Bookmark"),
        QStringLiteral("Mark this page as favourite"));
    QMenu* skins = addSubmenu(top, QStringLiteral("&Skins"), QStringLiteral("Skins"),
                              QStringLiteral("Change my looks!"));
    addSkins(*skins);
    add(skins, QStringLiteral("-"), Plain, QString());
    add(skins, QStringLiteral("Get more skins..."), Plain, QStringLiteral("Get Skins"));
    add(&top, QStringLiteral("-Tools"), Plain, QString());
    addSiblingProgram(top, QStringLiteral("&Skin Editor"), SkinEditor,
                      QStringLiteral("Quillet SkinEd"));
    addSiblingProgram(top, QStringLiteral("&File Export\\Import"), Exporter,
                      QStringLiteral("Quillet Exporter"));
    // Blanks on a separator widen the whole menu; a section's blank heading takes no room
    // here, so the menu is made as much wider as they are.
    const QString blanks(36, QLatin1Char(' '));
    add(&top, QStringLiteral("-") + blanks, Plain, QString());
    add(&top, QStringLiteral("&Options..."), Plain, QStringLiteral("options"));
    add(&top, QStringLiteral("-Help"), Plain, QString());
    QMenu* help = addSubmenu(top, QStringLiteral("&Help.."), QStringLiteral("Help"));
    add(help, QStringLiteral("Contents"), Plain, QStringLiteral("contents"));
    add(help, QStringLiteral("Keyboard Shortcuts"), Plain, QStringLiteral("keyb"));
    add(help, QStringLiteral("Contacting the Author"), Plain, QStringLiteral("contact"));
    QMenu* web = addSubmenu(top, QStringLiteral("On the We&b"), QStringLiteral("Web"));
    add(web, QStringLiteral("Quillet Homepage"), WebLink, kHomePage);
    add(web, QStringLiteral("Quillet User Community Forum"), WebLink, kForumPage);
    add(web, QStringLiteral("-other sites"), Plain, QString());
    add(web, QStringLiteral("My Homepage"), WebLink, kAuthorPage);
    add(&top, QStringLiteral("-"), Plain, QString());
    add(&top, QStringLiteral("&Log off '%1'").arg(m_context.state.currentUser), Plain,
        QStringLiteral("logoff"));
    add(&top, QStringLiteral("&Close"), Plain, QStringLiteral("Close"));

    m_menu->setMinimumWidth(m_menu->sizeHint().width() +
                            m_menu->fontMetrics().horizontalAdvance(blanks));
    connect(m_menu.get(), &QMenu::triggered, this, &CommandMenu::m_cMenu_Click);
    // The strip is drawn as tall as the whole menu, so that it reads as one picture.
    m_sideBar.setPixmap(SideBarMenu::drawSideBar(m_menu->sizeHint().height()));
    m_sideBar.resize(m_sideBar.pixmap().size());
    m_menu->setSideBar(m_sideBar.pixmap());
}

void CommandMenu::addBookmarks(QMenu& submenu, const QList<Bookmark>& bookmarks)
{
    for (const Bookmark& bookmark : bookmarks) {
        // A description is text, whatever it begins with or holds.
        QAction* item = submenu.addAction(
            QString(bookmark.description).replace(QLatin1Char('&'), QLatin1String("&&")));
        describe(item, BookmarkDate,
                 bookmark.date.isValid() ? QLocale().toString(bookmark.date, QLocale::ShortFormat)
                                         : QString());
        // The date itself goes with the item: a short date may not read back as the same day.
        item->setProperty(kDateProperty, bookmark.date);
    }
}

void CommandMenu::addSkins(QMenu& submenu)
{
    const QString folder = m_context.state.installFile(QStringLiteral("skins"));
    const QStringList files =
        QDir(folder).entryList({QStringLiteral("*.jss")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        add(&submenu, file.chopped(4), Skin, folder + QLatin1Char('/') + file);
}

void CommandMenu::addSiblingProgram(QMenu& menu, const QString& caption, int data,
                                    const QString& application)
{
    const AppSettingsStore& settings = m_context.appSettings;
    QAction* item = add(&menu, caption, data,
                        settings.readSetting(application, QStringLiteral("Install"),
                                             QStringLiteral("Path"), QStringLiteral("no")));
    item->setEnabled(isInstalled(settings, application));
}

void CommandMenu::cmdMenu_Click(bool pressed)
{
    // The release that the program makes raises this notice too: it opens nothing.
    if (m_guard) {
        m_guard = false;
        return;
    }
    if (!pressed || !m_menu)
        return;
    // Above the button, which sits at the bottom of the window: the menu leaves it visible.
    const QPoint below = m_menuButton.mapToGlobal(QPoint(0, 0));
    const QPoint at(below.x(), below.y() - m_menu->sizeHint().height());
    if (!m_menu->exec(at))
        release();
}

void CommandMenu::release()
{
    if (!m_menuButton.isChecked())
        return;
    m_guard = true;
    m_menuButton.setChecked(false);
}

void CommandMenu::m_cMenu_Click(QAction* item)
{
    if (!item)
        return;
    release();
    // The item may be gone with the window once the command ran: read what it holds first.
    const int data = itemData(item);
    const QString itemKey = key(item);
    dispatch(data, itemKey, item);
}

void CommandMenu::showHelp(const QString& page)
{
    m_context.help.displayTopic(m_menuButton.window(),
                                HelpViewer::topic(m_context.state.installFolder, page));
}

void CommandMenu::dispatch(int data, const QString& itemKey, const QAction* item)
{
    switch (data) {
    case WebLink:
        m_context.shell.openUrl(itemKey);
        return;
    case Skin:
        m_commands.loadSkin(itemKey);
        return;
    case BookmarkDate:
        if (const QDate date = item->property(kDateProperty).toDate(); date.isValid())
            m_commands.goToBookmark(date);
        return;
    case SkinEditor:
    case Exporter: {
        const QString program = itemKey + (data == SkinEditor ? QStringLiteral("/skintool")
                                                              : QStringLiteral("/porttool"));
        if (QFileInfo::exists(program))
            m_context.shell.startProgram(program);
        return;
    }
    default:
        break;
    }
    const std::pair<const char*, std::function<void()>> byKey[] = {
        {"logoff", m_commands.logOff},
        {"options", m_commands.showOptions},
        {"credits", m_commands.showCredits},
        {"Get Skins", [this] { m_context.shell.openUrl(kSkinsPage); }},
        {"contents", [this] { showHelp(QString()); }},
        {"keyb", [this] { showHelp(QStringLiteral("keyb.html")); }},
        {"contact", [this] { showHelp(QStringLiteral("contact.html")); }},
        {"Add Bookmark", m_commands.addBookmark},
        {"Close", m_commands.close},
    };
    for (const auto& [name, command] : byKey) {
        if (itemKey == QLatin1String(name)) {
            command();
            return;
        }
    }
}

} // namespace Quillet
