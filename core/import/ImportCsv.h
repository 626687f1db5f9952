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

// The last mapping, kept in its own settings group and used again for a file with the
// same header.
inline constexpr const char* CSV_SETTINGS_SECTION = "CsvImport";
void SaveCsvMapping(ISettingsStore& store, const CCsvTable& table, const CCsvMapping& mapping,
                    EDateOrder order);
std::optional<CCsvMapping> LoadCsvMapping(ISettingsStore& store, const CCsvTable& table,
                                          EDateOrder* pOrder = nullptr);
