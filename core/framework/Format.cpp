#include "Format.h"
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <vector>

std::string Format(const char* pszFormat, ...) {
    char buf[256];
    va_list args;
    va_start(args, pszFormat);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(buf, sizeof buf, pszFormat, args);
    va_end(args);
    std::string result;
    if (n < 0) {
        va_end(copy);
        return result;
    }
    if (static_cast<std::size_t>(n) < sizeof buf) {
        result.assign(buf, static_cast<std::size_t>(n));
    } else {
        std::vector<char> big(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(big.data(), big.size(), pszFormat, copy);
        result.assign(big.data(), static_cast<std::size_t>(n));
    }
    va_end(copy);
    return result;
}

std::string MoneyText(double dValue) {
    std::string strText = Format("%.2f", dValue);
    if (!strText.empty() && strText[0] == '-' &&
        strText.find_first_not_of("0.", 1) == std::string::npos)
        strText.erase(0, 1);
    return strText;
}

double RoundToCents(double dValue) {
    const double dCents = std::round(dValue * 100.0) / 100.0;
    return dCents == 0.0 ? 0.0 : dCents;
}

bool IsWholeCents(double dValue) {
    // Typed decimals are not exact in binary; a millionth of a cent tells them apart.
    const double dCents = dValue * 100.0;
    return std::fabs(dCents - std::round(dCents)) < 1e-6;
}
