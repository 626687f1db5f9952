#pragma once
#include "core/document/CAutoEntry.h"
#include "core/document/CEntry.h"
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

// Days are counted in the calendar, 0 = 01/01/1970, so neither the hour of a stored date
// nor a daylight-saving change moves a balance to another day.
int DayNumber(std::time_t t);
std::time_t DayDate(int nDay); // local midnight
std::string DayText(int nDay); // MM/DD/YYYY

// The end-of-day balance of one day, and the entries dated that day (positions
// m_nFirst .. m_nFirst + m_nCount - 1 of the register).
struct CDayBalance {
    int m_nDay = 0;
    double m_dBalance = 0.0;
    double m_dCleared = 0.0; // starting balance plus the cleared entries only
    std::size_t m_nFirst = 0;
    std::size_t m_nCount = 0;
};

// One balance per day from nFirstDay to nLastDay, both included. The entries are the
// register in date order.
std::vector<CDayBalance> DailyBalances(const std::vector<CEntry>& entries, double dStartBal,
                                       int nFirstDay, int nLastDay);
// The first day a chart of the register starts at: the first entry's, or today's.
int FirstChartDay(const std::vector<CEntry>& entries, int nToday);

enum class EPeriod { Day, Week, Month };
// The last day of every period (weeks run Sunday to Saturday) that the days reach, the last
// one cut at the last day given.
std::vector<CDayBalance> PeriodBalances(const std::vector<CDayBalance>& days, EPeriod nPeriod);

// One change the future holds: an entry of the register dated after today, or an
// occurrence of an automatic entry.
struct CForecastItem {
    int m_nDay = 0;
    std::string m_strDesc;
    double m_dAmount = 0.0; // signed: what it adds to the balance
    double m_dBalance = 0.0;
    std::optional<std::size_t> m_nEntry; // its register position, for a register entry
};

struct CForecast {
    int m_nToday = 0;
    int m_nLastDay = 0;
    double m_dStart = 0.0;               // the balance at the end of today, before any occurrence
    std::vector<CForecastItem> m_aItems; // in date order
    // End of day balances: today, then each day that has items (those overdue count today).
    std::vector<CDayBalance> m_aDays;
    int m_nLowDay = 0;
    double m_dLow = 0.0;
    std::optional<int> m_nBelowZeroDay; // the first day that ends below zero
};

// Every occurrence from each usable definition's next date up to nMonths months after today,
// stepped exactly as posting steps it, merged with the register's later entries.
CForecast ComputeForecast(const std::vector<CEntry>& entries, double dStartBal,
                          const std::vector<CAutoEntry>& autos, std::time_t now, int nMonths);

// "Lowest ahead: $-120.55 on 03/14/2027", and the day it goes below zero when it does.
std::string LowestAheadText(const CForecast& f);
std::string BelowZeroText(const CForecast& f);

// The lines of a day's entries under the readout: at most nMax, then "and N more".
std::vector<std::string> DayEntryLines(const std::vector<std::string>& lines, std::size_t nMax);

// A point of a drawn line.
struct CChartPoint {
    double m_dX = 0.0;
    double m_dY = 0.0;
};
// No more than four points per column of nColumns over the x range (the first, the lowest,
// the highest and the last, in their order), so a line of thousands of days draws the same
// shape with what the pixels can show.
std::vector<CChartPoint> ReduceToColumns(const std::vector<CChartPoint>& points,
                                         std::size_t nColumns);
