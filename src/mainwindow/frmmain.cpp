#include "mainwindow/frmmain.h"

#include "mainwindow/bgrcolour.h"
#include "mainwindow/colorchooser.h"
#include "mainwindow/colourblock.h"
#include "mainwindow/editingcommands.h"
#include "mainwindow/mainlayout.h"
#include "mainwindow/pagetoolbar.h"
#include "pages/clockface.h"
#include "pages/monthcalendar.h"
#include "pages/pagenavigation.h"
#include "pages/pagestore.h"
#include "pages/quotes.h"
#include "pages/richtextbox.h"
#include "pages/timesource.h"
#include "platform/dialogs.h"
#include "platform/helpviewer.h"
#include "startup/programstate.h"
#include "startup/settingsstore.h"
#include "startup/windowhost.h"
#include "startup/wineffects.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace Quillet {
namespace {

const QString kClean = QStringLiteral("CLEAN");

// The design colours of the sixteen blocks, as 0x00BBGGRR.
constexpr std::array<quint32, 16> kDesignColours{
    0x020002, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x808080,
    0x000080, 0x008000, 0x808000, 0x800080, 0xC0C0C0, 0x008080, 0x800000, 0xFFFFFF,
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmMain::frmMain(AppContext& context, WindowHost& windows)
    : m_context(context), m_windows(windows),
      m_preferences(context.settings, context.state, context.logOn), m_placement(1440.0 / 96.0)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral(" Quillet"));
    if (QScreen* screen = this->screen())
        m_placement = TwipsPlacement(1440.0 / screen->logicalDotsPerInchX());
    createControls();
    resize(kDesignSize);
}

frmMain::~frmMain() = default;

void frmMain::createControls()
{
    Toolbar = new PageToolbar(this);
    // Printing arrives with the print preview.
    Toolbar->button(QStringLiteral("print"))->setEnabled(false);

    cmbFntName = new QFontComboBox(this);
    cmbFntName->setObjectName(QStringLiteral("cmbFntName"));
    cmbFntName->setToolTip(QStringLiteral("Font"));
    cmbFntSize = new QComboBox(this);
    cmbFntSize->setObjectName(QStringLiteral("cmbFntSize"));
    cmbFntSize->setEditable(true);
    cmbFntSize->setToolTip(QStringLiteral("Font Size"));
    for (const int size : {10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        cmbFntSize->addItem(QString::number(size));

    Calender = new MonthCalendar(this);

    Label4 = makeLabel(this, "Label4", QStringLiteral("Quick Nav :"));
    cmbHistory = new QComboBox(this);
    cmbHistory->setObjectName(QStringLiteral("cmbHistory"));
    cmbHistory->setEditable(true);
    cmbHistory->setToolTip(QStringLiteral("Enter date and press Go!"));
    cmdGo = makeButton(this, "cmdGo", QStringLiteral("Go!"));

    picClock = new ClockFace(m_context.time, this);
    Image1 = makeLabel(this, "Image1", QString());
    Image1->setPixmap(QPixmap(m_context.state.installFile(QStringLiteral("quillet.png"))));
    Image1->setScaledContents(true);
    Label3 = makeLabel(this, "Label3", QString());
    Label3->setAlignment(Qt::AlignCenter);
    Label1 = makeLabel(this, "Label1", QStringLiteral("Quote:"));
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setToolTip(QStringLiteral("Click for another quotation"));
    QFont captionFont = Label1->font();
    captionFont.setBold(true);
    Label1->setFont(captionFont);
    Label4->setFont(captionFont);
    Label2 = makeLabel(this, "Label2",
                       QStringLiteral("\"Good manners will open doors that the best eduaction "
                                      "cannot\""));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont quoteFont = Label2->font();
    quoteFont.setItalic(true);
    Label2->setFont(quoteFont);

    cmdBookList = makeButton(this, "cmdBookList", QStringLiteral("Bookmarks"));
    cmdBookList->setCheckable(true);
    cmdBookAdd = makeButton(this, "cmdBookAdd", QStringLiteral("Add Bookmark"));
    for (QWidget* small : {static_cast<QWidget*>(cmbHistory), static_cast<QWidget*>(Calender)}) {
        QFont smaller = small->font();
        smaller.setPointSizeF(smaller.pointSizeF() - 1);
        small->setFont(smaller);
    }
    cmdBookAdd->setToolTip(QStringLiteral("Add the shown page to the bookmarks"));
    cmdMenu = makeButton(this, "cmdMenu", QStringLiteral("Menu"));
    cmdMenu->setCheckable(true);

    for (auto& line : Line1) {
        line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line1"));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
    }
    // The command menu's side-bar picture and the list of skin files are never shown.
    picSideBar = makeLabel(this, "picSideBar", QString());
    picSideBar->hide();
    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->hide();
    tmrEarthquake = new QTimer(this);
    tmrEarthquake->setObjectName(QStringLiteral("tmrEarthquake"));
    tmrEarthquake->setInterval(250);

    picMain = new QFrame(this);
    picMain->setObjectName(QStringLiteral("picMain"));
    picMain->setFrameShape(QFrame::StyledPanel);
    picMain->setFrameShadow(QFrame::Sunken);
    picMain->setLineWidth(1);
    picMain->setAutoFillBackground(true);

    Label5 = makeLabel(picMain, "Label5", QString());
    QFont dateFont = Label5->font();
    dateFont.setBold(true);
    dateFont.setPointSizeF(dateFont.pointSizeF() * 1.2);
    Label5->setFont(dateFont);
    page = new RichTextBox(picMain);
    lstBookMark = new QListWidget(picMain);
    lstBookMark->setObjectName(QStringLiteral("lstBookMark"));
    lstBookMark->hide();
    lblSpaceFill = makeLabel(picMain, "lblSpaceFill", QString());
    lblSpaceFill->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int index = 0; index < 16; ++index)
        colBlocks[size_t(index)] =
            new ColourBlock(index, FromBgr(kDesignColours[size_t(index)]), picMain);

    m_store = std::make_unique<PageStore>(m_context, *page, *Calender);
    m_navigation = std::make_unique<PageNavigation>(m_context, *m_store, *page, *Calender,
                                                    *cmbHistory, *Label5);
    m_quotes = std::make_unique<Quotes>(m_context.random);
    connect(m_quotes.get(), &Quotes::quoteShown, Label2, &QLabel::setText);
    connect(cmdGo, &QPushButton::clicked, m_navigation.get(), &PageNavigation::Go);
    m_commands = std::make_unique<EditingCommands>(m_context, *m_store, *page, *Toolbar,
                                                   *cmbFntName, *cmbFntSize);
    connect(m_navigation.get(), &PageNavigation::selectionFormatChanged, this,
            [this](bool selectionMoved) {
                m_commands->updateCombos();
                if (selectionMoved)
                    m_commands->updateToolbar();
            });
    for (ColourBlock* block : colBlocks) {
        connect(block, &ColourBlock::clicked, this,
                [this, block] { m_commands->colBlocks_Click(block->colour()); });
        connect(block, &ColourBlock::doubleClicked, this, &frmMain::colBlocks_DblClick);
    }
    connect(cmdBookList, &QPushButton::toggled, this, &frmMain::cmdBookList_Click);
    Label1->installEventFilter(this);

    placeControls();

    // Tab goes from the page to its formatting, then to the ways to other pages.
    QWidget* order[] = {page,        cmbFntName, cmbFntSize, cmdBookList, cmdBookAdd,
                        lstBookMark, Calender,   cmbHistory, cmdGo,       cmdMenu};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    QWidget* previous = cmdMenu;
    for (ColourBlock* block : colBlocks) {
        setTabOrder(previous, block);
        previous = block;
    }
}

void frmMain::placeControls()
{
    // Design places, in pixels; the controls that stretch are placed again by Form_Resize.
    Toolbar->setGeometry(9, 2, kDesignSize.width() - 18, 32);

    Calender->setGeometry(6, 38, 184, 166);
    Label4->setGeometry(6, 210, 184, 16);
    cmbHistory->setGeometry(6, 228, 144, 24);
    cmdGo->setGeometry(152, 228, 38, 24);
    picClock->setGeometry(6, 262, 96, 96);
    Image1->setGeometry(128, 272, 40, 40);
    Label3->setGeometry(104, 320, 86, 18);
    Line1[0]->setGeometry(6, 206, 184, 2);
    Line1[1]->setGeometry(6, 256, 184, 2);
    Line1[2]->setGeometry(6, 364, 184, 2);
    cmdMenu->setGeometry(6, kDesignSize.height() - 41, 96, 30);

    cmbFntName->setGeometry(196, 38, 150, 24);
    cmbFntSize->setGeometry(350, 38, 56, 24);
    cmdBookList->setGeometry(410, 38, 84, 24);
    cmdBookAdd->setGeometry(498, 38, 102, 24);
    Label1->setGeometry(196, 70, 50, 18);
    Label2->setGeometry(248, 68, 352, 38);

    picMain->setGeometry(196, 110, kDesignSize.width() - 200, kDesignSize.height() - 120);
    Label5->setGeometry(6, 3, 320, 22);
    page->setGeometry(3, 28, 100, 100);
    lstBookMark->setGeometry(300, 28, 88, 100);
    for (int index = 0; index < 16; ++index)
        colBlocks[size_t(index)]->setGeometry(4 + index * 20, 300, 18, 18);
    lblSpaceFill->setGeometry(3, 300, 100, 18);
    lblSpaceFill->lower();
}

void frmMain::Form_Resize()
{
    if (isMinimized())
        return;
    const QSize panelFrame = picMain->size() - picMain->contentsRect().size();
    const std::optional<MainLayout> layout =
        MainLayout::compute({size(), panelFrame, lstBookMark->isVisible(), lstBookMark->width()});
    if (!layout)
        return;
    Toolbar->resize(layout->toolbarWidth, Toolbar->height());
    picMain->resize(layout->panelOuter);
    page->resize(layout->editor);
    if (lstBookMark->isVisible()) {
        lstBookMark->move(layout->bookmarkListLeft, lstBookMark->y());
        lstBookMark->resize(lstBookMark->width(), layout->bookmarkListHeight);
    }
    for (ColourBlock* block : colBlocks)
        block->move(block->x(), layout->colourBlocksTop);
    lblSpaceFill->setVisible(layout->spaceFillVisible);
    if (layout->spaceFillVisible)
        lblSpaceFill->resize(layout->spaceFillWidth, lblSpaceFill->height());
    lblSpaceFill->move(lblSpaceFill->x(), layout->spaceFillTop);
    cmdMenu->move(cmdMenu->x(), layout->menuButtonTop);
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
        m_preferences.ApplyFirstRunDefaults(*this);
    m_preferences.LoadPreferences(*this);
    InitMainWindow();
    m_store->SetPageText(Calender->Value());
    showWelcomeIfTodayIsEmpty();
    page->setFocus();
    state.mainWindowLoaded = true;
}

void frmMain::InitMainWindow()
{
    const QDate today = m_context.time.now().date();
    Calender->setValue(today);
    m_store->SetPageText(Calender->Value());
    m_commands->updateCombos();
    m_quotes->LoadQuotes(m_context.state.installFile(QStringLiteral("quotes.txt")));
    recordInstallation();
    m_store->MarkPageDays();
    Label3->setText(
        QStringLiteral("Version [%1.%2]").arg(ProgramVersion::major).arg(ProgramVersion::minor));
    lblSpaceFill->setText(QStringLiteral("Version %1.%2.%3 [August 28,2001]")
                              .arg(ProgramVersion::major)
                              .arg(ProgramVersion::minor)
                              .arg(ProgramVersion::revision));
    setMinimumSize(kMinimumSize);
    for (QPushButton* button : {cmdMenu, cmdGo, cmdBookList, cmdBookAdd})
        GiveStaticEdge(button);
    picClock->DrawClockFace();
    picClock->StartClock();
}

void frmMain::recordInstallation()
{
    const QString key = m_context.state.settingsRoot + QStringLiteral("Install");
    SettingsStore& settings = m_context.settings;
    settings.WriteValue(key, QStringLiteral("Path"), m_context.state.installFolder);
    settings.WriteValue(key, QStringLiteral("File"),
                        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    settings.WriteValue(key, QStringLiteral("Version0"), QString::number(ProgramVersion::major));
    settings.WriteValue(key, QStringLiteral("Version1"), QString::number(ProgramVersion::minor));
    settings.WriteValue(key, QStringLiteral("Version2"), QString::number(ProgramVersion::revision));
}

void frmMain::loadWelcomePage(const QString& path)
{
    page->setFileName(path);
    m_welcomePage = path;
}

void frmMain::showWelcomeIfTodayIsEmpty()
{
    // Loading today's page right after would hide the welcome page; a first run shows it on
    // today's page while that page is still empty.
    if (m_welcomePage.isEmpty())
        return;
    if (!QFileInfo::exists(m_store->pageFilePath(m_store->shownDate())) && page->Text().isEmpty()) {
        page->setFileName(m_welcomePage);
        page->setSelStart(0);
        page->setTag(kClean);
    }
    m_welcomePage.clear();
}

void frmMain::colBlocks_DblClick(int index)
{
    ColourBlock* block = colBlocks[size_t(index)];
    if (const std::optional<QColor> chosen =
            ShowColor(m_context, this, block->colour(), false, true))
        block->setColour(*chosen);
}

void frmMain::cmdBookList_Click(bool pressed)
{
    lstBookMark->setVisible(pressed);
    if (pressed)
        lstBookMark->setFocus();
    Form_Resize();
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
        if (m_navigation->saveQuestionApplies()) {
            const MessageAnswer answer = m_context.dialogs.message(
                this, QStringLiteral("Current page is not saved, Do you want to save it now?"),
                MessageButtons::YesNoCancel, MessageIcon::None);
            if (answer == MessageAnswer::Cancel)
                return false;
            if (answer == MessageAnswer::Yes) {
                Calender->setValue(m_store->shownDate());
                // A page that could not be saved keeps the window open rather than be lost.
                if (!m_store->SavePage())
                    return false;
            }
        }
    }
    m_context.help.closeAll();
    return true;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease)
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
    warnings.closeWarning = false;
    WindowHost& windows = m_windows;
    // Unloading destroys this window: nothing of it may be touched afterwards.
    if (windows.unloadWindow(WindowId::Main))
        windows.showWindow(WindowId::Login);
}

void frmMain::SaveWindowMetrics()
{
    SettingsStore& settings = m_context.settings;
    settings.WriteValue(m_preferences.userKey(QStringLiteral("Skin")), QStringLiteral("Name"),
                        m_skinPath);
    const QString metrics = m_preferences.userKey(QStringLiteral("Metrics"));
    const int state = placementState();
    settings.WriteValue(metrics, QStringLiteral("Window State"), QString::number(state));
    if (state == 0) {
        const QRect placed = geometry();
        const std::pair<TwipsPlacement::Metric, std::pair<const char*, int>> values[] = {
            {TwipsPlacement::Left, {"Left", pos().x()}},
            {TwipsPlacement::Top, {"Top", pos().y()}},
            {TwipsPlacement::Width, {"Width", placed.width()}},
            {TwipsPlacement::Height, {"Height", placed.height()}},
        };
        for (const auto& [metric, value] : values) {
            settings.WriteValue(
                metrics, QLatin1String(value.first),
                QString::number(m_placement.twipsFor(metric, value.second), 'g', 15));
        }
    }
    const QString colours = m_preferences.userKey(QStringLiteral("Custom Colors"));
    for (const ColourBlock* block : colBlocks) {
        settings.WriteValue(colours, QStringLiteral("COLOR%1").arg(block->index()),
                            QString::number(qint32(ToBgr(block->colour()))));
    }
}

void frmMain::applySkin(const QString& path)
{
    m_skinPath = path;
}

int frmMain::placementState() const
{
    if (isMinimized())
        return 1;
    if (isMaximized())
        return 2;
    return 0;
}

void frmMain::setPlacementState(int state)
{
    switch (state) {
    case 0:
        QWidget::setWindowState(Qt::WindowNoState);
        break;
    case 1:
        QWidget::setWindowState(Qt::WindowMinimized);
        break;
    case 2:
        QWidget::setWindowState(Qt::WindowMaximized);
        break;
    default:
        break;
    }
}

void frmMain::setWindowMetric(Metric metric, double twips)
{
    const int pixels = m_placement.toPixels(twips);
    m_placement.placed(TwipsPlacement::Metric(metric), twips);
    switch (metric) {
    case Left:
        move(pixels, pos().y());
        break;
    case Top:
        move(pos().x(), pixels);
        break;
    case Width:
        resize(pixels, height());
        break;
    case Height:
        resize(width(), pixels);
        break;
    }
}

void frmMain::setColourBlock(int index, quint32 colour)
{
    if (index >= 0 && index < int(colBlocks.size()))
        colBlocks[size_t(index)]->setColour(FromBgr(colour));
}

} // namespace Quillet
