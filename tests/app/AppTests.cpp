#include "../support/TestApp.h"
#include "core/document/EntryTypes.h"
#include "core/document/RegisterCells.h"
#include "core/settings/Options.h"
#include <filesystem>
#include <gtest/gtest.h>

TEST(AppTest, DefaultsFromAnEmptyStoreAndWriteBack) {
    CTestApp t;
    CMemorySettings store;
    t.m_app.ReadSettings(store);
    const CTallywiseApp& a = t.m_app;
    EXPECT_EQ(std::vector<int>({a.m_nX, a.m_nY, a.m_nCX, a.m_nCY}),
              std::vector<int>({50, 50, 550, 250}));
    EXPECT_EQ(a.m_nBackup, 0);
    EXPECT_EQ(a.m_nTextBackup, 1);
    EXPECT_EQ(a.m_nDblClick, 1);
    EXPECT_EQ(a.m_nLoadLast, 0);
    EXPECT_EQ(a.m_strFont, "MS Sans Serif");
    EXPECT_EQ(a.m_nFontSize, 80);
    EXPECT_EQ(a.m_nBkColor, 0xFFFFFF);
    EXPECT_EQ(a.m_nTxColor, 0);
    EXPECT_EQ(a.m_nAType, 1);
    EXPECT_EQ(a.m_nACleared, 0);
    EXPECT_EQ(a.m_nPrntHdrs, 1);
    EXPECT_EQ(a.m_nPrntBank, 1);
    EXPECT_EQ(a.m_nRPP, 25);
    EXPECT_EQ(a.m_strPrintFont, "MS Sans Serif");
    EXPECT_EQ(a.m_nPrintFontSize, 80);
    EXPECT_EQ(std::vector<int>({a.m_nChartMonths, a.m_nChartCX, a.m_nChartCY}),
              std::vector<int>({3, 0, 0}));
    t.m_app.ExitInstance(store);
    EXPECT_EQ(store.m_ints.size() + store.m_strings.size(), 23u + 4u); // and four recent files
    EXPECT_EQ(store.m_ints["Settings/cx"], 550);
    EXPECT_EQ(store.m_strings["Settings/Font"], "MS Sans Serif");
}

TEST(AppTest, StoredSettingsAreRead) {
    CTestApp t;
    CMemorySettings store;
    store.m_ints["Settings/RPP"] = 40;
    store.m_strings["Settings/LastFile"] = "/x/y.twd";
    store.m_strings["Recent File List/File1"] = "/a.twd";
    store.m_strings["Recent File List/File2"] = "/b.twd";
    t.m_app.ReadSettings(store);
    EXPECT_EQ(t.m_app.m_nRPP, 40);
    EXPECT_EQ(t.m_app.m_strLastFile, "/x/y.twd");
    EXPECT_EQ(t.m_app.m_recentFiles.Files(), (std::vector<std::string>{"/a.twd", "/b.twd"}));
}

TEST(AppTest, RecentFilesKeepFourNewestFirst) {
    CRecentFileList list;
    for (const char* p : {"/1", "/2", "/3", "/4", "/5", "/3"})
        list.Add(p);
    EXPECT_EQ(list.Files(), (std::vector<std::string>{"/3", "/5", "/4", "/2"}));
}

TEST(AppTest, PrintRangeIsTheCurrentMonth) {
    struct Case {
        int y, m, d;
        const char* from;
        const char* to;
    };
    const Case cases[] = {{2004, 2, 10, "02/01/2004", "02/29/2004"},
                          {2003, 2, 10, "02/01/2003", "02/28/2003"},
                          {2003, 4, 15, "04/01/2003", "04/30/2003"},
                          {2026, 12, 8, "12/01/2026", "12/31/2026"}};
    for (const Case& c : cases) {
        CTestApp t;
        t.m_clock.m_now = MakeLocalDate(c.y, c.m, c.d) + 20 * 3600;
        t.m_app.ResetPrintRange();
        EXPECT_TRUE(t.m_app.m_bPrintAll);
        EXPECT_EQ(FormatDate(t.m_app.m_printFrom, "%m/%d/%Y"), c.from);
        EXPECT_EQ(FormatDate(t.m_app.m_printTo, "%m/%d/%Y"), c.to);
        EXPECT_EQ(t.m_app.m_printTo, ToLocalMidnight(t.m_app.m_printTo));
    }
}

TEST(AppTest, CommandLine) {
    CTestApp t;
    CMemorySettings store;
    EXPECT_TRUE(t.m_app.InitInstance({}, store));
    EXPECT_EQ(t.m_app.GetFrameTitle(), "TWDoc - Tallywise v3.5");
    EXPECT_FALSE(t.m_app.InitInstance({t.Path("missing.twd")}, store));
    ASSERT_EQ(t.m_messages.m_shown.size(), 1u);
    EXPECT_NE(t.m_messages.m_shown[0].m_strText.find("missing.twd"), std::string::npos);
    t.Doc().InsertEntry(MakeEntry(MakeLocalDate(2000, 1, 1), 5, true));
    ASSERT_TRUE(t.Doc().OnSaveDocument(t.Path("Jan.twd")));
    CTestApp u;
    EXPECT_TRUE(u.m_app.InitInstance({t.Path("Jan.twd")}, store));
    EXPECT_EQ(u.Doc().EntryCount(), 1);
    EXPECT_EQ(u.m_app.GetFrameTitle(), "Jan.twd - Tallywise v3.5");
    EXPECT_EQ(u.m_app.m_recentFiles.Files().front(), t.Path("Jan.twd"));
}

TEST(AppTest, LoadLastFailureKeepsTheOpenDocument) {
    CTestApp t;
    t.Doc().InsertEntry(MakeEntry(MakeLocalDate(2000, 1, 1), 5, true));
    t.m_app.m_userTypes[0] = {"Mine", "M", 1, 0};
    ASSERT_TRUE(t.Doc().OnSaveDocument(t.Path("Jan.twd")));
    ASSERT_TRUE(t.m_app.OpenDocumentFile(t.Path("Jan.twd")));
    t.m_app.m_nLoadLast = 1;
    t.m_app.m_strLastFile = t.Path("deleted.twd");
    t.m_app.OpenLastFileIfWanted();
    EXPECT_EQ(t.m_messages.m_shown.size(), 1u);
    EXPECT_EQ(t.Doc().EntryCount(), 1);
    EXPECT_EQ(t.Doc().GetTitle(), "Jan.twd");
    EXPECT_EQ(t.m_app.m_userTypes[0].m_strName, "Mine");
    // A plain Open that fails leaves a new, empty register.
    EXPECT_FALSE(t.m_app.OpenDocumentFile(t.Path("deleted.twd")));
    EXPECT_EQ(t.Doc().EntryCount(), 0);
    EXPECT_EQ(t.Doc().GetTitle(), "TWDoc");
    EXPECT_EQ(t.m_app.m_userTypes[0], CUserType());
}

TEST(AppTest, SaveQuestionBeforeNewAndOpen) {
    struct Case {
        EAnswer m_answer;
        bool m_bGoesOn;
        bool m_bSaved;
    };
    for (const Case& c : {Case{EAnswer::Yes, true, true}, Case{EAnswer::No, true, false},
                          Case{EAnswer::Cancel, false, false}}) {
        CTestApp t;
        t.Doc().InsertEntry(MakeEntry(MakeLocalDate(2000, 1, 1), 5, true));
        t.Doc().SetNextCheck(t.Doc().NextCheck()); // any change
        t.m_messages.m_answers = {c.m_answer};
        t.m_files.m_save = t.Path("Saved");
        EXPECT_EQ(t.m_app.OnFileNew(), c.m_bGoesOn);
        EXPECT_EQ(t.m_messages.Texts(), (std::vector<std::string>{"Save changes to TWDoc?"}));
        EXPECT_EQ(std::filesystem::exists(t.Path("Saved.twd")), c.m_bSaved);
        EXPECT_EQ(t.Doc().EntryCount(), c.m_bGoesOn ? 0 : 1);
    }
}

TEST(AppTest, SaveAsAddsTheExtensionAndRenames) {
    CTestApp t;
    t.m_files.m_save = t.Path("Budget");
    ASSERT_TRUE(t.m_app.OnFileSave());
    EXPECT_EQ(t.m_files.m_strSuggested, "TWDoc.twd");
    EXPECT_EQ(t.Doc().GetPathName(), t.Path("Budget.twd"));
    EXPECT_EQ(t.m_app.GetFrameTitle(), "Budget.twd - Tallywise v3.5");
    EXPECT_TRUE(std::filesystem::exists(t.Path("Budget.txt"))); // the text copy is on by default
    t.m_files.m_save.reset();                                   // cancelled
    EXPECT_FALSE(t.m_app.OnFileSaveAs());
    EXPECT_EQ(t.Doc().GetPathName(), t.Path("Budget.twd"));
}

TEST(DocumentTest, OpeningAnotherRegisterLeavesTheShownOneAlone) {
    CTestApp t;
    CTallywiseDoc& doc = t.Doc();
    doc.UserTypes()[0] = {"Transfer", "X", 1, 0};
    ASSERT_TRUE(doc.InsertEntry(MakeEntry(MakeLocalDate(2000, 5, 2), 1, true, "Old")));
    t.StartClean();
    CRecordingObserver list;
    doc.SetObserver(&list);

    // Another register, protected, whose user types differ.
    CTestApp other;
    other.Doc().UserTypes()[0] = {"Gift", "G", 1, 0};
    other.Doc().SetPassword("pw");
    const std::string strPath = t.Path("other.twd");
    ASSERT_TRUE(other.Doc().SaveDocumentFile(strPath));

    // While the prompt is up, the register on screen keeps its types and its rows.
    t.m_password.m_fnOnAsk = [&] {
        EXPECT_EQ(t.m_app.m_userTypes[0].m_strAbbr, "X");
        EXPECT_TRUE(list.m_events.empty());
    };
    t.m_password.m_answers = {"pw"};
    ASSERT_TRUE(t.m_app.OpenDocumentFile(strPath));
    EXPECT_EQ(t.m_app.m_userTypes[0].m_strAbbr, "G");
    EXPECT_EQ(list.m_events, (std::vector<std::string>{"reset"}));
    EXPECT_EQ(doc.EntryCount(), 0);
    doc.SetObserver(nullptr);
}

// The table belongs to the register: a save writes it, an open brings the file's own,
// New and a failed open leave none.
TEST(OptionsTest, UserTypesTravelWithTheRegister) {
    CTestApp t;
    CTallywiseDoc& doc = t.Doc();
    COptions o = OptionsFromApp(t.m_app);
    o.m_userTypes[0] = {"Transfer", "X", 1, 1};
    o.m_userTypes[3] = {"Payroll", "P", 1, 1};
    ApplyOptions(o, t.m_app);
    doc.InsertEntry(MakeEntry(MakeLocalDate(2000, 1, 1), 5, true, "t", TYPE_USER1));
    doc.RefreshTypeUsage();
    ASSERT_TRUE(doc.OnSaveDocument(t.Path("a.twd")));

    o = OptionsFromApp(t.m_app);
    o.m_userTypes[0] = {"Loan", "L", 1, 1};
    o.m_userTypes[3] = CUserType();
    ASSERT_TRUE(t.m_app.OnFileNew());
    EXPECT_EQ(doc.UserTypes(), CUserTypeTable());
    ApplyOptions(o, t.m_app);
    ASSERT_TRUE(doc.OnSaveDocument(t.Path("b.twd")));

    ASSERT_TRUE(t.m_app.OpenDocumentFile(t.Path("a.twd")));
    EXPECT_EQ(doc.UserTypes()[0], (CUserType{"Transfer", "X", 1, 0}));
    EXPECT_EQ(doc.UserTypes()[3], (CUserType{"Payroll", "P", 1, 1}));
    EXPECT_EQ(TypeListNames(doc.UserTypes()).back(), "Payroll");
    EXPECT_EQ(CellText(*doc.GetEntryAt(0), COL_TYPE, doc.UserTypes()), "X");

    ASSERT_TRUE(t.m_app.OpenDocumentFile(t.Path("b.twd")));
    EXPECT_EQ(doc.UserTypes()[0], (CUserType{"Loan", "L", 1, 1}));
    EXPECT_EQ(doc.UserTypes()[3], CUserType());
}
