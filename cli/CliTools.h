#pragma once
#include "core/tools/Search.h"
#include <ctime>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

class CTallywiseDoc;

// An option of the search command as typed: "--amount" and its value, if it takes one.
struct CCliOption {
    std::string m_strName;
    std::optional<std::string> m_value;
};

// Whether an option of the search command takes a value.
bool SearchOptionTakesValue(const std::string& strName);
bool IsSearchOption(const std::string& strName);

// Parsing of what the user typed; an error is a message for standard error.
// MM/DD/YYYY within the days the calendar offers.
std::optional<std::time_t> ParseCliDate(const std::string& strText);
std::optional<double> ParseStatement(const std::string& strText, std::string& strError);
std::optional<CSearchCriteria> ParseSearchCriteria(const std::vector<CCliOption>& options,
                                                   std::string& strError);

// The three tools on a loaded register, printing as the dialogs show it.
void PrintBalance(const CTallywiseDoc& doc, double dStatement, std::ostream& out);
void PrintSearch(const CTallywiseDoc& doc, const CSearchCriteria& criteria, std::ostream& out);
void PrintStatistics(const CTallywiseDoc& doc, std::ostream& out);
