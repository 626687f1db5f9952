#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How the day, month and year of a file's dates are ordered.
enum class EDateOrder { Auto, MDY, DMY, YMD };

// Which mark separates the cents in a file's amounts, decided once for the whole file.
enum class EDecimalMark { Unknown, Point, Comma };

// One transaction as a bank file holds it, before it becomes a register entry.
struct CImportTxn {
    int m_nYear = 0; // 0: no usable date (m_strSkip says why)
    int m_nMonth = 0;
    int m_nDay = 0;
    double m_dAmount = 0.0; // signed: negative is a debit
    std::string m_strCheckNum;
    std::string m_strPayee; // UTF-8
    std::string m_strMemo;
    std::string m_strTrnType;  // the bank's own type word (OFX TRNTYPE), if any
    std::string m_strTypeName; // a register's type by name (our own exports write it)
    std::string m_strFitId;
    bool m_bCleared = false;
    int m_nLine = 0;          // where it starts in the file
    std::string m_strSkip;    // why it cannot be imported; empty when it can
    std::string m_strRawDate; // the date as written, for date-order decisions
    int m_nAccount = 0;       // index into CReadResult::m_accounts
};

// One account of a bank file: an OFX statement's account, a QIF !Account block.
struct CImportAccount {
    std::string m_strId;       // OFX ACCTID, QIF account name; empty when the file has none
    std::string m_strType;     // "Bank", "CCard", "CHECKING", ...
    std::string m_strCurrency; // OFX CURDEF, when given; shown, never converted
    int m_nCount = 0;          // its transactions
    int m_nFirstDate = 0;      // YYYYMMDD of its earliest and latest dated transaction, 0 if none
    int m_nLastDate = 0;
    std::optional<double> m_dLedger;  // the bank's ledger balance (OFX LEDGERBAL) ...
    int m_nLedgerDate = 0;            // ... as of this YYYYMMDD, 0 when not given
    std::optional<double> m_dOpening; // a QIF "Opening Balance" record ...
    int m_nOpeningLine = 0;           // ... on this line
};

// What a reader made of a file. A refused file has m_strError and no transactions.
struct CReadResult {
    std::vector<CImportTxn> m_txns;
    std::string m_strError;
    std::vector<std::string> m_notes;          // said in the report (skipped sections, ...)
    EDateOrder m_dateOrder = EDateOrder::Auto; // the order used
    bool m_bOrderAmbiguous = false;            // the file cannot tell, and no order was given
    EDecimalMark m_decimalMark = EDecimalMark::Unknown; // of a QIF or CSV file
    std::vector<CImportAccount> m_accounts; // those with transactions; more than one: choose
    int m_nUnmappedSign = -1; // a CSV direction column (from 0) the mapping must take first
    bool Ok() const { return m_strError.empty(); }
};
