#include "Import.h"
#include "ImportOfx.h"
#include "ImportQif.h"
#include "ImportText.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/Cp1252.h"
#include "core/framework/DateTime.h"
#include "core/framework/FieldLimits.h"
#include "core/framework/Format.h"
#include <algorithm>
#include <cmath>
#include <map>

namespace {

std::string ExtensionOf(const std::string& strPath) {
    const std::size_t nSlash = strPath.find_last_of("/\\");
    const std::size_t nDot = strPath.rfind('.');
    if (nDot == std::string::npos || (nSlash != std::string::npos && nDot < nSlash))
        return {};
    return ToLower(strPath.substr(nDot + 1));
}

// A type by its name ("Check Card", a user type's name), then by a user type's abbreviation;
// -1 when none has it.
int TypeFromName(std::string_view name, const CUserTypeTable& types) {
    static const char* const BUILT_IN[] = {"Check", "ATM", "Check Card", "Teller", "Other"};
    if (name.empty())
        return -1;
    for (int i = 0; i <= TYPE_OTHER; ++i)
        if (name == BUILT_IN[i])
            return i;
    for (std::size_t i = 0; i < types.size(); ++i)
        if (!types[i].m_strName.empty() && name == types[i].m_strName)
            return TYPE_USER1 + static_cast<int>(i);
    for (std::size_t i = 0; i < types.size(); ++i)
        if (!types[i].m_strAbbr.empty() && name == types[i].m_strAbbr)
            return TYPE_USER1 + static_cast<int>(i);
    return -1;
}

std::int8_t TypeOf(const CImportTxn& t, std::uint16_t nCheckNum) {
    if (nCheckNum != 0)
        return TYPE_CHECK;
    const std::string s = ToLower(Trim(t.m_strTrnType));
    if (s == "atm")
        return TYPE_ATM;
    if (s == "pos" || s == "debit")
        return TYPE_CHECKCARD;
    return TYPE_OTHER;
}

// Fills the row from the transaction; false (with the reason set) when it is skipped.
// mktime is slow, and a statement has many transactions a day.
using CDateCache = std::map<long, std::time_t>;

bool MakeRow(const CImportTxn& t, const CUserTypeTable& types, CImportRow& row, int& nReplaced,
             int& nCut, CDateCache& dates) {
    row.m_nLine = t.m_nLine;
    row.m_bCleared = t.m_bCleared;
    const int nNamed = TypeFromName(t.m_strTypeName, types);
    const bool bCheck = nNamed < 0 ? t.m_dAmount < 0 : nNamed == TYPE_CHECK;
    row.m_nCheckNum = bCheck ? CheckNumberOf(t.m_strCheckNum) : 0;
    row.m_nType = nNamed >= 0 ? static_cast<std::int8_t>(nNamed) : TypeOf(t, row.m_nCheckNum);
    bool bCut = false;
    std::string strDesc = Trim(t.m_strPayee).empty() ? t.m_strMemo : t.m_strPayee;
    // A deposit's number (a document number some banks give) stays in its description.
    if (!bCheck && nNamed < 0 && CheckNumberOf(t.m_strCheckNum) != 0 &&
        strDesc.find(Trim(t.m_strCheckNum)) == std::string::npos)
        strDesc = TrimRight(strDesc) + " #" + Trim(t.m_strCheckNum);
    row.m_strDesc = CleanDescription(strDesc, nReplaced, bCut);
    nCut += bCut;
    row.m_dAmount = std::fabs(t.m_dAmount);
    row.m_bDebit = t.m_dAmount < 0;
    if (!t.m_strSkip.empty()) {
        row.m_strReason = t.m_strSkip;
        return false;
    }
    if (t.m_nYear < 1970 || t.m_nYear > 2105) {
        row.m_strReason =
            Format("date %02d/%02d/%04d out of range", t.m_nMonth, t.m_nDay, t.m_nYear);
        return false;
    }
    row.m_nCivilDay = DaysFromCivil(t.m_nYear, t.m_nMonth, t.m_nDay);
    const auto [it, bNew] = dates.try_emplace(row.m_nCivilDay, 0);
    if (bNew)
        it->second = MakeLocalDate(t.m_nYear, t.m_nMonth, t.m_nDay);
    row.m_date = it->second;
    if (row.m_date < 0 || row.m_date > static_cast<std::time_t>(0xFFFFFFFFLL)) {
        row.m_strReason = "date out of range";
        return false;
    }
    if (ToCents(t.m_dAmount) == 0) {
        row.m_strReason = "zero amount";
        return false;
    }
    if (!IsWholeCents(t.m_dAmount)) {
        row.m_strReason =
            Format("amount %s is not in whole cents", Format("%.6f", t.m_dAmount).c_str());
        return false;
    }
    if (row.m_dAmount > MAX_AMOUNT) {
        row.m_strReason = Format("amount %.2f is larger than %.2f", row.m_dAmount, MAX_AMOUNT);
        return false;
    }
    row.m_dAmount = static_cast<double>(std::llabs(ToCents(t.m_dAmount))) / 100.0;
    return true;
}

struct CRegisterKey {
    long long m_nCents;
    bool m_bDebit;
    bool operator<(const CRegisterKey& o) const {
        return m_nCents != o.m_nCents ? m_nCents < o.m_nCents : m_bDebit < o.m_bDebit;
    }
};
struct CRegisterItem {
    long m_nDay;
    int m_nPos;
    std::uint16_t m_nCheckNum;
    const CEntry* m_pEntry;
};

long DayOf(std::time_t t) {
    const CDayMonthYear d = SplitLocalDate(t);
    return DaysFromCivil(d.m_nYear, d.m_nMonth, d.m_nDay);
}

// Each register entry matches at most one incoming transaction: the nearest in date of
// the same amount and direction, at most 3 days apart, with the same check number where
// both have one.
void MarkDuplicates(const CTallywiseDoc& doc, std::vector<CImportRow>& rows) {
    std::map<CRegisterKey, std::vector<CRegisterItem>> buckets;
    int nPos = 0;
    for (const CEntry& e : doc.Entries())
        buckets[{ToCents(e.m_bDebit ? -e.m_dAmount : e.m_dAmount), e.m_bDebit != 0}].push_back(
            {DayOf(e.m_date), nPos++, e.m_nCheckNum, &e});
    for (auto& [key, items] : buckets)
        std::sort(items.begin(), items.end(), [](const CRegisterItem& a, const CRegisterItem& b) {
            return a.m_nDay != b.m_nDay ? a.m_nDay < b.m_nDay : a.m_nPos < b.m_nPos;
        });
    std::vector<bool> matched(static_cast<std::size_t>(nPos), false);
    for (CImportRow& row : rows) {
        if (row.m_nStatus != EImportStatus::New)
            continue;
        const auto it = buckets.find({ToCents(row.SignedAmount()), row.m_bDebit});
        if (it == buckets.end())
            continue;
        const long nDay = row.m_nCivilDay;
        const std::vector<CRegisterItem>& items = it->second;
        auto p = std::lower_bound(items.begin(), items.end(), nDay - 3,
                                  [](const CRegisterItem& a, long d) { return a.m_nDay < d; });
        const CRegisterItem* pBest = nullptr;
        for (; p != items.end() && p->m_nDay <= nDay + 3; ++p) {
            if (matched[static_cast<std::size_t>(p->m_nPos)])
                continue;
            if (row.m_nCheckNum && p->m_nCheckNum && row.m_nCheckNum != p->m_nCheckNum)
                continue;
            if (!pBest || std::labs(p->m_nDay - nDay) < std::labs(pBest->m_nDay - nDay))
                pBest = &*p;
        }
        if (!pBest)
            continue;
        matched[static_cast<std::size_t>(pBest->m_nPos)] = true;
        row.m_nStatus = EImportStatus::Duplicate;
        row.m_nMatchedEntry = pBest->m_nPos;
        row.m_strReason = "matches the entry of " +
                          FormatDate(pBest->m_pEntry->m_date, "%m/%d/%Y") + " \"" +
                          pBest->m_pEntry->m_strDesc + "\"";
    }
}

// A file's opening balance starts a register that has neither entries nor a starting
// balance; anywhere else it would count the same money twice.
void TakeOpeningBalance(const CTallywiseDoc& doc, const CReadResult& read, CImportPlan& plan) {
    if (read.m_accounts.size() != 1 || !read.m_accounts[0].m_dOpening)
        return;
    const CImportAccount& a = read.m_accounts[0];
    if (doc.EntryCount() == 0 && !doc.IsStartBalSet()) {
        plan.m_dStartBalance = a.m_dOpening;
        plan.m_notes.push_back(
            Format("The opening balance, %.2f, becomes the starting balance.", *a.m_dOpening));
    } else {
        plan.m_notes.push_back(Format("The opening balance on line %d, %.2f, was not imported: "
                                      "the register has its starting balance.",
                                      a.m_nOpeningLine, *a.m_dOpening));
    }
}

} // namespace

EImportFormat GuessImportFormat(const std::string& strPath, std::string_view bytes) {
    const std::string ext = ExtensionOf(strPath);
    if (ext == "ofx" || ext == "qfx" || ext == "qbo")
        return EImportFormat::Ofx;
    if (ext == "qif")
        return EImportFormat::Qif;
    if (ext == "csv" || ext == "tsv")
        return EImportFormat::Csv;
    const std::string head = ToLower(bytes.substr(0, 4096));
    if (head.find("<ofx") != std::string::npos || head.find("ofxheader") != std::string::npos)
        return EImportFormat::Ofx;
    const std::string first = Trim(head.substr(head.rfind("\xef\xbb\xbf", 0) == 0 ? 3 : 0));
    if (first.rfind("!type", 0) == 0 || first.rfind("!account", 0) == 0 ||
        first.rfind("!option", 0) == 0)
        return EImportFormat::Qif;
    return EImportFormat::Csv;
}

std::optional<EImportFormat> ImportFormatFromWord(std::string_view word) {
    if (word == "ofx" || word == "qfx")
        return EImportFormat::Ofx;
    if (word == "qif")
        return EImportFormat::Qif;
    if (word == "csv")
        return EImportFormat::Csv;
    return std::nullopt;
}

CReadResult ReadImportFile(EImportFormat format, std::string_view bytes, EDateOrder order,
                           const std::optional<CCsvMapping>& mapping, bool* pNeedMapping,
                           std::string* pMappingWhy) {
    if (pNeedMapping)
        *pNeedMapping = false;
    if (format == EImportFormat::Ofx)
        return ReadOfx(bytes);
    if (format == EImportFormat::Qif)
        return ReadQif(bytes, order);
    const CCsvTable table = ReadCsvTable(bytes);
    CReadResult result;
    if (!table.m_strError.empty()) {
        result.m_strError = table.m_strError;
        return result;
    }
    std::string strWhy;
    const std::optional<CCsvMapping> m = mapping ? mapping : GuessCsvMapping(table, &strWhy);
    if (!m) {
        if (pNeedMapping)
            *pNeedMapping = true;
        if (pMappingWhy)
            *pMappingWhy = strWhy;
        result.m_strError = "The columns of this file cannot be recognised (" + strWhy + ").";
        return result;
    }
    const int nSign = UnmappedDirectionColumn(table, *m);
    if (nSign >= 0) {
        strWhy = Format("the amounts have no sign, and column %d (\"%s\") gives their direction",
                        nSign + 1, table.m_header[static_cast<std::size_t>(nSign)].c_str());
        if (pNeedMapping)
            *pNeedMapping = true;
        if (pMappingWhy)
            *pMappingWhy = strWhy;
        result.m_nUnmappedSign = nSign;
        result.m_strError = "The direction of the amounts is not mapped (" + strWhy + ").";
        return result;
    }
    return ReadCsv(table, *m, order);
}

static std::string FormatYmd(int nDate) {
    return Format("%02d/%02d/%04d", nDate / 100 % 100, nDate % 100, nDate / 10000);
}

std::string AccountLabel(const CImportAccount& a) {
    std::string s = a.m_strId.empty() ? std::string("(no name)") : a.m_strId;
    if (!a.m_strCurrency.empty())
        s += " (" + a.m_strCurrency + ")";
    s += Format(": %d %s", a.m_nCount, a.m_nCount == 1 ? "transaction" : "transactions");
    if (a.m_nFirstDate != 0)
        s += a.m_nFirstDate == a.m_nLastDate
                 ? ", " + FormatYmd(a.m_nFirstDate)
                 : ", " + FormatYmd(a.m_nFirstDate) + " to " + FormatYmd(a.m_nLastDate);
    return s;
}

int FindAccount(const CReadResult& read, std::string_view id) {
    for (std::size_t i = 0; i < read.m_accounts.size(); ++i)
        if (read.m_accounts[i].m_strId == id)
            return static_cast<int>(i);
    return -1;
}

void KeepOneAccount(CReadResult& read, int nAccount) {
    if (nAccount < 0 || static_cast<std::size_t>(nAccount) >= read.m_accounts.size())
        return;
    std::erase_if(read.m_txns, [&](const CImportTxn& t) { return t.m_nAccount != nAccount; });
    for (CImportTxn& t : read.m_txns)
        t.m_nAccount = 0;
    read.m_accounts = {read.m_accounts[static_cast<std::size_t>(nAccount)]};
}

std::string CleanDescription(std::string_view text, int& nReplaced, bool& bCut) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        s += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? ' ' : c;
    s = TrimRight(s); // leading spaces may be the user's own, from an export
    const std::string cp = Utf8ToCp1252(s);
    // Count what Windows-1252 cannot hold: the '?' that were not there before.
    const long long nBefore = std::count(s.begin(), s.end(), '?');
    const long long nAfter = std::count(cp.begin(), cp.end(), '?');
    nReplaced += static_cast<int>(nAfter - nBefore);
    bCut = cp.size() > static_cast<std::size_t>(MAX_DESC_CHARS);
    return Cp1252ToUtf8(bCut ? std::string_view(cp).substr(0, MAX_DESC_CHARS) : cp);
}

CImportPlan BuildImportPlan(const CTallywiseDoc& doc, const CReadResult& read) {
    CImportPlan plan;
    plan.m_notes = read.m_notes;
    plan.m_dateOrder = read.m_dateOrder;
    int nReplaced = 0, nCut = 0;
    CDateCache dates;
    plan.m_rows.reserve(read.m_txns.size());
    for (const CImportTxn& t : read.m_txns) {
        CImportRow row;
        if (!MakeRow(t, doc.UserTypes(), row, nReplaced, nCut, dates)) {
            row.m_nStatus = EImportStatus::Skipped;
            if (t.m_nLine > 0)
                row.m_strReason += Format(" (line %d)", t.m_nLine);
        }
        plan.m_rows.push_back(std::move(row));
    }
    MarkDuplicates(doc, plan.m_rows);
    TakeOpeningBalance(doc, read, plan);
    for (const CImportRow& row : plan.m_rows) {
        plan.m_nNew += row.m_nStatus == EImportStatus::New;
        plan.m_nDuplicates += row.m_nStatus == EImportStatus::Duplicate;
        plan.m_nSkipped += row.m_nStatus == EImportStatus::Skipped;
    }
    if (nReplaced)
        plan.m_notes.push_back(nReplaced == 1
                                   ? "1 character that a register cannot hold became \"?\"."
                                   : Format("%d characters that a register cannot hold became "
                                            "\"?\".",
                                            nReplaced));
    if (nCut)
        plan.m_notes.push_back(
            nCut == 1 ? Format("1 description was cut to %d characters.", MAX_DESC_CHARS)
                      : Format("%d descriptions were cut to %d characters.", nCut, MAX_DESC_CHARS));
    return plan;
}

std::string ImportSummary(const CImportPlan& plan) {
    return Format("%d new, %d duplicates, %d skipped", plan.m_nNew, plan.m_nDuplicates,
                  plan.m_nSkipped);
}

std::string ImportLimitMessage(const CTallywiseDoc& doc, int nAdd) {
    const int nRoom = std::max(0, MAX_ENTRIES - static_cast<int>(doc.EntryCount()));
    if (nAdd <= nRoom)
        return {};
    return Format("This import would add %d entries, but the register has room for only %d "
                  "more (it holds at most %d).\nArchive old entries to make room for new ones.",
                  nAdd, nRoom, MAX_ENTRIES);
}

std::vector<CEntry> ImportEntries(const CImportPlan& plan, const std::vector<bool>& ticks) {
    std::vector<CEntry> entries;
    for (std::size_t i = 0; i < plan.m_rows.size(); ++i) {
        const CImportRow& row = plan.m_rows[i];
        const bool bWanted =
            ticks.empty() ? row.m_nStatus == EImportStatus::New : i < ticks.size() && ticks[i];
        if (!bWanted || row.m_nStatus == EImportStatus::Skipped)
            continue;
        CEntry e;
        e.m_nCheckNum = row.m_nCheckNum;
        e.m_date = row.m_date;
        e.m_strDesc = row.m_strDesc;
        e.m_nType = row.m_nType;
        e.m_dAmount = row.m_dAmount;
        e.m_bDebit = row.m_bDebit ? 1 : 0;
        e.m_bCleared = row.m_bCleared ? 1 : 0;
        entries.push_back(std::move(e));
    }
    return entries;
}

// A bank's text that occurs once ("CHECK 1003") would only crowd the list; one that recurs
// is worth offering again, as a description the user typed is.
void AddImportDescriptions(CTallywiseDoc& doc, const std::vector<CEntry>& entries) {
    const std::size_t nTaken = std::min<std::size_t>(entries.size(), MAX_COUNT - doc.EntryCount());
    std::map<std::string_view, int> uses;
    for (const CEntry& e : doc.Entries())
        ++uses[e.m_strDesc];
    for (std::size_t i = 0; i < nTaken; ++i)
        ++uses[entries[i].m_strDesc];
    for (std::size_t i = 0; i < nTaken; ++i)
        if (uses[entries[i].m_strDesc] >= 2)
            doc.AddDescription(entries[i].m_strDesc);
}

int ApplyImport(CTallywiseDoc& doc, const CImportPlan& plan, const std::vector<bool>& ticks,
                std::optional<std::uint16_t>* pLastPos) {
    std::vector<CEntry> entries = ImportEntries(plan, ticks);
    // Descriptions only of what the register takes, and all of it as one change.
    AddImportDescriptions(doc, entries);
    std::uint16_t nLastCheck = 0;
    const std::size_t nRoom = MAX_COUNT - doc.EntryCount();
    for (std::size_t i = 0; i < entries.size() && i < nRoom; ++i)
        if (entries[i].m_nType == TYPE_CHECK)
            nLastCheck = std::max(nLastCheck, entries[i].m_nCheckNum);
    const std::vector<std::uint16_t> positions = doc.InsertEntries(std::move(entries));
    const int nAdded = static_cast<int>(positions.size());
    if (pLastPos && !positions.empty())
        *pLastPos = positions.back();
    if (plan.m_dStartBalance && !doc.IsStartBalSet() && doc.EntryCount() == nAdded)
        doc.SetStartingBalance(*plan.m_dStartBalance);
    if (nAdded > 0) {
        doc.RefreshTypeUsage();
        if (nLastCheck != 0 && nLastCheck < 65535 && nLastCheck + 1 > doc.NextCheck())
            doc.SetNextCheck(static_cast<std::uint16_t>(nLastCheck + 1));
    }
    return nAdded;
}
