// Opening the import window on a 10,000-transaction statement: reading, matching against
// a 5,000-entry register, filling the list and its first paint, offscreen.
#include "BenchSupport.h"
#include "ImportBenchData.h"
#include "core/document/CDocServices.h"
#include "core/framework/IClock.h"
#include "core/framework/IPasswordPrompt.h"
#include "core/framework/IUserMessages.h"
#include "core/import/ImportOfx.h"
#include "gui/import/CDlgImport.h"
#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <clocale>
#include <cstdio>

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
        while (!watch.m_bPainted)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        state.PauseTiming();
        dlg.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& strText) {
    if (type != QtWarningMsg && type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(strText));
}

} // namespace

BENCHMARK(ImportWindowOpens)->Unit(benchmark::kMillisecond);

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
