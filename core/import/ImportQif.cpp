#include "ImportQif.h"
#include "ImportText.h"
#include "core/framework/Format.h"
#include <map>

namespace {

enum class ESection { Transactions, Account, Ignored, Other };

struct CQifRecord {
    int m_nLine = 0;
    bool m_bAny = false; // a date or an amount was seen
    std::string m_strT, m_strU, m_strNum, m_strPayee, m_strMemo, m_strCleared, m_strCategory;
    std::string m_strName;            // of an account record
    std::string m_strTypeName;        // G: the register type our own export writes
    std::vector<std::string> m_dates; // every D line; the first valid one counts
    std::vector<std::string> m_splits;
};

// The account types whose records are bank, cash or credit card transactions.
bool IsTransactionAccountType(std::string_view type) {
    const std::string kind = ToLower(Trim(type));
    return kind == "bank" || kind == "cash" || kind == "ccard" || kind == "oth a" ||
           kind == "oth l";
}

bool IsAccountTypeWord(std::string_view type) {
    const std::string kind = ToLower(Trim(type));
    return IsTransactionAccountType(kind) || kind == "invst" || kind == "port" ||
           kind == "401(k)/403(b)" || kind == "mutual";
}

// "Opening Balance" with the account's own name in brackets as its category.
bool IsOpeningBalance(const CQifRecord& r) {
    const std::string cat = Trim(r.m_strCategory);
    return ToLower(Trim(r.m_strPayee)) == "opening balance" && cat.size() > 2 &&
           cat.front() == '[' && cat.back() == ']';
}

ESection SectionOf(const std::string& strHeader, std::string& strName) {
    const std::string lower = ToLower(strHeader);
    if (lower.rfind("!type:", 0) == 0) {
        strName = Trim(std::string_view(strHeader).substr(6));
        return IsTransactionAccountType(strName) ? ESection::Transactions : ESection::Other;
    }
    if (lower == "!account")
        return ESection::Account;
    return ESection::Ignored; // !Option:AutoSwitch, !Clear:AutoSwitch
}

// The amount of a record: T, else U, else the sum of its splits.
void ReadAmount(const CQifRecord& r, EDecimalMark mark, CImportTxn& t) {
    const std::string& strAmount = !r.m_strT.empty() ? r.m_strT : r.m_strU;
    if (!strAmount.empty()) {
        const std::optional<double> d = ParseAmount(strAmount, mark);
        if (d)
            t.m_dAmount = *d;
        else
            t.m_strSkip = BadAmountReason(strAmount, mark);
    } else if (!r.m_splits.empty()) {
        double dSum = 0;
        for (const std::string& s : r.m_splits) {
            const std::optional<double> d = ParseAmount(s, mark);
            if (!d) {
                t.m_strSkip = "split " + BadAmountReason(s, mark);
                break;
            }
            dSum += *d;
        }
        t.m_dAmount = static_cast<double>(ToCents(dSum)) / 100.0;
    } else {
        t.m_strSkip = "no amount";
    }
}

// The first D line that reads as a date; the others are noted.
std::string ChooseDate(const CQifRecord& r, std::vector<std::string>& notes) {
    if (r.m_dates.size() <= 1)
        return r.m_dates.empty() ? std::string() : r.m_dates[0];
    std::size_t nChosen = 0;
    for (std::size_t i = 0; i < r.m_dates.size(); ++i)
        if (ParseDateFields(r.m_dates[i])) {
            nChosen = i;
            break;
        }
    for (std::size_t i = 0; i < r.m_dates.size(); ++i)
        if (i != nChosen)
            notes.push_back(Format("The record on line %d has a second date line \"D%s\", "
                                   "which was left out.",
                                   r.m_nLine, Trim(r.m_dates[i]).c_str()));
    return r.m_dates[nChosen];
}

CImportTxn MakeTxn(const CQifRecord& r, EDecimalMark mark, std::vector<std::string>& notes) {
    CImportTxn t;
    t.m_nLine = r.m_nLine;
    t.m_strRawDate = ChooseDate(r, notes);
    t.m_strCheckNum = Trim(r.m_strNum);
    t.m_strTrnType = t.m_strCheckNum;       // "ATM" and the like say the type
    t.m_strPayee = TrimRight(r.m_strPayee); // leading spaces are part of the text
    t.m_strTypeName = Trim(r.m_strTypeName);
    t.m_strMemo = Trim(r.m_strMemo);
    const std::string c = Trim(r.m_strCleared);
    t.m_bCleared = c == "X" || c == "x" || c == "*";
    ReadAmount(r, mark, t);
    if (t.m_strRawDate.empty() && t.m_strSkip.empty())
        t.m_strSkip = "no date";
    return t;
}

void AddField(CQifRecord& r, char cField, std::string_view value) {
    const std::string v(value);
    switch (cField) {
    case 'D':
        r.m_dates.push_back(v);
        r.m_bAny = true;
        break;
    case 'T':
        r.m_strT = v;
        r.m_bAny = true;
        break;
    case 'U':
        r.m_strU = v;
        r.m_bAny = true;
        break;
    case 'N':
        r.m_strNum = v;
        break;
    case 'L':
        r.m_strCategory = v;
        break;
    case 'G':
        r.m_strTypeName = v;
        break;
    case 'P':
        r.m_strPayee = v;
        break;
    case 'M':
        r.m_strMemo = v;
        break;
    case 'C':
        r.m_strCleared = v;
        break;
    case '$':
        r.m_splits.push_back(v);
        break;
    default:
        break; // category, address, split category and memo: not kept by a register
    }
}

// Follows the file line by line: the records of bank, cash and credit card sections become
// transactions of the account they stand under, those of other sections are counted under
// the section's name.
class CQifWalk {
public:
    explicit CQifWalk(CReadResult& result) : m_result(result) {}
    void TakeLine(std::string_view line, int nLine);
    void EndRecord();
    // "Invst (2 records), Memorized (1 record)": the sections left out, in file order.
    std::string OtherSections() const;

private:
    void BeginSection(const std::string& strHeader);
    void EnterSection(ESection section, const std::string& strName);
    void TakeAccountRecord(const CQifRecord& r);
    void TakeTransaction(const CQifRecord& r);
    int CurrentAccount();

    CReadResult& m_result;
    ESection m_section = ESection::Transactions; // a file without a header is a bank one
    std::string m_strSection = "Bank";
    std::map<std::string, int> m_otherRecords; // left-out records by section name
    std::vector<std::string> m_otherOrder;
    bool m_bOtherPending = false;
    bool m_bAutoSwitch = false; // !Account records only list the accounts
    int m_nAccount = -1;
    CQifRecord m_record;
};

void CQifWalk::TakeLine(std::string_view line, int nLine) {
    if (Trim(line).empty())
        return;
    if (line[0] == '!') {
        EndRecord();
        BeginSection(Trim(line));
        return;
    }
    if (line[0] == '^') {
        EndRecord();
        return;
    }
    if (m_section == ESection::Other) {
        m_bOtherPending = true;
    } else if (m_section == ESection::Transactions || m_section == ESection::Account) {
        if (m_record.m_nLine == 0)
            m_record.m_nLine = nLine;
        if (m_section == ESection::Account && line[0] == 'N')
            m_record.m_strName = Trim(line.substr(1));
        AddField(m_record, line[0], line.substr(1));
    }
}

void CQifWalk::EndRecord() {
    if (m_section == ESection::Account) {
        if (m_record.m_nLine != 0)
            TakeAccountRecord(m_record);
    } else if (m_section == ESection::Transactions) {
        // Another account's record where its !Account line was left out.
        if (!m_record.m_strName.empty() || (IsAccountTypeWord(m_record.m_strT) &&
                                            m_record.m_dates.empty() && m_record.m_splits.empty()))
            TakeAccountRecord(m_record);
        else if (m_record.m_bAny)
            TakeTransaction(m_record);
    } else if (m_section == ESection::Other && m_bOtherPending) {
        ++m_otherRecords[m_strSection];
    }
    m_bOtherPending = false;
    m_record = {};
}

// Transactions that follow an account's record without a !Type line are of its type.
void CQifWalk::TakeAccountRecord(const CQifRecord& r) {
    if (m_bAutoSwitch)
        return;
    const std::string strName = Trim(r.m_strName);
    std::vector<CImportAccount>& accounts = m_result.m_accounts;
    m_nAccount = -1;
    for (std::size_t i = 0; i < accounts.size() && m_nAccount < 0; ++i)
        if (accounts[i].m_strId == strName)
            m_nAccount = static_cast<int>(i);
    if (m_nAccount < 0) {
        m_nAccount = static_cast<int>(accounts.size());
        accounts.emplace_back();
        accounts.back().m_strId = strName;
    }
    const std::string strType = Trim(r.m_strT);
    accounts[static_cast<std::size_t>(m_nAccount)].m_strType = strType;
    if (!strType.empty())
        EnterSection(IsTransactionAccountType(strType) ? ESection::Transactions : ESection::Other,
                     strType);
}

int CQifWalk::CurrentAccount() {
    if (m_nAccount < 0) {
        m_nAccount = static_cast<int>(m_result.m_accounts.size());
        m_result.m_accounts.emplace_back();
    }
    return m_nAccount;
}

void CQifWalk::TakeTransaction(const CQifRecord& r) {
    const int nAccount = CurrentAccount();
    CImportAccount& a = m_result.m_accounts[static_cast<std::size_t>(nAccount)];
    const bool bFirst = a.m_nCount++ == 0; // counted again once the dates are known
    CImportTxn t = MakeTxn(r, m_result.m_decimalMark, m_result.m_notes);
    if (bFirst && IsOpeningBalance(r) && !a.m_dOpening && t.m_strSkip.empty()) {
        a.m_dOpening = t.m_dAmount;
        a.m_nOpeningLine = t.m_nLine;
        const std::string cat = Trim(r.m_strCategory);
        if (a.m_strId.empty())
            a.m_strId = cat.substr(1, cat.size() - 2);
        return;
    }
    t.m_nAccount = nAccount;
    m_result.m_txns.push_back(std::move(t));
}

void CQifWalk::BeginSection(const std::string& strHeader) {
    const std::string lower = ToLower(strHeader);
    if (lower == "!option:autoswitch" || lower == "!clear:autoswitch") {
        m_bAutoSwitch = lower == "!option:autoswitch";
        m_section = ESection::Ignored;
        return;
    }
    std::string strName;
    const ESection section = SectionOf(strHeader, strName);
    EnterSection(section, strName);
}

void CQifWalk::EnterSection(ESection section, const std::string& strName) {
    m_section = section;
    if (m_section == ESection::Other || m_section == ESection::Transactions)
        m_strSection = strName;
    if (m_section == ESection::Other && m_otherRecords.find(m_strSection) == m_otherRecords.end()) {
        m_otherRecords[m_strSection] = 0;
        m_otherOrder.push_back(m_strSection);
    }
}

std::string CQifWalk::OtherSections() const {
    std::string strOthers;
    for (const std::string& name : m_otherOrder) {
        const int n = m_otherRecords.at(name);
        strOthers += Format("%s%s (%d %s)", strOthers.empty() ? "" : ", ", name.c_str(), n,
                            n == 1 ? "record" : "records");
    }
    return strOthers;
}

} // namespace

CReadResult ReadQif(std::string_view bytes, EDateOrder order) {
    CReadResult result;
    const std::string text = DecodeText(bytes, ECharset::Auto);
    const std::vector<std::string_view> lines = SplitLines(text);
    std::vector<std::string> amounts;
    for (std::string_view line : lines)
        if (!line.empty() && (line[0] == 'T' || line[0] == 'U' || line[0] == '$'))
            amounts.emplace_back(line.substr(1));
    result.m_decimalMark = DecideDecimalMark(amounts);
    CQifWalk walk(result);
    for (std::size_t i = 0; i < lines.size(); ++i)
        walk.TakeLine(lines[i], static_cast<int>(i) + 1);
    walk.EndRecord();

    const std::string strOthers = walk.OtherSections();
    if (result.m_txns.empty()) {
        result.m_strError =
            strOthers.empty()
                ? "The file holds no bank, cash or credit card transactions."
                : "The file holds no bank, cash or credit card transactions, only other "
                  "sections: " +
                      strOthers + ".";
        return result;
    }
    if (!strOthers.empty())
        result.m_notes.push_back("Sections left out: " + strOthers + ".");
    ResolveDates(result, order);
    FillAccountFigures(result);
    return result;
}
