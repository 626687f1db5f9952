// Open-to-shown time of the register window: the initial update, the show and the first
// paint of the rows, for registers of 5,000 and 65,535 entries built in memory.
#include "BenchSupport.h"
#include "core/framework/DateTime.h"
#include "core/framework/IClock.h"
#include "core/framework/IPasswordPrompt.h"
#include "core/framework/IUserMessages.h"
#include "core/tools/AutoEntries.h"
#include "core/tools/Search.h"
#include "core/tools/UndoDelete.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CTallywiseApp.h"
#include "gui/tools/CDlgSearchResults.h"
#include "gui/view/CTallywiseView.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <clocale>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {

// Eight entries a day from 2000 on, every fifth kind, a third of them deposits.
std::vector<CEntry> SampleEntries(int nEntries) {
    std::vector<CEntry> entries(static_cast<std::size_t>(nEntries));
    const std::time_t first = MakeLocalDate(2000, 1, 1);
    for (int i = 0; i < nEntries; ++i) {
        CEntry& e = entries[static_cast<std::size_t>(i)];
        e.m_nType = std::int8_t(i % 5);
        e.m_nCheckNum = std::uint16_t(100 + i);
        e.m_date = ToLocalMidnight(first + std::time_t(i / 8) * 86400);
        e.m_strDesc = "Grocery store purchase " + std::to_string(i);
        e.m_dAmount = 10.0 + (i % 97);
        e.m_bDebit = i % 3 == 0 ? 0 : 1;
        e.m_bCleared = i % 2;
    }
    return entries;
}

// All at once: inserting them one by one would measure the document.
void FillRegister(CTallywiseDoc& doc, int nEntries) {
    doc.OnNewDocument();
    doc.SetStartingBalance(1000.0);
    doc.InsertEntries(SampleEntries(nEntries));
}

void OpenToShown(benchmark::State& state) {
    CBenchServices services(false, MakeLocalDate(2004, 2, 10));
    CTallywiseApp app(services.m_messages, services.m_password, services.m_clock);
    auto pFrame = std::make_unique<CMainFrame>(app);
    FillRegister(app.GetDocument(), int(state.range(0)));
    CPaintWatch watch;
    pFrame->View()->viewport()->installEventFilter(&watch);
    for (auto _ : state) {
        state.PauseTiming();
        pFrame->hide();
        QApplication::processEvents();
        watch.m_bPainted = false;
        state.ResumeTiming();
        pFrame->OnInitialUpdate();
        pFrame->show();
        watch.WaitForPaint();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = double(usage.ru_maxrss) / 1024.0;
}

// What Add, Edit and Delete do to the window without their dialogs: the document change,
// the row change, the balances rewritten below it, and the repaint.
enum EEditStep { STEP_ADD, STEP_EDIT, STEP_DELETE };

void EntryCommand(benchmark::State& state) {
    CBenchServices services(false, MakeLocalDate(2004, 2, 10));
    CTallywiseApp app(services.m_messages, services.m_password, services.m_clock);
    auto pFrame = std::make_unique<CMainFrame>(app);
    CTallywiseDoc& doc = app.GetDocument();
    FillRegister(doc, int(state.range(0)));
    CTallywiseView* pView = pFrame->View();
    pFrame->OnInitialUpdate();
    pFrame->show();
    CPaintWatch watch;
    pView->viewport()->installEventFilter(&watch);
    const auto nStep = EEditStep(state.range(1));
    const std::time_t middle = doc.GetEntryAt(std::uint16_t(doc.EntryCount() / 2))->m_date;
    auto makeEntry = [middle] {
        CEntry entry;
        entry.m_date = middle;
        entry.m_strDesc = "Benchmark";
        entry.m_dAmount = 12.5;
        return entry;
    };
    auto add = [&] { return *doc.InsertEntry(makeEntry()); };
    auto remove = [&](std::uint16_t nPos) { doc.RemoveEntry(nPos, false, true); };
    auto paint = [&] {
        watch.m_bPainted = false;
        pView->viewport()->update();
        watch.WaitForPaint();
    };
    std::uint16_t nPos = add();
    for (auto _ : state) {
        if (nStep == STEP_ADD) {
            std::uint16_t nNew = add();
            paint();
            state.PauseTiming();
            remove(nNew);
            state.ResumeTiming();
        } else if (nStep == STEP_EDIT) {
            doc.RemoveEntry(nPos, false, false);
            nPos = *doc.InsertEntry(makeEntry());
            paint();
        } else {
            state.PauseTiming();
            std::uint16_t nNew = add();
            paint();
            state.ResumeTiming();
            remove(nNew);
            paint();
        }
    }
}

// nAutos monthly definitions, each due once today or not before next month.
void AddDefinitions(CTallywiseDoc& doc, int nAutos, bool bDue) {
    std::vector<CAutoEntry> autos;
    for (int i = 0; i < nAutos; ++i) {
        CAutoEntry a;
        a.m_strDesc = "Automatic " + std::to_string(i);
        a.m_nType = TYPE_OTHER;
        a.m_dAmount = 10.0 + i;
        a.m_nDay = std::int8_t(1 + i % 28);
        a.m_nextDate = bDue ? MakeLocalDate(2004, 2, 1 + i % 10) : MakeLocalDate(2004, 3, 1);
        autos.push_back(a);
    }
    doc.SetAutoEntries(std::move(autos));
}

// Open-to-shown with range(1) definitions none of which is due.
void OpenWithAutosNoneDue(benchmark::State& state) {
    CBenchServices services(false, MakeLocalDate(2004, 2, 10));
    CTallywiseApp app(services.m_messages, services.m_password, services.m_clock);
    auto pFrame = std::make_unique<CMainFrame>(app);
    FillRegister(app.GetDocument(), int(state.range(0)));
    AddDefinitions(app.GetDocument(), int(state.range(1)), false);
    CPaintWatch watch;
    pFrame->View()->viewport()->installEventFilter(&watch);
    for (auto _ : state) {
        state.PauseTiming();
        pFrame->hide();
        QApplication::processEvents();
        watch.m_bPainted = false;
        state.ResumeTiming();
        pFrame->OnInitialUpdate();
        pFrame->show();
        watch.WaitForPaint();
    }
}

// 100 due occurrences answered Yes and restoring one deleted entry, each until the rows
// are painted, with the register list following the document.
enum EToolStep { STEP_POST_100, STEP_RESTORE };

void ToolCommand(benchmark::State& state) {
    CBenchServices services(true, MakeLocalDate(2004, 2, 10));
    CTallywiseApp app(services.m_messages, services.m_password, services.m_clock);
    auto pFrame = std::make_unique<CMainFrame>(app);
    CTallywiseDoc& doc = app.GetDocument();
    const int nEntries = int(state.range(0));
    FillRegister(doc, nEntries);
    CTallywiseView* pView = pFrame->View();
    pFrame->OnInitialUpdate();
    pFrame->show();
    CPaintWatch watch;
    pView->viewport()->installEventFilter(&watch);
    auto paint = [&] {
        watch.m_bPainted = false;
        pView->viewport()->update();
        watch.WaitForPaint();
    };
    const auto nStep = EToolStep(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        AddDefinitions(doc, nStep == STEP_POST_100 ? 100 : 0, true);
        if (nStep == STEP_RESTORE && doc.DeletedEntries().empty())
            doc.RemoveEntry(std::uint16_t(nEntries / 2), true, true);
        paint();
        state.ResumeTiming();
        if (nStep == STEP_POST_100)
            PostDueAutoEntries(doc, services.m_clock.Now());
        else
            RestoreDeletedEntry(doc, 0);
        paint();
        state.PauseTiming();
        // Back to the register the next round starts from.
        while (doc.EntryCount() > nEntries)
            doc.RemoveEntry(std::uint16_t(nEntries / 2), false, true);
        paint();
        state.ResumeTiming();
    }
}

// Opening the search results window: the list filled from the copies, the totals, the show
// and the first paint of the rows.
void SearchResultsOpen(benchmark::State& state) {
    CUserTypeTable types;
    const CSearchResults results{SampleEntries(int(state.range(0)))};
    std::unique_ptr<CDlgSearchResults> pDlg;
    for (auto _ : state) {
        pDlg = std::make_unique<CDlgSearchResults>(types);
        pDlg->m_pResults = &results;
        CPaintWatch watch;
        pDlg->findChild<QTableView*>()->viewport()->installEventFilter(&watch);
        pDlg->show();
        watch.WaitForPaint();
        state.PauseTiming();
        pDlg.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// The offscreen platform warns about every window feature it lacks.
} // namespace

BENCHMARK(SearchResultsOpen)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenToShown)->Arg(5000)->Arg(65535)->Unit(benchmark::kMillisecond);
// Second argument: 0 add, 1 edit, 2 delete.
BENCHMARK(EntryCommand)
    ->ArgsProduct({{5000, 65534}, {STEP_ADD, STEP_EDIT, STEP_DELETE}})
    ->Unit(benchmark::kMillisecond);

BENCHMARK(OpenWithAutosNoneDue)->Args({5000, 0})->Args({5000, 100})->Unit(benchmark::kMillisecond);
// Second argument: 0 posting 100 due occurrences, 1 restoring a deleted entry.
BENCHMARK(ToolCommand)
    ->Args({5000, STEP_POST_100})
    ->Args({65435, STEP_POST_100}) // room for the 100
    ->Args({5000, STEP_RESTORE})
    ->Args({65534, STEP_RESTORE})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // The pictures live in the window library, which the linker would otherwise drop.
    Q_INIT_RESOURCE(resources);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    QApplication qtApp(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    std::setlocale(LC_TIME, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
