#pragma once
#include <string>
#include <vector>

// What a program's command line takes, written down once: its --help text and its manual
// page are both made from it, so the two cannot tell different stories.

// A command or an option as typed ("info FILE", "--password PW") and what it does.
struct CUsageEntry {
    std::string m_strTerm;
    std::string m_strText;
    // 1: belongs to the level-0 entry above it, as a command's own options do.
    int m_nLevel = 0;
};

struct CUsageSection {
    std::string m_strTitle; // "Commands", "Options"
    std::vector<CUsageEntry> m_entries;
};

struct CProgramHelp {
    std::string m_strName;
    std::string m_strSummary;               // the manual's one line under NAME
    std::vector<std::string> m_synopsis;    // the forms of a call, after the program's name
    std::vector<std::string> m_description; // paragraphs of the manual only
    std::vector<CUsageSection> m_sections;
    std::string m_strExitStatus;
    std::vector<CUsageEntry> m_files; // the manual only
    std::vector<std::string> m_seeAlso;
};

// The --help text: the synopsis, every section with its entries, the exit status.
std::string UsageText(const CProgramHelp& help);

// The manual page in man(7) markup. strDate is the month the page is dated, strSource the
// name and version of the suite it belongs to.
std::string ManPage(const CProgramHelp& help, const std::string& strDate,
                    const std::string& strSource);
