#include "benchdata.h"
#include "pages/monthcalendar.h"
#include "pages/pagestore.h"
#include "pages/randomsource.h"
#include "pages/richtextbox.h"
#include "pages/rtf/rtfreader.h"
#include "pages/timesource.h"
#include "platform/dialogs.h"
#include "platform/helpviewer.h"
#include "platform/shell.h"
#include "platform/sqliteregistry.h"
#include "startup/appcontext.h"
#include "startup/appsettingsstore.h"
#include "startup/logonentry.h"
#include "startup/programstate.h"
#include "startup/settingsstore.h"

#include <QTemporaryDir>
#include <QTextDocument>
#include <benchmark/benchmark.h>

using namespace Quillet;

namespace {

class SilentDialogs final : public Dialogs {
public:
    MessageAnswer message(QWidget*, const QString&, MessageButtons, MessageIcon,
                          const QString&) override
    {
        return MessageAnswer::Ok;
    }
    QString input(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QColor> chooseColor(QWidget*, const QColor&, bool, QList<QColor>&) override
    {
        return std::nullopt;
    }
};
class NoHelp final : public HelpViewer {
public:
    void displayTopic(QWidget*, const QString&) override {}
    void closeAll() override {}
};
class NoShell final : public Shell {
public:
    void openUrl(const QString&) override {}
    void openDocument(const QString&) override {}
    void startProgram(const QString&) override {}
};

// A page store over a temporary installation, with one saved page of the given size on
// 5 August 2001 and an empty day beside it.
struct PageBench {
    explicit PageBench(qsizetype rtfBytes)
        : registry(dir.filePath("registry.sqlite3")), settings(registry), appSettings(registry)
    {
        state.installFolder = dir.path();
        state.currentUser = "ann";
        state.defaultFont = "DejaVu Sans";
        calendar.setValue(QDate(2001, 8, 5));
        page.setTextRTF(Bench::textHeavyRtf(rtfBytes));
        store.SavePage();
    }

    QTemporaryDir dir;
    SqliteRegistry registry;
    SettingsStore settings;
    AppSettingsStore appSettings;
    ProgramState state;
    SilentDialogs dialogs;
    NoShell shell;
    NoHelp help;
    LogOnEntry logOn{settings, dir.path(), dir.filePath("quillet.desktop")};
    SystemTimeSource time;
    UnseededRandom random;
    AppContext context{state, settings, appSettings, dialogs, shell, help, logOn, time, random};
    RichTextBox page;
    MonthCalendar calendar;
    PageStore store{context, page, calendar};
};

void rtfReader(benchmark::State& state)
{
    const QByteArray rtf = Bench::textHeavyRtf(4 << 20);
    QTextDocument document;
    for (auto _ : state)
        RtfReader::read(rtf, document);
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(rtfReader)->Name("rtf reader (4 MB, text-heavy)")->Unit(benchmark::kMillisecond);

void pageLoad(benchmark::State& state)
{
    PageBench bench(state.range(0));
    for (auto _ : state)
        bench.store.SetPageText(QDate(2001, 8, 5));
}
BENCHMARK(pageLoad)->Name("page load")->Arg(5 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void pageSave(benchmark::State& state)
{
    PageBench bench(state.range(0));
    for (auto _ : state)
        bench.store.SavePage();
}
BENCHMARK(pageSave)->Name("page save")->Arg(5 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

} // namespace
