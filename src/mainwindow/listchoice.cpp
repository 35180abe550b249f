#include "mainwindow/listchoice.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace Quillet {

ListChoice::ListChoice(QComboBox& box) : QObject(&box), m_box(box)
{
    m_box.setInsertPolicy(QComboBox::NoInsert);
    // The box hands its focus and key events straight on to its edit field, past any filter
    // there: both are watched.
    m_box.installEventFilter(this);
    if (QLineEdit* typed = m_box.lineEdit())
        typed->installEventFilter(this);
    connect(&m_box, &QComboBox::activated, this, [this](int entry) {
        if (!m_typedTextFinishing)
            emit chosen(entry);
    });
}

bool ListChoice::eventFilter(QObject* watched, QEvent* event)
{
    // The box turns typed text into a choice while it handles these events; the flag outlives
    // them until the event loop comes round again.
    bool finishing = event->type() == QEvent::FocusOut;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        finishing = key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    if (finishing && !m_typedTextFinishing) {
        m_typedTextFinishing = true;
        QTimer::singleShot(0, this, [this] { m_typedTextFinishing = false; });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Quillet
