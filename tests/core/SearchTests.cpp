#include "../support/Fakes.h"
#include "core/tools/Search.h"
#include <gtest/gtest.h>

namespace {

struct CRow {
    int nDay;
    int nType;
    int nCheck;
    const char* pszDesc;
    double dAmount;
    bool bDebit;
};

const CRow ROWS[] = {
    {1, TYPE_CHECK, 101, "Rent", 500.0, true},
    {1, TYPE_ATM, 0, "Cash", 40.0, true},
    {2, TYPE_CHECK, 150, "Groceries", 75.25, true},
    {3, TYPE_TELLER, 0, "Paycheck", 1200.0, false},
    {3, TYPE_USER1 + 1, 0, "Refund", 9.999, false},
    {4, TYPE_OTHER, 0, "", 10.001, false},
    {5, TYPE_CHECK, 200, "rent", -5.0, true},
    {6, TYPE_CHECK, 201, "Rent deposit", 10.0, true},
    {7, TYPE_CHECKCARD, 0, "Books", 10.0, true},
};

void FillRegister(CTallywiseDoc& doc) {
    for (const CRow& r : ROWS)
        doc.InsertEntry(MakeEntry(MakeLocalDate(2000, 5, r.nDay), r.dAmount, r.bDebit, r.pszDesc,
                                  r.nType, r.nCheck));
}

std::vector<std::string> Found(const CTallywiseDoc& doc, const CSearchCriteria& c) {
    std::vector<std::string> descs;
    const CSearchResults results = FindEntries(doc.Entries(), c);
    for (const CEntry& e : results.m_aResults)
        descs.push_back(e.m_strDesc);
    EXPECT_EQ(results.Count(), descs.size());
    return descs;
}

CSearchCriteria Check(int nMode, std::uint32_t a, std::uint32_t b = 0) {
    CSearchCriteria c;
    c.m_bByCheck = true;
    c.m_nCheckMode = nMode;
    (nMode == SEARCH_SINGLE ? c.m_nSingleCheck : c.m_nFirstCheck) = a;
    c.m_nLastCheck = b;
    return c;
}

CSearchCriteria Amount(int nMode, double a, double b = 0, bool bDebits = true,
                       bool bCredits = true) {
    CSearchCriteria c;
    c.m_bByAmount = true;
    c.m_nAmountMode = nMode;
    (nMode == SEARCH_SINGLE ? c.m_dSingleAmount : c.m_dFirstAmount) = a;
    c.m_dLastAmount = b;
    c.m_bDebits = bDebits;
    c.m_bCredits = bCredits;
    NormaliseSides(c);
    return c;
}

CSearchCriteria Desc(const char* pszText) {
    CSearchCriteria c;
    c.m_bByDesc = true;
    c.m_strFindDesc = pszText;
    return c;
}

CSearchCriteria Date(int nMode, int nFirstDay, int nLastDay = 0) {
    CSearchCriteria c;
    c.m_bByDate = true;
    c.m_nDateMode = nMode;
    (nMode == SEARCH_SINGLE ? c.m_singleDate : c.m_firstDate) = MakeLocalDate(2000, 5, nFirstDay);
    c.m_lastDate = nLastDay ? MakeLocalDate(2000, 5, nLastDay) : 0;
    return c;
}

CSearchCriteria Types(std::initializer_list<int> codes) {
    CSearchCriteria c;
    c.m_bByType = true;
    for (int n : codes)
        c.m_types[static_cast<std::size_t>(n)] = true;
    return c;
}

CSearchCriteria Both(CSearchCriteria a, const CSearchCriteria& b) {
    a.m_bByType = b.m_bByType;
    a.m_types = b.m_types;
    return a;
}

} // namespace

TEST(SearchTest, EachCriterionAndTheirCombination) {
    using V = std::vector<std::string>;
    CSearchCriteria sidesIgnored = Types({TYPE_CHECK});
    sidesIgnored.m_bDebits = false;
    struct Case {
        const char* pszName;
        CSearchCriteria c;
        V found;
    };
    const Case cases[] = {
        {"single check", Check(SEARCH_SINGLE, 150), {"Groceries"}},
        {"check 0 finds every entry that is not a check",
         Check(SEARCH_SINGLE, 0),
         {"Cash", "Paycheck", "Refund", "", "Books"}},
        {"check above 16 bits", Check(SEARCH_SINGLE, 65536 + 150), {}},
        {"check range, both ends", Check(SEARCH_RANGE, 101, 200), {"Rent", "Groceries", "rent"}},
        {"check range reversed", Check(SEARCH_RANGE, 200, 101), {}},
        {"check range with type ATM", Both(Check(SEARCH_RANGE, 100, 200), Types({TYPE_ATM})), {}},
        {"check range from 0 with type ATM",
         Both(Check(SEARCH_RANGE, 0, 200), Types({TYPE_ATM})),
         {"Cash"}},
        {"single amount within 0.001",
         Amount(SEARCH_SINGLE, 10.0),
         {"Refund", "", "Rent deposit", "Books"}},
        {"debits only", Amount(SEARCH_SINGLE, 10.0, 0, true, false), {"Rent deposit", "Books"}},
        {"credits only", Amount(SEARCH_SINGLE, 10.0, 0, false, true), {"Refund", ""}},
        {"neither side means both",
         Amount(SEARCH_SINGLE, 10.0, 0, false, false),
         {"Refund", "", "Rent deposit", "Books"}},
        {"negative single amount", Amount(SEARCH_SINGLE, -5.0), {"rent"}},
        {"positive amount does not find the negative one", Amount(SEARCH_SINGLE, 5.0), {}},
        {"amount range", Amount(SEARCH_RANGE, 40.0, 500.0), {"Rent", "Cash", "Groceries"}},
        {"amount range reversed", Amount(SEARCH_RANGE, 500.0, 40.0), {}},
        {"description whole and same case", Desc("Rent"), {"Rent"}},
        {"description in another case", Desc("RENT"), {}},
        {"empty description", Desc(""), {""}},
        {"single date", Date(SEARCH_SINGLE, 3), {"Paycheck", "Refund"}},
        {"date range, both ends",
         Date(SEARCH_RANGE, 2, 4),
         {"Groceries", "Paycheck", "Refund", ""}},
        {"date range reversed", Date(SEARCH_RANGE, 4, 2), {}},
        {"checks", Types({TYPE_CHECK}), {"Rent", "Groceries", "rent", "Rent deposit"}},
        {"user type 2", Types({TYPE_USER1 + 1}), {"Refund"}},
        {"no type ticked", Types({}), {}},
        {"sides play no part without the amount criterion",
         sidesIgnored,
         {"Rent", "Groceries", "rent", "Rent deposit"}},
        {"nothing ticked passes everything",
         CSearchCriteria{},
         {"Rent", "Cash", "Groceries", "Paycheck", "Refund", "", "rent", "Rent deposit", "Books"}},
    };
    CTestDoc t;
    FillRegister(t.Doc());
    for (const Case& c : cases)
        EXPECT_EQ(Found(t.Doc(), c.c), c.found) << c.pszName;
}

TEST(SearchTest, ResultsAreCopiesWithTheirTotals) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    FillRegister(doc);
    CSearchResults results = FindEntries(doc.Entries(), Amount(SEARCH_SINGLE, 10.0));
    ASSERT_EQ(results.Count(), 4);
    EXPECT_NE(results.m_aResults.data(), doc.GetEntryAt(4));
    doc.OnNewDocument(); // the copies outlive the register
    EXPECT_EQ(results.m_aResults[0].m_strDesc, "Refund");
    const CSearchTotals totals = SearchTotals(results.m_aResults);
    EXPECT_DOUBLE_EQ(totals.m_dDebits, 20.0);
    EXPECT_DOUBLE_EQ(totals.m_dCredits, 9.999 + 10.001);
    EXPECT_EQ(SearchTotalText(totals.m_dDebits), "20.00 ");
    EXPECT_EQ(FoundText(results.Count()), "Found 4 entries.");
    CSearchResults moved = std::move(results);
    EXPECT_EQ(results.Count(), 0); // nothing left behind in the moved-from results
    ASSERT_EQ(moved.Count(), 4);
    EXPECT_EQ(moved.m_aResults[3].m_strDesc, "Books");
    EXPECT_EQ(FindEntries(doc.Entries(), Desc("")).Count(), 0); // empty register
}

TEST(SearchTest, ResultCellsAndColumnWidths) {
    CUserTypeTable types;
    types[1] = {"Transfer", "X", 0, 0}; // disabled, still shown
    struct Case {
        int nType, nCheck;
        double dAmount;
        std::uint32_t bDebit;
        std::vector<std::string> cells;
    };
    const Case cases[] = {
        {TYPE_CHECK, 65535, 500, 1, {"65535", "05/03", "d", "C", "500.00", ""}},
        {TYPE_CHECK, 0, 5, 0, {"0", "05/03", "d", "C", "", "5.00"}},
        {TYPE_ATM, 77, -12.5, 1, {"", "05/03", "d", "A", "-12.50", ""}},
        {TYPE_USER1 + 1, 0, 1, 0, {"", "05/03", "d", "X", "", "1.00"}},
        {TYPE_USER1 + 3, 0, 1, 1, {"", "05/03", "d", "", "1.00", ""}},
    };
    for (const Case& c : cases) {
        CEntryFields e;
        e.m_nType = static_cast<std::int8_t>(c.nType);
        e.m_nCheckNum = static_cast<std::uint16_t>(c.nCheck);
        e.m_date = MakeLocalDate(2000, 5, 3);
        e.m_strDesc = "d";
        e.m_dAmount = c.dAmount;
        e.m_bDebit = c.bDebit;
        std::vector<std::string> cells;
        for (int k = 0; k < SCOL_COUNT; ++k)
            cells.push_back(SearchCellText(e, k, types));
        EXPECT_EQ(cells, c.cells) << c.nType;
    }
    // 1/392 falls just short in binary, so an exact multiple loses a pixel to the truncation.
    EXPECT_EQ(SearchColumnWidths(392), (std::array<int, SCOL_COUNT>{40, 46, 159, 37, 52, 52}));
    EXPECT_EQ(SearchColumnWidths(500), (std::array<int, SCOL_COUNT>{52, 59, 204, 48, 67, 67}));
    EXPECT_EQ(SearchColumnWidths(0), (std::array<int, SCOL_COUNT>{}));
}
