#include "../support/Fakes.h"
#include "core/tools/AutoEntries.h"
#include <gtest/gtest.h>

namespace {

struct CDate {
    int y, m, d;
};

std::time_t At(CDate date, int nHour = 0) {
    return MakeLocalDate(date.y, date.m, date.d) + nHour * 3600;
}

std::string Show(std::time_t t) {
    return FormatDate(t, "%Y-%m-%d %H:%M");
}

// Appends a definition to the document's list; returns its index.
std::size_t AddAuto(CTallywiseDoc& doc, std::uint32_t nFrequency, int nDay, std::time_t next,
                    const std::string& strDesc = "Rent", double dAmount = 450.0, bool bDebit = true,
                    int nType = TYPE_OTHER) {
    CAutoEntry a;
    a.m_strDesc = strDesc;
    a.m_nType = static_cast<std::int8_t>(nType);
    a.m_dAmount = dAmount;
    a.m_bDebit = bDebit ? 1 : 0;
    a.m_nFrequency = nFrequency;
    a.m_nDay = static_cast<std::int8_t>(nDay);
    a.m_nextDate = next;
    std::vector<CAutoEntry> autos = doc.AutoEntries();
    autos.push_back(std::move(a));
    doc.SetAutoEntries(std::move(autos));
    return doc.AutoEntries().size() - 1;
}

std::time_t NextDate(const CTallywiseDoc& doc, std::size_t nIndex) {
    return doc.AutoEntries().at(nIndex).m_nextDate;
}

std::string Question(const char* pszDate, const char* pszDesc, const char* pszAmount) {
    return std::string("Add automatic entry: \n\n     ") + pszDate + "\n     " + pszDesc +
           "\n     " + pszAmount;
}

void Answer(CTestDoc& t, std::initializer_list<EAnswer> answers) {
    t.m_messages.m_answers.insert(t.m_messages.m_answers.end(), answers);
}

// The dates are calendar dates, so one table serves every time zone the tests run in;
// New York and Auckland move their clocks in opposite halves of the year.
TEST(AutoDates, MonthlyStepCapsTheDayPerMonth) {
    const struct {
        CDate from;
        int nDay;
        CDate expected;
    } cases[] = {
        {{2004, 1, 31}, 31, {2004, 2, 29}}, // leap year
        {{2004, 2, 29}, 31, {2004, 3, 31}}, // the stored day comes back
        {{2003, 1, 31}, 31, {2003, 2, 28}},
        {{2000, 1, 31}, 31, {2000, 2, 29}}, // divisible by 400
        {{2100, 1, 31}, 30, {2100, 2, 28}}, // a century is no leap year
        {{2004, 3, 31}, 31, {2004, 4, 30}},
        {{2004, 8, 31}, 31, {2004, 9, 30}},
        {{2003, 12, 15}, 15, {2004, 1, 15}}, // year wraps
        {{2003, 12, 31}, 31, {2004, 1, 31}},
        {{2010, 2, 14}, 14, {2010, 3, 14}}, // New York springs forward that day
        {{2010, 10, 7}, 7, {2010, 11, 7}},  // and falls back
        {{2010, 3, 4}, 4, {2010, 4, 4}},    // Auckland falls back
        {{2010, 8, 26}, 26, {2010, 9, 26}}, // and springs forward
        {{2004, 5, 1}, 1, {2004, 6, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Show(NextMonthlyDate(At(c.from), c.nDay)), Show(At(c.expected)))
            << c.from.y << "-" << c.from.m << "-" << c.from.d << " day " << c.nDay;
    }
}

TEST(AutoDates, EveryNDaysStepLandsNCalendarDaysLaterAtMidnight) {
    const struct {
        CDate from;
        int nDays;
        CDate expected;
    } cases[] = {
        {{2004, 5, 1}, 1, {2004, 5, 2}},
        {{2004, 2, 28}, 1, {2004, 2, 29}},
        {{2004, 12, 25}, 14, {2005, 1, 8}},
        {{2004, 1, 1}, 31, {2004, 2, 1}},
        // Every change of the clocks, both ways, in both zones with daylight saving.
        {{2010, 3, 13}, 1, {2010, 3, 14}},
        {{2010, 3, 14}, 1, {2010, 3, 15}},
        {{2010, 3, 10}, 7, {2010, 3, 17}},
        {{2010, 11, 6}, 1, {2010, 11, 7}},
        {{2010, 11, 7}, 1, {2010, 11, 8}}, // a 25-hour day: 24 hours alone would stay put
        {{2010, 11, 1}, 14, {2010, 11, 15}},
        {{2010, 4, 3}, 1, {2010, 4, 4}},
        {{2010, 4, 4}, 1, {2010, 4, 5}},
        {{2010, 3, 30}, 7, {2010, 4, 6}},
        {{2010, 9, 25}, 1, {2010, 9, 26}},
        {{2010, 9, 26}, 1, {2010, 9, 27}},
        {{2010, 9, 20}, 31, {2010, 10, 21}},
    };
    for (const auto& c : cases) {
        const std::time_t next = NextEveryNDaysDate(At(c.from), c.nDays);
        EXPECT_EQ(Show(next), Show(At(c.expected)))
            << c.from.y << "-" << c.from.m << "-" << c.from.d << " + " << c.nDays;
        EXPECT_EQ(next, ToLocalMidnight(next));
    }
}

TEST(AutoDates, FirstMonthlyDate) {
    const struct {
        CDate today;
        int nDay;
        CDate expected;
    } cases[] = {
        {{2000, 5, 3}, 3, {2000, 5, 3}}, // today's day: due today
        {{2000, 5, 3}, 4, {2000, 5, 4}},     {{2000, 5, 3}, 2, {2000, 6, 2}},
        {{2000, 5, 3}, 31, {2000, 5, 31}},   {{2004, 2, 10}, 31, {2004, 2, 29}},
        {{2003, 2, 10}, 30, {2003, 2, 28}},  {{2003, 1, 31}, 30, {2003, 2, 28}},
        {{2003, 12, 15}, 10, {2004, 1, 10}}, {{2100, 2, 1}, 29, {2100, 2, 28}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Show(FirstMonthlyDate(At(c.today, 15), c.nDay)), Show(At(c.expected)))
            << c.today.y << "-" << c.today.m << "-" << c.today.d << " day " << c.nDay;
    }
}

// Whole calendar steps from the start: the hour of the day and daylight saving change nothing.
TEST(AutoDates, FirstEveryNDaysDateIsTheFirstCalendarStepAfterToday) {
    const struct {
        const char* pszName;
        CDate start;
        int nDays;
        CDate today;
        CDate expected;
    } cases[] = {
        {"start in the future stays", {2000, 5, 10}, 7, {2000, 5, 3}, {2000, 5, 10}},
        {"start today moves on", {2000, 5, 3}, 14, {2000, 5, 3}, {2000, 5, 17}},
        {"a step on today moves on", {2000, 4, 26}, 7, {2000, 5, 3}, {2000, 5, 10}},
        {"every 1 from a year back", {1999, 5, 3}, 1, {2000, 5, 3}, {2000, 5, 4}},
        {"every 7 across both changes", {2010, 3, 1}, 7, {2010, 11, 20}, {2010, 11, 22}},
        {"every 31", {2010, 1, 1}, 31, {2010, 4, 1}, {2010, 4, 4}},
        {"weekly from three years back", {2023, 12, 11}, 7, {2026, 12, 9}, {2026, 12, 14}},
        {"every 14 across a change", {2026, 10, 28}, 14, {2026, 12, 9}, {2026, 12, 23}},
    };
    for (const auto& c : cases) {
        for (const int nHour : {0, 2, 3, 12, 22}) {
            EXPECT_EQ(Show(FirstEveryNDaysDate(At(c.start), c.nDays, At(c.today, nHour))),
                      Show(At(c.expected)))
                << c.pszName << " at " << nHour << ":00";
        }
    }
}

TEST(AutoDates, DamagedDefinitionsAreRecognised) {
    const struct {
        std::uint32_t nFrequency;
        int nDay;
        bool bValid;
    } cases[] = {
        {1, 1, true},  {1, 31, true},  {0, 1, true},           {0, 31, true},  {1, 0, false},
        {0, 0, false}, {1, 32, false}, {0, 32, false},         {1, -1, false}, {0, -128, false},
        {2, 5, false}, {7, 5, false},  {0xFFFFFFFF, 5, false},
    };
    for (const auto& c : cases) {
        CAutoEntry a;
        a.m_nFrequency = c.nFrequency;
        a.m_nDay = static_cast<std::int8_t>(c.nDay);
        EXPECT_EQ(IsValidAutoEntry(a), c.bValid) << c.nFrequency << " " << c.nDay;
    }
}

TEST(AutoEntryText, QuestionAndPostedEntry) {
    CAutoEntry a;
    a.m_strDesc = "Rent";
    a.m_nextDate = MakeLocalDate(2001, 3, 1);
    a.m_dAmount = 450.0;
    a.m_bDebit = 1;
    EXPECT_EQ(AutoEntryQuestion(a), Question("March 01, 2001", "Rent", "-450.00"));
    a.m_strDesc = "Pay";
    a.m_dAmount = 1234.5;
    a.m_bDebit = 0;
    a.m_nextDate = MakeLocalDate(2010, 11, 7);
    EXPECT_EQ(AutoEntryQuestion(a), Question("November 07, 2010", "Pay", "+1234.50"));
    // The sign is that of what the entry adds to the balance; 0.00 adds nothing.
    const struct {
        double dAmount;
        bool bDebit;
        const char* pszShown;
    } signs[] = {{0.0, true, "0.00"},     {0.0, false, "0.00"},
                 {0.001, true, "0.00"},   {-99999.99, false, "-99999.99"},
                 {-12.5, true, "+12.50"}, {99999.99, true, "-99999.99"}};
    for (const auto& c : signs) {
        a.m_dAmount = c.dAmount;
        a.m_bDebit = c.bDebit ? 1 : 0;
        EXPECT_EQ(AutoEntryQuestion(a), Question("November 07, 2010", "Pay", c.pszShown))
            << c.dAmount << (c.bDebit ? " debit" : " credit");
    }
    a.m_dAmount = 1234.5;
    a.m_bDebit = 0;

    a.m_nType = 7;
    const CEntry e = MakePostedEntry(a);
    EXPECT_EQ(e.m_nCheckNum, 0);
    EXPECT_EQ(e.m_date, a.m_nextDate);
    EXPECT_EQ(e.m_strDesc, "Pay");
    EXPECT_EQ(e.m_nType, 7);
    EXPECT_DOUBLE_EQ(e.m_dAmount, 1234.5);
    EXPECT_EQ(e.m_bDebit, 0u);
    EXPECT_EQ(e.m_bCleared, 0u);
}

TEST(AutoTypeList, IndexAndCodeBothWays) {
    CUserTypeTable types{};
    types[0] = {"Transfer", "X", 1, 1};
    types[1] = {"Off", "F", 0, 1};
    types[2] = {"Loan", "L", 1, 1};
    EXPECT_EQ(AutoTypeListNames(types),
              (std::vector<std::string>{"Check Card", "Teller", "Other", "Transfer", "Loan"}));
    const struct {
        int nIndex;
        int nType;
    } toType[] = {{0, 2}, {1, 3}, {2, 4}, {3, 5}, {4, 7}, {5, TYPE_TELLER}, {-1, TYPE_TELLER}};
    for (const auto& c : toType)
        EXPECT_EQ(AutoTypeFromListIndex(c.nIndex, types), c.nType) << c.nIndex;
    const struct {
        int nType;
        int nIndex;
    } toIndex[] = {{2, 0},
                   {3, 1},
                   {4, 2},
                   {5, 3},
                   {7, 4},
                   // A switched-off type counts as the next enabled one, or Teller.
                   {6, 4},
                   {8, 1},
                   // Codes a definition cannot hold fall back to Teller.
                   {0, 1},
                   {1, 1},
                   {9, 1},
                   {100, 1},
                   {-3, 1}};
    for (const auto& c : toIndex)
        EXPECT_EQ(AutoTypeListIndex(c.nType, types), c.nIndex) << c.nType;
}

// The dialog edits a copy of the list; the document takes it back whole, in its order.
TEST(AutoList, AnEditedCopyReplacesTheList) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    for (const char* psz : {"A", "B", "C", "D"})
        AddAuto(doc, AUTO_MONTHLY, 1, At({2000, 6, 1}), psz);
    auto descs = [&doc] {
        std::string s;
        for (const CAutoEntry& a : doc.AutoEntries())
            s += a.m_strDesc;
        return s;
    };
    EXPECT_EQ(descs(), "ABCD");
    std::vector<CAutoEntry> edited = doc.AutoEntries();
    edited.erase(edited.begin() + 3);
    edited.erase(edited.begin() + 1);
    StartClean(t);
    doc.SetAutoEntries(edited);
    EXPECT_EQ(descs(), "AC");
    EXPECT_TRUE(doc.IsModified());
    doc.SetAutoEntries({});
    EXPECT_TRUE(doc.AutoEntries().empty());
    // The list reaches the file and comes back in the same order.
    doc.SetAutoEntries(edited);
    StartClean(t);
    EXPECT_EQ(descs(), "AC");
}

// ---- Posting -------------------------------------------------------------------------

TEST(AutoPosting, Day31MonthlyPostsOnTheLastDayOfShorterMonths) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    const std::size_t a = AddAuto(doc, AUTO_MONTHLY, 31, At({2004, 1, 31}));
    Answer(t, {EAnswer::Yes, EAnswer::Yes, EAnswer::Yes});
    const CPostResult r = PostDueAutoEntries(doc, At({2004, 3, 31}, 9));
    EXPECT_EQ(t.m_messages.Texts(),
              (std::vector<std::string>{Question("January 31, 2004", "Rent", "-450.00"),
                                        Question("February 29, 2004", "Rent", "-450.00"),
                                        Question("March 31, 2004", "Rent", "-450.00")}));
    EXPECT_EQ(r.m_nOffered, 3);
    EXPECT_EQ(r.m_nPosted, 3);
    EXPECT_EQ(Show(NextDate(doc, a)), Show(At({2004, 4, 30})));
    EXPECT_EQ(doc.AutoEntries()[a].m_nDay, 31);
    ASSERT_EQ(doc.EntryCount(), 3);
    EXPECT_EQ(Show(doc.GetEntryAt(1)->m_date), Show(At({2004, 2, 29})));
}

TEST(AutoPosting, EveryAnswerMovesOnYesPostsAndTheDocumentIsModified) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    t.m_settings.m_nACleared = 1; // not applied to posted entries
    doc.SetStartingBalance(1000.0);
    doc.InsertEntry(MakeEntry(At({2000, 3, 1}), 10.0, true, "Before"));
    const std::size_t a = AddAuto(doc, AUTO_MONTHLY, 1, At({2000, 3, 1}), "Rent", 450.0, true, 5);
    StartClean(t);
    CRecordingObserver list;
    doc.SetObserver(&list);
    Answer(t, {EAnswer::Yes, EAnswer::No, EAnswer::Yes});
    const CPostResult r = PostDueAutoEntries(doc, t.m_clock.m_now); // May 3, 2000
    EXPECT_EQ(t.m_messages.Texts(),
              (std::vector<std::string>{Question("March 01, 2000", "Rent", "-450.00"),
                                        Question("April 01, 2000", "Rent", "-450.00"),
                                        Question("May 01, 2000", "Rent", "-450.00")}));
    EXPECT_EQ(r.m_nPosted, 2);
    EXPECT_TRUE(doc.IsModified());
    // The moved definitions, then both posted entries as one change.
    EXPECT_EQ(list.m_events, (std::vector<std::string>{"document", "reset", "balances 0"}));
    doc.SetObserver(nullptr);
    EXPECT_GT(NextDate(doc, a), t.m_clock.m_now);
    EXPECT_EQ(Show(NextDate(doc, a)), Show(At({2000, 6, 1})));
    EXPECT_EQ(EntryDescs(doc), (std::vector<std::string>{"Before", "Rent", "Rent"}));
    // Behind the entry already on March 1; the last one posted is selected.
    const CEntry e = doc.Entries().at(1);
    EXPECT_EQ(e.m_date, At({2000, 3, 1}));
    EXPECT_EQ(e.m_nType, 5);
    EXPECT_EQ(e.m_nCheckNum, 0);
    EXPECT_EQ(e.m_bCleared, 0u);
    EXPECT_EQ(e.m_bDebit, 1u);
    EXPECT_EQ(Show(doc.GetEntryAt(2)->m_date), Show(At({2000, 5, 1})));
    EXPECT_EQ(r.m_nLastPos, std::optional<std::uint16_t>(2));
    EXPECT_DOUBLE_EQ(doc.GetEntryAt(2)->m_dBalance, 1000.0 - 10.0 - 900.0);
    EXPECT_DOUBLE_EQ(t.m_status.m_dBalance, 90.0);
}

TEST(AutoPosting, AllNoStillMovesOnAndMarksModified) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    const std::size_t a = AddAuto(doc, AUTO_EVERY_N_DAYS, 14, At({2000, 4, 1}), "Pay", 800, false);
    StartClean(t);
    Answer(t, {EAnswer::No, EAnswer::No, EAnswer::No});
    PostDueAutoEntries(doc, t.m_clock.m_now);
    EXPECT_EQ(t.m_messages.Texts(),
              (std::vector<std::string>{Question("April 01, 2000", "Pay", "+800.00"),
                                        Question("April 15, 2000", "Pay", "+800.00"),
                                        Question("April 29, 2000", "Pay", "+800.00")}));
    EXPECT_EQ(doc.EntryCount(), 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Show(NextDate(doc, a)), Show(At({2000, 5, 13})));
}

TEST(AutoPosting, DueTodayIsOfferedNothingDueAsksNothing) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    EXPECT_EQ(PostDueAutoEntries(doc, t.m_clock.m_now).m_nOffered, 0);
    AddAuto(doc, AUTO_MONTHLY, 4, At({2000, 5, 4}));
    AddAuto(doc, AUTO_EVERY_N_DAYS, 3, At({2000, 5, 4}));
    StartClean(t);
    EXPECT_EQ(PostDueAutoEntries(doc, t.m_clock.m_now).m_nOffered, 0);
    EXPECT_TRUE(t.m_messages.m_shown.empty());
    EXPECT_FALSE(doc.IsModified());
    const std::size_t a = AddAuto(doc, AUTO_MONTHLY, 3, FirstMonthlyDate(t.m_clock.m_now, 3));
    Answer(t, {EAnswer::Yes});
    EXPECT_EQ(PostDueAutoEntries(doc, t.m_clock.m_now).m_nOffered, 1);
    EXPECT_EQ(Show(NextDate(doc, a)), Show(At({2000, 6, 3})));
}

TEST(AutoPosting, DefinitionsInListOrderEachOldestFirst) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    AddAuto(doc, AUTO_EVERY_N_DAYS, 7, At({2000, 4, 25}), "B");
    AddAuto(doc, AUTO_MONTHLY, 15, At({2000, 3, 15}), "A");
    Answer(t, {EAnswer::Yes, EAnswer::Yes, EAnswer::Yes, EAnswer::Yes});
    PostDueAutoEntries(doc, t.m_clock.m_now);
    EXPECT_EQ(t.m_messages.Texts(),
              (std::vector<std::string>{Question("April 25, 2000", "B", "-450.00"),
                                        Question("May 02, 2000", "B", "-450.00"),
                                        Question("March 15, 2000", "A", "-450.00"),
                                        Question("April 15, 2000", "A", "-450.00")}));
    EXPECT_EQ(EntryDescs(doc), (std::vector<std::string>{"A", "A", "B", "B"}));
}

TEST(AutoPosting, DamagedDefinitionsAreNeitherOfferedNorChanged) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    const std::time_t old = At({2000, 1, 1});
    const struct {
        std::uint32_t nFrequency;
        int nDay;
    } damaged[] = {{1, 0}, {1, 32}, {0, 0}, {0, -7}, {2, 5}, {0xFFFFFFFF, 1}};
    for (const auto& d : damaged)
        AddAuto(doc, d.nFrequency, d.nDay, old, "Damaged");
    const std::size_t nGood = AddAuto(doc, AUTO_MONTHLY, 1, At({2000, 5, 1}), "Good");
    Answer(t, {EAnswer::Yes});
    PostDueAutoEntries(doc, t.m_clock.m_now);
    EXPECT_EQ(t.m_messages.Texts(),
              (std::vector<std::string>{Question("May 01, 2000", "Good", "-450.00")}));
    ASSERT_EQ(doc.AutoEntries().size(), 7u);
    for (std::size_t i = 0; i < nGood; ++i) {
        const CAutoEntry& a = doc.AutoEntries()[i];
        EXPECT_EQ(a.m_nextDate, old) << i;
        EXPECT_EQ(a.m_nFrequency, damaged[i].nFrequency) << i;
        EXPECT_EQ(a.m_nDay, damaged[i].nDay) << i;
    }
}

// Whatever date a file holds, posting ends with the definition in the future.
TEST(AutoPosting, EndsOnAnyStoredDate) {
    const std::time_t dates[] = {
        0, 1, 86399, 0x7FFFFFFF, 0xFFFFFFFF, At({2000, 5, 3}, 23), At({2000, 5, 3}, 0) + 1};
    for (std::uint32_t nFrequency : {AUTO_EVERY_N_DAYS, AUTO_MONTHLY}) {
        for (int nDay : {1, 31}) {
            for (std::time_t date : dates) {
                CTestDoc t;
                CTallywiseDoc& doc = t.Doc();
                const std::size_t a = AddAuto(doc, nFrequency, nDay, date);
                t.m_messages.m_answers.assign(12000, EAnswer::No);
                const CPostResult r = PostDueAutoEntries(doc, t.m_clock.m_now);
                t.m_messages.m_answers.clear();
                EXPECT_GT(NextDate(doc, a), t.m_clock.m_now) << date;
                EXPECT_LE(r.m_nOffered, 11200) << date;
                EXPECT_EQ(static_cast<std::size_t>(r.m_nOffered), t.m_messages.m_shown.size());
            }
        }
    }
}

TEST(AutoPosting, RefusedInsertStopsPostingWithoutMovingOn) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    FillTo(doc, MAX_COUNT - 1);
    const std::size_t a = AddAuto(doc, AUTO_MONTHLY, 1, At({2000, 3, 1}));
    const std::size_t b = AddAuto(doc, AUTO_MONTHLY, 2, At({2000, 3, 2}), "Other");
    StartClean(t);
    CRecordingObserver list;
    doc.SetObserver(&list);
    Answer(t, {EAnswer::Yes, EAnswer::Yes});
    const CPostResult r = PostDueAutoEntries(doc, t.m_clock.m_now);
    doc.SetObserver(nullptr);
    EXPECT_TRUE(r.m_bRefused);
    EXPECT_EQ(r.m_nPosted, 1);
    EXPECT_EQ(doc.EntryCount(), MAX_COUNT);
    EXPECT_EQ(r.m_nLastPos, std::optional<std::uint16_t>(MAX_COUNT - 1));
    EXPECT_EQ(list.m_events, (std::vector<std::string>{"document", "reset", "balances 0"}));
    const std::vector<std::string> texts = t.m_messages.Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1], Question("April 01, 2000", "Rent", "-450.00"));
    EXPECT_NE(texts[2].find("65535"), std::string::npos);
    EXPECT_EQ(Show(NextDate(doc, a)), Show(At({2000, 4, 1}))); // still due
    EXPECT_EQ(NextDate(doc, b), At({2000, 3, 2}));
    EXPECT_TRUE(doc.IsModified());
    // A No at the limit needs no room: it only moves on.
    t.m_messages.m_shown.clear();
    Answer(t, {EAnswer::No, EAnswer::No, EAnswer::No, EAnswer::No, EAnswer::No});
    EXPECT_FALSE(PostDueAutoEntries(doc, t.m_clock.m_now).m_bRefused);
    EXPECT_EQ(t.m_messages.m_shown.size(), 5u);
    EXPECT_GT(NextDate(doc, b), t.m_clock.m_now);
}

} // namespace
