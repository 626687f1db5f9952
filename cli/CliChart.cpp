#include "CliChart.h"
#include "CCliDocument.h"
#include "CliCommands.h"
#include "CliTools.h"
#include "core/framework/Format.h"
#include "core/tools/BalanceChart.h"
#include <optional>

namespace {

struct CChartArgs {
    std::vector<std::string> m_files;
    std::optional<std::string> m_password;
    EPeriod m_nPeriod = EPeriod::Day;
    std::optional<int> m_nFromDay, m_nToDay;
    bool m_bCleared = false;
    int m_nMonths = 3;
};

std::optional<int> ParseDayOption(const std::string& strValue) {
    const std::optional<std::time_t> date = ParseCliDate(strValue);
    return date ? std::optional<int>(DayNumber(*date)) : std::nullopt;
}

// Empty when the option was taken, else what is wrong with it.
std::string TakeBalancesOption(const std::string& s, const std::string& strValue, CChartArgs& a) {
    if (s == "--by") {
        if (strValue != "day" && strValue != "week" && strValue != "month")
            return "--by takes day, week or month";
        a.m_nPeriod = strValue == "day"    ? EPeriod::Day
                      : strValue == "week" ? EPeriod::Week
                                           : EPeriod::Month;
        return "";
    }
    std::optional<int>& nDay = s == "--from" ? a.m_nFromDay : a.m_nToDay;
    nDay = ParseDayOption(strValue);
    return nDay ? "" : s + ": a date is MM/DD/YYYY from 01/02/1970 to 02/06/2106";
}

std::string TakeForecastOption(const std::string& strValue, CChartArgs& a) {
    const bool bDigits = !strValue.empty() && strValue.size() <= 2 &&
                         strValue.find_first_not_of("0123456789") == std::string::npos;
    a.m_nMonths = bDigits ? std::stoi(strValue) : 0;
    return a.m_nMonths >= 1 && a.m_nMonths <= 24 ? "" : "--months takes a number from 1 to 24";
}

// Empty when the arguments are right, else what is wrong.
std::string ParseChartArgs(const std::vector<std::string>& args, bool bBalances, CChartArgs& a) {
    bool bOptions = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& s = args[i];
        const bool bHasValue = i + 1 < args.size();
        std::string strWrong;
        if (!bOptions || !LooksLikeOption(s))
            a.m_files.push_back(s);
        else if (s == "--")
            bOptions = false;
        else if (s == "--password" && bHasValue)
            a.m_password = args[++i];
        else if (bBalances && s == "--cleared")
            a.m_bCleared = true;
        else if (bBalances && (s == "--by" || s == "--from" || s == "--to") && bHasValue)
            strWrong = TakeBalancesOption(s, args[++i], a);
        else if (!bBalances && s == "--months" && bHasValue)
            strWrong = TakeForecastOption(args[++i], a);
        else
            strWrong = "unknown option " + s;
        if (!strWrong.empty())
            return strWrong;
    }
    if (a.m_nFromDay && a.m_nToDay && *a.m_nFromDay > *a.m_nToDay)
        return "--from is after --to";
    return a.m_files.size() == 1 ? "" : "one file name is needed";
}

// The register of the arguments, or the status to end with after saying why.
int OpenChartRegister(const std::vector<std::string>& args, bool bBalances, CChartArgs& a,
                      std::optional<CCliDocument>& cli, std::ostream& err) {
    const std::string strUsage = ParseChartArgs(args, bBalances, a);
    if (!strUsage.empty()) {
        err << "tallywise-cli: " << strUsage << "\n" << CLI_USAGE;
        return 2;
    }
    cli.emplace(a.m_password);
    const CLoadResult result = cli->m_doc.OnOpenDocument(a.m_files[0]);
    if (result.Ok())
        return 0;
    const std::string strWhy =
        result.m_nError != ELoadError::WrongPassword ? LoadErrorClause(result)
        : a.m_password                               ? "the password is not correct"
                       : "the register is password protected (use --password)";
    err << "tallywise-cli: " << a.m_files[0] << ": " << strWhy << "\n";
    return 1;
}

} // namespace

int RunBalancesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CChartArgs a;
    std::optional<CCliDocument> cli;
    if (const int nStatus = OpenChartRegister(args, true, a, cli, err))
        return nStatus;
    const CTallywiseDoc& doc = cli->m_doc;
    const int nToday = DayNumber(doc.Today());
    const int nLast = a.m_nToDay.value_or(nToday);
    const int nFirst = a.m_nFromDay.value_or(std::min(FirstChartDay(doc.Entries(), nToday), nLast));
    const std::vector<CDayBalance> days =
        DailyBalances(doc.Entries(), doc.StartBalance(), nFirst, nLast);
    for (const CDayBalance& day : PeriodBalances(days, a.m_nPeriod))
        out << DayText(day.m_nDay) << '\t'
            << MoneyText(a.m_bCleared ? day.m_dCleared : day.m_dBalance) << "\n";
    out.flush();
    return out ? 0 : 1;
}

int RunForecastCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CChartArgs a;
    std::optional<CCliDocument> cli;
    if (const int nStatus = OpenChartRegister(args, false, a, cli, err))
        return nStatus;
    const CTallywiseDoc& doc = cli->m_doc;
    const CForecast f = ComputeForecast(doc.Entries(), doc.StartBalance(), doc.AutoEntries(),
                                        cli->m_clock.Now(), a.m_nMonths);
    for (const CForecastItem& item : f.m_aItems)
        out << DayText(item.m_nDay) << '\t' << item.m_strDesc << '\t' << MoneyText(item.m_dAmount)
            << '\t' << MoneyText(item.m_dBalance) << "\n";
    out << "Lowest: " << MoneyText(f.m_dLow) << " on " << DayText(f.m_nLowDay) << "\n";
    if (f.m_nBelowZeroDay)
        out << "Below zero from " << DayText(*f.m_nBelowZeroDay) << "\n";
    out.flush();
    if (!out)
        return 1;
    return f.m_nBelowZeroDay ? 4 : 0;
}
