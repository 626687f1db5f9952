#pragma once
#include "core/document/CEntry.h"
#include "core/document/CUserType.h"
#include <array>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

struct CTypeFigures {
    unsigned int m_nCount = 0;
    double m_dDebits = 0.0;
    double m_dCredits = 0.0;
};

// Per-type figures of a whole register; index = type code 0..8.
struct CStatistics {
    std::array<CTypeFigures, 9> m_types{};
    CTypeFigures m_totals;
    std::uint16_t m_nLowCheck = 0xFFFF;
    std::uint16_t m_nHighCheck = 0;
    std::time_t m_beginDate = 0;
    std::time_t m_endDate = 0;
};

// Walks the register once; the list must not be empty.
CStatistics ComputeStatistics(const std::vector<CEntry>& entries);

// One row of the statistics window as shown: label, entries, debit, credit.
struct CStatisticsRow {
    std::string m_strLabel;
    std::string m_strEntries;
    std::string m_strDebit;
    std::string m_strCredit;
    bool IsBlank() const { return m_strLabel.empty() && m_strEntries.empty(); }
};

enum EStatisticsRow {
    SROW_CHECK,
    SROW_ATM,
    SROW_CHECKCARD,
    SROW_TELLER,
    SROW_OTHER,
    SROW_USER1, // ..SROW_USER1 + 3
    SROW_TOTALS = SROW_USER1 + 4,
    SROW_COUNT
};

// Every text of the window; the rows of disabled user types are blank.
struct CStatisticsTexts {
    std::string m_strBeginDate;
    std::string m_strEndDate;
    std::string m_strBeginCheck;
    std::string m_strEndCheck;
    std::array<CStatisticsRow, SROW_COUNT> m_rows;
};

CStatisticsTexts StatisticsTexts(const CStatistics& s, const CUserTypeTable& types);
