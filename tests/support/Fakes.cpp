#include "Fakes.h"
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {
std::function<void(const std::string&)> s_fnFail;
}

void SetFakeFailureHandler(std::function<void(const std::string&)> fnFail) {
    s_fnFail = std::move(fnFail);
}

void ReportFakeFailure(const std::string& strWhat) {
    if (s_fnFail)
        s_fnFail(strWhat);
}

std::string MakeTempDir() {
    char tmpl[] = "/tmp/twtestXXXXXX";
    const char* pszDir = ::mkdtemp(tmpl);
    return pszDir ? pszDir : "";
}

CTestDoc::CTestDoc() : m_strDir(MakeTempDir()) {
    m_doc.SetSaveOptions(m_settings.SaveOptions());
    m_doc.SetStatusPanes(&m_status);
    m_doc.OnNewDocument();
}

CTestDoc::~CTestDoc() {
    std::filesystem::remove_all(m_strDir);
}

CEntry MakeEntry(std::time_t date, double dAmount, bool bDebit, const std::string& strDesc,
                 int nType, int nCheck) {
    CEntry e;
    e.m_date = date;
    e.m_dAmount = dAmount;
    e.m_bDebit = bDebit ? 1 : 0;
    e.m_strDesc = strDesc;
    e.m_nType = static_cast<std::int8_t>(nType);
    e.m_nCheckNum = static_cast<std::uint16_t>(nCheck);
    return e;
}

void FillTo(CTallywiseDoc& doc, int nCount) {
    const CEntry filler = MakeEntry(MakeLocalDate(1999, 1, 1), 1, false);
    doc.InsertEntries(
        std::vector<CEntry>(static_cast<std::size_t>(nCount - doc.EntryCount()), filler));
}

void AddArchives(CTallywiseDoc& doc, int nArchives) {
    for (int i = 0; i < nArchives; ++i) {
        // Earlier than any entry a test uses, so it is the first and the one archived.
        doc.InsertEntry(MakeEntry(MakeLocalDate(1980, 1, 1), 1.0, true));
        doc.RemoveArchivedEntries(1);
    }
}

void StartClean(CTallywiseDoc& doc, CFakePassword& password) {
    const std::vector<std::uint8_t> bytes = doc.SaveToBuffer();
    const std::size_t nAsked = password.m_asked.size();
    if (doc.IsPasswordSet())
        password.m_answers.push_front(doc.Password());
    const CLoadResult result = doc.LoadFromBuffer(bytes.data(), bytes.size(), "clean.twd");
    password.m_asked.resize(nAsked);
    if (!result.Ok())
        ReportFakeFailure("the document did not load back: " + LoadErrorText(result));
}

void StartClean(CTestDoc& t) {
    StartClean(t.Doc(), t.m_password);
}

std::vector<std::uint8_t> ReadBytes(const std::string& strPath) {
    std::ifstream in(strPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& strPath, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(strPath, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> EntryDescs(const CTallywiseDoc& doc) {
    std::vector<std::string> v;
    for (const CEntry& e : doc.Entries())
        v.push_back(e.m_strDesc);
    return v;
}
