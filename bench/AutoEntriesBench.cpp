// Benchmarks of the automatic entries and undo delete tools on a 5,000-entry register:
// an open that finds nothing due, posting 100 due occurrences, restoring one entry.
#include "BenchRegister.h"
#include "core/framework/DateTime.h"
#include "core/tools/AutoEntries.h"
#include "core/tools/UndoDelete.h"
#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace {

// The clock of CBenchDoc: 2000-05-11 00:00 UTC.
constexpr std::time_t NOW = 958003200;

// A register of nEntries entries whose definitions are replaced by nAutos monthly ones,
// due once each (bDue) or not before next month.
std::vector<std::uint8_t> RegisterWithAutos(int nEntries, int nAutos, bool bDue) {
    CBenchDoc bench;
    CTallywiseDoc& doc = bench.Doc();
    FillRegister(doc, nEntries);
    const CDayMonthYear today = SplitLocalDate(NOW);
    std::vector<CAutoEntry> autos(static_cast<std::size_t>(nAutos));
    for (int i = 0; i < nAutos; ++i) {
        CAutoEntry& a = autos[static_cast<std::size_t>(i)];
        a.m_strDesc = "Automatic " + std::to_string(i);
        a.m_nType = TYPE_OTHER;
        a.m_dAmount = 10.0 + i;
        a.m_nDay = static_cast<std::int8_t>(1 + i % 28);
        a.m_nextDate = bDue ? MakeLocalDate(today.m_nYear, today.m_nMonth, 1 + i % 5)
                            : MakeLocalDate(today.m_nYear, today.m_nMonth + 1, 1 + i % 28);
    }
    doc.SetAutoEntries(std::move(autos));
    return doc.SaveToBuffer();
}

// Load and the look for due definitions, as every Open does; range(1) definitions.
void BM_OpenWithAutosNoneDue(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = RegisterWithAutos(
        static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), false);
    CBenchDoc bench;
    for (auto _ : state) {
        const CLoadResult result = bench.Doc().LoadFromBuffer(bytes.data(), bytes.size(), "a.twd");
        const CPostResult posted = PostDueAutoEntries(bench.Doc(), NOW);
        if (!result.Ok() || posted.m_nOffered != 0) {
            state.SkipWithError("the register did not load, or something fell due");
            break;
        }
    }
}

// 100 due occurrences, each answered Yes.
void BM_Post100Due(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes =
        RegisterWithAutos(static_cast<int>(state.range(0)), 100, true);
    CBenchDoc bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.Doc().LoadFromBuffer(bytes.data(), bytes.size(), "p.twd");
        state.ResumeTiming();
        if (PostDueAutoEntries(bench.Doc(), NOW).m_nPosted != 100) {
            state.SkipWithError("not every occurrence was posted");
            break;
        }
    }
}

// The oldest deleted entry back into the register; deleted again outside the timing.
void BM_RestoreDeleted(benchmark::State& state) {
    CBenchDoc bench;
    CTallywiseDoc& doc = bench.Doc();
    FillRegister(doc, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::optional<std::uint16_t> nPos = RestoreDeletedEntry(doc, 0);
        state.PauseTiming();
        if (!nPos) {
            state.SkipWithError("the restore was refused");
            break;
        }
        doc.RemoveEntry(*nPos, true, true);
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_OpenWithAutosNoneDue)
    ->Args({5000, 0})
    ->Args({5000, 100})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Post100Due)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RestoreDeleted)->Arg(5000)->Arg(65534)->Unit(benchmark::kMicrosecond);
