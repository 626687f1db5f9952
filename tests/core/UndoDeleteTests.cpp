#include "../support/Fakes.h"
#include "core/tools/UndoDelete.h"
#include <gtest/gtest.h>

namespace {

const std::time_t MAY1 = MakeLocalDate(2000, 5, 1);
const std::time_t MAY2 = MakeLocalDate(2000, 5, 2);
const std::time_t MAY3 = MakeLocalDate(2000, 5, 3);

std::string DeletedDescs(const CTallywiseDoc& doc) {
    std::string s;
    for (const CDeletedEntry* e = doc.m_pDeleted; e; e = e->m_pNext)
        s += e->m_strDesc;
    return s;
}

// A register of A (May 1), B (May 2), C (May 3) after deleting B and then C.
void DeleteTwo(CTestDoc& t) {
    CTallywiseDoc& doc = t.Doc();
    doc.m_dStartBal = 100.0;
    doc.InsertEntry(MakeEntry(MAY1, 10, true, "A"));
    auto b = MakeEntry(MAY2, 20, true, "B", TYPE_CHECK, 1234);
    b->m_bCleared = 1;
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
    const CEntry* e = doc.GetEntryAt(1);
    EXPECT_EQ(e->m_nCheckNum, 1234);
    EXPECT_EQ(e->m_bCleared, 1u);
    EXPECT_EQ(e->m_nType, TYPE_CHECK);
    EXPECT_EQ(e->m_date, MAY2);
    EXPECT_DOUBLE_EQ(e->m_dBalance, 70.0);
    EXPECT_DOUBLE_EQ(doc.GetEntryAt(2)->m_dBalance, 69.0);
    EXPECT_DOUBLE_EQ(t.m_status.m_dBalance, 69.0);
    EXPECT_EQ(DeletedDescs(doc), "C");
    EXPECT_EQ(doc.m_nDeleted, 1);
    // Behind the entry already on its date.
    EXPECT_EQ(RestoreDeletedEntry(doc, 0), std::optional<std::uint16_t>(3));
    EXPECT_EQ(EntryDescs(doc), (std::vector<std::string>{"A", "B", "D", "C"}));
    EXPECT_EQ(doc.GetEntryAt(3)->m_nType, 6);
    EXPECT_EQ(doc.m_pDeleted, nullptr);
    EXPECT_EQ(doc.m_nDeleted, 0);
    EXPECT_FALSE(RestoreDeletedEntry(doc, 0).has_value());
}

TEST(UndoDelete, RemoveUnlinksFirstMiddleAndLast) {
    const struct {
        std::uint16_t nIndex;
        bool bRemoved;
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
        EXPECT_EQ(RemoveDeletedEntry(doc.m_pDeleted, doc.m_nDeleted, c.nIndex), c.bRemoved);
        EXPECT_EQ(DeletedDescs(doc), c.pszLeft) << c.nIndex;
        EXPECT_EQ(doc.m_nDeleted, std::string(c.pszLeft).size()) << c.nIndex;
    }
}

TEST(UndoDelete, ARefusedRestoreKeepsTheDeletedEntry) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    DeleteTwo(t);
    CEntry** ppTail = &doc.m_pEntries;
    while (*ppTail)
        ppTail = &(*ppTail)->m_pNext;
    for (int i = doc.m_nEntries; i < MAX_COUNT; ++i) {
        *ppTail = MakeEntry(MAY3, 1, false).release();
        ppTail = &(*ppTail)->m_pNext;
    }
    doc.m_nEntries = MAX_COUNT;
    t.m_messages.m_shown.clear();
    EXPECT_FALSE(RestoreDeletedEntry(doc, 1).has_value());
    EXPECT_EQ(DeletedDescs(doc), "BC");
    EXPECT_EQ(doc.m_nDeleted, 2);
    ASSERT_EQ(t.m_messages.m_shown.size(), 1u);
    EXPECT_NE(t.m_messages.m_shown[0].m_strText.find("65535"), std::string::npos);
}

} // namespace
