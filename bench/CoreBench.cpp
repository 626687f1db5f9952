// Benchmarks of the register core: load, save, text copy, insertion and memory.
#include "AllocCounter.h"
#include "BenchRegister.h"
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <vector>

namespace {

constexpr int SMALL = MAX_ENTRIES;      // the most the window lets a user enter
constexpr int LARGE = MAX_COUNT;        // the most a file can hold
constexpr int FULL_BUT_ONE = LARGE - 1; // an insertion into a full register is refused

std::vector<std::uint8_t> SavedRegister(int nEntries) {
    CBenchDoc bench;
    FillRegister(bench.Doc(), nEntries);
    return bench.Doc().SaveToBuffer();
}

void BM_Load(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = SavedRegister(static_cast<int>(state.range(0)));
    CBenchDoc bench;
    for (auto _ : state) {
        const CLoadResult result = bench.Doc().LoadFromBuffer(bytes.data(), bytes.size(), "b.twd");
        if (!result.Ok()) {
            state.SkipWithError("the register did not load");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_Save(benchmark::State& state) {
    CBenchDoc bench;
    FillRegister(bench.Doc(), static_cast<int>(state.range(0)));
    std::size_t nBytes = 0;
    for (auto _ : state) {
        std::vector<std::uint8_t> bytes = bench.Doc().SaveToBuffer();
        nBytes = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * nBytes));
}

void BM_BuildTextRegister(benchmark::State& state) {
    CBenchDoc bench;
    FillRegister(bench.Doc(), static_cast<int>(state.range(0)));
    const CTallywiseDoc& doc = bench.Doc();
    for (auto _ : state) {
        std::string strText = doc.BuildTextRegister(doc.EntryCount(), 0, 0, false);
        benchmark::DoNotOptimize(strText.data());
    }
}

// One entry into the middle of the register; it is removed again outside the timing.
void BM_InsertEntry(benchmark::State& state) {
    const int nEntries = static_cast<int>(state.range(0));
    CBenchDoc bench;
    CTallywiseDoc& doc = bench.Doc();
    FillRegister(doc, nEntries);
    for (auto _ : state) {
        CEntry entry = MiddleEntry(nEntries);
        const auto start = std::chrono::steady_clock::now();
        const std::optional<std::uint16_t> nPos = doc.InsertEntry(std::move(entry));
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (!nPos) {
            state.SkipWithError("the insertion was refused");
            break;
        }
        doc.RemoveEntry(*nPos, false, true);
    }
    if (doc.EntryCount() != nEntries)
        state.SkipWithError("the register changed size");
}

// What a loaded register of the largest size holds in memory, as counters.
void BM_DocumentMemory(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = SavedRegister(static_cast<int>(state.range(0)));
    CAllocCounts used;
    for (auto _ : state) {
        CBenchDoc bench;
        const CAllocCounts before = CurrentAllocCounts();
        const CLoadResult result = bench.Doc().LoadFromBuffer(bytes.data(), bytes.size(), "m.twd");
        const CAllocCounts after = CurrentAllocCounts();
        if (!result.Ok()) {
            state.SkipWithError("the register did not load");
            break;
        }
        used.m_nLiveBytes = after.m_nLiveBytes - before.m_nLiveBytes;
        used.m_nHeapBytes = after.m_nHeapBytes - before.m_nHeapBytes;
        used.m_nLiveAllocs = after.m_nLiveAllocs - before.m_nLiveAllocs;
    }
    using benchmark::Counter;
    state.counters["doc_bytes"] =
        Counter(static_cast<double>(used.m_nLiveBytes), Counter::kDefaults, Counter::kIs1024);
    state.counters["heap_bytes"] =
        Counter(static_cast<double>(used.m_nHeapBytes), Counter::kDefaults, Counter::kIs1024);
    state.counters["blocks"] = static_cast<double>(used.m_nLiveAllocs);
    state.counters["file_bytes"] =
        Counter(static_cast<double>(bytes.size()), Counter::kDefaults, Counter::kIs1024);
}

} // namespace

BENCHMARK(BM_Load)->Arg(SMALL)->Arg(LARGE)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(SMALL)->Arg(LARGE)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildTextRegister)->Arg(SMALL)->Arg(LARGE)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertEntry)
    ->Arg(SMALL)
    ->Arg(FULL_BUT_ONE)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DocumentMemory)->Arg(LARGE)->Iterations(3)->Unit(benchmark::kMillisecond);
