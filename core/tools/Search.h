#pragma once
#include "core/document/CEntry.h"
#include "core/document/CUserType.h"
#include <array>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

enum ESearchMode { SEARCH_SINGLE = 0, SEARCH_RANGE = 1 };

// The criteria of one search, as the Search dialog's ticked pages give them. Dates are
// local midnights.
struct CSearchCriteria {
    bool m_bByCheck = false;
    int m_nCheckMode = SEARCH_SINGLE;
    std::uint32_t m_nSingleCheck = 0;
    std::uint32_t m_nFirstCheck = 0;
    std::uint32_t m_nLastCheck = 0;

    bool m_bByAmount = false;
    int m_nAmountMode = SEARCH_SINGLE;
    double m_dSingleAmount = 0.0;
    double m_dFirstAmount = 0.0;
    double m_dLastAmount = 0.0;
    bool m_bDebits = true;
    bool m_bCredits = true;

    bool m_bByDesc = false;
    std::string m_strFindDesc;

    bool m_bByDate = false;
    int m_nDateMode = SEARCH_SINGLE;
    std::time_t m_singleDate = 0;
    std::time_t m_firstDate = 0;
    std::time_t m_lastDate = 0;

    bool m_bByType = false;
    std::array<bool, 9> m_types{}; // ticked type boxes, by type code

    bool AnyCriterion() const {
        return m_bByCheck || m_bByAmount || m_bByDesc || m_bByDate || m_bByType;
    }
};

// Neither side ticked means both.
void NormaliseSides(CSearchCriteria& c);

// Whether one entry passes every ticked criterion.
bool MatchesSearch(const CEntryFields& e, const CSearchCriteria& c);

// Copies of the matching entries in register order, in one block, so even a search that
// finds every entry of a large register allocates little.
struct CSearchResults {
    std::vector<CEntry> m_aResults;
    std::uint16_t Count() const { return static_cast<std::uint16_t>(m_aResults.size()); }
};

// Walks the register once and copies every entry that passes.
CSearchResults FindEntries(const std::vector<CEntry>& entries, const CSearchCriteria& c);

struct CSearchTotals {
    double m_dDebits = 0.0;
    double m_dCredits = 0.0;
};
CSearchTotals SearchTotals(const std::vector<CEntry>& results);

// The results list: six columns sized from the list's client width.
enum ESearchColumn {
    SCOL_NUM,
    SCOL_DATE,
    SCOL_DESC,
    SCOL_TYPE,
    SCOL_DEBIT,
    SCOL_CREDIT,
    SCOL_COUNT
};
struct CSearchColumn {
    const char* m_pszTitle;
    int m_nAlign;  // -1 left, 0 centre, 1 right
    int m_nWeight; // of 392
};
extern const std::array<CSearchColumn, SCOL_COUNT> g_searchColumns;
std::array<int, SCOL_COUNT> SearchColumnWidths(int nClientWidth);
std::string SearchCellText(const CEntryFields& e, int nColumn, const CUserTypeTable& types);
// "Found %d entries." and a total as "%.2f ".
std::string FoundText(int nCount);
std::string SearchTotalText(double dTotal);
