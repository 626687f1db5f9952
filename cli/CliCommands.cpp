#include "CliCommands.h"
#include "CCliDocument.h"
#include "CliChart.h"
#include "CliImport.h"
#include "CliTools.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/AppTitle.h"
#include "core/framework/Format.h"
#include "core/framework/IClock.h"
#include "core/framework/IPasswordPrompt.h"
#include "core/framework/IUserMessages.h"
#include <algorithm>
#include <cctype>
#include <optional>

namespace {
struct CCliArgs {
    std::string m_strCommand;
    std::vector<std::string> m_files;
    std::optional<std::string> m_password;
    std::vector<CCliOption> m_options; // the search criteria
    bool m_bHelp = false;
};

// "--name=value", "--name value" or a flag.
std::size_t TakeSearchOption(const std::vector<std::string>& args, std::size_t i,
                             std::vector<CCliOption>& options) {
    const std::string& a = args[i];
    const std::size_t nEq = a.find('=');
    if (nEq != std::string::npos) {
        options.push_back({a.substr(0, nEq), a.substr(nEq + 1)});
        return i;
    }
    if (SearchOptionTakesValue(a) && i + 1 < args.size()) {
        options.push_back({a, args[i + 1]});
        return i + 1;
    }
    options.push_back({a, std::nullopt});
    return i;
}

std::optional<CCliArgs> ParseArgs(const std::vector<std::string>& args) {
    CCliArgs parsed;
    bool bOptions = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!bOptions || !LooksLikeOption(a)) {
            if (parsed.m_strCommand.empty())
                parsed.m_strCommand = a;
            else
                parsed.m_files.push_back(a);
        } else if (a == "--") {
            bOptions = false;
        } else if (a == "--help" || a == "-h") {
            parsed.m_bHelp = true;
        } else if (a == "--password") {
            if (i + 1 >= args.size() || parsed.m_password)
                return std::nullopt;
            parsed.m_password = args[++i];
        } else if (IsSearchOption(a.substr(0, a.find('=')))) {
            i = TakeSearchOption(args, i, parsed.m_options);
        } else {
            return std::nullopt;
        }
    }
    return parsed;
}

std::string OpenFailure(const CLoadResult& result, const CGivenPassword& password) {
    if (result.m_nError == ELoadError::WrongPassword)
        return password.m_password ? "the password is not correct"
                                   : "the register is password protected (use --password)";
    return LoadErrorClause(result);
}

void PrintInfo(const CTallywiseDoc& doc, std::ostream& out) {
    out << "version: " << doc.VersionRead() << "\n"
        << "entries: " << doc.EntryCount() << "\n"
        << "descriptions: " << doc.Descriptions().size() << "\n"
        << "deleted entries: " << doc.DeletedEntries().size() << "\n"
        << "automatic entries: " << doc.AutoEntries().size() << "\n"
        << "starting balance: " << Format("%.2f", doc.StartBalance()) << "\n"
        << "starting balance set: " << (doc.IsStartBalSet() ? "yes" : "no") << "\n"
        << "current balance: " << Format("%.2f", doc.CurrentBalance()) << "\n"
        << "next check number: " << doc.NextCheck() << "\n"
        << "archives: " << doc.ArchiveCount() << "\n"
        << "password protection: " << (doc.IsPasswordSet() ? "on" : "off") << "\n";
}
} // namespace

namespace {
std::size_t FileCount(const std::string& strCommand) {
    if (strCommand == "info" || strCommand == "text" || strCommand == "search" ||
        strCommand == "stats")
        return 1;
    if (strCommand == "convert" || strCommand == "balance")
        return 2;
    return 0;
}

// Checks what the tool commands were given before any file is read.
bool ParseToolArgs(const CCliArgs& parsed, std::optional<double>& statement,
                   std::optional<CSearchCriteria>& criteria, std::string& strError) {
    if (parsed.m_strCommand == "balance")
        statement = ParseStatement(parsed.m_files[1], strError);
    else if (parsed.m_strCommand == "search")
        criteria = ParseSearchCriteria(parsed.m_options, strError);
    return strError.empty();
}
} // namespace

namespace {
int RunBankFileCommand(const std::string& strCommand, const std::vector<std::string>& rest,
                       std::ostream& out, std::ostream& err) {
    if (strCommand == "import")
        return RunImportCommand(rest, out, err);
    if (strCommand == "reconcile")
        return RunReconcileCommand(rest, out, err);
    return RunExportCommand(rest, out, err);
}
} // namespace

bool LooksLikeOption(const std::string& str) {
    return !str.empty() && str[0] == '-' &&
           !(str.size() > 1 && (std::isdigit(static_cast<unsigned char>(str[1])) || str[1] == '.'));
}

namespace {
// The commands that read their own arguments; nothing when args name none of them.
std::optional<int> RunOwnArgsCommand(const std::vector<std::string>& args, std::ostream& out,
                                     std::ostream& err) {
    if (args.empty())
        return std::nullopt;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "import" || args[0] == "export" || args[0] == "reconcile")
        return RunBankFileCommand(args[0], rest, out, err);
    if (args[0] == "balances")
        return RunBalancesCommand(rest, out, err);
    if (args[0] == "forecast")
        return RunForecastCommand(rest, out, err);
    return std::nullopt;
}
} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto itOptionsEnd = std::find(args.begin(), args.end(), "--");
    if (std::find(args.begin(), itOptionsEnd, "--version") != itOptionsEnd) {
        out << "tallywise-cli " << APP_VERSION << "\n";
        return 0;
    }
    if (const std::optional<int> nStatus = RunOwnArgsCommand(args, out, err))
        return *nStatus;
    std::optional<CCliArgs> parsed = ParseArgs(args);
    if (parsed && parsed->m_bHelp) {
        out << CLI_USAGE;
        return 0;
    }
    if (!parsed || FileCount(parsed->m_strCommand) == 0 ||
        parsed->m_files.size() != FileCount(parsed->m_strCommand) ||
        (!parsed->m_options.empty() && parsed->m_strCommand != "search")) {
        err << CLI_USAGE;
        return 2;
    }
    std::optional<double> statement;
    std::optional<CSearchCriteria> criteria;
    std::string strUsage;
    if (!ParseToolArgs(*parsed, statement, criteria, strUsage)) {
        err << "tallywise-cli: " << strUsage << "\n";
        return 2;
    }
    CCliDocument cli(parsed->m_password);
    CTallywiseDoc& doc = cli.m_doc;
    const std::string& strIn = parsed->m_files[0];
    CLoadResult result = doc.OnOpenDocument(strIn);
    if (!result.Ok()) {
        err << "tallywise-cli: " << strIn << ": " << OpenFailure(result, cli.m_password) << "\n";
        return 1;
    }
    const std::string& strCommand = parsed->m_strCommand;
    if (strCommand == "info") {
        PrintInfo(doc, out);
    } else if (strCommand == "text") {
        out << doc.BuildTextRegister(doc.EntryCount(), 0, 0, false);
    } else if (strCommand == "balance") {
        PrintBalance(doc, *statement, out);
    } else if (strCommand == "search") {
        PrintSearch(doc, *criteria, out);
    } else if (strCommand == "stats") {
        PrintStatistics(doc, out);
    } else {
        std::string strError;
        if (!doc.SaveDocumentFile(parsed->m_files[1], &strError)) {
            err << "tallywise-cli: " << parsed->m_files[1] << ": " << strError << "\n";
            return 1;
        }
    }
    out.flush();
    return out ? 0 : 1;
}
