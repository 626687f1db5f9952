#include "DateTime.h"
#include <clocale>
#include <locale.h>

std::time_t MakeLocalDate(int nYear, int nMonth, int nDay) {
    std::tm tm{};
    tm.tm_year = nYear - 1900;
    tm.tm_mon = nMonth - 1;
    tm.tm_mday = nDay;
    tm.tm_isdst = -1; // the platform decides daylight saving
    return std::mktime(&tm);
}

std::time_t MakeLocalDate(const CDayMonthYear& dmy) {
    return MakeLocalDate(dmy.m_nYear, dmy.m_nMonth, dmy.m_nDay);
}

CDayMonthYear SplitLocalDate(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900};
}

std::time_t ToLocalMidnight(std::time_t t) {
    return MakeLocalDate(SplitLocalDate(t));
}

std::string FormatDate(std::time_t t, const char* pszFormat) {
    static locale_t s_cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[128];
    std::size_t n = strftime_l(buf, sizeof buf, pszFormat, &tm, s_cLocale);
    return std::string(buf, n);
}

int DaysInMonth(int nYear, int nMonth) {
    static const int DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth == 2)
        return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0 ? 29 : 28;
    return DAYS[(nMonth - 1) % 12];
}
