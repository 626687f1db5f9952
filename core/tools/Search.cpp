#include "Search.h"
#include "core/document/RegisterCells.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include <algorithm>

namespace {

bool InRange(double d, double dFirst, double dLast) {
    return dFirst <= d && d <= dLast;
}

bool CheckPasses(const CEntryFields& e, const CSearchCriteria& c) {
    const std::uint32_t nCheck = e.m_nCheckNum;
    if (c.m_nCheckMode == SEARCH_SINGLE)
        return nCheck == c.m_nSingleCheck;
    return c.m_nFirstCheck <= nCheck && nCheck <= c.m_nLastCheck;
}

bool AmountPasses(const CEntryFields& e, const CSearchCriteria& c) {
    if (e.m_bDebit != 0 ? !c.m_bDebits : !c.m_bCredits)
        return false;
    if (c.m_nAmountMode == SEARCH_SINGLE)
        return InRange(e.m_dAmount, c.m_dSingleAmount - 0.001, c.m_dSingleAmount + 0.001);
    return InRange(e.m_dAmount, c.m_dFirstAmount, c.m_dLastAmount);
}

bool DatePasses(const CEntryFields& e, const CSearchCriteria& c) {
    if (c.m_nDateMode == SEARCH_SINGLE)
        return e.m_date == c.m_singleDate;
    return c.m_firstDate <= e.m_date && e.m_date <= c.m_lastDate;
}

bool TypePasses(const CEntryFields& e, const CSearchCriteria& c) {
    return e.m_nType >= 0 && static_cast<std::size_t>(e.m_nType) < c.m_types.size() &&
           c.m_types[static_cast<std::size_t>(e.m_nType)];
}

} // namespace

void NormaliseSides(CSearchCriteria& c) {
    if (!c.m_bDebits && !c.m_bCredits)
        c.m_bDebits = c.m_bCredits = true;
}

bool MatchesSearch(const CEntryFields& e, const CSearchCriteria& c) {
    return (!c.m_bByCheck || CheckPasses(e, c)) && (!c.m_bByAmount || AmountPasses(e, c)) &&
           (!c.m_bByDesc || e.m_strDesc == c.m_strFindDesc) && (!c.m_bByDate || DatePasses(e, c)) &&
           (!c.m_bByType || TypePasses(e, c));
}

CSearchResults FindEntries(const std::vector<CEntry>& entries, const CSearchCriteria& c) {
    CSearchResults results;
    results.m_aResults.reserve(static_cast<std::size_t>(std::count_if(
        entries.begin(), entries.end(), [&c](const CEntry& e) { return MatchesSearch(e, c); })));
    for (const CEntry& e : entries)
        if (MatchesSearch(e, c))
            results.m_aResults.push_back(e);
    return results;
}

CSearchTotals SearchTotals(const std::vector<CEntry>& results) {
    CSearchTotals totals;
    for (const CEntry& e : results) {
        if (e.m_bDebit != 0)
            totals.m_dDebits += e.m_dAmount;
        else
            totals.m_dCredits += e.m_dAmount;
    }
    return totals;
}

const std::array<CSearchColumn, SCOL_COUNT> g_searchColumns = {{
    {"Num.", -1, 41},
    {"Date", 0, 47},
    {"Desc.", -1, 160},
    {"Type", 0, 38},
    {"Debit", 1, 53},
    {"Credit", 1, 53},
}};

std::array<int, SCOL_COUNT> SearchColumnWidths(int nClientWidth) {
    std::array<int, SCOL_COUNT> widths{};
    const double dUnit = nClientWidth * (1.0 / 392.0);
    for (std::size_t k = 0; k < widths.size(); ++k)
        widths[k] = static_cast<int>(dUnit * g_searchColumns[k].m_nWeight);
    return widths;
}

std::string SearchCellText(const CEntryFields& e, int nColumn, const CUserTypeTable& types) {
    switch (nColumn) {
    case SCOL_NUM:
        return e.m_nType == TYPE_CHECK ? Format("%u", unsigned(e.m_nCheckNum)) : std::string();
    case SCOL_DATE:
        return FormatDate(e.m_date, "%m/%d");
    case SCOL_DESC:
        return e.m_strDesc;
    case SCOL_TYPE:
        return TypeAbbreviation(e.m_nType, types);
    case SCOL_DEBIT:
        return e.m_bDebit != 0 ? Format("%.2f", e.m_dAmount) : std::string();
    case SCOL_CREDIT:
        return e.m_bDebit == 0 ? Format("%.2f", e.m_dAmount) : std::string();
    default:
        return "";
    }
}

std::string FoundText(int nCount) {
    return Format("Found %d entries.", nCount);
}

std::string SearchTotalText(double dTotal) {
    return Format("%.2f ", dTotal);
}
