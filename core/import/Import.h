#pragma once
#include "ImportCsv.h"
#include "ImportTypes.h"
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CTallywiseDoc;
struct CEntry;

enum class EImportFormat { Ofx, Qif, Csv };

// From the file name's extension, else from the first bytes.
EImportFormat GuessImportFormat(const std::string& strPath, std::string_view bytes);
std::optional<EImportFormat> ImportFormatFromWord(std::string_view word);

// Reads a file of any format; a CSV file uses the mapping given, else the remembered or
// recognised one (pNeedMapping is set when there is none).
CReadResult ReadImportFile(EImportFormat format, std::string_view bytes, EDateOrder order,
                           const std::optional<CCsvMapping>& mapping, bool* pNeedMapping = nullptr,
                           std::string* pMappingWhy = nullptr);

// "12345678 (CAD): 14 transactions, 01/02/2024 to 01/31/2024"
std::string AccountLabel(const CImportAccount& account);
// The index of the account with this id (or QIF name), or -1.
int FindAccount(const CReadResult& read, std::string_view id);
// Keeps only the transactions of one account; the result then holds that account alone.
void KeepOneAccount(CReadResult& read, int nAccount);

enum class EImportStatus { New, Duplicate, Skipped };

// One transaction as it would enter the register.
struct CImportRow {
    EImportStatus m_nStatus = EImportStatus::New;
    std::string m_strReason; // of a duplicate or a skipped one
    int m_nLine = 0;
    std::time_t m_date = 0;
    long m_nCivilDay = 0; // the date as a day number, for differences in days
    std::uint16_t m_nCheckNum = 0;
    std::string m_strDesc; // UTF-8, as it would be stored
    std::int8_t m_nType = 4;
    double m_dAmount = 0.0; // magnitude
    bool m_bDebit = true;
    bool m_bCleared = false;
    int m_nMatchedEntry = -1; // register position of the entry it duplicates
    double SignedAmount() const { return m_bDebit ? -m_dAmount : m_dAmount; }
};

struct CImportPlan {
    std::vector<CImportRow> m_rows;
    std::vector<std::string> m_notes;
    int m_nNew = 0, m_nDuplicates = 0, m_nSkipped = 0;
    EDateOrder m_dateOrder = EDateOrder::Auto;
    std::optional<double> m_dStartBalance; // the file's opening balance, for an empty register
};

// Turns what was read into register entries and marks the duplicates of entries the
// register already holds.
CImportPlan BuildImportPlan(const CTallywiseDoc& doc, const CReadResult& read);
std::string ImportSummary(const CImportPlan& plan); // "%d new, %d duplicates, %d skipped"

// The refusal when adding nAdd entries would take the register past its limit; else empty.
std::string ImportLimitMessage(const CTallywiseDoc& doc, int nAdd);

// Adds the rows whose tick is set (all new rows when ticks is empty) as one change, with
// their descriptions, and the file's opening balance to a register that had no entries. Returns how
// many were added; pLastPos, when given, receives where the last of them stands.
int ApplyImport(CTallywiseDoc& doc, const CImportPlan& plan, const std::vector<bool>& ticks,
                std::optional<std::uint16_t>* pLastPos = nullptr);

// The entries the ticked rows (all new rows when ticks is empty) would become.
std::vector<CEntry> ImportEntries(const CImportPlan& plan, const std::vector<bool>& ticks);
// Adds to the description list what an import adds: descriptions that recur among the
// entries, while the list has room; the user's own are never pushed out.
void AddImportDescriptions(CTallywiseDoc& doc, const std::vector<CEntry>& entries);

// The description as the register stores it: control characters made spaces, characters
// Windows-1252 cannot hold made "?" (counted), at most 255 characters (counted when cut).
std::string CleanDescription(std::string_view text, int& nReplaced, bool& bCut);
