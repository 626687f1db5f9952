// Writes the seed registers of the fuzz corpus into a folder: tw_fuzz_seeds DIR
// Current files come from the document's own save; the older layouts are built by hand.
#include "FuzzServices.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/CArchive.h"
#include "core/framework/DateTime.h"
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using CBytes = std::vector<std::uint8_t>;

const std::string LONG_DESC(300, 'w'); // needs the three-byte length prefix

CEntryFields Fields(std::uint16_t nCheck, int nDay, const std::string& strDesc, std::int8_t nType,
                    double dAmount, bool bDebit, bool bCleared) {
    CEntryFields f;
    f.m_nCheckNum = nCheck;
    f.m_date = MakeLocalDate(2000, 5, nDay);
    f.m_strDesc = strDesc;
    f.m_nType = nType;
    f.m_dAmount = dAmount;
    f.m_bDebit = bDebit ? 1 : 0;
    f.m_bCleared = bCleared ? 1 : 0;
    return f;
}

void AddEntry(CTallywiseDoc& doc, const CEntryFields& f) {
    CEntry entry;
    static_cast<CEntryFields&>(entry) = f;
    doc.AddDescription(f.m_strDesc);
    doc.InsertEntry(std::move(entry));
}

CDeletedEntry Deleted(const CEntryFields& f) {
    CDeletedEntry deleted;
    static_cast<CEntryFields&>(deleted) = f;
    return deleted;
}

CAutoEntry Auto(const std::string& strDesc, std::int8_t nType, double dAmount, bool bDebit,
                std::uint32_t nFrequency, std::int8_t nDay) {
    CAutoEntry a;
    a.m_strDesc = strDesc;
    a.m_nType = nType;
    a.m_dAmount = dAmount;
    a.m_bDebit = bDebit ? 1 : 0;
    a.m_nFrequency = nFrequency;
    a.m_nDay = nDay;
    a.m_nextDate = MakeLocalDate(2000, 6, nDay);
    return a;
}

// Archives counted the way archiving counts them: an old entry in, archived out again.
void CountArchives(CTallywiseDoc& doc, int nArchives) {
    for (int i = 0; i < nArchives; ++i) {
        doc.InsertEntry(CEntry{Fields(0, 1, "Archived", TYPE_ATM, 1.0, true, true)});
        doc.RemoveArchivedEntries(1);
    }
}

// A register that uses every part of the layout.
void FillDocument(CTallywiseDoc& doc, bool bPassword) {
    doc.OnNewDocument();
    CountArchives(doc, 2);
    doc.SetStartingBalance(1500.25);
    doc.SetNextCheck(1004);
    doc.SetBankInfo(CBankInfo{"First Harbor Bank", "0042-77810", "Jo Caf\u00e9"});
    if (bPassword)
        doc.SetPassword(FUZZ_PASSWORD);
    doc.UserTypes()[0] = {"Transfer", "X", 1, 0};
    doc.UserTypes()[2] = {"Dividend", "D", 1, 1};

    AddEntry(doc, Fields(1001, 3, "Rent", TYPE_CHECK, 500.0, true, true));
    AddEntry(doc, Fields(0, 4, "Paycheck", TYPE_OTHER, 750.0, false, true));
    AddEntry(doc, Fields(0, 4, "Cash", TYPE_ATM, 60.0, true, false));
    AddEntry(doc, Fields(0, 2, "Groceries \u20ac", TYPE_CHECKCARD, 83.17, true, false));
    AddEntry(doc, Fields(1002, 9, LONG_DESC, TYPE_CHECK, 99999.99, true, false));
    AddEntry(doc, Fields(0, 12, "Savings", TYPE_USER1, 200.0, false, false));
    AddEntry(doc, Fields(0, 12, "Deposit", TYPE_TELLER, 0.0, false, false));
    doc.AddDescription("Phone");

    doc.SetDeletedEntries({Deleted(Fields(1003, 5, "Void check", TYPE_CHECK, 12.5, true, false)),
                           Deleted(Fields(0, 6, "Refund", TYPE_OTHER, 19.99, false, true))});
    doc.SetAutoEntries({Auto("Rent", TYPE_CHECK, 500.0, true, 1, 1),
                        Auto("Allowance", TYPE_USER1 + 2, 15.0, false, 0, 14)});
}

void WriteEntry30(CArchive& ar, const CEntryFields& f) {
    ar.WriteU16(f.m_nCheckNum);
    ar.WriteU32(static_cast<std::uint32_t>(f.m_date));
    ar.WriteString(f.m_strDesc);
    ar.WriteU8(static_cast<std::uint8_t>(f.m_nType));
    ar.WriteDouble(f.m_dAmount);
    ar.WriteU32(f.m_bDebit);
    ar.WriteDouble(f.m_dBalance);
    ar.WriteU32(f.m_bCleared);
}

// A protected 3.0 file: no user-defined types after the bank lines.
CBytes Build30() {
    CArchive ar;
    ar.WriteString("3.0TW");
    std::string strScrambled = FUZZ_PASSWORD;
    for (char& c : strScrambled)
        c = static_cast<char>(static_cast<unsigned char>(c) - 1);
    ar.WriteRawString(strScrambled);
    ar.WriteU32(1);
    ar.WriteU16(250);
    ar.WriteDouble(100.0);
    ar.WriteU32(1);
    ar.WriteU32(0);
    ar.WriteString("Old Bank");
    ar.WriteString("12-34");
    ar.WriteString("A. Holder");
    ar.WriteU16(2);
    ar.WriteU16(2);
    ar.WriteU16(1);
    ar.WriteU16(1);
    ar.WriteU32(0);
    CEntryFields a = Fields(248, 1, "Gas", TYPE_CHECK, 40.0, true, true);
    a.m_dBalance = 60.0;
    CEntryFields b = Fields(0, 2, "Salary", TYPE_OTHER, 900.0, false, false);
    b.m_dBalance = 960.0;
    WriteEntry30(ar, a);
    WriteEntry30(ar, b);
    ar.WriteString("Gas");
    ar.WriteString("Salary");
    WriteEntry30(ar, Fields(249, 2, "Torn", TYPE_CHECK, 5.0, true, false));
    ar.WriteString("Insurance");
    ar.WriteU8(TYPE_OTHER);
    ar.WriteDouble(80.0);
    ar.WriteU32(1);
    ar.WriteU32(1);
    ar.WriteU8(20);
    ar.WriteU32(static_cast<std::uint32_t>(MakeLocalDate(2000, 5, 20)));
    return ar.TakeBytes();
}

void WriteRecord20(CArchive& ar, std::uint32_t nType, std::uint32_t nCheck, int nDay,
                   const std::string& strDesc, float fDebit, float fCredit) {
    ar.WriteU32(nType);
    ar.WriteU32(nCheck);
    // An hour past midnight, as old files may hold: the import moves it to the day's start.
    ar.WriteU32(static_cast<std::uint32_t>(MakeLocalDate(1998, 3, nDay)) + 3600);
    ar.WriteString(strDesc);
    ar.WriteFloat(fDebit);
    ar.WriteFloat(fCredit);
}

// A 2.0 file with its starting-balance record among the entry records.
CBytes Build20() {
    CArchive ar;
    ar.WriteString("2.0");
    ar.WriteU32(4);
    ar.WriteU32(120);
    ar.WriteU32(0);
    ar.WriteU32(1);
    ar.WriteU32(1);
    WriteRecord20(ar, TYPE_CHECK, 117, 2, "Lost check", 10.0f, 0.0f);
    ar.WriteU32(1);
    ar.WriteU32(TYPE_OTHER);
    ar.WriteString("Loan");
    ar.WriteFloat(120.0f);
    ar.WriteFloat(0.0f);
    ar.WriteU32(1);
    ar.WriteU32(15);
    ar.WriteU32(static_cast<std::uint32_t>(MakeLocalDate(1998, 4, 15)));
    ar.WriteU32(0);
    const struct {
        std::uint32_t nType, nCheck;
        int nDay;
        const char* pszDesc;
        float fDebit, fCredit;
    } records[] = {
        {TYPE_STARTBAL_20, 0, 1, "Starting Balance", 25.0f, 0.0f},
        {TYPE_CHECK, 118, 3, "Books", 12.5f, 0.0f},
        {TYPE_TELLER, 0, 4, "Deposit", 0.0f, 300.0f},
        {TYPE_ATM, 0, 4, "Cash", 0.0f, 0.0f},
    };
    for (const auto& r : records) {
        WriteRecord20(ar, r.nType, r.nCheck, r.nDay, r.pszDesc, r.fDebit, r.fCredit);
        ar.WriteFloat(0.0f);
        ar.WriteU32(r.nType == TYPE_CHECK ? 1 : 0);
    }
    return ar.TakeBytes();
}

CBytes BuildBadVersion() {
    CArchive ar;
    ar.WriteString("9.9TW");
    ar.WriteU32(0);
    return ar.TakeBytes();
}

bool WriteSeed(const std::string& strDir, const char* pszName, const CBytes& bytes) {
    const std::string strPath = strDir + "/" + pszName;
    std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "tw_fuzz_seeds: cannot write %s\n", strPath.c_str());
        return false;
    }
    return true;
}

CBytes SavedDocument(int nKind) {
    CFuzzDoc fuzz;
    CTallywiseDoc& doc = fuzz.Doc();
    if (nKind == 0)
        doc.OnNewDocument();
    else
        FillDocument(doc, nKind == 2);
    return doc.SaveToBuffer();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tw_fuzz_seeds DIR\n");
        return 2;
    }
    const std::string strDir = argv[1];
    const bool bOk = WriteSeed(strDir, "new.twd", SavedDocument(0)) &&
                     WriteSeed(strDir, "full.twd", SavedDocument(1)) &&
                     WriteSeed(strDir, "full-password.twd", SavedDocument(2)) &&
                     WriteSeed(strDir, "v30-password.twd", Build30()) &&
                     WriteSeed(strDir, "v20.twd", Build20()) &&
                     WriteSeed(strDir, "bad-version.twd", BuildBadVersion());
    return bOk ? 0 : 1;
}
