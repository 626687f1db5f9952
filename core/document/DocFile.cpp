// The register file: the current "3.5TW" layout written, "3.5TW", "3.0TW" and "2.0" read.
#include "CDescList.h"
#include "CTallywiseDoc.h"
#include "DocStrings.h"
#include "core/framework/CArchive.h"
#include "core/framework/Cp1252.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include "core/framework/IPasswordPrompt.h"
#include "core/framework/IUserMessages.h"
#include "core/framework/TextFile.h"
#include <algorithm>
#include <cctype>

namespace {
constexpr const char* TAG_35 = "3.5TW";
constexpr const char* TAG_30 = "3.0TW";
constexpr const char* TAG_20 = "2.0";
// The smallest stored entry: number, date, an empty text, type, amount, side, balance, flag.
constexpr std::size_t ENTRY_MIN_BYTES = 2 + 4 + 1 + 1 + 8 + 4 + 8 + 4;

std::string Scramble(std::string s, int nDelta) {
    for (char& c : s)
        c = static_cast<char>(static_cast<unsigned char>(c) + nDelta);
    return s;
}

void StoreEntry(CArchive& ar, const CEntryFields& e) {
    ar.WriteU16(e.m_nCheckNum);
    ar.WriteU32(static_cast<std::uint32_t>(e.m_date));
    ar.WriteString(e.m_strDesc);
    ar.WriteU8(static_cast<std::uint8_t>(e.m_nType));
    ar.WriteDouble(e.m_dAmount);
    ar.WriteU32(e.m_bDebit);
    ar.WriteDouble(e.m_dBalance);
    ar.WriteU32(e.m_bCleared);
}

void LoadEntry(CArchive& ar, CEntryFields& e) {
    e.m_nCheckNum = ar.ReadU16();
    e.m_date = static_cast<std::time_t>(ar.ReadU32());
    e.m_strDesc = ar.ReadString();
    e.m_nType = static_cast<std::int8_t>(ar.ReadU8());
    e.m_dAmount = ar.ReadDouble();
    e.m_bDebit = ar.ReadU32();
    e.m_dBalance = ar.ReadDouble();
    e.m_bCleared = ar.ReadU32();
}

// A 2.0 record has a debit and a credit amount; a credit only when the debit is zero.
void SetAmount20(CEntryFields& e, float fDebit, float fCredit) {
    if (fDebit == 0.0f && fCredit != 0.0f) {
        e.m_dAmount = fCredit;
        e.m_bDebit = 0;
    } else {
        e.m_dAmount = fDebit;
        e.m_bDebit = 1;
    }
}

std::time_t LoadDate20(CArchive& ar) {
    return ToLocalMidnight(static_cast<std::time_t>(ar.ReadU32()));
}

// Records are added one by one as they are read, so a count the file cannot back up fails
// at the end of the data instead of allocating for it.
// Room is made at once for as many as the bytes left could hold (nMinBytes each at least).
template <class T, class F>
void LoadRecords(CArchive& ar, std::vector<T>& records, std::uint16_t nCount, F loadOne,
                 std::size_t nMinBytes = 1) {
    records.reserve(records.size() + std::min<std::size_t>(nCount, ar.Remaining() / nMinBytes));
    // A record read only in part is dropped with the whole document.
    for (std::uint16_t i = 0; i < nCount; ++i)
        loadOne(ar, records.emplace_back());
}

// A 2.0 entry or deleted record; the stored balance of an entry is recomputed later.
void LoadRecord20(CArchive& ar, CEntryFields& e, bool bWithBalance) {
    e.m_nType = static_cast<std::int8_t>(ar.ReadU32() & 0xFF);
    e.m_nCheckNum = static_cast<std::uint16_t>(ar.ReadU32());
    e.m_date = LoadDate20(ar);
    e.m_strDesc = ar.ReadString();
    float fDebit = ar.ReadFloat();
    float fCredit = ar.ReadFloat();
    SetAmount20(e, fDebit, fCredit);
    if (bWithBalance)
        ar.ReadFloat();
    e.m_bCleared = ar.ReadU32();
}

} // namespace

std::string LoadErrorText(const CLoadResult& result) {
    switch (result.m_nError) {
    case ELoadError::None:
        return "";
    case ELoadError::CannotRead:
        return "The file could not be read" +
               (result.m_strDetail.empty() ? std::string(".") : ": " + result.m_strDetail + ".");
    case ELoadError::Damaged:
        return "The file is damaged or incomplete.";
    case ELoadError::InvalidVersion:
        return "The file is not a register of a known version.";
    case ELoadError::ImportDeclined:
        return "The version 2.0 file was not imported.";
    case ELoadError::WrongPassword:
        return "The password was not correct.";
    case ELoadError::TooManyEntries:
        return Format("The file holds more than %d entries.", MAX_COUNT);
    }
    return "";
}

std::string LoadErrorClause(const CLoadResult& result) {
    std::string s = LoadErrorText(result);
    if (!s.empty()) {
        s[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(s[0])));
        if (s.back() == '.')
            s.pop_back();
    }
    return s;
}

void CTallywiseDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        StoreDocument(ar);
    else
        LoadDocument(ar);
}

void CTallywiseDoc::StoreDocument(CArchive& ar) {
    ar.WriteString(TAG_35);
    ar.WriteRawString(Scramble(Utf8ToCp1252(m_strPassword), -1));
    ar.WriteU32(m_bPassword);
    ar.WriteU16(m_nNextCheck);
    ar.WriteDouble(m_dStartBal);
    ar.WriteU32(m_bStartBalSet);
    ar.WriteU32(m_nArchives);
    ar.WriteString(m_bank.m_strBankName);
    ar.WriteString(m_bank.m_strAccountNum);
    ar.WriteString(m_bank.m_strAccountName);
    for (const CUserType& t : UserTypes()) {
        ar.WriteU32(t.m_bEnabled);
        ar.WriteString(t.m_strName);
        ar.WriteString(t.m_strAbbr);
        ar.WriteU32(t.m_bNotInUse);
    }
    ar.WriteU16(static_cast<std::uint16_t>(m_aEntries.size()));
    ar.WriteU16(static_cast<std::uint16_t>(m_aDescs.size()));
    ar.WriteU16(static_cast<std::uint16_t>(m_aDeleted.size()));
    ar.WriteU16(static_cast<std::uint16_t>(m_aAutos.size()));
    ar.WriteU32(m_nReserved);
    for (const CEntry& e : m_aEntries)
        StoreEntry(ar, e);
    for (const std::string& strDesc : m_aDescs)
        ar.WriteString(strDesc);
    for (const CDeletedEntry& e : m_aDeleted)
        StoreEntry(ar, e);
    for (const CAutoEntry& a : m_aAutos) {
        ar.WriteString(a.m_strDesc);
        ar.WriteU8(static_cast<std::uint8_t>(a.m_nType));
        ar.WriteDouble(a.m_dAmount);
        ar.WriteU32(a.m_bDebit);
        ar.WriteU32(a.m_nFrequency);
        ar.WriteU8(static_cast<std::uint8_t>(a.m_nDay));
        ar.WriteU32(static_cast<std::uint32_t>(a.m_nextDate));
    }
}

void CTallywiseDoc::LoadDocument(CArchive& ar) {
    std::string strTag = ar.ReadRawString();
    if (strTag == TAG_35 || strTag == TAG_30) {
        m_strVersionRead = strTag;
        Load3x(ar, strTag == TAG_35);
    } else if (strTag == TAG_20) {
        if (!Messages().AskYesNo("Import version 2.0 file?"))
            throw CLoadRefused{ELoadError::ImportDeclined};
        m_strVersionRead = strTag;
        Import20(ar);
    } else {
        Messages().ShowMessage("Invalid File Version", EMsgIcon::None);
        throw CLoadRefused{ELoadError::InvalidVersion};
    }
}

void CTallywiseDoc::Load3xHeader(CArchive& ar, bool b35) {
    m_strPassword = Cp1252ToUtf8(Scramble(ar.ReadRawString(), +1));
    m_bPassword = ar.ReadU32();
    if (m_bPassword == 1 && !CheckPassword())
        throw CLoadRefused{ELoadError::WrongPassword};
    m_nNextCheck = ar.ReadU16();
    m_dStartBal = ar.ReadDouble();
    m_bStartBalSet = ar.ReadU32();
    m_nArchives = ar.ReadU32();
    m_bank.m_strBankName = ar.ReadString();
    m_bank.m_strAccountNum = ar.ReadString();
    m_bank.m_strAccountName = ar.ReadString();
    ResetUserTypes(UserTypes());
    if (b35) {
        for (CUserType& t : UserTypes()) {
            t.m_bEnabled = ar.ReadU32();
            t.m_strName = ar.ReadString();
            t.m_strAbbr = ar.ReadString();
            t.m_bNotInUse = ar.ReadU32();
        }
    }
}

void CTallywiseDoc::Load3x(CArchive& ar, bool b35) {
    Load3xHeader(ar, b35);
    std::uint16_t nEntries = ar.ReadU16();
    std::uint16_t nDescs = ar.ReadU16();
    std::uint16_t nDeleted = ar.ReadU16();
    std::uint16_t nAutos = ar.ReadU16();
    m_nReserved = ar.ReadU32();
    LoadEntries(ar, nEntries);
    // Kept as stored, even a list a damaged file holds twice or past the limit.
    LoadRecords(ar, m_aDescs, nDescs, [](CArchive& in, std::string& s) { s = in.ReadString(); });
    LoadDeleted(ar, nDeleted);
    LoadAutos(ar, nAutos);
    PublishStatus();
}

void CTallywiseDoc::LoadEntries(CArchive& ar, std::uint16_t nCount) {
    LoadRecords(ar, m_aEntries, nCount, LoadEntry, ENTRY_MIN_BYTES);
}

void CTallywiseDoc::LoadDeleted(CArchive& ar, std::uint16_t nCount) {
    LoadRecords(ar, m_aDeleted, nCount, LoadEntry, ENTRY_MIN_BYTES);
}

void CTallywiseDoc::LoadAutos(CArchive& ar, std::uint16_t nCount) {
    LoadRecords(ar, m_aAutos, nCount, [](CArchive& in, CAutoEntry& a) {
        a.m_strDesc = in.ReadString();
        a.m_nType = static_cast<std::int8_t>(in.ReadU8());
        a.m_dAmount = in.ReadDouble();
        a.m_bDebit = in.ReadU32();
        a.m_nFrequency = in.ReadU32();
        a.m_nDay = static_cast<std::int8_t>(in.ReadU8());
        a.m_nextDate = static_cast<std::time_t>(in.ReadU32());
    });
}

void CTallywiseDoc::Import20(CArchive& ar) {
    m_bank = CBankInfo();
    m_strPassword.clear();
    m_bPassword = 0;
    m_nArchives = 0;
    m_aDescs.clear();
    std::uint32_t nRecords = ar.ReadU32();
    m_nNextCheck = static_cast<std::uint16_t>(ar.ReadU32());
    ar.ReadU32();
    auto nDeleted = static_cast<std::uint16_t>(ar.ReadU32());
    auto nAutos = static_cast<std::uint16_t>(ar.ReadU32());
    LoadRecords(ar, m_aDeleted, nDeleted,
                [](CArchive& in, CDeletedEntry& e) { LoadRecord20(in, e, false); });
    Import20Autos(ar, nAutos);
    Import20Entries(ar, nRecords);
    for (const CEntry& e : m_aEntries)
        if (CanAddDescription(m_aDescs, e.m_strDesc))
            m_aDescs.push_back(e.m_strDesc);
    UpdateBalances();
    ResetUserTypes(UserTypes());
}

void CTallywiseDoc::Import20Autos(CArchive& ar, std::uint16_t nAutos) {
    LoadRecords(ar, m_aAutos, nAutos, [](CArchive& in, CAutoEntry& a) {
        a.m_nType = static_cast<std::int8_t>(in.ReadU32() & 0xFF);
        a.m_strDesc = in.ReadString();
        CEntryFields amount;
        float fDebit = in.ReadFloat();
        float fCredit = in.ReadFloat();
        SetAmount20(amount, fDebit, fCredit);
        a.m_dAmount = amount.m_dAmount;
        a.m_bDebit = amount.m_bDebit;
        a.m_nFrequency = in.ReadU32();
        a.m_nDay = static_cast<std::int8_t>(in.ReadU32() & 0xFF);
        a.m_nextDate = LoadDate20(in);
        in.ReadU32();
    });
}

// The starting balance is a record of its own among the entries.
void CTallywiseDoc::Import20Entries(CArchive& ar, std::uint32_t nRecords) {
    m_dStartBal = 0.0;
    m_bStartBalSet = 0;
    for (std::uint32_t i = 0; i < nRecords; ++i) {
        CEntry e;
        LoadRecord20(ar, e, true);
        if (e.m_nType == TYPE_STARTBAL_20) {
            m_dStartBal = e.m_bDebit ? -e.m_dAmount : e.m_dAmount;
            m_bStartBalSet = 1;
            continue;
        }
        if (m_aEntries.size() >= MAX_COUNT)
            throw CLoadRefused{ELoadError::TooManyEntries};
        m_aEntries.push_back(std::move(e));
    }
}

bool CTallywiseDoc::CheckPassword() {
    IPasswordPrompt& prompt = m_services.m_password;
    if (prompt.AskPassword(m_strLoadFileName) == m_strPassword)
        return true;
    Messages().ShowMessage("Password is not correct", EMsgIcon::Exclamation);
    return prompt.AskPassword(m_strLoadFileName) == m_strPassword;
}

std::vector<std::uint8_t> CTallywiseDoc::SaveToBuffer() {
    CArchive ar;
    Serialize(ar);
    return ar.TakeBytes();
}

CLoadResult CTallywiseDoc::LoadFromBuffer(const std::uint8_t* pData, std::size_t nSize,
                                          const std::string& strFileName) {
    DeleteContents();
    m_strVersionRead.clear();
    m_strLoadFileName = strFileName;
    CLoadResult result;
    try {
        CArchive ar(pData, nSize);
        Serialize(ar);
    } catch (const CArchiveException&) {
        result.m_nError = ELoadError::Damaged;
    } catch (const CLoadRefused& refused) {
        result.m_nError = refused.m_nError;
    } catch (const std::bad_alloc&) {
        result.m_nError = ELoadError::Damaged;
    }
    if (!result.Ok()) {
        // Nothing of a file that failed stays: not its entries, password or bank lines.
        OnNewDocument();
    } else {
        SetModifiedFlag(false);
        AnnounceReset();
    }
    return result;
}

CLoadResult CTallywiseDoc::OnOpenDocument(const std::string& strPath) {
    std::vector<std::uint8_t> bytes;
    std::string strError;
    if (!ReadWholeFile(strPath, bytes, strError)) {
        OnNewDocument();
        return {ELoadError::CannotRead, strError};
    }
    CLoadResult result = LoadFromBuffer(bytes.data(), bytes.size(), FileNameOf(strPath));
    if (result.Ok()) {
        SetPathName(strPath);
        if (m_saveOptions.m_pLastFile)
            *m_saveOptions.m_pLastFile = AbsolutePath(strPath);
        SetModifiedFlag(false);
    }
    return result;
}

bool CTallywiseDoc::SaveDocumentFile(const std::string& strPath, std::string* pError) {
    std::string strError;
    if (!WriteFileAtomic(strPath, SaveToBuffer(), strError)) {
        Messages().ShowMessage(Format("Could not save %s.\n%s", strPath.c_str(), strError.c_str()),
                               EMsgIcon::Exclamation);
        if (pError)
            *pError = strError;
        return false;
    }
    return true;
}

bool CTallywiseDoc::OnSaveDocument(const std::string& strPath) {
    if (m_saveOptions.m_pBackup && *m_saveOptions.m_pBackup)
        SaveDocumentFile(ReplaceExtension(strPath, "bak"));
    if (m_saveOptions.m_pTextBackup && *m_saveOptions.m_pTextBackup)
        WriteTextRegister(ReplaceExtension(strPath, "txt"), EntryCount(), 0, 0, false);
    if (!SaveDocumentFile(strPath))
        return false;
    if (m_saveOptions.m_pLastFile)
        *m_saveOptions.m_pLastFile = AbsolutePath(strPath);
    SetModifiedFlag(false);
    return true;
}

void CTallywiseDoc::SetPathName(const std::string& strPath) {
    m_strPathName = strPath.empty() ? strPath : AbsolutePath(strPath);
}

std::string CTallywiseDoc::GetTitle() const {
    return m_strPathName.empty() ? GetDocString(DS_DOC_NAME) : FileNameOf(m_strPathName);
}
