#include "CliImport.h"
#include "CCliDocument.h"
#include "CliCommands.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include "core/framework/IClock.h"
#include "core/framework/IPasswordPrompt.h"
#include "core/framework/IUserMessages.h"
#include "core/framework/TextFile.h"
#include "core/import/Export.h"
#include "core/import/Import.h"
#include "core/import/ImportText.h"
#include "core/import/Reconcile.h"
#include <filesystem>
#include <optional>

namespace {

struct CImportArgs {
    std::vector<std::string> m_files;
    std::optional<EImportFormat> m_format;
    EDateOrder m_order = EDateOrder::Auto;
    std::optional<CCsvMapping> m_mapping;
    bool m_bDryRun = false;
    std::optional<std::string> m_password;
    std::optional<std::string> m_account;
};

// Empty when the arguments are right, else what is wrong.
std::string ParseImportArgs(const std::vector<std::string>& args, bool bImport, CImportArgs& a) {
    bool bOptions = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& s = args[i];
        const bool bHasValue = i + 1 < args.size();
        if (!bOptions || !LooksLikeOption(s)) {
            a.m_files.push_back(s);
        } else if (s == "--") {
            bOptions = false;
        } else if (s == "--password" && bHasValue) {
            a.m_password = args[++i];
        } else if (bImport && s == "--account" && bHasValue) {
            a.m_account = args[++i];
        } else if (bImport && s == "--dry-run") {
            a.m_bDryRun = true;
        } else if (bImport && s == "--format" && bHasValue) {
            a.m_format = ImportFormatFromWord(args[++i]);
            if (!a.m_format)
                return "--format takes ofx, qif or csv";
        } else if (bImport && s == "--date-order" && bHasValue) {
            const std::optional<EDateOrder> order = DateOrderFromWord(args[++i]);
            if (!order)
                return "--date-order takes mdy, dmy or ymd";
            a.m_order = *order;
        } else if (bImport && s == "--map" && bHasValue) {
            std::string strWhy;
            a.m_mapping = ParseCsvMapping(args[++i], &strWhy);
            if (!a.m_mapping)
                return "--map: " + strWhy;
        } else {
            return "unknown option " + s;
        }
    }
    return a.m_files.size() == 2 ? "" : "two file names are needed";
}

// Opens the register, or starts a new one when the file does not exist yet.
bool OpenRegister(CTallywiseDoc& doc, const std::string& strPath, const CImportArgs& a,
                  bool bMayCreate, std::ostream& err) {
    std::error_code ec;
    if (bMayCreate && !std::filesystem::exists(strPath, ec)) {
        doc.OnNewDocument();
        doc.SetPathName(strPath);
        return true;
    }
    const CLoadResult result = doc.OnOpenDocument(strPath);
    if (result.Ok())
        return true;
    std::string strWhy = LoadErrorText(result);
    if (result.m_nError == ELoadError::WrongPassword)
        strWhy = a.m_password ? "the password is not correct"
                              : "the register is password protected (use --password)";
    err << "tallywise-cli: " << strPath << ": " << strWhy << "\n";
    return false;
}

void PrintRow(const CImportRow& row, std::ostream& out) {
    static const char* const WORDS[] = {"new", "duplicate", "skipped"};
    out << WORDS[static_cast<int>(row.m_nStatus)] << "\t"
        << (row.m_date ? FormatDate(row.m_date, "%m/%d/%Y") : std::string()) << "\t"
        << (row.m_nCheckNum ? std::to_string(row.m_nCheckNum) : std::string()) << "\t"
        << row.m_strDesc << "\t" << Format("%.2f", row.SignedAmount());
    if (row.m_nStatus != EImportStatus::New)
        out << "\t" << row.m_strReason;
    out << "\n";
}

// Keeps the account asked for; 2, after listing the accounts, when the file holds several
// and none (or one it lacks) was named.
int ChooseAccount(const CImportArgs& a, CReadResult& read, std::ostream& err) {
    const int nFound = a.m_account ? FindAccount(read, *a.m_account) : -1;
    if (nFound >= 0) {
        KeepOneAccount(read, nFound);
        return 0;
    }
    if (!a.m_account && read.m_accounts.size() <= 1)
        return 0;
    err << "tallywise-cli: " << a.m_files[1] << ": "
        << (a.m_account ? "the file has no account \"" + *a.m_account + "\""
                        : Format("the file holds %zu accounts; choose one with --account ID",
                                 read.m_accounts.size()))
        << "\n";
    for (const CImportAccount& account : read.m_accounts)
        err << "  " << AccountLabel(account) << "\n";
    return 2;
}

// Reads the bank file into read: 0 when its transactions can be matched, else the status
// to end with, after saying why.
int ReadBankFile(const CImportArgs& a, CReadResult& read, std::ostream& err) {
    const std::string& strIn = a.m_files[1];
    std::vector<std::uint8_t> bytes;
    std::string strError;
    if (!ReadWholeFile(strIn, bytes, strError)) {
        err << "tallywise-cli: " << strIn << ": " << strError << "\n";
        return 1;
    }
    const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const EImportFormat format = a.m_format.value_or(GuessImportFormat(strIn, view));
    bool bNeedMapping = false;
    std::string strMappingWhy;
    read = ReadImportFile(format, view, a.m_order, a.m_mapping, &bNeedMapping, &strMappingWhy);
    if (read.m_nUnmappedSign >= 0) {
        err << "tallywise-cli: " << strIn << ": " << strMappingWhy << "; give it with --map "
            << "...,sign=" << read.m_nUnmappedSign + 1 << "\n";
        return 2;
    }
    if (bNeedMapping) {
        err << "tallywise-cli: " << strIn << ": the columns cannot be recognised (" << strMappingWhy
            << "); give them with --map date=N,desc=N,amount=N\n";
        return 2;
    }
    if (!read.Ok()) {
        err << "tallywise-cli: " << strIn << ": " << read.m_strError << "\n";
        return 1;
    }
    if (const int nStatus = ChooseAccount(a, read, err))
        return nStatus;
    if (read.m_bOrderAmbiguous) {
        err << "tallywise-cli: " << strIn
            << ": the dates could be month or day first; give --date-order mdy, dmy or ymd\n";
        return 2;
    }
    return 0;
}

void PrintPlan(const CImportPlan& plan, std::ostream& out, std::ostream& err) {
    for (const CImportRow& row : plan.m_rows)
        PrintRow(row, out);
    out << ImportSummary(plan) << "\n";
    for (const std::string& note : plan.m_notes)
        err << "tallywise-cli: " << note << "\n";
}

// False, after saying so on one line, when the new entries would not fit in the register.
bool HasRoomFor(const CTallywiseDoc& doc, const CImportPlan& plan, const CImportArgs& a,
                std::ostream& err) {
    const std::string strLimit = ImportLimitMessage(doc, plan.m_nNew);
    if (strLimit.empty())
        return true;
    std::string s = strLimit;
    for (char& c : s)
        if (c == '\n')
            c = ' ';
    err << "tallywise-cli: " << a.m_files[0] << ": " << s
        << (a.m_bDryRun ? " Nothing would be added." : " Nothing was added.") << "\n";
    return false;
}

} // namespace

namespace {
// Reads the arguments and the bank file they name: 0, or the status to end with.
int ParseAndReadBankFile(const std::vector<std::string>& args, CImportArgs& a, CReadResult& read,
                         std::ostream& err) {
    const std::string strUsage = ParseImportArgs(args, true, a);
    if (!strUsage.empty()) {
        err << "tallywise-cli: " << strUsage << "\n" << CLI_USAGE;
        return 2;
    }
    return ReadBankFile(a, read, err);
}
} // namespace

int RunImportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CImportArgs a;
    CReadResult read;
    if (const int nStatus = ParseAndReadBankFile(args, a, read, err))
        return nStatus;

    const std::string& strRegister = a.m_files[0];
    CCliDocument cli(a.m_password);
    CTallywiseDoc& doc = cli.m_doc;
    if (!OpenRegister(doc, strRegister, a, true, err))
        return 1;
    const CImportPlan plan = BuildImportPlan(doc, read);
    PrintPlan(plan, out, err);
    if (!HasRoomFor(doc, plan, a, err))
        return 1;
    if (a.m_bDryRun || plan.m_nNew == 0)
        return out ? 0 : 1;
    ApplyImport(doc, plan, {});
    if (!doc.OnSaveDocument(strRegister)) {
        err << "tallywise-cli: " << strRegister << ": "
            << (cli.m_messages.Last().empty() ? "cannot be written" : cli.m_messages.Last())
            << "\n";
        return 1;
    }
    out.flush();
    return out ? 0 : 1;
}

namespace {

void PrintReconcileLine(const CTallywiseDoc& doc, const CReconcilePlan& plan,
                        const CReconcileLine& line, std::ostream& out) {
    static const char* const WORDS[] = {"cleared", "already cleared", "new", "outstanding",
                                        "skipped"};
    out << WORDS[static_cast<int>(line.m_nGroup)] << "\t";
    if (line.m_nRow < 0) {
        const CEntry& e = doc.Entries()[static_cast<std::size_t>(line.m_nEntry)];
        out << FormatDate(e.m_date, "%m/%d/%Y") << "\t"
            << (e.m_nCheckNum ? std::to_string(e.m_nCheckNum) : std::string()) << "\t"
            << e.m_strDesc << "\t" << Format("%.2f", e.m_bDebit ? -e.m_dAmount : e.m_dAmount)
            << "\n";
        return;
    }
    const CImportRow& row = plan.m_import.m_rows[static_cast<std::size_t>(line.m_nRow)];
    out << (row.m_date ? FormatDate(row.m_date, "%m/%d/%Y") : std::string()) << "\t"
        << (row.m_nCheckNum ? std::to_string(row.m_nCheckNum) : std::string()) << "\t"
        << row.m_strDesc << "\t" << Format("%.2f", row.SignedAmount());
    if (line.m_nGroup == EReconcileGroup::Skipped)
        out << "\t" << row.m_strReason;
    out << "\n";
}

// The lines and the summary; the ledger comparison comes once the changes are made.
void PrintReconcile(const CTallywiseDoc& doc, const CReconcilePlan& plan, std::ostream& out,
                    std::ostream& err) {
    for (const CReconcileLine& line : plan.m_lines)
        PrintReconcileLine(doc, plan, line, out);
    out << ReconcileSummary(plan) << "\n";
    for (const std::string& note : plan.m_import.m_notes)
        err << "tallywise-cli: " << note << "\n";
}

} // namespace

int RunReconcileCommand(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err) {
    CImportArgs a;
    CReadResult read;
    if (const int nStatus = ParseAndReadBankFile(args, a, read, err))
        return nStatus;
    CCliDocument cli(a.m_password);
    CTallywiseDoc& doc = cli.m_doc;
    if (!OpenRegister(doc, a.m_files[0], a, false, err))
        return 1;
    const CReconcilePlan plan = BuildReconcilePlan(doc, read);
    PrintReconcile(doc, plan, out, err);
    if (!HasRoomFor(doc, plan.m_import, a, err))
        return 1;
    // A dry run makes the changes in memory only, for the balance they would give.
    if (ApplyReconcile(doc, plan) && !a.m_bDryRun && !doc.OnSaveDocument(a.m_files[0])) {
        err << "tallywise-cli: " << a.m_files[0] << ": "
            << (cli.m_messages.Last().empty() ? "cannot be written" : cli.m_messages.Last())
            << "\n";
        return 1;
    }
    const std::string strLedger = LedgerComparison(plan, ClearedBalance(doc));
    if (!strLedger.empty())
        out << strLedger << "\n";
    out.flush();
    if (!out)
        return 1;
    return plan.m_dLedger && ToCents(*plan.m_dLedger) != ToCents(ClearedBalance(doc)) ? 3 : 0;
}

int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CImportArgs a;
    std::string strUsage = ParseImportArgs(args, false, a);
    if (strUsage.empty() && !ExportFormatFromPath(a.m_files[1]))
        strUsage = "the exported file's name must end in .csv or .qif";
    if (!strUsage.empty()) {
        err << "tallywise-cli: " << strUsage << "\n" << CLI_USAGE;
        return 2;
    }
    CCliDocument cli(a.m_password);
    if (!OpenRegister(cli.m_doc, a.m_files[0], a, false, err))
        return 1;
    std::string strError;
    if (!ExportRegister(cli.m_doc, a.m_files[1], *ExportFormatFromPath(a.m_files[1]), {},
                        strError)) {
        err << "tallywise-cli: " << a.m_files[1] << ": " << strError << "\n";
        return 1;
    }
    out.flush();
    return 0;
}
