// Printing benchmarks: a 5,000-entry register printed to a PDF file, and the print
// preview of it up to its first page drawn. Offscreen, with their own main.
#include "BenchRegister.h"
#include "core/printing/CPrintLayout.h"
#include "gui/printing/CPrintPreview.h"
#include "gui/printing/PrintCommands.h"
#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <clocale>

namespace {

void BM_PrintToPdf(benchmark::State& state) {
    CBenchDoc bench;
    FillRegister(bench.Doc(), static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const CPrintSettings settings; // the defaults of Page Setup
    int nPages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("out.pdf")));
        if (!PrintRegister(bench.Doc(), settings, printer))
            state.SkipWithError("the job did not start");
        nPages = (bench.Doc().EntryCount() + settings.m_nRowsPerPage - 1) / settings.m_nRowsPerPage;
    }
    state.counters["pages"] = nPages;
}
BENCHMARK(BM_PrintToPdf)->Arg(5000)->Unit(benchmark::kMillisecond);

// From the command to the first page drawn on the screen.
void BM_PreviewFirstPage(benchmark::State& state) {
    CBenchDoc bench;
    FillRegister(bench.Doc(), static_cast<int>(state.range(0)));
    auto pPrinter = MakePrinter();
    const CPrintSettings settings; // the defaults of Page Setup
    for (auto _ : state) {
        CPrintPreview preview(bench.Doc(), settings, *pPrinter);
        if (!preview.Begin())
            state.SkipWithError("the preview did not start");
        preview.show();
        QApplication::processEvents();
        preview.grab();
        if (preview.PagesPainted() < 1)
            state.SkipWithError("no page drawn");
        state.PauseTiming();
        preview.close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PreviewFirstPage)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    std::setlocale(LC_TIME, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
