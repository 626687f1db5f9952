#include "CliUsage.h"

namespace {

// Commands on the register file alone.
std::vector<CUsageEntry> FileCommands() {
    return {
        {"info FILE", "print what the register holds: its version, the counts of its "
                      "entries, balances, next check number, archives and whether it "
                      "is password protected"},
        {"text FILE", "write the register's text copy, as a save writes it, to "
                      "standard output"},
        {"convert IN OUT", "write IN as a register file OUT in the current layout; a "
                           "2.0 file is imported without asking"},
    };
}

// Commands that read or write a bank file.
std::vector<CUsageEntry> BankFileCommands() {
    return {
        {"import FILE IN", "add the new transactions of a bank file IN to the "
                           "register FILE (made when it does not exist) and save it; "
                           "prints each transaction as new, duplicate or skipped"},
        {"--format ofx|qif|csv",
         "the format of IN, when its name and contents do not "
         "tell",
         1},
        {"--date-order mdy|dmy|ymd",
         "the order of day, month and year in IN's dates, "
         "when they could be read either way",
         1},
        {"--map date=N,desc=N,amount=N|debit=N,credit=N[,...]",
         "the numbers of a CSV file's columns, counted from 1, when its header does "
         "not name them; also memo=N (the text used when the description is empty), "
         "sign=N (the column that gives an unsigned amount's direction: Af/Bij, C/D, "
         "DR/CR, Debit/Credit), num=N and cleared=N",
         1},
        {"--account ID",
         "the account to import from a file that holds several; without it such a "
         "file ends with status 2 and the list of its accounts",
         1},
        {"--dry-run", "only print what would be added; FILE is not written", 1},
        {"reconcile FILE BANKFILE",
         "mark cleared the entries the bank has posted and add the new transactions "
         "(takes import's options): one line per bank transaction (cleared, already "
         "cleared, new) and per uncleared entry in the file's dates (outstanding), a "
         "summary, and the bank's ledger balance against the cleared balance; status 3 "
         "when they differ"},
        {"--dry-run", "change nothing and write nothing; only report", 1},
        {"export FILE OUT", "write the register as OUT.csv or OUT.qif"},
    };
}

// The figures of the Balance, Search and Statistics dialogs.
std::vector<CUsageEntry> ToolCommands() {
    return {
        {"balance FILE STATEMENT",
         "reconcile with a bank statement's ending balance (-9999999.99 to 9999999.99; "
         "a negative one as -12.34): the six figures of the Balance dialog and its "
         "message"},
        {"search FILE CRITERIA",
         "list the entries that pass every criterion given, one line each (Num., Date, "
         "Desc., Type, Debit, Credit, tab-separated), then their count and the debit "
         "and credit totals; a value may also follow '=' (--amount=-5.00)"},
        {"--check N | --check FIRST-LAST", "check numbers 0 to 999999", 1},
        {"--amount X | --amount FIRST:LAST", "amounts -99999.99 to 99999.99", 1},
        {"--debits, --credits", "with --amount only: the sides to find (neither means both)", 1},
        {"--desc TEXT", "the whole description, same case", 1},
        {"--date MM/DD/YYYY | --date FIRST:LAST", "entry dates, both ends included", 1},
        {"--type LIST",
         "comma-separated C, A, R, T, O, U1-U4 (also types not switched on; '' finds "
         "nothing)",
         1},
        {"stats FILE", "first and last date and check number, then entries, debits and "
                       "credits per shown entry type and in total"},
    };
}

// The figures of the Balance Chart window.
std::vector<CUsageEntry> ChartCommands() {
    return {
        {"balances FILE", "the balance at the end of each period from the first entry "
                          "to today, tab-separated: the period's last day and its "
                          "balance"},
        {"--by day|week|month", "the length of a period; weeks run Sunday to Saturday", 1},
        {"--from MM/DD/YYYY", "the first day shown", 1},
        {"--to MM/DD/YYYY", "the last day shown", 1},
        {"--cleared", "the starting balance and the cleared entries only", 1},
        {"forecast FILE", "the register's later entries and every occurrence of the "
                          "automatic entries ahead, each with its date, description, "
                          "amount and the balance after it, then the lowest end-of-day "
                          "balance and the first day below zero; status 4 when it goes "
                          "below zero"},
        {"--months N", "how far ahead, 1 to 24 months (3 if not given)", 1},
    };
}

CUsageSection Commands() {
    std::vector<CUsageEntry> entries = FileCommands();
    for (auto* fnPart : {&BankFileCommands, &ToolCommands, &ChartCommands}) {
        std::vector<CUsageEntry> part = fnPart();
        entries.insert(entries.end(), part.begin(), part.end());
    }
    return {"Commands", entries};
}

CUsageSection Options() {
    return {"Options",
            {
                {"--password PW", "the password of a protected register"},
                {"--help", "print this text"},
                {"--version", "print the program's name and version"},
                {"--", "ends the options: a FILE may then start with '-'"},
            }};
}

} // namespace

const CProgramHelp& CliHelp() {
    static const CProgramHelp help{
        "tallywise-cli",
        "look at, search, import into and convert Tallywise registers without a window",
        {"COMMAND FILE... [OPTION...]", "--help | --version"},
        {"tallywise-cli reads a register file (.twd) of Tallywise and prints what it holds, "
         "reconciles it with a statement, searches it, shows its statistics, imports a bank "
         "file into it or converts and exports it. It needs no display and asks no "
         "question; it computes what the window's dialogs show."},
        {Commands(), Options()},
        "0 done; 1, with one line on standard error, when a file cannot be opened or written; "
        "2, with the usage text, on wrong usage; 3 when reconcile finds the cleared balance "
        "differs from the bank's ledger balance; 4 when forecast goes below zero.",
        {},
        {"tallywise"},
    };
    return help;
}

const std::string CLI_USAGE = UsageText(CliHelp());
