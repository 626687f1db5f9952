#include "ImportCsv.h"
#include "ImportText.h"
#include "core/framework/Format.h"
#include "core/framework/ISettingsStore.h"
#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Splits the text into records; quoted fields may hold delimiters, quotes and line ends.
// A quoted field keeps its spaces and loses the "'" that kept a spreadsheet from taking it
// for a formula; an unquoted one is trimmed.
std::string FinishField(std::string field, bool bQuoted, std::size_t nQuotedEnd) {
    if (!bQuoted)
        return Trim(field);
    nQuotedEnd = std::min(nQuotedEnd, field.size()); // a field cut short by the file's end
    field = field.substr(0, nQuotedEnd) + Trim(std::string_view(field).substr(nQuotedEnd));
    if (field.size() >= 2 && field[0] == '\'' &&
        std::string_view("=+-@").find(field[1]) != std::string_view::npos)
        field.erase(0, 1);
    return field;
}

// Splits the text into records; quoted fields may hold delimiters, quotes and line ends.
std::vector<CCsvRow> SplitRecords(std::string_view text, char cDelim) {
    std::vector<CCsvRow> rows;
    CCsvRow row;
    std::string field;
    bool bQuoted = false, bAny = false, bWasQuoted = false;
    std::size_t nQuotedEnd = 0;
    int nLine = 1;
    row.m_nLine = 1;
    auto endField = [&] {
        row.m_fields.push_back(FinishField(std::move(field), bWasQuoted, nQuotedEnd));
        field.clear();
        bWasQuoted = false;
    };
    auto endRow = [&](int nNextLine) {
        endField();
        if (std::any_of(row.m_fields.begin(), row.m_fields.end(),
                        [](const std::string& f) { return !Trim(f).empty(); }))
            rows.push_back(std::move(row));
        row = {};
        row.m_nLine = nNextLine;
        bAny = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool bLineEnd = c == '\n' || (c == '\r' && text.substr(i + 1, 1) != "\n");
        if (bQuoted) {
            if (c == '"' && text.substr(i + 1, 1) == "\"") {
                field += '"';
                ++i;
            } else if (c == '"') {
                bQuoted = false;
                nQuotedEnd = field.size();
            } else {
                nLine += bLineEnd;
                field += c;
            }
            continue;
        }
        if (c == '"' && Trim(field).empty()) {
            field.clear();
            bQuoted = bAny = bWasQuoted = true;
        } else if (c == cDelim) {
            endField();
            bAny = true;
        } else if (bLineEnd) {
            ++nLine; // CR LF, LF, or an old Mac's CR alone
            endRow(nLine);
        } else if (c != '\r') {
            field += c;
            bAny = true;
        }
    }
    if (bAny || !field.empty() || !row.m_fields.empty())
        endRow(nLine);
    return rows;
}

// The field count most rows share (more than one field), and how many share it.
std::pair<std::size_t, int> CommonWidth(const std::vector<CCsvRow>& rows) {
    std::map<std::size_t, int> counts;
    for (const CCsvRow& r : rows)
        if (r.m_fields.size() > 1)
            ++counts[r.m_fields.size()];
    std::pair<std::size_t, int> best{0, 0};
    for (const auto& [nWidth, n] : counts)
        if (n >= best.second)
            best = {nWidth, n};
    return best;
}

// A date in some order of day, month and year; bTrailing allows text after it.
bool ReadsAsDate(const std::string& s, bool bTrailing) {
    const std::optional<CDateFields> date = ParseDateFields(s);
    int y = 0, m = 0, d = 0;
    return date && (bTrailing || !date->m_bTrailing) &&
           (ResolveDate(*date, EDateOrder::MDY, y, m, d) ||
            ResolveDate(*date, EDateOrder::DMY, y, m, d) ||
            ResolveDate(*date, EDateOrder::YMD, y, m, d));
}

bool LooksLikeData(const CCsvRow& row) {
    for (const std::string& f : row.m_fields) {
        const std::string s = Trim(f);
        if (s.empty())
            continue;
        if (ReadsAsDate(s, false))
            return true;
        if (s.find_first_not_of("0123456789.,-+()$ ") == std::string::npos &&
            s.find_first_of("0123456789") != std::string::npos)
            return true;
    }
    return false;
}

std::size_t FilledCells(const CCsvRow& row) {
    return static_cast<std::size_t>(
        std::count_if(row.m_fields.begin(), row.m_fields.end(),
                      [](const std::string& f) { return !Trim(f).empty(); }));
}

// The header: the first row of the table's width whose cells read as column names (most of
// them filled, none a date or an amount) and under which a row reads as a transaction. A
// file without one starts at its first row of that width.
std::size_t HeaderIndex(const std::vector<CCsvRow>& rows, std::size_t nWidth) {
    for (std::size_t i = 0; i + 1 < rows.size(); ++i)
        if (rows[i].m_fields.size() == nWidth && FilledCells(rows[i]) * 2 > nWidth &&
            !LooksLikeData(rows[i]) && LooksLikeData(rows[i + 1]))
            return i;
    std::size_t nFirst = 0;
    while (nFirst < rows.size() && rows[nFirst].m_fields.size() != nWidth)
        ++nFirst;
    return nFirst;
}

// Lower-case words of a column name; "CheckNumber" gives "check" and "number".
std::vector<std::string> WordsOf(std::string_view name) {
    std::vector<std::string> words;
    std::string w;
    auto flush = [&] {
        if (!w.empty())
            words.push_back(ToLower(w));
        w.clear();
    };
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        const bool bAlpha = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!bAlpha) {
            flush();
            continue;
        }
        if (c >= 'A' && c <= 'Z' && i > 0 && name[i - 1] >= 'a' && name[i - 1] <= 'z')
            flush();
        w += c;
    }
    flush();
    return words;
}

int FindColumn(const std::vector<std::vector<std::string>>& words, std::vector<bool>& used,
               std::initializer_list<const char*> wanted) {
    for (std::size_t c = 0; c < words.size(); ++c) {
        if (used[c])
            continue;
        for (const std::string& w : words[c])
            for (const char* p : wanted)
                if (w == p) {
                    used[c] = true;
                    return static_cast<int>(c);
                }
    }
    return -1;
}

// Of several amounts ("Original Amount", "Amount in Account Currency"), the one that moved
// the account.
int FindAccountAmount(const std::vector<std::vector<std::string>>& words, std::vector<bool>& used) {
    for (std::size_t c = 0; c < words.size(); ++c) {
        const auto has = [&](const char* p) {
            return std::find(words[c].begin(), words[c].end(), p) != words[c].end();
        };
        if (!used[c] && has("amount") && (has("account") || has("booked") || has("booking"))) {
            used[c] = true;
            return static_cast<int>(c);
        }
    }
    return -1;
}

// The field as read: trimmed unless it was quoted.
std::string Cell(const CCsvRow& row, int nCol) {
    if (nCol < 0 || static_cast<std::size_t>(nCol) >= row.m_fields.size())
        return {};
    return row.m_fields[static_cast<std::size_t>(nCol)];
}

std::string JoinHeader(const CCsvTable& table) {
    std::string s(1, table.m_cDelimiter);
    for (const std::string& h : table.m_header)
        s += h + "\x1F";
    return s;
}

struct CMapKey {
    const char* m_pszKey;
    int CCsvMapping::*m_pMember;
};
constexpr CMapKey MAP_KEYS[] = {
    {"date", &CCsvMapping::m_nDate},   {"desc", &CCsvMapping::m_nDesc},
    {"memo", &CCsvMapping::m_nMemo},   {"amount", &CCsvMapping::m_nAmount},
    {"debit", &CCsvMapping::m_nDebit}, {"credit", &CCsvMapping::m_nCredit},
    {"num", &CCsvMapping::m_nNum},     {"cleared", &CCsvMapping::m_nCleared},
    {"sign", &CCsvMapping::m_nSign},
};

// The header names under which banks give the direction, letters only and lower case.
bool IsDirectionName(std::string_view name) {
    std::string letters;
    for (char c : ToLower(name))
        if (c >= 'a' && c <= 'z')
            letters += c;
    for (const char* p : {"afbij", "creditdebet", "debetcredit", "creditdebit", "debitcredit", "dc",
                          "cd", "drcr", "crdr", "transactiontype", "type"})
        if (letters == p)
            return true;
    return false;
}

// True when every value of the column is a direction word; bBoth when both directions occur.
bool HoldsDirections(const CCsvTable& table, int nCol, bool& bBoth) {
    bool bDebit = false, bCredit = false;
    for (const CCsvRow& row : table.m_rows) {
        const std::string s = Cell(row, nCol);
        if (s.empty())
            continue;
        const int n = DirectionOfWord(s);
        if (n == 0)
            return false;
        (n < 0 ? bDebit : bCredit) = true;
    }
    bBoth = bDebit && bCredit;
    return bDebit || bCredit;
}

// True when some amount of the column is written with its own sign.
bool AnySignedAmount(const CCsvTable& table, int nCol) {
    for (const CCsvRow& row : table.m_rows) {
        const std::string s = Cell(row, nCol);
        if (s.find_first_of("-(") != std::string::npos)
            return true;
    }
    return false;
}

// An amount written with its own sign keeps it; an unsigned one takes the column's.
void ApplyDirection(const std::string& strWord, CImportTxn& t) {
    const int nDirection = DirectionOfWord(strWord);
    if (t.m_dAmount < 0)
        return;
    if (nDirection == 0)
        t.m_strSkip = strWord.empty() ? "no direction" : "bad direction \"" + strWord + "\"";
    else
        t.m_dAmount = nDirection * t.m_dAmount;
}

// The signed amount of a row, from one amount column (with its direction) or from debit and
// credit columns; the reason to skip it when it has none that reads.
void ReadRowAmount(const CCsvRow& row, const CCsvMapping& m, EDecimalMark mark, CImportTxn& t) {
    auto amountOf = [&](int nCol, double& dOut) {
        const std::string s = Trim(Cell(row, nCol));
        if (s.empty())
            return true;
        const std::optional<double> d = ParseAmount(s, mark);
        if (!d) {
            t.m_strSkip = BadAmountReason(s, mark);
            return false;
        }
        dOut = *d;
        return true;
    };
    double dAmount = 0, dDebit = 0, dCredit = 0;
    const bool bAnyAmount = !Trim(Cell(row, m.m_nAmount)).empty() ||
                            !Trim(Cell(row, m.m_nDebit)).empty() ||
                            !Trim(Cell(row, m.m_nCredit)).empty();
    if (!amountOf(m.m_nAmount, dAmount) || !amountOf(m.m_nDebit, dDebit) ||
        !amountOf(m.m_nCredit, dCredit))
        return;
    t.m_dAmount = m.m_nAmount >= 0 ? dAmount : std::abs(dCredit) - std::abs(dDebit);
    if (!bAnyAmount)
        t.m_strSkip = "no amount";
    else if (m.m_nSign >= 0)
        ApplyDirection(Cell(row, m.m_nSign), t);
}

// Rows after the last transaction whose date cell holds no date (balances, totals) are no
// transactions, whatever else they lack: they and the rows before the header are told once.
void DropFooter(const CCsvTable& table, CReadResult& result) {
    int nFooter = 0;
    while (!result.m_txns.empty() && result.m_txns.size() > 1) {
        const CImportTxn& t = result.m_txns.back();
        if (t.m_nYear != 0 || ReadsAsDate(Trim(t.m_strRawDate), true))
            break;
        result.m_txns.pop_back();
        ++nFooter;
    }
    auto lines = [](int n) { return n == 1 ? std::string("1 line") : Format("%d lines", n); };
    if (table.m_nPreambleRows > 0)
        result.m_notes.push_back(lines(table.m_nPreambleRows) + " before the header not read.");
    if (nFooter > 0)
        result.m_notes.push_back(lines(nFooter) + " after the last transaction not read.");
}

// Our own export: its Type column names the register's types, and its first row's balance
// less that row's amount is the starting balance.
constexpr const char* OWN_HEADER[] = {"Number", "Date",   "Description", "Type",
                                      "Debit",  "Credit", "Balance",     "Cleared"};

void TakeOwnOpeningBalance(const CCsvTable& table, CReadResult& result) {
    if (result.m_txns.empty() || !result.m_txns[0].m_strSkip.empty())
        return;
    const std::optional<double> balance =
        ParseAmount(Trim(Cell(table.m_rows[0], 6)), EDecimalMark::Point);
    if (!balance)
        return;
    CImportAccount account;
    account.m_dOpening =
        static_cast<double>(ToCents(*balance - result.m_txns[0].m_dAmount)) / 100.0;
    account.m_nOpeningLine = table.m_rows[0].m_nLine;
    result.m_accounts = {account};
    FillAccountFigures(result);
}

} // namespace

CCsvTable ReadCsvTable(std::string_view bytes) {
    CCsvTable table;
    const std::string text = DecodeText(bytes, ECharset::Auto);
    std::vector<CCsvRow> best;
    std::pair<std::size_t, int> bestWidth{0, 0};
    for (char cDelim : {',', ';', '\t'}) {
        std::vector<CCsvRow> rows = SplitRecords(text, cDelim);
        const std::pair<std::size_t, int> width = CommonWidth(rows);
        if (width.second > bestWidth.second) {
            bestWidth = width;
            best = std::move(rows);
            table.m_cDelimiter = cDelim;
        }
    }
    if (bestWidth.second == 0) {
        table.m_strError = "No columns were found: the file is not a comma, semicolon or tab "
                           "separated table.";
        return table;
    }
    const std::size_t nFirst = HeaderIndex(best, bestWidth.first);
    table.m_nPreambleRows = static_cast<int>(nFirst);
    table.m_bHasHeader = !LooksLikeData(best[nFirst]);
    for (std::size_t c = 0; c < bestWidth.first; ++c)
        table.m_header.push_back(table.m_bHasHeader ? Trim(best[nFirst].m_fields[c])
                                                    : Format("Column %zu", c + 1));
    table.m_rows.assign(best.begin() + static_cast<std::ptrdiff_t>(nFirst) +
                            (table.m_bHasHeader ? 1 : 0),
                        best.end());
    if (table.m_rows.empty())
        table.m_strError = "The file holds no transactions, only a header row.";
    return table;
}

std::optional<CCsvMapping> GuessCsvMapping(const CCsvTable& table, std::string* pWhy) {
    std::vector<std::vector<std::string>> words;
    for (const std::string& h : table.m_header)
        words.push_back(WordsOf(h));
    std::vector<bool> used(words.size(), false);
    CCsvMapping m;
    m.m_nSign = FindDirectionColumn(table);
    if (m.m_nSign >= 0)
        used[static_cast<std::size_t>(m.m_nSign)] = true;
    // Dutch and German exports name their columns in their own words.
    m.m_nDate = FindColumn(words, used, {"date", "datum", "buchungstag", "buchungsdatum"});
    m.m_nAmount = FindAccountAmount(words, used);
    if (m.m_nAmount < 0)
        m.m_nAmount = FindColumn(words, used, {"amount", "bedrag", "betrag"});
    m.m_nDebit =
        FindColumn(words, used, {"debit", "debits", "withdrawal", "withdrawals", "outflow"});
    m.m_nCredit = FindColumn(words, used, {"credit", "credits", "deposit", "deposits", "inflow"});
    m.m_nDesc = FindColumn(words, used, {"payee"});
    if (m.m_nDesc < 0)
        m.m_nDesc = FindColumn(words, used, {"name", "naam"});
    if (m.m_nDesc < 0)
        m.m_nDesc = FindColumn(words, used,
                               {"description", "desc", "omschrijving", "verwendungszweck",
                                "buchungstext", "beschreibung"});
    if (m.m_nDesc < 0)
        m.m_nDesc = FindColumn(words, used, {"transactions"});
    m.m_nMemo = FindColumn(words, used, {"memo", "notes", "mededelingen"});
    m.m_nCleared = FindColumn(words, used, {"cleared", "status", "reconciled"});
    m.m_nNum = FindColumn(words, used, {"check", "cheque"});
    if (m.m_nNum < 0)
        m.m_nNum = FindColumn(words, used, {"number", "num"});
    if (m.m_nAmount >= 0)
        m.m_nDebit = m.m_nCredit = -1;
    else
        m.m_nSign = -1;
    std::string strMissing;
    if (!table.m_bHasHeader)
        strMissing = "the file has no header row";
    else if (m.m_nDate < 0)
        strMissing = "no date column";
    else if (m.m_nAmount < 0 && m.m_nDebit < 0 && m.m_nCredit < 0)
        strMissing = "no amount, debit or credit column";
    else if (m.m_nDesc < 0 && m.m_nMemo < 0)
        strMissing = "no description, payee or name column";
    if (!strMissing.empty()) {
        if (pWhy)
            *pWhy = strMissing;
        return std::nullopt;
    }
    return m;
}

std::string CheckCsvMapping(const CCsvMapping& m, const CCsvTable& table) {
    const int nCols = static_cast<int>(table.Columns());
    for (const CMapKey& k : MAP_KEYS)
        if (m.*k.m_pMember >= nCols)
            return Format("The file has only %d columns, but %s is mapped to column %d.", nCols,
                          k.m_pszKey, m.*k.m_pMember + 1);
    if (m.m_nDate < 0)
        return "Choose the column that holds the date.";
    if (m.m_nDesc < 0 && m.m_nMemo < 0)
        return "Choose the column that holds the description.";
    if (m.m_nAmount < 0 && m.m_nDebit < 0 && m.m_nCredit < 0)
        return "Choose the amount column, or the debit and credit columns.";
    if (m.m_nAmount >= 0 && (m.m_nDebit >= 0 || m.m_nCredit >= 0))
        return "Choose either one amount column or the debit and credit columns, not both.";
    if (m.m_nSign >= 0 && m.m_nAmount < 0)
        return "The direction column goes with one amount column, not with debit and credit "
               "columns.";
    if (m.m_nSign >= 0 && m.m_nSign == m.m_nAmount)
        return "The direction column cannot be the amount column.";
    return {};
}

std::optional<CCsvMapping> ParseCsvMapping(std::string_view text, std::string* pWhy) {
    CCsvMapping m;
    auto fail = [&](const std::string& why) -> std::optional<CCsvMapping> {
        if (pWhy)
            *pWhy = why;
        return std::nullopt;
    };
    std::size_t i = 0;
    while (i <= text.size()) {
        std::size_t e = text.find(',', i);
        if (e == std::string_view::npos)
            e = text.size();
        const std::string_view item = text.substr(i, e - i);
        const std::size_t eq = item.find('=');
        if (eq == std::string_view::npos)
            return fail("\"" + std::string(item) + "\" is not NAME=COLUMN");
        const std::string_view key = item.substr(0, eq), value = item.substr(eq + 1);
        const CMapKey* pKey = nullptr;
        for (const CMapKey& k : MAP_KEYS)
            if (key == k.m_pszKey)
                pKey = &k;
        const std::uint16_t nCol = CheckNumberOf(value); // a whole number from 1
        if (!pKey)
            return fail("unknown column name \"" + std::string(key) + "\"");
        if (nCol == 0 || nCol > 1000)
            return fail("\"" + std::string(value) + "\" is not a column number");
        m.*pKey->m_pMember = nCol - 1;
        i = e + 1;
    }
    return m;
}

bool IsClearedWord(std::string_view text) {
    const std::string s = ToLower(Trim(text));
    return s == "c" || s == "x" || s == "y" || s == "*" || s == "cleared" || s == "reconciled" ||
           s == "posted";
}

int DirectionOfWord(std::string_view text) {
    const std::string s = ToLower(Trim(text));
    if (s == "af" || s == "d" || s == "dr" || s == "debit" || s == "debet")
        return -1;
    if (s == "bij" || s == "c" || s == "cr" || s == "credit")
        return 1;
    return 0;
}

int FindDirectionColumn(const CCsvTable& table) {
    for (std::size_t c = 0; c < table.Columns(); ++c) {
        bool bBoth = false;
        const int nCol = static_cast<int>(c);
        if (!HoldsDirections(table, nCol, bBoth))
            continue;
        if (table.m_bHasHeader ? IsDirectionName(table.m_header[c]) : bBoth)
            return nCol;
    }
    return -1;
}

int UnmappedDirectionColumn(const CCsvTable& table, const CCsvMapping& m) {
    if (m.m_nSign >= 0 || m.m_nAmount < 0 || AnySignedAmount(table, m.m_nAmount))
        return -1;
    const int nCol = FindDirectionColumn(table);
    return nCol == m.m_nAmount || nCol == m.m_nDate || nCol == m.m_nDesc ? -1 : nCol;
}

CReadResult ReadCsv(const CCsvTable& table, const CCsvMapping& m, EDateOrder order) {
    CReadResult result;
    if (!table.m_strError.empty()) {
        result.m_strError = table.m_strError;
        return result;
    }
    const std::string strWhy = CheckCsvMapping(m, table);
    if (!strWhy.empty()) {
        result.m_strError = strWhy;
        return result;
    }
    std::vector<std::string> amounts;
    for (const CCsvRow& row : table.m_rows)
        for (int nCol : {m.m_nAmount, m.m_nDebit, m.m_nCredit})
            if (nCol >= 0)
                amounts.push_back(Cell(row, nCol));
    result.m_decimalMark = DecideDecimalMark(amounts);
    const bool bOwn =
        table.m_header == std::vector<std::string>(std::begin(OWN_HEADER), std::end(OWN_HEADER));
    for (const CCsvRow& row : table.m_rows) {
        CImportTxn t;
        t.m_nLine = row.m_nLine;
        t.m_strRawDate = Cell(row, m.m_nDate);
        t.m_strPayee = Cell(row, m.m_nDesc);
        t.m_strMemo = Cell(row, m.m_nMemo);
        t.m_strCheckNum = Cell(row, m.m_nNum);
        t.m_bCleared = m.m_nCleared < 0 || IsClearedWord(Cell(row, m.m_nCleared));
        ReadRowAmount(row, m, result.m_decimalMark, t);
        if (bOwn)
            t.m_strTypeName = Cell(row, 3);
        result.m_txns.push_back(std::move(t));
    }
    ResolveDates(result, order);
    DropFooter(table, result);
    if (bOwn)
        TakeOwnOpeningBalance(table, result);
    return result;
}

void SaveCsvMapping(ISettingsStore& store, const CCsvTable& table, const CCsvMapping& mapping,
                    EDateOrder order) {
    store.WriteString(CSV_SETTINGS_SECTION, "Header", JoinHeader(table));
    for (const CMapKey& k : MAP_KEYS)
        store.WriteInt(CSV_SETTINGS_SECTION, k.m_pszKey, mapping.*k.m_pMember + 1);
    store.WriteString(CSV_SETTINGS_SECTION, "DateOrder",
                      order == EDateOrder::Auto ? "" : DateOrderWord(order));
}

std::optional<CCsvMapping> LoadCsvMapping(ISettingsStore& store, const CCsvTable& table,
                                          EDateOrder* pOrder) {
    if (store.GetString(CSV_SETTINGS_SECTION, "Header", "") != JoinHeader(table))
        return std::nullopt;
    CCsvMapping m;
    for (const CMapKey& k : MAP_KEYS)
        m.*k.m_pMember = store.GetInt(CSV_SETTINGS_SECTION, k.m_pszKey, 0) - 1;
    if (!CheckCsvMapping(m, table).empty())
        return std::nullopt;
    if (pOrder)
        *pOrder = DateOrderFromWord(store.GetString(CSV_SETTINGS_SECTION, "DateOrder", ""))
                      .value_or(EDateOrder::Auto);
    return m;
}
