#include "CommandLineHelp.h"
#include <cctype>
#include <sstream>

namespace {

constexpr std::size_t LINE_WIDTH = 79;
constexpr std::size_t TEXT_COLUMN = 26;

// Fills the words of strText into lines of at most LINE_WIDTH, each indented by nIndent
// (the first one only when bIndentFirst).
std::string Wrap(const std::string& strText, std::size_t nIndent, bool bIndentFirst) {
    std::istringstream words(strText);
    std::string strOut, strWord;
    std::size_t nColumn = bIndentFirst ? 0 : nIndent;
    bool bFirstOnLine = true;
    while (words >> strWord) {
        if (!bFirstOnLine && nColumn + 1 + strWord.size() > LINE_WIDTH) {
            strOut += "\n";
            nColumn = 0;
            bFirstOnLine = true;
        }
        if (nColumn == 0) {
            strOut += std::string(nIndent, ' ');
            nColumn = nIndent;
        }
        if (!bFirstOnLine) {
            strOut += ' ';
            ++nColumn;
        }
        strOut += strWord;
        nColumn += strWord.size();
        bFirstOnLine = false;
    }
    return strOut + "\n";
}

std::string UsageEntry(const CUsageEntry& entry) {
    const std::string strHead = std::string(2 + 2 * entry.m_nLevel, ' ') + entry.m_strTerm;
    if (strHead.size() + 2 > TEXT_COLUMN)
        return strHead + "\n" + Wrap(entry.m_strText, TEXT_COLUMN, true);
    return strHead + std::string(TEXT_COLUMN - strHead.size(), ' ') +
           Wrap(entry.m_strText, TEXT_COLUMN, false);
}

// Text as roff reads it: a backslash is printed, '-' is a minus sign (what options are
// typed with), and a line never starts with a control character.
std::string Roff(const std::string& strText) {
    std::string strOut;
    for (char c : strText) {
        if (c == '\\')
            strOut += "\\e";
        else if (c == '-')
            strOut += "\\-";
        else
            strOut += c;
    }
    if (!strOut.empty() && (strOut[0] == '.' || strOut[0] == '\''))
        strOut.insert(0, "\\&");
    return strOut;
}

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.' ||
           c == '/' || c == '~';
}

// A term with its fonts: what is typed as it stands in bold, what the user replaces (a
// word in capitals: FILE, OUT.pdf) in italics, brackets and bars plain.
std::string RoffTerm(const std::string& strTerm) {
    std::string strOut;
    for (std::size_t i = 0; i < strTerm.size();) {
        if (!IsWordChar(strTerm[i])) {
            strOut += Roff(std::string(1, strTerm[i++]));
            continue;
        }
        std::size_t nEnd = i;
        while (nEnd < strTerm.size() && IsWordChar(strTerm[nEnd]))
            ++nEnd;
        const std::string strWord = strTerm.substr(i, nEnd - i);
        const bool bPlaceholder = std::isupper(static_cast<unsigned char>(strWord[0]));
        strOut += (bPlaceholder ? "\\fI" : "\\fB") + Roff(strWord) + "\\fR";
        i = nEnd;
    }
    if (!strOut.empty() && strOut[0] == '.')
        strOut.insert(0, "\\&");
    return strOut;
}

std::string Upper(std::string str) {
    for (char& c : str)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return str;
}

std::string ManEntries(const std::vector<CUsageEntry>& entries) {
    std::string strOut;
    int nLevel = 0;
    for (const CUsageEntry& entry : entries) {
        for (; nLevel < entry.m_nLevel; ++nLevel)
            strOut += ".RS\n";
        for (; nLevel > entry.m_nLevel; --nLevel)
            strOut += ".RE\n";
        strOut += ".TP\n" + RoffTerm(entry.m_strTerm) + "\n" + Roff(entry.m_strText) + "\n";
    }
    for (; nLevel > 0; --nLevel)
        strOut += ".RE\n";
    return strOut;
}

std::string ManHead(const CProgramHelp& help, const std::string& strDate,
                    const std::string& strSource) {
    std::string strOut = ".TH " + Roff(Upper(help.m_strName)) + " 1 \"" + strDate + "\" \"" +
                         strSource + "\" \"User Commands\"\n";
    strOut += ".SH NAME\n" + Roff(help.m_strName) + " \\- " + Roff(help.m_strSummary) + "\n";
    strOut += ".SH SYNOPSIS\n.nf\n";
    for (const std::string& strForm : help.m_synopsis)
        strOut += "\\fB" + Roff(help.m_strName) + "\\fR " + RoffTerm(strForm) + "\n";
    strOut += ".fi\n";
    if (!help.m_description.empty()) {
        strOut += ".SH DESCRIPTION\n";
        for (std::size_t i = 0; i < help.m_description.size(); ++i)
            strOut += (i ? ".PP\n" : "") + Roff(help.m_description[i]) + "\n";
    }
    return strOut;
}

} // namespace

std::string UsageText(const CProgramHelp& help) {
    std::string strOut;
    for (std::size_t i = 0; i < help.m_synopsis.size(); ++i)
        strOut += (i ? "       " : "Usage: ") + help.m_strName + " " + help.m_synopsis[i] + "\n";
    for (const CUsageSection& section : help.m_sections) {
        strOut += section.m_strTitle + ":\n";
        for (const CUsageEntry& entry : section.m_entries)
            strOut += UsageEntry(entry);
    }
    return strOut + Wrap("Exit status: " + help.m_strExitStatus, 0, true);
}

std::string ManPage(const CProgramHelp& help, const std::string& strDate,
                    const std::string& strSource) {
    std::string strOut = ManHead(help, strDate, strSource);
    for (const CUsageSection& section : help.m_sections)
        strOut += ".SH " + Upper(section.m_strTitle) + "\n" + ManEntries(section.m_entries);
    strOut += ".SH EXIT STATUS\n" + Roff(help.m_strExitStatus) + "\n";
    if (!help.m_files.empty()) {
        strOut += ".SH FILES\n";
        for (const CUsageEntry& file : help.m_files)
            strOut += ".TP\n.I \"" + Roff(file.m_strTerm) + "\"\n" + Roff(file.m_strText) + "\n";
    }
    if (!help.m_seeAlso.empty()) {
        strOut += ".SH SEE ALSO\n";
        for (std::size_t i = 0; i < help.m_seeAlso.size(); ++i)
            strOut += ".BR " + Roff(help.m_seeAlso[i]) + " (1)" +
                      (i + 1 < help.m_seeAlso.size() ? ",\n" : "\n");
    }
    return strOut;
}
