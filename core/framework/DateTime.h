#pragma once
#include <ctime>
#include <string>

// Dates are time_t values at local midnight, using the C library's time-zone rules.
struct CDayMonthYear {
    int m_nDay = 1;
    int m_nMonth = 1;
    int m_nYear = 1970;
    bool operator==(const CDayMonthYear&) const = default;
};

std::time_t MakeLocalDate(int nYear, int nMonth, int nDay);
std::time_t MakeLocalDate(const CDayMonthYear& dmy);
std::time_t ToLocalMidnight(std::time_t t);
CDayMonthYear SplitLocalDate(std::time_t t);
// strftime in the "C" locale: "%m/%d/%y", "%m/%d/%Y", "%m/%d", "%B %d, %Y".
std::string FormatDate(std::time_t t, const char* pszFormat);
int DaysInMonth(int nYear, int nMonth);
