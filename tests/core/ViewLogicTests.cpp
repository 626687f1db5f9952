#include "core/document/CEntry.h"
#include "core/document/EntryTypes.h"
#include "core/document/RegisterCells.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include "core/tools/AutoEntries.h"
#include <gtest/gtest.h>

TEST(RegisterCellsTest, CellTexts) {
    CUserTypeTable types;
    types[1] = {"Transfer", "X", 0, 0}; // disabled since, still shown
    struct Case {
        int nType, nCheck;
        double dAmount;
        std::uint32_t bDebit, bCleared;
        double dBalance;
        std::vector<std::string> cells;
    };
    const Case cases[] = {
        {0, 1001, 500, 1, 1, 1234.5, {"1001", "05/03", "d", "C", "500.00", "", "1234.50", "Y"}},
        {0, 0, 5, 0, 0, 0.0, {"0", "05/03", "d", "C", "", "5.00", "0.00", ""}},
        {1, 77, 12.5, 1, 0, -12.5, {"", "05/03", "d", "A", "12.50", "", "(-12.50)", ""}},
        {6, 0, 1, 2, 2, 1, {"", "05/03", "d", "X", "", "1.00", "1.00", ""}},
        {8, 0, 1, 1, 0, 1, {"", "05/03", "d", "", "1.00", "", "1.00", ""}},
    };
    for (const Case& c : cases) {
        CEntryFields e;
        e.m_nType = static_cast<std::int8_t>(c.nType);
        e.m_nCheckNum = static_cast<std::uint16_t>(c.nCheck);
        e.m_date = MakeLocalDate(2000, 5, 3);
        e.m_strDesc = "d";
        e.m_dAmount = c.dAmount;
        e.m_bDebit = c.bDebit;
        e.m_bCleared = c.bCleared;
        e.m_dBalance = c.dBalance;
        std::vector<std::string> cells;
        for (int k = 0; k < COL_COUNT; ++k)
            cells.push_back(CellText(e, k, types));
        EXPECT_EQ(cells, c.cells) << c.nType;
    }
}

// Regression: 0.30 - 0.10 - 0.20 is -2.8e-17, which showed as "(-0.00)" in the list and
// "$-0.00" in the status pane.
TEST(RegisterCellsTest, SignFollowsTheValueRoundedToCents) {
    struct Case {
        double dValue;
        const char* pszMoney;
        const char* pszBalance;
    };
    const Case cases[] = {
        {0.30 - 0.10 - 0.20, "0.00", "0.00"},
        {-0.0, "0.00", "0.00"},
        {-0.004, "0.00", "0.00"},
        {-0.006, "-0.01", "(-0.01)"},
        {-12.5, "-12.50", "(-12.50)"},
        {0.004, "0.00", "0.00"},
        {892968.93, "892968.93", "892968.93"},
        {-892968.93, "-892968.93", "(-892968.93)"},
        {-100.0, "-100.00", "(-100.00)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MoneyText(c.dValue), c.pszMoney) << c.dValue;
        EXPECT_EQ(BalanceText(c.dValue), c.pszBalance) << c.dValue;
    }
    EXPECT_LT(0.30 - 0.10 - 0.20, 0.0); // the case above is really below zero
}

TEST(RegisterCellsTest, ColumnWidths) {
    EXPECT_EQ(ColumnWidths(290), (std::array<int, COL_COUNT>{26, 30, 104, 20, 34, 34, 34, 8}));
    EXPECT_EQ(ColumnWidths(0), (std::array<int, COL_COUNT>{}));
    for (int w : {145, 300, 777, 1920}) {
        int nSum = 0;
        for (int x : ColumnWidths(w))
            nSum += x;
        EXPECT_LE(nSum, w);
        EXPECT_GT(nSum, w - COL_COUNT);
    }
}

// Editing a record of a switched-off type must neither show nor save another type.
TEST(EntryTypesTest, ARecordKeepsItsSwitchedOffType) {
    CUserTypeTable types;
    types[1] = {"Gift", "G", 0, 0};
    types[2] = {"Savings", "S", 1, 0};
    const struct {
        int nType;
        std::vector<std::string> userNames; // listed after the built-in types
    } cases[] = {{6, {"Gift", "Savings"}}, {7, {"Savings"}}, {0, {"Savings"}}, {3, {"Savings"}}};
    for (const auto& c : cases) {
        const CUserTypeTable listed = TypesListedFor(c.nType, types);
        std::vector<std::string> names = TypeListNames(listed);
        EXPECT_EQ(std::vector<std::string>(names.begin() + 5, names.end()), c.userNames);
        EXPECT_EQ(TypeFromComboIndex(TypeComboIndex(c.nType, listed), listed), c.nType);
        names = AutoTypeListNames(listed);
        EXPECT_EQ(std::vector<std::string>(names.begin() + 3, names.end()), c.userNames);
        if (c.nType >= TYPE_CHECKCARD) {
            EXPECT_EQ(AutoTypeFromListIndex(AutoTypeListIndex(c.nType, listed), listed), c.nType);
        }
    }
    // The table itself is left as it was.
    EXPECT_EQ(types[1].m_bEnabled, 0u);
}

TEST(EntryTypesTest, MappingSkipsDisabledSlots) {
    CUserTypeTable types;
    types[1] = {"Two", "2", 1, 1};
    types[3] = {"Four", "4", 1, 1};
    EXPECT_EQ(TypeListNames(types), (std::vector<std::string>{"Check", "ATM", "Check Card",
                                                              "Teller", "Other", "Two", "Four"}));
    const int codes[] = {0, 1, 2, 3, 4, 6, 8};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(TypeFromComboIndex(i, types), codes[i]) << i;
        EXPECT_EQ(TypeComboIndex(codes[i], types), i) << i;
    }
    CUserTypeTable all;
    for (CUserType& t : all)
        t.m_bEnabled = 1;
    for (int code = 0; code <= 8; ++code)
        EXPECT_EQ(TypeComboIndex(code, all), code);
}
