#include "CIniSettingsStore.h"
#include "core/framework/AppTitle.h"
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {
std::string Trim(const std::string& s) {
    const std::size_t nFirst = s.find_first_not_of(" \t\r");
    if (nFirst == std::string::npos)
        return {};
    return s.substr(nFirst, s.find_last_not_of(" \t\r") - nFirst + 1);
}

// A quoted value keeps its inner text with the escapes the window's writer uses undone.
std::string Unquote(const std::string& s) {
    if (s.size() < 2 || s.front() != '"' || s.back() != '"')
        return s;
    std::string out;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        if (s[i] == '\\' && i + 2 < s.size()) {
            const char c = s[++i];
            out += c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
        } else {
            out += s[i];
        }
    }
    return out;
}
} // namespace

CIniSettingsStore::CIniSettingsStore(const std::string& strPath) {
    std::ifstream in(strPath, std::ios::binary);
    if (!in)
        return;
    std::ostringstream text;
    text << in.rdbuf();
    Parse(text.str());
}

void CIniSettingsStore::Parse(const std::string& strText) {
    std::istringstream lines(strText);
    std::string strLine;
    std::string strSection;
    while (std::getline(lines, strLine)) {
        strLine = Trim(strLine);
        if (strLine.empty() || strLine[0] == ';' || strLine[0] == '#')
            continue;
        if (strLine.front() == '[' && strLine.back() == ']') {
            strSection = strLine.substr(1, strLine.size() - 2);
            continue;
        }
        const std::size_t nEq = strLine.find('=');
        if (nEq != std::string::npos)
            m_values[strSection + "/" + Trim(strLine.substr(0, nEq))] =
                Unquote(Trim(strLine.substr(nEq + 1)));
    }
}

int CIniSettingsStore::GetInt(const std::string& strSection, const std::string& strKey,
                              int nDefault) {
    const auto it = m_values.find(strSection + "/" + strKey);
    if (it == m_values.end())
        return nDefault;
    int nValue = 0;
    const char* pEnd = it->second.data() + it->second.size();
    const auto [p, ec] = std::from_chars(it->second.data(), pEnd, nValue);
    return ec == std::errc() && p == pEnd ? nValue : nDefault;
}

std::string CIniSettingsStore::GetString(const std::string& strSection, const std::string& strKey,
                                         const std::string& strDefault) {
    const auto it = m_values.find(strSection + "/" + strKey);
    return it == m_values.end() ? strDefault : it->second;
}

void CIniSettingsStore::WriteInt(const std::string& strSection, const std::string& strKey,
                                 int nValue) {
    m_values[strSection + "/" + strKey] = std::to_string(nValue);
}

void CIniSettingsStore::WriteString(const std::string& strSection, const std::string& strKey,
                                    const std::string& strValue) {
    m_values[strSection + "/" + strKey] = strValue;
}

std::string CIniSettingsStore::UserSettingsPath() {
    std::string strDir;
    if (const char* pszConfig = std::getenv("XDG_CONFIG_HOME"); pszConfig && *pszConfig)
        strDir = pszConfig;
    else if (const char* pszHome = std::getenv("HOME"); pszHome && *pszHome)
        strDir = std::string(pszHome) + "/.config";
    else
        return {};
    return strDir + "/" + APP_ORGANIZATION + "/" + APP_TITLE + ".ini";
}
