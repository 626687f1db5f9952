// Reading and matching a bank file: a 10,000-transaction OFX statement against a
// 5,000-entry register that already holds half of it.
#include "BenchRegister.h"
#include "ImportBenchData.h"
#include "core/import/Import.h"
#include "core/import/ImportOfx.h"
#include "core/import/Reconcile.h"
#include <benchmark/benchmark.h>

namespace {

void BM_ReadAndMatchOfx(benchmark::State& state) {
    CBenchDoc bench;
    FillMatchingRegister(bench.Doc());
    const std::string statement = MakeStatement();
    for (auto _ : state) {
        const CImportPlan plan = BuildImportPlan(bench.Doc(), ReadOfx(statement));
        if (plan.m_nDuplicates != REGISTER_ENTRIES || plan.m_nNew != REGISTER_ENTRIES) {
            state.SkipWithError("the statement did not match half and half");
            break;
        }
        benchmark::DoNotOptimize(plan.m_rows.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * statement.size()));
}

// The same statement as a reconciliation: the matched half is cleared or already cleared,
// the rest is new.
void BM_ReadAndReconcileOfx(benchmark::State& state) {
    CBenchDoc bench;
    FillMatchingRegister(bench.Doc());
    const std::string statement = MakeStatement();
    for (auto _ : state) {
        const CReconcilePlan plan = BuildReconcilePlan(bench.Doc(), ReadOfx(statement));
        if (plan.m_nCleared + plan.m_nAlreadyCleared != REGISTER_ENTRIES ||
            plan.m_nNew != REGISTER_ENTRIES) {
            state.SkipWithError("the statement did not match half and half");
            break;
        }
        benchmark::DoNotOptimize(plan.m_lines.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * statement.size()));
}

} // namespace

BENCHMARK(BM_ReadAndMatchOfx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndReconcileOfx)->Unit(benchmark::kMillisecond);
