#include "mainwindow/skinpainter.h"

#include "mainwindow/maincontrols.h"
#include "mainwindow/pagetoolbar.h"
#include "pages/monthcalendar.h"
#include "platform/bgrcolour.h"
#include "widgets/staticedge.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace Quillet {
namespace {

QColor colourOf(const SkinFile::Values& skin, QLatin1String name)
{
    return FromBgr(SkinFile::colour(skin, name).value_or(0));
}

void setRole(QWidget& widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

} // namespace

SkinPainter::SkinPainter(QWidget& window, const MainControls& controls)
    : m_window(window), m_controls(controls)
{}

void SkinPainter::paint(const SkinFile::Values& skin) const
{
    const QColor panel = colourOf(skin, SkinFile::kPanelColour);
    // A toolbar draws no background of its own, and would fill with the button colour.
    m_controls.Toolbar->setAutoFillBackground(true);
    m_controls.Toolbar->setBackgroundRole(QPalette::Window);
    setRole(*m_controls.Toolbar, QPalette::Window, panel);
    // The buttons' edge style sheet paints their face, so the colour goes there.
    GiveStaticEdge(m_controls.cmdMenu, panel);
    setRole(*m_controls.picMain, QPalette::Window, panel);
    for (QPushButton* button : {m_controls.cmdGo, m_controls.cmdBookList, m_controls.cmdBookAdd})
        GiveStaticEdge(button, panel);
    m_controls.Calender->setBackgroundColor(panel);

    // Set after the panel's controls, whose own colours the window's do not override.
    setRole(m_window, QPalette::Window, colourOf(skin, SkinFile::kWindowColour));

    const QColor text = colourOf(skin, SkinFile::kTextColour);
    for (QLabel* label :
         {m_controls.Label2, m_controls.Label1, m_controls.Label5, m_controls.Label4})
        setRole(*label, QPalette::WindowText, text);
}

} // namespace Quillet
