#include "../support/Fakes.h"
#include "core/document/CDescList.h"
#include <gtest/gtest.h>

namespace {
const std::time_t MAY2 = MakeLocalDate(2000, 5, 2);
const std::time_t MAY3 = MakeLocalDate(2000, 5, 3);

std::uint16_t Insert(CTallywiseDoc& doc, std::unique_ptr<CEntry> e) {
    std::optional<std::uint16_t> pos = doc.InsertEntry(std::move(e));
    EXPECT_TRUE(pos.has_value());
    return pos.value_or(0xFFFF);
}
} // namespace

TEST(DocumentTest, EqualDatesKeepInsertionOrder) {
    CTestDoc t;
    EXPECT_EQ(Insert(t.Doc(), MakeEntry(MAY3, 1, true, "E1")), 0);
    EXPECT_EQ(Insert(t.Doc(), MakeEntry(MAY3, 1, true, "E2")), 1);
    EXPECT_EQ(Insert(t.Doc(), MakeEntry(MAY3, 1, true, "E3")), 2);
    EXPECT_EQ(Insert(t.Doc(), MakeEntry(MAY3, 1, true, "E4")), 3);
    EXPECT_EQ(Insert(t.Doc(), MakeEntry(MAY2, 1, true, "E0")), 0);
    EXPECT_EQ(EntryDescs(t.Doc()), (std::vector<std::string>{"E0", "E1", "E2", "E3", "E4"}));
    EXPECT_EQ(t.Doc().m_nEntries, 5);
    // An edit is a remove and an insert: E1 moves behind the others of its date.
    t.Doc().RemoveEntry(1, false, false);
    EXPECT_EQ(Insert(t.Doc(), MakeEntry(MAY3, 1, true, "E1")), 4);
    EXPECT_EQ(EntryDescs(t.Doc()), (std::vector<std::string>{"E0", "E2", "E3", "E4", "E1"}));
    EXPECT_EQ(t.Doc().m_nDeleted, 0);
}

TEST(DocumentTest, RunningBalancesAndPublishedFigures) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    doc.m_dStartBal = 100.0;
    doc.UpdateBalances();
    EXPECT_EQ(t.m_status.m_dBalance, 100.0); // empty register: the starting balance
    EXPECT_EQ(t.m_status.m_nEntries, 0);
    Insert(doc, MakeEntry(MAY2, 50.0, false));
    Insert(doc, MakeEntry(MAY3, 30.0, true));
    EXPECT_DOUBLE_EQ(doc.GetEntryAt(0)->m_dBalance, 150.0);
    EXPECT_DOUBLE_EQ(doc.GetEntryAt(1)->m_dBalance, 120.0);
    EXPECT_DOUBLE_EQ(t.m_status.m_dBalance, 120.0);
    EXPECT_EQ(t.m_status.m_nEntries, 2);
    EXPECT_FALSE(doc.IsModified()); // inserting leaves that to the caller
    doc.RemoveEntry(0, true, true);
    EXPECT_DOUBLE_EQ(doc.GetEntryAt(0)->m_dBalance, 70.0);
    EXPECT_DOUBLE_EQ(t.m_status.m_dBalance, 70.0);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_EQ(doc.m_nDeleted, 1);
    EXPECT_EQ(doc.m_pDeleted->m_dBalance, 0.0);
    EXPECT_EQ(doc.m_pDeleted->m_dAmount, 50.0);
}

TEST(DocumentTest, DeletedListWarningsAndLimit) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    for (int i = 0; i < 101; ++i)
        Insert(doc, MakeEntry(MAY3, i, true, "d" + std::to_string(i)));
    for (int i = 0; i < 99; ++i)
        doc.RemoveEntry(0, true, true);
    EXPECT_TRUE(t.m_messages.m_shown.empty());
    ASSERT_EQ(doc.m_nDeleted, 99);
    doc.RemoveEntry(0, true, true);
    ASSERT_EQ(t.m_messages.m_shown.size(), 1u);
    EXPECT_EQ(t.m_messages.m_shown[0].m_strText.rfind("You have reached the maximum number\nof "
                                                      "100 deleted entries",
                                                      0),
              0u);
    EXPECT_EQ(t.m_messages.m_shown[0].m_icon, EMsgIcon::Exclamation);
    EXPECT_EQ(doc.m_nDeleted, 100); // the 100th is still kept
    doc.RemoveEntry(0, true, true);
    ASSERT_EQ(t.m_messages.m_shown.size(), 2u);
    EXPECT_EQ(t.m_messages.m_shown[1].m_strText,
              "This entry will not be stored in\nthe undo delete list.");
    EXPECT_EQ(doc.m_nDeleted, 100);
    EXPECT_EQ(doc.m_nEntries, 0);
    // Oldest first.
    EXPECT_EQ(doc.m_pDeleted->m_strDesc, "d0");
}

TEST(DocumentTest, DescriptionRefusals) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    doc.AddDescription("Rent");
    doc.AddDescription("rent");
    doc.AddDescription("Rent");
    doc.AddDescription("");
    EXPECT_EQ(DescListStrings(doc.m_pDescs), (std::vector<std::string>{"Rent", "rent"}));
    for (int i = static_cast<int>(doc.m_nDescs); i < MAX_DESCS; ++i)
        doc.AddDescription("x" + std::to_string(i));
    EXPECT_EQ(doc.m_nDescs, MAX_DESCS);
    doc.AddDescription("one too many");
    EXPECT_EQ(doc.m_nDescs, MAX_DESCS);
    EXPECT_FALSE(DescListContains(doc.m_pDescs, "one too many"));
}

TEST(DocumentTest, DescListEditingHelpers) {
    CDescItem* pHead = nullptr;
    std::uint16_t n = 0;
    for (const char* s : {"a", "b", "c"})
        DescListAppend(pHead, n, s);
    DescListRemoveAt(pHead, n, 1);
    EXPECT_EQ(DescListStrings(pHead), (std::vector<std::string>{"a", "c"}));
    DescListRemoveAt(pHead, n, 5); // out of range: nothing
    DescListRemoveAt(pHead, n, 0);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(DescListAt(pHead, 0)->m_strText, "c");
    EXPECT_EQ(DescListAt(pHead, 1), nullptr);
    DescListFree(pHead, n);
    EXPECT_EQ(pHead, nullptr);
    EXPECT_EQ(n, 0);
}

TEST(DocumentTest, TypeUsageCountsEntriesDeletedAndAutomatic) {
    struct Case {
        const char* m_pszWhere;
        int m_nType;
    };
    for (const Case& c : {Case{"entry", 6}, Case{"deleted", 7}, Case{"auto", 8}, Case{"none", 4}}) {
        SCOPED_TRACE(c.m_pszWhere);
        CTestDoc t;
        CTallywiseDoc& doc = t.Doc();
        std::string where = c.m_pszWhere;
        if (where == "entry" || where == "none") {
            Insert(doc, MakeEntry(MAY3, 1, true, "", c.m_nType));
        } else if (where == "deleted") {
            Insert(doc, MakeEntry(MAY3, 1, true, "", c.m_nType));
            doc.RemoveEntry(0, true, true);
        } else {
            doc.m_pAutos = new CAutoEntry;
            doc.m_pAutos->m_nType = static_cast<std::int8_t>(c.m_nType);
            doc.m_nAutos = 1;
        }
        doc.RefreshTypeUsage();
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(t.m_settings.m_userTypes[k].m_bNotInUse, c.m_nType == 5 + k ? 0u : 1u) << k;
    }
}

TEST(DocumentTest, SixteenBitCountNeverWraps) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    // Linked directly: inserting one by one would walk the list each time.
    CEntry** ppTail = &doc.m_pEntries;
    for (int i = 0; i < MAX_COUNT; ++i) {
        *ppTail = MakeEntry(MAY3, 1, false).release();
        ppTail = &(*ppTail)->m_pNext;
    }
    doc.m_nEntries = MAX_COUNT;
    doc.UpdateBalances();
    EXPECT_FALSE(doc.CanInsertEntry());
    EXPECT_FALSE(doc.InsertEntry(MakeEntry(MAY2, 1, false)).has_value());
    ASSERT_EQ(t.m_messages.m_shown.size(), 1u);
    EXPECT_NE(t.m_messages.m_shown[0].m_strText.find("65535"), std::string::npos);
    EXPECT_EQ(doc.m_nEntries, MAX_COUNT);
    EXPECT_DOUBLE_EQ(t.m_status.m_dBalance, MAX_COUNT);
}

TEST(DocumentTest, NewDocumentValuesAndDeleteContents) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    Insert(doc, MakeEntry(MAY3, 5, true));
    doc.AddDescription("x");
    doc.m_nNextCheck = 500;
    doc.m_strBankName = "Bank";
    t.m_settings.m_userTypes[2].m_strName = "Transfer";
    doc.DeleteContents();
    EXPECT_EQ(doc.m_nEntries, 0);
    EXPECT_EQ(doc.m_nDescs, 0);
    EXPECT_EQ(doc.m_nNextCheck, 500); // only the lists and the type table are reset
    EXPECT_EQ(t.m_settings.m_userTypes[2], CUserType());
    doc.OnNewDocument();
    EXPECT_EQ(doc.m_nNextCheck, 101);
    EXPECT_EQ(doc.m_strBankName, "");
    EXPECT_EQ(doc.GetTitle(), "TWDoc");
    EXPECT_EQ(t.m_status.m_dBalance, 0.0);
    EXPECT_EQ(t.m_status.m_nEntries, 0);
}

TEST(DocumentTest, AnnouncesEveryChangeOfTheEntryList) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    CRecordingObserver list;
    doc.SetObserver(&list);
    Insert(doc, MakeEntry(MAY3, 1, true, "B"));
    Insert(doc, MakeEntry(MAY2, 1, true, "A"));
    Insert(doc, MakeEntry(MAY3, 1, true, "C"));
    doc.SetEntryCleared(1, 1);
    doc.RemoveEntry(2, true, true);
    EXPECT_EQ(list.m_events,
              (std::vector<std::string>{"inserted 0", "balances 0", "inserted 0", "balances 0",
                                        "inserted 2", "balances 2", "changed 1", "removed 2"}));
    EXPECT_EQ(doc.GetEntryAt(1)->m_bCleared, 1u);

    // An edit: out without recalculating, back in further down; balances from where it was.
    list.m_events.clear();
    Insert(doc, MakeEntry(MAY3, 1, true, "D"));
    doc.RemoveEntry(0, false, false);
    Insert(doc, MakeEntry(MAY3, 1, true, "A"));
    EXPECT_EQ(list.m_events, (std::vector<std::string>{"inserted 2", "balances 2", "removed 0",
                                                       "inserted 2", "balances 0"}));

    list.m_events.clear();
    doc.OnNewDocument();
    EXPECT_EQ(list.m_events, (std::vector<std::string>{"reset"}));
    doc.SetObserver(nullptr);
}
