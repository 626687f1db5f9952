#include "../support/Fakes.h"
#include "core/tools/UndoDelete.h"
#include <gtest/gtest.h>

namespace {

const std::time_t MAY1 = MakeLocalDate(2000, 5, 1);
const std::time_t MAY2 = MakeLocalDate(2000, 5, 2);
const std::time_t MAY3 = MakeLocalDate(2000, 5, 3);

std::string DeletedDescs(const CTallywiseDoc& doc) {
    std::string s;
    for (const CDeletedEntry& e : doc.DeletedEntries())
        s += e.m_strDesc;
    return s;
}

// A register of A (May 1), B (May 2), C (May 3) after deleting B and then C.
void DeleteTwo(CTestDoc& t) {
    CTallywiseDoc& doc = t.Doc();
    doc.SetStartingBalance(100.0);
    doc.InsertEntry(MakeEntry(MAY1, 10, true, "A"));
    CEntry b = MakeEntry(MAY2, 20, true, "B", TYPE_CHECK, 1234);
    b.m_bCleared = 1;
    doc.InsertEntry(std::move(b));
    doc.InsertEntry(MakeEntry(MAY3, 5, false, "C", 6));
    doc.InsertEntry(MakeEntry(MAY3, 1, true, "D"));
    doc.RemoveEntry(1, true, true);
    doc.RemoveEntry(1, true, true);
}

TEST(UndoDelete, RestoreLandsInDateOrderWithItsFields) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    DeleteTwo(t);
    ASSERT_EQ(DeletedDescs(doc), "BC");
    ASSERT_EQ(EntryDescs(doc), (std::vector<std::string>{"A", "D"}));
    EXPECT_EQ(RestoreDeletedEntry(doc, 0), std::optional<std::uint16_t>(1));
    EXPECT_EQ(EntryDescs(doc), (std::vector<std::string>{"A", "B", "D"}));
    const CEntry e = doc.Entries().at(1);
    EXPECT_EQ(e.m_nCheckNum, 1234);
    EXPECT_EQ(e.m_bCleared, 1u);
    EXPECT_EQ(e.m_nType, TYPE_CHECK);
    EXPECT_EQ(e.m_date, MAY2);
    EXPECT_DOUBLE_EQ(e.m_dBalance, 70.0);
    EXPECT_DOUBLE_EQ(doc.GetEntryAt(2)->m_dBalance, 69.0);
    EXPECT_DOUBLE_EQ(t.m_status.m_dBalance, 69.0);
    EXPECT_EQ(DeletedDescs(doc), "C");
    EXPECT_EQ(doc.DeletedEntries().size(), 1u);
    // Behind the entry already on its date.
    EXPECT_EQ(RestoreDeletedEntry(doc, 0), std::optional<std::uint16_t>(3));
    EXPECT_EQ(EntryDescs(doc), (std::vector<std::string>{"A", "B", "D", "C"}));
    EXPECT_EQ(doc.GetEntryAt(3)->m_nType, 6);
    EXPECT_TRUE(doc.DeletedEntries().empty());
    EXPECT_FALSE(RestoreDeletedEntry(doc, 0).has_value());
}

// Whichever record is restored, exactly that one leaves the deleted list.
TEST(UndoDelete, RestoreTakesFirstMiddleAndLastOutOfTheList) {
    const struct {
        std::uint16_t nIndex;
        bool bRestored;
        const char* pszLeft;
    } cases[] = {
        {0, true, "BCD"},   {1, true, "ACD"},        {3, true, "ABC"},
        {4, false, "ABCD"}, {0xFFFF, false, "ABCD"},
    };
    for (const auto& c : cases) {
        CTestDoc t;
        CTallywiseDoc& doc = t.Doc();
        for (const char* psz : {"A", "B", "C", "D"})
            doc.InsertEntry(MakeEntry(MAY1, 1, true, psz));
        for (int i = 0; i < 4; ++i)
            doc.RemoveEntry(0, true, true);
        EXPECT_EQ(RestoreDeletedEntry(doc, c.nIndex).has_value(), c.bRestored);
        EXPECT_EQ(DeletedDescs(doc), c.pszLeft) << c.nIndex;
        EXPECT_EQ(doc.DeletedEntries().size(), std::string(c.pszLeft).size()) << c.nIndex;
        EXPECT_EQ(doc.EntryCount(), c.bRestored ? 1 : 0) << c.nIndex;
    }
}

TEST(UndoDelete, ARefusedRestoreKeepsTheDeletedEntry) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    DeleteTwo(t);
    FillTo(doc, MAX_COUNT);
    t.m_messages.m_shown.clear();
    EXPECT_FALSE(RestoreDeletedEntry(doc, 1).has_value());
    EXPECT_EQ(DeletedDescs(doc), "BC");
    EXPECT_EQ(doc.DeletedEntries().size(), 2u);
    ASSERT_EQ(t.m_messages.m_shown.size(), 1u);
    EXPECT_NE(t.m_messages.m_shown[0].m_strText.find("65535"), std::string::npos);
}

TEST(UndoDelete, RestoringSeveralIsOneChange) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    DeleteTwo(t);
    doc.InsertEntry(MakeEntry(MAY1, 3, true, "E"));
    doc.RemoveEntry(1, true, true); // deleted: B, C, E
    StartClean(t);
    CRecordingObserver list;
    doc.SetObserver(&list);
    EXPECT_EQ(doc.RestoreDeletedEntries({2, 0, 2, 9}), (std::vector<std::uint16_t>{1, 2}));
    doc.SetObserver(nullptr);
    EXPECT_EQ(EntryDescs(doc), (std::vector<std::string>{"A", "E", "B", "D"}));
    EXPECT_EQ(DeletedDescs(doc), "C");
    EXPECT_EQ(list.m_events, (std::vector<std::string>{"reset", "balances 0"}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_DOUBLE_EQ(t.m_status.m_dBalance, 100.0 - 10 - 3 - 20 - 1);
}

TEST(UndoDelete, RestoringSeveralAtTheLimitKeepsTheRefused) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    DeleteTwo(t);
    FillTo(doc, MAX_COUNT - 1);
    t.m_messages.m_shown.clear();
    EXPECT_EQ(doc.RestoreDeletedEntries({1, 0}).size(), 1u);
    EXPECT_EQ(doc.EntryCount(), MAX_COUNT);
    EXPECT_EQ(doc.GetEntryAt(MAX_COUNT - 1)->m_strDesc, "C");
    EXPECT_EQ(DeletedDescs(doc), "B");
    ASSERT_EQ(t.m_messages.m_shown.size(), 1u);
    EXPECT_NE(t.m_messages.m_shown[0].m_strText.find("65535"), std::string::npos);
}

} // namespace
