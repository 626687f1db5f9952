#include "Reconcile.h"
#include "ImportText.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include <algorithm>

namespace {

long DayOfEntry(const CEntry& e) {
    const CDayMonthYear d = SplitLocalDate(e.m_date);
    return DaysFromCivil(d.m_nYear, d.m_nMonth, d.m_nDay);
}

// The first and last day of the bank's readable transactions; false when there are none.
bool BankDayRange(const CImportPlan& plan, long& nFirst, long& nLast) {
    bool bAny = false;
    for (const CImportRow& row : plan.m_rows) {
        if (row.m_nStatus == EImportStatus::Skipped)
            continue;
        nFirst = bAny ? std::min(nFirst, row.m_nCivilDay) : row.m_nCivilDay;
        nLast = bAny ? std::max(nLast, row.m_nCivilDay) : row.m_nCivilDay;
        bAny = true;
    }
    return bAny;
}

void AddOutstanding(const CTallywiseDoc& doc, CReconcilePlan& plan) {
    long nFirst = 0, nLast = 0;
    if (!BankDayRange(plan.m_import, nFirst, nLast))
        return;
    std::vector<bool> matched(doc.EntryCount(), false);
    for (const CImportRow& row : plan.m_import.m_rows)
        if (row.m_nMatchedEntry >= 0)
            matched[static_cast<std::size_t>(row.m_nMatchedEntry)] = true;
    const std::vector<CEntry>& entries = doc.Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (matched[i] || entries[i].m_bCleared)
            continue;
        const long nDay = DayOfEntry(entries[i]);
        if (nDay < nFirst || nDay > nLast)
            continue;
        plan.m_lines.push_back({EReconcileGroup::Outstanding, -1, static_cast<int>(i)});
        ++plan.m_nOutstanding;
    }
}

} // namespace

CReconcilePlan BuildReconcilePlan(const CTallywiseDoc& doc, const CReadResult& read) {
    CReconcilePlan plan;
    plan.m_import = BuildImportPlan(doc, read);
    if (read.m_accounts.size() == 1) {
        plan.m_dLedger = read.m_accounts[0].m_dLedger;
        plan.m_nLedgerDate = read.m_accounts[0].m_nLedgerDate;
    }
    const std::vector<CEntry>& entries = doc.Entries();
    for (std::size_t i = 0; i < plan.m_import.m_rows.size(); ++i) {
        const CImportRow& row = plan.m_import.m_rows[i];
        CReconcileLine line{EReconcileGroup::New, static_cast<int>(i), row.m_nMatchedEntry};
        if (row.m_nStatus == EImportStatus::Skipped) {
            line.m_nGroup = EReconcileGroup::Skipped;
            ++plan.m_nSkipped;
        } else if (row.m_nStatus == EImportStatus::Duplicate) {
            const bool bCleared =
                entries[static_cast<std::size_t>(row.m_nMatchedEntry)].m_bCleared != 0;
            line.m_nGroup = bCleared ? EReconcileGroup::AlreadyCleared : EReconcileGroup::Cleared;
            ++(bCleared ? plan.m_nAlreadyCleared : plan.m_nCleared);
        } else {
            ++plan.m_nNew;
        }
        plan.m_lines.push_back(line);
    }
    AddOutstanding(doc, plan);
    return plan;
}

std::string ReconcileSummary(const CReconcilePlan& plan) {
    std::string s =
        Format("%d cleared, %d already cleared, %d new, %d outstanding", plan.m_nCleared,
               plan.m_nAlreadyCleared, plan.m_nNew, plan.m_nOutstanding);
    if (plan.m_nSkipped)
        s += Format(", %d skipped", plan.m_nSkipped);
    return s;
}

bool ApplyReconcile(CTallywiseDoc& doc, const CReconcilePlan& plan,
                    const std::vector<bool>& ticks) {
    std::vector<std::uint16_t> clear;
    for (const CReconcileLine& line : plan.m_lines)
        if (line.m_nGroup == EReconcileGroup::Cleared)
            clear.push_back(static_cast<std::uint16_t>(line.m_nEntry));
    std::vector<CEntry> entries = ImportEntries(plan.m_import, ticks);
    for (CEntry& e : entries)
        e.m_bCleared = 1; // the bank has posted it
    if (clear.empty() && entries.empty())
        return false;
    AddImportDescriptions(doc, entries);
    doc.ClearAndInsertEntries(clear, std::move(entries));
    return true;
}

double ClearedBalance(const CTallywiseDoc& doc) {
    long long nCents = ToCents(doc.StartBalance());
    for (const CEntry& e : doc.Entries())
        if (e.m_bCleared)
            nCents += ToCents(e.m_bDebit ? -e.m_dAmount : e.m_dAmount);
    return static_cast<double>(nCents) / 100.0;
}

std::string LedgerComparison(const CReconcilePlan& plan, double dCleared) {
    if (!plan.m_dLedger)
        return {};
    const long long nDiff = ToCents(*plan.m_dLedger) - ToCents(dCleared);
    std::string s = "ledger balance " + Format("%.2f", *plan.m_dLedger);
    if (plan.m_nLedgerDate)
        s += Format(" on %02d/%02d/%04d", plan.m_nLedgerDate / 100 % 100, plan.m_nLedgerDate % 100,
                    plan.m_nLedgerDate / 10000);
    s += ", cleared balance " + Format("%.2f", dCleared);
    s += nDiff == 0 ? ": they agree"
                    : ": difference " + Format("%.2f", static_cast<double>(nDiff) / 100.0);
    return s;
}
