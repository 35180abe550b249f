#include "fakedialogs.h"
#include "fakeprinter.h"
#include "printing/frmpreview.h"
#include "printing/pagelayout.h"
#include "printing/pageview.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTextDocument>
#include <benchmark/benchmark.h>

using namespace Quillet;

namespace {

// Letter paper, as the test printer has it, with the toolbar's margins of 5 twips.
const QSize kPage(12240, 15840);
const QRect kDrawing(5, 5, kPage.width() - 10, kPage.height() - 10);
constexpr int kPages = 20;

// A diary page of plain lines that fills exactly kPages sheets.
QTextDocument& twentyPageDocument()
{
    static QTextDocument document;
    static bool made = false;
    if (!made) {
        int lines = 1000;
        for (int attempt = 0; attempt < 8; ++attempt) {
            QStringList text;
            for (int line = 0; line < lines; ++line)
                text << QStringLiteral("Line %1 of a long day: walked, wrote, read and slept.")
                            .arg(line);
            document.setPlainText(text.join(QLatin1Char('\n')));
            const qsizetype pages = PageLayout(document, kDrawing).pages(kPage).size();
            if (pages == kPages)
                break;
            lines = int(lines * (kPages - 0.5) / qMax<qsizetype>(pages, 1));
        }
        made = true;
    }
    return document;
}

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// The preview of the twenty pages, shown with page 1 drawn.
struct OpenPreview {
    OpenPreview()
    {
        const QList<QPicture> pages = PageLayout(twentyPageDocument(), kDrawing).pages(kPage);
        preview.SizePreview(kPage.width(), kPage.height());
        for (int number = 2; number <= pages.size(); ++number)
            preview.AddPage(number);
        for (int index = 0; index < pages.size(); ++index)
            preview.setPagePicture(index, pages[index]);
        preview.show();
        QCoreApplication::processEvents();
    }

    FakePrinter printer;
    FakeDialogs dialogs;
    frmPreview preview{printer, dialogs};
};

void printLayout(benchmark::State& state)
{
    QTextDocument& document = twentyPageDocument();
    qsizetype pages = 0;
    for (auto _ : state)
        pages = PageLayout(document, kDrawing).pages(kPage).size();
    if (pages != kPages)
        state.SkipWithError("the page does not fill twenty sheets");
}
BENCHMARK(printLayout)->Name("print layout (20 pages)")->Unit(benchmark::kMillisecond);

void printPreviewReady(benchmark::State& state)
{
    twentyPageDocument();
    long resident = 0;
    for (auto _ : state) {
        OpenPreview open;
        state.PauseTiming();
        resident = std::max(resident, residentKilobytes());
        state.ResumeTiming();
    }
    state.counters["resident_MB"] = double(resident) / 1024.0;
}
BENCHMARK(printPreviewReady)->Name("print preview ready (20 pages)")->Unit(benchmark::kMillisecond);

void printPreviewZoomStep(benchmark::State& state)
{
    OpenPreview open;
    QComboBox& zoom = *open.preview.cboPercent;
    int index = zoom.currentIndex();
    int step = 1;
    for (auto _ : state) {
        if (index + step < 0 || index + step >= zoom.count())
            step = -step;
        index += step;
        zoom.setCurrentIndex(index);
        open.preview.picChild->repaint();
    }
}
BENCHMARK(printPreviewZoomStep)->Name("print preview zoom step")->Unit(benchmark::kMillisecond);

} // namespace
