// View Archive showing a 5,000-line archive: the file read and decoded, the text set and
// the first paint of the viewer.
#include "../controls/CRichText.h"
#include "../document/CTallywiseDoc.h"
#include "../framework/TextFile.h"
#include "../tools/CDlgViewArch.h"
#include "BenchRegister.h"
#include <QApplication>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace {

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

void ViewArchive(benchmark::State& state) {
    char szDir[] = "/tmp/twbenchXXXXXX";
    const std::string strDir = ::mkdtemp(szDir);
    const std::string strPath = strDir + "/Home01.twa";
    {
        CBenchApp bench;
        // The header and column lines make up the rest of the 5,000 lines.
        FillRegister(bench.Doc(), 4990);
        CTallywiseDoc& doc = bench.Doc();
        WriteTextFile(strPath, doc.BuildTextRegister(doc.m_nEntries, 0, 0, true), false);
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
        while (!watch.m_bPainted)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    state.counters["lines"] = pViewer->blockCount();
    std::filesystem::remove_all(strDir);
}

} // namespace

BENCHMARK(ViewArchive)->Unit(benchmark::kMillisecond);
