#include "../support/Fakes.h"
#include "cli/CliCommands.h"
#include <gtest/gtest.h>
#include <sstream>

namespace {
struct CRun {
    int m_nStatus;
    std::string m_strOut, m_strErr;
};

CRun RunTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int n = RunCli(args, out, err);
    return {n, out.str(), err.str()};
}

// A register with two user types, the second disabled but used.
std::string SaveRegister(CTestDoc& t, bool bEmpty = false) {
    CTallywiseDoc& doc = t.Doc();
    doc.SetStartingBalance(1000.0);
    t.m_settings.m_userTypes[0] = {"Transfer", "X", 1, 0};
    t.m_settings.m_userTypes[1] = {"Gift", "G", 0, 0};
    const auto add = [&doc](int nDay, int nType, int nCheck, const char* pszDesc, double d,
                            bool bDebit, bool bCleared) {
        CEntry e = MakeEntry(MakeLocalDate(2004, 3, nDay), d, bDebit, pszDesc, nType, nCheck);
        e.m_bCleared = bCleared ? 1 : 0;
        doc.InsertEntry(std::move(e));
    };
    if (!bEmpty) {
        add(1, TYPE_CHECK, 101, "Rent", 500.0, true, true);
        add(2, TYPE_ATM, 0, "Cash", 40.0, true, false);
        add(3, TYPE_CHECK, 102, "Phone", 65.5, true, false);
        add(5, TYPE_TELLER, 0, "Paycheck", 1200.0, false, false);
        add(8, TYPE_USER1, 0, "Savings", 100.0, true, true);
        add(9, TYPE_USER1 + 1, 0, "Birthday", 50.0, false, true);
        add(9, TYPE_OTHER, 0, "Fee", -2.5, true, true);
    }
    std::string path = t.Path("March.twd");
    EXPECT_TRUE(doc.SaveDocumentFile(path));
    return path;
}
} // namespace

TEST(CliToolsTest, BalancePrintsTheSixFiguresAndTheMessage) {
    CTestDoc t;
    const std::string path = SaveRegister(t);
    // Ending balance 1000 - 500 - 40 - 65.5 + 1200 - 100 + 50 + 2.5 = 1547.00;
    // outstanding debits 105.50, credits 1200.00.
    const struct {
        const char* pszStatement;
        std::string strTail;
    } cases[] = {
        {"452.50", "Difference:         0.00\nYour check book balances.\n"},
        {"1234.56", "Difference:       782.06\nYour check book is under $782.06.\n"},
        {"-12.34", "Difference:      -464.84\nYour check book is over $464.84.\n"},
    };
    for (const auto& c : cases) {
        CRun r = RunTool({"balance", path, c.pszStatement});
        EXPECT_EQ(r.m_nStatus, 0) << c.pszStatement;
        EXPECT_EQ(r.m_strErr, "");
        EXPECT_EQ(r.m_strOut.substr(r.m_strOut.find("Difference:")), c.strTail);
    }
    EXPECT_EQ(RunTool({"balance", path, "1234.56"}).m_strOut,
              "Ending statement balance:    1234.56\n"
              "Outstanding debits:     105.50\n"
              "Outstanding credits:    1200.00\n"
              "Balance after reconciling:      2329.06\n"
              "Ending checkbook balance:    1547.00\n"
              "Difference:       782.06\n"
              "Your check book is under $782.06.\n");
}

TEST(CliToolsTest, SearchPrintsTheResultsWindow) {
    CTestDoc t;
    const std::string path = SaveRegister(t);
    const struct {
        std::vector<std::string> criteria;
        std::string strOut;
    } cases[] = {
        {{"--check", "100-200", "--type", "C"},
         "101\t03/01\tRent\tC\t500.00\t\n102\t03/03\tPhone\tC\t65.50\t\n"
         "Found 2 entries.\nTotals:\t565.50\t0.00\n"},
        {{"--amount=-2.5"}, "\t03/09\tFee\tO\t-2.50\t\nFound 1 entries.\nTotals:\t-2.50\t0.00\n"},
        {{"--amount", "40:1200", "--credits"},
         "\t03/05\tPaycheck\tT\t\t1200.00\n\t03/09\tBirthday\tG\t\t50.00\n"
         "Found 2 entries.\nTotals:\t0.00\t1250.00\n"},
        {{"--desc", "rent"}, "Found 0 entries.\nTotals:\t0.00\t0.00\n"},
        {{"--desc="}, "Found 0 entries.\nTotals:\t0.00\t0.00\n"},
        {{"--date", "03/03/2004:03/05/2004", "--debits"},
         "102\t03/03\tPhone\tC\t65.50\t\n\t03/05\tPaycheck\tT\t\t1200.00\n"
         "Found 2 entries.\nTotals:\t65.50\t1200.00\n"},
        {{"--type", "U2"},
         "\t03/09\tBirthday\tG\t\t50.00\nFound 1 entries.\nTotals:\t0.00\t50.00\n"},
        {{"--type", ""}, "Found 0 entries.\nTotals:\t0.00\t0.00\n"},
        {{"--check=0", "--type=A,U1"},
         "\t03/02\tCash\tA\t40.00\t\n\t03/08\tSavings\tX\t100.00\t\n"
         "Found 2 entries.\nTotals:\t140.00\t0.00\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"search", path};
        args.insert(args.end(), c.criteria.begin(), c.criteria.end());
        CRun r = RunTool(args);
        EXPECT_EQ(r.m_nStatus, 0) << c.criteria[0];
        EXPECT_EQ(r.m_strErr, "") << c.criteria[0];
        EXPECT_EQ(r.m_strOut, c.strOut) << c.criteria[0];
    }
}

TEST(CliToolsTest, StatsShowsEnabledUserTypesOnly) {
    CTestDoc t;
    const std::string path = SaveRegister(t);
    CRun r = RunTool({"stats", path});
    EXPECT_EQ(r.m_nStatus, 0);
    EXPECT_EQ(r.m_strOut, "Begin Date: 03/01/2004\n"
                          "End Date: 03/09/2004\n"
                          "Begin Check: 101\n"
                          "End Check: 102\n"
                          "Check\t2\t565.50\t0.00\n"
                          "ATM\t1\t40.00\t0.00\n"
                          "Check Card\t0\t0.00\t0.00\n"
                          "Teller\t1\t0.00\t1200.00\n"
                          "Other\t1\t-2.50\t0.00\n"
                          "Transfer\t1\t100.00\t0.00\n"
                          "Totals\t7\t703.00\t1250.00\n");
}

TEST(CliToolsTest, EmptyRegisterAndBadArguments) {
    CTestDoc t;
    const std::string path = SaveRegister(t, true);
    EXPECT_EQ(RunTool({"balance", path, "5"}).m_strOut, "There are no entries.\n");
    EXPECT_EQ(RunTool({"stats", path}).m_strOut, "There are no entries.\n");
    EXPECT_EQ(RunTool({"search", path, "--desc", "x"}).m_strOut,
              "Found 0 entries.\nTotals:\t0.00\t0.00\n");
    const std::string strNumber = " (digits with an optional sign and decimal point; no "
                                  "thousands separators or \"$\")\n";
    const struct {
        std::vector<std::string> args;
        std::string strErr;
    } cases[] = {
        {{"balance", path, "1,234.56"},
         "the statement balance must be a number from -9999999.99 to 9999999.99" + strNumber},
        {{"balance", path, "$12"},
         "the statement balance must be a number from -9999999.99 to 9999999.99" + strNumber},
        {{"balance", path, "10000000"},
         "the statement balance must be a number from -9999999.99 to 9999999.99" + strNumber},
        {{"search", path},
         "search needs at least one of --check, --amount, --desc, --date, --type\n"},
        {{"search", path, "--debits"},
         "search needs at least one of --check, --amount, --desc, --date, --type\n"},
        {{"search", path, "--check", "1000000"},
         "--check: a check number is a whole number from 0 to 999999 (N or FIRST-LAST)\n"},
        {{"search", path, "--check", "-5"},
         "--check: a check number is a whole number from 0 to 999999 (N or FIRST-LAST)\n"},
        {{"search", path, "--amount", "100000"},
         "--amount: an amount is a number from -99999.99 to 99999.99 (X or FIRST:LAST)" +
             strNumber},
        {{"search", path, "--amount", "1:x"},
         "--amount: an amount is a number from -99999.99 to 99999.99 (X or FIRST:LAST)" +
             strNumber},
        {{"search", path, "--date", "02/30/2004"},
         "--date: a date is MM/DD/YYYY from 01/02/1970 to 02/06/2106 (DATE or FIRST:LAST)\n"},
        {{"search", path, "--date", "01/01/1970"},
         "--date: a date is MM/DD/YYYY from 01/02/1970 to 02/06/2106 (DATE or FIRST:LAST)\n"},
        {{"search", path, "--type", "C,Z"},
         "--type: unknown type \"Z\" (use C, A, R, T, O, U1, U2, U3 or U4, separated by "
         "commas)\n"},
        {{"search", path, "--desc", std::string(256, 'a')},
         "--desc: a description has at most 255 characters\n"},
        {{"search", path, "--desc", "a", "--desc", "b"}, "--desc given twice\n"},
        {{"search", path, "--credits=1", "--desc", "b"}, "--credits takes no value\n"},
        {{"search", path, "--desc"}, "--desc needs a value\n"},
    };
    for (const auto& c : cases) {
        CRun r = RunTool(c.args);
        EXPECT_EQ(r.m_nStatus, 2) << c.args.back();
        EXPECT_EQ(r.m_strErr, "tallywise-cli: " + c.strErr) << c.args.back();
        EXPECT_EQ(r.m_strOut, "");
    }
    EXPECT_EQ(RunTool({"search", path, "--desc", std::string(255, 'a')}).m_nStatus, 0);
    EXPECT_EQ(RunTool({"info", path, "--desc", "x"}).m_nStatus, 2);
    EXPECT_EQ(RunTool({"balance", path}).m_nStatus, 2);
    CRun missing = RunTool({"stats", t.Path("none.twd")});
    EXPECT_EQ(missing.m_nStatus, 1);
    EXPECT_EQ(missing.m_strErr, "tallywise-cli: " + t.Path("none.twd") +
                                    ": the file could not be read: No such file or directory\n");
}

// The forecast runs on the real clock: its definition falls due ten days from today.
TEST(CliToolsTest, BalancesAndForecast) {
    CTestDoc t;
    const std::string path = SaveRegister(t);
    const std::time_t due = ToLocalMidnight(std::time(nullptr) + 10 * 86400);
    const std::string strDue = FormatDate(due, "%m/%d/%Y");
    CAutoEntry rent;
    rent.m_strDesc = "Rent";
    rent.m_dAmount = 2000.0;
    rent.m_nDay = static_cast<std::int8_t>(SplitLocalDate(due).m_nDay);
    rent.m_nextDate = due;
    t.Doc().SetAutoEntries({rent});
    const std::string strRent = t.Path("Rent.twd");
    ASSERT_TRUE(t.Doc().SaveDocumentFile(strRent));
    const struct {
        std::vector<std::string> args;
        int nStatus;
        std::string strOut;
    } cases[] = {
        {{"balances", path, "--by", "week", "--from", "03/01/2004", "--to", "03/09/2004"},
         0,
         "03/06/2004\t1594.50\n03/09/2004\t1547.00\n"},
        {{"balances", path, "--cleared", "--by", "month", "--from", "02/15/2004", "--to",
          "03/09/2004"},
         0,
         "02/29/2004\t1000.00\n03/09/2004\t452.50\n"},
        {{"forecast", path}, 0, "Lowest: 1547.00 on " + FormatDate(std::time(nullptr), "%m/%d/%Y")},
        {{"forecast", strRent, "--months", "1"},
         4,
         strDue + "\tRent\t-2000.00\t-453.00\nLowest: -453.00 on " + strDue + "\nBelow zero from " +
             strDue + "\n"},
    };
    for (const auto& c : cases) {
        const CRun r = RunTool(c.args);
        EXPECT_EQ(r.m_nStatus, c.nStatus) << c.args[0] << " " << c.args.back() << r.m_strErr;
        EXPECT_EQ(r.m_strOut.substr(0, c.strOut.size()), c.strOut) << c.args.back();
    }
}

TEST(CliToolsTest, BalancesAndForecastRefuse) {
    CTestDoc t;
    const std::string path = SaveRegister(t);
    const struct {
        std::vector<std::string> args;
        int nStatus;
    } cases[] = {
        {{"balances", path, "--by", "year"}, 2},
        {{"balances", path, "--from", "02/30/2004"}, 2},
        {{"balances", path, "--from", "03/02/2004", "--to", "03/01/2004"}, 2},
        {{"balances", path, "--months", "3"}, 2},
        {{"forecast", path, "--months", "25"}, 2},
        {{"forecast", path, "--months", "0"}, 2},
        {{"forecast", t.Path("missing.twd")}, 1},
    };
    for (const auto& c : cases) {
        const CRun r = RunTool(c.args);
        EXPECT_EQ(r.m_nStatus, c.nStatus) << c.args[0] << " " << c.args.back();
        EXPECT_EQ(r.m_strOut, "") << c.args.back();
    }
}
