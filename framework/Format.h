#pragma once
#include <string>

// printf-style formatting into a std::string. Numbers always use '.' as the decimal point.
std::string Format(const char* pszFormat, ...) __attribute__((format(printf, 1, 2)));
