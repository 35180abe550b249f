#include "mainwindow/mainwindowpreferences.h"

#include "mainwindow/colourblock.h"
#include "mainwindow/skinframe.h"
#include "mainwindow/welcomepage.h"
#include "platform/bgrcolour.h"

#include <QScreen>
#include <QWidget>

namespace Quillet {
namespace {

double twipsPerPixel(const QWidget& window)
{
    const QScreen* screen = window.screen();
    return 1440.0 / (screen ? screen->logicalDotsPerInchX() : 96.0);
}

} // namespace

MainWindowPreferences::MainWindowPreferences(QWidget& window, SkinFrame& frame,
                                             const MainControls& controls, WelcomePage& welcome)
    : m_window(window), m_frame(frame), m_controls(controls), m_welcome(welcome),
      m_placement(twipsPerPixel(window)), m_skinPainter(window, controls)
{}

void MainWindowPreferences::loadWelcomePage(const QString& path)
{
    m_welcome.load(path);
}

void MainWindowPreferences::applySkin(const QString& path)
{
    m_skin = path;
    const SkinFile::Values skin = SkinFile::read(path);
    m_skinPainter.paint(skin);
    m_frame.apply(skin);
}

PlacementState MainWindowPreferences::placementState() const
{
    if (m_window.isMinimized())
        return PlacementState::Minimised;
    if (m_window.isMaximized())
        return PlacementState::Maximised;
    return PlacementState::Normal;
}

void MainWindowPreferences::setPlacementState(PlacementState state)
{
    switch (state) {
    case PlacementState::Normal:
        m_window.setWindowState(Qt::WindowNoState);
        break;
    case PlacementState::Minimised:
        m_window.setWindowState(Qt::WindowMinimized);
        break;
    case PlacementState::Maximised:
        m_window.setWindowState(Qt::WindowMaximized);
        break;
    }
}

double MainWindowPreferences::windowMetric(WindowMetric metric) const
{
    int pixels = 0;
    switch (metric) {
    case WindowMetric::Left:
        pixels = m_window.pos().x();
        break;
    case WindowMetric::Top:
        pixels = m_window.pos().y();
        break;
    case WindowMetric::Width:
        pixels = m_frame.clientSize().width();
        break;
    case WindowMetric::Height:
        pixels = m_frame.clientSize().height();
        break;
    }
    return m_placement.twipsFor(metric, pixels);
}

void MainWindowPreferences::setWindowMetric(WindowMetric metric, double twips)
{
    const int pixels = m_placement.toPixels(twips);
    m_placement.placed(metric, twips);
    switch (metric) {
    case WindowMetric::Left:
        m_window.move(pixels, m_window.pos().y());
        break;
    case WindowMetric::Top:
        m_window.move(m_window.pos().x(), pixels);
        break;
    case WindowMetric::Width:
        m_window.resize(m_frame.windowSizeFor(QSize(pixels, m_frame.clientSize().height())));
        break;
    case WindowMetric::Height:
        m_window.resize(m_frame.windowSizeFor(QSize(m_frame.clientSize().width(), pixels)));
        break;
    }
}

quint32 MainWindowPreferences::colourBlock(int index) const
{
    return ToBgr(m_controls.colBlocks.at(size_t(index))->colour());
}

void MainWindowPreferences::setColourBlock(int index, quint32 colour)
{
    if (index >= 0 && index < MainControls::kColourBlocks)
        m_controls.colBlocks[size_t(index)]->setColour(FromBgr(colour));
}

} // namespace Quillet
