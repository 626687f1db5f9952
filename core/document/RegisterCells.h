#pragma once
#include "CEntry.h"
#include "CUserType.h"
#include <array>
#include <string>

enum ERegisterColumn {
    COL_NUM,
    COL_DATE,
    COL_DESC,
    COL_TYPE,
    COL_DEBIT,
    COL_CREDIT,
    COL_BALANCE,
    COL_CLEARED,
    COL_COUNT
};

struct CColumnInfo {
    const char* m_pszTitle;
    int m_nAlign;  // -1 left, 0 centre, 1 right
    int m_nWeight; // of 145
};
extern const std::array<CColumnInfo, COL_COUNT> g_columns;

// The text of one cell of the row that shows entry e; the printed register uses the same.
std::string CellText(const CEntryFields& e, int nColumn, const CUserTypeTable& types);
std::string TypeAbbreviation(int nType, const CUserTypeTable& types);
// "%.2f", or "(%.2f)" with the minus sign inside when the value shows below zero.
std::string BalanceText(double dBalance);
// Column widths for a client width: the weights of 145, truncated.
std::array<int, COL_COUNT> ColumnWidths(int nClientWidth);
