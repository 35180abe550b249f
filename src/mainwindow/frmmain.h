#pragma once

#include "mainwindow/twipsplacement.h"
#include "startup/appcontext.h"
#include "startup/preferences.h"

#include <QWidget>
#include <array>
#include <memory>

class QAction;
class QComboBox;
class QFontComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace Quillet {

class ClockFace;
class ColourBlock;
class EditingCommands;
class PageToolbar;
class MonthCalendar;
class PageNavigation;
class PageStore;
class Quotes;
class RichTextBox;
class WindowHost;

// The program's main window: the calendar, the page editor and everything around them. Its
// load restores the user's preferences and shows today's page; closing it asks what the
// warnings ask for and stores the window's metrics.
class frmMain final : public QWidget, public PreferenceTarget {
    Q_OBJECT
public:
    static constexpr QSize kDesignSize{607, 476};
    static constexpr QSize kMinimumSize{608, 449};

    frmMain(AppContext& context, WindowHost& windows);
    ~frmMain() override;
    Q_DISABLE_COPY_MOVE(frmMain)

    void Form_Load();
    void InitMainWindow();
    // The unload: false when a question kept the window open.
    bool Form_Unload();
    void SaveWindowMetrics();
    void LogOff();
    void Form_Resize();
    void colBlocks_DblClick(int index);
    void cmdBookList_Click(bool pressed);

    PageStore& pageStore() { return *m_store; }
    PageNavigation& navigation() { return *m_navigation; }

    // PreferenceTarget
    void loadWelcomePage(const QString& path) override;
    void applySkin(const QString& path) override;
    int placementState() const override;
    void setPlacementState(int state) override;
    void setWindowMetric(Metric metric, double twips) override;
    void setColourBlock(int index, quint32 colour) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void placeControls();
    void showWelcomeIfTodayIsEmpty();
    void recordInstallation();

    AppContext& m_context;
    WindowHost& m_windows;
    Preferences m_preferences;
    TwipsPlacement m_placement;
    QString m_skinPath;
    QString m_welcomePage;

    PageToolbar* Toolbar = nullptr;
    QFontComboBox* cmbFntName = nullptr;
    QComboBox* cmbFntSize = nullptr;
    MonthCalendar* Calender = nullptr;
    QFrame* picMain = nullptr;
    RichTextBox* page = nullptr;
    QListWidget* lstBookMark = nullptr;
    std::array<ColourBlock*, 16> colBlocks{};
    QLabel* lblSpaceFill = nullptr;
    QComboBox* cmbHistory = nullptr;
    QPushButton* cmdGo = nullptr;
    QPushButton* cmdBookList = nullptr;
    QPushButton* cmdBookAdd = nullptr;
    QPushButton* cmdMenu = nullptr;
    ClockFace* picClock = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Image1 = nullptr;
    std::array<QFrame*, 3> Line1{};
    QLabel* picSideBar = nullptr;
    QListWidget* File1 = nullptr;
    QTimer* tmrEarthquake = nullptr;

    std::unique_ptr<PageStore> m_store;
    std::unique_ptr<PageNavigation> m_navigation;
    std::unique_ptr<Quotes> m_quotes;
    std::unique_ptr<EditingCommands> m_commands;
};

} // namespace Quillet
