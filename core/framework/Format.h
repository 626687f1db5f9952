#pragma once
#include <string>

// printf-style formatting into a std::string. Numbers always use '.' as the decimal point.
std::string Format(const char* pszFormat, ...) __attribute__((format(printf, 1, 2)));

// A money value with two decimals, as "%.2f" shows it, except that a value that shows as
// zero has no minus sign: a sum such as 0.30 - 0.10 - 0.20 (-2.8e-17) reads "0.00". The
// stored value is not changed; only its text is.
std::string MoneyText(double dValue);

// A money value rounded to whole cents, half away from zero; never -0.
double RoundToCents(double dValue);
// True when an amount holds no fraction of a cent: 9.99 or 9.990, not 9.999.
bool IsWholeCents(double dValue);
