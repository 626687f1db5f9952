#pragma once
#include "CAutoEntry.h"
#include "CDescList.h"
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

// The three lines of bank information.
struct CBankInfo {
    std::string m_strBankName;
    std::string m_strAccountNum;
    std::string m_strAccountName;
    bool operator==(const CBankInfo&) const = default;
};

// The register of one bank account. Its data is its own: readers get const access, and
// every change goes through an operation below that checks it, marks the document
// modified and announces it to the observer.
class CTallywiseDoc {
public:
    explicit CTallywiseDoc(const CDocServices& services);
    ~CTallywiseDoc();
    CTallywiseDoc(const CTallywiseDoc&) = delete;
    CTallywiseDoc& operator=(const CTallywiseDoc&) = delete;

    // ---- Reading
    std::uint16_t EntryCount() const { return static_cast<std::uint16_t>(m_aEntries.size()); }
    // The entry at a row; null past the end.
    const CEntry* GetEntryAt(std::uint16_t nPos) const {
        return nPos < m_aEntries.size() ? &m_aEntries[nPos] : nullptr;
    }
    const std::vector<CEntry>& Entries() const { return m_aEntries; }
    const CDescList& Descriptions() const { return m_aDescs; }
    const std::vector<CDeletedEntry>& DeletedEntries() const { return m_aDeleted; }
    const std::vector<CAutoEntry>& AutoEntries() const { return m_aAutos; }
    double StartBalance() const { return m_dStartBal; }
    bool IsStartBalSet() const { return m_bStartBalSet != 0; }
    std::uint16_t NextCheck() const { return m_nNextCheck; }
    std::uint32_t ArchiveCount() const { return m_nArchives; }
    const CBankInfo& BankInfo() const { return m_bank; }
    bool IsPasswordSet() const { return m_bPassword == 1; }
    const std::string& Password() const { return m_strPassword; }
    // Version tag of the last file read ("3.5TW", "3.0TW" or "2.0").
    const std::string& VersionRead() const { return m_strVersionRead; }
    double CurrentBalance() const; // last running balance, or the starting balance
    bool CanInsertEntry() const { return m_aEntries.size() < MAX_COUNT; }

    // ---- Changing the entries
    // Puts the entry in date order behind entries of the same date and recomputes balances.
    // Refuses (with a message, returning nothing) when the register already holds 65535.
    std::optional<std::uint16_t> InsertEntry(CEntry entry);
    // Many entries at once, each placed as InsertEntry would in the order given, announced
    // as one change. Returns the final positions of those taken, in the order given; past
    // 65535 the rest are refused with one message.
    std::vector<std::uint16_t> InsertEntries(std::vector<CEntry> entries);
    // A bank statement's changes: the entries at these positions become cleared and the new
    // ones are inserted, all announced as one change. Returns the new entries' positions.
    std::vector<std::uint16_t> ClearAndInsertEntries(const std::vector<std::uint16_t>& clear,
                                                     std::vector<CEntry> entries);
    void RemoveEntry(std::uint16_t nPos, bool bKeepForUndo, bool bRecalc);
    // An edit: the entry at nPos is replaced and moves behind the entries of its (possibly
    // new) date; never touches the deleted list. Returns the new position.
    std::optional<std::uint16_t> ReplaceEntry(std::uint16_t nPos, CEntry entry);
    // Recomputes every running balance; the list rewrites them from nFrom, or from an
    // earlier position that a removal without recalculation left behind.
    void UpdateBalances(std::uint16_t nFrom = 0);
    void SetEntryCleared(std::uint16_t nPos, std::uint32_t bCleared);
    // Archiving: the first nCount entries leave, and the balance after the last of them
    // becomes the starting balance; the archive count goes up by one.
    void RemoveArchivedEntries(std::uint16_t nCount);

    // ---- Changing the other lists; each takes a whole edited copy back, and refuses one
    // longer than a file's 16-bit count can hold.
    void AddDescription(std::string strText);
    bool SetDescriptions(CDescList descs);
    bool SetAutoEntries(std::vector<CAutoEntry> autos);
    bool SetDeletedEntries(std::vector<CDeletedEntry> deleted);
    // Puts the deleted entries at these indexes back into the register (one change) and
    // drops them from the deleted list; any the register refuses stay there. Returns the
    // positions the restored entries stand at.
    std::vector<std::uint16_t> RestoreDeletedEntries(const std::vector<std::size_t>& indexes);

    // ---- Changing the account's values
    void SetStartingBalance(double dStartBal);
    void SetNextCheck(std::uint16_t nNextCheck);
    void SetBankInfo(CBankInfo bank);
    void SetPassword(std::string strPassword); // protection on with this password
    void ClearPassword();                      // protection off
    // The user-defined types (kept outside the document) changed: the register that is
    // saved with them is modified and its rows show other abbreviations.
    void UserTypesChanged();
    void RefreshTypeUsage();

    // ---- The document cycle
    bool OnNewDocument();
    void DeleteContents();
    bool IsModified() const { return m_bModified; }
    // The settings a save follows; see CSaveOptions.
    void SetSaveOptions(const CSaveOptions& options) { m_saveOptions = options; }
    const CSaveOptions& SaveOptions() const { return m_saveOptions; }

    // Where the document announces changes of its entry list and its two status figures.
    void SetObserver(IRegisterObserver* pObserver) { m_pObserver = pObserver; }
    // Other windows that follow the register hear the same, after the list.
    void AddWatcher(IRegisterObserver* pWatcher) { m_aWatchers.push_back(pWatcher); }
    void RemoveWatcher(IRegisterObserver* pWatcher) { std::erase(m_aWatchers, pWatcher); }
    void SetStatusPanes(IStatusPanes* pStatus) { m_pStatus = pStatus; }

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
    void SetModifiedFlag(bool bModified = true) { m_bModified = bModified; }
    void LoadEntries(CArchive& ar, std::uint16_t nCount);
    void LoadDeleted(CArchive& ar, std::uint16_t nCount);
    void LoadAutos(CArchive& ar, std::uint16_t nCount);
    void StoreDocument(CArchive& ar);
    void LoadDocument(CArchive& ar);
    void Load3x(CArchive& ar, bool b35);
    void Load3xHeader(CArchive& ar, bool b35);
    void Import20(CArchive& ar);
    void Import20Autos(CArchive& ar, std::uint16_t nAutos);
    void Import20Entries(CArchive& ar, std::uint32_t nRecords);
    bool CheckPassword();
    void ShowRefusal() const;
    void WarnDeletedListFull() const;
    std::uint16_t PlaceEntry(CEntry entry);
    std::vector<std::uint16_t> MergeEntries(std::vector<CEntry> entries);

    template <class F> void Announce(F fn) {
        if (m_pObserver)
            fn(*m_pObserver);
        for (IRegisterObserver* pWatcher : m_aWatchers)
            fn(*pWatcher);
    }
    void AnnounceReset();
    void EntryChanged(std::uint16_t nPos);
    // Marks the document modified and tells the observer that more than its entries changed.
    void DocumentChanged();

    CDocServices m_services;
    IRegisterObserver* m_pObserver = nullptr;
    std::vector<IRegisterObserver*> m_aWatchers;
    IStatusPanes* m_pStatus = nullptr;

    std::vector<CEntry> m_aEntries; // the register, in date order
    CDescList m_aDescs;
    std::vector<CDeletedEntry> m_aDeleted; // oldest first
    std::vector<CAutoEntry> m_aAutos;
    std::string m_strPassword;
    std::uint32_t m_bPassword = 0;
    std::uint16_t m_nNextCheck = 101;
    double m_dStartBal = 0.0;
    std::uint32_t m_bStartBalSet = 0;
    std::uint32_t m_nArchives = 0;
    CBankInfo m_bank;
    std::uint32_t m_nReserved = 0; // kept from load to save
    std::string m_strVersionRead;
    CSaveOptions m_saveOptions;

    // First position whose balance changed since the list last heard of balances.
    std::uint16_t m_nBalancesStale = 0xFFFF;
    bool m_bModified = false;
    std::string m_strPathName;
    std::string m_strLoadFileName; // file name shown by the password prompt
};
