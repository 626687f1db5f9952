#include "AutoEntries.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include "core/framework/IUserMessages.h"
#include <algorithm>
#include <chrono>

namespace {
constexpr std::time_t HOUR = 3600;

std::time_t DaysSpan(int nDays) {
    return (static_cast<std::time_t>(nDays) * 24 + 1) * HOUR;
}
} // namespace

bool IsValidAutoEntry(const CAutoEntry& a) {
    return (a.m_nFrequency == AUTO_MONTHLY || a.m_nFrequency == AUTO_EVERY_N_DAYS) &&
           a.m_nDay >= 1 && a.m_nDay <= 31;
}

std::time_t CappedMonthDate(int nYear, int nMonth, int nDay) {
    // Gregorian months: 2100 is no leap year, and it lies inside the stored date range.
    return MakeLocalDate(nYear, nMonth, std::min(nDay, DaysInMonth(nYear, nMonth)));
}

std::time_t NextMonthlyDate(std::time_t current, int nDay) {
    CDayMonthYear date = SplitLocalDate(current);
    if (++date.m_nMonth == 13) {
        date.m_nMonth = 1;
        ++date.m_nYear;
    }
    return CappedMonthDate(date.m_nYear, date.m_nMonth, nDay);
}

std::time_t NextEveryNDaysDate(std::time_t current, int nDays) {
    return ToLocalMidnight(current + DaysSpan(nDays));
}

std::time_t AdvanceAutoDate(const CAutoEntry& a) {
    return a.m_nFrequency == AUTO_MONTHLY ? NextMonthlyDate(a.m_nextDate, a.m_nDay)
                                          : NextEveryNDaysDate(a.m_nextDate, a.m_nDay);
}

std::time_t FirstMonthlyDate(std::time_t now, int nDay) {
    CDayMonthYear date = SplitLocalDate(now);
    if (nDay < date.m_nDay && ++date.m_nMonth == 13) {
        date.m_nMonth = 1;
        ++date.m_nYear;
    }
    return CappedMonthDate(date.m_nYear, date.m_nMonth, nDay);
}

std::time_t FirstEveryNDaysDate(std::time_t start, int nDays, std::time_t now) {
    using namespace std::chrono;
    // Counted in calendar days, so neither the hour nor a daylight-saving change moves it.
    const auto DayOf = [](std::time_t t) {
        const CDayMonthYear d = SplitLocalDate(t);
        return sys_days(year(d.m_nYear) / d.m_nMonth / d.m_nDay);
    };
    const sys_days first = DayOf(start);
    const sys_days today = DayOf(now);
    if (first > today)
        return ToLocalMidnight(start);
    const int nStep = std::max(nDays, 1);
    // The first occurrence after today: today's own is not offered.
    const auto nSteps = (today - first).count() / nStep + 1;
    const year_month_day next(first + days(nSteps * nStep));
    return MakeLocalDate(int(next.year()), int(unsigned(next.month())), int(unsigned(next.day())));
}

std::string AutoEntryQuestion(const CAutoEntry& a) {
    // The sign of what the entry adds to the balance; an amount that shows as 0.00 has none.
    std::string strAmount = MoneyText(a.m_bDebit ? -a.m_dAmount : a.m_dAmount);
    if (strAmount.front() != '-' && strAmount != "0.00")
        strAmount.insert(0, "+");
    return "Add automatic entry: \n\n     " + FormatDate(a.m_nextDate, "%B %d, %Y") + "\n     " +
           a.m_strDesc + "\n     " + strAmount;
}

CEntry MakePostedEntry(const CAutoEntry& a) {
    CEntry entry;
    entry.m_nCheckNum = 0;
    entry.m_date = a.m_nextDate;
    entry.m_strDesc = a.m_strDesc;
    entry.m_nType = a.m_nType;
    entry.m_dAmount = a.m_dAmount;
    entry.m_bDebit = a.m_bDebit;
    entry.m_bCleared = 0;
    return entry;
}

namespace {
// Asks for every due occurrence of one definition and moves it on; false when the register
// has no room for an occurrence the user wants (it stays due, and is handed on last so the
// register refuses it with its own message).
bool OfferDueOccurrences(CTallywiseDoc& doc, CAutoEntry& a, std::time_t now, std::size_t nRoom,
                         std::vector<CEntry>& posted, CPostResult& result) {
    while (a.m_nextDate <= now) {
        ++result.m_nOffered;
        if (doc.Messages().AskYesNo(AutoEntryQuestion(a))) {
            posted.push_back(MakePostedEntry(a));
            if (posted.size() > nRoom)
                return false;
            ++result.m_nPosted;
        }
        const std::time_t next = AdvanceAutoDate(a);
        if (next <= a.m_nextDate)
            break; // a date the clock cannot move on is left for the next run
        a.m_nextDate = next;
    }
    return true;
}
} // namespace

CPostResult PostDueAutoEntries(CTallywiseDoc& doc, std::time_t now) {
    CPostResult result;
    std::vector<CAutoEntry> autos = doc.AutoEntries();
    std::vector<CEntry> posted;
    const std::size_t nRoom = MAX_COUNT - doc.EntryCount();
    for (CAutoEntry& a : autos) {
        if (!IsValidAutoEntry(a))
            continue;
        if (!OfferDueOccurrences(doc, a, now, nRoom, posted, result)) {
            result.m_bRefused = true;
            break;
        }
    }
    if (result.m_nOffered > 0)
        doc.SetAutoEntries(std::move(autos));
    const std::vector<std::uint16_t> positions = doc.InsertEntries(std::move(posted));
    if (!positions.empty())
        result.m_nLastPos = positions.back();
    return result;
}

std::vector<std::string> AutoTypeListNames(const CUserTypeTable& types) {
    std::vector<std::string> names = {"Check Card", "Teller", "Other"};
    for (const CUserType& t : types)
        if (t.m_bEnabled)
            names.push_back(t.m_strName);
    return names;
}

int AutoTypeFromListIndex(int nIndex, const CUserTypeTable& types) {
    if (nIndex >= 0 && nIndex <= 2)
        return nIndex + TYPE_CHECKCARD;
    int nEnabled = 0;
    for (int k = 0; k < 4; ++k) {
        if (!types[static_cast<std::size_t>(k)].m_bEnabled)
            continue;
        if (nEnabled++ == nIndex - 3)
            return TYPE_USER1 + k;
    }
    return TYPE_TELLER;
}

int AutoTypeListIndex(int nType, const CUserTypeTable& types) {
    const int nItems = static_cast<int>(AutoTypeListNames(types).size());
    int nIndex = nType - TYPE_CHECKCARD;
    if (nType >= TYPE_USER1) {
        nIndex = 3;
        for (int k = 0; k < nType - TYPE_USER1 && k < 4; ++k)
            if (types[static_cast<std::size_t>(k)].m_bEnabled)
                ++nIndex;
    }
    return nIndex >= 0 && nIndex < nItems ? nIndex : 1;
}
