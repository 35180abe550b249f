#include "mainwindow/frmmain.h"

#include "extras/frmcredits.h"
#include "mainwindow/bookmarks.h"
#include "mainwindow/colourblock.h"
#include "mainwindow/commandmenu.h"
#include "mainwindow/dayrequests.h"
#include "mainwindow/editingcommands.h"
#include "mainwindow/frmoptions.h"
#include "mainwindow/hotkeycommands.h"
#include "mainwindow/pagetoolbar.h"
#include "pages/clockface.h"
#include "pages/monthcalendar.h"
#include "pages/pagenavigation.h"
#include "pages/pagestore.h"
#include "pages/quotes.h"
#include "pages/richtextbox.h"
#include "platform/dialogs.h"
#include "platform/helpviewer.h"
#include "platform/windowframes.h"
#include "services/appcontext.h"
#include "services/timesource.h"
#include "startup/installationrecord.h"
#include "startup/programstate.h"
#include "startup/quilletlink.h"
#include "startup/windowhost.h"
#include "widgets/staticedge.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace Quillet {

frmMain::frmMain(AppContext& context, WindowHost& windows)
    : m_context(context), m_windows(windows), m_client(new QWidget(this)),
      m_frame(*this, *m_client, context.frames.movesFramelessWindows()),
      m_controls(*m_client, context),
      m_store(std::make_unique<PageStore>(context, *m_controls.page, *m_controls.Calender)),
      m_navigation(std::make_unique<PageNavigation>(context, *m_store, *m_controls.page,
                                                    *m_controls.Calender, *m_controls.cmbHistory,
                                                    *m_controls.Label5)),
      m_quotes(std::make_unique<Quotes>(context.random)),
      m_commands(std::make_unique<EditingCommands>(context, *m_store, *m_controls.page,
                                                   *m_controls.Toolbar, *m_controls.cmbFntName,
                                                   *m_controls.cmbFntSize)),
      m_bookmarks(std::make_unique<Bookmarks>(context, *m_navigation, *m_controls.Calender,
                                              *m_controls.lstBookMark)),
      m_menu(std::make_unique<CommandMenu>(
          context, *m_controls.cmdMenu, *m_controls.picSideBar,
          CommandMenu::Commands{
              [this] { LogOff(); },
              [this] {
                  // As the system's close command: a quit called off now asks once more.
                  QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
                  close();
              },
              [this] { m_bookmarks->cmdBookAdd_Click(); },
              [this] { showOptions(); },
              [this] { showCredits(); },
              [this](const QDate& date) { m_bookmarks->goToBookmark(date); },
              [this](const QString& skin) { m_windowPreferences.applySkin(skin); },
          })),
      m_hotKeys(std::make_unique<HotKeyCommands>(
          context, *this, *m_controls.tmrEarthquake,
          HotKeyCommands::Commands{
              [this] { showOptions(); },
              [this] { m_store->SavePage(); },
              // Exactly as the toolbar's Print.
              [this] { m_controls.Toolbar->button(QStringLiteral("print"))->trigger(); },
              [this](const QString& key) { m_commands->toggleSelStyle(key); },
          })),
      m_dayRequests(std::make_unique<DayRequests>(context, *m_navigation, *m_store,
                                                  *m_controls.Calender, *this)),
      m_welcome(*m_store, *m_controls.page),
      m_windowPreferences(*this, m_frame, m_controls, m_welcome),
      m_preferences(context.settings, context.state, context.logOn)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral(" Quillet"));
    connectControls();
    resize(m_frame.windowSizeFor(MainControls::kDesignSize));
}

frmMain::~frmMain() = default;

void frmMain::connectControls()
{
    const MainControls& ui = m_controls;
    // Given before the preferences load: a style sheet set later would undo the skin's colours.
    for (QPushButton* button : {ui.cmdMenu, ui.cmdGo, ui.cmdBookList, ui.cmdBookAdd})
        GiveStaticEdge(button);
    connect(m_quotes.get(), &Quotes::quoteShown, ui.Label2, &QLabel::setText);
    connect(ui.cmdGo, &QPushButton::clicked, m_navigation.get(), &PageNavigation::Go);
    connect(m_navigation.get(), &PageNavigation::selectionFormatChanged, this,
            [this](bool selectionMoved) {
                m_commands->updateCombos();
                if (selectionMoved)
                    m_commands->updateToolbar();
            });
    for (ColourBlock* block : ui.colBlocks) {
        connect(block, &ColourBlock::clicked, this,
                [this, block] { m_commands->colBlocks_Click(block->colour()); });
        connect(block, &ColourBlock::doubleClicked, this,
                [this, block] { m_commands->colBlocks_DblClick(*block); });
    }
    connect(ui.cmdBookList, &QPushButton::toggled, m_bookmarks.get(),
            &Bookmarks::cmdBookList_Click);
    connect(m_bookmarks.get(), &Bookmarks::listShownOrHidden, this, &frmMain::Form_Resize);
    connect(ui.cmdBookAdd, &QPushButton::clicked, m_bookmarks.get(), &Bookmarks::cmdBookAdd_Click);
    ui.Label1->installEventFilter(this);
}

void frmMain::Form_Resize()
{
    if (isMinimized())
        return;
    m_frame.place();
    m_controls.fitTo(m_client->size());
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMain::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void frmMain::Form_Load()
{
    ProgramState& state = m_context.state;
    if (state.firstRun || state.newUser)
        m_preferences.ApplyFirstRunDefaults(m_windowPreferences);
    m_preferences.LoadPreferences(m_windowPreferences);
    m_hotKeys->RegisterHotKeys();
    InitMainWindow();
    m_menu->BuildCommandMenu(m_bookmarks->load());
    m_store->SetPageText(m_controls.Calender->Value());
    m_welcome.showIfTodayIsEmpty();
    m_controls.page->setFocus();
    m_dayRequests->start(QuilletLink::serverNameForThisUser());
    state.mainWindowLoaded = true;
}

void frmMain::InitMainWindow()
{
    const MainControls& ui = m_controls;
    ui.Calender->setValue(m_context.time.now().date());
    m_store->SetPageText(ui.Calender->Value());
    m_commands->updateCombos();
    m_quotes->LoadQuotes(m_context.state.installFile(QStringLiteral("quotes.txt")));
    RecordInstallation(m_context.settings, m_context.appSettings, m_context.state);
    m_store->MarkPageDays();
    ui.Label3->setText(
        QStringLiteral("Version [%1.%2]").arg(ProgramVersion::major).arg(ProgramVersion::minor));
    ui.lblSpaceFill->setText(QStringLiteral("Version %1.%2.%3 [August 28,2001]")
                                 .arg(ProgramVersion::major)
                                 .arg(ProgramVersion::minor)
                                 .arg(ProgramVersion::revision));
    m_frame.setClientMinimumSize(kMinimumSize);
    ui.picClock->DrawClockFace();
    ui.picClock->StartClock();
}

void frmMain::showOptions()
{
    frmOptions options(m_context, this);
    options.exec();
}

void frmMain::showCredits()
{
    frmCredits credits(m_context, this);
    credits.exec();
}

bool frmMain::Form_Unload()
{
    SaveWindowMetrics();
    const WarningFlags& warnings = m_context.state.warnings;
    if (warnings.showWarnings) {
        if (warnings.closeWarning &&
            m_context.dialogs.message(
                this, QStringLiteral("Are you sure you want to quit Quillet?"),
                MessageButtons::YesNo, MessageIcon::None) == MessageAnswer::No)
            return false;
        if (!m_navigation->offerToSave(MessageButtons::YesNoCancel))
            return false;
    }
    m_context.help.closeAll();
    m_hotKeys->Clear();
    m_dayRequests->stop();
    return true;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_controls.Label1 && event->type() == QEvent::MouseButtonRelease)
        m_quotes->ShowRandomQuote();
    return QWidget::eventFilter(watched, event);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (Form_Unload())
        event->accept();
    else
        event->ignore();
}

void frmMain::LogOff()
{
    WarningFlags& warnings = m_context.state.warnings;
    if (warnings.logWarning && warnings.showWarnings &&
        m_context.dialogs.message(this, QStringLiteral("Are you sure, you want to logoff?"),
                                  MessageButtons::YesNo, MessageIcon::None,
                                  QStringLiteral("Log off?")) == MessageAnswer::No)
        return;
    const bool closeWarning = warnings.closeWarning;
    warnings.closeWarning = false;
    WindowHost& windows = m_windows;
    // Unloading destroys this window: nothing of it may be touched afterwards.
    if (windows.unloadWindow(WindowId::Main))
        windows.showWindow(WindowId::Login);
    else
        warnings.closeWarning = closeWarning;
}

void frmMain::SaveWindowMetrics()
{
    m_preferences.saveWindowMetrics(m_windowPreferences);
}

} // namespace Quillet
