#include "ImportQif.h"
#include "ImportText.h"
#include "core/framework/Format.h"
#include <map>

namespace {

enum class ESection { Transactions, Account, Ignored, Other };

struct CQifRecord {
    int m_nLine = 0;
    bool m_bAny = false; // a date or an amount was seen
    std::string m_strDate, m_strT, m_strU, m_strNum, m_strPayee, m_strMemo, m_strCleared;
    std::vector<std::string> m_splits;
};

ESection SectionOf(const std::string& strHeader, std::string& strName) {
    const std::string lower = ToLower(strHeader);
    if (lower.rfind("!type:", 0) == 0) {
        strName = Trim(std::string_view(strHeader).substr(6));
        const std::string kind = ToLower(strName);
        if (kind == "bank" || kind == "cash" || kind == "ccard")
            return ESection::Transactions;
        return ESection::Other;
    }
    if (lower == "!account")
        return ESection::Account;
    return ESection::Ignored; // !Option:AutoSwitch, !Clear:AutoSwitch
}

void FinishRecord(CQifRecord& r, CReadResult& result) {
    if (!r.m_bAny) {
        r = {};
        return;
    }
    CImportTxn t;
    t.m_nLine = r.m_nLine;
    t.m_strRawDate = r.m_strDate;
    t.m_strCheckNum = Trim(r.m_strNum);
    t.m_strTrnType = t.m_strCheckNum; // "ATM" and the like say the type
    t.m_strPayee = Trim(r.m_strPayee);
    t.m_strMemo = Trim(r.m_strMemo);
    const std::string c = Trim(r.m_strCleared);
    t.m_bCleared = c == "X" || c == "x" || c == "*";
    const std::string& strAmount = !r.m_strT.empty() ? r.m_strT : r.m_strU;
    if (!strAmount.empty()) {
        const std::optional<double> d = ParseAmount(strAmount, false);
        if (d)
            t.m_dAmount = *d;
        else
            t.m_strSkip = "bad amount \"" + Trim(strAmount) + "\"";
    } else if (!r.m_splits.empty()) {
        double dSum = 0;
        for (const std::string& s : r.m_splits) {
            const std::optional<double> d = ParseAmount(s, false);
            if (!d) {
                t.m_strSkip = "bad split amount \"" + Trim(s) + "\"";
                break;
            }
            dSum += *d;
        }
        t.m_dAmount = static_cast<double>(ToCents(dSum)) / 100.0;
    } else {
        t.m_strSkip = "no amount";
    }
    if (r.m_strDate.empty() && t.m_strSkip.empty())
        t.m_strSkip = "no date";
    result.m_txns.push_back(std::move(t));
    r = {};
}

void AddField(CQifRecord& r, char cField, std::string_view value) {
    const std::string v(value);
    switch (cField) {
    case 'D':
        r.m_strDate = v;
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
// transactions, those of other sections are counted under the section's name.
class CQifWalk {
public:
    explicit CQifWalk(CReadResult& result) : m_result(result) {}
    void TakeLine(std::string_view line, int nLine);
    void EndRecord();
    // "Invst (2 records), Memorized (1 record)": the sections left out, in file order.
    std::string OtherSections() const;

private:
    void BeginSection(const std::string& strHeader);

    CReadResult& m_result;
    ESection m_section = ESection::Transactions; // a file without a header is a bank one
    std::string m_strSection = "Bank";
    std::map<std::string, int> m_otherRecords; // left-out records by section name
    std::vector<std::string> m_otherOrder;
    bool m_bOtherPending = false;
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
    } else if (m_section == ESection::Transactions) {
        if (m_record.m_nLine == 0)
            m_record.m_nLine = nLine;
        AddField(m_record, line[0], line.substr(1));
    }
}

void CQifWalk::EndRecord() {
    if (m_section == ESection::Transactions) {
        FinishRecord(m_record, m_result);
    } else if (m_section == ESection::Other && m_bOtherPending) {
        ++m_otherRecords[m_strSection];
    }
    m_bOtherPending = false;
    m_record = {};
}

void CQifWalk::BeginSection(const std::string& strHeader) {
    std::string strName;
    m_section = SectionOf(strHeader, strName);
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
    return result;
}
