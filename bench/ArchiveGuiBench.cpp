// The two archive tools in the window: archiving 4,000 of 5,000 entries with the register
// list following and repainted, and View Archive showing a 5,000-line archive (the file
// read and decoded, the text set and the first paint of the viewer).
#include "BenchRegister.h"
#include "BenchSupport.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/IClock.h"
#include "core/framework/IPasswordPrompt.h"
#include "core/framework/IUserMessages.h"
#include "core/framework/TextFile.h"
#include "core/tools/Archive.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CTallywiseApp.h"
#include "gui/controls/CRichText.h"
#include "gui/tools/CDlgViewArch.h"
#include "gui/view/CRegisterModel.h"
#include "gui/view/CTallywiseView.h"
#include <QApplication>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace {

void ArchiveInWindow(benchmark::State& state) {
    char szDir[] = "/tmp/twbenchXXXXXX";
    const std::string strDir = ::mkdtemp(szDir);
    const std::string strPath = strDir + "/Home.twd";
    CBenchServices services;
    CTallywiseApp app(services.m_messages, services.m_password, services.m_clock);
    auto pFrame = std::make_unique<CMainFrame>(app);
    CTallywiseView* pView = pFrame->View();
    CTallywiseDoc& doc = app.GetDocument();
    pFrame->show();
    CPaintWatch watch;
    pView->viewport()->installEventFilter(&watch);
    for (auto _ : state) {
        state.PauseTiming();
        FillRegister(doc, 5000);
        for (std::uint16_t i = 0; i < doc.EntryCount(); ++i)
            doc.SetEntryCleared(i, 1);
        doc.OnSaveDocument(strPath);
        doc.SetPathName(strPath);
        pView->Model()->Rebuild();
        pView->scrollToBottom();
        watch.m_bPainted = false;
        watch.WaitForPaint();
        const CArchiveRequest request{strDir + "/Home01.twa", doc.Entries().front().m_date,
                                      doc.GetEntryAt(3999)->m_date, true};
        watch.m_bPainted = false;
        state.ResumeTiming();
        if (ArchiveEntries(doc, request) != EArchiveResult::Archived ||
            pView->model()->rowCount() != 1000) {
            state.SkipWithError("the entries were not archived");
            break;
        }
        watch.WaitForPaint();
    }
    std::filesystem::remove_all(strDir);
}

void ViewArchive(benchmark::State& state) {
    char szDir[] = "/tmp/twbenchXXXXXX";
    const std::string strDir = ::mkdtemp(szDir);
    const std::string strPath = strDir + "/Home01.twa";
    {
        CBenchDoc bench;
        // The header and column lines make up the rest of the 5,000 lines.
        FillRegister(bench.Doc(), 4990);
        CTallywiseDoc& doc = bench.Doc();
        WriteTextFile(strPath, doc.BuildTextRegister(doc.EntryCount(), 0, 0, true), false);
    }
    CDlgViewArch dlg;
    dlg.show();
    CRichText* pViewer = dlg.findChild<CRichText*>(QStringLiteral("viewer"));
    CPaintWatch watch;
    pViewer->viewport()->installEventFilter(&watch);
    const QString strFile = QString::fromStdString(strPath);
    for (auto _ : state) {
        state.PauseTiming();
        pViewer->clear();
        QApplication::processEvents();
        watch.m_bPainted = false;
        state.ResumeTiming();
        if (!dlg.LoadFile(strFile)) {
            state.SkipWithError("the archive was not shown");
            break;
        }
        watch.WaitForPaint();
    }
    state.counters["lines"] = pViewer->blockCount();
    std::filesystem::remove_all(strDir);
}

} // namespace

BENCHMARK(ArchiveInWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(ViewArchive)->Unit(benchmark::kMillisecond);
