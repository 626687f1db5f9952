// Opening the import window on a 10,000-transaction statement: reading, matching against
// a 5,000-entry register, filling the list and its first paint, offscreen. And OK on 5,000
// new transactions: from the click to the main window's register painted again. And the
// reconcile window on the same statement, from its plan to its first paint.
#include "BenchSupport.h"
#include "ImportBenchData.h"
#include "core/document/CDocServices.h"
#include "core/framework/IClock.h"
#include "core/framework/IPasswordPrompt.h"
#include "core/framework/IUserMessages.h"
#include "core/import/ImportOfx.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CTallywiseApp.h"
#include "gui/import/CDlgImport.h"
#include "gui/import/CDlgReconcile.h"
#include "gui/view/CTallywiseView.h"
#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <clocale>
#include <cstdio>
#include <memory>

namespace {

void ImportWindowOpens(benchmark::State& state) {
    CSilentDoc silent;
    CTallywiseDoc& doc = silent.Doc();
    FillMatchingRegister(doc);
    const std::string statement = MakeStatement();
    for (auto _ : state) {
        CDlgImport dlg;
        dlg.m_plan = BuildImportPlan(doc, ReadOfx(statement));
        dlg.m_strFileName = "statement.ofx";
        CPaintWatch watch;
        dlg.findChild<QTableView*>(QStringLiteral("transactions"))
            ->viewport()
            ->installEventFilter(&watch);
        dlg.show();
        watch.WaitForPaint();
        state.PauseTiming();
        dlg.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void ImportWindowOk(benchmark::State& state) {
    CBenchServices services;
    CTallywiseApp app(services.m_messages, services.m_password, services.m_clock);
    CTallywiseDoc& doc = app.GetDocument();
    CMainFrame frame(app);
    frame.show();
    CPaintWatch watch;
    frame.View()->viewport()->installEventFilter(&watch);
    CImportPlan plan = BuildImportPlan(doc, ReadOfx(MakeStatement()));
    plan.m_rows.resize(5000);
    for (auto _ : state) {
        state.PauseTiming();
        doc.OnNewDocument();
        doc.SetStartingBalance(100.0);
        CDlgImport dlg(&frame);
        dlg.m_plan = plan;
        dlg.m_pDoc = &doc;
        dlg.open();
        QApplication::processEvents();
        watch.m_bPainted = false;
        state.ResumeTiming();
        dlg.findChild<QPushButton*>(QStringLiteral("ok"))->click();
        ApplyImport(doc, dlg.m_plan, dlg.m_ticks);
        watch.WaitForPaint();
        if (doc.EntryCount() != 5000)
            state.SkipWithError("the transactions were not added");
    }
}

// Reading and reconciling is timed by the core benchmark; this is the window after it.
void ReconcileWindowOpens(benchmark::State& state) {
    CSilentDoc silent;
    CTallywiseDoc& doc = silent.Doc();
    FillMatchingRegister(doc);
    const CReconcilePlan plan = BuildReconcilePlan(doc, ReadOfx(MakeStatement()));
    for (auto _ : state) {
        state.PauseTiming();
        auto pDlg = std::make_unique<CDlgReconcile>();
        pDlg->m_plan = plan;
        pDlg->m_pDoc = &doc;
        pDlg->m_strFileName = "statement.ofx";
        CPaintWatch watch;
        pDlg->findChild<QTreeWidget*>(QStringLiteral("groups"))
            ->viewport()
            ->installEventFilter(&watch);
        state.ResumeTiming();
        pDlg->show();
        watch.WaitForPaint();
        state.PauseTiming();
        pDlg.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(ImportWindowOpens)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportWindowOk)->Unit(benchmark::kMillisecond);
BENCHMARK(ReconcileWindowOpens)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
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
