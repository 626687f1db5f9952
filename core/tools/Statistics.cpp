#include "Statistics.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"

CStatistics ComputeStatistics(const std::vector<CEntry>& entries) {
    CStatistics s;
    if (!entries.empty())
        s.m_beginDate = entries.front().m_date;
    for (const CEntry& entry : entries) {
        const CEntry* e = &entry;
        if (e->m_nType >= 0 && static_cast<std::size_t>(e->m_nType) < s.m_types.size()) {
            CTypeFigures& f = s.m_types[static_cast<std::size_t>(e->m_nType)];
            ++f.m_nCount;
            (e->m_bDebit != 0 ? f.m_dDebits : f.m_dCredits) += e->m_dAmount;
        }
        if (e->m_nType == TYPE_CHECK) {
            if (e->m_nCheckNum > s.m_nHighCheck)
                s.m_nHighCheck = e->m_nCheckNum;
            if (e->m_nCheckNum < s.m_nLowCheck)
                s.m_nLowCheck = e->m_nCheckNum;
        }
        s.m_endDate = e->m_date;
    }
    if (s.m_nLowCheck == 0xFFFF)
        s.m_nLowCheck = 0;
    // Disabled user types count here too.
    for (const CTypeFigures& f : s.m_types) {
        s.m_totals.m_nCount += f.m_nCount;
        s.m_totals.m_dDebits += f.m_dDebits;
        s.m_totals.m_dCredits += f.m_dCredits;
    }
    return s;
}

namespace {
CStatisticsRow FiguresRow(std::string strLabel, const CTypeFigures& f) {
    return {std::move(strLabel), Format("%d", static_cast<int>(f.m_nCount)),
            Format("%.2f", f.m_dDebits), Format("%.2f", f.m_dCredits)};
}
} // namespace

CStatisticsTexts StatisticsTexts(const CStatistics& s, const CUserTypeTable& types) {
    static const char* const BUILT_IN[] = {"Check", "ATM", "Check Card", "Teller", "Other"};
    CStatisticsTexts t;
    t.m_strBeginDate = FormatDate(s.m_beginDate, "%m/%d/%Y");
    t.m_strEndDate = FormatDate(s.m_endDate, "%m/%d/%Y");
    t.m_strBeginCheck = Format("%d", s.m_nLowCheck);
    t.m_strEndCheck = Format("%d", s.m_nHighCheck);
    for (std::size_t i = 0; i < 5; ++i)
        t.m_rows[i] = FiguresRow(BUILT_IN[i], s.m_types[i]);
    for (std::size_t k = 0; k < types.size(); ++k)
        if (types[k].m_bEnabled)
            t.m_rows[SROW_USER1 + k] = FiguresRow(types[k].m_strName, s.m_types[SROW_USER1 + k]);
    t.m_rows[SROW_TOTALS] = FiguresRow("Totals", s.m_totals);
    return t;
}
