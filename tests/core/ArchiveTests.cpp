#include "../support/Fakes.h"
#include "core/tools/Archive.h"
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::time_t Jan(int nDay) {
    return MakeLocalDate(2000, 1, nDay);
}

// Entries of 01/05, 01/05, 01/20 and 02/03 over a starting balance of 100.00, saved.
struct CArchiveFixture {
    CTestDoc t;
    std::string m_strPath = t.Path("Home.twd");

    explicit CArchiveFixture(bool bAllCleared = true) {
        CTallywiseDoc& doc = t.Doc();
        doc.SetStartingBalance(100.0);
        doc.InsertEntry(MakeEntry(Jan(5), 10.0, true, "Caf\xC3\xA9", TYPE_USER1 + 1, 1001));
        doc.InsertEntry(MakeEntry(Jan(5), 25.5, false, "Refund", TYPE_ATM));
        doc.InsertEntry(MakeEntry(Jan(20), 7.25, true, "Fee", TYPE_OTHER));
        doc.InsertEntry(MakeEntry(MakeLocalDate(2000, 2, 3), 40.0, true, "Rent", TYPE_CHECK, 1002));
        for (std::uint16_t i = 0; i < doc.EntryCount(); ++i)
            doc.SetEntryCleared(i, bAllCleared ? 1 : 0);
        EXPECT_TRUE(doc.OnSaveDocument(m_strPath));
        doc.SetPathName(m_strPath);
        doc.RefreshTypeUsage();
        t.m_messages.m_shown.clear();
    }
    CArchiveRequest Request(std::time_t endDate, const std::string& strName = "Home01.twa") {
        return {t.Path(strName), Jan(5), endDate, false};
    }
    std::vector<double> Balances() {
        std::vector<double> v;
        for (const CEntry& e : t.Doc().Entries())
            v.push_back(e.m_dBalance);
        return v;
    }
    std::vector<std::string> Leftovers() {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(t.m_strDir))
            if (entry.path().filename().string().front() == '.')
                names.push_back(entry.path().filename().string());
        return names;
    }
};

std::string ReadText(const std::string& strPath) {
    std::vector<std::uint8_t> bytes = ReadBytes(strPath);
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

TEST(ArchiveTest, FileNames) {
    const struct {
        const char* pszDoc;
        std::uint32_t nNumber;
        const char* pszArchive;
    } cases[] = {
        {"/d/Home.twd", 1, "/d/Home01.twa"},
        {"/d/Home.twd", 10, "/d/Home10.twa"},
        {"/d/Home.twd", 100, "/d/Home100.twa"},
        {"/d/Home", 1, "/d/Home01.twa"},           // no extension to cut
        {"/d/v1.5/Home", 2, "/d/v1.5/Home02.twa"}, // a dot in the folder only
        {"/d/My.Reg.twd", 3, "/d/My.Reg03.twa"},
        {"/d/Home.TWD", 4, "/d/Home04.twa"},
        {"/d/Home.bk", 5, "/d/Home05.twa"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ArchiveFileName(c.pszDoc, c.nNumber), c.pszArchive) << c.pszDoc;
}

TEST(ArchiveTest, DefaultNameSkipsArchivesThatExist) {
    CTestDoc t;
    const std::string strDoc = t.Path("Home.twd");
    EXPECT_EQ(FreeArchiveFileName(strDoc, 0), t.Path("Home01.twa"));
    WriteBytes(t.Path("Home02.twa"), {'x'});
    WriteBytes(t.Path("Home03.twa"), {'x'});
    EXPECT_EQ(FreeArchiveFileName(strDoc, 0), t.Path("Home01.twa"));
    EXPECT_EQ(FreeArchiveFileName(strDoc, 1), t.Path("Home04.twa"));
    EXPECT_EQ(FreeArchiveFileName(strDoc, 3), t.Path("Home04.twa"));
}

TEST(ArchiveTest, RefusalsBeforeTheDialog) {
    const struct {
        const char* pszName;
        int nEntries;
        bool bSaved;
        bool bModified;
        const char* pszMessage; // nullptr: the dialog opens
    } cases[] = {
        {"empty and saved", 0, true, false, ARCHIVE_NO_ENTRIES},
        {"empty, never saved", 0, false, false, ARCHIVE_NO_ENTRIES},
        {"never saved", 2, false, false, ARCHIVE_SAVE_FIRST},
        {"unsaved changes", 2, true, true, ARCHIVE_SAVE_FIRST},
        {"saved", 2, true, false, nullptr},
    };
    for (const auto& c : cases) {
        CTestDoc t;
        CTallywiseDoc& doc = t.Doc();
        AddArchives(doc, 6);
        for (int i = 0; i < c.nEntries; ++i)
            doc.InsertEntry(MakeEntry(Jan(3 + 10 * i), 1.0, true));
        if (c.bSaved)
            doc.SetPathName(t.Path("Home.twd"));
        StartClean(t);
        if (c.bModified)
            doc.SetNextCheck(102);
        std::optional<CArchiveSetup> setup = PrepareArchive(doc);
        if (c.pszMessage) {
            EXPECT_FALSE(setup) << c.pszName;
            ASSERT_EQ(t.m_messages.m_shown.size(), 1u) << c.pszName;
            EXPECT_EQ(t.m_messages.m_shown[0].m_strText, c.pszMessage) << c.pszName;
            EXPECT_EQ(t.m_messages.m_shown[0].m_icon, EMsgIcon::Information) << c.pszName;
            continue;
        }
        ASSERT_TRUE(setup) << c.pszName;
        EXPECT_TRUE(t.m_messages.m_shown.empty());
        EXPECT_EQ(setup->m_startDate, Jan(3));
        EXPECT_EQ(setup->m_endDate, Jan(3));
        EXPECT_EQ(setup->m_latestDate, Jan(13));
        EXPECT_EQ(setup->m_strFileName, t.Path("Home07.twa"));
    }
}

TEST(ArchiveTest, CountsTheLeadingEntriesUpToTheEndDate) {
    CArchiveFixture f;
    const struct {
        std::time_t end;
        int nCount;
    } cases[] = {{Jan(4), 1},
                 {Jan(5), 2},
                 {Jan(19), 2},
                 {Jan(20), 3},
                 {MakeLocalDate(2000, 2, 3), 4},
                 {MakeLocalDate(2001, 1, 1), 4}};
    for (const auto& c : cases)
        EXPECT_EQ(CountEntriesToArchive(f.t.Doc().Entries(), c.end), c.nCount) << c.end;
    EXPECT_EQ(CountEntriesToArchive({}, Jan(5)), 0);
}

TEST(ArchiveTest, ArchivesTheFirstEntriesAndCarriesTheBalance) {
    CArchiveFixture f;
    CTallywiseDoc& doc = f.t.Doc();
    const std::vector<double> before = f.Balances();
    doc.SetBankInfo(CBankInfo{"First Bank", "", ""});
    StartClean(f.t);

    EXPECT_EQ(ArchiveEntries(doc, f.Request(Jan(5))), EArchiveResult::Archived);
    EXPECT_TRUE(f.t.m_messages.m_shown.empty());
    EXPECT_EQ(doc.EntryCount(), 2);
    EXPECT_EQ(EntryDescs(doc), (std::vector<std::string>{"Fee", "Rent"}));
    EXPECT_EQ(doc.StartBalance(), before[1]);
    EXPECT_EQ(f.Balances(), (std::vector<double>{before[2], before[3]}));
    EXPECT_EQ(doc.ArchiveCount(), 1u);
    EXPECT_TRUE(doc.DeletedEntries().empty()); // not kept for undo
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(f.t.m_status.m_nEntries, 2);
    EXPECT_DOUBLE_EQ(f.t.m_status.m_dBalance, before[3]);
    // The user type was used only by an archived entry.
    EXPECT_EQ(doc.UserTypes()[1].m_bNotInUse, 1u);

    const std::string strArchive = ReadText(f.t.Path("Home01.twa"));
    EXPECT_EQ(strArchive.substr(0, 66), "Archived on 05/03/00\r\nStart Date: 01/05/00\r\n"
                                        "End Date: 01/05/00\r\n\r\n");
    EXPECT_NE(strArchive.find("Bank Name: First Bank\r\n"), std::string::npos);
    EXPECT_NE(strArchive.find("Starting Balance: 100.00\r\n"), std::string::npos);
    EXPECT_NE(strArchive.find("1001   01/05/00   Caf\xE9 "), std::string::npos); // Windows-1252
    EXPECT_NE(strArchive.find("Refund"), std::string::npos);
    EXPECT_EQ(strArchive.find("Fee"), std::string::npos);
    EXPECT_TRUE(f.Leftovers().empty());

    // The register on disk is the archived one.
    CTestDoc u;
    ASSERT_TRUE(u.Doc().OnOpenDocument(f.m_strPath).Ok());
    EXPECT_EQ(u.Doc().EntryCount(), 2);
    EXPECT_EQ(u.Doc().StartBalance(), before[1]);
    EXPECT_EQ(u.Doc().ArchiveCount(), 1u);
}

TEST(ArchiveTest, ArchivingEveryEntryLeavesTheFinalBalance) {
    CArchiveFixture f;
    CTallywiseDoc& doc = f.t.Doc();
    const double dFinal = f.Balances().back();
    EXPECT_EQ(ArchiveEntries(doc, f.Request(MakeLocalDate(2000, 2, 3))), EArchiveResult::Archived);
    EXPECT_EQ(doc.EntryCount(), 0);
    EXPECT_EQ(doc.GetEntryAt(0), nullptr);
    EXPECT_EQ(doc.StartBalance(), dFinal);
    EXPECT_DOUBLE_EQ(f.t.m_status.m_dBalance, dFinal);
    EXPECT_EQ(f.t.m_status.m_nEntries, 0);
}

// Every way the archive can fail leaves the register exactly as it was.
TEST(ArchiveTest, FailuresBeforeTheFileIsWrittenChangeNothing) {
    const struct {
        const char* pszName;
        bool bAllCleared;
        std::string strFile; // relative to the test folder
        bool bExisting;
        bool bMayReplace;
        EArchiveResult result;
        const char* pszMessageStart;
    } cases[] = {
        {"an uncleared entry", false, "Home01.twa", false, false, EArchiveResult::NotCleared,
         ARCHIVE_NOT_CLEARED},
        {"no such folder", true, "missing/Home01.twa", false, false, EArchiveResult::WriteFailed,
         "The archive file "},
        {"a file as folder", true, "Home.twd/Home01.twa", false, false, EArchiveResult::WriteFailed,
         "The archive file "},
        {"an archive of that name", true, "Home01.twa", true, false, EArchiveResult::WriteFailed,
         "The archive file "},
        {"the register itself", true, "Home.twd", true, true, EArchiveResult::SaveTarget,
         "Saving the register writes "},
        {"its text copy", true, "sub/../Home.txt", false, true, EArchiveResult::SaveTarget,
         "Saving the register writes "},
        {"its backup copy", true, "Home.bak", false, true, EArchiveResult::SaveTarget,
         "Saving the register writes "},
    };
    for (const auto& c : cases) {
        CArchiveFixture f(c.bAllCleared);
        CTallywiseDoc& doc = f.t.Doc();
        fs::create_directory(f.t.Path("sub"));
        fs::remove(f.t.Path("Home.txt")); // the text copy of the fixture's save
        if (c.bExisting)
            WriteBytes(f.t.Path(c.strFile), {'o', 'l', 'd'});
        if (!c.bAllCleared) {
            doc.SetEntryCleared(2, 1); // only the second of the range is not
            StartClean(f.t);
        }
        const std::vector<double> before = f.Balances();
        CArchiveRequest request = f.Request(Jan(20), c.strFile);
        request.m_bMayReplace = c.bMayReplace;
        EXPECT_EQ(ArchiveEntries(doc, request), c.result) << c.pszName;
        ASSERT_EQ(f.t.m_messages.m_shown.size(), 1u) << c.pszName;
        const CFakeMessages::CShown& shown = f.t.m_messages.m_shown[0];
        EXPECT_EQ(shown.m_strText.rfind(c.pszMessageStart, 0), 0u) << shown.m_strText;
        if (c.result != EArchiveResult::NotCleared) {
            EXPECT_NE(shown.m_strText.find(f.t.Path(c.strFile)), std::string::npos);
            EXPECT_EQ(shown.m_icon, EMsgIcon::Exclamation);
        }
        EXPECT_EQ(doc.EntryCount(), 4) << c.pszName;
        EXPECT_EQ(f.Balances(), before) << c.pszName;
        EXPECT_EQ(doc.StartBalance(), 100.0) << c.pszName;
        EXPECT_EQ(doc.ArchiveCount(), 0u) << c.pszName;
        EXPECT_FALSE(doc.IsModified()) << c.pszName;
        if (c.bExisting)
            EXPECT_EQ(ReadText(f.t.Path(c.strFile)), "old") << c.pszName;
        else
            EXPECT_FALSE(fs::exists(f.t.Path(c.strFile))) << c.pszName;
        EXPECT_TRUE(f.Leftovers().empty()) << c.pszName;
    }
}

TEST(ArchiveTest, ReplacesAnExistingFileOnlyWhenAllowed) {
    CArchiveFixture f;
    WriteBytes(f.t.Path("Old.twa"), {'o', 'l', 'd'});
    CArchiveRequest request = f.Request(Jan(5), "Old.twa");
    request.m_bMayReplace = true;
    EXPECT_EQ(ArchiveEntries(f.t.Doc(), request), EArchiveResult::Archived);
    EXPECT_EQ(ReadText(f.t.Path("Old.twa")).rfind("Archived on", 0), 0u);
}

TEST(ArchiveTest, AFailedSaveKeepsTheArchiveAndTheDocumentModified) {
    CArchiveFixture f;
    CTallywiseDoc& doc = f.t.Doc();
    // The register's name now belongs to a folder: the save cannot replace it.
    fs::remove(f.m_strPath);
    fs::create_directory(f.m_strPath);
    EXPECT_EQ(ArchiveEntries(doc, f.Request(Jan(5))), EArchiveResult::SaveFailed);
    const std::vector<std::string> texts = f.t.m_messages.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].rfind("Could not save " + f.m_strPath, 0), 0u);
    EXPECT_NE(texts[1].find(f.t.Path("Home01.twa")), std::string::npos);
    EXPECT_NE(texts[1].find("could not be saved"), std::string::npos);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.EntryCount(), 2);
    EXPECT_EQ(doc.ArchiveCount(), 1u);
    EXPECT_NE(ReadText(f.t.Path("Home01.twa")).find("Refund"), std::string::npos);

    // A later save under the name completes the step.
    fs::remove(f.m_strPath);
    EXPECT_TRUE(doc.OnSaveDocument(f.m_strPath));
    EXPECT_FALSE(doc.IsModified());
}

// An archive written just before a crash still holds the entries: the user decides.
TEST(ArchiveTest, AsksBeforeArchivingWhatTheNewestArchiveEndsWith) {
    const struct {
        const char* pszName;
        int nInNewest;
        std::deque<EAnswer> answers;
        EArchiveResult result;
    } cases[] = {
        {"same entries, No", 2, {EAnswer::No}, EArchiveResult::Declined},
        {"same entries, Yes", 2, {EAnswer::Yes}, EArchiveResult::Archived},
        {"other entries, no question", 1, {}, EArchiveResult::Archived},
    };
    for (const auto& c : cases) {
        CArchiveFixture f;
        CTallywiseDoc& doc = f.t.Doc();
        const std::string strOld = doc.BuildTextRegister(c.nInNewest, Jan(5), Jan(5), true);
        WriteBytes(f.t.Path("Home01.twa"), {strOld.begin(), strOld.end()});
        for (const char* pszLeftover : {".Home01.twa.Ab12Cd", ".Home.bak.x1Y2z3", ".n.txt.abcdef"})
            WriteBytes(f.t.Path(pszLeftover), {'x'});
        f.t.m_messages.m_answers = c.answers;
        EXPECT_EQ(ArchiveEntries(doc, f.Request(Jan(5), "Home02.twa")), c.result) << c.pszName;
        const bool bDeclined = c.result == EArchiveResult::Declined;
        EXPECT_EQ(doc.EntryCount(), bDeclined ? 4 : 2) << c.pszName;
        EXPECT_EQ(fs::exists(f.t.Path("Home02.twa")), !bDeclined) << c.pszName;
        const std::vector<std::string> asked =
            c.answers.empty()
                ? std::vector<std::string>{}
                : std::vector<std::string>{"The archive file " + f.t.Path("Home01.twa") +
                                           "\nalready ends with the 2 entries about to be archived."
                                           "\n\nArchive them again?"};
        EXPECT_EQ(f.t.m_messages.Texts(), asked) << c.pszName;
        // Our own leftovers go when the folder is written; a stranger's file stays.
        std::vector<std::string> left = f.Leftovers();
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, bDeclined ? (std::vector<std::string>{
                                        ".Home.bak.x1Y2z3", ".Home01.twa.Ab12Cd", ".n.txt.abcdef"})
                                  : std::vector<std::string>{".n.txt.abcdef"})
            << c.pszName;
    }
}
