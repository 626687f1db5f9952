// The text register: the text copy written on save, and the body of archive files.
#include "CTallywiseDoc.h"
#include "core/framework/Cp1252.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include "core/framework/TextFile.h"
#include <algorithm>

namespace {
constexpr const char* TEXT_DATE = "%m/%d/%y";

// Pads to the width in characters; longer text is written whole.
std::string PadRight(std::string s, std::size_t nWidth) {
    if (s.size() < nWidth)
        s.append(nWidth - s.size(), ' ');
    return s;
}

std::string EntryLine(const CEntry& e) {
    std::string strNum = e.m_nCheckNum != 0 ? Format("%-6d", e.m_nCheckNum) : Format("%-6s", "");
    std::string strAmounts = e.m_bDebit ? Format("%10.2f %10s", e.m_dAmount, "")
                                        : Format("%10s %10.2f", "", e.m_dAmount);
    return strNum + " " + Format("%-10s", FormatDate(e.m_date, TEXT_DATE).c_str()) + " " +
           PadRight(Utf8ToCp1252(e.m_strDesc), 30) + " " + strAmounts + " " +
           Format("%10.2f\n", e.m_dBalance);
}
} // namespace

// Built in Windows-1252 bytes, so the column padding counts characters.
std::string CTallywiseDoc::BuildTextRegister(int nCount, std::time_t startDate, std::time_t endDate,
                                             bool bWithArchiveHeader) const {
    std::string s;
    if (bWithArchiveHeader) {
        s += "Archived on " + FormatDate(Today(), TEXT_DATE) + "\n";
        s += "Start Date: " + FormatDate(startDate, TEXT_DATE) +
             "\nEnd Date: " + FormatDate(endDate, TEXT_DATE) + "\n\n";
    }
    s += "Bank Name: " + Utf8ToCp1252(m_bank.m_strBankName) + "\n";
    s += "Account Number: " + Utf8ToCp1252(m_bank.m_strAccountNum) + "\n";
    s += "Name on Account: " + Utf8ToCp1252(m_bank.m_strAccountName) + "\n";
    s += Format("Starting Balance: %.2f\n\n", m_dStartBal);
    s += Format("%-6s %-10s %-30s %10s %10s %10s\n", "Number", "Date", "Description", "Debit",
                "Credit", "Balance");
    const std::size_t nLines =
        std::min(m_aEntries.size(), static_cast<std::size_t>(std::max(nCount, 0)));
    for (std::size_t i = 0; i < nLines; ++i)
        s += EntryLine(m_aEntries[i]);
    return ToTextMode(s);
}

bool CTallywiseDoc::WriteTextRegister(const std::string& strPath, int nCount, std::time_t startDate,
                                      std::time_t endDate, bool bWithArchiveHeader) const {
    std::string strBytes = BuildTextRegister(nCount, startDate, endDate, bWithArchiveHeader);
    return WriteTextFile(strPath, strBytes, false);
}
