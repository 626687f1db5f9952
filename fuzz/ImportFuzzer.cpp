// libFuzzer targets of the bank-file readers (one per format, chosen by TW_FUZZ_READER):
// any bytes must end in transactions or a clean refusal, and what was read must go through
// matching and into a register without harm.
#include "FuzzServices.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/DateTime.h"
#include "core/import/Import.h"
#include "core/import/ImportCsv.h"
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char* pszWhat) {
    std::fprintf(stderr, "tw_fuzz_import: %s\n", pszWhat);
    std::abort();
}

CReadResult Read(std::string_view bytes) {
#if TW_FUZZ_READER == 0
    return ReadImportFile(EImportFormat::Ofx, bytes, EDateOrder::Auto, std::nullopt);
#elif TW_FUZZ_READER == 1
    const CReadResult result =
        ReadImportFile(EImportFormat::Qif, bytes, EDateOrder::Auto, std::nullopt);
    return result.m_bOrderAmbiguous
               ? ReadImportFile(EImportFormat::Qif, bytes, EDateOrder::DMY, std::nullopt)
               : result;
#else
    const CCsvTable table = ReadCsvTable(bytes);
    (void)GuessCsvMapping(table);
    // Every column in a role, so every cell is read.
    CCsvMapping m{0, 1, 2, -1, 3, 4, 5, 6};
    for (int* p :
         {&m.m_nDate, &m.m_nDesc, &m.m_nMemo, &m.m_nDebit, &m.m_nCredit, &m.m_nNum, &m.m_nCleared})
        if (*p >= static_cast<int>(table.Columns()))
            *p = -1;
    return ReadCsv(table, m, EDateOrder::YMD);
#endif
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::string_view bytes(reinterpret_cast<const char*>(pData), nSize);
    const CReadResult read = Read(bytes);
    if (!read.Ok() && !read.m_txns.empty())
        Fail("a refused file kept transactions");
    CFuzzDoc fuzz;
    CTallywiseDoc& doc = fuzz.Doc();
    doc.OnNewDocument();
    doc.InsertEntry(CEntry());
    const CImportPlan plan = BuildImportPlan(doc, read);
    if (plan.m_rows.size() != read.m_txns.size())
        Fail("a transaction was lost between reading and matching");
    if (plan.m_nNew + plan.m_nDuplicates + plan.m_nSkipped != static_cast<int>(plan.m_rows.size()))
        Fail("the summary does not add up");
    if (ImportLimitMessage(doc, plan.m_nNew).empty()) {
        const int nAdded = ApplyImport(doc, plan, {});
        if (nAdded != plan.m_nNew || doc.EntryCount() != 1 + nAdded)
            Fail("the new transactions did not all reach the register");
        for (const CEntry& e : doc.Entries())
            if (e.m_date != ToLocalMidnight(e.m_date) || e.m_strDesc.size() > 4 * 255)
                Fail("an imported entry is not a register entry");
    }
    return 0;
}
