#pragma once

#include "startup/loadablewindow.h"

#include <QWidget>

class QLabel;
class QTimer;

namespace Quillet {

struct AppContext;
class StartupSequence;
class WindowHost;

// The splash screen: shown while the main window loads behind it, it gives way to the main
// window at a click or at the next tick of its timer once that window has loaded.
class frmSplash final : public QWidget, public LoadableWindow {
    Q_OBJECT
public:
    static constexpr QSize kPictureSize{492, 283};

    frmSplash(AppContext& context, StartupSequence& sequence, WindowHost& windows);

    void Form_Load() override;
    // A click on the window or on one of its labels, and each tick of the timer.
    void Form_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext& m_context;
    StartupSequence& m_sequence;
    WindowHost& m_windows;
    QPixmap m_quill;
    QLabel* Label2;
    QLabel* Label3;
    QTimer* Timer1;
};

} // namespace Quillet
