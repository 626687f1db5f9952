#include "BalanceChart.h"
#include "AutoEntries.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include <algorithm>
#include <chrono>

namespace {
using namespace std::chrono;

double Signed(const CEntry& e) {
    return e.m_bDebit ? -e.m_dAmount : e.m_dAmount;
}

// The day of each entry in turn; a register holds many entries per date, so the calendar is
// asked once per date only.
class CEntryDays {
public:
    int Of(const CEntry& e) {
        if (!m_bKnown || e.m_date != m_date) {
            m_bKnown = true;
            m_date = e.m_date;
            m_nDay = DayNumber(e.m_date);
        }
        return m_nDay;
    }

private:
    bool m_bKnown = false;
    std::time_t m_date = 0;
    int m_nDay = 0;
};

int PeriodKey(int nDay, EPeriod nPeriod) {
    switch (nPeriod) {
    case EPeriod::Week:
        // 01/01/1970 was a Thursday: four days after the Sunday that starts its week.
        return (nDay + 4 >= 0 ? (nDay + 4) / 7 : (nDay - 2) / 7);
    case EPeriod::Month: {
        const year_month_day ymd{sys_days{days{nDay}}};
        return int(ymd.year()) * 12 + int(unsigned(ymd.month()));
    }
    case EPeriod::Day:
        break;
    }
    return nDay;
}

int MonthsAhead(std::time_t now, int nMonths) {
    const CDayMonthYear today = SplitLocalDate(now);
    const int nMonth0 = today.m_nMonth - 1 + std::max(nMonths, 0);
    return DayNumber(CappedMonthDate(today.m_nYear + nMonth0 / 12, nMonth0 % 12 + 1, today.m_nDay));
}

// The occurrences of one definition up to the last day, stepped as posting steps them.
void AddOccurrences(const CAutoEntry& a, int nLastDay, std::vector<CForecastItem>& items) {
    CAutoEntry next = a;
    while (DayNumber(next.m_nextDate) <= nLastDay) {
        items.push_back({DayNumber(next.m_nextDate), a.m_strDesc,
                         a.m_bDebit ? -a.m_dAmount : a.m_dAmount, 0.0, std::nullopt});
        const std::time_t date = AdvanceAutoDate(next);
        if (date <= next.m_nextDate)
            break; // as posting: a date the clock cannot move on ends the definition
        next.m_nextDate = date;
    }
}

// Running balances of the items, end-of-day balances, the lowest day and the first below zero.
void RunForecast(CForecast& f) {
    double dBalance = f.m_dStart;
    f.m_aDays.push_back({f.m_nToday, dBalance, dBalance, 0, 0});
    for (std::size_t i = 0; i < f.m_aItems.size(); ++i) {
        CForecastItem& item = f.m_aItems[i];
        const int nDay = std::max(item.m_nDay, f.m_nToday);
        if (f.m_aDays.back().m_nDay != nDay)
            f.m_aDays.push_back({nDay, dBalance, dBalance, i, 0});
        dBalance += item.m_dAmount;
        item.m_dBalance = dBalance;
        CDayBalance& day = f.m_aDays.back();
        day.m_dBalance = day.m_dCleared = dBalance;
        ++day.m_nCount;
    }
    f.m_nLowDay = f.m_nToday;
    f.m_dLow = f.m_dStart;
    for (const CDayBalance& day : f.m_aDays) {
        // Cents first: a balance that shows as 0.00 is not below zero.
        const double dCents = RoundToCents(day.m_dBalance);
        if (dCents < RoundToCents(f.m_dLow)) {
            f.m_dLow = day.m_dBalance;
            f.m_nLowDay = day.m_nDay;
        }
        if (dCents < 0.0 && !f.m_nBelowZeroDay)
            f.m_nBelowZeroDay = day.m_nDay;
    }
}
} // namespace

int DayNumber(std::time_t t) {
    const CDayMonthYear d = SplitLocalDate(t);
    return int(sys_days(year(d.m_nYear) / d.m_nMonth / d.m_nDay).time_since_epoch().count());
}

std::time_t DayDate(int nDay) {
    const year_month_day ymd{sys_days{days{nDay}}};
    return MakeLocalDate(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())));
}

std::string DayText(int nDay) {
    const year_month_day ymd{sys_days{days{nDay}}};
    return Format("%02u/%02u/%04d", unsigned(ymd.month()), unsigned(ymd.day()), int(ymd.year()));
}

std::vector<CDayBalance> DailyBalances(const std::vector<CEntry>& entries, double dStartBal,
                                       int nFirstDay, int nLastDay) {
    std::vector<CDayBalance> result;
    if (nLastDay < nFirstDay)
        return result;
    result.reserve(std::size_t(nLastDay - nFirstDay) + 1);
    CEntryDays days;
    double dBalance = dStartBal, dCleared = dStartBal;
    std::size_t i = 0;
    const auto Take = [&](const CEntry& e) {
        dBalance += Signed(e);
        if (e.m_bCleared)
            dCleared += Signed(e);
    };
    for (; i < entries.size() && days.Of(entries[i]) < nFirstDay; ++i)
        Take(entries[i]);
    for (int nDay = nFirstDay; nDay <= nLastDay; ++nDay) {
        const std::size_t nFirst = i;
        for (; i < entries.size() && days.Of(entries[i]) <= nDay; ++i)
            Take(entries[i]);
        result.push_back({nDay, dBalance, dCleared, nFirst, i - nFirst});
    }
    return result;
}

int FirstChartDay(const std::vector<CEntry>& entries, int nToday) {
    return entries.empty() ? nToday : std::min(DayNumber(entries.front().m_date), nToday);
}

std::vector<CDayBalance> PeriodBalances(const std::vector<CDayBalance>& days, EPeriod nPeriod) {
    std::vector<CDayBalance> result;
    for (std::size_t i = 0; i < days.size(); ++i)
        if (i + 1 == days.size() ||
            PeriodKey(days[i].m_nDay, nPeriod) != PeriodKey(days[i + 1].m_nDay, nPeriod))
            result.push_back(days[i]);
    return result;
}

CForecast ComputeForecast(const std::vector<CEntry>& entries, double dStartBal,
                          const std::vector<CAutoEntry>& autos, std::time_t now, int nMonths) {
    CForecast f;
    f.m_nToday = DayNumber(now);
    f.m_nLastDay = MonthsAhead(now, nMonths);
    f.m_dStart = dStartBal;
    CEntryDays days;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int nDay = days.Of(entries[i]);
        if (nDay <= f.m_nToday)
            f.m_dStart += Signed(entries[i]);
        else if (nDay <= f.m_nLastDay)
            f.m_aItems.push_back({nDay, entries[i].m_strDesc, Signed(entries[i]), 0.0, i});
    }
    for (const CAutoEntry& a : autos)
        if (IsValidAutoEntry(a))
            AddOccurrences(a, f.m_nLastDay, f.m_aItems);
    // On one day the register's own entries come first, then the definitions in their order.
    std::stable_sort(
        f.m_aItems.begin(), f.m_aItems.end(),
        [](const CForecastItem& a, const CForecastItem& b) { return a.m_nDay < b.m_nDay; });
    RunForecast(f);
    return f;
}

std::string LowestAheadText(const CForecast& f) {
    return "Lowest ahead: $" + MoneyText(f.m_dLow) + " on " + DayText(f.m_nLowDay);
}

std::string BelowZeroText(const CForecast& f) {
    return f.m_nBelowZeroDay ? "Below zero from " + DayText(*f.m_nBelowZeroDay) : std::string();
}

std::vector<std::string> DayEntryLines(const std::vector<std::string>& lines, std::size_t nMax) {
    if (lines.size() <= nMax)
        return lines;
    std::vector<std::string> shown(lines.begin(), lines.begin() + std::ptrdiff_t(nMax));
    shown.push_back(Format("and %zu more", lines.size() - nMax));
    return shown;
}

std::vector<CChartPoint> ReduceToColumns(const std::vector<CChartPoint>& points,
                                         std::size_t nColumns) {
    if (nColumns == 0 || points.size() <= nColumns * 4)
        return points;
    const double dX0 = points.front().m_dX;
    const double dWidth = (points.back().m_dX - dX0) / double(nColumns);
    const auto ColumnOf = [&](double dX) {
        return dWidth > 0 ? std::min(nColumns - 1, std::size_t((dX - dX0) / dWidth)) : 0;
    };
    std::vector<CChartPoint> result;
    std::size_t i = 0;
    while (i < points.size()) {
        const std::size_t nColumn = ColumnOf(points[i].m_dX);
        std::size_t nLow = i, nHigh = i, nEnd = i;
        for (; nEnd < points.size() && ColumnOf(points[nEnd].m_dX) == nColumn; ++nEnd) {
            if (points[nEnd].m_dY < points[nLow].m_dY)
                nLow = nEnd;
            if (points[nEnd].m_dY > points[nHigh].m_dY)
                nHigh = nEnd;
        }
        std::size_t keep[] = {i, nLow, nHigh, nEnd - 1};
        std::sort(std::begin(keep), std::end(keep));
        for (std::size_t k = 0; k < 4; ++k)
            if (k == 0 || keep[k] != keep[k - 1])
                result.push_back(points[keep[k]]);
        i = nEnd;
    }
    return result;
}
