#pragma once
#include "Import.h"
#include <optional>
#include <string>
#include <vector>

class CTallywiseDoc;

// Where a bank transaction or a register entry stands after comparing the two.
enum class EReconcileGroup {
    Cleared,        // the bank posted an uncleared entry: it becomes cleared
    AlreadyCleared, // the bank posted an entry already cleared
    New,            // the bank posted something the register lacks: offered for import
    Outstanding,    // in the register, not yet at the bank
    Skipped         // a bank transaction that cannot be read
};

struct CReconcileLine {
    EReconcileGroup m_nGroup = EReconcileGroup::New;
    int m_nRow = -1;   // the bank transaction: index into m_import.m_rows
    int m_nEntry = -1; // the register entry: its position
};

struct CReconcilePlan {
    CImportPlan m_import; // the bank transactions, matched one to one as an import matches
    // The bank transactions in file order, then the outstanding entries in register order.
    std::vector<CReconcileLine> m_lines;
    int m_nCleared = 0, m_nAlreadyCleared = 0, m_nNew = 0, m_nOutstanding = 0, m_nSkipped = 0;
    std::optional<double> m_dLedger; // the bank's ledger balance, when the file gives it
    int m_nLedgerDate = 0;           // YYYYMMDD, 0 when not given
};

// Compares a read bank file (one account) with the register. Outstanding are the uncleared
// entries that no bank transaction matched, dated within the file's first and last date.
CReconcilePlan BuildReconcilePlan(const CTallywiseDoc& doc, const CReadResult& read);
// "2 cleared, 1 already cleared, 3 new, 4 outstanding" (and ", N skipped" when any).
std::string ReconcileSummary(const CReconcilePlan& plan);
// Marks the matched entries cleared and adds the ticked new rows (every new one when ticks is
// empty; ticks follow m_import.m_rows) as cleared entries, as one change. Returns whether
// the register changed.
bool ApplyReconcile(CTallywiseDoc& doc, const CReconcilePlan& plan,
                    const std::vector<bool>& ticks = {});
// The starting balance with every cleared entry: what the bank should show.
double ClearedBalance(const CTallywiseDoc& doc);
// The ledger balance against the cleared balance, for the closing line of a reconciliation:
// "ledger balance 1234.56 on 01/31/2024, cleared balance 1200.00: difference 34.56"
std::string LedgerComparison(const CReconcilePlan& plan, double dCleared);
