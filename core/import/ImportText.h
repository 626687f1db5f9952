#pragma once
#include "ImportTypes.h"
#include "core/framework/Cp1252.h" // the UTF-8 helpers
#include "core/framework/Format.h" // IsWholeCents
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Text helpers shared by the bank-file readers.

enum class ECharset { Auto, Utf8, Cp1252, Latin1 };

// Bytes to UTF-8. A byte-order mark is dropped (UTF-16 ones decode the file as UTF-16);
// Auto takes valid UTF-8 as such and anything else as Windows-1252.
std::string DecodeText(std::string_view bytes, ECharset charset);

std::string Trim(std::string_view s);
std::string TrimRight(std::string_view s);
std::string ToLower(std::string_view s);
// Splits at "\n", dropping a "\r" before it.
std::vector<std::string_view> SplitLines(std::string_view text);

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

// A check number when the text is a whole number from 1 to 65535, else 0.
std::uint16_t CheckNumberOf(std::string_view text);

// A date as written in a QIF or CSV file, before its order is known.
struct CDateFields {
    int m_nField[3] = {0, 0, 0};
    int m_nDigits[3] = {0, 0, 0};
    int m_nMonthName = -1;      // index of the field written as a month name
    bool m_bApostrophe = false; // Quicken's 2/14'2020
    bool m_bTrailing = false;   // text followed the date (ignored)
};
std::optional<CDateFields> ParseDateFields(std::string_view text);
// Year, month and day under one order; false when they do not make a date.
bool ResolveDate(const CDateFields& f, EDateOrder order, int& nYear, int& nMonth, int& nDay);
const char* DateOrderName(EDateOrder order); // "month-day-year" ...
const char* DateOrderWord(EDateOrder order); // "mdy" ...
std::optional<EDateOrder> DateOrderFromWord(std::string_view word);

// Decides the order of every m_strRawDate of the result's transactions (given: the
// caller's choice, or Auto) and fills their dates. A file mixing forms is refused; a file
// that fits more than one order sets m_bOrderAmbiguous and fills no dates.
void ResolveDates(CReadResult& result, EDateOrder given);

// Counts the transactions and the date range of each account, and drops the accounts
// without transactions (renumbering the transactions' m_nAccount).
void FillAccountFigures(CReadResult& result);

// Civil day number, for differences in days.
long DaysFromCivil(int nYear, int nMonth, int nDay);
bool IsValidDate(int nYear, int nMonth, int nDay);
