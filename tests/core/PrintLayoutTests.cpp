#include "../support/Fakes.h"
#include "RecordingSurface.h"
#include "core/printing/CPrintLayout.h"
#include <gtest/gtest.h>

namespace {

constexpr int LH = 200;      // 160 twips of an 8 pt font + 35 + 5
constexpr int MARGIN = 460;  // 4 % of 11520
constexpr int LEFT = MARGIN; // left edge of the table
constexpr int WIDTH = 10600; // 11520 - 2 * 460
constexpr int DROP = 442;    // 4 % of the right edge, 11060, below the title line

std::time_t Day(int nMonth, int nDay, int nYear = 2004) {
    return MakeLocalDate(nYear, nMonth, nDay);
}

// nCount ATM withdrawals of 10.00, one a day from 1 January 2004.
void AddDaily(CTallywiseDoc& doc, int nCount) {
    for (int i = 0; i < nCount; ++i)
        doc.InsertEntry(MakeEntry(ToLocalMidnight(Day(1, 1) + i * 86400 + 3600), 10.0, true,
                                  "Entry " + std::to_string(i)));
}

int RowsDrawn(const CRecordingSurface& s) {
    return static_cast<int>(s.m_lines.size()) / (4 * PRINT_COLUMNS) - 1;
}

// Runs a whole job as the print loop does and returns the rows of each page.
std::vector<int> PrintJob(CPrintLayout& layout, CRecordingSurface& s,
                          std::vector<std::string>* pTitles = nullptr) {
    std::vector<int> rows;
    EXPECT_TRUE(layout.OnBeginPrinting(&s));
    for (int nPage = 1; layout.OnPrepareDC(); ++nPage) {
        if (nPage > 1000) {
            ADD_FAILURE() << "the job does not end";
            break;
        }
        s.Clear();
        layout.OnPrint(s, nPage, false);
        rows.push_back(RowsDrawn(s));
        if (pTitles) {
            for (const std::string& str : s.Texts())
                if (str.rfind("Page:", 0) == 0)
                    pTitles->push_back(str);
        }
    }
    layout.OnEndPrinting();
    return rows;
}

struct PrintLayoutTest : ::testing::Test {
    CTestDoc t;
    CPrintSettings settings;
    CRecordingSurface surface;
    PrintLayoutTest() { t.Doc().SetStartingBalance(100.0); }
};

TEST_F(PrintLayoutTest, BeginPrintingChoosesTheEntriesOfTheRange) {
    const struct {
        const char* pszName;
        bool bAll;
        std::time_t from, to;
        int nCount, nFirst;
    } cases[] = {
        {"all", true, Day(3, 1), Day(3, 31), 60, 0},
        {"January", false, Day(1, 1), Day(1, 31), 31, 0},
        {"February, both ends included", false, Day(2, 1), Day(2, 29), 29, 31},
        {"one day", false, Day(1, 10), Day(1, 10), 1, 9},
        {"a month without entries", false, Day(6, 1), Day(6, 30), 0, 0},
        {"from after to", false, Day(1, 20), Day(1, 10), 0, 0},
    };
    AddDaily(t.Doc(), 60);
    for (const auto& c : cases) {
        settings.m_bPrintAll = c.bAll;
        settings.m_printFrom = c.from;
        settings.m_printTo = c.to;
        settings.m_nRowsPerPage = 40;
        CPrintLayout layout(t.Doc(), settings);
        EXPECT_TRUE(layout.OnBeginPrinting(&surface)) << c.pszName;
        EXPECT_EQ(layout.m_nPrintCount, c.nCount) << c.pszName;
        EXPECT_EQ(layout.m_nFirstPrinted, c.nFirst) << c.pszName;
        EXPECT_EQ(layout.m_nPerPage, 40) << c.pszName;
        EXPECT_FALSE(layout.m_bPrintDone) << c.pszName;
        ASSERT_TRUE(layout.m_pPrintFont) << c.pszName;
        EXPECT_EQ(*layout.m_pPrintFont, (CPrintFont{"MS Sans Serif", 160, 400}));
        layout.OnEndPrinting();
        EXPECT_FALSE(layout.m_pPrintFont);
    }
}

TEST_F(PrintLayoutTest, WithoutASurfaceTheJobEndsWithAMessage) {
    AddDaily(t.Doc(), 3);
    CPrintLayout layout(t.Doc(), settings);
    EXPECT_FALSE(layout.OnBeginPrinting(nullptr));
    ASSERT_EQ(t.m_messages.Texts(), std::vector<std::string>{"Error initializing print."});
    EXPECT_EQ(t.m_messages.m_shown[0].m_icon, EMsgIcon::Exclamation);
}

TEST_F(PrintLayoutTest, NoEntriesGiveTheMessageAndOnePageWithTheHeaderOnly) {
    for (bool bAll : {true, false}) {
        CTestDoc app;
        if (!bAll)
            AddDaily(app.Doc(), 5);
        settings.m_bPrintAll = bAll;
        settings.m_printFrom = Day(6, 1);
        settings.m_printTo = Day(6, 30);
        CPrintLayout layout(app.Doc(), settings);
        std::vector<std::string> titles;
        EXPECT_EQ(PrintJob(layout, surface, &titles), std::vector<int>{0});
        EXPECT_EQ(app.m_messages.Texts(), std::vector<std::string>{"No entries to print."});
        EXPECT_EQ(app.m_messages.m_shown[0].m_icon, EMsgIcon::Exclamation);
        EXPECT_EQ(surface.Texts(), (std::vector<std::string>{"Num", "Date", "Description", "Type",
                                                             "Debit", "Credit", "Balance"}));
        // The header starts at the top of the page.
        EXPECT_EQ(surface.m_texts[0].m_rc.m_nTop, 0);
    }
}

TEST_F(PrintLayoutTest, PagesHoldTheEntriesPerPageAndTheJobStopsAfterTheLast) {
    const struct {
        int nEntries, nPerPage;
        std::vector<int> rows;
        std::vector<std::string> titles;
    } cases[] = {
        {60, 25, {25, 25, 10}, {"Page:  1 of 3", "Page:  2 of 3", "Page:  3 of 3"}},
        {50, 25, {25, 25}, {"Page:  1 of 2", "Page:  2 of 2"}},
        {1, 10, {1}, {"Page:  1 of 1"}},
        {100, 100, {65, 35}, {"Page:  1 of 2", "Page:  2 of 2"}}, // 65 lines fit
    };
    for (const auto& c : cases) {
        CTestDoc app;
        AddDaily(app.Doc(), c.nEntries);
        settings.m_nRowsPerPage = c.nPerPage;
        CPrintLayout layout(app.Doc(), settings);
        std::vector<std::string> titles;
        EXPECT_EQ(PrintJob(layout, surface, &titles), c.rows) << c.nEntries;
        EXPECT_EQ(titles, c.titles) << c.nEntries;
    }
}

TEST_F(PrintLayoutTest, EntriesPerPageAreLoweredToTheLinesThatFit) {
    const struct {
        int nHeight; // of the printable area
        int nPerPageAsked, nPerPage, nPages;
    } cases[] = {
        {-15120, 25, 25, 2},              // 65 fit
        {-(MARGIN + 20 * LH), 25, 12, 4}, // 20 lines - 8
        {-(MARGIN + 9 * LH), 25, 1, 40},  // one line left
        {-(MARGIN + 8 * LH), 25, 1, 40},  // none left: still one entry a page
        {-(MARGIN + 3 * LH), 25, 1, 40},
        {-100, 25, 1, 40}, // shorter than one line
    };
    for (const auto& c : cases) {
        CTestDoc app;
        AddDaily(app.Doc(), 40);
        settings.m_nRowsPerPage = c.nPerPageAsked;
        surface.m_rcPrintable.m_nBottom = c.nHeight;
        CPrintLayout layout(app.Doc(), settings);
        const std::vector<int> rows = PrintJob(layout, surface);
        EXPECT_EQ(layout.m_nPerPage, c.nPerPage) << c.nHeight;
        EXPECT_EQ(layout.m_nPages, c.nPages) << c.nHeight;
        EXPECT_EQ(int(rows.size()), c.nPages) << c.nHeight;
    }
}

TEST_F(PrintLayoutTest, ThePreviewNeverEndsTheJob) {
    AddDaily(t.Doc(), 30);
    CPrintLayout layout(t.Doc(), settings);
    ASSERT_TRUE(layout.OnBeginPrinting(&surface));
    EXPECT_EQ(layout.CountPages(surface), 2);
    EXPECT_EQ(surface.m_font, (CPrintFont{"System", 240, 700})); // counting restores the font
    for (int nPage : {2, 1, 2}) {
        surface.Clear();
        layout.OnPrint(surface, nPage, true);
        EXPECT_TRUE(layout.OnPrepareDC());
        EXPECT_EQ(RowsDrawn(surface), nPage == 1 ? 25 : 5);
    }
    layout.OnPrint(surface, 2, false);
    EXPECT_FALSE(layout.OnPrepareDC());
}

TEST_F(PrintLayoutTest, PagesAreDrawnInThePrintFontAndTheOldFontComesBack) {
    AddDaily(t.Doc(), 2);
    settings.m_strFont = "Arial";
    settings.m_nFontSize = 120;
    CPrintLayout layout(t.Doc(), settings);
    ASSERT_TRUE(layout.OnBeginPrinting(&surface));
    layout.OnPrint(surface, 1, false);
    for (const auto& text : surface.m_texts)
        EXPECT_EQ(text.m_font, (CPrintFont{"Arial", 240, 400})) << text.m_strText;
    EXPECT_EQ(surface.m_font, (CPrintFont{"System", 240, 700}));
    EXPECT_EQ(layout.m_nLineHeight, 240 + 35 + 5);
}

struct CSummaryCase {
    const char* pszName;
    bool bAll;
    std::time_t from, to;
    std::vector<std::string> lines;
};

TEST_F(PrintLayoutTest, SummaryBlockFigures) {
    CTallywiseDoc& doc = t.Doc();
    doc.InsertEntry(MakeEntry(Day(12, 30, 2003), 50.0, true, "Check a", TYPE_CHECK, 1001));
    doc.InsertEntry(MakeEntry(Day(1, 5), 200.0, false, "Deposit", TYPE_TELLER));
    doc.InsertEntry(MakeEntry(Day(1, 9), 12.5, true, "Check b", TYPE_CHECK, 1003));
    doc.InsertEntry(MakeEntry(Day(1, 20), 10.0, true, "Check c", TYPE_CHECK, 1002));
    doc.InsertEntry(MakeEntry(Day(2, 3), 300.0, true, "Rent", TYPE_OTHER));
    const CSummaryCase cases[] = {
        {"all",
         true,
         0,
         0,
         {"Dates:  12/30/2003  thru  02/03/2004", "Check Numbers:  1001  thru  1003",
          "Beginning Balance:  100.00", "Ending Balance:  -72.50"}},
        {"January: begins with the balance before it",
         false,
         Day(1, 1),
         Day(1, 31),
         {"Dates:  01/01/2004  thru  01/31/2004", "Check Numbers:  1002  thru  1003",
          "Beginning Balance:  50.00", "Ending Balance:  227.50"}},
        {"from the first entry: the starting balance",
         false,
         Day(12, 1, 2003),
         Day(1, 6),
         {"Dates:  12/01/2003  thru  01/06/2004", "Check Numbers:  1001  thru  1001",
          "Beginning Balance:  100.00", "Ending Balance:  250.00"}},
        {"no checks",
         false,
         Day(2, 1),
         Day(2, 29),
         {"Dates:  02/01/2004  thru  02/29/2004", "Check Numbers:  0  thru  0",
          "Beginning Balance:  227.50", "Ending Balance:  -72.50"}},
    };
    for (const CSummaryCase& c : cases) {
        settings.m_bPrintAll = c.bAll;
        settings.m_printFrom = c.from;
        settings.m_printTo = c.to;
        settings.m_bPrintBank = false;
        CPrintLayout layout(doc, settings);
        surface.Clear();
        ASSERT_TRUE(layout.OnBeginPrinting(&surface));
        layout.OnPrint(surface, 1, false);
        for (const std::string& strLine : c.lines)
            EXPECT_TRUE(surface.Find(strLine)) << c.pszName << ": " << strLine;
    }
}

TEST_F(PrintLayoutTest, TitleSummaryAndBankLinesSitWhereTheyBelong) {
    CTallywiseDoc& doc = t.Doc();
    doc.SetBankInfo(CBankInfo{"First Bank", "12-345", "Ann Smith"});
    AddDaily(doc, 3);
    CPrintLayout layout(doc, settings);
    ASSERT_TRUE(layout.OnBeginPrinting(&surface));
    layout.OnPrint(surface, 1, false);
    const int nRight = LEFT + WIDTH;
    const int nThird = WIDTH / 3;
    const int T = -DROP;
    const struct {
        const char* pszText;
        CTwipRect rc;
        ETextAlign align;
    } expected[] = {
        {"TWDoc", {LEFT, 0, nRight, -LH}, ETextAlign::Left},
        {"Page:  1 of 1", {LEFT, 0, nRight, -LH}, ETextAlign::Right},
        {"Dates:  01/01/2004  thru  01/03/2004",
         {LEFT, T, LEFT + 2 * nThird, T - LH},
         ETextAlign::Left},
        {"First Bank", {LEFT + 2 * nThird, T, LEFT + 3 * nThird, T - LH}, ETextAlign::Left},
        {"Check Numbers:  0  thru  0",
         {LEFT, T - LH, LEFT + 2 * nThird, T - 2 * LH},
         ETextAlign::Left},
        {"12-345", {LEFT + 2 * nThird, T - LH, LEFT + 3 * nThird, T - 2 * LH}, ETextAlign::Left},
        {"Ann Smith",
         {LEFT + 2 * nThird, T - 2 * LH, LEFT + 3 * nThird, T - 3 * LH},
         ETextAlign::Left},
        {"Beginning Balance:  100.00",
         {LEFT, T - 3 * LH, LEFT + 3 * nThird, T - 4 * LH},
         ETextAlign::Left},
        {"Ending Balance:  70.00",
         {LEFT, T - 4 * LH, LEFT + 3 * nThird, T - 5 * LH},
         ETextAlign::Left},
    };
    ASSERT_GE(surface.m_texts.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const auto& text = surface.m_texts[i];
        EXPECT_EQ(text.m_strText, expected[i].pszText);
        EXPECT_EQ(text.m_rc, expected[i].rc) << expected[i].pszText;
        EXPECT_EQ(text.m_align, expected[i].align) << expected[i].pszText;
    }
    // The header follows one blank line after the block.
    EXPECT_EQ(surface.Find("Num")->m_rc.m_nTop, T - 6 * LH);
}

TEST_F(PrintLayoutTest, HeadersAndBankInformationCanBeLeftOut) {
    CTallywiseDoc& doc = t.Doc();
    doc.SetBankInfo(CBankInfo{"First Bank", "12-345", "Ann Smith"});
    AddDaily(doc, 3);
    settings.m_bPrintHeaders = false;
    settings.m_bPrintBank = false;
    CPrintLayout layout(doc, settings);
    ASSERT_TRUE(layout.OnBeginPrinting(&surface));
    layout.OnPrint(surface, 1, false);
    EXPECT_FALSE(surface.Find("TWDoc"));
    EXPECT_FALSE(surface.Find("Page:  1 of 1"));
    for (const char* psz : {"First Bank", "12-345", "Ann Smith"})
        EXPECT_FALSE(surface.Find(psz)) << psz;
    // Still lowered by 4 % of the right edge.
    EXPECT_EQ(surface.m_texts.front().m_strText, "Dates:  01/01/2004  thru  01/03/2004");
    EXPECT_EQ(surface.m_texts.front().m_rc.m_nTop, -DROP);
    for (const auto& text : surface.m_texts) {
        const bool bSummary = text.m_rc.m_nTop > -DROP - 5 * LH;
        EXPECT_TRUE(!bSummary || text.m_rc.m_nLeft < LEFT + 2 * (WIDTH / 3)) << text.m_strText;
    }
}

TEST_F(PrintLayoutTest, HeaderAndRowsAreBoxedInSevenColumns) {
    CTallywiseDoc& doc = t.Doc();
    doc.SetStartingBalance(0.0);
    doc.InsertEntry(MakeEntry(Day(3, 7), 12.5, true, "Corner shop", TYPE_CHECK, 1042));
    settings.m_bPrintHeaders = false;
    CPrintLayout layout(doc, settings);
    ASSERT_TRUE(layout.OnBeginPrinting(&surface));
    layout.OnPrint(surface, 1, false);
    // Edges: each the one before plus the share of the width, truncated.
    const int x[] = {460, 1424, 2547, 6458, 7210, 8492, 9774, 11056};
    const int nPad = 40;
    const int nHeaderTop = -DROP - 6 * LH;
    const int nRowTop = nHeaderTop - 2 * LH;
    const char* const titles[] = {"Num",   "Date",   "Description", "Type",
                                  "Debit", "Credit", "Balance"};
    const struct {
        const char* pszText;
        ETextAlign align;
    } cells[] = {{"1042", ETextAlign::Left},        {"03/07", ETextAlign::Centre},
                 {"Corner shop", ETextAlign::Left}, {"C", ETextAlign::Centre},
                 {"12.50", ETextAlign::Right},      {nullptr, ETextAlign::Right},
                 {"(-12.50)", ETextAlign::Right}};
    ASSERT_EQ(surface.m_lines.size(), 2u * 4 * PRINT_COLUMNS);
    for (int k = 0; k < PRINT_COLUMNS; ++k) {
        const auto* pTitle = surface.Find(titles[k]);
        ASSERT_TRUE(pTitle) << titles[k];
        EXPECT_EQ(pTitle->m_rc,
                  (CTwipRect{x[k] + nPad, nHeaderTop, x[k + 1] - nPad, nHeaderTop - 2 * LH}));
        EXPECT_EQ(pTitle->m_align, ETextAlign::Centre);
        const auto* pLine = &surface.m_lines[static_cast<std::size_t>(4 * k)];
        EXPECT_EQ(pLine[0].m_nX1, x[k]);
        EXPECT_EQ(pLine[0].m_nY1, nHeaderTop);
        EXPECT_EQ(pLine[1].m_nX1, x[k + 1]);
        EXPECT_EQ(pLine[1].m_nY2, nHeaderTop - 2 * LH);
        EXPECT_EQ(pLine[3].m_nX1, x[k]);
        // The row's box, one line high.
        pLine = &surface.m_lines[static_cast<std::size_t>(4 * (PRINT_COLUMNS + k))];
        EXPECT_EQ(
            (std::vector<int>{pLine[0].m_nX1, pLine[0].m_nY1, pLine[2].m_nX1, pLine[2].m_nY1}),
            (std::vector<int>{x[k], nRowTop, x[k + 1], nRowTop - LH}));
        if (!cells[k].pszText)
            continue;
        const auto* pCell = surface.Find(cells[k].pszText);
        ASSERT_TRUE(pCell) << cells[k].pszText;
        EXPECT_EQ(pCell->m_rc,
                  (CTwipRect{x[k] + nPad, nRowTop - 1, x[k + 1] - nPad, nRowTop - LH + 1}));
        EXPECT_EQ(pCell->m_align, cells[k].align);
    }
    // Empty cells draw no text: 7 titles, the summary's four and six cells.
    EXPECT_EQ(surface.m_texts.size(), 7u + 4u + 6u);
}

TEST_F(PrintLayoutTest, CellTextsAreTheListsOwn) {
    CTallywiseDoc& doc = t.Doc();
    doc.UserTypes()[1].m_strAbbr = "P";
    doc.InsertEntry(MakeEntry(Day(3, 7), 25.0, false, "Refund", TYPE_USER1 + 1));
    doc.InsertEntry(MakeEntry(Day(3, 8), 0.0, true, "Zero check", TYPE_CHECK, 0));
    CPrintLayout layout(doc, settings);
    ASSERT_TRUE(layout.OnBeginPrinting(&surface));
    layout.OnPrint(surface, 1, false);
    for (const char* psz : {"P", "25.00", "125.00", "0", "0.00", "03/08"})
        EXPECT_TRUE(surface.Find(psz)) << psz;
}

TEST_F(PrintLayoutTest, ABalanceThatRoundsToZeroIsNotNegativeInTheSummary) {
    CTallywiseDoc& doc = t.Doc();
    doc.SetStartingBalance(0.3);
    doc.InsertEntry(MakeEntry(Day(3, 7), 0.1, true, "a"));
    doc.InsertEntry(MakeEntry(Day(3, 8), 0.2, true, "b"));
    CPrintLayout layout(doc, settings);
    ASSERT_TRUE(layout.OnBeginPrinting(&surface));
    layout.OnPrint(surface, 1, false);
    EXPECT_TRUE(surface.Find("Ending Balance:  0.00"));
}

} // namespace

namespace {

// Whatever the font, every figure prints whole and the table keeps its width: the
// description gives up the room, and where even that is not enough the figures get smaller.
TEST_F(PrintLayoutTest, FiguresAreNeverCut) {
    CTallywiseDoc& doc = t.Doc();
    doc.SetStartingBalance(0.0);
    const std::string strDesc(40, 'd');
    doc.InsertEntry(MakeEntry(Day(3, 7), 99999.99, true, strDesc, TYPE_CHECK, 1042));
    settings.m_bPrintHeaders = false;
    surface.m_rcPrintable.m_nRight = 5760; // a page 4 inches wide
    const struct {
        int nSize, nFigureHeight;
    } cases[] = {{80, 160}, {100, 200}, {120, 240}, {140, 280}, {180, 340}};
    int nTableRight = 0;
    for (const auto& c : cases) {
        settings.m_nFontSize = c.nSize;
        surface.Clear();
        CPrintLayout layout(doc, settings);
        ASSERT_TRUE(layout.OnBeginPrinting(&surface));
        layout.OnPrint(surface, 1, false);
        const auto fits = [](const CRecordingSurface::CText& text) {
            const int nWidth =
                CRecordingSurface::CharWidth(text.m_font) * static_cast<int>(text.m_strText.size());
            return nWidth <= text.m_rc.m_nRight - text.m_rc.m_nLeft;
        };
        for (const char* psz : {"Num", "Date", "Type", "Debit", "Credit", "Balance", "1042",
                                "03/07", "C", "99999.99", "(-99999.99)"}) {
            const auto* pText = surface.Find(psz);
            ASSERT_TRUE(pText) << psz << " at " << c.nSize;
            EXPECT_EQ(pText->m_font.m_nHeight, c.nFigureHeight) << psz << " at " << c.nSize;
            EXPECT_TRUE(fits(*pText)) << psz << " at " << c.nSize;
        }
        const auto pDesc = std::find_if(surface.m_texts.begin(), surface.m_texts.end(),
                                        [](const auto& text) { return text.m_strText[0] == 'd'; });
        ASSERT_NE(pDesc, surface.m_texts.end());
        EXPECT_EQ(pDesc->m_font.m_nHeight, 2 * c.nSize);
        EXPECT_TRUE(fits(*pDesc)) << c.nSize;
        // At 8 points the description has room; from 10 points on it ends in "…".
        EXPECT_EQ(pDesc->m_strText == strDesc, c.nSize == 80) << pDesc->m_strText;
        EXPECT_EQ(pDesc->m_strText.ends_with("\u2026"), c.nSize > 80) << c.nSize;
        int nRight = 0;
        for (const auto& line : surface.m_lines)
            nRight = std::max(nRight, line.m_nX1);
        if (nTableRight == 0)
            nTableRight = nRight;
        EXPECT_EQ(nRight, nTableRight) << c.nSize;
    }
}

// A long register name ends in "…" before it reaches the page number.
TEST_F(PrintLayoutTest, ALongTitleStopsShortOfThePageNumber) {
    AddDaily(t.Doc(), 1);
    t.Doc().SetPathName(t.Path(std::string(140, 'n') + ".twd"));
    settings.m_nFontSize = 180;
    CPrintLayout layout(t.Doc(), settings);
    ASSERT_TRUE(layout.OnBeginPrinting(&surface));
    layout.OnPrint(surface, 1, false);
    const auto& title = surface.m_texts.front();
    const auto* pPage = surface.Find("Page:  1 of 1");
    ASSERT_TRUE(pPage);
    EXPECT_TRUE(title.m_strText.starts_with("nnnnnnnnnn")) << title.m_strText;
    EXPECT_TRUE(title.m_strText.ends_with("\u2026")) << title.m_strText;
    const int nPageLeft = pPage->m_rc.m_nRight - 13 * 90;
    EXPECT_LT(title.m_rc.m_nRight, nPageLeft);
    EXPECT_LE(static_cast<int>(title.m_strText.size()) * 90,
              title.m_rc.m_nRight - title.m_rc.m_nLeft);
}

} // namespace
