#include "../support/Fakes.h"
#include "cli/CliCommands.h"
#include "core/framework/CArchive.h"
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {
struct CRun {
    int m_nStatus;
    std::string m_strOut, m_strErr;
};

CRun RunCliArgs(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int n = RunCli(args, out, err);
    return {n, out.str(), err.str()};
}

std::string SaveExample(CTestDoc& t, const std::string& strName, const char* pszPassword) {
    CTallywiseDoc& doc = t.Doc();
    AddArchives(doc, 7);
    doc.SetStartingBalance(1734.56);
    doc.SetNextCheck(1003);
    if (pszPassword)
        doc.SetPassword(pszPassword);
    doc.InsertEntry(MakeEntry(MakeLocalDate(2000, 5, 3), 1747.06, true, "Rent", 0, 1002));
    doc.AddDescription("Rent");
    doc.InsertEntry(MakeEntry(MakeLocalDate(2000, 5, 4), 1.0, true, "Gone"));
    doc.RemoveEntry(1, true, true);
    std::string path = t.Path(strName);
    EXPECT_TRUE(doc.SaveDocumentFile(path));
    return path;
}
} // namespace

TEST(CliTest, Info) {
    CTestDoc t;
    std::string path = SaveExample(t, "May.twd", "pw");
    CRun r = RunCliArgs({"info", path, "--password", "pw"});
    EXPECT_EQ(r.m_nStatus, 0);
    EXPECT_EQ(r.m_strOut, "version: 3.5TW\n"
                          "entries: 1\n"
                          "descriptions: 1\n"
                          "deleted entries: 1\n"
                          "automatic entries: 0\n"
                          "starting balance: 1734.56\n"
                          "starting balance set: yes\n"
                          "current balance: -12.50\n"
                          "next check number: 1003\n"
                          "archives: 7\n"
                          "password protection: on\n");
    EXPECT_EQ(r.m_strErr, "");
}

TEST(CliTest, TextIsTheTextCopyOfASave) {
    CTestDoc t;
    std::string path = SaveExample(t, "May.twd", nullptr);
    t.m_settings.m_nTextBackup = 1;
    ASSERT_TRUE(t.Doc().OnSaveDocument(path));
    CRun r = RunCliArgs({"text", path});
    EXPECT_EQ(r.m_nStatus, 0);
    std::vector<std::uint8_t> txt = ReadBytes(t.Path("May.txt"));
    EXPECT_EQ(r.m_strOut, std::string(txt.begin(), txt.end()));
}

TEST(CliTest, ConvertGivesBackTheSameBytesAndImports20) {
    CTestDoc t;
    std::string path = SaveExample(t, "May.twd", "pw");
    std::string out = t.Path("copy.twd");
    EXPECT_EQ(RunCliArgs({"convert", path, out, "--password", "pw"}).m_nStatus, 0);
    EXPECT_EQ(ReadBytes(out), ReadBytes(path));
    EXPECT_FALSE(std::filesystem::exists(t.Path("copy.txt")));

    CArchive ar;
    ar.WriteString("2.0");
    for (int i = 0; i < 5; ++i)
        ar.WriteU32(0);
    WriteBytes(t.Path("old.twd"), ar.Bytes());
    EXPECT_EQ(RunCliArgs({"convert", t.Path("old.twd"), t.Path("new.twd")}).m_nStatus, 0);
    EXPECT_EQ(RunCliArgs({"info", t.Path("new.twd")}).m_strOut.substr(0, 15), "version: 3.5TW\n");
}

TEST(CliTest, FailuresAndUsage) {
    CTestDoc t;
    std::string path = SaveExample(t, "May.twd", "pw");
    WriteBytes(t.Path("bad.twd"), {3, 'x', 'y', 'z'});
    WriteBytes(t.Path("short.twd"), {5, '3', '.', '5', 'T', 'W', 0});
    struct Case {
        std::vector<std::string> args;
        int nStatus;
        std::string strErr;
    };
    const Case cases[] = {
        {{"info", path}, 1, path + ": the register is password protected (use --password)\n"},
        {{"info", path, "--password", "PW"}, 1, path + ": the password is not correct\n"},
        {{"info", t.Path("none.twd")},
         1,
         t.Path("none.twd") + ": the file could not be read: No such file or directory\n"},
        {{"text", t.Path("bad.twd")},
         1,
         t.Path("bad.twd") + ": the file is not a register of a known version\n"},
        {{"info", t.Path("short.twd")},
         1,
         t.Path("short.twd") + ": the file is damaged or incomplete\n"},
        {{"convert", path, t.Path("no/dir/x.twd"), "--password", "pw"}, 1, ""},
    };
    for (const Case& c : cases) {
        CRun r = RunCliArgs(c.args);
        EXPECT_EQ(r.m_nStatus, c.nStatus) << c.args[1];
        if (!c.strErr.empty()) {
            EXPECT_EQ(r.m_strErr, "tallywise-cli: " + c.strErr);
        } else {
            EXPECT_EQ(std::count(r.m_strErr.begin(), r.m_strErr.end(), '\n'), 1);
        }
        EXPECT_EQ(r.m_strOut, "");
    }
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"info"},
                                               {"convert", "a"},
                                               {"list", "a"},
                                               {"info", "a", "--password"},
                                               {"info", "a", "-x"}}) {
        CRun r = RunCliArgs(args);
        EXPECT_EQ(r.m_nStatus, 2);
        EXPECT_EQ(r.m_strErr, CLI_USAGE);
    }
    CRun help = RunCliArgs({"--help"});
    EXPECT_EQ(help.m_nStatus, 0);
    EXPECT_EQ(help.m_strOut, CLI_USAGE);
}

TEST(CliTest, VersionUnknownOptionsAndTheEndOfOptions) {
    const std::string strUsage = CLI_USAGE;
    const std::string strMissing = ": the file could not be read: No such file or directory\n";
    const struct {
        std::vector<std::string> args;
        int nStatus;
        std::string strOut, strErr;
    } cases[] = {
        {{"--version"}, 0, "tallywise-cli 3.5\n", ""},
        {{"info", "a.twd", "--version"}, 0, "tallywise-cli 3.5\n", ""},
        {{"info", "-x.twd"}, 2, "", strUsage},
        {{"-x", "info", "a.twd"}, 2, "", strUsage},
        {{"info", "--", "-x.twd"}, 1, "", "tallywise-cli: -x.twd" + strMissing},
        {{"info", "--", "--version"}, 1, "", "tallywise-cli: --version" + strMissing},
        {{"import", "a.twd", "-x.qif"}, 2, "", "tallywise-cli: unknown option -x.qif\n" + strUsage},
        {{"export", "--", "-x.twd", "b.csv"},
         1,
         "",
         "tallywise-cli: -x.twd: The file could not be read: No such file or directory.\n"},
    };
    for (const auto& c : cases) {
        CRun r = RunCliArgs(c.args);
        EXPECT_EQ(r.m_nStatus, c.nStatus) << c.args[1];
        EXPECT_EQ(r.m_strOut, c.strOut) << c.args[1];
        EXPECT_EQ(r.m_strErr, c.strErr) << c.args[1];
    }
}
