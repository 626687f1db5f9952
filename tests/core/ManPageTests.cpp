#include "cli/CliUsage.h"
#include "gui/app/ProgramUsage.h"
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {

// Runs of white space as one space: the manual and --help break lines differently.
std::string OneSpaced(const std::string& str) {
    std::istringstream words(str);
    std::string strOut, strWord;
    while (words >> strWord)
        strOut += (strOut.empty() ? "" : " ") + strWord;
    return strOut;
}

// The page as man shows it, in plain ASCII and wide enough that no line is broken, followed
// by whatever groff warned about.
std::string ShownByMan(const std::string& strPage, const std::string& strPath) {
    std::ofstream(strPath, std::ios::binary) << strPage;
    const std::string strCommand =
        "LC_ALL=C MANWIDTH=1000 man --warnings -l -P cat '" + strPath + "' 2>&1";
    std::string strOut;
    if (FILE* pPipe = popen(strCommand.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, pPipe)) > 0;)
            strOut.append(buf, n);
        pclose(pPipe);
    }
    return strOut;
}

} // namespace

// The manual page tells what --help tells, entry by entry and in the same order.
TEST(ManPageTest, EveryEntryOfTheHelpIsInTheManualPage) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    for (const CProgramHelp* pHelp : {&CliHelp(), &ProgramHelp()}) {
        const std::string strPath =
            (dir / ("tw-" + std::to_string(getpid()) + "-" + pHelp->m_strName + ".1")).string();
        const std::string strMan =
            OneSpaced(ShownByMan(ManPage(*pHelp, "May 2026", "Tallywise"), strPath));
        std::filesystem::remove(strPath);
        const std::string strUsage = OneSpaced(UsageText(*pHelp));
        EXPECT_EQ(strMan.find("warning"), std::string::npos) << strMan;
        std::size_t nManAt = 0, nUsageAt = 0;
        std::vector<std::string> shown;
        for (const std::string& strForm : pHelp->m_synopsis)
            shown.push_back(pHelp->m_strName + " " + strForm);
        for (const CUsageSection& section : pHelp->m_sections)
            for (const CUsageEntry& entry : section.m_entries)
                shown.push_back(OneSpaced(entry.m_strTerm + " " + entry.m_strText));
        shown.push_back(OneSpaced(pHelp->m_strExitStatus));
        for (const std::string& str : shown) {
            nManAt = strMan.find(str, nManAt);
            nUsageAt = strUsage.find(str, nUsageAt);
            EXPECT_NE(nManAt, std::string::npos) << pHelp->m_strName << ": " << str;
            EXPECT_NE(nUsageAt, std::string::npos) << pHelp->m_strName << ": " << str;
            if (nManAt == std::string::npos || nUsageAt == std::string::npos)
                break;
        }
        std::istringstream lines(UsageText(*pHelp));
        for (std::string strLine; std::getline(lines, strLine);)
            EXPECT_LE(strLine.size(), 79u) << strLine;
    }
}
