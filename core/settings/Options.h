#pragma once
#include "core/document/CUserType.h"
#include <optional>
#include <string>
#include <string_view>

struct CSettings;

// The preferences the Options dialog edits: a working copy, so nothing outside the dialog
// changes before OK.
struct COptions {
    bool m_bBackup = false;
    bool m_bTextBackup = true;
    bool m_bLoadLast = false;
    int m_nDblClick = 1; // 1 edits the entry, 0 toggles its cleared flag
    std::string m_strFont = "MS Sans Serif";
    int m_nFontSize = 80; // tenths of a point
    int m_nTxColor = 0;
    int m_nBkColor = 16777215;
    int m_nAType = 1; // position in the "Default Entry Type:" list
    bool m_bACleared = false;
    CUserTypeTable m_userTypes;
};

COptions OptionsFromApp(const CSettings& app);

// What taking the options back changed beyond plain values.
struct COptionsApplied {
    bool m_bFontChanged = false;
    bool m_bColorsChanged = false;
    bool m_bUserTypesChanged = false;
};

// Copies the options into the application. The in-use flags of the user types stay the
// application's: only the document's contents decide them.
COptionsApplied ApplyOptions(const COptions& options, CSettings& app);

enum class EUserTypeField { Name, Abbr };

struct CUserTypeFault {
    int m_nSlot; // 0..3
    EUserTypeField m_field;
    const char* m_pszMessage;
    // The texts, not where they are stored: a string literal may exist more than once.
    bool operator==(const CUserTypeFault& other) const {
        return m_nSlot == other.m_nSlot && m_field == other.m_field &&
               std::string_view(m_pszMessage) == std::string_view(other.m_pszMessage);
    }
};

// Checks the enabled slots in slot order and reports the first fault; disabled slots are
// never looked at, and slots in use (locked in the dialog) only as others' rivals. Abbreviations
// are compared exactly, so "c" differs from "C".
std::optional<CUserTypeFault> ValidateUserTypes(const CUserTypeTable& types);

// "MS Sans Serif 8pt": the face and the size in whole points.
std::string FontButtonCaption(const std::string& strFace, int nTenths);

// A font size as typed in the font chooser: 8 to 18 points, whole or with one decimal
// ("10.5"), as tenths of a point; otherwise the message that refuses it.
struct CFontSizeEntry {
    int m_nTenths = 0;
    const char* m_pszError = nullptr;
};
CFontSizeEntry ParseFontSize(std::string_view text);
