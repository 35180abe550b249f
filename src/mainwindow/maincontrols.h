#pragma once

#include <QSize>
#include <array>

class QComboBox;
class QFontComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QWidget;

namespace Quillet {

struct AppContext;
class ClockFace;
class ColourBlock;
class MonthCalendar;
class PageToolbar;
class RichTextBox;

// Every control of the main window by its name, built, placed at the design size and put in
// tab order, as a form designer would hold them; and their places at any window size.
class MainControls {
public:
    static constexpr QSize kDesignSize{607, 476};
    static constexpr int kColourBlocks = 16;

    MainControls(QWidget& form, const AppContext& context);

    // Places the controls that stretch for a window of this size.
    void fitTo(QSize windowSize);

    PageToolbar* Toolbar = nullptr;
    QFontComboBox* cmbFntName = nullptr;
    QComboBox* cmbFntSize = nullptr;
    MonthCalendar* Calender = nullptr;
    QFrame* picMain = nullptr;
    RichTextBox* page = nullptr;
    QListWidget* lstBookMark = nullptr;
    std::array<ColourBlock*, kColourBlocks> colBlocks{};
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

private:
    void create(QWidget& form, const AppContext& context);
    void placeAtDesignSize();
    void setTabOrder(QWidget& form);
};

} // namespace Quillet
