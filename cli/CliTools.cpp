#include "CliTools.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/Cp1252.h"
#include "core/framework/DateTime.h"
#include "core/framework/FieldLimits.h"
#include "core/framework/Format.h"
#include "core/tools/Balance.h"
#include "core/tools/Statistics.h"
#include <charconv>
#include <set>
#include <tuple>

namespace {

const char* const NO_ENTRIES = "There are no entries.";
const char* const NUMBER_FORM = " (digits with an optional sign and decimal point; no thousands "
                                "separators or \"$\")";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A plain decimal number: optional sign, digits, optional point and decimals.
std::optional<double> ParsePlainNumber(const std::string& s) {
    const std::size_t nStart = !s.empty() && s[0] == '+' ? 1 : 0;
    const std::size_t nBody = !s.empty() && (s[0] == '+' || s[0] == '-') ? 1 : 0;
    std::size_t nDigits = 0, nPoints = 0;
    for (std::size_t i = nBody; i < s.size(); ++i) {
        if (IsDigit(s[i]))
            ++nDigits;
        else if (s[i] == '.')
            ++nPoints;
        else
            return std::nullopt;
    }
    if (nDigits == 0 || nPoints > 1)
        return std::nullopt;
    double d = 0.0;
    const char* pEnd = s.data() + s.size();
    auto [ptr, ec] = std::from_chars(s.data() + nStart, pEnd, d);
    if (ec != std::errc() || ptr != pEnd)
        return std::nullopt;
    return d;
}

// Digits only; numbers too long to hold come back as a value past every bound.
std::optional<long long> ParseWhole(const std::string& s) {
    if (s.empty() || s.size() > 30)
        return std::nullopt;
    long long n = 0;
    for (char c : s) {
        if (!IsDigit(c))
            return std::nullopt;
        n = n > 1'000'000'000'000LL ? n : n * 10 + (c - '0');
    }
    return n;
}

// "A" or "A<sep>B": the two ends, or the one value as the first.
std::pair<std::string, std::optional<std::string>> SplitRange(const std::string& s, char cSep) {
    const std::size_t n = s.find(cSep, 1);
    if (n == std::string::npos)
        return {s, std::nullopt};
    return {s.substr(0, n), s.substr(n + 1)};
}

std::optional<std::uint32_t> ParseCheck(const std::string& s) {
    std::optional<long long> n = ParseWhole(s);
    if (!n || *n < 0 || *n > MAX_SEARCH_CHECK_NUM)
        return std::nullopt;
    return static_cast<std::uint32_t>(*n);
}

std::optional<double> ParseAmount(const std::string& s) {
    std::optional<double> d = ParsePlainNumber(s);
    if (!d || !(*d >= MIN_AMOUNT && *d <= MAX_AMOUNT))
        return std::nullopt;
    return d;
}

bool ParseTypes(const std::string& strList, CSearchCriteria& c, std::string& strError) {
    static const char* const CODES[] = {"C", "A", "R", "T", "O", "U1", "U2", "U3", "U4"};
    c.m_types.fill(false);
    std::size_t nStart = 0;
    while (!strList.empty() && nStart <= strList.size()) {
        std::size_t nEnd = strList.find(',', nStart);
        if (nEnd == std::string::npos)
            nEnd = strList.size();
        const std::string strCode = strList.substr(nStart, nEnd - nStart);
        bool bFound = false;
        for (std::size_t k = 0; k < c.m_types.size(); ++k)
            if (strCode == CODES[k])
                bFound = c.m_types[k] = true;
        if (!bFound) {
            strError = "--type: unknown type \"" + strCode +
                       "\" (use C, A, R, T, O, U1, U2, U3 or U4, separated by commas)";
            return false;
        }
        nStart = nEnd + 1;
    }
    return true;
}

bool ParseCheckOption(const std::string& strValue, CSearchCriteria& c, std::string& strError) {
    auto [strFirst, strLast] = SplitRange(strValue, '-');
    std::optional<std::uint32_t> nFirst = ParseCheck(strFirst);
    std::optional<std::uint32_t> nLast = strLast ? ParseCheck(*strLast) : nFirst;
    if (!nFirst || !nLast) {
        strError = Format("--check: a check number is a whole number from 0 to %lld "
                          "(N or FIRST-LAST)",
                          MAX_SEARCH_CHECK_NUM);
        return false;
    }
    c.m_nCheckMode = strLast ? SEARCH_RANGE : SEARCH_SINGLE;
    (strLast ? c.m_nFirstCheck : c.m_nSingleCheck) = *nFirst;
    c.m_nLastCheck = strLast ? *nLast : 0;
    return true;
}

bool ParseAmountOption(const std::string& strValue, CSearchCriteria& c, std::string& strError) {
    auto [strFirst, strLast] = SplitRange(strValue, ':');
    std::optional<double> dFirst = ParseAmount(strFirst);
    std::optional<double> dLast = strLast ? ParseAmount(*strLast) : dFirst;
    if (!dFirst || !dLast) {
        strError = Format("--amount: an amount is a number from %.2f to %.2f (X or FIRST:LAST)",
                          MIN_AMOUNT, MAX_AMOUNT) +
                   NUMBER_FORM;
        return false;
    }
    c.m_nAmountMode = strLast ? SEARCH_RANGE : SEARCH_SINGLE;
    (strLast ? c.m_dFirstAmount : c.m_dSingleAmount) = *dFirst;
    c.m_dLastAmount = strLast ? *dLast : 0.0;
    return true;
}

bool ParseDateOption(const std::string& strValue, CSearchCriteria& c, std::string& strError) {
    auto [strFirst, strLast] = SplitRange(strValue, ':');
    std::optional<std::time_t> first = ParseCliDate(strFirst);
    std::optional<std::time_t> last = strLast ? ParseCliDate(*strLast) : first;
    if (!first || !last) {
        strError = "--date: a date is MM/DD/YYYY from 01/02/1970 to 02/06/2106 "
                   "(DATE or FIRST:LAST)";
        return false;
    }
    c.m_nDateMode = strLast ? SEARCH_RANGE : SEARCH_SINGLE;
    (strLast ? c.m_firstDate : c.m_singleDate) = *first;
    c.m_lastDate = strLast ? *last : 0;
    return true;
}

bool ParseDescOption(const std::string& strValue, CSearchCriteria& c, std::string& strError) {
    if (Utf8Length(strValue) > std::size_t(MAX_DESC_CHARS)) {
        strError = Format("--desc: a description has at most %d characters", MAX_DESC_CHARS);
        return false;
    }
    c.m_strFindDesc = strValue;
    return true;
}

bool ApplyOption(const CCliOption& o, CSearchCriteria& c, std::string& strError) {
    const std::string strValue = o.m_value.value_or("");
    if (o.m_strName == "--check") {
        c.m_bByCheck = true;
        return ParseCheckOption(strValue, c, strError);
    }
    if (o.m_strName == "--amount") {
        c.m_bByAmount = true;
        return ParseAmountOption(strValue, c, strError);
    }
    if (o.m_strName == "--desc") {
        c.m_bByDesc = true;
        return ParseDescOption(strValue, c, strError);
    }
    if (o.m_strName == "--date") {
        c.m_bByDate = true;
        return ParseDateOption(strValue, c, strError);
    }
    if (o.m_strName == "--type") {
        c.m_bByType = true;
        return ParseTypes(strValue, c, strError);
    }
    if (o.m_strName == "--debits") {
        c.m_bDebits = true;
        return true;
    }
    if (o.m_strName == "--credits") {
        c.m_bCredits = true;
        return true;
    }
    strError = "unknown option " + o.m_strName;
    return false;
}

} // namespace

std::optional<std::time_t> ParseCliDate(const std::string& s) {
    const std::size_t n1 = s.find('/');
    const std::size_t n2 = n1 == std::string::npos ? n1 : s.find('/', n1 + 1);
    if (n2 == std::string::npos)
        return std::nullopt;
    const std::string strMonth = s.substr(0, n1);
    const std::string strDay = s.substr(n1 + 1, n2 - n1 - 1);
    const std::string strYear = s.substr(n2 + 1);
    if (strMonth.size() > 2 || strDay.size() > 2 || strYear.size() != 4)
        return std::nullopt;
    std::optional<long long> nMonth = ParseWhole(strMonth), nDay = ParseWhole(strDay),
                             nYear = ParseWhole(strYear);
    if (!nMonth || !nDay || !nYear || *nMonth < 1 || *nMonth > 12 || *nDay < 1 ||
        *nDay > DaysInMonth(int(*nYear), int(*nMonth)))
        return std::nullopt;
    const auto ymd = std::make_tuple(*nYear, *nMonth, *nDay);
    if (ymd < std::make_tuple(1970LL, 1LL, 2LL) || ymd > std::make_tuple(2106LL, 2LL, 6LL))
        return std::nullopt;
    return MakeLocalDate(int(*nYear), int(*nMonth), int(*nDay));
}

bool SearchOptionTakesValue(const std::string& strName) {
    return strName == "--check" || strName == "--amount" || strName == "--desc" ||
           strName == "--date" || strName == "--type";
}

bool IsSearchOption(const std::string& strName) {
    return SearchOptionTakesValue(strName) || strName == "--debits" || strName == "--credits";
}

std::optional<double> ParseStatement(const std::string& strText, std::string& strError) {
    std::optional<double> d = ParsePlainNumber(strText);
    if (!d || !(*d >= MIN_STATEMENT && *d <= MAX_STATEMENT)) {
        strError = Format("the statement balance must be a number from %.2f to %.2f", MIN_STATEMENT,
                          MAX_STATEMENT) +
                   NUMBER_FORM;
        return std::nullopt;
    }
    return d;
}

std::optional<CSearchCriteria> ParseSearchCriteria(const std::vector<CCliOption>& options,
                                                   std::string& strError) {
    CSearchCriteria c;
    c.m_bDebits = c.m_bCredits = false;
    std::set<std::string> seen;
    for (const CCliOption& o : options) {
        if (!seen.insert(o.m_strName).second) {
            strError = o.m_strName + " given twice";
            return std::nullopt;
        }
        if (SearchOptionTakesValue(o.m_strName) != o.m_value.has_value()) {
            strError = o.m_strName + (o.m_value ? " takes no value" : " needs a value");
            return std::nullopt;
        }
        if (!ApplyOption(o, c, strError))
            return std::nullopt;
    }
    NormaliseSides(c);
    if (!c.AnyCriterion()) {
        strError = "search needs at least one of --check, --amount, --desc, --date, --type";
        return std::nullopt;
    }
    return c;
}

void PrintBalance(const CTallywiseDoc& doc, double dStatement, std::ostream& out) {
    if (doc.EntryCount() == 0) {
        out << NO_ENTRIES << "\n";
        return;
    }
    const CReconciliation r = Reconcile(dStatement, OutstandingFigures(doc.Entries()));
    for (const CBalanceField& field : BalanceFields(r))
        out << field.m_pszLabel << ' ' << field.m_strText << "\n";
    out << BalanceMessage(r.m_dDiff) << "\n";
}

void PrintSearch(const CTallywiseDoc& doc, const CSearchCriteria& criteria, std::ostream& out) {
    const CSearchResults results = FindEntries(doc.Entries(), criteria);
    const CUserTypeTable& types = doc.UserTypes();
    for (const CEntry& e : results.m_aResults) {
        for (int nColumn = 0; nColumn < SCOL_COUNT; ++nColumn)
            out << (nColumn ? "\t" : "") << SearchCellText(e, nColumn, types);
        out << "\n";
    }
    const CSearchTotals totals = SearchTotals(results.m_aResults);
    out << FoundText(results.Count()) << "\n"
        << "Totals:\t" << Format("%.2f", totals.m_dDebits) << "\t"
        << Format("%.2f", totals.m_dCredits) << "\n";
}

void PrintStatistics(const CTallywiseDoc& doc, std::ostream& out) {
    if (doc.EntryCount() == 0) {
        out << NO_ENTRIES << "\n";
        return;
    }
    const CStatisticsTexts t = StatisticsTexts(ComputeStatistics(doc.Entries()), doc.UserTypes());
    out << "Begin Date: " << t.m_strBeginDate << "\n"
        << "End Date: " << t.m_strEndDate << "\n"
        << "Begin Check: " << t.m_strBeginCheck << "\n"
        << "End Check: " << t.m_strEndCheck << "\n";
    for (std::size_t i = 0; i < t.m_rows.size(); ++i) {
        const bool bUserType = i >= SROW_USER1 && i < SROW_TOTALS;
        if (bUserType && !doc.UserTypes()[i - SROW_USER1].m_bEnabled)
            continue;
        const CStatisticsRow& row = t.m_rows[i];
        out << row.m_strLabel << '\t' << row.m_strEntries << '\t' << row.m_strDebit << '\t'
            << row.m_strCredit << "\n";
    }
}
