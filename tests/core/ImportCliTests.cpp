#include "../support/Fakes.h"
#include "cli/CliCommands.h"
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>

namespace {

const std::string SAMPLES = std::string(TW_TEST_DATA) + "/import-samples/";

struct CRun {
    int m_nStatus;
    std::string m_strOut, m_strErr;
};

CRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int n = RunCli(args, out, err);
    return {n, out.str(), err.str()};
}

std::string LoadAndDescribe(const std::string& path) {
    CTestDoc t;
    EXPECT_TRUE(t.Doc().OnOpenDocument(path).Ok());
    std::string s;
    for (const CEntry& e : t.Doc().Entries())
        s += FormatDate(e.m_date, "%m/%d/%Y") + " " + e.m_strDesc + (e.m_bCleared ? " C" : "") +
             "\n";
    return s;
}

// Points XDG_CONFIG_HOME at strDir while it lives, with the window's settings file holding
// pszIni (none when null).
class CUserSettingsFile {
public:
    CUserSettingsFile(const std::string& strDir, const char* pszIni) {
        if (const char* pszOld = std::getenv("XDG_CONFIG_HOME"))
            m_old = pszOld;
        ::setenv("XDG_CONFIG_HOME", strDir.c_str(), 1);
        if (pszIni) {
            std::filesystem::create_directories(strDir + "/Kestrane");
            std::ofstream(strDir + "/Kestrane/Tallywise v3.5.ini", std::ios::binary) << pszIni;
        }
    }
    ~CUserSettingsFile() {
        if (m_old)
            ::setenv("XDG_CONFIG_HOME", m_old->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }

private:
    std::optional<std::string> m_old;
};

std::vector<std::string> FilesIn(const std::string& strDir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(strDir))
        if (entry.is_regular_file())
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ImportCliTest, DryRunPrintsEveryTransactionAndChangesNothing) {
    CTestDoc t;
    const std::string reg = t.Path("r.twd");
    const CRun r = Cli({"import", reg, SAMPLES + "ofx/autosync-zero-amount.ofx", "--dry-run"});
    EXPECT_EQ(r.m_nStatus, 0) << r.m_strErr;
    EXPECT_EQ(r.m_strOut, "new\t10/27/2016\t\tAMAZON MKTPLACE PMTS AMZN.COM/BI\t123.45\n"
                          "skipped\t10/27/2016\t\tXXXEXTRASTUFFXXX\t0.00\tzero amount (line 53)\n"
                          "1 new, 0 duplicates, 1 skipped\n");
    EXPECT_FALSE(std::filesystem::exists(reg));
}

TEST(ImportCliTest, ImportSavesWithCompanionsAndTheSecondTimeAddsNothing) {
    CTestDoc t;
    const std::string reg = t.Path("r.twd");
    const std::string in = SAMPLES + "qif/gnucash-cbb-checkbook.qif";
    CRun r = Cli({"import", reg, in});
    EXPECT_EQ(r.m_nStatus, 0) << r.m_strErr;
    EXPECT_NE(r.m_strOut.find("new\t10/11/1997\t278\tBofA\t-98.05\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(t.Path("r.txt")));
    const std::string before = LoadAndDescribe(reg);
    r = Cli({"import", reg, in});
    EXPECT_EQ(r.m_nStatus, 0);
    EXPECT_NE(r.m_strOut.find("0 new, 9 duplicates, 0 skipped\n"), std::string::npos);
    EXPECT_NE(r.m_strOut.find("duplicate\t10/11/1997\t278\tBofA\t-98.05\tmatches the entry of "
                              "10/11/1997 \"BofA\"\n"),
              std::string::npos);
    EXPECT_EQ(LoadAndDescribe(reg), before);
}

// The import once wrote reg.txt whatever the user's settings said.
TEST(ImportCliTest, CompanionsFollowTheUsersSettingsFile) {
    const std::vector<std::uint8_t> oldText = {'o', 'l', 'd', '\n'};
    const struct {
        const char* m_pszName;
        const char* m_pszIni;
        bool m_bOldText; // a text copy lies beside the register before the import
        std::vector<std::string> m_files;
    } CASES[] = {
        {"no settings file", nullptr, false, {"reg.twd", "reg.txt"}},
        {"text copy off", "[Settings]\nTextBackup=0\n", false, {"reg.twd"}},
        {"text copy off, another section on",
         "[Other]\r\nTextBackup=1\r\n[Settings]\r\nTextBackup=0\r\n",
         true,
         {"reg.twd", "reg.txt"}},
        {"text copy and backup on",
         "[Settings]\nBackup=1\nTextBackup=1\n",
         false,
         {"reg.bak", "reg.twd", "reg.txt"}},
    };
    for (const auto& c : CASES) {
        SCOPED_TRACE(c.m_pszName);
        CTestDoc t;
        const std::string strFiles = t.Path("files");
        std::filesystem::create_directory(strFiles);
        const CUserSettingsFile settings(t.Path("config"), c.m_pszIni);
        if (c.m_bOldText)
            WriteBytes(strFiles + "/reg.txt", oldText);
        const CRun r =
            Cli({"import", strFiles + "/reg.twd", SAMPLES + "qif/gnucash-cbb-checkbook.qif"});
        EXPECT_EQ(r.m_nStatus, 0) << r.m_strErr;
        EXPECT_EQ(FilesIn(strFiles), c.m_files);
        if (c.m_bOldText) {
            EXPECT_EQ(ReadBytes(strFiles + "/reg.txt"), oldText);
        }
    }
}

TEST(ImportCliTest, StatusTwoWhenTheFileCannotTell) {
    CTestDoc t;
    const std::string reg = t.Path("r.twd");
    const std::string qif = t.Path("dates.qif");
    std::ofstream(qif, std::ios::binary) << "!Type:Bank\nD01/02/2000\nT-10.00\nPA Payee\n^\n";
    CRun r = Cli({"import", reg, qif});
    EXPECT_EQ(r.m_nStatus, 2);
    EXPECT_NE(r.m_strErr.find("--date-order"), std::string::npos);
    r = Cli({"import", reg, qif, "--date-order", "mdy", "--dry-run"});
    EXPECT_EQ(r.m_nStatus, 0);
    EXPECT_EQ(r.m_strOut, "new\t01/02/2000\t\tA Payee\t-10.00\n1 new, 0 duplicates, 0 skipped\n");

    r = Cli({"import", reg, SAMPLES + "csv/hledger-fr-cp1252.csv", "--dry-run"});
    EXPECT_EQ(r.m_nStatus, 2);
    EXPECT_NE(r.m_strErr.find("--map"), std::string::npos);
    r = Cli({"import", reg, SAMPLES + "csv/hledger-fr-cp1252.csv", "--dry-run", "--map",
             "date=1,desc=2,amount=3"});
    EXPECT_EQ(r.m_nStatus, 0) << r.m_strErr;
    EXPECT_NE(r.m_strOut.find("new\t03/22/2012\t\tD\xC3\x89P\xC3\x94T\t50.00\n"),
              std::string::npos);
}

TEST(ImportCliTest, FailuresAndUsage) {
    CTestDoc t;
    const std::string reg = t.Path("r.twd");
    CRun r = Cli({"import", reg, t.Path("missing.ofx")});
    EXPECT_EQ(r.m_nStatus, 1);
    EXPECT_EQ(std::count(r.m_strErr.begin(), r.m_strErr.end(), '\n'), 1);
    r = Cli({"import", reg, SAMPLES + "ofx/malformed/libofx-use-after-free.ofx"});
    EXPECT_EQ(r.m_nStatus, 1);
    EXPECT_NE(r.m_strErr.find("no <OFX> element"), std::string::npos);
    EXPECT_EQ(Cli({"import", reg}).m_nStatus, 2);
    EXPECT_EQ(Cli({"import", reg, "x.qif", "--date-order", "ydm"}).m_nStatus, 2);
    EXPECT_EQ(Cli({"import", reg, "x.csv", "--map", "date=x"}).m_nStatus, 2);
    EXPECT_EQ(Cli({"export", reg, t.Path("out.txt")}).m_nStatus, 2);
    EXPECT_EQ(Cli({"export", t.Path("none.twd"), t.Path("out.csv")}).m_nStatus, 1);
}

TEST(ImportCliTest, RefusedAtTheEntryLimitAlsoInADryRun) {
    CTestDoc t;
    for (int i = 0; i < 4999; ++i)
        t.Doc().InsertEntry(MakeEntry(MakeLocalDate(2019, 1, 1), 1.0, true));
    const std::string reg = t.Path("full.twd");
    ASSERT_TRUE(t.Doc().SaveDocumentFile(reg));
    const std::vector<std::uint8_t> before = ReadBytes(reg);
    for (bool bDry : {true, false}) {
        std::vector<std::string> args = {"import", reg, SAMPLES + "qfx/reds-ally-headerless.qfx"};
        if (bDry)
            args.push_back("--dry-run");
        const CRun r = Cli(args);
        EXPECT_EQ(r.m_nStatus, 1);
        EXPECT_NE(r.m_strErr.find("room for only 1 more"), std::string::npos) << r.m_strErr;
        EXPECT_EQ(ReadBytes(reg), before);
    }
}

TEST(ImportCliTest, ExportThenImportIntoAnEmptyRegister) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    doc.InsertEntry(MakeEntry(MakeLocalDate(2020, 3, 1), 12.5, true, "One", 0, 7));
    doc.InsertEntry(MakeEntry(MakeLocalDate(2020, 3, 2), 3, false, "Two"));
    doc.SetEntryCleared(0, 1);
    const std::string reg = t.Path("a.twd");
    ASSERT_TRUE(doc.SaveDocumentFile(reg));
    EXPECT_EQ(Cli({"export", reg, t.Path("a.qif")}).m_nStatus, 0);
    EXPECT_EQ(Cli({"export", reg, t.Path("a.csv")}).m_nStatus, 0);
    EXPECT_EQ(ReadBytes(t.Path("a.csv"))[0], 0xEF);
    const CRun r = Cli({"import", t.Path("b.twd"), t.Path("a.qif"), "--date-order", "mdy"});
    EXPECT_EQ(r.m_nStatus, 0) << r.m_strErr;
    EXPECT_EQ(LoadAndDescribe(t.Path("b.twd")), LoadAndDescribe(reg));
}

// What the command line needs told before it changes anything, and what it prints then.
struct CChoiceCase {
    const char* m_pszName;
    const char* m_pszFile; // written as bank.csv, bank.ofx or bank.qif by its extension
    std::string m_strText;
    std::vector<std::string> m_extra; // arguments after FILE IN
    int m_nStatus;
    std::string m_strErr; // part of the error output
    std::string m_strOut = {};
};

// An OFX statement of one account; its transactions are "YYYYMMDD:amount:name".
std::string Statement(const char* pszAggregate, const char* pszId, const char* pszCurrency,
                      const std::vector<std::string>& txns, const char* pszLedger = nullptr) {
    const bool bCard = std::string(pszAggregate) == "CCSTMTRS";
    std::string s = std::string("<") + pszAggregate + "><CURDEF>" + pszCurrency +
                    (bCard ? "<CCACCTFROM><ACCTID>" : "<BANKACCTFROM><BANKID>1<ACCTID>") + pszId +
                    (bCard ? "</CCACCTFROM>" : "</BANKACCTFROM>") + "<BANKTRANLIST>";
    for (const std::string& t : txns) {
        const std::size_t a = t.find(':'), b = t.find(':', a + 1);
        s += "<STMTTRN><TRNTYPE>OTHER<DTPOSTED>" + t.substr(0, a) + "<TRNAMT>" +
             t.substr(a + 1, b - a - 1) + "<NAME>" + t.substr(b + 1) + "</STMTTRN>";
    }
    s += "</BANKTRANLIST>";
    if (pszLedger)
        s += std::string("<LEDGERBAL><BALAMT>") + pszLedger + "<DTASOF>20240131</LEDGERBAL>";
    return s + "</" + pszAggregate + ">";
}

const std::string TWO_ACCOUNTS =
    "OFXHEADER:100\n<OFX><BANKMSGSRSV1>" +
    Statement("STMTRS", "111", "CAD", {"20240102:-1.00:a", "20240103:2.00:b"}) +
    Statement("STMTRS", "222", "USD", {"20240105:-3.00:c"}) +
    Statement("STMTRS", "111", "CAD", {"20240104:4.00:d"}) + "</BANKMSGSRSV1></OFX>";

const std::string BANK_RENT =
    "<OFX>" +
    Statement("STMTRS", "9", "USD", {"20240102:-10.00:RENT", "20240105:-5.00:FEE"}, "85.00") +
    "</OFX>";
const std::string BANK_RENT_90 =
    "<OFX>" +
    Statement("STMTRS", "9", "USD", {"20240102:-10.00:RENT", "20240105:-5.00:FEE"}, "90.00") +
    "</OFX>";
const std::string RECONCILED =
    "cleared\t01/02/2024\t\tRENT\t-10.00\nnew\t01/05/2024\t\tFEE\t-5.00\n"
    "1 cleared, 0 already cleared, 1 new, 0 outstanding\nledger balance "
    "85.00 on 01/31/2024, cleared balance ";

const std::vector<CChoiceCase> CHOICE_CASES = {
    {"reconciled", "bank.ofx", BANK_RENT, {"reconcile"}, 0, "", RECONCILED + "85.00: they agree\n"},
    {"reconciled with a difference",
     "bank.ofx",
     BANK_RENT_90,
     {"reconcile", "--account", "9"},
     3,
     "",
     "cleared\t01/02/2024\t\tRENT\t-10.00\nnew\t01/05/2024\t\tFEE\t-5.00\n1 cleared, 0 "
     "already cleared, 1 new, 0 outstanding\nledger balance 90.00 on 01/31/2024, cleared balance "
     "85.00: difference 5.00\n"},
    {"two accounts",
     "bank.ofx",
     TWO_ACCOUNTS,
     {},
     2,
     "the file holds 2 accounts; choose one with --account ID\n"
     "  111 (CAD): 3 transactions, 01/02/2024 to 01/04/2024\n"
     "  222 (USD): 1 transaction, 01/05/2024\n"},
    {"one account chosen",
     "bank.ofx",
     TWO_ACCOUNTS,
     {"--account", "222"},
     0,
     "",
     "new\t01/05/2024\t\tc\t-3.00\n1 new, 0 duplicates, 0 skipped\n"},
    {"an account the file lacks",
     "bank.ofx",
     TWO_ACCOUNTS,
     {"--account", "333"},
     2,
     "the file has no account \"333\"\n  111 (CAD)"},
    {"QIF accounts without a type line",
     "bank.qif",
     "!Account\nNChecking\nTBank\n^\nD01/22/2024\nT-1.00\nPa\n^\n"
     "!Account\nNCard\nTCCard\n^\nD01/23/2024\nT-2.00\nPb\n^\nD01/24/2024\nT-3.00\nPc\n^\n",
     {},
     2,
     "  Checking: 1 transaction, 01/22/2024\n  Card: 2 transactions, 01/23/2024 to 01/24/2024\n"},
    {"QIF account chosen",
     "bank.qif",
     "!Option:AutoSwitch\n!Account\nNChecking\nTBank\n^\nNCard\nTCCard\n^\n"
     "!Clear:AutoSwitch\n!Account\nNChecking\nTBank\n^\n!Type:Bank\nD01/02/2024\nT-1.00\nPa\n^\n"
     "!Account\nNCard\nTCCard\n^\n!Type:CCard\nD01/13/2024\nT-2.00\nPb\n^\n",
     {"--account", "Card"},
     0,
     "",
     "new\t01/13/2024\t\tb\t-2.00\n1 new,"},
    {"unmapped direction column",
     "bank.csv",
     "Date,Description,Amount,Af Bij\n1/13/2020,a,5,Af\n1/14/2020,b,6,Bij\n",
     {"--map", "date=1,desc=2,amount=3"},
     2,
     "column 4 (\"Af Bij\") gives their direction; give it with --map ...,sign=4"},
    {"mapped direction column",
     "bank.csv",
     "Date,Description,Amount,Af Bij\n1/13/2020,a,5,Af\n1/14/2020,b,6,Bij\n",
     {"--map", "date=1,desc=2,amount=3,sign=4"},
     0,
     "",
     "new\t01/13/2020\t\ta\t-5.00\nnew\t01/14/2020\t\tb\t6.00\n"},
};

TEST(ImportCliTest, BankFileChoices) {
    for (const CChoiceCase& c : CHOICE_CASES) {
        SCOPED_TRACE(c.m_pszName);
        CTestDoc t;
        t.Doc().SetStartingBalance(100);
        t.Doc().InsertEntry(MakeEntry(MakeLocalDate(2024, 1, 3), 10, true, "Rent"));
        ASSERT_TRUE(t.Doc().SaveDocumentFile(t.Path("r.twd")));
        const std::string bank = t.Path(c.m_pszFile);
        std::ofstream(bank, std::ios::binary) << c.m_strText;
        std::vector<std::string> args = {
            c.m_extra.empty() || c.m_extra[0] != "reconcile" ? "import" : "reconcile",
            t.Path("r.twd"), bank, "--dry-run"};
        for (const std::string& a : c.m_extra)
            if (a != "reconcile")
                args.push_back(a);
        const CRun r = Cli(args);
        EXPECT_EQ(r.m_nStatus, c.m_nStatus) << r.m_strErr;
        EXPECT_NE(r.m_strErr.find(c.m_strErr), std::string::npos) << r.m_strErr;
        EXPECT_EQ(r.m_strOut.substr(0, c.m_strOut.size()), c.m_strOut);
    }
}

} // namespace
