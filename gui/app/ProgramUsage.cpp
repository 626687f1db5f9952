#include "ProgramUsage.h"
#include "core/framework/AppTitle.h"

namespace {

CUsageSection Options() {
    return {"Options",
            {
                {"FILE", "open the register FILE in the window; without it the window starts "
                         "with a new, empty register, or with the last one when the options "
                         "say so"},
                {"--new-instance", "open a window of its own, not one of a running program"},
                {"--print FILE", "print FILE on the default printer, then exit"},
                {"--print-to-pdf OUT.pdf", "write the printed register of FILE to OUT.pdf, "
                                           "then exit; uses the print settings of Page Setup "
                                           "and needs no display"},
                {"--range FROM:TO", "print only the entries dated FROM to TO (MM/DD/YYYY), "
                                    "both included"},
                {"--password PW", "the password of a protected FILE"},
                {"--help", "print this text"},
                {"--version", "print the program's name and version"},
                {"--", "ends the options: a FILE may then start with '-'"},
            }};
}

std::vector<CUsageEntry> Files() {
    return {
        {std::string("~/.config/") + APP_ORGANIZATION + "/" + APP_TITLE + ".ini",
         "The settings (under $XDG_CONFIG_HOME when that is set)."},
        {"$XDG_RUNTIME_DIR/tallywise-DISPLAY.socket",
         "Where the running window listens for later starts (in a private folder of the "
         "temporary folder when XDG_RUNTIME_DIR is not set)."},
    };
}

} // namespace

const CProgramHelp& ProgramHelp() {
    static const CProgramHelp help{
        "tallywise",
        "keep the check register of a bank account",
        {"[--new-instance] [--] [FILE]", "--print FILE",
         "--print-to-pdf OUT.pdf [--range FROM:TO] [--password PW] FILE", "--help | --version"},
        {"tallywise shows the register of one bank account, one row per entry in date order "
         "with a running balance, and keeps it in a register file (.twd).",
         "Only one window runs per user and display: when Tallywise already runs, a second "
         "start hands FILE to the running window, which comes to the front and opens it as "
         "File Open does (asking first whether to save a changed register), and the second "
         "start ends. Without FILE the running window just comes to the front."},
        {Options()},
        "0 done; 1 FILE could not be opened or OUT.pdf not written; 2 wrong usage, or OUT.pdf "
        "is FILE, its .bak or .txt copy, or a file that is not a PDF.",
        Files(),
        {"tallywise-cli"},
    };
    return help;
}

const std::string PROGRAM_USAGE = UsageText(ProgramHelp());
