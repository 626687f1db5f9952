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
    for (const char* pszDesc : DESCRIPTIONS)
        doc.AddDescription(pszDesc);
    CDeletedEntry** ppDeleted = &doc.m_pDeleted;
    for (int i = 0; i < MAX_DELETED; ++i) {
        auto* p = new CDeletedEntry;
        FillFields(*p, i, MakeLocalDate(1989, 12, 1 + i % 28));
        *ppDeleted = p;
        ppDeleted = &p->m_pNext;
    }
    doc.m_nDeleted = MAX_DELETED;
    CAutoEntry** ppAuto = &doc.m_pAutos;
    for (int i = 0; i < 20; ++i) {
        auto* p = new CAutoEntry;
        p->m_strDesc = DESCRIPTIONS[static_cast<std::size_t>(i) % DESCRIPTIONS.size()];
        p->m_dAmount = 10.0 * (i + 1);
        p->m_nDay = static_cast<std::int8_t>(1 + i);
        p->m_nextDate = MakeLocalDate(1990, 2, 1 + i);
        *ppAuto = p;
        ppAuto = &p->m_pNext;
    }
    doc.m_nAutos = 20;
}

} // namespace

void FillRegister(CTallywiseDoc& doc, int nEntries) {
    doc.OnNewDocument();
    doc.m_dStartBal = 2500.0;
    doc.m_bStartBalSet = 1;
    doc.m_strBankName = "First Harbor Bank";
    doc.m_strAccountNum = "0042-77810";
    doc.m_strAccountName = "Jo Holder";
    FillLists(doc);
    // Linked directly in date order: a load builds the list the same way.
    CEntry** ppNext = &doc.m_pEntries;
    const CDayMonthYear start{1, 1, 1990};
    for (int i = 0; i < nEntries; ++i) {
        auto* p = new CEntry;
        FillFields(*p, i, MakeLocalDate(AddDays(start, i / ENTRIES_PER_DAY)));
        *ppNext = p;
        ppNext = &p->m_pNext;
    }
    doc.m_nEntries = static_cast<std::uint16_t>(nEntries);
    doc.UpdateBalances();
}

std::unique_ptr<CEntry> MiddleEntry(int nEntries) {
    auto pEntry = std::make_unique<CEntry>();
    const CDayMonthYear start{1, 1, 1990};
    FillFields(*pEntry, 1, MakeLocalDate(AddDays(start, nEntries / ENTRIES_PER_DAY / 2)));
    return pEntry;
}
