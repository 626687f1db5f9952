#include "CPrintLayout.h"
#include "core/document/CTallywiseDoc.h"
#include "core/document/RegisterCells.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include "core/framework/IUserMessages.h"
#include "core/settings/CSettings.h"
#include <algorithm>
#include <cmath>

namespace {

struct CPrintColumn {
    int m_nListColumn;
    double m_dShare;
    ETextAlign m_align;
};

// The list's "Cl" column is not printed.
constexpr std::array<CPrintColumn, PRINT_COLUMNS> s_columns = {{
    {COL_NUM, 0.091, ETextAlign::Left},
    {COL_DATE, 0.106, ETextAlign::Centre},
    {COL_DESC, 0.369, ETextAlign::Left},
    {COL_TYPE, 0.071, ETextAlign::Centre},
    {COL_DEBIT, 0.121, ETextAlign::Right},
    {COL_CREDIT, 0.121, ETextAlign::Right},
    {COL_BALANCE, 0.121, ETextAlign::Right},
}};

constexpr std::size_t DESC_COLUMN = 2;
constexpr int SMALLEST_FIGURE_HEIGHT = 20; // one point
constexpr const char* ELLIPSIS = "\u2026";

// Every column but the description prints its texts whole.
bool IsWholeTextColumn(std::size_t k) {
    return k != DESC_COLUMN;
}

const char* ColumnTitle(std::size_t k) {
    return g_columns[static_cast<std::size_t>(s_columns[k].m_nListColumn)].m_pszTitle;
}

// The text as it fits in nWidth: whole, or its longest head (whole characters) ending in
// an ellipsis.
std::string FitText(const IPrintSurface& surface, const std::string& strText, int nWidth) {
    if (surface.TextWidth(strText) <= nWidth)
        return strText;
    std::vector<std::size_t> ends; // byte offsets where a character starts
    for (std::size_t i = 0; i < strText.size(); ++i)
        if ((static_cast<unsigned char>(strText[i]) & 0xC0) != 0x80)
            ends.push_back(i);
    std::size_t nLo = 0, nHi = ends.size(); // the head of ends[nLo] bytes fits
    while (nLo + 1 < nHi) {
        const std::size_t nMid = (nLo + nHi) / 2;
        if (surface.TextWidth(strText.substr(0, ends[nMid]) + ELLIPSIS) <= nWidth)
            nLo = nMid;
        else
            nHi = nMid;
    }
    return strText.substr(0, ends.empty() ? 0 : ends[nLo]) + ELLIPSIS;
}

void DrawBox(IPrintSurface& surface, int nLeft, int nTop, int nRight, int nBottom) {
    surface.DrawLine(nLeft, nTop, nRight, nTop);
    surface.DrawLine(nRight, nTop, nRight, nBottom);
    surface.DrawLine(nRight, nBottom, nLeft, nBottom);
    surface.DrawLine(nLeft, nBottom, nLeft, nTop);
}

} // namespace

CPrintSettings PrintSettingsOf(const CSettings& app) {
    CPrintSettings s;
    s.m_bPrintHeaders = app.m_nPrntHdrs != 0;
    s.m_bPrintBank = app.m_nPrntBank != 0;
    s.m_nRowsPerPage = app.m_nRPP;
    s.m_strFont = app.m_strPrintFont;
    s.m_nFontSize = app.m_nPrintFontSize;
    s.m_bPrintAll = app.m_bPrintAll;
    s.m_printFrom = app.m_printFrom;
    s.m_printTo = app.m_printTo;
    return s;
}

CPrintLayout::CPrintLayout(const CTallywiseDoc& doc, const CPrintSettings& settings)
    : m_doc(doc), m_settings(settings) {}

bool CPrintLayout::OnBeginPrinting(IPrintSurface* pSurface) {
    ChooseEntries();
    m_nPerPage = m_settings.m_nRowsPerPage;
    m_bPrintDone = false;
    if (!pSurface) {
        m_doc.Messages().ShowMessage(ERROR_INITIALIZING_PRINT, EMsgIcon::Exclamation);
        return false;
    }
    if (m_nPrintCount == 0)
        m_doc.Messages().ShowMessage(NO_ENTRIES_TO_PRINT, EMsgIcon::Exclamation);
    m_pPrintFont = std::make_unique<CPrintFont>();
    m_pPrintFont->m_strFace = m_settings.m_strFont;
    m_pPrintFont->m_nHeight = 2 * m_settings.m_nFontSize;
    m_pPrintFont->m_nWeight = 400;
    m_figureFont = *m_pPrintFont;
    m_nFittedWidth = -1;
    return true;
}

// The register is in date order, so the entries of a range follow one another.
void CPrintLayout::ChooseEntries() {
    m_printed.clear();
    m_pBeforeFirst = nullptr;
    m_nFirstPrinted = 0;
    int nPos = 0;
    const CEntry* pPrev = nullptr;
    for (const CEntry& entry : m_doc.Entries()) {
        const CEntry* p = &entry;
        const CEntry* pBefore = pPrev;
        pPrev = p;
        const int nHere = nPos++;
        if (!m_settings.m_bPrintAll &&
            (p->m_date < m_settings.m_printFrom || p->m_date > m_settings.m_printTo))
            continue;
        if (m_printed.empty()) {
            m_nFirstPrinted = nHere;
            m_pBeforeFirst = pBefore;
        }
        m_printed.push_back(p);
    }
    m_nPrintCount = static_cast<int>(m_printed.size());
}

void CPrintLayout::OnEndPrinting() {
    m_pPrintFont.reset();
}

int CPrintLayout::CountPages(IPrintSurface& surface) {
    if (!m_pPrintFont)
        return 1;
    m_oldFont = surface.SelectFont(*m_pPrintFont);
    MeasurePage(surface);
    surface.SelectFont(m_oldFont);
    return m_nPages;
}

void CPrintLayout::MeasurePage(IPrintSurface& surface) {
    const CTextMetrics tm = surface.TextMetrics();
    m_nLineHeight = std::max(1, tm.m_nHeight + tm.m_nExternalLeading + 5);
    m_rcPage = surface.PrintableRect();
    const int nMargin = static_cast<int>(m_rcPage.m_nRight * 0.04);
    m_rcPage.m_nLeft += nMargin;
    m_rcPage.m_nRight -= nMargin;
    m_nPrintWidth = m_rcPage.m_nRight - m_rcPage.m_nLeft;
    m_nPrintHeight = m_rcPage.m_nTop - m_rcPage.m_nBottom - nMargin;
    const int nFit = m_nPrintHeight / m_nLineHeight - 8;
    if (m_nPerPage > nFit)
        m_nPerPage = nFit;
    // A page too short for the title, summary and header still takes one entry, so the
    // job always ends.
    m_nPerPage = std::max(1, m_nPerPage);
    m_nPages = std::max(1, (m_nPrintCount + m_nPerPage - 1) / m_nPerPage);
    FitColumns(surface);
}

// A figure is never cut. Where a column is too narrow for its widest text it takes the
// width that text needs and the description gives up the room; when the description would
// be left with less than a few characters, the figures get a smaller font.
void CPrintLayout::FitColumns(IPrintSurface& surface) {
    if (m_nFittedWidth == m_nPrintWidth)
        return;
    m_nFittedWidth = m_nPrintWidth;
    for (std::size_t k = 0; k < s_columns.size(); ++k) {
        m_aWidths[k] = static_cast<int>(m_nPrintWidth * s_columns[k].m_dShare);
        m_aFigureTexts[k].clear();
        if (!IsWholeTextColumn(k))
            continue;
        std::vector<std::string>& texts = m_aFigureTexts[k];
        texts.push_back(ColumnTitle(k));
        for (const CEntry* p : m_printed)
            texts.push_back(CellText(*p, s_columns[k].m_nListColumn, m_doc.UserTypes()));
        std::sort(texts.begin(), texts.end());
        texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
    }
    const std::array<int, PRINT_COLUMNS> aDefault = m_aWidths;
    const int nPad = surface.TextWidth(" ");
    // The description keeps room for a few characters: "Desc…".
    const int nLeastDesc =
        surface.TextWidth(std::string(ColumnTitle(DESC_COLUMN)).substr(0, 4) + ELLIPSIS) + 2 * nPad;
    m_figureFont = *m_pPrintFont;
    for (;;) {
        const std::array<int, PRINT_COLUMNS> aNeed = FigureWidths(surface, nPad);
        int nDesc = aDefault[DESC_COLUMN];
        for (std::size_t k = 0; k < s_columns.size(); ++k) {
            m_aWidths[k] = std::max(aDefault[k], aNeed[k]);
            nDesc -= m_aWidths[k] - aDefault[k];
        }
        m_aWidths[DESC_COLUMN] = std::max(0, nDesc);
        if (nDesc >= nLeastDesc || m_figureFont.m_nHeight <= SMALLEST_FIGURE_HEIGHT)
            break;
        m_figureFont.m_nHeight = std::max(SMALLEST_FIGURE_HEIGHT, m_figureFont.m_nHeight - 20);
    }
    surface.SelectFont(*m_pPrintFont);
}

// The width each figure column needs in the figure font, padding included; 0 for others.
std::array<int, PRINT_COLUMNS> CPrintLayout::FigureWidths(IPrintSurface& surface, int nPad) const {
    surface.SelectFont(m_figureFont);
    std::array<int, PRINT_COLUMNS> aNeed{};
    for (std::size_t k = 0; k < s_columns.size(); ++k) {
        if (!IsWholeTextColumn(k))
            continue;
        int nWidest = 0;
        for (const std::string& strText : m_aFigureTexts[k])
            nWidest = std::max(nWidest, surface.TextWidth(strText));
        aNeed[k] = nWidest + 2 * nPad;
    }
    return aNeed;
}

void CPrintLayout::OnPrint(IPrintSurface& surface, int nPage, bool bPreview) {
    if (!m_pPrintFont)
        return;
    m_oldFont = surface.SelectFont(*m_pPrintFont);
    MeasurePage(surface);
    if (m_nPrintCount != 0)
        PrintSummary(surface, nPage);
    PrintHeader(surface);
    const long long nFirst = static_cast<long long>(nPage - 1) * m_nPerPage;
    long long nEnd = nFirst + m_nPerPage;
    if (nEnd >= m_nPrintCount) {
        nEnd = m_nPrintCount;
        if (!bPreview)
            m_bPrintDone = true;
    }
    for (long long i = std::max(0LL, nFirst); i < nEnd; ++i)
        PrintRow(surface, *m_printed[static_cast<std::size_t>(i)]);
    surface.SelectFont(m_oldFont);
}

CPrintLayout::CSummary CPrintLayout::SummaryFigures() const {
    CSummary s;
    if (m_printed.empty())
        return s;
    if (m_settings.m_bPrintAll) {
        s.m_from = m_printed.front()->m_date;
        s.m_to = m_printed.back()->m_date;
        s.m_dBeginBal = m_doc.StartBalance();
    } else {
        s.m_from = m_settings.m_printFrom;
        s.m_to = m_settings.m_printTo;
        s.m_dBeginBal = m_pBeforeFirst ? m_pBeforeFirst->m_dBalance : m_doc.StartBalance();
    }
    s.m_dEndBal = m_printed.back()->m_dBalance;
    bool bAnyCheck = false;
    for (const CEntry* p : m_printed) {
        if (p->m_nType != TYPE_CHECK)
            continue;
        const int nCheck = p->m_nCheckNum;
        s.m_nFirstCheck = bAnyCheck ? std::min(s.m_nFirstCheck, nCheck) : nCheck;
        s.m_nLastCheck = bAnyCheck ? std::max(s.m_nLastCheck, nCheck) : nCheck;
        bAnyCheck = true;
    }
    return s;
}

void CPrintLayout::PrintSummary(IPrintSurface& surface, int nPage) {
    const CSummary s = SummaryFigures();
    const int lh = m_nLineHeight;
    const int nLeft = m_rcPage.m_nLeft;
    const int nRight = m_rcPage.m_nRight;
    if (m_settings.m_bPrintHeaders) {
        const CTwipRect rc{nLeft, m_rcPage.m_nTop, nRight, m_rcPage.m_nTop - lh};
        const std::string strPage = Format("Page:  %d of %d", nPage, m_nPages);
        const std::string strTitle = m_doc.GetTitle();
        // A long title stops short of the page number.
        const int nGap = 2 * surface.TextWidth(" ");
        const int nTitleWidth = rc.m_nRight - rc.m_nLeft - surface.TextWidth(strPage) - nGap;
        if (surface.TextWidth(strTitle) <= nTitleWidth)
            surface.DrawText(rc, strTitle, ETextAlign::Left);
        else
            surface.DrawText(CTwipRect{rc.m_nLeft, rc.m_nTop, rc.m_nLeft + std::max(0, nTitleWidth),
                                       rc.m_nBottom},
                             FitText(surface, strTitle, nTitleWidth), ETextAlign::Left);
        surface.DrawText(rc, strPage, ETextAlign::Right);
    }
    m_rcPage.m_nTop -= static_cast<int>(nRight * 0.04);
    const int nTop = m_rcPage.m_nTop;
    const int nThird = m_nPrintWidth / 3;
    auto line = [&](int nLine, int nFrom, int nTo, const std::string& strText) {
        if (strText.empty())
            return;
        const CTwipRect rc{nFrom, nTop - (nLine - 1) * lh, nTo, nTop - nLine * lh};
        surface.DrawText(rc, strText, ETextAlign::Left);
    };
    const int nSplit = nLeft + 2 * nThird;
    const int nEnd = nLeft + 3 * nThird;
    const bool bBank = m_settings.m_bPrintBank;
    line(1, nLeft, nSplit,
         Format("Dates:  %s  thru  %s", FormatDate(s.m_from, "%m/%d/%Y").c_str(),
                FormatDate(s.m_to, "%m/%d/%Y").c_str()));
    line(1, nSplit, nEnd, bBank ? m_doc.BankInfo().m_strBankName : std::string());
    line(2, nLeft, nSplit, Format("Check Numbers:  %d  thru  %d", s.m_nFirstCheck, s.m_nLastCheck));
    line(2, nSplit, nEnd, bBank ? m_doc.BankInfo().m_strAccountNum : std::string());
    line(3, nSplit, nEnd, bBank ? m_doc.BankInfo().m_strAccountName : std::string());
    line(4, nLeft, nEnd, "Beginning Balance:  " + MoneyText(s.m_dBeginBal));
    line(5, nLeft, nEnd, "Ending Balance:  " + MoneyText(s.m_dEndBal));
    m_rcPage.m_nTop -= 6 * lh;
}

std::array<int, PRINT_COLUMNS + 1> CPrintLayout::ColumnEdges() const {
    std::array<int, PRINT_COLUMNS + 1> x{};
    x[0] = m_rcPage.m_nLeft;
    for (std::size_t k = 0; k < s_columns.size(); ++k)
        x[k + 1] = x[k] + m_aWidths[k];
    return x;
}

void CPrintLayout::PrintHeader(IPrintSurface& surface) {
    const std::array<int, PRINT_COLUMNS + 1> x = ColumnEdges();
    const int nPad = surface.TextWidth(" ");
    const int nTop = m_rcPage.m_nTop;
    const int nBottom = nTop - 2 * m_nLineHeight;
    const bool bSmallFigures = m_figureFont != *m_pPrintFont;
    for (std::size_t k = 0; k < s_columns.size(); ++k) {
        DrawBox(surface, x[k], nTop, x[k + 1], nBottom);
        const CTwipRect rc{x[k] + nPad, nTop, x[k + 1] - nPad, nBottom};
        const bool bOtherFont = bSmallFigures && IsWholeTextColumn(k);
        if (bOtherFont)
            surface.SelectFont(m_figureFont);
        surface.DrawText(rc, ColumnTitle(k), ETextAlign::Centre);
        if (bOtherFont)
            surface.SelectFont(*m_pPrintFont);
    }
    m_rcPage.m_nTop = nBottom;
}

void CPrintLayout::PrintRow(IPrintSurface& surface, const CEntry& entry) {
    const std::array<int, PRINT_COLUMNS + 1> x = ColumnEdges();
    const int nPad = surface.TextWidth(" ");
    const int nTop = m_rcPage.m_nTop;
    const int lh = m_nLineHeight;
    if (m_figureFont == *m_pPrintFont) {
        DrawCells(surface, entry, nPad, ECells::All);
    } else {
        DrawCells(surface, entry, nPad, ECells::Others);
        surface.SelectFont(m_figureFont);
        DrawCells(surface, entry, nPad, ECells::Figures);
        surface.SelectFont(*m_pPrintFont);
    }
    for (std::size_t k = 0; k < s_columns.size(); ++k)
        DrawBox(surface, x[k], nTop, x[k + 1], nTop - lh);
    m_rcPage.m_nTop = nTop - lh;
}

// Only a description may end in an ellipsis; the columns were made wide enough for the rest.
void CPrintLayout::DrawCells(IPrintSurface& surface, const CEntry& entry, int nPad, ECells which) {
    const std::array<int, PRINT_COLUMNS + 1> x = ColumnEdges();
    const int nTop = m_rcPage.m_nTop;
    for (std::size_t k = 0; k < s_columns.size(); ++k) {
        if (which != ECells::All && IsWholeTextColumn(k) != (which == ECells::Figures))
            continue;
        std::string strText = CellText(entry, s_columns[k].m_nListColumn, m_doc.UserTypes());
        if (strText.empty())
            continue;
        const CTwipRect rc{x[k] + nPad, nTop - 1, x[k + 1] - nPad, nTop - m_nLineHeight + 1};
        if (k == DESC_COLUMN)
            strText = FitText(surface, strText, rc.m_nRight - rc.m_nLeft);
        surface.DrawText(rc, strText, s_columns[k].m_align);
    }
}
