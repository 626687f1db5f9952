#pragma once
#include <cstdint>
#include <ctime>
#include <string>

struct CAutoEntry {
    std::string m_strDesc;
    std::int8_t m_nType = 0;
    double m_dAmount = 0.0;
    std::uint32_t m_bDebit = 1;
    std::uint32_t m_nFrequency = 1; // 1 = "Monthly", 0 = "Every # of Days"
    std::int8_t m_nDay = 1;
    std::time_t m_nextDate = 0;
};
