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
    m_doc.m_saveOptions = m_settings.SaveOptions();
    m_doc.SetStatusPanes(&m_status);
    m_doc.OnNewDocument();
}

CTestDoc::~CTestDoc() {
    std::filesystem::remove_all(m_strDir);
}

std::unique_ptr<CEntry> MakeEntry(std::time_t date, double dAmount, bool bDebit,
                                  const std::string& strDesc, int nType, int nCheck) {
    auto e = std::make_unique<CEntry>();
    e->m_date = date;
    e->m_dAmount = dAmount;
    e->m_bDebit = bDebit ? 1 : 0;
    e->m_strDesc = strDesc;
    e->m_nType = static_cast<std::int8_t>(nType);
    e->m_nCheckNum = static_cast<std::uint16_t>(nCheck);
    return e;
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
    for (const CEntry* e = doc.m_pEntries; e; e = e->m_pNext)
        v.push_back(e->m_strDesc);
    return v;
}
