#include "ImportAmount.h"
#include "ImportText.h"
#include <algorithm>
#include <charconv>
#include <cmath>

// "2 100,00": a space (or a no-break space) that groups thousands goes.
static std::string DropGroupingSpaces(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t nSpace = text[i] == ' '                        ? 1
                             : text.substr(i, 2) == "\xC2\xA0"     ? 2
                             : text.substr(i, 3) == "\xE2\x80\xAF" ? 3
                                                                   : 0;
        if (nSpace && !out.empty() && IsDigit(out.back()) && i + nSpace + 3 <= text.size() &&
            IsDigit(text[i + nSpace]) && IsDigit(text[i + nSpace + 1]) &&
            IsDigit(text[i + nSpace + 2])) {
            i += nSpace - 1;
            continue;
        }
        out += text[i];
    }
    return out;
}

// Where the run of digits, points and commas of the number lies (with a point just before
// its first digit); false when the text holds no digit.
static bool FindNumberRun(std::string_view text, std::size_t& nStart, std::size_t& nEnd) {
    std::size_t nFirst = 0;
    while (nFirst < text.size() && !IsDigit(text[nFirst]))
        ++nFirst;
    if (nFirst == text.size())
        return false;
    nStart = nFirst;
    if (nStart > 0 && text[nStart - 1] == '.')
        --nStart;
    nEnd = nFirst;
    while (nEnd < text.size() && (IsDigit(text[nEnd]) || text[nEnd] == '.' || text[nEnd] == ','))
        ++nEnd;
    return true;
}

// Around an amount stand at most a currency word and signs, and no second number.
static bool IsAmountAffix(std::string_view prefix, std::string_view suffix) {
    int nLetters = 0;
    for (char c : suffix) {
        if (IsDigit(c))
            return false;
        nLetters += IsAlpha(c);
    }
    for (char c : prefix)
        nLetters += IsAlpha(c);
    return nLetters <= 4;
}

static bool IsNegativeAffix(std::string_view prefix, std::string_view suffix) {
    return prefix.find('-') != std::string_view::npos ||
           prefix.find('(') != std::string_view::npos ||
           suffix.find('-') != std::string_view::npos || suffix.find(')') != std::string_view::npos;
}

// How the marks of a run are taken: as the file decided, or one amount at a time.
enum class EMarkMode { PointFirst, CommaFirst, Point, Comma };

// The decimal mark of the run, '\0' when it has none; nothing when its marks make no number.
// One amount at a time, a lone comma with three digits after it groups thousands unless
// commas come first.
static std::optional<char> DecimalMarkOf(std::string_view run, EMarkMode mode) {
    const std::size_t nDots = std::count(run.begin(), run.end(), '.');
    const std::size_t nCommas = std::count(run.begin(), run.end(), ',');
    if (!(nDots && nCommas) && (mode == EMarkMode::Point || mode == EMarkMode::Comma)) {
        const char cDecimal = mode == EMarkMode::Point ? '.' : ',';
        const std::size_t nDecimal = mode == EMarkMode::Point ? nDots : nCommas;
        if (nDecimal > 1)
            return std::nullopt;
        return nDecimal == 1 ? cDecimal : '\0';
    }
    const bool bCommaDecimal = mode == EMarkMode::CommaFirst;
    if (nDots && nCommas) {
        const char cDecimal = run.find_last_of(".,") == run.rfind('.') ? '.' : ',';
        if ((cDecimal == '.' ? nDots : nCommas) != 1)
            return std::nullopt;
        return cDecimal;
    }
    if (nDots == 1)
        return '.';
    if (nCommas == 1) {
        const bool bThreeAfter = run.size() - run.find(',') - 1 == 3;
        return bCommaDecimal || !bThreeAfter ? ',' : '\0';
    }
    return '\0';
}

// The run as from_chars reads it: digits, a point for the decimal mark, no grouping marks.
static std::optional<std::string> PlainDigits(std::string_view run, char cDecimal, bool bNegative) {
    std::string digits = bNegative ? "-" : "";
    const std::size_t nDec = cDecimal ? run.rfind(cDecimal) : std::string_view::npos;
    for (std::size_t i = 0; i < run.size(); ++i) {
        if (i == nDec)
            digits += '.';
        else if (IsDigit(run[i]))
            digits += run[i];
        else if (nDec != std::string_view::npos && i > nDec)
            return std::nullopt; // a grouping mark among the decimals
    }
    return digits;
}

static std::optional<double> ParseAmountAs(std::string_view original, EMarkMode mode) {
    const std::string grouped = DropGroupingSpaces(original);
    const std::string_view text = grouped;
    std::size_t nStart = 0, nEnd = 0;
    if (!FindNumberRun(text, nStart, nEnd))
        return std::nullopt;
    const std::string_view prefix = text.substr(0, nStart), suffix = text.substr(nEnd);
    if (!IsAmountAffix(prefix, suffix))
        return std::nullopt;
    std::string_view run = text.substr(nStart, nEnd - nStart);
    while (!run.empty() && (run.back() == ',' || run.back() == '.'))
        run.remove_suffix(1);
    const std::optional<char> cDecimal = DecimalMarkOf(run, mode);
    if (!cDecimal)
        return std::nullopt;
    const std::optional<std::string> digits =
        PlainDigits(run, *cDecimal, IsNegativeAffix(prefix, suffix));
    if (!digits || digits->size() > 20)
        return std::nullopt;
    double d = 0;
    const char* pEnd = digits->data() + digits->size();
    const auto [ptr, ec] = std::from_chars(digits->data(), pEnd, d);
    if (ec != std::errc() || ptr != pEnd || !std::isfinite(d))
        return std::nullopt;
    return d == 0 ? 0.0 : d;
}

std::optional<double> ParseAmount(std::string_view text, bool bCommaDecimal) {
    return ParseAmountAs(text, bCommaDecimal ? EMarkMode::CommaFirst : EMarkMode::PointFirst);
}

// The number's run of digits and marks, without marks at its end; empty when it has none.
static std::string_view NumberRun(std::string_view text) {
    std::size_t nStart = 0, nEnd = 0;
    if (!FindNumberRun(text, nStart, nEnd))
        return {};
    std::string_view run = text.substr(nStart, nEnd - nStart);
    while (!run.empty() && (run.back() == ',' || run.back() == '.'))
        run.remove_suffix(1);
    return run;
}

// A lone mark could group thousands: one to three digits before it, not a lone zero, and
// three after it.
static bool CouldGroup(std::string_view run, std::size_t nMark) {
    return nMark >= 1 && nMark <= 3 && run[0] != '0' && run.size() - nMark - 1 == 3;
}

// The mark an amount shows as its decimal one: the last of two different marks, or a lone
// mark not followed by exactly three digits; '\0' when it shows none.
static char ShownDecimalMark(std::string_view text) {
    const std::string_view run = NumberRun(text);
    const std::size_t nLast = run.find_last_of(".,");
    if (nLast == std::string_view::npos)
        return '\0';
    const char c = run[nLast];
    if (run.find(c == '.' ? ',' : '.') != std::string_view::npos)
        return c;
    if (run.find(c) != nLast)
        return '\0'; // "1.000.000": grouping
    return CouldGroup(run, nLast) ? '\0' : c;
}

bool ReadsBothWays(std::string_view text) {
    const std::string_view run = NumberRun(text);
    const std::size_t nMark = run.find_first_of(".,");
    return nMark != std::string_view::npos &&
           run.find_first_of(".,", nMark + 1) == std::string_view::npos && CouldGroup(run, nMark);
}

std::optional<double> ParseAmount(std::string_view text, EDecimalMark mark) {
    if (mark == EDecimalMark::Unknown)
        return ReadsBothWays(text) ? std::nullopt : ParseAmountAs(text, EMarkMode::PointFirst);
    return ParseAmountAs(text, mark == EDecimalMark::Comma ? EMarkMode::Comma : EMarkMode::Point);
}

EDecimalMark DecideDecimalMark(const std::vector<std::string>& amounts) {
    bool bPoint = false, bComma = false;
    for (const std::string& s : amounts) {
        const char c = ShownDecimalMark(s);
        bPoint = bPoint || c == '.';
        bComma = bComma || c == ',';
    }
    if (bPoint != bComma)
        return bComma ? EDecimalMark::Comma : EDecimalMark::Point;
    return EDecimalMark::Unknown;
}

std::string BadAmountReason(std::string_view text, EDecimalMark mark) {
    const std::string s = Trim(text);
    if (mark == EDecimalMark::Unknown && ReadsBothWays(s))
        return "amount \"" + s + "\" reads two ways: no amount of the file shows its decimal mark";
    return "bad amount \"" + s + "\"";
}

long long ToCents(double dAmount) {
    return std::llround(dAmount * 100.0);
}
