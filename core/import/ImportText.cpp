#include "ImportText.h"
#include "core/framework/Cp1252.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace {

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
