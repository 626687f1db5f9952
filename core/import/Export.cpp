#include "Export.h"
#include "ImportText.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/Cp1252.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include "core/framework/TextFile.h"
#include <algorithm>

namespace {

bool InRange(const CEntry& e, const CExportRange& range) {
    return range.m_bAll || (e.m_date >= range.m_from && e.m_date <= range.m_to);
}

// A text a spreadsheet would run as a formula gets a leading "'" inside its quotes, which
// spreadsheets hide and our reader drops.
std::string CsvField(const std::string& s) {
    const bool bFormula = !s.empty() && std::string_view("=+-@").find(s[0]) != std::string::npos;
    if (!bFormula && s.find_first_of(",\"\r\n") == std::string::npos && Trim(s) == s)
        return s;
    std::string out = bFormula ? "\"'" : "\"";
    for (char c : s) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}

std::string TypeName(int nType, const CUserTypeTable& types) {
    static const char* const BUILT_IN[] = {"Check", "ATM", "Check Card", "Teller", "Other"};
    if (nType >= 0 && nType <= TYPE_OTHER)
        return BUILT_IN[nType];
    if (nType >= TYPE_USER1 && nType < TYPE_USER1 + 4)
        return types[static_cast<std::size_t>(nType - TYPE_USER1)].m_strName;
    return {};
}

// QIF's N field: the check number, or a word that tells the type when it has one.
std::string QifNumber(const CEntry& e) {
    if (e.m_nType == TYPE_CHECK && e.m_nCheckNum != 0)
        return std::to_string(e.m_nCheckNum);
    if (e.m_nType == TYPE_ATM)
        return "ATM";
    if (e.m_nType == TYPE_CHECKCARD)
        return "POS";
    return {};
}

} // namespace

std::optional<EExportFormat> ExportFormatFromPath(const std::string& strPath) {
    const std::size_t nDot = strPath.rfind('.');
    const std::size_t nSlash = strPath.find_last_of("/\\");
    if (nDot == std::string::npos || (nSlash != std::string::npos && nDot < nSlash))
        return std::nullopt;
    const std::string ext = ToLower(strPath.substr(nDot + 1));
    if (ext == "csv")
        return EExportFormat::Csv;
    if (ext == "qif")
        return EExportFormat::Qif;
    return std::nullopt;
}

std::string BuildCsvExport(const CTallywiseDoc& doc, const CExportRange& range) {
    std::string out = "\xEF\xBB\xBFNumber,Date,Description,Type,Debit,Credit,Balance,Cleared\r\n";
    const CUserTypeTable& types = doc.UserTypes();
    for (const CEntry& entry : doc.Entries()) {
        const CEntry* e = &entry;
        if (!InRange(*e, range))
            continue;
        const std::string strAmount = Format("%.2f", e->m_dAmount);
        out += (e->m_nCheckNum ? std::to_string(e->m_nCheckNum) : std::string()) + "," +
               FormatDate(e->m_date, "%Y-%m-%d") + "," + CsvField(e->m_strDesc) + "," +
               CsvField(TypeName(e->m_nType, types)) + "," + (e->m_bDebit ? strAmount : "") + "," +
               (e->m_bDebit ? "" : strAmount) + "," + Format("%.2f", e->m_dBalance) + "," +
               (e->m_bCleared ? "Y" : "") + "\r\n";
    }
    return out;
}

// The account's name for the opening balance record: the register's file name.
std::string AccountName(const CTallywiseDoc& doc) {
    std::string name = doc.GetTitle();
    const std::size_t nDot = name.rfind('.');
    if (nDot != std::string::npos && nDot > 0)
        name.erase(nDot);
    for (char& c : name)
        if (c == '[' || c == ']')
            c = ' ';
    return Utf8ToCp1252(name);
}

// The starting balance, or the balance before the first exported entry, as QIF writes an
// account's opening balance.
std::string QifOpeningBalance(const CTallywiseDoc& doc, const CExportRange& range) {
    const std::vector<CEntry>& entries = doc.Entries();
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const CEntry& e) { return InRange(e, range); });
    if (!doc.IsStartBalSet() && it == entries.begin())
        return {};
    double dOpening = doc.StartBalance();
    std::time_t date = doc.Today();
    if (it != entries.end()) {
        dOpening = it->m_dBalance - (it->m_bDebit ? -it->m_dAmount : it->m_dAmount);
        date = it->m_date;
    }
    return "D" + FormatDate(date, "%m/%d/%Y") + "\r\n" + Format("T%.2f\r\n", dOpening) +
           "CX\r\nPOpening Balance\r\nL[" + AccountName(doc) + "]\r\n^\r\n";
}

std::string BuildQifExport(const CTallywiseDoc& doc, const CExportRange& range) {
    std::string out = "!Type:Bank\r\n" + QifOpeningBalance(doc, range);
    const CUserTypeTable& types = doc.UserTypes();
    for (const CEntry& entry : doc.Entries()) {
        const CEntry* e = &entry;
        if (!InRange(*e, range))
            continue;
        out += "D" + FormatDate(e->m_date, "%m/%d/%Y") + "\r\n";
        out += Format("T%.2f\r\n", e->m_bDebit ? -e->m_dAmount : e->m_dAmount);
        const std::string strNum = QifNumber(*e);
        if (!strNum.empty())
            out += "N" + strNum + "\r\n";
        std::string strDesc = e->m_strDesc;
        for (char& c : strDesc)
            if (c == '\r' || c == '\n')
                c = ' ';
        out += "P" + Utf8ToCp1252(strDesc) + "\r\n";
        if (e->m_bCleared)
            out += "CX\r\n";
        out += "G" + Utf8ToCp1252(TypeName(e->m_nType, types)) + "\r\n"; // other programs skip G
        out += "^\r\n";
    }
    return out;
}

bool ExportRegister(const CTallywiseDoc& doc, const std::string& strPath, EExportFormat format,
                    const CExportRange& range, std::string& strError) {
    const std::string text =
        format == EExportFormat::Csv ? BuildCsvExport(doc, range) : BuildQifExport(doc, range);
    return WriteFileAtomic(strPath, std::vector<std::uint8_t>(text.begin(), text.end()), strError);
}
