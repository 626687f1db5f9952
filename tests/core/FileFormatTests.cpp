#include "../support/Fakes.h"
#include "core/document/CDescList.h"
#include "core/framework/CArchive.h"
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
const std::time_t MAY3 = MakeLocalDate(2000, 5, 3);

// Where the only occurrence of pattern starts in bytes.
std::size_t FindOnce(const std::vector<std::uint8_t>& bytes,
                     const std::vector<std::uint8_t>& pattern) {
    const auto it = std::search(bytes.begin(), bytes.end(), pattern.begin(), pattern.end());
    EXPECT_NE(it, bytes.end());
    EXPECT_EQ(std::search(it + 1, bytes.end(), pattern.begin(), pattern.end()), bytes.end());
    return static_cast<std::size_t>(it - bytes.begin());
}

std::vector<std::uint8_t> DoubleBytes(double d) {
    CArchive ar;
    ar.WriteDouble(d);
    return ar.TakeBytes();
}

// The four counts of FillDocument's register (3 entries, 2 descriptions, 1 deleted, 1
// automatic), followed by the reserved field.
const std::vector<std::uint8_t> FILLED_COUNTS = {3, 0, 2, 0, 1, 0, 1, 0};

// A register with something in every list and every field. The reserved field has no
// operation: it is written into the saved bytes, which the document then opens.
void FillDocument(CTestDoc& t) {
    CTallywiseDoc& doc = t.Doc();
    AddArchives(doc, 7);
    doc.SetStartingBalance(1734.56);
    doc.SetNextCheck(1003);
    doc.SetBankInfo(CBankInfo{"First Bank", "12-345", "J. Caf\xC3\xA9"});
    doc.InsertEntry(MakeEntry(MAY3, 500.0, true, "Rent", 0, 1001));
    doc.InsertEntry(MakeEntry(MAY3 + 86400, 750.0, false, "Paycheck", 4));
    doc.InsertEntry(MakeEntry(MAY3 + 2 * 86400, 12.5, true, "Fee", 6));
    doc.InsertEntry(MakeEntry(MAY3 + 3 * 86400, 99.99, true, "Old", 1));
    doc.SetEntryCleared(1, 1);
    doc.RemoveEntry(3, true, true);
    doc.AddDescription("Rent");
    doc.AddDescription("Paycheck");
    doc.SetAutoEntries({CAutoEntry{"Salary", 4, 2000.0, 0, 1, 15, MAY3}});
    t.m_settings.m_userTypes[1] = {"Transfer", "X", 1, 0};
    t.m_settings.m_userTypes[3] = {"Gift", "G", 0, 1};
    std::vector<std::uint8_t> bytes = doc.SaveToBuffer();
    const std::size_t nReserved = FindOnce(bytes, FILLED_COUNTS) + FILLED_COUNTS.size();
    const std::vector<std::uint8_t> reserved = {0xEF, 0xBE, 0xAD, 0xDE};
    std::copy(reserved.begin(), reserved.end(), bytes.begin() + static_cast<long>(nReserved));
    EXPECT_TRUE(doc.LoadFromBuffer(bytes.data(), bytes.size(), "Filled.twd").Ok());
}

void WriteEntry20(CArchive& ar, int nType, int nCheck, std::time_t date, const char* pszDesc,
                  float fDebit, float fCredit, bool bWithBalance, std::uint32_t bCleared) {
    ar.WriteU32(static_cast<std::uint32_t>(nType));
    ar.WriteU32(static_cast<std::uint32_t>(nCheck));
    ar.WriteU32(static_cast<std::uint32_t>(date));
    ar.WriteString(pszDesc);
    ar.WriteFloat(fDebit);
    ar.WriteFloat(fCredit);
    if (bWithBalance)
        ar.WriteFloat(-999.0f);
    ar.WriteU32(bCleared);
}

std::vector<std::uint8_t> Make20File() {
    CArchive ar;
    ar.WriteString("2.0");
    ar.WriteU32(4); // records, with the starting balance
    ar.WriteU32(0x10000 + 2001);
    ar.WriteU32(0);
    ar.WriteU32(1);
    ar.WriteU32(1);
    WriteEntry20(ar, 1, 0, MAY3 + 3600 * 13, "Gone", 0.0f, 10.0f, false, 1);
    ar.WriteU32(4);
    ar.WriteString("Salary");
    ar.WriteFloat(0.0f);
    ar.WriteFloat(100.0f);
    ar.WriteU32(1);
    ar.WriteU32(15);
    ar.WriteU32(static_cast<std::uint32_t>(MAY3 + 3600 * 5));
    ar.WriteU32(0);
    WriteEntry20(ar, 0, 2000, MAY3 + 3600 * 9, "Rent", 50.0f, 0.0f, true, 0);
    WriteEntry20(ar, 100, 0, MAY3, "Starting", 25.0f, 0.0f, true, 0);
    WriteEntry20(ar, 4, 0, MAY3 + 86400 + 60, "Deposit", 0.0f, 80.0f, true, 1);
    WriteEntry20(ar, 1, 0, MAY3 + 86400, "Rent", 0.0f, 0.0f, true, 0);
    return ar.TakeBytes();
}

CLoadResult Load(CTestDoc& t, const std::vector<std::uint8_t>& bytes) {
    return t.Doc().LoadFromBuffer(bytes.data(), bytes.size(), "May.twd");
}
} // namespace

TEST(FileFormatTest, NewDocumentIs84Bytes) {
    CTestDoc t;
    std::vector<std::uint8_t> bytes = t.Doc().SaveToBuffer();
    ASSERT_EQ(bytes.size(), 84u);
    const std::vector<std::uint8_t> head = {0x05, '3', '.', '5', 'T', 'W', 0x00, 0, 0, 0, 0,
                                            101,  0,   0,   0,   0,   0,   0,    0, 0, 0};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), bytes.begin()));
    // Each user-type block: enabled 0, two empty strings, not-in-use 1.
    const std::vector<std::uint8_t> block = {0, 0, 0, 0, 0, 0, 1, 0, 0, 0};
    EXPECT_TRUE(std::equal(block.begin(), block.end(), bytes.begin() + 32));
}

TEST(FileFormatTest, PasswordIsStoredScrambled) {
    CTestDoc t;
    t.Doc().SetPassword("abc");
    std::vector<std::uint8_t> bytes = t.Doc().SaveToBuffer();
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 6, bytes.begin() + 10),
              (std::vector<std::uint8_t>{0x03, 0x60, 0x61, 0x62}));
    EXPECT_EQ(t.Doc().Password(), "abc");
}

TEST(FileFormatTest, LongDescriptionPrefix) {
    CTestDoc t;
    t.Doc().InsertEntry(MakeEntry(MAY3, 1, true, std::string(300, 'd')));
    std::vector<std::uint8_t> bytes = t.Doc().SaveToBuffer();
    // Entry record after the 84-byte header: check number 2, date 4, then the string.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 90, bytes.begin() + 93),
              (std::vector<std::uint8_t>{0xFF, 0x2C, 0x01}));
}

TEST(FileFormatTest, RoundTripKeepsEveryFieldAndEveryByte) {
    CTestDoc t;
    FillDocument(t);
    std::vector<std::uint8_t> bytes = t.Doc().SaveToBuffer();
    CTestDoc u;
    ASSERT_TRUE(Load(u, bytes).Ok());
    CTallywiseDoc& doc = u.Doc();
    EXPECT_EQ(doc.VersionRead(), "3.5TW");
    EXPECT_EQ(doc.EntryCount(), 3);
    EXPECT_EQ(doc.DeletedEntries().size(), 1u);
    EXPECT_EQ(doc.AutoEntries().size(), 1u);
    EXPECT_EQ(doc.Descriptions(), (CDescList{"Rent", "Paycheck"}));
    EXPECT_EQ(doc.BankInfo().m_strAccountName, "J. Caf\xC3\xA9");
    EXPECT_EQ(doc.ArchiveCount(), 7u);
    EXPECT_EQ(doc.NextCheck(), 1003);
    EXPECT_EQ(doc.GetEntryAt(0)->m_nCheckNum, 1001);
    EXPECT_EQ(doc.GetEntryAt(1)->m_bCleared, 1u);
    EXPECT_EQ(doc.AutoEntries()[0].m_nDay, 15);
    EXPECT_EQ(u.m_settings.m_userTypes[1], (CUserType{"Transfer", "X", 1, 0}));
    EXPECT_DOUBLE_EQ(u.m_status.m_dBalance, 1734.56 - 500 + 750 - 12.5);
    const std::vector<std::uint8_t> resaved = doc.SaveToBuffer();
    const std::size_t nReserved = FindOnce(resaved, FILLED_COUNTS) + FILLED_COUNTS.size();
    EXPECT_EQ(std::vector<std::uint8_t>(resaved.begin() + static_cast<long>(nReserved),
                                        resaved.begin() + static_cast<long>(nReserved + 4)),
              (std::vector<std::uint8_t>{0xEF, 0xBE, 0xAD, 0xDE})); // kept from load to save
    EXPECT_EQ(resaved, bytes);
}

TEST(FileFormatTest, StoredBalancesAreTakenAsTheyAre) {
    CTestDoc t;
    FillDocument(t);
    std::vector<std::uint8_t> bytes = t.Doc().SaveToBuffer();
    // Not what a recomputation would give.
    const std::vector<std::uint8_t> stored = DoubleBytes(t.Doc().GetEntryAt(2)->m_dBalance);
    const std::vector<std::uint8_t> forged = DoubleBytes(42.0);
    std::copy(forged.begin(), forged.end(),
              bytes.begin() + static_cast<long>(FindOnce(bytes, stored)));
    CTestDoc u;
    ASSERT_TRUE(Load(u, bytes).Ok());
    EXPECT_EQ(u.Doc().GetEntryAt(2)->m_dBalance, 42.0);
    EXPECT_EQ(u.m_status.m_dBalance, 42.0);
    EXPECT_EQ(u.m_status.m_nEntries, 3);
}

TEST(FileFormatTest, Version30HasNoUserTypesAndSavesAs35) {
    CTestDoc t;
    FillDocument(t);
    std::vector<std::uint8_t> b35 = t.Doc().SaveToBuffer();
    // The same register in the 3.0 layout: other tag, no type blocks.
    std::vector<std::uint8_t> b30 = {0x05, '3', '.', '0', 'T', 'W'};
    std::size_t nTypesAt = 6 + 1 + 4 + 2 + 8 + 4 + 4 + (1 + 10) + (1 + 6) + (1 + 7);
    std::size_t nTypesLen = 4 * 10 + 8 + 1 + 4 + 1; // two blocks have names
    b30.insert(b30.end(), b35.begin() + 6, b35.begin() + static_cast<long>(nTypesAt));
    b30.insert(b30.end(), b35.begin() + static_cast<long>(nTypesAt + nTypesLen), b35.end());
    CTestDoc u;
    u.m_settings.m_userTypes[0] = {"Stale", "S", 1, 0};
    ASSERT_TRUE(Load(u, b30).Ok());
    EXPECT_EQ(u.Doc().VersionRead(), "3.0TW");
    EXPECT_EQ(u.Doc().EntryCount(), 3);
    for (const CUserType& type : u.m_settings.m_userTypes)
        EXPECT_EQ(type, CUserType());
    std::vector<std::uint8_t> resaved = u.Doc().SaveToBuffer();
    EXPECT_EQ(resaved[3], '5');
    EXPECT_EQ(resaved.size(), b30.size() + 40);
}

TEST(FileFormatTest, Version20ImportConverts) {
    CTestDoc t;
    t.m_messages.m_answers = {EAnswer::Yes};
    std::vector<std::uint8_t> bytes = Make20File();
    ASSERT_TRUE(Load(t, bytes).Ok());
    CTallywiseDoc& doc = t.Doc();
    EXPECT_EQ(t.m_messages.Texts(), (std::vector<std::string>{"Import version 2.0 file?"}));
    EXPECT_EQ(doc.VersionRead(), "2.0");
    EXPECT_EQ(doc.NextCheck(), 2001);
    EXPECT_DOUBLE_EQ(doc.StartBalance(), -25.0);
    EXPECT_TRUE(doc.IsStartBalSet());
    ASSERT_EQ(doc.EntryCount(), 3);
    EXPECT_EQ(EntryDescs(doc), (std::vector<std::string>{"Rent", "Deposit", "Rent"}));
    EXPECT_EQ(doc.Descriptions(), (CDescList{"Rent", "Deposit"}));
    const CEntry e0 = doc.Entries().at(0);
    EXPECT_EQ(e0.m_date, MAY3); // normalised to local midnight
    EXPECT_EQ(e0.m_nCheckNum, 2000);
    EXPECT_EQ(e0.m_bDebit, 1u);
    EXPECT_DOUBLE_EQ(e0.m_dBalance, -75.0); // recomputed
    EXPECT_EQ(doc.GetEntryAt(1)->m_bDebit, 0u);
    EXPECT_DOUBLE_EQ(doc.GetEntryAt(1)->m_dBalance, 5.0);
    EXPECT_EQ(doc.GetEntryAt(2)->m_bDebit, 1u); // 0.0 and 0.0: a debit of 0.00
    EXPECT_EQ(doc.GetEntryAt(2)->m_dAmount, 0.0);
    ASSERT_EQ(doc.DeletedEntries().size(), 1u);
    EXPECT_EQ(doc.DeletedEntries()[0].m_date, MAY3);
    EXPECT_EQ(doc.DeletedEntries()[0].m_bDebit, 0u);
    ASSERT_EQ(doc.AutoEntries().size(), 1u);
    EXPECT_EQ(doc.AutoEntries()[0].m_nextDate, MAY3);
    EXPECT_EQ(doc.AutoEntries()[0].m_dAmount, 100.0);
    EXPECT_FALSE(doc.IsModified());
}

TEST(FileFormatTest, Version20WithoutStartingBalanceRecord) {
    CArchive ar;
    ar.WriteString("2.0");
    for (int i = 0; i < 5; ++i)
        ar.WriteU32(0);
    CTestDoc t;
    t.m_messages.m_answers = {EAnswer::Yes};
    t.Doc().SetStartingBalance(9);
    ASSERT_TRUE(Load(t, ar.Bytes()).Ok());
    EXPECT_EQ(t.Doc().StartBalance(), 0.0);
    EXPECT_FALSE(t.Doc().IsStartBalSet());
}

TEST(FileFormatTest, RefusalsLeaveAnEmptyDocument) {
    struct Case {
        const char* m_pszName;
        std::vector<std::uint8_t> m_bytes;
        std::deque<EAnswer> m_answers;
        ELoadError m_nError;
        std::vector<std::string> m_messages;
    };
    CArchive bad;
    bad.WriteString("4.0TW");
    bad.WriteU32(0);
    const Case cases[] = {
        {"unknown tag", bad.Bytes(), {}, ELoadError::InvalidVersion, {"Invalid File Version"}},
        {"2.0 declined",
         Make20File(),
         {EAnswer::No},
         ELoadError::ImportDeclined,
         {"Import version 2.0 file?"}},
        {"empty file", {}, {}, ELoadError::Damaged, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.m_pszName);
        CTestDoc t;
        FillDocument(t);
        t.m_messages.m_answers = c.m_answers;
        CLoadResult r = Load(t, c.m_bytes);
        EXPECT_EQ(r.m_nError, c.m_nError);
        EXPECT_EQ(t.m_messages.Texts(), c.m_messages);
        EXPECT_EQ(t.Doc().EntryCount(), 0);
        EXPECT_EQ(t.Doc().BankInfo().m_strBankName, "");
        EXPECT_EQ(t.m_settings.m_userTypes[1], CUserType());
    }
    CTestDoc t;
    CArchive none;
    none.WriteString("4.0TW");
    Load(t, none.Bytes());
    EXPECT_EQ(t.m_messages.m_shown.at(0).m_icon, EMsgIcon::None);
}

TEST(FileFormatTest, EveryTruncationFailsCleanly) {
    CTestDoc t;
    FillDocument(t);
    t.Doc().SetPassword("pw");
    std::vector<std::uint8_t> bytes = t.Doc().SaveToBuffer();
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        CTestDoc u;
        u.m_password.m_answers = {"pw"};
        std::vector<std::uint8_t> part(bytes.begin(), bytes.begin() + static_cast<long>(n));
        EXPECT_EQ(Load(u, part).m_nError, ELoadError::Damaged) << n;
        EXPECT_EQ(u.Doc().EntryCount(), 0);
        EXPECT_FALSE(u.Doc().IsPasswordSet());
    }
}

TEST(FileFormatTest, HugeCountsInAShortFileFail) {
    CTestDoc t;
    std::vector<std::uint8_t> bytes = t.Doc().SaveToBuffer();
    for (std::size_t at = 72; at < 80; at += 2) { // the four counts
        std::vector<std::uint8_t> b = bytes;
        b[at] = b[at + 1] = 0xFF;
        CTestDoc u;
        EXPECT_EQ(Load(u, b).m_nError, ELoadError::Damaged) << at;
    }
    CArchive ar;
    ar.WriteString("2.0");
    ar.WriteU32(0xFFFFFFFF);
    for (int i = 0; i < 4; ++i)
        ar.WriteU32(0xFFFFFFFF);
    CTestDoc u;
    u.m_messages.m_answers = {EAnswer::Yes};
    EXPECT_EQ(Load(u, ar.Bytes()).m_nError, ELoadError::Damaged);
}

TEST(FileFormatTest, PasswordCheckOnOpen) {
    struct Case {
        const char* m_pszName;
        std::deque<std::string> m_tries;
        bool m_bOpens;
        std::size_t m_nAsked;
        std::size_t m_nMessages;
    };
    const Case cases[] = {
        {"right at once", {"Secret"}, true, 1, 0},
        {"wrong case, then right", {"secret", "Secret"}, true, 2, 1},
        {"cancelled twice", {"", ""}, false, 2, 1},
        {"wrong twice", {"x", "y"}, false, 2, 1},
    };
    CTestDoc t;
    t.Doc().SetPassword("Secret");
    t.Doc().InsertEntry(MakeEntry(MAY3, 1, true));
    std::vector<std::uint8_t> bytes = t.Doc().SaveToBuffer();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.m_pszName);
        CTestDoc u;
        u.m_password.m_answers = c.m_tries;
        CLoadResult r = Load(u, bytes);
        EXPECT_EQ(r.Ok(), c.m_bOpens);
        EXPECT_EQ(u.m_password.m_asked.size(), c.m_nAsked);
        EXPECT_EQ(u.m_password.m_asked.front(), "May.twd");
        ASSERT_EQ(u.m_messages.m_shown.size(), c.m_nMessages);
        if (c.m_nMessages) {
            EXPECT_EQ(u.m_messages.m_shown[0].m_strText, "Password is not correct");
        }
        EXPECT_EQ(u.Doc().EntryCount(), c.m_bOpens ? 1 : 0);
        if (!c.m_bOpens) {
            EXPECT_EQ(r.m_nError, ELoadError::WrongPassword);
        }
    }
}

TEST(FileFormatTest, SaveWritesCompanionsAndKeepsTheOldFileOnFailure) {
    CTestDoc t;
    FillDocument(t);
    t.m_settings.m_nBackup = 1;
    t.m_settings.m_nTextBackup = 1;
    t.Doc().SetNextCheck(1004); // an unsaved change
    ASSERT_TRUE(t.Doc().IsModified());
    std::string path = t.Path("May.twd");
    ASSERT_TRUE(t.Doc().OnSaveDocument(path));
    EXPECT_FALSE(t.Doc().IsModified());
    EXPECT_EQ(ReadBytes(t.Path("May.bak")), ReadBytes(path));
    std::vector<std::uint8_t> txtBytes = ReadBytes(t.Path("May.txt"));
    EXPECT_EQ(std::string(txtBytes.begin(), txtBytes.end()),
              t.Doc().BuildTextRegister(t.Doc().EntryCount(), 0, 0, false));
    EXPECT_EQ(t.m_settings.m_strLastFile, path);

    // A name without an extension gets the companions appended.
    ASSERT_TRUE(t.Doc().OnSaveDocument(t.Path("June")));
    EXPECT_TRUE(std::filesystem::exists(t.Path("June.bak")));
    EXPECT_TRUE(std::filesystem::exists(t.Path("June.txt")));

    // Companions that cannot be written do not stop the main save.
    std::filesystem::create_directory(t.Path("July.bak"));
    std::filesystem::create_directory(t.Path("July.txt"));
    EXPECT_TRUE(t.Doc().OnSaveDocument(t.Path("July.twd")));
    EXPECT_EQ(t.m_messages.m_shown.size(), 1u); // the backup failure, reported
    EXPECT_TRUE(std::filesystem::exists(t.Path("July.twd")));

    // A failed main save keeps the previous file and the modified flag.
    std::vector<std::uint8_t> before = ReadBytes(path);
    t.Doc().InsertEntry(MakeEntry(MAY3, 1, true));
    ASSERT_TRUE(t.Doc().IsModified());
    t.m_settings.m_nBackup = 0;
    t.m_settings.m_nTextBackup = 0;
    std::filesystem::permissions(t.m_strDir, std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    bool bSaved = t.Doc().OnSaveDocument(path);
    std::filesystem::permissions(t.m_strDir, std::filesystem::perms::owner_all);
    if (::geteuid() != 0) { // root writes anyway
        EXPECT_FALSE(bSaved);
        EXPECT_TRUE(t.Doc().IsModified());
        EXPECT_EQ(ReadBytes(path), before);
    }
    std::filesystem::create_directory(t.Path("Aug.twd"));
    t.Doc().SetNextCheck(1005); // modified again, also where the save above succeeded
    EXPECT_FALSE(t.Doc().OnSaveDocument(t.Path("Aug.twd")));
    EXPECT_TRUE(t.Doc().IsModified());
    EXPECT_EQ(t.m_settings.m_strLastFile, path);
}

TEST(FileFormatTest, OpenSetsPathAndLastFile) {
    CTestDoc t;
    FillDocument(t);
    std::string path = t.Path("May.twd");
    ASSERT_TRUE(t.Doc().OnSaveDocument(path));
    CTestDoc u;
    ASSERT_TRUE(u.Doc().OnOpenDocument(path).Ok());
    EXPECT_EQ(u.m_settings.m_strLastFile, path);
    EXPECT_EQ(u.Doc().GetTitle(), "May.twd");
    EXPECT_EQ(u.Doc().OnOpenDocument(t.Path("none.twd")).m_nError, ELoadError::CannotRead);
    EXPECT_EQ(u.Doc().EntryCount(), 0);
}
