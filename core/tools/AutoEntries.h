#pragma once
#include "core/document/CAutoEntry.h"
#include "core/document/CEntry.h"
#include "core/document/CUserType.h"
#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CTallywiseDoc;

enum : std::uint32_t { AUTO_EVERY_N_DAYS = 0, AUTO_MONTHLY = 1 };

// Only a damaged file holds another frequency or a day outside 1..31; such a definition
// is never offered and never moved, so posting always ends.
bool IsValidAutoEntry(const CAutoEntry& a);

// Local midnight of nDay in the month, the day capped to the month's length.
std::time_t CappedMonthDate(int nYear, int nMonth, int nDay);

// One period forward from the local date of current.
std::time_t NextMonthlyDate(std::time_t current, int nDay);
// N days on: N x 24 + 1 hours of elapsed time, so a daylight-saving change is absorbed.
std::time_t NextEveryNDaysDate(std::time_t current, int nDays);
std::time_t AdvanceAutoDate(const CAutoEntry& a);

// The first next date of a definition added or edited at the time now. Every N days: the
// first of start + k x N calendar days (k >= 0) after today.
std::time_t FirstMonthlyDate(std::time_t now, int nDay);
std::time_t FirstEveryNDaysDate(std::time_t start, int nDays, std::time_t now);

// The question that offers the definition's next occurrence.
std::string AutoEntryQuestion(const CAutoEntry& a);
// The register entry one occurrence of a definition becomes.
CEntry MakePostedEntry(const CAutoEntry& a);

struct CPostResult {
    int m_nOffered = 0;
    int m_nPosted = 0;
    std::optional<std::uint16_t> m_nLastPos; // where the last posted entry stands now
    bool m_bRefused = false;                 // the register took no more entries
};

// Offers every occurrence that fell due by now, definition by definition, oldest first.
// Yes posts the occurrence; either answer moves the definition on.
CPostResult PostDueAutoEntries(CTallywiseDoc& doc, std::time_t now);

// The Type list of a definition: "Check Card", "Teller", "Other", then the enabled user
// types; checks and ATM withdrawals are never posted automatically.
std::vector<std::string> AutoTypeListNames(const CUserTypeTable& types);
int AutoTypeFromListIndex(int nIndex, const CUserTypeTable& types);
// A position past the end of the list means "Teller".
int AutoTypeListIndex(int nType, const CUserTypeTable& types);
