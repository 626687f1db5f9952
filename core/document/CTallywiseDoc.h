#pragma once
#include "CAutoEntry.h"
#include "CDescItem.h"
#include "CDocServices.h"
#include "CEntry.h"
#include "CUserType.h"
#include "Limits.h"
#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CArchive;
class IRegisterObserver;
class IStatusPanes;
class IUserMessages;

enum class ELoadError {
    None,
    CannotRead,     // the file could not be opened or read
    Damaged,        // ends early or holds impossible values
    InvalidVersion, // unknown version tag
    ImportDeclined, // a 2.0 file the user chose not to import
    WrongPassword,
    TooManyEntries // a 2.0 file with more records than a register can hold
};

struct CLoadResult {
    ELoadError m_nError = ELoadError::None;
    std::string m_strDetail;
    bool Ok() const { return m_nError == ELoadError::None; }
};

std::string LoadErrorText(const CLoadResult& result);
// The same text as a clause of a command-line message: "tallywise: FILE: the file is damaged
// or incomplete" (first letter lower-case, no full stop).
std::string LoadErrorClause(const CLoadResult& result);

// Thrown by Serialize when a load is refused (version, import question, password).
struct CLoadRefused {
    ELoadError m_nError;
};

// The register of one bank account.
class CTallywiseDoc {
public:
    explicit CTallywiseDoc(const CDocServices& services);
    ~CTallywiseDoc();
    CTallywiseDoc(const CTallywiseDoc&) = delete;
    CTallywiseDoc& operator=(const CTallywiseDoc&) = delete;

    CEntry* m_pEntries = nullptr;
    std::uint16_t m_nEntries = 0;
    CDescItem* m_pDescs = nullptr;
    std::uint16_t m_nDescs = 0;
    CDeletedEntry* m_pDeleted = nullptr;
    std::uint16_t m_nDeleted = 0;
    CAutoEntry* m_pAutos = nullptr;
    std::uint16_t m_nAutos = 0;
    std::string m_strPassword;
    std::uint32_t m_bPassword = 0;
    std::uint16_t m_nNextCheck = 101;
    double m_dStartBal = 0.0;
    std::uint32_t m_bStartBalSet = 0;
    std::uint32_t m_nArchives = 0;
    std::string m_strBankName;
    std::string m_strAccountNum;
    std::string m_strAccountName;
    std::uint32_t m_nReserved = 0;

    // Version tag of the last file read ("3.5TW", "3.0TW" or "2.0").
    std::string m_strVersionRead;

    // The settings a save follows; see CSaveOptions.
    CSaveOptions m_saveOptions;

    // Where the document announces changes of its entry list and its two status figures.
    void SetObserver(IRegisterObserver* pObserver) { m_pObserver = pObserver; }
    void SetStatusPanes(IStatusPanes* pStatus) { m_pStatus = pStatus; }

    // Links e in date order behind entries of the same date and recomputes balances.
    // Refuses (with a message, returning nothing) when the register already holds 65535.
    std::optional<std::uint16_t> InsertEntry(std::unique_ptr<CEntry> pEntry);
    bool CanInsertEntry() const { return m_nEntries < MAX_COUNT; }
    void RemoveEntry(std::uint16_t nPos, bool bKeepForUndo, bool bRecalc);
    // Recomputes every running balance; the list rewrites them from nFrom, or from an
    // earlier position that a removal without recalculation left behind.
    void UpdateBalances(std::uint16_t nFrom = 0);
    // Flips or sets one entry's cleared flag and marks the document modified.
    void SetEntryCleared(std::uint16_t nPos, std::uint32_t bCleared);
    // One entry's cells changed in place.
    void EntryChanged(std::uint16_t nPos);
    void AddDescription(std::string strText);
    void RefreshTypeUsage();
    CEntry* GetEntryAt(std::uint16_t nPos) const;
    double CurrentBalance() const; // last running balance, or the starting balance

    bool OnNewDocument();
    void DeleteContents();
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool bModified = true) { m_bModified = bModified; }

    // Stores or loads the whole document; throws CArchiveException or CLoadRefused.
    void Serialize(CArchive& ar);
    std::vector<std::uint8_t> SaveToBuffer();
    // Empties the document, loads the bytes; on failure the document is empty again.
    CLoadResult LoadFromBuffer(const std::uint8_t* pData, std::size_t nSize,
                               const std::string& strFileName);
    // Exchanges everything the document holds with another (not the user-type table).
    void SwapContents(CTallywiseDoc& other);
    // Tells the main window the current balance and the entry count.
    void PublishStatus();

    // Reads the file; on success sets the path, "LastFile" and clears the modified flag.
    // Reports nothing: the caller shows the failed-open report.
    CLoadResult OnOpenDocument(const std::string& strPath);
    // The backup copy, the text copy, then the register itself; returns the main result.
    bool OnSaveDocument(const std::string& strPath);
    // Writes the register to strPath without companions; reports a failure.
    bool SaveDocumentFile(const std::string& strPath, std::string* pError = nullptr);

    // Writes the first nCount entries as a text file; false when it could not be written.
    bool WriteTextRegister(const std::string& strPath, int nCount, std::time_t startDate,
                           std::time_t endDate, bool bWithArchiveHeader) const;
    // The same text as Windows-1252 bytes with CR LF line ends.
    std::string BuildTextRegister(int nCount, std::time_t startDate, std::time_t endDate,
                                  bool bWithArchiveHeader) const;

    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& strPath);
    std::string GetTitle() const; // "TWDoc" until saved or opened, then the file name

    // The services and shared tables a document works with.
    IUserMessages& Messages() const { return m_services.m_messages; }
    std::time_t Today() const;
    CUserTypeTable& UserTypes() const { return m_services.m_userTypes; }

private:
    void LoadEntries(CArchive& ar, std::uint16_t nCount);
    void LoadDeleted(CArchive& ar, std::uint16_t nCount);
    void LoadAutos(CArchive& ar, std::uint16_t nCount);
    void StoreDocument(CArchive& ar);
    void LoadDocument(CArchive& ar);
    void Load3x(CArchive& ar, bool b35);
    void Import20(CArchive& ar);
    bool CheckPassword();

    void AnnounceReset();

    CDocServices m_services;
    IRegisterObserver* m_pObserver = nullptr;
    IStatusPanes* m_pStatus = nullptr;
    // First position whose balance changed since the list last heard of balances.
    std::uint16_t m_nBalancesStale = 0xFFFF;
    bool m_bModified = false;
    std::string m_strPathName;
    std::string m_strLoadFileName; // file name shown by the password prompt
};
