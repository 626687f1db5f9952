#include "Options.h"
#include "core/framework/FieldLimits.h"
#include "core/framework/Format.h"
#include "core/settings/CSettings.h"
#include <algorithm>
#include <cstddef>

namespace {

const char* const NAME_MISSING = "You must enter a name for this\nUser Defined Type.";
const char* const ABBR_MISSING = "You must enter an abbreviation\n for this User Defined Type.";
const char* const ABBR_TAKEN = "Each User Defined Type must\nhave a unique abbreviation.";

bool IsBuiltInAbbr(const std::string& strAbbr) {
    for (const char* pszBuiltIn : {"C", "A", "R", "T", "O"})
        if (strAbbr == pszBuiltIn)
            return true;
    return false;
}

bool IsAbbrTaken(const CUserTypeTable& types, std::size_t nSlot) {
    const std::string& strAbbr = types[nSlot].m_strAbbr;
    if (IsBuiltInAbbr(strAbbr))
        return true;
    for (std::size_t k = 0; k < types.size(); ++k)
        if (k != nSlot && types[k].m_bEnabled && types[k].m_strAbbr == strAbbr)
            return true;
    return false;
}

} // namespace

COptions OptionsFromApp(const CSettings& app) {
    COptions options;
    options.m_bBackup = app.m_nBackup != 0;
    options.m_bTextBackup = app.m_nTextBackup != 0;
    options.m_bLoadLast = app.m_nLoadLast != 0;
    options.m_nDblClick = app.m_nDblClick == 1 ? 1 : 0;
    options.m_strFont = app.m_strFont;
    options.m_nFontSize = app.m_nFontSize;
    options.m_nTxColor = app.m_nTxColor;
    options.m_nBkColor = app.m_nBkColor;
    options.m_nAType = app.m_nAType;
    options.m_bACleared = app.m_nACleared != 0;
    options.m_userTypes = app.m_userTypes;
    return options;
}

COptionsApplied ApplyOptions(const COptions& options, CSettings& app) {
    COptionsApplied applied;
    CUserTypeTable& types = app.m_userTypes;
    for (std::size_t k = 0; k < types.size(); ++k) {
        const CUserType& from = options.m_userTypes[k];
        CUserType& to = types[k];
        applied.m_bUserTypesChanged =
            applied.m_bUserTypesChanged || (to.m_bEnabled != 0) != (from.m_bEnabled != 0) ||
            to.m_strName != from.m_strName || to.m_strAbbr != from.m_strAbbr;
        to.m_bEnabled = from.m_bEnabled != 0 ? 1 : 0;
        to.m_strAbbr = from.m_strAbbr;
        to.m_strName = from.m_strName;
    }
    app.m_nDblClick = options.m_nDblClick;
    app.m_nTextBackup = options.m_bTextBackup ? 1 : 0;
    app.m_nBackup = options.m_bBackup ? 1 : 0;
    app.m_nLoadLast = options.m_bLoadLast ? 1 : 0;
    app.m_nAType = options.m_nAType;
    app.m_nACleared = options.m_bACleared ? 1 : 0;
    if (options.m_strFont != app.m_strFont || options.m_nFontSize != app.m_nFontSize) {
        app.m_strFont = options.m_strFont;
        app.m_nFontSize = options.m_nFontSize;
        applied.m_bFontChanged = true;
    }
    if (options.m_nBkColor != app.m_nBkColor || options.m_nTxColor != app.m_nTxColor) {
        app.m_nBkColor = options.m_nBkColor;
        app.m_nTxColor = options.m_nTxColor;
        applied.m_bColorsChanged = true;
    }
    return applied;
}

std::optional<CUserTypeFault> ValidateUserTypes(const CUserTypeTable& types) {
    for (std::size_t k = 0; k < types.size(); ++k) {
        const CUserType& type = types[k];
        // A slot the register uses cannot be edited, so it is never the one to blame; its
        // abbreviation still counts against the others.
        if (!type.m_bEnabled || type.m_bNotInUse == 0)
            continue;
        const int nSlot = static_cast<int>(k);
        if (type.m_strName.empty())
            return CUserTypeFault{nSlot, EUserTypeField::Name, NAME_MISSING};
        if (type.m_strAbbr.empty())
            return CUserTypeFault{nSlot, EUserTypeField::Abbr, ABBR_MISSING};
        if (IsAbbrTaken(types, k))
            return CUserTypeFault{nSlot, EUserTypeField::Abbr, ABBR_TAKEN};
    }
    return std::nullopt;
}

std::string FontButtonCaption(const std::string& strFace, int nTenths) {
    return Format("%s %dpt", strFace.c_str(), nTenths / 10);
}

CFontSizeEntry ParseFontSize(std::string_view text) {
    static const char* const s_pszRange = "Size must be between 8 and 18 points.";
    static const char* const s_pszDecimals = "Size can have one decimal place at most, as in 10.5.";
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    long long nTenths = 0;
    int nDecimals = -1; // digits after the point; -1 before it
    bool bDigits = false;
    for (char c : text) {
        if (c == '.' && nDecimals < 0) {
            nDecimals = 0;
        } else if (c >= '0' && c <= '9') {
            bDigits = true;
            if (nDecimals >= 1) {
                if (c != '0')
                    return {0, s_pszDecimals};
                continue;
            }
            nTenths = std::min(nTenths * 10 + (c - '0'), 1000000LL);
            if (nDecimals == 0)
                nDecimals = 1;
        } else {
            return {0, s_pszRange};
        }
    }
    if (!bDigits)
        return {0, s_pszRange};
    if (nDecimals < 1)
        nTenths *= 10;
    if (nTenths < MIN_FONT_POINTS * 10 || nTenths > MAX_FONT_POINTS * 10)
        return {0, s_pszRange};
    return {static_cast<int>(nTenths), nullptr};
}
