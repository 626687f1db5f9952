#include "ImportOfx.h"
#include "ImportText.h"
#include "core/framework/Format.h"
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>

namespace {

struct CTag {
    std::string m_strName; // upper case
    bool m_bEnd = false;
    int m_nLine = 0;
    std::string m_strText; // the text that follows, up to the next tag
};

std::size_t FindNoCase(std::string_view hay, std::string_view needle, std::size_t nFrom = 0) {
    if (needle.empty() || hay.size() < needle.size())
        return std::string_view::npos;
    for (std::size_t i = nFrom; i + needle.size() <= hay.size(); ++i) {
        std::size_t k = 0;
        while (k < needle.size() && std::toupper(static_cast<unsigned char>(hay[i + k])) ==
                                        std::toupper(static_cast<unsigned char>(needle[k])))
            ++k;
        if (k == needle.size())
            return i;
    }
    return std::string_view::npos;
}

// Where the <OFX> element starts, or npos.
std::size_t FindOfxStart(std::string_view s) {
    for (std::size_t i = FindNoCase(s, "<OFX"); i != std::string_view::npos;
         i = FindNoCase(s, "<OFX", i + 1)) {
        const char c = i + 4 < s.size() ? s[i + 4] : '\0';
        if (c == '>' || c == ' ' || c == '\t' || c == '\r' || c == '\n')
            return i;
    }
    return std::string_view::npos;
}

// The value of "KEY:" (SGML header) or KEY="..." (XML declaration) in the header text.
std::string HeaderValue(std::string_view header, std::string_view key) {
    for (std::size_t i = FindNoCase(header, key); i != std::string_view::npos;
         i = FindNoCase(header, key, i + 1)) {
        std::size_t j = i + key.size();
        if (j < header.size() && (header[j] == ':' || header[j] == '=')) {
            ++j;
            if (j < header.size() && (header[j] == '"' || header[j] == '\''))
                ++j;
            std::size_t e = j;
            while (e < header.size() && header[e] != '"' && header[e] != '\'' &&
                   header[e] != '\r' && header[e] != '\n' && header[e] != ' ' && header[e] != '?')
                ++e;
            return ToLower(header.substr(j, e - j));
        }
    }
    return {};
}

ECharset CharsetOf(std::string_view header) {
    const std::string strEncoding = HeaderValue(header, "ENCODING");
    const std::string strCharset = HeaderValue(header, "CHARSET");
    if (strEncoding == "utf-8" || strEncoding == "utf8" || strCharset == "utf-8")
        return ECharset::Utf8;
    for (const std::string* p : {&strCharset, &strEncoding}) {
        if (*p == "1252" || *p == "windows-1252" || *p == "cp1252")
            return ECharset::Cp1252;
        if (*p == "iso-8859-1" || *p == "8859-1" || *p == "latin1" || *p == "latin-1")
            return ECharset::Latin1;
    }
    return ECharset::Auto;
}

std::string DecodeEntities(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
            continue;
        }
        const std::size_t nSemi = s.find(';', i);
        if (nSemi == std::string_view::npos || nSemi - i > 10) {
            out += '&';
            continue;
        }
        const std::string name(s.substr(i + 1, nSemi - i - 1));
        char32_t ch = 0;
        if (name == "amp")
            ch = '&';
        else if (name == "lt")
            ch = '<';
        else if (name == "gt")
            ch = '>';
        else if (name == "quot")
            ch = '"';
        else if (name == "apos")
            ch = '\'';
        else if (name == "nbsp")
            ch = ' ';
        else if (name.size() > 1 && name[0] == '#') {
            const bool bHex = name[1] == 'x' || name[1] == 'X';
            const std::string digits = name.substr(bHex ? 2 : 1);
            char* pEnd = nullptr;
            const unsigned long n = std::strtoul(digits.c_str(), &pEnd, bHex ? 16 : 10);
            if (!digits.empty() && *pEnd == '\0' && n > 0 && n <= 0x10FFFF &&
                !(n >= 0xD800 && n <= 0xDFFF))
                ch = static_cast<char32_t>(n);
        }
        if (ch == 0) {
            out += '&';
            continue;
        }
        AppendUtf8(out, ch);
        i = nSemi;
    }
    return out;
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == ':' ||
           c == '-';
}

// Splits the body into tags, each with the text that follows it, counting lines on the way.
class CTokenizer {
public:
    CTokenizer(std::string_view text, int nFirstLine) : m_strText(text), m_nLine(nFirstLine) {}
    std::vector<CTag> Run();

private:
    void Advance(std::size_t nTo);
    void AppendText(std::string_view text, bool bRaw);
    bool SkipMarkup();
    void ReadTag();

    std::string_view m_strText;
    int m_nLine;
    std::size_t m_nPos = 0;
    std::vector<CTag> m_tags;
};

std::vector<CTag> CTokenizer::Run() {
    while (m_nPos < m_strText.size()) {
        const std::size_t nLt = m_strText.find('<', m_nPos);
        if (nLt == std::string_view::npos) {
            AppendText(m_strText.substr(m_nPos), false);
            Advance(m_strText.size());
            break;
        }
        AppendText(m_strText.substr(m_nPos, nLt - m_nPos), false);
        Advance(nLt);
        if (!SkipMarkup())
            ReadTag();
    }
    return std::move(m_tags);
}

void CTokenizer::Advance(std::size_t nTo) {
    nTo = std::min(nTo, m_strText.size());
    for (; m_nPos < nTo; ++m_nPos)
        m_nLine += m_strText[m_nPos] == '\n';
}

void CTokenizer::AppendText(std::string_view text, bool bRaw) {
    if (!m_tags.empty())
        m_tags.back().m_strText += bRaw ? std::string(text) : DecodeEntities(text);
}

// Comments, processing instructions and declarations are passed over; a CDATA section's
// text is kept as it stands. False when a tag starts here.
bool CTokenizer::SkipMarkup() {
    const std::string_view s = m_strText, rest = s.substr(m_nPos);
    const std::size_t i = m_nPos;
    if (rest.substr(0, 4) == "<!--") {
        const std::size_t e = s.find("-->", i + 4);
        Advance(e == std::string_view::npos ? s.size() : e + 3);
    } else if (rest.substr(0, 9) == "<![CDATA[") {
        const std::size_t e = s.find("]]>", i + 9);
        const std::size_t nEnd = e == std::string_view::npos ? s.size() : e;
        AppendText(s.substr(i + 9, nEnd - i - 9), true);
        Advance(e == std::string_view::npos ? s.size() : e + 3);
    } else if (rest.substr(0, 2) == "<?" || rest.substr(0, 2) == "<!") {
        const std::size_t e = s.find('>', i);
        Advance(e == std::string_view::npos ? s.size() : e + 1);
    } else {
        return false;
    }
    return true;
}

// A start or end tag; "<" without a name is text. A self-closed tag gets its end tag.
void CTokenizer::ReadTag() {
    const std::string_view s = m_strText;
    CTag tag;
    tag.m_nLine = m_nLine;
    std::size_t j = m_nPos + 1;
    if (j < s.size() && s[j] == '/') {
        tag.m_bEnd = true;
        ++j;
    }
    const std::size_t nName = j;
    while (j < s.size() && IsNameChar(s[j]))
        ++j;
    tag.m_strName = std::string(s.substr(nName, j - nName));
    for (char& c : tag.m_strName)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    bool bSelfClosed = false;
    while (j < s.size() && s[j] != '>' && s[j] != '<') {
        bSelfClosed = s[j] == '/';
        ++j;
    }
    Advance(j < s.size() && s[j] == '>' ? j + 1 : j);
    if (tag.m_strName.empty()) {
        AppendText("<", true);
        return;
    }
    m_tags.push_back(std::move(tag));
    if (bSelfClosed) {
        CTag end;
        end.m_strName = m_tags.back().m_strName;
        end.m_bEnd = true;
        end.m_nLine = m_nLine;
        m_tags.push_back(std::move(end));
    }
}

std::vector<CTag> Tokenize(std::string_view s, int nFirstLine) {
    return CTokenizer(s, nFirstLine).Run();
}

struct COfxTxn {
    CImportTxn m_txn;
    bool m_bHasDate = false, m_bHasAmount = false;
    std::string m_strDate, m_strAmount, m_strName, m_strPayeeName;
};

void SetLeaf(COfxTxn& t, const std::string& strName, bool bInPayee, const std::string& strValue) {
    auto setOnce = [&](std::string& field) {
        if (field.empty())
            field = strValue;
    };
    if (strName == "DTPOSTED") {
        t.m_bHasDate = true;
        setOnce(t.m_strDate);
    } else if (strName == "TRNAMT") {
        t.m_bHasAmount = true;
        setOnce(t.m_strAmount);
    } else if (strName == "TRNTYPE") {
        setOnce(t.m_txn.m_strTrnType);
    } else if (strName == "FITID") {
        setOnce(t.m_txn.m_strFitId);
    } else if (strName == "CHECKNUM") {
        setOnce(t.m_txn.m_strCheckNum);
    } else if (strName == "NAME") {
        setOnce(bInPayee ? t.m_strPayeeName : t.m_strName);
    } else if (strName == "MEMO") {
        setOnce(t.m_txn.m_strMemo);
    }
}

void FinishTxn(COfxTxn& o, std::vector<CImportTxn>& out) {
    CImportTxn& t = o.m_txn;
    t.m_bCleared = true; // the bank has posted it
    t.m_strPayee = !o.m_strName.empty() ? o.m_strName : o.m_strPayeeName;
    t.m_strRawDate = o.m_strDate;
    const std::string strDate = o.m_strDate.substr(0, 8);
    bool bDigits = strDate.size() == 8;
    for (char c : strDate)
        bDigits = bDigits && c >= '0' && c <= '9';
    if (bDigits) {
        t.m_nYear = std::stoi(strDate.substr(0, 4));
        t.m_nMonth = std::stoi(strDate.substr(4, 2));
        t.m_nDay = std::stoi(strDate.substr(6, 2));
    }
    const std::optional<double> amount = ParseAmount(o.m_strAmount, true);
    if (o.m_strDate.empty())
        t.m_strSkip = "no date";
    else if (!bDigits || !IsValidDate(t.m_nYear, t.m_nMonth, t.m_nDay))
        t.m_strSkip = "bad date \"" + o.m_strDate + "\"";
    else if (o.m_strAmount.empty())
        t.m_strSkip = "no amount";
    else if (!amount)
        t.m_strSkip = "bad amount \"" + o.m_strAmount + "\"";
    if (amount)
        t.m_dAmount = *amount; // also shown for a skipped one
    if (!t.m_strSkip.empty())
        t.m_nYear = t.m_nMonth = t.m_nDay = 0;
    out.push_back(std::move(t));
}

// Follows the statement's tags and collects its bank transactions; those of an investment
// statement are only counted.
class CStatementWalk {
public:
    explicit CStatementWalk(std::vector<CImportTxn>& txns) : m_txns(txns) {}
    void Take(const CTag& tag);
    void EndTxn();
    // One account per account id, in the order first seen; the transactions renumbered.
    std::vector<CImportAccount> Accounts();

    bool m_bBankStatement = false;
    bool m_bInvestment = false;
    int m_nInvestmentTxns = 0;

private:
    void BeginTxn(int nLine);
    void TakeStatementLeaf(const CTag& tag);

    std::vector<CImportTxn>& m_txns;
    std::vector<CImportAccount> m_statements; // one per STMTRS or CCSTMTRS
    bool m_bInLedger = false;
    int m_nInvestmentDepth = 0;
    int m_nPayeeDepth = 0;
    COfxTxn m_current;
    bool m_bInTxn = false;
};

void CStatementWalk::Take(const CTag& tag) {
    const std::string& name = tag.m_strName;
    if (name == "INVSTMTRS") {
        m_bInvestment = true;
        m_nInvestmentDepth += tag.m_bEnd ? -1 : 1;
        m_nInvestmentDepth = std::max(m_nInvestmentDepth, 0);
        EndTxn();
        return;
    }
    if (name == "STMTRS" || name == "CCSTMTRS") {
        m_bBankStatement = true;
        if (!tag.m_bEnd) {
            m_statements.emplace_back();
            m_statements.back().m_strType = name == "CCSTMTRS" ? "CCard" : "Bank";
        }
    }
    if (name == "LEDGERBAL")
        m_bInLedger = !tag.m_bEnd;
    if (name == "PAYEE") {
        m_nPayeeDepth = tag.m_bEnd ? 0 : 1;
        return;
    }
    if (tag.m_bEnd) {
        if (name == "STMTTRN" || name == "BANKTRANLIST" || name == "STMTRS" || name == "CCSTMTRS" ||
            name == "OFX")
            EndTxn();
        return;
    }
    if (name == "STMTTRN")
        BeginTxn(tag.m_nLine);
    else if (m_bInTxn)
        SetLeaf(m_current, name, m_nPayeeDepth > 0, Trim(tag.m_strText));
    else if (!m_statements.empty() && m_nInvestmentDepth == 0)
        TakeStatementLeaf(tag);
}

void CStatementWalk::TakeStatementLeaf(const CTag& tag) {
    CImportAccount& a = m_statements.back();
    const std::string strValue = Trim(tag.m_strText);
    if (tag.m_strName == "ACCTID" && a.m_strId.empty())
        a.m_strId = strValue;
    else if (tag.m_strName == "CURDEF")
        a.m_strCurrency = strValue;
    else if (m_bInLedger && tag.m_strName == "BALAMT") {
        if (const std::optional<double> d = ParseAmount(strValue, true))
            a.m_dLedger = *d;
    } else if (m_bInLedger && tag.m_strName == "DTASOF" && strValue.size() >= 8) {
        const std::string digits = strValue.substr(0, 8);
        if (digits.find_first_not_of("0123456789") == std::string::npos)
            a.m_nLedgerDate = std::stoi(digits);
    }
}

std::vector<CImportAccount> CStatementWalk::Accounts() {
    std::vector<CImportAccount> accounts;
    std::vector<int> index;
    for (const CImportAccount& s : m_statements) {
        const auto it =
            std::find_if(accounts.begin(), accounts.end(),
                         [&](const CImportAccount& a) { return a.m_strId == s.m_strId; });
        index.push_back(static_cast<int>(it - accounts.begin()));
        if (it == accounts.end())
            accounts.push_back(s);
        else if (s.m_dLedger && s.m_nLedgerDate >= it->m_nLedgerDate) // the latest statement's
            it->m_dLedger = s.m_dLedger, it->m_nLedgerDate = s.m_nLedgerDate;
    }
    for (CImportTxn& t : m_txns)
        t.m_nAccount = index.empty() ? 0 : index[static_cast<std::size_t>(t.m_nAccount)];
    return accounts;
}

void CStatementWalk::BeginTxn(int nLine) {
    EndTxn();
    m_nPayeeDepth = 0;
    if (m_nInvestmentDepth > 0) {
        ++m_nInvestmentTxns;
        return;
    }
    m_bInTxn = true;
    m_current.m_txn.m_nLine = nLine;
    m_current.m_txn.m_nAccount = std::max(0, static_cast<int>(m_statements.size()) - 1);
}

void CStatementWalk::EndTxn() {
    if (m_bInTxn)
        FinishTxn(m_current, m_txns);
    m_current = {};
    m_bInTxn = false;
}

// Why a file without a single bank transaction is refused.
const char* NoTransactionsError(const CStatementWalk& walk) {
    if (walk.m_bInvestment && !walk.m_bBankStatement)
        return "This is an investment statement. Only bank and credit card "
               "statements can be imported.";
    if (!walk.m_bBankStatement)
        return "The file holds no bank or credit card statement "
               "(no <STMTRS> or <CCSTMTRS> element).";
    return "The statement holds no transactions (no <STMTTRN> element).";
}

} // namespace

CReadResult ReadOfx(std::string_view bytes) {
    CReadResult result;
    const std::size_t nOfx = FindOfxStart(bytes);
    if (nOfx == std::string_view::npos) {
        result.m_strError = "This is not an OFX file: it has no <OFX> element.";
        return result;
    }
    const std::string_view header = bytes.substr(0, nOfx);
    const int nFirstLine = 1 + static_cast<int>(std::count(header.begin(), header.end(), '\n'));
    const std::string_view body = bytes.substr(nOfx);
    const bool bUtf8 = IsMultiByteUtf8(body);
    const std::string text = DecodeText(body, bUtf8 ? ECharset::Utf8 : CharsetOf(header));
    const std::vector<CTag> tags = Tokenize(text, nFirstLine);

    CStatementWalk walk(result.m_txns);
    for (const CTag& tag : tags)
        walk.Take(tag);
    walk.EndTxn();

    if (result.m_txns.empty()) {
        result.m_strError = NoTransactionsError(walk);
        return result;
    }
    if (walk.m_nInvestmentTxns > 0)
        result.m_notes.push_back(
            walk.m_nInvestmentTxns == 1
                ? std::string("1 investment transaction was left out.")
                : Format("%d investment transactions were left out.", walk.m_nInvestmentTxns));
    result.m_accounts = walk.Accounts();
    FillAccountFigures(result);
    return result;
}
