#include "CTallywiseDoc.h"
#include "CDescList.h"
#include "LinkedList.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include "core/framework/IClock.h"
#include "core/framework/IRegisterObserver.h"
#include "core/framework/IStatusPanes.h"
#include "core/framework/IUserMessages.h"
#include <algorithm>

CTallywiseDoc::CTallywiseDoc(const CDocServices& services) : m_services(services) {}

std::time_t CTallywiseDoc::Today() const {
    return ToLocalMidnight(m_services.m_clock.Now());
}

CTallywiseDoc::~CTallywiseDoc() {
    DeleteContents();
}

// The list lets go of every row before the entries are freed.
void CTallywiseDoc::DeleteContents() {
    CEntry* pEntries = m_pEntries;
    m_pEntries = nullptr;
    m_nEntries = 0;
    AnnounceReset();
    ListFree(pEntries);
    DescListFree(m_pDescs, m_nDescs);
    ListFree(m_pDeleted);
    ListFree(m_pAutos);
    m_nDeleted = m_nAutos = 0;
    ResetUserTypes(UserTypes());
}

void CTallywiseDoc::AnnounceReset() {
    m_nBalancesStale = 0xFFFF;
    if (m_pObserver)
        m_pObserver->OnEntriesReset();
}

bool CTallywiseDoc::OnNewDocument() {
    DeleteContents();
    m_strPassword.clear();
    m_bPassword = 0;
    m_nNextCheck = 101;
    m_dStartBal = 0.0;
    m_bStartBalSet = 0;
    m_nArchives = 0;
    m_strBankName.clear();
    m_strAccountNum.clear();
    m_strAccountName.clear();
    m_nReserved = 0;
    m_strVersionRead.clear();
    m_strPathName.clear();
    SetModifiedFlag(false);
    PublishStatus();
    return true;
}

std::optional<std::uint16_t> CTallywiseDoc::InsertEntry(std::unique_ptr<CEntry> pEntry) {
    if (!CanInsertEntry()) {
        Messages().ShowMessage(
            Format("This register cannot hold more than %d entries.\nArchive old entries to "
                   "make room for new ones.",
                   MAX_COUNT),
            EMsgIcon::Information);
        return std::nullopt;
    }
    CEntry* e = pEntry.release();
    std::uint16_t nPos = 0;
    CEntry** ppLink = &m_pEntries;
    // Behind every entry of the same or an earlier date.
    while (*ppLink && (*ppLink)->m_date <= e->m_date) {
        ppLink = &(*ppLink)->m_pNext;
        ++nPos;
    }
    e->m_pNext = *ppLink;
    *ppLink = e;
    ++m_nEntries;
    if (m_pObserver)
        m_pObserver->OnEntryInserted(nPos);
    UpdateBalances(nPos);
    return nPos;
}

void CTallywiseDoc::RemoveEntry(std::uint16_t nPos, bool bKeepForUndo, bool bRecalc) {
    if (nPos >= m_nEntries)
        return;
    if (bKeepForUndo) {
        if (m_nDeleted == MAX_DELETED - 1)
            Messages().ShowMessage(
                "You have reached the maximum number\nof 100 deleted entries in this "
                "checkbook.\nThe next time you delete an entry,\nit will not be able to be "
                "un-deleted.  Remove\ndeleted entries to free up space.",
                EMsgIcon::Exclamation);
        else if (m_nDeleted >= MAX_DELETED)
            Messages().ShowMessage("This entry will not be stored in\nthe undo delete list.",
                                   EMsgIcon::Exclamation);
    }
    SetModifiedFlag();
    CEntry** ppLink = &m_pEntries;
    for (std::uint16_t i = 0; i < nPos; ++i)
        ppLink = &(*ppLink)->m_pNext;
    CEntry* pGone = *ppLink;
    *ppLink = pGone->m_pNext;
    if (bKeepForUndo && m_nDeleted < MAX_DELETED) {
        auto* pDel = new CDeletedEntry;
        static_cast<CEntryFields&>(*pDel) = *pGone;
        pDel->m_dBalance = 0.0;
        CDeletedEntry** ppTail = &m_pDeleted;
        while (*ppTail)
            ppTail = &(*ppTail)->m_pNext;
        *ppTail = pDel;
        ++m_nDeleted;
    }
    --m_nEntries;
    // The row goes before the entry does.
    if (m_pObserver)
        m_pObserver->OnEntryRemoved(nPos);
    delete pGone;
    m_nBalancesStale = std::min(m_nBalancesStale, nPos);
    if (bRecalc)
        UpdateBalances(nPos);
}

void CTallywiseDoc::UpdateBalances(std::uint16_t nFrom) {
    double dBalance = m_dStartBal;
    for (CEntry* e = m_pEntries; e; e = e->m_pNext) {
        dBalance = e->m_bDebit ? dBalance - e->m_dAmount : dBalance + e->m_dAmount;
        e->m_dBalance = dBalance;
    }
    nFrom = std::min(nFrom, m_nBalancesStale);
    m_nBalancesStale = 0xFFFF;
    if (m_pObserver && nFrom < m_nEntries)
        m_pObserver->OnBalancesChanged(nFrom);
    PublishStatus();
}

void CTallywiseDoc::SetEntryCleared(std::uint16_t nPos, std::uint32_t bCleared) {
    CEntry* e = GetEntryAt(nPos);
    if (!e)
        return;
    SetModifiedFlag();
    e->m_bCleared = bCleared;
    EntryChanged(nPos);
}

void CTallywiseDoc::EntryChanged(std::uint16_t nPos) {
    if (m_pObserver && nPos < m_nEntries)
        m_pObserver->OnEntryChanged(nPos);
}

double CTallywiseDoc::CurrentBalance() const {
    const CEntry* pLast = nullptr;
    for (const CEntry* e = m_pEntries; e; e = e->m_pNext)
        pLast = e;
    return pLast ? pLast->m_dBalance : m_dStartBal;
}

void CTallywiseDoc::PublishStatus() {
    if (!m_pStatus)
        return;
    m_pStatus->SetStatusBalance(CurrentBalance());
    m_pStatus->SetStatusEntries(m_nEntries);
}

void CTallywiseDoc::AddDescription(std::string strText) {
    if (m_nDescs >= MAX_DESCS || strText.empty() || DescListContains(m_pDescs, strText))
        return;
    DescListAppend(m_pDescs, m_nDescs, strText);
}

void CTallywiseDoc::RefreshTypeUsage() {
    CUserTypeTable& types = UserTypes();
    for (CUserType& t : types)
        t.m_bNotInUse = 1;
    auto mark = [&types](int nType) {
        if (nType > TYPE_OTHER && nType < TYPE_USER1 + 4)
            types[static_cast<std::size_t>(nType - TYPE_USER1)].m_bNotInUse = 0;
    };
    for (const CEntry* e = m_pEntries; e; e = e->m_pNext)
        mark(e->m_nType);
    for (const CDeletedEntry* e = m_pDeleted; e; e = e->m_pNext)
        mark(e->m_nType);
    for (const CAutoEntry* a = m_pAutos; a; a = a->m_pNext)
        mark(a->m_nType);
}

CEntry* CTallywiseDoc::GetEntryAt(std::uint16_t nPos) const {
    CEntry* e = m_pEntries;
    for (std::uint16_t i = 0; e && i < nPos; ++i)
        e = e->m_pNext;
    return e;
}

void CTallywiseDoc::SwapContents(CTallywiseDoc& other) {
    using std::swap;
    swap(m_pEntries, other.m_pEntries);
    swap(m_nEntries, other.m_nEntries);
    swap(m_pDescs, other.m_pDescs);
    swap(m_nDescs, other.m_nDescs);
    swap(m_pDeleted, other.m_pDeleted);
    swap(m_nDeleted, other.m_nDeleted);
    swap(m_pAutos, other.m_pAutos);
    swap(m_nAutos, other.m_nAutos);
    swap(m_strPassword, other.m_strPassword);
    swap(m_bPassword, other.m_bPassword);
    swap(m_nNextCheck, other.m_nNextCheck);
    swap(m_dStartBal, other.m_dStartBal);
    swap(m_bStartBalSet, other.m_bStartBalSet);
    swap(m_nArchives, other.m_nArchives);
    swap(m_strBankName, other.m_strBankName);
    swap(m_strAccountNum, other.m_strAccountNum);
    swap(m_strAccountName, other.m_strAccountName);
    swap(m_nReserved, other.m_nReserved);
    swap(m_strVersionRead, other.m_strVersionRead);
    swap(m_bModified, other.m_bModified);
    swap(m_strPathName, other.m_strPathName);
    // Each document keeps its own list and status panes; the list shows the new entries.
    AnnounceReset();
}
