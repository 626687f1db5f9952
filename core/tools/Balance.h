#pragma once
#include "core/document/CEntry.h"
#include <array>
#include <string>
#include <vector>

// What the register holds that the bank has not seen yet, taken once per reconciliation.
struct COutstanding {
    double m_dOutDebits = 0.0;  // uncleared debits, amounts as stored
    double m_dOutCredits = 0.0; // uncleared credits
    double m_dEndBal = 0.0;     // running balance of the last entry
};

// Walks the register once; the list must not be empty.
COutstanding OutstandingFigures(const std::vector<CEntry>& entries);

// One reconciliation against a statement balance.
struct CReconciliation {
    double m_dStatement = 0.0;
    double m_dOutDebits = 0.0;
    double m_dOutCredits = 0.0;
    double m_dReconciled = 0.0; // (statement - debits) + credits
    double m_dEndBal = 0.0;
    double m_dDiff = 0.0; // reconciled - ending balance, rounded to cents
};

CReconciliation Reconcile(double dStatement, const COutstanding& figures);

// "Your check book balances." or over or under by how much, in whole cents.
std::string BalanceMessage(double dDiff);

// The six figures of the dialog in their order, each with its label and its own format.
struct CBalanceField {
    const char* m_pszLabel;
    std::string m_strText;
};
std::array<CBalanceField, 6> BalanceFields(const CReconciliation& r);
