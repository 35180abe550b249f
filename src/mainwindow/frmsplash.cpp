#include "mainwindow/frmsplash.h"

#include "services/appcontext.h"
#include "startup/programstate.h"
#include "startup/startupsequence.h"
#include "startup/windowhost.h"
#include "widgets/controls.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace Quillet {

frmSplash::frmSplash(AppContext& context, StartupSequence& sequence, WindowHost& windows)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), m_context(context),
      m_sequence(sequence), m_windows(windows),
      m_quill(context.state.installFile(QStringLiteral("quillet.png")))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Quillet"));
    setFixedSize(kPictureSize);
    setCursor(Qt::PointingHandCursor);

    Label2 = MakeLabel("Label2", QString(), this);
    Label2->setGeometry(24, kPictureSize.height() - 40, 200, 20);
    Label3 = MakeLabel("Label3", QStringLiteral("Your days, kept one page at a time"), this);
    Label3->setGeometry(24, 150, 444, 24);
    for (QLabel* label : {Label2, Label3}) {
        QPalette light = label->palette();
        light.setColor(QPalette::WindowText, QColor(0xfb, 0xf3, 0xdc));
        label->setPalette(light);
        label->installEventFilter(this);
    }
    QFont tagline = Label3->font();
    tagline.setItalic(true);
    tagline.setPointSizeF(tagline.pointSizeF() * 1.2);
    Label3->setFont(tagline);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(2500);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Form_Click);
}

void frmSplash::Form_Load()
{
    Label2->setText(QStringLiteral("Version %1.%2.%3")
                        .arg(ProgramVersion::major)
                        .arg(ProgramVersion::minor)
                        .arg(ProgramVersion::revision));
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    // Painted before the main window's load keeps the program busy.
    QCoreApplication::processEvents();
    Timer1->start();
    m_windows.createHidden(WindowId::Main);
}

void frmSplash::Form_Click()
{
    // Gone with this window when the main window shows: nothing of it is touched after.
    m_sequence.splashFinished();
}

void frmSplash::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Form_Click();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Form_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplash::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QLinearGradient warm(0, 0, width(), height());
    warm.setColorAt(0, QColor(0xc8, 0x9b, 0x3c));
    warm.setColorAt(1, QColor(0x7a, 0x1f, 0x1f));
    painter.fillRect(rect(), warm);
    painter.setPen(QPen(QColor(0xfb, 0xf3, 0xdc, 120), 1));
    painter.drawRect(rect().adjusted(6, 6, -7, -7));

    if (!m_quill.isNull())
        painter.drawPixmap(QRect(width() - 150, 40, 110, 110), m_quill);
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(72);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(0xfb, 0xf3, 0xdc));
    painter.drawText(QRect(24, 40, 320, 100), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Quillet"));
}

} // namespace Quillet
