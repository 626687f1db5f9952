// libFuzzer target of the register loader: any bytes must end in a clean load or a clean
// refusal, and a register that loads must survive its own save.
#include "FuzzServices.h"
#include "core/document/CTallywiseDoc.h"
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* pszWhat) {
    std::fprintf(stderr, "tw_fuzz_load: %s\n", pszWhat);
    std::abort();
}

// Saving what was loaded, loading that back and saving again must give the same bytes:
// the first save already writes the current layout in the file's own encoding.
void CheckRoundTrip(CTallywiseDoc& doc, CFakePassword& prompt) {
    const std::vector<std::uint8_t> first = doc.SaveToBuffer();
    (void)doc.BuildTextRegister(doc.EntryCount(), 0, 0, false);
    prompt.m_strOtherwise = doc.Password();
    const CLoadResult again = doc.LoadFromBuffer(first.data(), first.size(), "again.twd");
    if (!again.Ok())
        Fail("a saved register does not load back");
    if (doc.SaveToBuffer() != first)
        Fail("a register saved twice gives different bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    CFuzzDoc fuzz;
    CTallywiseDoc& doc = fuzz.Doc();

    const CLoadResult result = doc.LoadFromBuffer(pData, nSize, "fuzz.twd");
    if (!result.Ok()) {
        if (doc.EntryCount() != 0 || !doc.Entries().empty() || !doc.Descriptions().empty() ||
            !doc.DeletedEntries().empty() || !doc.AutoEntries().empty())
            Fail("a failed load left records in the document");
        (void)LoadErrorText(result);
        return 0;
    }
    CheckRoundTrip(doc, fuzz.m_password);
    return 0;
}
