#include "porttool/porttoolwindow.h"

#include "platform/dialogs.h"
#include "porttool/counted.h"
#include "porttool/diaryaccess.h"
#include "porttool/diaryexport.h"
#include "porttool/diaryimport.h"
#include "porttool/diarysearch.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>

namespace Quillet {
namespace {

const QString kTitle = QStringLiteral("Quillet Exporter");

QString seconds(const QElapsedTimer& timer)
{
    return QString::number(double(timer.elapsed()) / 1000.0, 'f', 1) + QStringLiteral(" s");
}

QString linkAnswer(QuilletLink::Result result, const QString& user, const QString& day)
{
    switch (result) {
    case QuilletLink::Result::Shown:
        return {};
    case QuilletLink::Result::NotRunning:
        return QStringLiteral("Quillet is not running. Start Quillet and log in as %1 to see %2.")
            .arg(user, day);
    case QuilletLink::Result::OtherUser:
        return QStringLiteral("Quillet is open for another user. Log in as %1 to see %2.")
            .arg(user, day);
    case QuilletLink::Result::Busy:
        return QStringLiteral("Quillet is waiting for an answer in one of its windows. Answer it, "
                              "then choose the day again.");
    case QuilletLink::Result::Failed:
        break;
    }
    return QStringLiteral("Quillet did not answer. Choose the day again.");
}

QPushButton* button(const QString& text, QWidget* parent)
{
    auto* result = new QPushButton(text, parent);
    result->setAutoDefault(false);
    return result;
}

QLabel* wrapped(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

PortToolWindow::PortToolWindow(Services services, QWidget* parent)
    : QDialog(parent), m_services(std::move(services))
{
    setObjectName(QStringLiteral("PortToolWindow"));
    setWindowTitle(kTitle);
    setMinimumSize(560, 440);
    resize(680, 520);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildLogin());
    m_pages->addWidget(buildWork());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    connect(&m_job, &BackgroundJob::progressed, this, &PortToolWindow::showProgress);
    txtUser->setFocus();
}

QWidget* PortToolWindow::buildLogin()
{
    auto* page = new QWidget(this);
    txtUser = new QLineEdit(page);
    txtUser->setObjectName(QStringLiteral("txtUser"));
    txtPassword = new QLineEdit(page);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    cmdOpen = new QPushButton(QStringLiteral("&Open"), page);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdOpen->setDefault(true);
    auto* cmdClose = button(QStringLiteral("&Close"), page);
    connect(cmdOpen, &QPushButton::clicked, this, &PortToolWindow::cmdOpen_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&User name:"), txtUser);
    form->addRow(QStringLiteral("&Password:"), txtPassword);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOpen);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(page);
    layout->addStretch();
    layout->addWidget(wrapped(
        QStringLiteral("Open a diary to export its pages, import pages into it or find a day by "
                       "what was written on it."),
        page));
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addStretch();
    return page;
}

QWidget* PortToolWindow::buildWork()
{
    auto* page = new QWidget(this);
    lblDiary = new QLabel(page);
    tabJobs = new QTabWidget(page);
    tabJobs->setObjectName(QStringLiteral("tabJobs"));
    tabJobs->addTab(buildExport(), QStringLiteral("&Export"));
    tabJobs->addTab(buildImport(), QStringLiteral("&Import"));
    tabJobs->addTab(buildFind(), QStringLiteral("&Find"));
    connect(tabJobs, &QTabWidget::currentChanged, this, &PortToolWindow::chooseDefaultButton);

    prgJob = new QProgressBar(page);
    prgJob->setObjectName(QStringLiteral("prgJob"));
    prgJob->setRange(0, 1);
    prgJob->setValue(0);
    // "0%" before the first job would read as a job that is stuck.
    prgJob->setTextVisible(false);
    cmdCancel = button(QStringLiteral("Cancel"), page);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setEnabled(false);
    connect(cmdCancel, &QPushButton::clicked, this, &PortToolWindow::cmdCancel_Click);
    lblStatus = wrapped(QString(), page);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* cmdClose = button(QStringLiteral("&Close"), page);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);

    auto* progress = new QHBoxLayout;
    progress->addWidget(prgJob, 1);
    progress->addWidget(cmdCancel);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblStatus, 1);
    bottom->addWidget(cmdClose, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(lblDiary);
    layout->addWidget(tabJobs, 1);
    layout->addLayout(progress);
    layout->addLayout(bottom);
    return page;
}

QWidget* PortToolWindow::buildExport()
{
    auto* page = new QWidget(this);
    cmbFormat = new QComboBox(page);
    cmbFormat->setObjectName(QStringLiteral("cmbFormat"));
    const std::pair<const char*, ExportFormat> formats[] = {
        {"Rich text, a file a day (.rtf)", ExportFormat::Rtf},
        {"Web pages with an index (.html)", ExportFormat::Html},
        {"Plain text, a file a day (.txt)", ExportFormat::Text},
        {"Markdown, a file a day (.md)", ExportFormat::Markdown},
        {"One PDF of all the days (.pdf)", ExportFormat::Pdf}};
    for (const auto& [text, format] : formats)
        cmbFormat->addItem(QString::fromUtf8(text), int(format));

    chkAllDays = new QCheckBox(QStringLiteral("All &days"), page);
    chkAllDays->setObjectName(QStringLiteral("chkAllDays"));
    chkAllDays->setChecked(true);
    dtpSince = new QDateEdit(page);
    dtpSince->setObjectName(QStringLiteral("dtpSince"));
    dtpUntil = new QDateEdit(page);
    dtpUntil->setObjectName(QStringLiteral("dtpUntil"));
    for (QDateEdit* edit : {dtpSince, dtpUntil}) {
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
        connect(chkAllDays, &QCheckBox::toggled, edit, &QWidget::setDisabled);
    }
    txtFolder = new QLineEdit(page);
    txtFolder->setObjectName(QStringLiteral("txtFolder"));
    auto* cmdBrowse = button(QStringLiteral("&Browse..."), page);
    connect(cmdBrowse, &QPushButton::clicked, this, &PortToolWindow::cmdBrowse_Click);
    cmdExport = new QPushButton(QStringLiteral("E&xport"), page);
    cmdExport->setObjectName(QStringLiteral("cmdExport"));
    connect(cmdExport, &QPushButton::clicked, this, &PortToolWindow::cmdExport_Click);

    auto* range = new QHBoxLayout;
    range->addWidget(chkAllDays);
    range->addSpacing(12);
    auto* sinceLabel = new QLabel(QStringLiteral("Fro&m"), page);
    sinceLabel->setBuddy(dtpSince);
    auto* untilLabel = new QLabel(QStringLiteral("&until"), page);
    untilLabel->setBuddy(dtpUntil);
    range->addWidget(sinceLabel);
    range->addWidget(dtpSince);
    range->addWidget(untilLabel);
    range->addWidget(dtpUntil);
    range->addStretch();
    auto* folder = new QHBoxLayout;
    folder->addWidget(txtFolder, 1);
    folder->addWidget(cmdBrowse);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Fo&rmat:"), cmbFormat);
    form->addRow(QStringLiteral("Days:"), range);
    // A row of several controls gives its label no buddy of its own.
    auto* folderLabel = new QLabel(QStringLiteral("F&older:"), page);
    folderLabel->setBuddy(txtFolder);
    form->addRow(folderLabel, folder);

    auto* notice = wrapped(
        QStringLiteral("Exported files are plain, readable diaries: anyone who can open them can "
                       "read every word. They are made readable by you alone; keep them in a "
                       "private place."),
        page);
    notice->setObjectName(QStringLiteral("lblNotice"));
    auto* icon = new QLabel(page);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    auto* warning = new QHBoxLayout;
    warning->addWidget(icon, 0, Qt::AlignTop);
    warning->addWidget(notice, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdExport);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addLayout(warning);
    layout->addStretch();
    layout->addLayout(buttons);
    return page;
}

QWidget* PortToolWindow::buildImport()
{
    auto* page = new QWidget(this);
    lstFiles = new QListWidget(page);
    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    lstFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* filesLabel = wrapped(
        QStringLiteral("Fi&les named after their day (2024-03-01, 20240301 or 01.03.2024 in the "
                       "name), as .rtf, .txt, .md or .html:"),
        page);
    filesLabel->setBuddy(lstFiles);
    auto* cmdAddFiles = button(QStringLiteral("&Add Files..."), page);
    auto* cmdAddFolder = button(QStringLiteral("Add Fol&der..."), page);
    auto* cmdRemove = button(QStringLiteral("Remo&ve"), page);
    connect(cmdAddFiles, &QPushButton::clicked, this, &PortToolWindow::cmdAddFiles_Click);
    connect(cmdAddFolder, &QPushButton::clicked, this, &PortToolWindow::cmdAddFolder_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &PortToolWindow::cmdRemove_Click);

    grpExisting = new QButtonGroup(page);
    auto* existing = new QHBoxLayout;
    const std::pair<const char*, DiaryImport::Existing> choices[] = {
        {"&Skip the file", DiaryImport::Existing::Skip},
        {"A&ppend it below the page", DiaryImport::Existing::Append},
        {"Replace the pa&ge", DiaryImport::Existing::Replace}};
    for (const auto& [text, choice] : choices) {
        auto* radio = new QRadioButton(QString::fromUtf8(text), page);
        grpExisting->addButton(radio, int(choice));
        existing->addWidget(radio);
    }
    grpExisting->button(int(DiaryImport::Existing::Skip))->setChecked(true);
    existing->addStretch();

    cmdCheck = new QPushButton(QStringLiteral("C&heck First"), page);
    cmdCheck->setObjectName(QStringLiteral("cmdCheck"));
    cmdImport = new QPushButton(QStringLiteral("I&mport"), page);
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    connect(cmdCheck, &QPushButton::clicked, this, [this] { cmdImport_Click(true); });
    connect(cmdImport, &QPushButton::clicked, this, [this] { cmdImport_Click(false); });
    lstImported = new QListWidget(page);
    lstImported->setObjectName(QStringLiteral("lstImported"));

    auto* fileButtons = new QVBoxLayout;
    fileButtons->addWidget(cmdAddFiles);
    fileButtons->addWidget(cmdAddFolder);
    fileButtons->addWidget(cmdRemove);
    fileButtons->addStretch();
    auto* files = new QHBoxLayout;
    files->addWidget(lstFiles, 1);
    files->addLayout(fileButtons);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCheck);
    buttons->addWidget(cmdImport);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(filesLabel);
    layout->addLayout(files, 2);
    layout->addWidget(new QLabel(QStringLiteral("When a day already has a page:"), page));
    layout->addLayout(existing);
    layout->addLayout(buttons);
    layout->addWidget(lstImported, 1);
    return page;
}

QWidget* PortToolWindow::buildFind()
{
    auto* page = new QWidget(this);
    txtWords = new QLineEdit(page);
    txtWords->setObjectName(QStringLiteral("txtWords"));
    auto* wordsLabel = new QLabel(QStringLiteral("&Words:"), page);
    wordsLabel->setBuddy(txtWords);
    cmdFind = new QPushButton(QStringLiteral("Fi&nd"), page);
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    connect(cmdFind, &QPushButton::clicked, this, &PortToolWindow::cmdFind_Click);
    lstHits = new QTreeWidget(page);
    lstHits->setObjectName(QStringLiteral("lstHits"));
    lstHits->setHeaderLabels({QStringLiteral("Day"), QStringLiteral("Line")});
    lstHits->setRootIsDecorated(false);
    lstHits->setUniformRowHeights(true);
    lstHits->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    lstHits->installEventFilter(this);
    connect(lstHits, &QTreeWidget::itemDoubleClicked, this, &PortToolWindow::showHit);

    auto* words = new QHBoxLayout;
    words->addWidget(wordsLabel);
    words->addWidget(txtWords, 1);
    words->addWidget(cmdFind);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(words);
    layout->addWidget(
        wrapped(QStringLiteral("Words are found whatever their case and accents; put a phrase in "
                               "quotes. Double-click a day, or press Enter on it, to see it in "
                               "Quillet."),
                page));
    layout->addWidget(lstHits, 1);
    return page;
}

void PortToolWindow::chooseDefaultButton()
{
    cmdOpen->setDefault(m_pages->currentIndex() == 0);
    for (QPushButton* candidate : {cmdExport, cmdCheck, cmdFind})
        candidate->setDefault(false);
    if (m_pages->currentIndex() == 1)
        tabDefault()->setDefault(true);
}

QPushButton* PortToolWindow::tabDefault() const
{
    QPushButton* const defaults[] = {cmdExport, cmdCheck, cmdFind};
    return defaults[std::clamp(tabJobs->currentIndex(), 0, 2)];
}

void PortToolWindow::cmdOpen_Click()
{
    const auto access = DiaryAccess::check(m_services.settings, m_services.settingsRoot,
                                           txtUser->text(), txtPassword->text());
    if (const auto* refused = std::get_if<DiaryAccess::Refused>(&access)) {
        m_services.dialogs.message(this, refused->reason, MessageButtons::Ok, MessageIcon::Critical,
                                   kTitle);
        txtPassword->setFocus();
        txtPassword->selectAll();
        return;
    }
    m_diary.emplace(m_services.dataFolder, std::get<DiaryAccess::Granted>(access).user);
    txtPassword->clear();
    lblDiary->setText(QStringLiteral("Diary of <b>%1</b>").arg(user().toHtmlEscaped()));
    const QList<QDate> dates = m_diary->dates();
    const QDate today = QDate::currentDate();
    dtpSince->setDate(dates.isEmpty() ? today : dates.first());
    dtpUntil->setDate(dates.isEmpty() ? today : dates.last());
    txtFolder->setText(QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
        QStringLiteral("/Diary of ") + user()));
    setStatus(dates.isEmpty() ? QStringLiteral("The diary has no pages yet.")
                              : QStringLiteral("The diary has %1, from %2 to %3.")
                                    .arg(Counted(dates.size(), QStringLiteral("page")),
                                         dates.first().toString(Qt::ISODate),
                                         dates.last().toString(Qt::ISODate)));
    m_pages->setCurrentIndex(1);
    chooseDefaultButton();
    cmbFormat->setFocus();
}

void PortToolWindow::cmdBrowse_Click()
{
    const QString folder = m_services.dialogs.chooseFolder(
        this, QStringLiteral("Export to Folder"), QDir::fromNativeSeparators(txtFolder->text()));
    if (!folder.isEmpty())
        txtFolder->setText(QDir::toNativeSeparators(folder));
}

void PortToolWindow::cmdExport_Click()
{
    const QString folder = QDir::fromNativeSeparators(txtFolder->text().trimmed());
    if (folder.isEmpty()) {
        m_services.dialogs.message(this, QStringLiteral("Choose the folder to export to."),
                                   MessageButtons::Ok, MessageIcon::Information, kTitle);
        txtFolder->setFocus();
        return;
    }
    QDate since;
    QDate until;
    if (!chkAllDays->isChecked()) {
        since = dtpSince->date();
        until = dtpUntil->date();
        if (since > until) {
            m_services.dialogs.message(this,
                                       QStringLiteral("The first day comes after the last one."),
                                       MessageButtons::Ok, MessageIcon::Information, kTitle);
            dtpSince->setFocus();
            return;
        }
    }
    const auto format = ExportFormat(cmbFormat->currentData().toInt());
    const Diary diary = *m_diary;
    auto result = std::make_shared<DiaryExport::Result>();
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    runJob(
        QStringLiteral("Exporting..."),
        [=](JobProgress& progress) {
            *result = DiaryExport(diary, format).run(folder, since, until, progress);
        },
        [=, this] {
            const QString where = QDir::toNativeSeparators(QDir(folder).absolutePath());
            if (!result->error.isEmpty()) {
                setStatus(QStringLiteral("The export stopped after %1.")
                              .arg(Counted(result->pages, QStringLiteral("page"))));
                m_services.dialogs.message(
                    this, QStringLiteral("The export stopped: %1").arg(result->error),
                    MessageButtons::Ok, MessageIcon::Critical, kTitle);
            } else if (result->cancelled) {
                setStatus(QStringLiteral("Export cancelled: %1 written to %2.")
                              .arg(Counted(result->pages, QStringLiteral("page")), where));
            } else if (result->pages == 0) {
                setStatus(QStringLiteral("There are no pages to export in these days."));
            } else {
                setStatus(QStringLiteral("%1 exported to %2 in %3.")
                              .arg(Counted(result->pages, QStringLiteral("page")), where,
                                   seconds(*timer)));
            }
        });
}

void PortToolWindow::cmdAddFiles_Click()
{
    const QStringList files = m_services.dialogs.chooseFiles(
        this, QStringLiteral("Add Files"), QDir::homePath(),
        QStringLiteral("Pages (*.rtf *.txt *.md *.html *.htm);;All files (*)"));
    for (const QString& file : files)
        lstFiles->addItem(QDir::toNativeSeparators(file));
}

void PortToolWindow::cmdAddFolder_Click()
{
    const QString folder =
        m_services.dialogs.chooseFolder(this, QStringLiteral("Add Folder"), QDir::homePath());
    if (folder.isEmpty())
        return;
    const QStringList files = DiaryImport::filesIn({folder});
    if (files.isEmpty()) {
        m_services.dialogs.message(this,
                                   QStringLiteral("%1 holds no .rtf, .txt, .md or .html files.")
                                       .arg(QDir::toNativeSeparators(folder)),
                                   MessageButtons::Ok, MessageIcon::Information, kTitle);
        return;
    }
    for (const QString& file : files)
        lstFiles->addItem(QDir::toNativeSeparators(file));
}

void PortToolWindow::cmdRemove_Click()
{
    qDeleteAll(lstFiles->selectedItems());
}

void PortToolWindow::cmdImport_Click(bool dryRun)
{
    QStringList files;
    for (int i = 0; i < lstFiles->count(); ++i)
        files.append(QDir::fromNativeSeparators(lstFiles->item(i)->text()));
    if (files.isEmpty()) {
        m_services.dialogs.message(this, QStringLiteral("Add the files to import first."),
                                   MessageButtons::Ok, MessageIcon::Information, kTitle);
        return;
    }
    // A page that Quillet has open goes back to its file when Quillet saves it, over what was
    // imported in the meantime.
    if (!dryRun && m_services.quilletRunning() &&
        m_services.dialogs.message(
            this,
            QStringLiteral("Quillet is running. A page it has open would be saved over what you "
                           "import into that day.\r\n\r\nClose Quillet first, or import anyway?"),
            MessageButtons::OkCancel, MessageIcon::Warning, kTitle) != MessageAnswer::Ok)
        return;
    const auto existing = DiaryImport::Existing(grpExisting->checkedId());
    const Diary diary = *m_diary;
    auto entries = std::make_shared<QList<DiaryImport::Entry>>();
    lstImported->clear();
    runJob(
        dryRun ? QStringLiteral("Checking...") : QStringLiteral("Importing..."),
        [=](JobProgress& progress) {
            *entries = DiaryImport(diary, existing).run(files, dryRun, progress);
        },
        [=, this] {
            for (const DiaryImport::Entry& entry : *entries)
                lstImported->addItem(DiaryImport::describe(entry, dryRun));
            const DiaryImport::Tally tally = DiaryImport::tally(*entries);
            QString summary =
                QStringLiteral("%1 %2, %3 skipped, %4 not imported.")
                    .arg(Counted(tally.imported, QStringLiteral("page")),
                         dryRun ? QStringLiteral("would be imported") : QStringLiteral("imported"))
                    .arg(tally.skipped)
                    .arg(tally.notImported);
            if (entries->size() < files.size())
                summary = QStringLiteral("Cancelled after %1: ")
                              .arg(Counted(entries->size(), QStringLiteral("file"))) +
                          summary;
            setStatus(summary);
        });
}

void PortToolWindow::cmdFind_Click()
{
    const DiarySearch search(QStringList{txtWords->text()});
    if (search.isEmpty()) {
        m_services.dialogs.message(this, QStringLiteral("Type the words to find."),
                                   MessageButtons::Ok, MessageIcon::Information, kTitle);
        txtWords->setFocus();
        return;
    }
    const Diary diary = *m_diary;
    auto hits = std::make_shared<QList<DiarySearch::Hit>>();
    auto cancelled = std::make_shared<bool>(false);
    lstHits->clear();
    runJob(
        QStringLiteral("Finding..."),
        [=](JobProgress& progress) {
            *hits = search.find(diary, progress);
            *cancelled = progress.cancelled();
        },
        [=, this] {
            QList<QTreeWidgetItem*> items;
            QSet<QDate> days;
            for (const DiarySearch::Hit& hit : *hits) {
                auto* item =
                    new QTreeWidgetItem({hit.date.toString(Qt::ISODate), hit.line.simplified()});
                item->setData(0, Qt::UserRole, hit.date);
                item->setToolTip(1, hit.line);
                items.append(item);
                days.insert(hit.date);
            }
            lstHits->addTopLevelItems(items);
            QString summary = hits->isEmpty()
                                  ? QStringLiteral("Nothing found.")
                                  : QStringLiteral("%1 found on %2.")
                                        .arg(Counted(hits->size(), QStringLiteral("line")),
                                             Counted(days.size(), QStringLiteral("day")));
            setStatus(*cancelled ? QStringLiteral("Search cancelled. ") + summary : summary);
            if (!items.isEmpty()) {
                lstHits->setCurrentItem(items.first());
                lstHits->setFocus();
            }
        });
}

void PortToolWindow::showHit(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const QDate date = item->data(0, Qt::UserRole).toDate();
    const QString reason =
        linkAnswer(m_services.showDay(user(), date), user(), date.toString(Qt::ISODate));
    if (reason.isEmpty())
        setStatus(QStringLiteral("Quillet shows %1.").arg(date.toString(Qt::ISODate)));
    else
        m_services.dialogs.message(this, reason, MessageButtons::Ok, MessageIcon::Information,
                                   kTitle);
}

void PortToolWindow::cmdCancel_Click()
{
    m_job.cancel();
    cmdCancel->setEnabled(false);
    setStatus(QStringLiteral("Cancelling..."));
}

void PortToolWindow::runJob(const QString& doing, std::function<void(JobProgress&)> work,
                            std::function<void()> done)
{
    tabJobs->setEnabled(false);
    cmdCancel->setEnabled(true);
    prgJob->setTextVisible(true);
    setStatus(doing);
    m_job.start(std::move(work), [this, done = std::move(done)] {
        cmdCancel->setEnabled(false);
        tabJobs->setEnabled(true);
        // The controls that had the focus were disabled while the job ran.
        tabDefault()->setFocus();
        done();
    });
}

void PortToolWindow::showProgress(int done, int total)
{
    // Zero of zero would show a busy bar.
    prgJob->setRange(0, std::max(total, 1));
    prgJob->setValue(done);
}

void PortToolWindow::setStatus(const QString& text)
{
    lblStatus->setText(text);
}

void PortToolWindow::reject()
{
    if (m_job.isRunning())
        cmdCancel_Click();
    else
        close();
}

void PortToolWindow::closeEvent(QCloseEvent* event)
{
    m_job.stop();
    event->accept();
}

bool PortToolWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a hit shows its day; the dialog must not take it as a new search.
    if (watched == lstHits && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            showHit(lstHits->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace Quillet
