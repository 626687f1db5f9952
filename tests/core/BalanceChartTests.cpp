#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include "core/tools/AutoEntries.h"
#include "core/tools/BalanceChart.h"
#include <gtest/gtest.h>

namespace {

struct CRow {
    int y, m, d;
    double dAmount; // negative for a debit
    bool bCleared = false;
};

std::vector<CEntry> Register(const std::vector<CRow>& rows) {
    std::vector<CEntry> entries;
    for (const CRow& r : rows) {
        CEntry e;
        e.m_date = MakeLocalDate(r.y, r.m, r.d);
        e.m_dAmount = r.dAmount < 0 ? -r.dAmount : r.dAmount;
        e.m_bDebit = r.dAmount < 0 ? 1 : 0;
        e.m_bCleared = r.bCleared ? 1 : 0;
        e.m_strDesc = Format("e%zu", entries.size());
        entries.push_back(e);
    }
    return entries;
}

struct CDef {
    std::uint32_t nFrequency;
    int nDay;
    int y, m, d; // next date
    double dAmount;
    const char* pszDesc;
};

std::vector<CAutoEntry> Autos(const std::vector<CDef>& defs) {
    std::vector<CAutoEntry> autos;
    for (const CDef& def : defs) {
        CAutoEntry a;
        a.m_strDesc = def.pszDesc;
        a.m_nFrequency = def.nFrequency;
        a.m_nDay = static_cast<std::int8_t>(def.nDay);
        a.m_nextDate = MakeLocalDate(def.y, def.m, def.d);
        a.m_dAmount = def.dAmount < 0 ? -def.dAmount : def.dAmount;
        a.m_bDebit = def.dAmount < 0 ? 1 : 0;
        autos.push_back(a);
    }
    return autos;
}

int Day(int y, int m, int d) {
    return DayNumber(MakeLocalDate(y, m, d));
}

} // namespace

// Days are calendar days in every time zone the tests run in; the last column is the
// number of entries dated that day.
TEST(BalanceChart, DailyAndPeriodBalances) {
    const std::vector<CEntry> entries = Register({{2026, 3, 6, -20.0, true},
                                                  {2026, 3, 7, 100.0},
                                                  {2026, 3, 7, -30.0, true},
                                                  {2026, 3, 7, -5.0},
                                                  {2026, 3, 9, -1.5, true},
                                                  {2026, 4, 1, 10.0}});
    const struct {
        const char* pszName;
        int nFirst, nLast;
        EPeriod nPeriod;
        std::vector<std::string> expected;
    } cases[] = {
        {"same day three entries, a day without any, an earlier one counted",
         Day(2026, 3, 7),
         Day(2026, 3, 9),
         EPeriod::Day,
         {"03/07/2026 145.00 50.00 3", "03/08/2026 145.00 50.00 0", "03/09/2026 143.50 48.50 1"}},
        {"before the first entry: the starting balance",
         Day(2026, 3, 5),
         Day(2026, 3, 6),
         EPeriod::Day,
         {"03/05/2026 100.00 100.00 0", "03/06/2026 80.00 80.00 1"}},
        {"weeks end on Saturday, the last cut at the last day",
         Day(2026, 3, 6),
         Day(2026, 3, 10),
         EPeriod::Week,
         {"03/07/2026 145.00 50.00 3", "03/10/2026 143.50 48.50 0"}},
        {"months",
         Day(2026, 2, 27),
         Day(2026, 4, 2),
         EPeriod::Month,
         {"02/28/2026 100.00 100.00 0", "03/31/2026 143.50 48.50 0", "04/02/2026 153.50 48.50 0"}},
        {"no days", Day(2026, 3, 9), Day(2026, 3, 8), EPeriod::Day, {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> got;
        for (const CDayBalance& b :
             PeriodBalances(DailyBalances(entries, 100.0, c.nFirst, c.nLast), c.nPeriod))
            got.push_back(DayText(b.m_nDay) + " " + MoneyText(b.m_dBalance) + " " +
                          MoneyText(b.m_dCleared) + " " + std::to_string(b.m_nCount));
        EXPECT_EQ(got, c.expected) << c.pszName;
    }
    EXPECT_EQ(DailyBalances({}, 7.0, Day(2026, 1, 1), Day(2026, 1, 1)).at(0).m_dBalance, 7.0);
}

namespace {
struct CForecastCase {
    const char* pszName;
    std::vector<CRow> rows;
    std::vector<CDef> defs;
    int nMonths;
    std::vector<std::string> expected;
    const char* pszLowest;
    const char* pszBelowZero;
};

// Today is 01/15/2027 in the afternoon. Each line: date, description, amount, balance after.
const CForecastCase FORECAST_CASES[] = {
    {"no entries at all", {}, {}, 3, {}, "Lowest ahead: $50.00 on 01/15/2027", ""},
    {"no automatic entries: the register's later entries only",
     {{2027, 1, 10, 20.0}, {2027, 2, 1, -100.0}, {2027, 6, 1, -1.0}},
     {},
     3,
     {"02/01/2027 e1 -100.00 -30.00"},
     "Lowest ahead: $-30.00 on 02/01/2027",
     "Below zero from 02/01/2027"},
    {"month end: the day-31 cap, the day back in March",
     {},
     {{AUTO_MONTHLY, 31, 2027, 1, 31, -10.0, "Rent"}},
     3,
     {"01/31/2027 Rent -10.00 40.00", "02/28/2027 Rent -10.00 30.00",
      "03/31/2027 Rent -10.00 20.00"},
     "Lowest ahead: $20.00 on 03/31/2027",
     ""},
    {"every 14 days over both daylight-saving changes of either hemisphere",
     {},
     {{AUTO_EVERY_N_DAYS, 14, 2027, 3, 1, 1.0, "Pay"}},
     10,
     {"03/01/2027 Pay 1.00 51.00", "03/15/2027 Pay 1.00 52.00", "03/29/2027 Pay 1.00 53.00",
      "04/12/2027 Pay 1.00 54.00", "04/26/2027 Pay 1.00 55.00", "05/10/2027 Pay 1.00 56.00",
      "05/24/2027 Pay 1.00 57.00", "06/07/2027 Pay 1.00 58.00", "06/21/2027 Pay 1.00 59.00",
      "07/05/2027 Pay 1.00 60.00", "07/19/2027 Pay 1.00 61.00", "08/02/2027 Pay 1.00 62.00",
      "08/16/2027 Pay 1.00 63.00", "08/30/2027 Pay 1.00 64.00", "09/13/2027 Pay 1.00 65.00",
      "09/27/2027 Pay 1.00 66.00", "10/11/2027 Pay 1.00 67.00", "10/25/2027 Pay 1.00 68.00",
      "11/08/2027 Pay 1.00 69.00"},
     "Lowest ahead: $50.00 on 01/15/2027",
     ""},
    {"below zero, back above, lower again; the register first on a shared day",
     {{2027, 2, 1, 5.0}},
     {{AUTO_MONTHLY, 1, 2027, 2, 1, -60.55, "Rent"},
      {AUTO_EVERY_N_DAYS, 30, 2027, 2, 20, 40.0, "Pay"}},
     2,
     {"02/01/2027 e0 5.00 55.00", "02/01/2027 Rent -60.55 -5.55", "02/20/2027 Pay 40.00 34.45",
      "03/01/2027 Rent -60.55 -26.10"},
     "Lowest ahead: $-26.10 on 03/01/2027",
     "Below zero from 02/01/2027"},
    {"damaged definitions are left out; an overdue one counts today",
     {},
     {{7, 1, 2027, 2, 1, -1000.0, "Bad frequency"},
      {AUTO_MONTHLY, 0, 2027, 2, 1, -1000.0, "Day 0"},
      {AUTO_MONTHLY, 40, 2027, 2, 1, -1000.0, "Day 40"},
      {AUTO_MONTHLY, 10, 2027, 1, 10, -50.0, "Late"}},
     1,
     {"01/10/2027 Late -50.00 0.00", "02/10/2027 Late -50.00 -50.00"},
     "Lowest ahead: $-50.00 on 02/10/2027",
     "Below zero from 02/10/2027"},
};
} // namespace

TEST(BalanceChart, Forecast) {
    const std::time_t now = MakeLocalDate(2027, 1, 15) + 15 * 3600;
    for (const CForecastCase& c : FORECAST_CASES) {
        const CForecast f = ComputeForecast(Register(c.rows), 50.0, Autos(c.defs), now, c.nMonths);
        std::vector<std::string> got;
        for (const CForecastItem& item : f.m_aItems)
            got.push_back(DayText(item.m_nDay) + " " + item.m_strDesc + " " +
                          MoneyText(item.m_dAmount) + " " + MoneyText(item.m_dBalance));
        EXPECT_EQ(got, c.expected) << c.pszName;
        EXPECT_EQ(LowestAheadText(f), c.pszLowest) << c.pszName;
        EXPECT_EQ(BelowZeroText(f), c.pszBelowZero) << c.pszName;
    }
}

// The forecast steps with the posting's own date arithmetic, however far it goes.
TEST(BalanceChart, ForecastDatesAreThePostingDates) {
    CAutoEntry a = Autos({{AUTO_MONTHLY, 31, 2027, 1, 31, -1.0, "x"}}).front();
    const CForecast f = ComputeForecast({}, 0.0, {a}, MakeLocalDate(2027, 1, 1), 24);
    ASSERT_EQ(f.m_aItems.size(), 24u);
    for (const CForecastItem& item : f.m_aItems) {
        EXPECT_EQ(item.m_nDay, DayNumber(a.m_nextDate));
        a.m_nextDate = AdvanceAutoDate(a);
    }
}

TEST(BalanceChart, ReadoutAndReducedLines) {
    const std::vector<std::string> seven = {"1", "2", "3", "4", "5", "6", "7"};
    EXPECT_EQ(DayEntryLines(seven, 5),
              (std::vector<std::string>{"1", "2", "3", "4", "5", "and 2 more"}));
    EXPECT_EQ(DayEntryLines({"1", "2"}, 5), (std::vector<std::string>{"1", "2"}));
    // Two columns of four days: each keeps its first, lowest, highest and last point.
    std::vector<CChartPoint> points;
    for (double y : {5.0, 1.0, 9.0, 3.0, 4.0, 4.0, 8.0, 0.0, 2.0})
        points.push_back({double(points.size()), y});
    std::vector<std::string> got;
    for (const CChartPoint& p : ReduceToColumns(points, 2))
        got.push_back(Format("%g:%g", p.m_dX, p.m_dY));
    EXPECT_EQ(got,
              (std::vector<std::string>{"0:5", "1:1", "2:9", "3:3", "4:4", "6:8", "7:0", "8:2"}));
}
