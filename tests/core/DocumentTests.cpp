#include "../support/Fakes.h"
#include "core/document/CDescList.h"
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {
const std::time_t MAY2 = MakeLocalDate(2000, 5, 2);
const std::time_t MAY3 = MakeLocalDate(2000, 5, 3);

std::uint16_t Insert(CTallywiseDoc& doc, CEntry e) {
    std::optional<std::uint16_t> pos = doc.InsertEntry(std::move(e));
    EXPECT_TRUE(pos.has_value());
    return pos.value_or(0xFFFF);
}

// A (May 2) and B (May 3) with C deleted, as an unmodified document.
void FillCleanRegister(CTestDoc& t) {
    Insert(t.Doc(), MakeEntry(MAY2, 1, true, "A"));
    Insert(t.Doc(), MakeEntry(MAY3, 1, true, "B"));
    Insert(t.Doc(), MakeEntry(MAY3, 1, true, "C"));
    t.Doc().RemoveEntry(2, true, true);
    StartClean(t);
}

std::vector<double> Balances(const CTallywiseDoc& doc) {
    std::vector<double> v;
    for (const CEntry& e : doc.Entries())
        v.push_back(e.m_dBalance);
    return v;
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
    EXPECT_EQ(t.Doc().EntryCount(), 5);
    // An edit moves the entry behind the others of its date.
    CEntry edited = t.Doc().Entries().at(1);
    EXPECT_EQ(t.Doc().ReplaceEntry(1, edited), std::optional<std::uint16_t>(4));
    EXPECT_EQ(EntryDescs(t.Doc()), (std::vector<std::string>{"E0", "E2", "E3", "E4", "E1"}));
    EXPECT_TRUE(t.Doc().DeletedEntries().empty());
    EXPECT_FALSE(t.Doc().ReplaceEntry(5, edited).has_value());
    EXPECT_EQ(t.Doc().EntryCount(), 5);
}

TEST(DocumentTest, RunningBalancesAndPublishedFigures) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    doc.SetStartingBalance(100.0);
    EXPECT_EQ(t.m_status.m_dBalance, 100.0); // empty register: the starting balance
    EXPECT_EQ(t.m_status.m_nEntries, 0);
    Insert(doc, MakeEntry(MAY2, 50.0, false));
    Insert(doc, MakeEntry(MAY3, 30.0, true));
    EXPECT_DOUBLE_EQ(doc.GetEntryAt(0)->m_dBalance, 150.0);
    EXPECT_DOUBLE_EQ(doc.GetEntryAt(1)->m_dBalance, 120.0);
    EXPECT_DOUBLE_EQ(t.m_status.m_dBalance, 120.0);
    EXPECT_EQ(t.m_status.m_nEntries, 2);
    EXPECT_TRUE(doc.IsModified()); // inserting marks the document itself
    StartClean(t);
    doc.RemoveEntry(0, true, true);
    EXPECT_DOUBLE_EQ(doc.GetEntryAt(0)->m_dBalance, 70.0);
    EXPECT_DOUBLE_EQ(t.m_status.m_dBalance, 70.0);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_EQ(doc.DeletedEntries().size(), 1u);
    EXPECT_EQ(doc.DeletedEntries()[0].m_dBalance, 0.0);
    EXPECT_EQ(doc.DeletedEntries()[0].m_dAmount, 50.0);
}

TEST(DocumentTest, DeletedListWarningsAndLimit) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    for (int i = 0; i < 101; ++i)
        Insert(doc, MakeEntry(MAY3, i, true, "d" + std::to_string(i)));
    for (int i = 0; i < 99; ++i)
        doc.RemoveEntry(0, true, true);
    EXPECT_TRUE(t.m_messages.m_shown.empty());
    ASSERT_EQ(doc.DeletedEntries().size(), 99u);
    doc.RemoveEntry(0, true, true);
    ASSERT_EQ(t.m_messages.m_shown.size(), 1u);
    EXPECT_EQ(t.m_messages.m_shown[0].m_strText.rfind("You have reached the maximum number\nof "
                                                      "100 deleted entries",
                                                      0),
              0u);
    EXPECT_EQ(t.m_messages.m_shown[0].m_icon, EMsgIcon::Exclamation);
    EXPECT_EQ(doc.DeletedEntries().size(), 100u); // the 100th is still kept
    doc.RemoveEntry(0, true, true);
    ASSERT_EQ(t.m_messages.m_shown.size(), 2u);
    EXPECT_EQ(t.m_messages.m_shown[1].m_strText,
              "This entry will not be stored in\nthe undo delete list.");
    EXPECT_EQ(doc.DeletedEntries().size(), 100u);
    EXPECT_EQ(doc.EntryCount(), 0);
    // Oldest first.
    EXPECT_EQ(doc.DeletedEntries().front().m_strDesc, "d0");
}

TEST(DocumentTest, DescriptionRefusals) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    doc.AddDescription("Rent");
    doc.AddDescription("rent");
    doc.AddDescription("Rent");
    doc.AddDescription("");
    EXPECT_EQ(doc.Descriptions(), (CDescList{"Rent", "rent"}));
    for (int i = static_cast<int>(doc.Descriptions().size()); i < MAX_DESCS; ++i)
        doc.AddDescription("x" + std::to_string(i));
    EXPECT_EQ(doc.Descriptions().size(), static_cast<std::size_t>(MAX_DESCS));
    doc.AddDescription("one too many");
    EXPECT_EQ(doc.Descriptions().size(), static_cast<std::size_t>(MAX_DESCS));
    const CDescList& descs = doc.Descriptions();
    EXPECT_EQ(std::find(descs.begin(), descs.end(), "one too many"), descs.end());
}

// The dialogs edit a copy of the list and hand it back whole.
TEST(DocumentTest, DescriptionListTakesAnEditedCopy) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    for (const char* s : {"a", "b", "c"})
        doc.AddDescription(s);
    CDescList edited = doc.Descriptions();
    edited.erase(edited.begin() + 1);
    StartClean(t);
    doc.SetDescriptions(edited);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Descriptions(), (CDescList{"a", "c"}));
    doc.SetDescriptions({});
    EXPECT_TRUE(doc.Descriptions().empty());

    CDescList full;
    for (int i = 0; i < MAX_DESCS; ++i)
        full.push_back("x" + std::to_string(i));
    const struct {
        CDescList descs;
        const char* pszText;
        bool bAdds;
    } cases[] = {
        {{"a"}, "b", true}, {{"a"}, "a", false},  {{"a"}, "A", true},
        {{}, "", false},    {full, "new", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CanAddDescription(c.descs, c.pszText), c.bAdds) << c.pszText;
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
            CAutoEntry a;
            a.m_nType = static_cast<std::int8_t>(c.m_nType);
            doc.SetAutoEntries({a});
        }
        doc.RefreshTypeUsage();
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(t.m_settings.m_userTypes[k].m_bNotInUse, c.m_nType == 5 + k ? 0u : 1u) << k;
    }
}

TEST(DocumentTest, SixteenBitCountNeverWraps) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    // All at once: one by one, every insertion would move the entries behind it.
    doc.InsertEntries(std::vector<CEntry>(MAX_COUNT, MakeEntry(MAY3, 1, false)));
    EXPECT_FALSE(doc.CanInsertEntry());
    EXPECT_FALSE(doc.InsertEntry(MakeEntry(MAY2, 1, false)).has_value());
    ASSERT_EQ(t.m_messages.m_shown.size(), 1u);
    EXPECT_NE(t.m_messages.m_shown[0].m_strText.find("65535"), std::string::npos);
    EXPECT_EQ(doc.EntryCount(), MAX_COUNT);
    EXPECT_DOUBLE_EQ(t.m_status.m_dBalance, MAX_COUNT);
}

TEST(DocumentTest, NewDocumentValuesAndDeleteContents) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    Insert(doc, MakeEntry(MAY3, 5, true));
    doc.AddDescription("x");
    doc.SetNextCheck(500);
    doc.SetBankInfo(CBankInfo{"Bank", "", ""});
    t.m_settings.m_userTypes[2].m_strName = "Transfer";
    doc.DeleteContents();
    EXPECT_EQ(doc.EntryCount(), 0);
    EXPECT_TRUE(doc.Descriptions().empty());
    EXPECT_EQ(doc.NextCheck(), 500); // only the lists and the type table are reset
    EXPECT_EQ(t.m_settings.m_userTypes[2], CUserType());
    doc.OnNewDocument();
    EXPECT_EQ(doc.NextCheck(), 101);
    EXPECT_EQ(doc.BankInfo().m_strBankName, "");
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

TEST(DocumentTest, EveryOperationMarksModifiedAndAnnouncesItself) {
    using V = std::vector<std::string>;
    const struct {
        const char* pszName;
        std::function<void(CTallywiseDoc&)> fnChange;
        V events;
    } cases[] = {
        {"InsertEntry",
         [](CTallywiseDoc& d) { d.InsertEntry(MakeEntry(MAY2, 1, true, "N")); },
         {"inserted 1", "balances 1"}},
        {"InsertEntries",
         [](CTallywiseDoc& d) {
             d.InsertEntries({MakeEntry(MAY3, 1, true), MakeEntry(MAY2, 1, true)});
         },
         {"reset", "balances 0"}},
        {"RemoveEntry",
         [](CTallywiseDoc& d) { d.RemoveEntry(0, true, true); },
         {"removed 0", "balances 0"}},
        {"ReplaceEntry",
         [](CTallywiseDoc& d) { d.ReplaceEntry(0, MakeEntry(MAY3, 2, true, "A")); },
         {"removed 0", "inserted 1", "balances 0"}},
        {"SetEntryCleared", [](CTallywiseDoc& d) { d.SetEntryCleared(1, 1); }, {"changed 1"}},
        {"RemoveArchivedEntries", [](CTallywiseDoc& d) { d.RemoveArchivedEntries(1); }, {"reset"}},
        {"RestoreDeletedEntries",
         [](CTallywiseDoc& d) { d.RestoreDeletedEntries({0}); },
         {"reset", "balances 0"}},
        {"SetStartingBalance", [](CTallywiseDoc& d) { d.SetStartingBalance(5.0); }, {"document", "balances 0"}},
        {"UserTypesChanged", [](CTallywiseDoc& d) { d.UserTypesChanged(); }, {"reset"}},
        {"AddDescription", [](CTallywiseDoc& d) { d.AddDescription("N"); }, {"document"}},
        {"SetDescriptions", [](CTallywiseDoc& d) { d.SetDescriptions({"N"}); }, {"document"}},
        {"SetAutoEntries", [](CTallywiseDoc& d) { d.SetAutoEntries({CAutoEntry()}); }, {"document"}},
        {"SetDeletedEntries", [](CTallywiseDoc& d) { d.SetDeletedEntries({}); }, {"document"}},
        {"SetNextCheck", [](CTallywiseDoc& d) { d.SetNextCheck(7); }, {"document"}},
        {"SetBankInfo",
         [](CTallywiseDoc& d) {
             d.SetBankInfo({"B", "1", "N"});
         },
         {"document"}},
        {"SetPassword", [](CTallywiseDoc& d) { d.SetPassword("pw"); }, {"document"}},
        {"ClearPassword", [](CTallywiseDoc& d) { d.ClearPassword(); }, {"document"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CTestDoc t;
        CTallywiseDoc& doc = t.Doc();
        FillCleanRegister(t);
        ASSERT_FALSE(doc.IsModified());
        CRecordingObserver list;
        doc.SetObserver(&list);
        c.fnChange(doc);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(list.m_events, c.events);
        doc.SetObserver(nullptr);
    }
}

TEST(DocumentTest, InsertEntriesPlacesEachAsOneByOneInsertsWould) {
    const struct {
        const char* pszName;
        std::vector<int> registerDays; // days of May already in the register
        std::vector<int> newDays;      // in the order given
    } cases[] = {
        {"into an empty register", {}, {3, 2, 3, 1}},
        {"equal dates: the register's first, then the new in the order given", {3, 3}, {3, 3}},
        {"before, between, on and after", {2, 4}, {5, 1, 3, 4, 2}},
        {"all before the register", {6, 7}, {2, 1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CTestDoc bulk, single;
        for (std::size_t i = 0; i < c.registerDays.size(); ++i) {
            const CEntry e = MakeEntry(MakeLocalDate(2000, 5, c.registerDays[i]), 1, true,
                                       "r" + std::to_string(i));
            Insert(bulk.Doc(), e);
            Insert(single.Doc(), e);
        }
        std::vector<CEntry> added;
        for (std::size_t i = 0; i < c.newDays.size(); ++i)
            added.push_back(MakeEntry(MakeLocalDate(2000, 5, c.newDays[i]), 1.0 + i, i % 2 == 0,
                                      "n" + std::to_string(i)));
        CRecordingObserver list;
        bulk.Doc().SetObserver(&list);
        const std::vector<std::uint16_t> positions = bulk.Doc().InsertEntries(added);
        bulk.Doc().SetObserver(nullptr);
        for (const CEntry& e : added)
            Insert(single.Doc(), e);
        EXPECT_EQ(EntryDescs(bulk.Doc()), EntryDescs(single.Doc()));
        EXPECT_EQ(Balances(bulk.Doc()), Balances(single.Doc()));
        EXPECT_EQ(bulk.m_status.m_dBalance, single.m_status.m_dBalance);
        ASSERT_EQ(positions.size(), added.size());
        for (std::size_t i = 0; i < added.size(); ++i)
            EXPECT_EQ(bulk.Doc().GetEntryAt(positions[i])->m_strDesc, added[i].m_strDesc) << i;
        EXPECT_EQ(list.m_events, (std::vector<std::string>{"reset", "balances 0"}));
    }
}

TEST(DocumentTest, InsertEntriesPastTheLimitTakesWhatFits) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    doc.InsertEntries(std::vector<CEntry>(MAX_COUNT - 2, MakeEntry(MAY3, 1, false)));
    EXPECT_TRUE(t.m_messages.m_shown.empty());
    std::vector<CEntry> more;
    for (const char* psz : {"a", "b", "c", "d"})
        more.push_back(MakeEntry(MAY2, 1, false, psz));
    EXPECT_EQ(doc.InsertEntries(more), (std::vector<std::uint16_t>{0, 1}));
    EXPECT_EQ(doc.EntryCount(), MAX_COUNT);
    EXPECT_EQ(doc.GetEntryAt(0)->m_strDesc, "a");
    EXPECT_EQ(doc.GetEntryAt(1)->m_strDesc, "b");
    ASSERT_EQ(t.m_messages.m_shown.size(), 1u);
    EXPECT_NE(t.m_messages.m_shown[0].m_strText.find("65535"), std::string::npos);
    // A full register takes none, and says so once more.
    EXPECT_TRUE(doc.InsertEntries(more).empty());
    EXPECT_EQ(t.m_messages.m_shown.size(), 2u);
    EXPECT_EQ(doc.EntryCount(), MAX_COUNT);
}
