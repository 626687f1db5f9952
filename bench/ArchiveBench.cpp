// Archiving 4,000 of 5,000 entries: the archive file written, the entries removed and the
// register saved, as the command does it after its dialog.
#include "BenchRegister.h"
#include "core/tools/Archive.h"
#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr int ARCHIVED = 4000; // 500 whole days of 8 entries

void BM_Archive(benchmark::State& state) {
    const int nRegister = static_cast<int>(state.range(0));
    char szDir[] = "/tmp/twbenchXXXXXX";
    const std::string strDir = ::mkdtemp(szDir);
    const std::string strPath = strDir + "/Home.twd";
    CBenchDoc bench;
    CTallywiseDoc& doc = bench.Doc();
    const int nTextCopy = 1; // the default: a save writes the text copy too
    CSaveOptions options;
    options.m_pTextBackup = &nTextCopy;
    doc.SetSaveOptions(options);
    for (auto _ : state) {
        state.PauseTiming();
        FillRegister(doc, nRegister);
        for (std::uint16_t i = 0; i < doc.EntryCount(); ++i)
            doc.SetEntryCleared(i, 1);
        doc.OnSaveDocument(strPath);
        doc.SetPathName(strPath);
        const CArchiveRequest request{strDir + "/Home01.twa", doc.Entries().front().m_date,
                                      doc.Entries().at(ARCHIVED - 1).m_date, true};
        state.ResumeTiming();
        if (ArchiveEntries(doc, request) != EArchiveResult::Archived ||
            doc.EntryCount() != nRegister - ARCHIVED) {
            state.SkipWithError("the entries were not archived");
            break;
        }
    }
    std::filesystem::remove_all(strDir);
}

} // namespace

BENCHMARK(BM_Archive)->Arg(5000)->Unit(benchmark::kMillisecond);
