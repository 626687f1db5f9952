#include "Balance.h"
#include "core/framework/Format.h"

COutstanding OutstandingFigures(const std::vector<CEntry>& entries) {
    COutstanding figures;
    for (const CEntry& e : entries) {
        if (e.m_bCleared == 0) {
            if (e.m_bDebit != 0)
                figures.m_dOutDebits += e.m_dAmount;
            else
                figures.m_dOutCredits += e.m_dAmount;
        }
        figures.m_dEndBal = e.m_dBalance;
    }
    return figures;
}

CReconciliation Reconcile(double dStatement, const COutstanding& figures) {
    CReconciliation r;
    r.m_dStatement = dStatement;
    r.m_dOutDebits = figures.m_dOutDebits;
    r.m_dOutCredits = figures.m_dOutCredits;
    r.m_dReconciled = (dStatement - figures.m_dOutDebits) + figures.m_dOutCredits;
    r.m_dEndBal = figures.m_dEndBal;
    // Decided in cents, so a fraction of a cent is never reported as "$0.00".
    r.m_dDiff = RoundToCents(r.m_dReconciled - r.m_dEndBal);
    return r;
}

std::string BalanceMessage(double dDiff) {
    dDiff = RoundToCents(dDiff);
    if (dDiff == 0.0)
        return "Your check book balances.";
    if (dDiff < 0.0)
        return Format("Your check book is over $%.2f.", -dDiff);
    return Format("Your check book is under $%.2f.", dDiff);
}

std::array<CBalanceField, 6> BalanceFields(const CReconciliation& r) {
    return {{
        {"Ending statement balance:", Format("%10.2f", r.m_dStatement)},
        {"Outstanding debits:", Format("%10.2f", r.m_dOutDebits)},
        {"Outstanding credits:", Format("%10.2f", r.m_dOutCredits)},
        {"Balance after reconciling:", Format("%12.2f", r.m_dReconciled)},
        {"Ending checkbook balance:", Format("%10.2f", r.m_dEndBal)},
        {"Difference:", Format("%12.2f", r.m_dDiff)},
    }};
}
