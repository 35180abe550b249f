#include "mainwindow/maincontrols.h"

#include "mainwindow/colourblock.h"
#include "mainwindow/mainlayout.h"
#include "mainwindow/pagetoolbar.h"
#include "pages/clockface.h"
#include "pages/monthcalendar.h"
#include "pages/richtextbox.h"
#include "platform/bgrcolour.h"
#include "services/appcontext.h"
#include "startup/programstate.h"
#include "widgets/controls.h"

#include <QAction>
#include <QComboBox>
#include <QFontComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace Quillet {
namespace {

// The design colours of the sixteen blocks, as 0x00BBGGRR.
constexpr std::array<quint32, MainControls::kColourBlocks> kDesignColours{
    0x020002, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x808080,
    0x000080, 0x008000, 0x808000, 0x800080, 0xC0C0C0, 0x008080, 0x800000, 0xFFFFFF,
};

QFont adjusted(QFont font, bool bold, bool italic, qreal pointSizeFactor = 1)
{
    font.setBold(bold);
    font.setItalic(italic);
    font.setPointSizeF(font.pointSizeF() * pointSizeFactor);
    return font;
}

} // namespace

MainControls::MainControls(QWidget& form, const AppContext& context)
{
    create(form, context);
    placeAtDesignSize();
    setTabOrder(form);
}

void MainControls::create(QWidget& form, const AppContext& context)
{
    QWidget* parent = &form;
    Toolbar = new PageToolbar(parent);

    cmbFntName = new QFontComboBox(parent);
    cmbFntName->setObjectName(QStringLiteral("cmbFntName"));
    cmbFntName->setToolTip(QStringLiteral("Font"));
    cmbFntSize = new QComboBox(parent);
    cmbFntSize->setObjectName(QStringLiteral("cmbFntSize"));
    cmbFntSize->setEditable(true);
    cmbFntSize->setToolTip(QStringLiteral("Font Size"));
    for (const int size : {10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        cmbFntSize->addItem(QString::number(size));

    Calender = new MonthCalendar(parent);

    Label4 = MakeLabel("Label4", QStringLiteral("Quick Nav :"), parent);
    cmbHistory = new QComboBox(parent);
    cmbHistory->setObjectName(QStringLiteral("cmbHistory"));
    cmbHistory->setEditable(true);
    cmbHistory->setToolTip(QStringLiteral("Enter date and press Go!"));
    cmdGo = MakeButton("cmdGo", QStringLiteral("Go!"), parent);

    picClock = new ClockFace(context.time, parent);
    Image1 = MakeLabel("Image1", QString(), parent);
    Image1->setPixmap(QPixmap(context.state.installFile(QStringLiteral("quillet.png"))));
    Image1->setScaledContents(true);
    Label3 = MakeLabel("Label3", QString(), parent);
    Label3->setAlignment(Qt::AlignCenter);
    Label1 = MakeLabel("Label1", QStringLiteral("Quote:"), parent);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setToolTip(QStringLiteral("Click for another quotation"));
    Label1->setFont(adjusted(Label1->font(), true, false));
    Label4->setFont(adjusted(Label4->font(), true, false));
    Label2 = MakeLabel("Label2",
                       QStringLiteral("\"Good manners will open doors that the best eduaction "
                                      "cannot\""),
                       parent);
    // Quotations are text, whatever characters they hold.
    Label2->setTextFormat(Qt::PlainText);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setFont(adjusted(Label2->font(), false, true));

    cmdBookList = MakeButton("cmdBookList", QStringLiteral("Bookmarks"), parent);
    cmdBookList->setCheckable(true);
    cmdBookAdd = MakeButton("cmdBookAdd", QStringLiteral("Add Bookmark"), parent);
    cmdBookAdd->setToolTip(QStringLiteral("Add the shown page to the bookmarks"));
    for (QWidget* small : {static_cast<QWidget*>(cmbHistory), static_cast<QWidget*>(Calender)}) {
        QFont smaller = small->font();
        smaller.setPointSizeF(smaller.pointSizeF() - 1);
        small->setFont(smaller);
    }
    cmdMenu = MakeButton("cmdMenu", QStringLiteral("Menu"), parent);
    cmdMenu->setCheckable(true);

    for (auto& line : Line1) {
        line = new QFrame(parent);
        line->setObjectName(QStringLiteral("Line1"));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
    }
    // The command menu's side-bar picture and the list of skin files are never shown.
    picSideBar = MakeLabel("picSideBar", QString(), parent);
    picSideBar->hide();
    File1 = new QListWidget(parent);
    File1->setObjectName(QStringLiteral("File1"));
    File1->hide();
    tmrEarthquake = new QTimer(parent);
    tmrEarthquake->setObjectName(QStringLiteral("tmrEarthquake"));
    tmrEarthquake->setInterval(250);

    picMain = new QFrame(parent);
    picMain->setObjectName(QStringLiteral("picMain"));
    picMain->setFrameShape(QFrame::StyledPanel);
    picMain->setFrameShadow(QFrame::Sunken);
    picMain->setLineWidth(1);
    picMain->setAutoFillBackground(true);

    Label5 = MakeLabel("Label5", QString(), picMain);
    Label5->setFont(adjusted(Label5->font(), true, false, 1.2));
    page = new RichTextBox(picMain);
    lstBookMark = new QListWidget(picMain);
    lstBookMark->setObjectName(QStringLiteral("lstBookMark"));
    lstBookMark->hide();
    lblSpaceFill = MakeLabel("lblSpaceFill", QString(), picMain);
    lblSpaceFill->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int index = 0; index < kColourBlocks; ++index)
        colBlocks[size_t(index)] =
            new ColourBlock(index, FromBgr(kDesignColours[size_t(index)]), picMain);
}

void MainControls::placeAtDesignSize()
{
    // Design places, in pixels; the controls that stretch are placed again by fitTo.
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
    for (int index = 0; index < kColourBlocks; ++index)
        colBlocks[size_t(index)]->setGeometry(4 + index * 20, 300, 18, 18);
    lblSpaceFill->setGeometry(3, 300, 100, 18);
    lblSpaceFill->lower();
}

void MainControls::setTabOrder(QWidget& form)
{
    // Tab goes from the page to its formatting, then to the ways to other pages.
    QWidget* order[] = {page,        cmbFntName, cmbFntSize, cmdBookList, cmdBookAdd,
                        lstBookMark, Calender,   cmbHistory, cmdGo,       cmdMenu};
    for (size_t i = 1; i < std::size(order); ++i)
        form.setTabOrder(order[i - 1], order[i]);
    QWidget* previous = cmdMenu;
    for (ColourBlock* block : colBlocks) {
        form.setTabOrder(previous, block);
        previous = block;
    }
}

void MainControls::fitTo(QSize windowSize)
{
    const QSize panelFrame = picMain->size() - picMain->contentsRect().size();
    const std::optional<MainLayout> layout = MainLayout::compute(
        {windowSize, panelFrame, lstBookMark->isVisible(), lstBookMark->width()});
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

} // namespace Quillet
