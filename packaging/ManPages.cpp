// Writes the manual pages of both programs into a folder, from the same descriptions their
// --help texts come from: tw_man_pages OUTDIR EPOCH (the pages are dated by EPOCH, in
// seconds since 1970, so that two builds of one commit give the same pages).
#include "cli/CliUsage.h"
#include "core/framework/AppTitle.h"
#include "gui/app/ProgramUsage.h"
#include <ctime>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: tw_man_pages OUTDIR EPOCH\n";
        return 2;
    }
    const std::time_t epoch = static_cast<std::time_t>(std::stoll(argv[2]));
    std::tm tm{};
    gmtime_r(&epoch, &tm);
    char szDate[32];
    std::strftime(szDate, sizeof szDate, "%B %Y", &tm);
    const std::string strSource = std::string("Tallywise ") + APP_VERSION;
    for (const CProgramHelp* pHelp : {&CliHelp(), &ProgramHelp()}) {
        const std::string strPath = std::string(argv[1]) + "/" + pHelp->m_strName + ".1";
        std::ofstream file(strPath, std::ios::binary);
        file << ManPage(*pHelp, szDate, strSource);
        if (!file.flush()) {
            std::cerr << "tw_man_pages: " << strPath << ": cannot be written\n";
            return 1;
        }
    }
    return 0;
}
