#include "BenchRegister.h"
#include "core/framework/DateTime.h"
#include <array>
#include <string>

namespace {

constexpr int ENTRIES_PER_DAY = 8;

// Short names fit in a string's own buffer, longer ones take a block of their own.
const std::array<const char*, 12> DESCRIPTIONS = {
    "Rent",
    "Groceries",
    "Electric Company",
    "Paycheck",
    "Gas",
    "Phone",
    "Water and Sewer",
    "Cash",
    "Books",
    "Insurance Premium",
    "Dinner",
    "Transfer to Savings",
};

CDayMonthYear AddDays(CDayMonthYear dmy, int nDays) {
    while (nDays-- > 0) {
        if (++dmy.m_nDay > DaysInMonth(dmy.m_nYear, dmy.m_nMonth)) {
            dmy.m_nDay = 1;
            if (++dmy.m_nMonth > 12) {
                dmy.m_nMonth = 1;
                ++dmy.m_nYear;
            }
        }
    }
    return dmy;
}

void FillFields(CEntryFields& f, int i, std::time_t date) {
    f.m_date = date;
    f.m_strDesc = DESCRIPTIONS[static_cast<std::size_t>(i) % DESCRIPTIONS.size()];
    f.m_nType = static_cast<std::int8_t>(i % 5);
    f.m_nCheckNum = f.m_nType == TYPE_CHECK ? static_cast<std::uint16_t>(1000 + i % 60000) : 0;
    f.m_dAmount = 1.0 + (i * 37 % 50000) / 100.0;
    f.m_bDebit = i % 4 != 3;
    f.m_bCleared = i % 3 == 0;
}

void FillLists(CTallywiseDoc& doc) {
    doc.SetDescriptions(CDescList(DESCRIPTIONS.begin(), DESCRIPTIONS.end()));
    std::vector<CDeletedEntry> deleted(MAX_DELETED);
    for (int i = 0; i < MAX_DELETED; ++i)
        FillFields(deleted[static_cast<std::size_t>(i)], i, MakeLocalDate(1989, 12, 1 + i % 28));
    doc.SetDeletedEntries(std::move(deleted));
    std::vector<CAutoEntry> autos(20);
    for (int i = 0; i < 20; ++i) {
        CAutoEntry& a = autos[static_cast<std::size_t>(i)];
        a.m_strDesc = DESCRIPTIONS[static_cast<std::size_t>(i) % DESCRIPTIONS.size()];
        a.m_dAmount = 10.0 * (i + 1);
        a.m_nDay = static_cast<std::int8_t>(1 + i);
        a.m_nextDate = MakeLocalDate(1990, 2, 1 + i);
    }
    doc.SetAutoEntries(std::move(autos));
}

} // namespace

void FillRegister(CTallywiseDoc& doc, int nEntries) {
    doc.OnNewDocument();
    doc.SetStartingBalance(2500.0);
    doc.SetBankInfo(CBankInfo{"First Harbor Bank", "0042-77810", "Jo Holder"});
    FillLists(doc);
    // All at once, in date order, as a load fills the register.
    std::vector<CEntry> entries(static_cast<std::size_t>(nEntries));
    const CDayMonthYear start{1, 1, 1990};
    for (int i = 0; i < nEntries; ++i)
        FillFields(entries[static_cast<std::size_t>(i)], i,
                   MakeLocalDate(AddDays(start, i / ENTRIES_PER_DAY)));
    doc.InsertEntries(std::move(entries));
}

CEntry MiddleEntry(int nEntries) {
    CEntry entry;
    const CDayMonthYear start{1, 1, 1990};
    FillFields(entry, 1, MakeLocalDate(AddDays(start, nEntries / ENTRIES_PER_DAY / 2)));
    return entry;
}
