// Open-to-shown time of the register window: the initial update, the show and the first
// paint of the rows, for registers of 5,000 and 65,535 entries built in memory.
#include "../app/CMainFrame.h"
#include "../app/CTallywiseApp.h"
#include "../framework/DateTime.h"
#include "../framework/IClock.h"
#include "../framework/IPasswordPrompt.h"
#include "../framework/IUserMessages.h"
#include "../view/CTallywiseView.h"
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <clocale>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {

class CSilentMessages : public IUserMessages {
public:
    void ShowMessage(const std::string&, EMsgIcon) override {}
    bool AskYesNo(const std::string&) override { return false; }
    EAnswer AskYesNoCancel(const std::string&) override { return EAnswer::No; }
};

class CNoPassword : public IPasswordPrompt {
public:
    std::string AskPassword(const std::string&) override { return std::string(); }
};

class CFixedClock : public IClock {
public:
    std::time_t Now() override { return MakeLocalDate(2004, 2, 10); }
};

// Links the entries directly: inserting them one by one would measure the document.
void FillRegister(CTallywiseDoc& doc, int nEntries) {
    doc.OnNewDocument();
    doc.m_bStartBalSet = 1;
    doc.m_dStartBal = 1000.0;
    CEntry** ppLink = &doc.m_pEntries;
    const std::time_t first = MakeLocalDate(2000, 1, 1);
    for (int i = 0; i < nEntries; ++i) {
        auto* pEntry = new CEntry;
        pEntry->m_nType = std::int8_t(i % 5);
        pEntry->m_nCheckNum = std::uint16_t(100 + i);
        pEntry->m_date = ToLocalMidnight(first + std::time_t(i / 8) * 86400);
        pEntry->m_strDesc = "Grocery store purchase " + std::to_string(i);
        pEntry->m_dAmount = 10.0 + (i % 97);
        pEntry->m_bDebit = i % 3 == 0 ? 0 : 1;
        pEntry->m_bCleared = i % 2;
        *ppLink = pEntry;
        ppLink = &pEntry->m_pNext;
    }
    doc.m_nEntries = std::uint16_t(nEntries);
    doc.UpdateBalances();
}

class CPaintWatch : public QObject {
public:
    bool m_bPainted = false;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Paint)
            m_bPainted = true;
        return QObject::eventFilter(pObject, pEvent);
    }
};

void OpenToShown(benchmark::State& state) {
    CSilentMessages messages;
    CNoPassword password;
    CFixedClock clock;
    CTallywiseApp app(messages, password, clock);
    auto pFrame = std::make_unique<CMainFrame>(app);
    app.m_pView = pFrame->View();
    FillRegister(app.GetDocument(), int(state.range(0)));
    CPaintWatch watch;
    pFrame->View()->viewport()->installEventFilter(&watch);
    for (auto _ : state) {
        state.PauseTiming();
        pFrame->hide();
        QApplication::processEvents();
        watch.m_bPainted = false;
        state.ResumeTiming();
        pFrame->View()->OnInitialUpdate();
        pFrame->show();
        while (!watch.m_bPainted)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = double(usage.ru_maxrss) / 1024.0;
    app.m_pView = nullptr;
}

// What Add, Edit and Delete do to the window without their dialogs: the document change,
// the row change, the balances rewritten below it, and the repaint.
enum EEditStep { STEP_ADD, STEP_EDIT, STEP_DELETE };

void EntryCommand(benchmark::State& state) {
    CSilentMessages messages;
    CNoPassword password;
    CFixedClock clock;
    CTallywiseApp app(messages, password, clock);
    auto pFrame = std::make_unique<CMainFrame>(app);
    app.m_pView = pFrame->View();
    CTallywiseDoc& doc = app.GetDocument();
    FillRegister(doc, int(state.range(0)));
    CTallywiseView* pView = pFrame->View();
    pView->OnInitialUpdate();
    pFrame->show();
    CPaintWatch watch;
    pView->viewport()->installEventFilter(&watch);
    const auto nStep = EEditStep(state.range(1));
    const std::time_t middle = doc.GetEntryAt(std::uint16_t(doc.m_nEntries / 2))->m_date;
    auto makeEntry = [middle] {
        auto pEntry = std::make_unique<CEntry>();
        pEntry->m_date = middle;
        pEntry->m_strDesc = "Benchmark";
        pEntry->m_dAmount = 12.5;
        return pEntry;
    };
    auto add = [&] { return *doc.InsertEntry(makeEntry()); };
    auto remove = [&](std::uint16_t nPos) { doc.RemoveEntry(nPos, false, true); };
    auto paint = [&] {
        watch.m_bPainted = false;
        pView->viewport()->update();
        while (!watch.m_bPainted)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
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
    app.m_pView = nullptr;
}

// The offscreen platform warns about every window feature it lacks.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& strText) {
    if (type != QtWarningMsg && type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(strText));
}

} // namespace

BENCHMARK(OpenToShown)->Arg(5000)->Arg(65535)->Unit(benchmark::kMillisecond);
// Second argument: 0 add, 1 edit, 2 delete.
BENCHMARK(EntryCommand)
    ->ArgsProduct({{5000, 65534}, {STEP_ADD, STEP_EDIT, STEP_DELETE}})
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
