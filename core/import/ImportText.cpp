#include "ImportText.h"
#include "core/framework/Cp1252.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string DecodeUtf16(std::string_view bytes, bool bBigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bBigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t ch = unit(i);
        if (ch >= 0xD800 && ch <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t lo = unit(i + 2);
            if (lo >= 0xDC00 && lo <= 0xDFFF) {
                ch = 0x10000 + ((ch - 0xD800) << 10) + (lo - 0xDC00);
                i += 2;
            }
        }
        if (ch >= 0xD800 && ch <= 0xDFFF)
            ch = 0xFFFD;
        AppendUtf8(out, ch);
    }
    return out;
}

std::string DecodeUtf8Lenient(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = Utf8SequenceAt(bytes, i);
        if (n == 0) {
            out += Cp1252ToUtf8(bytes.substr(i, 1));
            ++i;
        } else {
            out.append(bytes.substr(i, n));
            i += n;
        }
    }
    return out;
}

int MonthFromName(std::string_view word) {
    static const char* const NAMES[12] = {"jan", "feb", "mar", "apr", "may", "jun",
                                          "jul", "aug", "sep", "oct", "nov", "dec"};
    if (word.size() < 3 || word.size() > 9)
        return 0;
    const std::string lower = ToLower(word.substr(0, 3));
    for (int i = 0; i < 12; ++i)
        if (lower == NAMES[i])
            return i + 1;
    return 0;
}

// Positions of year, month and day under an order.
void OrderPositions(EDateOrder order, int& nY, int& nM, int& nD) {
    switch (order) {
    case EDateOrder::DMY:
        nD = 0, nM = 1, nY = 2;
        break;
    case EDateOrder::YMD:
        nY = 0, nM = 1, nD = 2;
        break;
    default:
        nM = 0, nD = 1, nY = 2;
        break;
    }
}

constexpr EDateOrder ORDERS[3] = {EDateOrder::MDY, EDateOrder::DMY, EDateOrder::YMD};

int FitMask(const CDateFields& f) {
    int nMask = 0;
    int y = 0, m = 0, d = 0;
    for (int i = 0; i < 3; ++i)
        if (ResolveDate(f, ORDERS[i], y, m, d))
            nMask |= 1 << i;
    return nMask;
}

std::string FormsOf(int nMask) {
    std::string s;
    for (int i = 0; i < 3; ++i) {
        if (!(nMask & (1 << i)))
            continue;
        if (!s.empty())
            s += " or ";
        s += DateOrderName(ORDERS[i]);
    }
    return s;
}

} // namespace

std::string DecodeText(std::string_view bytes, ECharset charset) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return DecodeUtf8Lenient(bytes.substr(3));
    if (bytes.substr(0, 2) == "\xFF\xFE")
        return DecodeUtf16(bytes.substr(2), false);
    if (bytes.substr(0, 2) == "\xFE\xFF")
        return DecodeUtf16(bytes.substr(2), true);
    if (charset == ECharset::Auto)
        charset = IsValidUtf8(bytes) ? ECharset::Utf8 : ECharset::Cp1252;
    switch (charset) {
    case ECharset::Cp1252:
        return Cp1252ToUtf8(bytes);
    case ECharset::Latin1: {
        std::string out;
        out.reserve(bytes.size());
        for (char c : bytes)
            AppendUtf8(out, static_cast<unsigned char>(c));
        return out;
    }
    default:
        return DecodeUtf8Lenient(bytes);
    }
}

std::string Trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return std::string(s.substr(b, e - b));
}

std::string TrimRight(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return std::string(s.substr(0, e));
}

std::string ToLower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t nStart = 0;
    while (nStart < text.size()) {
        std::size_t nEnd = text.find_first_of("\r\n", nStart);
        if (nEnd == std::string_view::npos)
            nEnd = text.size();
        lines.push_back(text.substr(nStart, nEnd - nStart));
        nStart = nEnd + (text.substr(nEnd, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

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

std::uint16_t CheckNumberOf(std::string_view text) {
    const std::string s = Trim(text);
    if (s.empty() || s.size() > 5)
        return 0;
    unsigned n = 0;
    for (char c : s) {
        if (!IsDigit(c))
            return 0;
        n = n * 10 + static_cast<unsigned>(c - '0');
    }
    return n >= 1 && n <= 65535 ? static_cast<std::uint16_t>(n) : 0;
}

std::optional<CDateFields> ParseDateFields(std::string_view text) {
    const std::string s = Trim(text);
    CDateFields f;
    std::size_t i = 0;
    // A compact YYYYMMDD.
    std::size_t nRun = 0;
    while (nRun < s.size() && IsDigit(s[nRun]))
        ++nRun;
    if (nRun == 8) {
        f.m_nField[0] = std::stoi(s.substr(0, 4));
        f.m_nField[1] = std::stoi(s.substr(4, 2));
        f.m_nField[2] = std::stoi(s.substr(6, 2));
        f.m_nDigits[0] = 4, f.m_nDigits[1] = 2, f.m_nDigits[2] = 2;
        i = 8;
    } else {
        for (int k = 0; k < 3; ++k) {
            if (k > 0) {
                std::size_t nSep = 0;
                while (i < s.size() && nSep < 3 &&
                       (s[i] == '/' || s[i] == '-' || s[i] == '.' || s[i] == ' ' || s[i] == '\'' ||
                        s[i] == ',')) {
                    if (s[i] == '\'' && k == 2)
                        f.m_bApostrophe = true;
                    ++i, ++nSep;
                }
                if (nSep == 0)
                    return std::nullopt;
            }
            const std::size_t nBegin = i;
            if (i < s.size() && IsDigit(s[i])) {
                while (i < s.size() && IsDigit(s[i]) && i - nBegin < 5)
                    ++i;
                if (i - nBegin > 4)
                    return std::nullopt;
                f.m_nField[k] = std::stoi(s.substr(nBegin, i - nBegin));
                f.m_nDigits[k] = static_cast<int>(i - nBegin);
            } else {
                while (i < s.size() && IsAlpha(s[i]))
                    ++i;
                const int nMonth = MonthFromName(std::string_view(s).substr(nBegin, i - nBegin));
                if (nMonth == 0 || f.m_nMonthName >= 0)
                    return std::nullopt;
                f.m_nField[k] = nMonth;
                f.m_nDigits[k] = 2;
                f.m_nMonthName = k;
            }
        }
    }
    for (; i < s.size(); ++i)
        if (IsAlpha(s[i]))
            f.m_bTrailing = true;
    return f;
}

bool ResolveDate(const CDateFields& f, EDateOrder order, int& nYear, int& nMonth, int& nDay) {
    int nY = 0, nM = 0, nD = 0;
    OrderPositions(order, nY, nM, nD);
    if (f.m_nMonthName >= 0 && f.m_nMonthName != nM)
        return false;
    if (f.m_nDigits[nM] > 2 || f.m_nDigits[nD] > 2)
        return false;
    if (order == EDateOrder::YMD && f.m_nDigits[nY] < 3)
        return false;
    int y = f.m_nField[nY];
    if (f.m_nDigits[nY] == 3)
        y += 1900; // years counted from 1900, as some banks write them
    else if (f.m_nDigits[nY] <= 2)
        y += f.m_bApostrophe || y < 50 ? 2000 : 1900;
    if (!IsValidDate(y, f.m_nField[nM], f.m_nField[nD]))
        return false;
    nYear = y, nMonth = f.m_nField[nM], nDay = f.m_nField[nD];
    return true;
}

bool IsValidDate(int nYear, int nMonth, int nDay) {
    return nYear >= 1900 && nYear <= 9999 && nMonth >= 1 && nMonth <= 12 && nDay >= 1 &&
           nDay <= DaysInMonth(nYear, nMonth);
}

const char* DateOrderName(EDateOrder order) {
    switch (order) {
    case EDateOrder::DMY:
        return "day-month-year";
    case EDateOrder::YMD:
        return "year-month-day";
    default:
        return "month-day-year";
    }
}

const char* DateOrderWord(EDateOrder order) {
    switch (order) {
    case EDateOrder::DMY:
        return "dmy";
    case EDateOrder::YMD:
        return "ymd";
    default:
        return "mdy";
    }
}

std::optional<EDateOrder> DateOrderFromWord(std::string_view word) {
    for (EDateOrder o : ORDERS)
        if (word == DateOrderWord(o))
            return o;
    return std::nullopt;
}

namespace {

struct CParsedDate {
    CImportTxn* m_pTxn;
    CDateFields m_fields;
    int m_nMask; // the orders it fits, one bit per entry of ORDERS
};

// The dates that fit some order; a transaction whose date fits none is skipped.
std::vector<CParsedDate> ParseDates(std::vector<CImportTxn>& txns) {
    std::vector<CParsedDate> parsed;
    for (CImportTxn& t : txns) {
        if (!t.m_strSkip.empty())
            continue;
        const std::optional<CDateFields> f = ParseDateFields(t.m_strRawDate);
        const int nMask = f ? FitMask(*f) : 0;
        if (t.m_strRawDate.empty())
            t.m_strSkip = "no date";
        else if (nMask == 0)
            t.m_strSkip = "bad date \"" + Trim(t.m_strRawDate) + "\"";
        else
            parsed.push_back({&t, *f, nMask});
    }
    return parsed;
}

// Names the form most dates have and the first date that has another.
std::string MixedFormsMessage(const std::vector<CParsedDate>& parsed) {
    int nBest = 0, nBestCount = -1;
    for (int i = 0; i < 3; ++i) {
        int n = 0;
        for (const CParsedDate& p : parsed)
            n += (p.m_nMask >> i) & 1;
        if (n > nBestCount)
            nBest = i, nBestCount = n;
    }
    const CParsedDate* pIn = nullptr;
    const CParsedDate* pOut = nullptr;
    for (const CParsedDate& p : parsed) {
        if ((p.m_nMask >> nBest) & 1) {
            if (!pIn)
                pIn = &p;
        } else if (!pOut) {
            pOut = &p;
        }
    }
    return Format("The dates are written in more than one form: \"%s\" on line %d is %s, "
                  "but \"%s\" on line %d is %s.",
                  Trim(pIn->m_pTxn->m_strRawDate).c_str(), pIn->m_pTxn->m_nLine,
                  FormsOf(pIn->m_nMask).c_str(), Trim(pOut->m_pTxn->m_strRawDate).c_str(),
                  pOut->m_pTxn->m_nLine, FormsOf(pOut->m_nMask).c_str());
}

// True when the orders of the mask give every date the same day ("01/01/07"): the order
// cannot matter then.
bool SameUnderEveryOrder(const std::vector<CParsedDate>& parsed, int nMask) {
    for (const CParsedDate& p : parsed) {
        int nFirst = -1;
        for (int i = 0; i < 3; ++i) {
            int y = 0, m = 0, d = 0;
            if (!((nMask >> i) & 1) || !ResolveDate(p.m_fields, ORDERS[i], y, m, d))
                continue;
            const int nDate = y * 10000 + m * 100 + d;
            if (nFirst >= 0 && nDate != nFirst)
                return false;
            nFirst = nDate;
        }
    }
    return true;
}

// The one order every date fits. False when the dates disagree (the file is refused) or
// fit more than one order (the caller must choose).
bool ChooseDateOrder(CReadResult& result, const std::vector<CParsedDate>& parsed,
                     EDateOrder& order) {
    int nCommon = 7;
    for (const CParsedDate& p : parsed)
        nCommon &= p.m_nMask;
    if (nCommon == 0) {
        result.m_strError = MixedFormsMessage(parsed);
        result.m_txns.clear();
        return false;
    }
    const int nFits = (nCommon & 1) + ((nCommon >> 1) & 1) + ((nCommon >> 2) & 1);
    if (nFits > 1 && !parsed.empty() && !SameUnderEveryOrder(parsed, nCommon)) {
        result.m_bOrderAmbiguous = true;
        return false;
    }
    order = EDateOrder::MDY;
    for (int i = 0; i < 3; ++i)
        if ((nCommon >> i) & 1) {
            order = ORDERS[i];
            break;
        }
    return true;
}

} // namespace

void ResolveDates(CReadResult& result, EDateOrder given) {
    std::vector<CParsedDate> parsed = ParseDates(result.m_txns);
    EDateOrder order = given;
    if (order == EDateOrder::Auto && !ChooseDateOrder(result, parsed, order))
        return;
    result.m_dateOrder = order;
    int nTrailing = 0;
    for (CParsedDate& p : parsed) {
        CImportTxn& t = *p.m_pTxn;
        if (!ResolveDate(p.m_fields, order, t.m_nYear, t.m_nMonth, t.m_nDay)) {
            t.m_strSkip =
                Format("date \"%s\" is not %s", Trim(t.m_strRawDate).c_str(), DateOrderName(order));
            continue;
        }
        nTrailing += p.m_fields.m_bTrailing;
    }
    if (nTrailing)
        result.m_notes.push_back(
            nTrailing == 1
                ? std::string("1 date was followed by text, which was left out of the date.")
                : Format("%d dates were followed by text, which was left out of the date.",
                         nTrailing));
}

long DaysFromCivil(int nYear, int nMonth, int nDay) {
    const long y = nYear - (nMonth <= 2);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (nMonth + (nMonth > 2 ? -3 : 9)) + 2) / 5 + nDay - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void FillAccountFigures(CReadResult& result) {
    std::vector<CImportAccount>& accounts = result.m_accounts;
    if (accounts.empty())
        accounts.emplace_back();
    for (CImportAccount& a : accounts)
        a.m_nCount = a.m_nFirstDate = a.m_nLastDate = 0;
    for (const CImportTxn& t : result.m_txns) {
        CImportAccount& a = accounts[static_cast<std::size_t>(t.m_nAccount)];
        ++a.m_nCount;
        const int nDate = t.m_nYear * 10000 + t.m_nMonth * 100 + t.m_nDay;
        if (t.m_nYear == 0 || !t.m_strSkip.empty())
            continue;
        a.m_nFirstDate = a.m_nFirstDate == 0 ? nDate : std::min(a.m_nFirstDate, nDate);
        a.m_nLastDate = std::max(a.m_nLastDate, nDate);
    }
    std::vector<int> newIndex(accounts.size(), -1);
    std::vector<CImportAccount> kept;
    for (std::size_t i = 0; i < accounts.size(); ++i)
        if (accounts[i].m_nCount > 0) {
            newIndex[i] = static_cast<int>(kept.size());
            kept.push_back(std::move(accounts[i]));
        }
    for (CImportTxn& t : result.m_txns)
        t.m_nAccount = newIndex[static_cast<std::size_t>(t.m_nAccount)];
    accounts = std::move(kept);
}
