#include "../support/Fakes.h"
#include "core/tools/Balance.h"
#include <gtest/gtest.h>

namespace {
struct CBalanceEntry {
    double dAmount;
    bool bDebit;
    bool bCleared;
};

// A register starting at dStart with the given entries, all on one day.
void Fill(CTallywiseDoc& doc, double dStart, const std::vector<CBalanceEntry>& entries) {
    doc.SetStartingBalance(dStart);
    for (const CBalanceEntry& b : entries) {
        CEntry e = MakeEntry(MakeLocalDate(2000, 5, 3), b.dAmount, b.bDebit);
        e.m_bCleared = b.bCleared ? 1 : 0;
        doc.InsertEntry(std::move(e));
    }
}
} // namespace

TEST(BalanceTest, ReconcilesAgainstTheStatement) {
    struct Case {
        const char* pszName;
        double dStart;
        std::vector<CBalanceEntry> entries;
        double dStatement;
        std::vector<std::string> fields; // the six texts
        std::string strMessage;
    };
    const Case cases[] = {
        {"all cleared: difference is statement minus register",
         100.0,
         {{30.0, true, true}, {50.0, false, true}},
         125.0,
         {"    125.00", "      0.00", "      0.00", "      125.00", "    120.00", "        5.00"},
         "Your check book is under $5.00."},
        {"an uncleared debit balances a statement that much higher",
         500.0,
         {{100.0, true, false}, {20.0, true, true}},
         480.0,
         {"    480.00", "    100.00", "      0.00", "      380.00", "    380.00", "        0.00"},
         "Your check book balances."},
        {"register higher than reconciled by 12.34",
         100.0,
         {{10.0, false, false}},
         87.66,
         {"     87.66", "      0.00", "     10.00", "       97.66", "    110.00", "      -12.34"},
         "Your check book is over $12.34."},
        {"within 0.001 counts as balanced",
         0.0,
         {{10.0, false, true}},
         10.0009,
         {"     10.00", "      0.00", "      0.00", "       10.00", "     10.00", "        0.00"},
         "Your check book balances."},
        {"a negative stored amount is summed with its sign",
         0.0,
         {{-5.0, true, false}, {-2.5, false, false}},
         0.0,
         {"      0.00", "     -5.00", "     -2.50", "        2.50", "      2.50", "        0.00"},
         "Your check book balances."},
        {"negative statement, wide figures",
         -9999.0,
         {{99999.99, true, true}},
         -9999999.99,
         {"-9999999.99", "      0.00", "      0.00", " -9999999.99", "-109998.99", " -9890001.00"},
         "Your check book is over $9890001.00."},
    };
    for (const Case& c : cases) {
        CTestDoc t;
        Fill(t.Doc(), c.dStart, c.entries);
        const CReconciliation r = Reconcile(c.dStatement, OutstandingFigures(t.Doc().Entries()));
        std::vector<std::string> texts;
        for (const CBalanceField& f : BalanceFields(r))
            texts.push_back(f.m_strText);
        EXPECT_EQ(texts, c.fields) << c.pszName;
        EXPECT_EQ(BalanceMessage(r.m_dDiff), c.strMessage) << c.pszName;
    }
}

TEST(BalanceTest, DifferenceRuleAndLabels) {
    // Decided on the difference in cents: "$0.00" is never a difference.
    const struct {
        double dStatement;
        double dDiff;
        const char* pszMessage;
    } cases[] = {
        {0.0009, 0.0, "Your check book balances."},
        {-0.0009, 0.0, "Your check book balances."},
        {0.002, 0.0, "Your check book balances."},
        {-0.001, 0.0, "Your check book balances."},
        {0.006, 0.01, "Your check book is under $0.01."},
        {-0.006, -0.01, "Your check book is over $0.01."},
        {-0.5, -0.5, "Your check book is over $0.50."},
    };
    for (const auto& c : cases) {
        const double dDiff = Reconcile(c.dStatement, {0, 0, 0}).m_dDiff;
        EXPECT_EQ(dDiff, c.dDiff) << c.dStatement;
        EXPECT_EQ(BalanceMessage(dDiff), c.pszMessage) << c.dStatement;
        EXPECT_EQ(BalanceMessage(c.dStatement), c.pszMessage) << c.dStatement;
    }
    const std::array<CBalanceField, 6> fields = BalanceFields({});
    const char* const labels[] = {
        "Ending statement balance:",  "Outstanding debits:",       "Outstanding credits:",
        "Balance after reconciling:", "Ending checkbook balance:", "Difference:"};
    for (std::size_t i = 0; i < fields.size(); ++i)
        EXPECT_STREQ(fields[i].m_pszLabel, labels[i]);
}
