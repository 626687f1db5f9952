#pragma once
#include "IPrintSurface.h"
#include <array>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

struct CSettings;
class CTallywiseDoc;
struct CEntry;

// The print options of Page Setup and the print range, as one job uses them.
struct CPrintSettings {
    bool m_bPrintHeaders = true;
    bool m_bPrintBank = true;
    int m_nRowsPerPage = 25;
    std::string m_strFont = "MS Sans Serif";
    int m_nFontSize = 80; // tenths of a point
    bool m_bPrintAll = true;
    std::time_t m_printFrom = 0;
    std::time_t m_printTo = 0;
};
CPrintSettings PrintSettingsOf(const CSettings& app);

inline constexpr const char* ERROR_INITIALIZING_PRINT = "Error initializing print.";
inline constexpr const char* NO_ENTRIES_TO_PRINT = "No entries to print.";
inline constexpr int PRINT_COLUMNS = 7;

// The printed register: a boxed table, page by page, with the title line, the summary
// block and the column header on every page. One object serves one print job.
class CPrintLayout {
public:
    CPrintLayout(const CTallywiseDoc& doc, const CPrintSettings& settings);

    // Chooses the entries and makes the font. Without a surface the job cannot start:
    // tells the user and returns false.
    bool OnBeginPrinting(IPrintSurface* pSurface);
    // False once the last page has been printed.
    bool OnPrepareDC() const { return !m_bPrintDone; }
    // Lays out page nPage (from 1). The preview never ends the job.
    void OnPrint(IPrintSurface& surface, int nPage, bool bPreview);
    void OnEndPrinting();

    // The number of pages the job has on this surface.
    int CountPages(IPrintSurface& surface);

    int m_nPerPage = 0;
    int m_nPrintCount = 0;
    int m_nLineHeight = 0;
    int m_nPages = 0;
    int m_nPrintWidth = 0;
    int m_nPrintHeight = 0;
    CTwipRect m_rcPage;
    std::unique_ptr<CPrintFont> m_pPrintFont;
    CPrintFont m_oldFont;
    bool m_bPrintDone = false;
    int m_nFirstPrinted = 0;

private:
    struct CSummary {
        std::time_t m_from = 0;
        std::time_t m_to = 0;
        int m_nFirstCheck = 0;
        int m_nLastCheck = 0;
        double m_dBeginBal = 0.0;
        double m_dEndBal = 0.0;
    };

    void ChooseEntries();
    void MeasurePage(IPrintSurface& surface);
    CSummary SummaryFigures() const;
    void PrintSummary(IPrintSurface& surface, int nPage);
    void PrintHeader(IPrintSurface& surface);
    void PrintRow(IPrintSurface& surface, const CEntry& entry);
    std::array<int, PRINT_COLUMNS + 1> ColumnEdges() const;
    void FitColumns(IPrintSurface& surface);
    std::array<int, PRINT_COLUMNS> FigureWidths(IPrintSurface& surface, int nPad) const;
    enum class ECells { All, Figures, Others };
    void DrawCells(IPrintSurface& surface, const CEntry& entry, int nPad, ECells which);

    const CTallywiseDoc& m_doc;
    CPrintSettings m_settings;
    const CEntry* m_pBeforeFirst = nullptr; // the entry just before the range
    std::vector<const CEntry*> m_printed;
    // The texts of each figure column (its title and every printed cell), each once.
    std::array<std::vector<std::string>, PRINT_COLUMNS> m_aFigureTexts;
    std::array<int, PRINT_COLUMNS> m_aWidths{};
    int m_nFittedWidth = -1; // the print width m_aWidths were fitted to
    // The print font, or a smaller one where the figures would not fit the paper otherwise.
    CPrintFont m_figureFont;
};
