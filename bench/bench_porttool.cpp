#include "benchdata.h"
#include "porttool/diary.h"
#include "porttool/diaryexport.h"
#include "porttool/diarysearch.h"
#include "porttool/jobprogress.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Quillet;

namespace {

constexpr int kTwentyYears = 7300;

void search(benchmark::State& state)
{
    const QString folder = Bench::diaryFolder(kTwentyYears, 5 << 10);
    const Diary diary(folder, "ann");
    const DiarySearch query({"\"the people I met\"", "lake"});
    for (auto _ : state) {
        JobProgress progress;
        const QList<DiarySearch::Hit> hits = query.find(diary, progress);
        if (hits.isEmpty())
            state.SkipWithError("the search found nothing");
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK(search)
    ->Name("porttool find (7300 pages of 5 KB)")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void exportAs(benchmark::State& state, ExportFormat format)
{
    const QString folder = Bench::diaryFolder(kTwentyYears, 5 << 10);
    const Diary diary(folder, "ann");
    for (auto _ : state) {
        QTemporaryDir out;
        JobProgress progress;
        const DiaryExport::Result result =
            DiaryExport(diary, format).run(out.filePath("out"), {}, {}, progress);
        if (result.pages != kTwentyYears || !result.error.isEmpty())
            state.SkipWithError("the export did not write every page");
    }
}
BENCHMARK_CAPTURE(exportAs, rtf, ExportFormat::Rtf)
    ->Name("porttool export rtf (7300 pages of 5 KB)")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(exportAs, html, ExportFormat::Html)
    ->Name("porttool export html (7300 pages of 5 KB)")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
