#include "../support/Fakes.h"
#include "core/tools/Statistics.h"
#include <gtest/gtest.h>

namespace {
using Row = std::vector<std::string>;

std::vector<Row> Rows(const CStatisticsTexts& t) {
    std::vector<Row> rows;
    for (const CStatisticsRow& r : t.m_rows)
        rows.push_back({r.m_strLabel, r.m_strEntries, r.m_strDebit, r.m_strCredit});
    return rows;
}
} // namespace

TEST(StatisticsTest, FiguresPerTypeWithDisabledTypesInTheTotals) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    const auto add = [&doc](int nMonth, int nDay, int nType, int nCheck, double d, bool bDebit) {
        doc.InsertEntry(MakeEntry(MakeLocalDate(2003, nMonth, nDay), d, bDebit, "", nType, nCheck));
    };
    add(12, 31, TYPE_CHECK, 1005, 100.0, true);
    add(1, 2, TYPE_CHECK, 998, 25.5, true);
    add(3, 4, TYPE_CHECK, 1001, 10.0, false);
    add(2, 1, TYPE_ATM, 0, 40.0, true);
    add(2, 1, TYPE_TELLER, 0, 1200.0, false);
    add(2, 2, TYPE_OTHER, 0, -3.0, true);
    add(2, 3, TYPE_USER1, 0, 7.0, true);       // enabled
    add(2, 3, TYPE_USER1 + 2, 0, 50.0, false); // disabled but used
    add(2, 4, 42, 0, 999.0, true);             // counts nowhere
    CUserTypeTable types;
    types[0] = {"Transfer", "X", 1, 0};
    types[1] = {"Unused", "U", 1, 1};
    types[2] = {"Old", "D", 0, 0};
    const CStatistics s = ComputeStatistics(doc.Entries());
    const CStatisticsTexts texts = StatisticsTexts(s, types);
    EXPECT_EQ(texts.m_strBeginDate, "01/02/2003");
    EXPECT_EQ(texts.m_strEndDate, "12/31/2003");
    EXPECT_EQ(texts.m_strBeginCheck, "998");
    EXPECT_EQ(texts.m_strEndCheck, "1005");
    const std::vector<Row> expected = {
        {"Check", "3", "125.50", "10.00"},
        {"ATM", "1", "40.00", "0.00"},
        {"Check Card", "0", "0.00", "0.00"},
        {"Teller", "1", "0.00", "1200.00"},
        {"Other", "1", "-3.00", "0.00"},
        {"Transfer", "1", "7.00", "0.00"},
        {"Unused", "0", "0.00", "0.00"},
        {"", "", "", ""},
        {"", "", "", ""},
        {"Totals", "8", "169.50", "1260.00"},
    };
    EXPECT_EQ(Rows(texts), expected);
    EXPECT_TRUE(texts.m_rows[SROW_USER1 + 2].IsBlank());
}

TEST(StatisticsTest, CheckNumberEnds) {
    struct Case {
        const char* pszName;
        std::vector<std::pair<int, int>> entries; // type, check number
        const char* pszBegin;
        const char* pszEnd;
    };
    const Case cases[] = {
        {"no checks", {{TYPE_ATM, 0}, {TYPE_OTHER, 0}}, "0", "0"},
        {"numbers only from checks", {{TYPE_ATM, 5}, {TYPE_CHECK, 300}}, "300", "300"},
        {"a check numbered 0", {{TYPE_CHECK, 0}, {TYPE_CHECK, 12}}, "0", "12"},
        {"only 65535 in use", {{TYPE_CHECK, 65535}}, "0", "65535"},
    };
    for (const Case& c : cases) {
        CTestDoc t;
        for (const auto& [nType, nCheck] : c.entries)
            t.Doc().InsertEntry(MakeEntry(MakeLocalDate(2000, 5, 3), 1.0, true, "", nType, nCheck));
        const CStatisticsTexts texts =
            StatisticsTexts(ComputeStatistics(t.Doc().Entries()), CUserTypeTable{});
        EXPECT_EQ(texts.m_strBeginCheck, c.pszBegin) << c.pszName;
        EXPECT_EQ(texts.m_strEndCheck, c.pszEnd) << c.pszName;
        EXPECT_EQ(texts.m_strBeginDate, "05/03/2000") << c.pszName;
        EXPECT_EQ(texts.m_strEndDate, "05/03/2000") << c.pszName;
    }
}
