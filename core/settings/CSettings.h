#pragma once
#include "CRecentFileList.h"
#include "core/document/CDocServices.h"
#include "core/document/CUserType.h"
#include <ctime>
#include <string>

class ISettingsStore;

inline constexpr const char* SETTINGS_SECTION = "Settings";

// The user's preferences as plain values: the settings of section "Settings", the
// user-defined type table, the print range and the recent-file list. The window's
// application object holds one; the command-line program reads one for its saves.
struct CSettings {
    int m_nX = 50;
    int m_nY = 50;
    int m_nCX = 550;
    int m_nCY = 250;
    int m_nBackup = 0;
    int m_nTextBackup = 1;
    int m_nDblClick = 1;
    int m_nLoadLast = 0;
    std::string m_strLastFile;
    std::string m_strFont = "MS Sans Serif";
    int m_nFontSize = 80;
    int m_nBkColor = 16777215;
    int m_nTxColor = 0;
    int m_nAType = 1;
    int m_nACleared = 0;
    int m_nPrntHdrs = 1;
    int m_nPrntBank = 1;
    int m_nRPP = 25;
    std::string m_strPrintFont = "MS Sans Serif";
    int m_nPrintFontSize = 80;
    // The balance chart: months of forecast, and its window's size (0 until it was sized).
    int m_nChartMonths = 3;
    int m_nChartCX = 0;
    int m_nChartCY = 0;

    CUserTypeTable m_userTypes;

    // Print range, reset at every start.
    bool m_bPrintAll = true;
    std::time_t m_printFrom = 0;
    std::time_t m_printTo = 0;

    CRecentFileList m_recentFiles;

    void ReadSettings(ISettingsStore& store);
    void WriteSettings(ISettingsStore& store) const;
    // What a save of the register writes beside it, and where it records "LastFile".
    CSaveOptions SaveOptions() { return CSaveOptions{&m_nBackup, &m_nTextBackup, &m_strLastFile}; }
};
