// The settings of section "Settings": read once at start, written once at exit.
#include "CSettings.h"
#include "core/framework/ISettingsStore.h"
#include <array>

namespace {
struct CIntSetting {
    const char* m_pszKey;
    int CSettings::*m_pMember;
    int m_nDefault;
};
struct CStringSetting {
    const char* m_pszKey;
    std::string CSettings::*m_pMember;
    const char* m_pszDefault;
};

const std::array<CIntSetting, 20> INT_SETTINGS = {{
    {"x", &CSettings::m_nX, 50},
    {"y", &CSettings::m_nY, 50},
    {"cx", &CSettings::m_nCX, 550},
    {"cy", &CSettings::m_nCY, 250},
    {"Backup", &CSettings::m_nBackup, 0},
    {"TextBackup", &CSettings::m_nTextBackup, 1},
    {"DblClick", &CSettings::m_nDblClick, 1},
    {"LoadLast", &CSettings::m_nLoadLast, 0},
    {"FontSize", &CSettings::m_nFontSize, 80},
    {"BkColor", &CSettings::m_nBkColor, 16777215},
    {"TxColor", &CSettings::m_nTxColor, 0},
    {"aType", &CSettings::m_nAType, 1},
    {"aCleared", &CSettings::m_nACleared, 0},
    {"PrntHdrs", &CSettings::m_nPrntHdrs, 1},
    {"PrntBank", &CSettings::m_nPrntBank, 1},
    {"RPP", &CSettings::m_nRPP, 25},
    {"PrintFontSize", &CSettings::m_nPrintFontSize, 80},
    {"ChartMonths", &CSettings::m_nChartMonths, 3},
    {"ChartCX", &CSettings::m_nChartCX, 0},
    {"ChartCY", &CSettings::m_nChartCY, 0},
}};

const std::array<CStringSetting, 3> STRING_SETTINGS = {{
    {"LastFile", &CSettings::m_strLastFile, ""},
    {"Font", &CSettings::m_strFont, "MS Sans Serif"},
    {"PrintFont", &CSettings::m_strPrintFont, "MS Sans Serif"},
}};
} // namespace

void CSettings::ReadSettings(ISettingsStore& store) {
    for (const CIntSetting& s : INT_SETTINGS)
        this->*s.m_pMember = store.GetInt(SETTINGS_SECTION, s.m_pszKey, s.m_nDefault);
    for (const CStringSetting& s : STRING_SETTINGS)
        this->*s.m_pMember = store.GetString(SETTINGS_SECTION, s.m_pszKey, s.m_pszDefault);
    m_recentFiles.Read(store);
}

void CSettings::WriteSettings(ISettingsStore& store) const {
    for (const CIntSetting& s : INT_SETTINGS)
        store.WriteInt(SETTINGS_SECTION, s.m_pszKey, this->*s.m_pMember);
    for (const CStringSetting& s : STRING_SETTINGS)
        store.WriteString(SETTINGS_SECTION, s.m_pszKey, this->*s.m_pMember);
    m_recentFiles.Write(store);
}
