#pragma once

#include "extras/creditsscroll.h"

#include <QDialog>
#include <QList>
#include <optional>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace Quillet {

struct AppContext;

// The about box: the version and a tall strip of credit lines that climbs through a small
// viewport in an endless loop while the installation's tune plays. Closing it silences the
// tune at once.
class frmCredits final : public QDialog {
    Q_OBJECT
public:
    explicit frmCredits(AppContext& context, QWidget* parent = nullptr);
    ~frmCredits() override;
    Q_DISABLE_COPY_MOVE(frmCredits)

    void Form_Load();
    void Form_Unload();
    void Timer_Timer();
    void firstTimer_Timer();
    void cmdWeb_Click();

    // Every way of closing unloads: OK, Esc and the close box.
    void done(int result) override;

private:
    void buildStrip();
    QLabel* addLine(const char* name, const QString& text);
    int toPixels(int twips) const;
    void placeStrip();
    // The scroll timer runs while the strip climbs, the pause timer while it rests.
    void syncTimers();

    AppContext& m_context;
    const double m_twipsPerPixel;
    std::optional<CreditsScroll> m_scroll;
    bool m_tuneOpen = false;

    QFrame* picContainer;
    QWidget* picScroll;
    QLabel* Image2;
    QLabel* lblVersion;
    QList<QLabel*> lblName;
    QList<QLabel*> lblBold;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* lblWink;
    QLabel* lblTradeMarks;
    QLabel* Label3;
    QLabel* lblFinal;
    QFrame* lneFinal;
    QTimer* Timer;
    QTimer* firstTimer;
    QPushButton* cmdWeb;
    QPushButton* cmdOK;
};

} // namespace Quillet
