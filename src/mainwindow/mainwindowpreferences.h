#pragma once

#include "mainwindow/maincontrols.h"
#include "mainwindow/skinpainter.h"
#include "mainwindow/twipsplacement.h"
#include "startup/preferencetarget.h"

class QWidget;

namespace Quillet {

class SkinFrame;
class WelcomePage;

// The main window's side of the stored preferences: its placement in twips, its skin, its
// colour blocks and the welcome page of a first run.
class MainWindowPreferences final : public PreferenceTarget {
public:
    MainWindowPreferences(QWidget& window, SkinFrame& frame, const MainControls& controls,
                          WelcomePage& welcome);

    void loadWelcomePage(const QString& path) override;
    QString skin() const override { return m_skin; }
    void applySkin(const QString& path) override;
    PlacementState placementState() const override;
    void setPlacementState(PlacementState state) override;
    double windowMetric(WindowMetric metric) const override;
    void setWindowMetric(WindowMetric metric, double twips) override;
    quint32 colourBlock(int index) const override;
    void setColourBlock(int index, quint32 colour) override;

private:
    QWidget& m_window;
    SkinFrame& m_frame;
    const MainControls& m_controls;
    WelcomePage& m_welcome;
    TwipsPlacement m_placement;
    SkinPainter m_skinPainter;
    QString m_skin;
};

} // namespace Quillet
