#include "printing/frmpreview.h"

#include "pages/rtf/pagepicture.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/printererror.h"
#include "printing/pageview.h"
#include "widgets/controls.h"
#include "widgets/staticedge.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

namespace Quillet {

namespace {

int pixels(double twips)
{
    return qRound(twips / PagePicture::kTwipsPerPixel);
}

constexpr int kTabSpacingTwips = 765;
constexpr int kScrollStep = 20;
constexpr int kMostScroll = 32767;

} // namespace

frmPreview::frmPreview(Printer& printer, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_printer(printer), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QStringLiteral("Print Preview"));

    picToolbar = new QWidget(this);
    picToolbar->setObjectName(QStringLiteral("picToolbar"));
    picToolbar->setFixedHeight(32);
    btnPreview = {MakeButton("btnPreview", QStringLiteral("Print"), picToolbar),
                  MakeButton("btnPreview", QStringLiteral("+"), picToolbar),
                  MakeButton("btnPreview", QStringLiteral("-"), picToolbar)};
    QFont zoomFont(QStringLiteral("Verdana"));
    zoomFont.setBold(true);
    btnPreview[1]->setFont(zoomFont);
    btnPreview[2]->setFont(zoomFont);
    Frame1 = new QFrame(picToolbar);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label1 = MakeLabel("Label1", QStringLiteral("Zoom :"), Frame1);
    cboPercent = new QComboBox(picToolbar);
    cboPercent->setObjectName(QStringLiteral("cboPercent"));
    cmdClose = MakeButton("cmdClose", QStringLiteral("Close"), picToolbar);
    btnPreview[0]->setGeometry(4, 4, 60, 24);
    btnPreview[1]->setGeometry(68, 4, 24, 24);
    btnPreview[2]->setGeometry(96, 4, 24, 24);
    Frame1->setGeometry(128, 4, 48, 24);
    Label1->setGeometry(0, 0, 48, 24);
    cboPercent->setGeometry(180, 4, 72, 24);
    cmdClose->setGeometry(260, 4, 60, 24);

    picParent = new QFrame(this);
    picParent->setObjectName(QStringLiteral("picParent"));
    picParent->setFrameShape(QFrame::StyledPanel);
    picParent->setFrameShadow(QFrame::Sunken);
    picChild = new PageView(picParent);
    picChild->setObjectName(QStringLiteral("picChild"));
    vscPreview = new QScrollBar(Qt::Vertical, picParent);
    vscPreview->setObjectName(QStringLiteral("vscPreview"));
    hscPreview = new QScrollBar(Qt::Horizontal, picParent);
    hscPreview->setObjectName(QStringLiteral("hscPreview"));
    for (QScrollBar* bar : {vscPreview, hscPreview})
        bar->setSingleStep(kScrollStep);
    imgCorner = new QWidget(picParent);
    imgCorner->setObjectName(QStringLiteral("imgCorner"));
    imgCorner->setAutoFillBackground(true);
    imgCorner->resize(vscPreview->sizeHint().width(), hscPreview->sizeHint().height());
    picParent->installEventFilter(this);

    tabPreview = new QWidget(this);
    tabPreview->setObjectName(QStringLiteral("tabPreview"));
    tabPreview->setFixedHeight(24);
    picPreview.append(QPicture());
    Option1.append(makeTab(0));

    connect(btnPreview[0], &QPushButton::clicked, this, [this] {
        PrintPages();
        close();
    });
    connect(btnPreview[1], &QPushButton::clicked, this, &frmPreview::ZoomIn);
    connect(btnPreview[2], &QPushButton::clicked, this, &frmPreview::ZoomOut);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    connect(cboPercent, &QComboBox::currentIndexChanged, this, &frmPreview::cboPercent_Click);
    connect(hscPreview, &QScrollBar::valueChanged, this, [this](int value) {
        placeChild(-value, picChild->y() - picParent->contentsRect().y());
    });
    connect(vscPreview, &QScrollBar::valueChanged, this, [this](int value) {
        placeChild(picChild->x() - picParent->contentsRect().x(), -value);
    });

    for (QPushButton* button : {btnPreview[0], btnPreview[1], btnPreview[2], cmdClose})
        GiveStaticEdge(button);
    m_loading = true;
    FillZoomList();
    m_zoomPercent = 100;
    // The size it comes back to, and keeps where no window manager maximises it.
    resize(900, 700);
    setWindowState(Qt::WindowMaximized);
    m_loading = false;
}

frmPreview::~frmPreview() = default;

QRadioButton* frmPreview::makeTab(int index)
{
    auto* tab = new QRadioButton(QStringLiteral("Page %1").arg(index + 1), tabPreview);
    tab->setObjectName(QStringLiteral("Option1"));
    // Tabs stand close together: a round indicator would leave no room for "Page 10".
    tab->setStyleSheet(QStringLiteral(
        "QRadioButton { border: 1px solid palette(mid); border-top: none; padding: 0 2px;"
        " spacing: 0; }"
        "QRadioButton::indicator { width: 0; height: 0; margin: 0; border: none; image: none; }"
        "QRadioButton:checked { background: palette(base); }"));
    QFont small = tab->font();
    small.setPointSizeF(small.pointSizeF() - 1);
    tab->setFont(small);
    tab->setGeometry(pixels(index * kTabSpacingTwips), 0, pixels(kTabSpacingTwips),
                     tabPreview->height());
    tab->setChecked(index == 0);
    connect(tab, &QRadioButton::clicked, this, [this, index] { showPage(index); });
    return tab;
}

void frmPreview::SizePreview(int lWidth, int lHeight)
{
    m_pageSize = QSize(lWidth, lHeight);
    picChild->resize(pixels(lWidth), pixels(lHeight));
    placeChild(0, 0);
}

void frmPreview::AddPage(int PageNumber)
{
    if (PageNumber <= 1)
        return;
    while (picPreview.size() < PageNumber)
        picPreview.append(QPicture());
    while (Option1.size() < PageNumber) {
        QRadioButton* tab = makeTab(int(Option1.size()));
        tab->show();
        Option1.append(tab);
    }
}

void frmPreview::setPagePicture(int index, const QPicture& picture)
{
    picPreview[index] = picture;
}

void frmPreview::PictureShow()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    picChild->resize(pixels(m_zoomPercent / 100.0 * m_pageSize.width()),
                     pixels(m_zoomPercent / 100.0 * m_pageSize.height()));
    UpdateScrollBars();
    QApplication::restoreOverrideCursor();
}

void frmPreview::FillZoomList()
{
    for (int percent = 200; percent >= 30; percent -= 10)
        cboPercent->addItem(QStringLiteral("%1%").arg(percent));
    cboPercent->setCurrentIndex(cboPercent->findText(QStringLiteral("100%"), Qt::MatchExactly));
}

void frmPreview::ZoomIn()
{
    const int index = cboPercent->currentIndex();
    if (index - 1 >= 0) {
        m_zoomPercent += 10;
        cboPercent->setCurrentIndex(index - 1);
    }
}

void frmPreview::ZoomOut()
{
    const int index = cboPercent->currentIndex();
    if (index + 1 < cboPercent->count()) {
        m_zoomPercent -= 10;
        cboPercent->setCurrentIndex(index + 1);
    }
}

void frmPreview::cboPercent_Click(int index)
{
    if (m_loading || index < 0)
        return;
    m_zoomPercent = cboPercent->itemText(index).chopped(1).toInt();
    PictureShow();
}

void frmPreview::UpdateScrollBars()
{
    const QRect inner = picParent->contentsRect();
    const auto range = [](int value) { return std::clamp(value, 0, kMostScroll); };
    if (picChild->height() <= picParent->height()) {
        vscPreview->hide();
        imgCorner->hide();
    } else {
        vscPreview->show();
        vscPreview->setRange(0, range(picChild->height() - inner.height()));
        vscPreview->setPageStep(range(picChild->height() - picParent->height()));
        imgCorner->show();
    }
    // The corner piece follows the horizontal bar: it is decided last.
    if (picParent->width() < picChild->width()) {
        hscPreview->show();
        hscPreview->setRange(0, range(picChild->width() - inner.width()));
        hscPreview->setPageStep(range(picChild->width() - inner.width()));
        imgCorner->show();
    } else {
        hscPreview->hide();
        imgCorner->hide();
    }
    vscPreview->raise();
    hscPreview->raise();
    imgCorner->raise();
}

void frmPreview::showPage(int index)
{
    picChild->setPicture(picPreview.at(index));
    PictureShow();
}

void frmPreview::PrintPages()
{
    if (!m_printer.isAvailable()) {
        PrinterError::show(m_dialogs, this);
        return;
    }
    QList<QByteArray> pages;
    for (const QPicture& picture : std::as_const(picPreview))
        pages.append(QByteArray(picture.data(), qsizetype(picture.size())));
    if (m_printer.copies() <= 0)
        return;
    for (int copy = 0; copy < m_printer.copies(); ++copy) {
        if (!m_printer.print(pages)) {
            PrinterError::show(m_dialogs, this);
            return;
        }
    }
}

bool frmPreview::event(QEvent* event)
{
    // Coming back to the window always shows the first page.
    if (event->type() == QEvent::WindowActivate) {
        placeChild(0, 0);
        showPage(0);
    }
    return QDialog::event(event);
}

bool frmPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picParent && event->type() == QEvent::Resize)
        layOutScrollBars();
    return QDialog::eventFilter(watched, event);
}

void frmPreview::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (isMinimized())
        return;
    const int margin = pixels(100);
    picToolbar->setGeometry(0, 0, width(), picToolbar->height());
    tabPreview->setGeometry(margin, height() - tabPreview->height() - margin, width() - 2 * margin,
                            tabPreview->height());
    picParent->setGeometry(margin, picToolbar->height() + margin, width() - 2 * margin,
                           height() - tabPreview->height() - picToolbar->height() - 2 * margin);
}

// Positions count from inside the frame's border, as the scroll bars' values do.
void frmPreview::placeChild(int left, int top)
{
    picChild->move(picParent->contentsRect().topLeft() + QPoint(left, top));
}

void frmPreview::layOutScrollBars()
{
    const QRect inner = picParent->contentsRect();
    const int barWidth = vscPreview->sizeHint().width();
    const int barHeight = hscPreview->sizeHint().height();
    vscPreview->setGeometry(inner.right() + 1 - barWidth, inner.top(), barWidth,
                            inner.height() - barHeight);
    hscPreview->setGeometry(inner.left(), inner.bottom() + 1 - barHeight, inner.width() - barWidth,
                            barHeight);
    imgCorner->setGeometry(vscPreview->x(), hscPreview->y(), barWidth, barHeight);
    UpdateScrollBars();
}

} // namespace Quillet
