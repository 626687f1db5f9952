// Changes of many entries at once, each measured twice: the core work alone (no window
// listening), and the same work with the main window open until its rows are painted. The
// difference is what the window adds: the document announces such a change once.
#include "BenchRegister.h"
#include "BenchSupport.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/DateTime.h"
#include "core/import/Import.h"
#include "core/tools/Archive.h"
#include "core/tools/AutoEntries.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CTallywiseApp.h"
#include "gui/view/CTallywiseView.h"
#include <QApplication>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

enum EBulkStep { BULK_IMPORT, BULK_ARCHIVE, BULK_POST };

// 5,000 new transactions spread over the years the register covers.
CImportPlan NewTransactions(int nCount) {
    CImportPlan plan;
    const std::time_t first = MakeLocalDate(1991, 1, 1);
    for (int i = 0; i < nCount; ++i) {
        CImportRow row;
        row.m_date = ToLocalMidnight(first + std::time_t(i) * 86400 * 4);
        row.m_strDesc = "Imported " + std::to_string(i);
        row.m_dAmount = 1.0 + i % 50;
        row.m_bDebit = i % 4 != 0;
        plan.m_rows.push_back(row);
    }
    plan.m_nNew = nCount;
    return plan;
}

// 100 monthly definitions, each due once in the month before the next.
std::vector<CAutoEntry> DueDefinitions() {
    std::vector<CAutoEntry> autos(100);
    for (int i = 0; i < 100; ++i) {
        CAutoEntry& a = autos[std::size_t(i)];
        a.m_strDesc = "Automatic " + std::to_string(i);
        a.m_nType = TYPE_OTHER;
        a.m_dAmount = 10.0 + i;
        a.m_nDay = std::int8_t(1 + i % 28);
        a.m_nextDate = MakeLocalDate(2029, 12, a.m_nDay);
    }
    return autos;
}

// The register a round starts from, and what the round does to it.
struct CBulkRound {
    int m_nEntries;
    std::string m_strDir;
    std::string m_strPath;

    void Prepare(CTallywiseDoc& doc, EBulkStep step) const {
        FillRegister(doc, m_nEntries);
        doc.SetAutoEntries(step == BULK_POST ? DueDefinitions() : std::vector<CAutoEntry>());
        if (step == BULK_ARCHIVE) {
            for (std::uint16_t i = 0; i < doc.EntryCount(); ++i)
                doc.SetEntryCleared(i, 1);
            std::filesystem::remove(m_strDir + "/Home01.twa");
            doc.OnSaveDocument(m_strPath);
            doc.SetPathName(m_strPath);
        }
    }

    bool Run(CTallywiseDoc& doc, EBulkStep step, const CImportPlan& plan, std::time_t now) const {
        switch (step) {
        case BULK_IMPORT:
            return ApplyImport(doc, plan, {}) == plan.m_nNew;
        case BULK_ARCHIVE:
            return ArchiveEntries(doc, {m_strDir + "/Home01.twa", doc.Entries().front().m_date,
                                        doc.GetEntryAt(3999)->m_date, true}) ==
                   EArchiveResult::Archived;
        case BULK_POST:
            return PostDueAutoEntries(doc, now).m_nPosted == 100;
        }
        return false;
    }
};

void BulkChange(benchmark::State& state) {
    const auto step = EBulkStep(state.range(0));
    const bool bWindow = state.range(1) != 0;
    char szDir[] = "/tmp/twbenchXXXXXX";
    const std::string strDir = ::mkdtemp(szDir);
    const CBulkRound round{step == BULK_IMPORT ? 60000 : 5000, strDir, strDir + "/Home.twd"};
    // Every question answered Yes, so each due occurrence is posted.
    CBenchServices services(true, MakeLocalDate(2029, 12, 31));
    CTallywiseApp app(services.m_messages, services.m_password, services.m_clock);
    app.m_nTextBackup = 0;
    CTallywiseDoc& doc = app.GetDocument();
    std::unique_ptr<CMainFrame> pFrame;
    CPaintWatch watch;
    if (bWindow) {
        pFrame = std::make_unique<CMainFrame>(app);
        pFrame->show();
        pFrame->View()->viewport()->installEventFilter(&watch);
    }
    auto paint = [&] {
        if (!bWindow)
            return;
        watch.m_bPainted = false;
        pFrame->View()->viewport()->update();
        watch.WaitForPaint();
    };
    const CImportPlan plan = NewTransactions(5000);
    for (auto _ : state) {
        state.PauseTiming();
        round.Prepare(doc, step);
        paint();
        state.ResumeTiming();
        if (!round.Run(doc, step, plan, services.m_clock.m_now))
            state.SkipWithError("the change did not go through");
        paint();
    }
    pFrame.reset();
    std::filesystem::remove_all(strDir);
}

} // namespace

// First argument: 0 importing 5,000 into 60,000 entries, 1 archiving 4,000 of 5,000,
// 2 posting 100 due occurrences into 5,000; second: 0 the core alone, 1 with the window.
BENCHMARK(BulkChange)
    ->ArgsProduct({{BULK_IMPORT, BULK_ARCHIVE, BULK_POST}, {0, 1}})
    ->Unit(benchmark::kMillisecond);
