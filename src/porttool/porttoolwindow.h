#pragma once

#include "porttool/backgroundjob.h"
#include "porttool/diary.h"
#include "startup/quilletlink.h"

#include <QDialog>
#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace Quillet {

class Dialogs;
class SettingsStore;

// The companion tool as a window: opens one user's diary with that user's password, then
// exports, imports and searches its pages, each job with its progress and a way to cancel it.
class PortToolWindow final : public QDialog {
    Q_OBJECT
public:
    // Asks a running Quillet to show a user's day.
    using DayShower = std::function<QuilletLink::Result(const QString& user, const QDate& date)>;

    struct Services {
        SettingsStore& settings;
        QString settingsRoot;
        QString dataFolder;
        Dialogs& dialogs;
        DayShower showDay;
        // Whether a Quillet of this OS user is running.
        std::function<bool()> quilletRunning;
    };

    explicit PortToolWindow(Services services, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(PortToolWindow)

    // The user whose diary is open, empty before.
    QString user() const { return m_diary ? m_diary->user() : QString(); }
    bool isBusy() const { return m_job.isRunning(); }

    void cmdOpen_Click();
    void cmdBrowse_Click();
    void cmdExport_Click();
    void cmdAddFiles_Click();
    void cmdAddFolder_Click();
    void cmdRemove_Click();
    void cmdImport_Click(bool dryRun);
    void cmdFind_Click();
    void showHit(QTreeWidgetItem* item);
    void cmdCancel_Click();

    // Esc cancels a running job; otherwise it closes the window.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildLogin();
    QWidget* buildWork();
    QWidget* buildExport();
    QWidget* buildImport();
    QWidget* buildFind();
    void chooseDefaultButton();
    // The button that Enter presses on the tab shown.
    QPushButton* tabDefault() const;
    void runJob(const QString& doing, std::function<void(JobProgress&)> work,
                std::function<void()> done);
    void showProgress(int done, int total);
    void setStatus(const QString& text);

    Services m_services;
    std::optional<Diary> m_diary;
    BackgroundJob m_job;

    QStackedWidget* m_pages;
    QLineEdit* txtUser;
    QLineEdit* txtPassword;
    QPushButton* cmdOpen;

    QLabel* lblDiary;
    QTabWidget* tabJobs;
    QComboBox* cmbFormat;
    QCheckBox* chkAllDays;
    QDateEdit* dtpSince;
    QDateEdit* dtpUntil;
    QLineEdit* txtFolder;
    QPushButton* cmdExport;
    QListWidget* lstFiles;
    QButtonGroup* grpExisting;
    QPushButton* cmdCheck;
    QPushButton* cmdImport;
    QListWidget* lstImported;
    QLineEdit* txtWords;
    QPushButton* cmdFind;
    QTreeWidget* lstHits;
    QProgressBar* prgJob;
    QPushButton* cmdCancel;
    QLabel* lblStatus;
};

} // namespace Quillet
