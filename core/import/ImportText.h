#pragma once
#include "ImportAmount.h"
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

// ASCII only, whatever the locale: bank files are read the same everywhere.
inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
inline bool IsAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string Trim(std::string_view s);
std::string TrimRight(std::string_view s);
std::string ToLower(std::string_view s);
// Splits at "\n", dropping a "\r" before it.
std::vector<std::string_view> SplitLines(std::string_view text);

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
