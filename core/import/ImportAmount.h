#pragma once
#include "ImportTypes.h"
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Amounts as banks write them: signs, currency words, grouping marks and either decimal mark.

// An amount as banks write it: "-$7,971.39", "(12.50)", "1.234,56", "+444.55", currency
// signs around it. bCommaDecimal: a lone comma is a decimal comma (OFX); otherwise a comma
// followed by exactly three digits groups thousands. Nothing on a bad amount.
std::optional<double> ParseAmount(std::string_view text, bool bCommaDecimal);
// Under the file's decimal mark the other mark groups thousands ("1.000" is a thousand in a
// comma file). Unknown: an amount that would read differently under the two marks ("1.000",
// "2,500") gives nothing, as ReadsBothWays tells.
std::optional<double> ParseAmount(std::string_view text, EDecimalMark mark);
bool ReadsBothWays(std::string_view text);
// A file with an amount that shows a decimal comma ("3,50", "1.000,00") and none that shows
// a decimal point is a comma file, and the other way round; otherwise Unknown.
EDecimalMark DecideDecimalMark(const std::vector<std::string>& amounts);
// The reason for an amount that ParseAmount did not take under the mark.
std::string BadAmountReason(std::string_view text, EDecimalMark mark);
long long ToCents(double dAmount);
