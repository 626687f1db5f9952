// The balance chart window at 65,535 entries over twenty-two years: painted after its
// command, and painted again after one edit of the register while it is open.
#include "BenchRegister.h"
#include "BenchSupport.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/IClock.h"
#include "core/framework/IPasswordPrompt.h"
#include "core/framework/IUserMessages.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CTallywiseApp.h"
#include "gui/tools/CBalanceChartView.h"
#include "gui/tools/CDlgBalanceChart.h"
#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int CHART_ENTRIES = 65535;

// A frame over a full register whose clock stands on the day of its last entry.
struct CChartFrame {
    CChartFrame() : m_services(false, LastDate()) {
        FillRegister(m_app.GetDocument(), CHART_ENTRIES);
        m_pFrame->show();
        QApplication::processEvents();
    }
    static std::time_t LastDate() {
        CBenchDoc bench;
        FillRegister(bench.Doc(), CHART_ENTRIES);
        return bench.Doc().Entries().back().m_date + 12 * 3600;
    }
    CDlgBalanceChart* Open(CPaintWatch& watch) {
        OnBalanceChart(m_pFrame->Context());
        auto* pDlg = m_pFrame->findChild<CDlgBalanceChart*>();
        pDlg->findChild<CBalanceChartView*>()->viewport()->installEventFilter(&watch);
        return pDlg;
    }

    CBenchServices m_services;
    CTallywiseApp m_app{m_services.m_messages, m_services.m_password, m_services.m_clock};
    std::unique_ptr<CMainFrame> m_pFrame = std::make_unique<CMainFrame>(m_app);
};

void ChartShown(benchmark::State& state) {
    CChartFrame frame;
    for (auto _ : state) {
        CPaintWatch watch;
        CDlgBalanceChart* pDlg = frame.Open(watch);
        watch.WaitForPaint();
        state.PauseTiming();
        pDlg->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void ChartAfterEdit(benchmark::State& state) {
    CChartFrame frame;
    CPaintWatch watch;
    frame.Open(watch);
    watch.WaitForPaint();
    CTallywiseDoc& doc = frame.m_app.GetDocument();
    const std::uint16_t nMiddle = CHART_ENTRIES / 2;
    for (auto _ : state) {
        state.PauseTiming();
        QApplication::processEvents();
        watch.m_bPainted = false;
        CEntry edited = *doc.GetEntryAt(nMiddle);
        edited.m_dAmount += 1.0;
        state.ResumeTiming();
        doc.ReplaceEntry(nMiddle, edited);
        watch.WaitForPaint();
    }
}

} // namespace

BENCHMARK(ChartShown)->Unit(benchmark::kMillisecond);
BENCHMARK(ChartAfterEdit)->Unit(benchmark::kMillisecond);
