#include "RegisterCells.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"

const std::array<CColumnInfo, COL_COUNT> g_columns = {{
    {"Num", -1, 13},
    {"Date", 0, 15},
    {"Description", -1, 52},
    {"Type", 0, 10},
    {"Debit", 1, 17},
    {"Credit", 1, 17},
    {"Balance", 1, 17},
    {"Cl", 0, 4},
}};

std::string TypeAbbreviation(int nType, const CUserTypeTable& types) {
    static const char* const BUILT_IN[] = {"C", "A", "R", "T", "O"};
    if (nType >= TYPE_CHECK && nType <= TYPE_OTHER)
        return BUILT_IN[nType];
    if (nType >= TYPE_USER1 && nType < TYPE_USER1 + 4)
        return types[static_cast<std::size_t>(nType - TYPE_USER1)].m_strAbbr;
    return "";
}

// Parentheses go with the minus sign the two decimals show, so a balance a hair below
// zero reads 0.00, not (-0.00).
std::string BalanceText(double dBalance) {
    const std::string strMoney = MoneyText(dBalance);
    return strMoney.front() == '-' ? "(" + strMoney + ")" : strMoney;
}

std::string CellText(const CEntryFields& e, int nColumn, const CUserTypeTable& types) {
    switch (nColumn) {
    case COL_NUM:
        return e.m_nType == TYPE_CHECK ? Format("%d", e.m_nCheckNum) : std::string();
    case COL_DATE:
        return FormatDate(e.m_date, "%m/%d");
    case COL_DESC:
        return e.m_strDesc;
    case COL_TYPE:
        return TypeAbbreviation(e.m_nType, types);
    case COL_DEBIT:
        return e.m_bDebit == 1 ? Format("%.2f", e.m_dAmount) : std::string();
    case COL_CREDIT:
        return e.m_bDebit != 1 ? Format("%.2f", e.m_dAmount) : std::string();
    case COL_BALANCE:
        return BalanceText(e.m_dBalance);
    case COL_CLEARED:
        return e.m_bCleared == 1 ? "Y" : "";
    default:
        return "";
    }
}

std::array<int, COL_COUNT> ColumnWidths(int nClientWidth) {
    std::array<int, COL_COUNT> widths{};
    // Column 0 uses the exact quotient, the others the single-precision unit.
    double dQuotient = static_cast<double>(nClientWidth) / 145.0;
    float fUnit = static_cast<float>(dQuotient);
    for (int k = 0; k < COL_COUNT; ++k) {
        double dWidth =
            k == 0
                ? dQuotient * g_columns[0].m_nWeight
                : static_cast<double>(
                      fUnit * static_cast<float>(g_columns[static_cast<std::size_t>(k)].m_nWeight));
        widths[static_cast<std::size_t>(k)] = static_cast<int>(dWidth);
    }
    return widths;
}
