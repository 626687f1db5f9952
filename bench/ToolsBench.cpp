// Benchmarks of the tools that read a whole register: search, statistics and the balance
// figures, on a register loaded from its saved bytes as the command line loads it.
#include "BenchRegister.h"
#include "core/framework/DateTime.h"
#include "core/tools/AutoEntries.h"
#include "core/tools/Balance.h"
#include "core/tools/BalanceChart.h"
#include "core/tools/Search.h"
#include "core/tools/Statistics.h"
#include <benchmark/benchmark.h>
#include <vector>

namespace {

// A register filled, saved and loaded again, so its memory is laid out as after an open.
class CLoadedRegister {
public:
    explicit CLoadedRegister(int nEntries) {
        CBenchDoc maker;
        FillRegister(maker.Doc(), nEntries);
        const std::vector<std::uint8_t> bytes = maker.Doc().SaveToBuffer();
        m_bOk = m_bench.Doc().LoadFromBuffer(bytes.data(), bytes.size(), "b.twd").Ok();
    }
    const CTallywiseDoc& Doc() { return m_bench.Doc(); }
    bool Ok() const { return m_bOk; }

private:
    CBenchDoc m_bench;
    bool m_bOk = false;
};

// All five criteria ticked, each wide enough that every entry is tested by all of them.
CSearchCriteria AllCriteria() {
    CSearchCriteria c;
    c.m_bByCheck = true;
    c.m_nCheckMode = SEARCH_RANGE;
    c.m_nFirstCheck = 0;
    c.m_nLastCheck = 999999;
    c.m_bByAmount = true;
    c.m_nAmountMode = SEARCH_RANGE;
    c.m_dFirstAmount = -99999.99;
    c.m_dLastAmount = 99999.99;
    c.m_bByDate = true;
    c.m_nDateMode = SEARCH_RANGE;
    c.m_firstDate = MakeLocalDate(1970, 1, 2);
    c.m_lastDate = MakeLocalDate(2106, 2, 6);
    c.m_bByType = true;
    c.m_types.fill(true);
    c.m_bByDesc = true;
    c.m_strFindDesc = "Groceries";
    return c;
}

void BM_SearchAllCriteria(benchmark::State& state) {
    CLoadedRegister reg(static_cast<int>(state.range(0)));
    if (!reg.Ok()) {
        state.SkipWithError("the register did not load");
        return;
    }
    const CSearchCriteria c = AllCriteria();
    std::uint16_t nFound = 0;
    for (auto _ : state) {
        CSearchResults results = FindEntries(reg.Doc().Entries(), c);
        const CSearchTotals totals = SearchTotals(results.m_aResults);
        nFound = results.Count();
        benchmark::DoNotOptimize(totals);
    }
    state.counters["found"] = nFound;
}

// The worst case: every entry passes and is copied (no description criterion).
void BM_SearchEveryEntryFound(benchmark::State& state) {
    CLoadedRegister reg(static_cast<int>(state.range(0)));
    if (!reg.Ok()) {
        state.SkipWithError("the register did not load");
        return;
    }
    CSearchCriteria c = AllCriteria();
    c.m_bByDesc = false;
    for (auto _ : state) {
        CSearchResults results = FindEntries(reg.Doc().Entries(), c);
        benchmark::DoNotOptimize(results.m_aResults.data());
    }
}

void BM_Statistics(benchmark::State& state) {
    CLoadedRegister reg(static_cast<int>(state.range(0)));
    if (!reg.Ok()) {
        state.SkipWithError("the register did not load");
        return;
    }
    for (auto _ : state) {
        CStatisticsTexts texts =
            StatisticsTexts(ComputeStatistics(reg.Doc().Entries()), reg.Doc().UserTypes());
        benchmark::DoNotOptimize(texts.m_rows.data());
    }
}

void BM_BalanceFigures(benchmark::State& state) {
    CLoadedRegister reg(static_cast<int>(state.range(0)));
    if (!reg.Ok()) {
        state.SkipWithError("the register did not load");
        return;
    }
    for (auto _ : state) {
        const CReconciliation r = Reconcile(1234.56, OutstandingFigures(reg.Doc().Entries()));
        std::string strMessage = BalanceMessage(r.m_dDiff);
        benchmark::DoNotOptimize(strMessage.data());
    }
}

// A hundred definitions, half monthly (days 1 to 31) and half every 7 to 31 days, all due
// the day after the register's last entry.
std::vector<CAutoEntry> HundredDefinitions(std::time_t first) {
    std::vector<CAutoEntry> autos(100);
    for (std::size_t i = 0; i < autos.size(); ++i) {
        CAutoEntry& a = autos[i];
        a.m_strDesc = "Definition " + std::to_string(i);
        a.m_dAmount = 5.0 + double(i);
        a.m_bDebit = i % 3 != 0;
        a.m_nFrequency = i % 2 ? AUTO_MONTHLY : AUTO_EVERY_N_DAYS;
        a.m_nDay = std::int8_t(a.m_nFrequency == AUTO_MONTHLY ? 1 + i % 31 : 7 + i % 25);
        a.m_nextDate = a.m_nFrequency == AUTO_MONTHLY ? FirstMonthlyDate(first, a.m_nDay) : first;
    }
    return autos;
}

// The forecast of 24 months over the whole register, as the window and the command line
// compute it.
void BM_Forecast24Months100Definitions(benchmark::State& state) {
    CLoadedRegister reg(static_cast<int>(state.range(0)));
    if (!reg.Ok()) {
        state.SkipWithError("the register did not load");
        return;
    }
    const std::time_t today = reg.Doc().Entries().back().m_date;
    const std::vector<CAutoEntry> autos = HundredDefinitions(today + 86400);
    std::size_t nItems = 0;
    for (auto _ : state) {
        const CForecast f =
            ComputeForecast(reg.Doc().Entries(), reg.Doc().StartBalance(), autos, today, 24);
        nItems = f.m_aItems.size();
        benchmark::DoNotOptimize(f.m_dLow);
    }
    state.counters["occurrences"] = double(nItems);
}

// Every day's balance from the first entry to the last.
void BM_DailyBalances(benchmark::State& state) {
    CLoadedRegister reg(static_cast<int>(state.range(0)));
    if (!reg.Ok()) {
        state.SkipWithError("the register did not load");
        return;
    }
    const std::vector<CEntry>& entries = reg.Doc().Entries();
    const int nLast = DayNumber(entries.back().m_date);
    std::size_t nDays = 0;
    for (auto _ : state) {
        const std::vector<CDayBalance> days =
            DailyBalances(entries, reg.Doc().StartBalance(), FirstChartDay(entries, nLast), nLast);
        nDays = days.size();
        benchmark::DoNotOptimize(days.data());
    }
    state.counters["days"] = double(nDays);
}

} // namespace

BENCHMARK(BM_Forecast24Months100Definitions)->Arg(5000)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DailyBalances)->Arg(5000)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchAllCriteria)->Arg(5000)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchEveryEntryFound)->Arg(5000)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Statistics)->Arg(5000)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BalanceFigures)->Arg(5000)->Arg(65535)->Unit(benchmark::kMillisecond);
