#include "extras/frmcredits.h"

#include "platform/midiplayer.h"
#include "platform/shell.h"
#include "services/appcontext.h"
#include "startup/programstate.h"
#include "startup/webaddresses.h"
#include "widgets/controls.h"
#include "widgets/staticedge.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace Quillet {
namespace {

// Design sizes, in twips.
constexpr int kViewportWidth = 4575;
constexpr int kViewportHeight = 2055;
constexpr int kStripWidth = 4095;

const QColor kHeadingColour(0x7a, 0x1f, 0x1f);

double twipsPerPixel(const QWidget& window)
{
    const QScreen* screen = window.screen();
    return 1440.0 / (screen ? screen->logicalDotsPerInchY() : 96.0);
}

// An eighth note for the line that names the tune.
QPixmap notePicture()
{
    QPixmap picture(28, 36);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kHeadingColour, 2));
    painter.setBrush(kHeadingColour);
    painter.drawLine(QPointF(14, 28), QPointF(14, 4));
    QPainterPath flag(QPointF(14, 4));
    flag.cubicTo(QPointF(17, 12), QPointF(25, 12), QPointF(22, 22));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(flag);
    painter.setBrush(kHeadingColour);
    painter.translate(9, 29);
    painter.rotate(-25);
    painter.drawEllipse(QPointF(0, 0), 6, 4);
    return picture;
}

} // namespace

frmCredits::frmCredits(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_twipsPerPixel(twipsPerPixel(*this))
{
    setObjectName(QStringLiteral("frmCredits"));
    setWindowTitle(QStringLiteral("Credits"));

    picContainer = new QFrame(this);
    picContainer->setObjectName(QStringLiteral("picContainer"));
    picContainer->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picContainer->setFixedSize(toPixels(kViewportWidth), toPixels(kViewportHeight));
    picContainer->setBackgroundRole(QPalette::Base);
    picContainer->setAutoFillBackground(true);
    buildStrip();

    cmdWeb = MakeButton("cmdWeb", QStringLiteral("Website"));
    cmdOK = MakeButton("cmdOK", QStringLiteral("OK"));
    connect(cmdWeb, &QPushButton::clicked, this, &frmCredits::cmdWeb_Click);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdWeb);
    buttons->addWidget(cmdOK);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picContainer);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Enter closes the window rather than opening the web site.
    cmdOK->setDefault(true);
    cmdOK->setFocus();

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(CreditsScroll::kScrollIntervalMs);
    connect(Timer, &QTimer::timeout, this, &frmCredits::Timer_Timer);
    firstTimer = new QTimer(this);
    firstTimer->setObjectName(QStringLiteral("firstTimer"));
    firstTimer->setInterval(CreditsScroll::kPauseIntervalMs);
    connect(firstTimer, &QTimer::timeout, this, &frmCredits::firstTimer_Timer);
    firstTimer->start();

    Form_Load();
}

frmCredits::~frmCredits()
{
    // Destroyed with its owner without being closed, it still silences the tune.
    Form_Unload();
}

void frmCredits::buildStrip()
{
    picScroll = new QWidget(picContainer);
    picScroll->setObjectName(QStringLiteral("picScroll"));
    auto* lines = new QVBoxLayout(picScroll);
    lines->setContentsMargins(0, 24, 0, 24);
    lines->setSpacing(4);

    Image2 = addLine("Image2", QString());
    const QPixmap logo(m_context.state.installFile(QStringLiteral("quillet.png")));
    if (!logo.isNull())
        Image2->setPixmap(logo.scaled(56, 56, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    lblVersion = addLine("lblVersion", QStringLiteral("Version:"));
    QFont bold = lblVersion->font();
    bold.setBold(true);
    lblVersion->setFont(bold);

    const auto section = [&](const QString& heading, const QString& credit) {
        lines->addSpacing(14);
        QLabel* name = addLine("lblName", heading);
        QPalette palette = name->palette();
        // Over the viewport's base colour a label draws in the text role.
        palette.setColor(QPalette::Text, kHeadingColour);
        name->setPalette(palette);
        lblName.append(name);
        QLabel* line = addLine("lblBold", credit);
        line->setFont(bold);
        lblBold.append(line);
    };
    section(QStringLiteral("Programmed by "), QStringLiteral("The Quillet team"));
    section(QStringLiteral("Now playing"),
            QStringLiteral("Ode to Joy, by Ludwig van Beethoven,\narranged for Quillet"));
    Image1 = addLine("Image1", QString());
    Image1->setPixmap(notePicture());
    section(QStringLiteral("Special Thanks"),
            QStringLiteral("The Qt documentation, the SQLite and FluidSynth web sites, the "
                           "freedesktop.org specifications and the Debian project"));
    section(QStringLiteral("Outside Components"),
            QStringLiteral("Qt 6 (windows, toolbar, popup menu, tray icon, skins, printing): "
                           "The Qt Company and the Qt Project\n\n"
                           "SQLite (settings): D. Richard Hipp and the SQLite developers\n\n"
                           "FluidSynth (music): the FluidSynth developers\n\n"
                           "TimGM6mb sound font: Tim Brechbill\n"
                           "Fluid R3 GM sound font: Frank Wen\n\n"
                           "XCB (global keys, the desktop's windows): the X.Org Foundation\n\n"
                           "DejaVu fonts: the DejaVu team"));
    section(QStringLiteral("Chief Beta Testers"),
            QStringLiteral("The first diarists of Quillet 2.0"));
    section(QStringLiteral("Contact the author at"),
            QStringLiteral("author@quillet.example.org\n") + kAuthorPage);

    lines->addSpacing(20);
    Label1 = addLine("Label1", QStringLiteral("Made In India"));
    lblWink = addLine("lblWink", QStringLiteral(";-)"));
    lines->addSpacing(14);
    lblTradeMarks = addLine(
        "lblTradeMarks",
        QStringLiteral(
            "All product names mentioned above are trade marks of their respective companies."));
    lines->addSpacing(8);
    Label3 = addLine("Label3", QStringLiteral("No trees were cut and no animals where harmed "
                                              "during the creation of this product <grin>"));
    lines->addSpacing(24);
    lblFinal = addLine("lblFinal", QStringLiteral("Your days, kept one page at a time"));
    lblFinal->setFont(QFont(QStringLiteral("Comic Sans MS"), 11));
    lneFinal = new QFrame(picScroll);
    lneFinal->setObjectName(QStringLiteral("lneFinal"));
    lneFinal->setFrameStyle(QFrame::HLine | QFrame::Plain);
    lines->addWidget(lneFinal);

    const int width = toPixels(kStripWidth);
    const int height = lines->totalHeightForWidth(width);
    picScroll->setFixedSize(width, height > 0 ? height : lines->totalSizeHint().height());
}

QLabel* frmCredits::addLine(const char* name, const QString& text)
{
    QLabel* label = MakeLabel(name, text, picScroll);
    label->setAlignment(Qt::AlignHCenter);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    picScroll->layout()->addWidget(label);
    return label;
}

int frmCredits::toPixels(int twips) const
{
    return qRound(twips / m_twipsPerPixel);
}

void frmCredits::Form_Load()
{
    GiveStaticEdge(cmdWeb);
    GiveStaticEdge(cmdOK);
    m_scroll.emplace(qRound(picScroll->height() * m_twipsPerPixel));
    placeStrip();
    lblVersion->setText(QStringLiteral("Version : %1.%2.%3")
                            .arg(ProgramVersion::major)
                            .arg(ProgramVersion::minor)
                            .arg(ProgramVersion::revision));
    m_context.midi.open(m_context.state.installFile(QStringLiteral("e1.mid")));
    m_context.midi.play();
    m_tuneOpen = true;
}

void frmCredits::Form_Unload()
{
    if (!m_tuneOpen)
        return;
    m_tuneOpen = false;
    Timer->stop();
    firstTimer->stop();
    m_context.midi.stop();
    m_context.midi.close();
}

void frmCredits::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void frmCredits::firstTimer_Timer()
{
    m_scroll->pauseEnded();
    syncTimers();
}

void frmCredits::Timer_Timer()
{
    m_scroll->step();
    placeStrip();
    syncTimers();
}

void frmCredits::syncTimers()
{
    const bool scrolling = m_scroll->scrolling();
    if (scrolling == Timer->isActive())
        return;
    QTimer* const stopping = scrolling ? firstTimer : Timer;
    QTimer* const starting = scrolling ? Timer : firstTimer;
    stopping->stop();
    starting->start();
}

void frmCredits::placeStrip()
{
    picScroll->move((picContainer->width() - picScroll->width()) / 2, toPixels(m_scroll->top()));
}

void frmCredits::cmdWeb_Click()
{
    m_context.shell.openUrl(kHomePage);
}

} // namespace Quillet
