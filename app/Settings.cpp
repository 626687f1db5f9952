// The twenty settings of section "Settings": read once at start, written once at exit.
#include "../framework/ISettingsStore.h"
#include "CTallywiseApp.h"
#include <array>

namespace {
struct CIntSetting {
    const char* m_pszKey;
    int CTallywiseApp::*m_pMember;
    int m_nDefault;
};
struct CStringSetting {
    const char* m_pszKey;
    std::string CTallywiseApp::*m_pMember;
    const char* m_pszDefault;
};

const std::array<CIntSetting, 17> INT_SETTINGS = {{
    {"x", &CTallywiseApp::m_nX, 50},
    {"y", &CTallywiseApp::m_nY, 50},
    {"cx", &CTallywiseApp::m_nCX, 550},
    {"cy", &CTallywiseApp::m_nCY, 250},
    {"Backup", &CTallywiseApp::m_nBackup, 0},
    {"TextBackup", &CTallywiseApp::m_nTextBackup, 1},
    {"DblClick", &CTallywiseApp::m_nDblClick, 1},
    {"LoadLast", &CTallywiseApp::m_nLoadLast, 0},
    {"FontSize", &CTallywiseApp::m_nFontSize, 80},
    {"BkColor", &CTallywiseApp::m_nBkColor, 16777215},
    {"TxColor", &CTallywiseApp::m_nTxColor, 0},
    {"aType", &CTallywiseApp::m_nAType, 1},
    {"aCleared", &CTallywiseApp::m_nACleared, 0},
    {"PrntHdrs", &CTallywiseApp::m_nPrntHdrs, 1},
    {"PrntBank", &CTallywiseApp::m_nPrntBank, 1},
    {"RPP", &CTallywiseApp::m_nRPP, 25},
    {"PrintFontSize", &CTallywiseApp::m_nPrintFontSize, 80},
}};

const std::array<CStringSetting, 3> STRING_SETTINGS = {{
    {"LastFile", &CTallywiseApp::m_strLastFile, ""},
    {"Font", &CTallywiseApp::m_strFont, "MS Sans Serif"},
    {"PrintFont", &CTallywiseApp::m_strPrintFont, "MS Sans Serif"},
}};
} // namespace

void CTallywiseApp::ReadSettings(ISettingsStore& store) {
    for (const CIntSetting& s : INT_SETTINGS)
        this->*s.m_pMember = store.GetInt(SETTINGS_SECTION, s.m_pszKey, s.m_nDefault);
    for (const CStringSetting& s : STRING_SETTINGS)
        this->*s.m_pMember = store.GetString(SETTINGS_SECTION, s.m_pszKey, s.m_pszDefault);
    m_recentFiles.Read(store);
}

void CTallywiseApp::WriteSettings(ISettingsStore& store) const {
    for (const CIntSetting& s : INT_SETTINGS)
        store.WriteInt(SETTINGS_SECTION, s.m_pszKey, this->*s.m_pMember);
    for (const CStringSetting& s : STRING_SETTINGS)
        store.WriteString(SETTINGS_SECTION, s.m_pszKey, this->*s.m_pMember);
    m_recentFiles.Write(store);
}
