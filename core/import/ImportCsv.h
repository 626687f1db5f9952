#pragma once
#include "ImportTypes.h"
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ISettingsStore;

struct CCsvRow {
    std::vector<std::string> m_fields;
    int m_nLine = 0;
};

// A CSV file split into its header and rows, with the delimiter and the header row found.
struct CCsvTable {
    char m_cDelimiter = ',';
    bool m_bHasHeader = false;
    int m_nPreambleRows = 0;           // rows before the header
    std::vector<std::string> m_header; // the header's names, or "Column N"
    std::vector<CCsvRow> m_rows;       // the data rows
    std::string m_strError;
    std::size_t Columns() const { return m_header.size(); }
};

// Which column (from 0; -1 none) holds what.
struct CCsvMapping {
    int m_nDate = -1;
    int m_nDesc = -1;
    int m_nMemo = -1; // used when the description is empty
    int m_nAmount = -1;
    int m_nDebit = -1;
    int m_nCredit = -1;
    int m_nNum = -1;
    int m_nCleared = -1;
    int m_nSign = -1; // the direction of an unsigned amount ("Af"/"Bij", "DR"/"CR", ...)
    bool operator==(const CCsvMapping&) const = default;
};

CCsvTable ReadCsvTable(std::string_view bytes);
// The columns recognised from the header's names; the reason when they are not enough.
std::optional<CCsvMapping> GuessCsvMapping(const CCsvTable& table, std::string* pWhy = nullptr);
// Empty when the mapping can be used with the table, else why not.
std::string CheckCsvMapping(const CCsvMapping& mapping, const CCsvTable& table);
// "date=1,desc=2,amount=3" (columns from 1); nothing when the text is wrong.
std::optional<CCsvMapping> ParseCsvMapping(std::string_view text, std::string* pWhy = nullptr);
CReadResult ReadCsv(const CCsvTable& table, const CCsvMapping& mapping, EDateOrder order);
bool IsClearedWord(std::string_view text);
// -1 for a word that says debit ("Af", "D", "DR", "Debit", "Debet"), 1 for one that says
// credit ("Bij", "C", "CR", "Credit"), 0 for anything else.
int DirectionOfWord(std::string_view text);
// The column that gives the direction of the amounts: its header is a direction name ("Af
// Bij", "CreditDebet", "Debit/Credit", "DC", "Transaction Type", "Type") or, in a file without
// a header, it holds both directions; every value it holds is a direction word. -1 when none.
int FindDirectionColumn(const CCsvTable& table);
// The direction column that the mapping leaves out while every amount it reads is unsigned,
// or -1: such a file would import every debit as a deposit.
int UnmappedDirectionColumn(const CCsvTable& table, const CCsvMapping& mapping);

// The last mapping, kept in its own settings group and used again for a file with the
// same header.
inline constexpr const char* CSV_SETTINGS_SECTION = "CsvImport";
void SaveCsvMapping(ISettingsStore& store, const CCsvTable& table, const CCsvMapping& mapping,
                    EDateOrder order);
std::optional<CCsvMapping> LoadCsvMapping(ISettingsStore& store, const CCsvTable& table,
                                          EDateOrder* pOrder = nullptr);
