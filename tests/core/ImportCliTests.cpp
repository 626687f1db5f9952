#include "../support/Fakes.h"
#include "cli/CliCommands.h"
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
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

TEST(ImportCliTest, DryRunPrintsEveryTransactionAndChangesNothing) {
    CTestDoc t;
    const std::string reg = t.Path("r.twd");
    const CRun r = Cli({"import", reg, SAMPLES + "ofx/autosync-zero-amount.ofx", "--dry-run"});
    EXPECT_EQ(r.m_nStatus, 0) << r.m_strErr;
    EXPECT_EQ(r.m_strOut, "new\t10/27/2016\t\tAMAZON MKTPLACE PMTS AMZN.COM/BI\t123.45\n"
                          "skipped\t10/27/2016\t\tXXXEXTRASTUFFXXX\t0.00\tzero amount\n"
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

TEST(ImportCliTest, StatusTwoWhenTheFileCannotTell) {
    CTestDoc t;
    const std::string reg = t.Path("r.twd");
    CRun r = Cli({"import", reg, SAMPLES + "qif/quiffen-split-to-account.qif"});
    EXPECT_EQ(r.m_nStatus, 2);
    EXPECT_NE(r.m_strErr.find("--date-order"), std::string::npos);
    r = Cli({"import", reg, SAMPLES + "qif/quiffen-split-to-account.qif", "--date-order", "mdy",
             "--dry-run"});
    EXPECT_EQ(r.m_nStatus, 0);
    EXPECT_EQ(r.m_strOut, "new\t01/01/2000\t\tA Payee\t-10.00\n1 new, 0 duplicates, 0 skipped\n");

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

} // namespace
