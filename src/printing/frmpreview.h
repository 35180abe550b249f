#pragma once

#include <QDialog>
#include <QList>
#include <QPicture>
#include <QSize>
#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace Quillet {

class Dialogs;
class PageView;
class Printer;

// The print preview: shows one page picture at a time, zoomed and scrollable, with a tab per
// page, and sends every page to the printer once per copy.
class frmPreview final : public QDialog {
    Q_OBJECT
public:
    frmPreview(Printer& printer, Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmPreview() override;

    // The size of one physical page, in twips, for every page picture.
    void SizePreview(int lWidth, int lHeight);
    // Adds the picture and the tab of a page after the first; 1-based.
    void AddPage(int PageNumber);
    int pageCount() const { return int(picPreview.size()); }
    void setPagePicture(int index, const QPicture& picture);
    const QPicture& pagePicture(int index) const { return picPreview.at(index); }

    void PictureShow();
    int zoomPercent() const { return m_zoomPercent; }

    QWidget* picToolbar;
    std::array<QPushButton*, 3> btnPreview;
    QFrame* Frame1;
    QLabel* Label1;
    QComboBox* cboPercent;
    QPushButton* cmdClose;
    QFrame* picParent;
    PageView* picChild;
    QScrollBar* vscPreview;
    QScrollBar* hscPreview;
    QWidget* imgCorner;
    QWidget* tabPreview;
    QList<QRadioButton*> Option1;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FillZoomList();
    void ZoomIn();
    void ZoomOut();
    void UpdateScrollBars();
    void PrintPages();
    void cboPercent_Click(int index);
    void showPage(int index);
    void layOutScrollBars();
    void placeChild(int left, int top);
    QRadioButton* makeTab(int index);

    Printer& m_printer;
    Dialogs& m_dialogs;
    QList<QPicture> picPreview;
    QSize m_pageSize;
    int m_zoomPercent = 100;
    bool m_loading = false;
};

} // namespace Quillet
