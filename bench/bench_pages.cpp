#include "benchdata.h"
#include "pages/monthcalendar.h"
#include "pages/pagefile.h"
#include "pages/pagenavigation.h"
#include "pages/pagestore.h"
#include "pages/richtextbox.h"
#include "pages/rtf/rtfreader.h"
#include "testcontext.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

using namespace Quillet;

namespace {

// The editor, the calendar and the page store of user "ann", over a temporary settings
// database; the pages lie below `installFolder`, by default a temporary folder of its own.
struct PageFrame {
    explicit PageFrame(const QString& installFolder = {})
    {
        t.state.installFolder = installFolder.isEmpty() ? t.dir.path() : installFolder;
        t.state.currentUser = "ann";
        t.state.defaultFont = "DejaVu Sans";
    }

    TestContext t;
    RichTextBox page;
    MonthCalendar calendar;
    PageStore store{t.context, page, calendar};
};

// One saved page of the given size on 5 August 2001 and an empty day beside it.
struct PageBench : PageFrame {
    explicit PageBench(qsizetype rtfBytes)
    {
        calendar.setValue(QDate(2001, 8, 5));
        page.setTextRTF(Bench::textHeavyRtf(rtfBytes));
        store.SavePage();
    }
};

using Bench::diaryFolder;
using Bench::kLastDay;

// The frame as the main window wires it: the history box and the date caption follow the
// page, and clicks on the calendar go to their day. The editor and the calendar are shown
// (offscreen), so that a page change is only over once they are drawn anew.
struct DiaryBench : PageFrame {
    explicit DiaryBench(const QString& installFolder) : PageFrame(installFolder)
    {
        calendar.setValue(kLastDay);
        store.SetPageText(kLastDay);
        page.resize(420, 300);
        page.show();
        calendar.show();
        QCoreApplication::processEvents();
    }

    QComboBox history;
    QLabel caption;
    PageNavigation navigation{t.context, store, page, calendar, history, caption};
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

// Clicks on the day before or after in the calendar of the diary in `folder`, until both are
// drawn: the day is selected, then the clicked signal goes to the date (the shown page is
// clean: no question) and marks the days with pages, as in the main window.
void clickBetweenTheLastTwoDays(benchmark::State& state, const QString& folder)
{
    if (folder.isEmpty()) {
        state.SkipWithError("the diary cannot be written");
        return;
    }
    DiaryBench bench(folder);
    QDate day = kLastDay;
    for (auto _ : state) {
        day = day == kLastDay ? kLastDay.addDays(-1) : kLastDay;
        bench.calendar.setSelectedDate(day);
        emit bench.calendar.clicked(day);
        QCoreApplication::processEvents();
    }
    if (bench.store.shownDate() != day || bench.page.Text().isEmpty())
        state.SkipWithError("the click did not show the day's page");
    else if (bench.navigation.pageIsDirty())
        state.SkipWithError("the page just shown counts as changed");
}

void pageChange(benchmark::State& state)
{
    clickBetweenTheLastTwoDays(state, diaryFolder(int(state.range(0)), 5 << 10));
}

void largePageChange(benchmark::State& state)
{
    clickBetweenTheLastTwoDays(state, diaryFolder(2, 1 << 20));
}
BENCHMARK(largePageChange)->Name("page change (1 MB)")->Unit(benchmark::kMillisecond);

BENCHMARK(pageChange)
    ->Name("page change (5 KB)")
    ->ArgName("diary files")
    ->Arg(10)
    ->Arg(7300)
    ->Unit(benchmark::kMillisecond);

} // namespace
