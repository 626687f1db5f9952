#include "CTallywiseDoc.h"
#include "CDescList.h"
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
    std::vector<CEntry> gone;
    gone.swap(m_aEntries);
    AnnounceReset();
    gone.clear();
    m_aDescs.clear();
    m_aDeleted.clear();
    m_aAutos.clear();
    ResetUserTypes(UserTypes());
}

void CTallywiseDoc::AnnounceReset() {
    m_nBalancesStale = 0xFFFF;
    Announce([](IRegisterObserver& o) { o.OnEntriesReset(); });
}

bool CTallywiseDoc::OnNewDocument() {
    DeleteContents();
    m_strPassword.clear();
    m_bPassword = 0;
    m_nNextCheck = 101;
    m_dStartBal = 0.0;
    m_bStartBalSet = 0;
    m_nArchives = 0;
    m_bank = CBankInfo();
    m_nReserved = 0;
    m_strVersionRead.clear();
    m_strPathName.clear();
    SetModifiedFlag(false);
    PublishStatus();
    return true;
}

void CTallywiseDoc::ShowRefusal() const {
    Messages().ShowMessage(Format("This register cannot hold more than %d entries.\nArchive old "
                                  "entries to make room for new ones.",
                                  MAX_COUNT),
                           EMsgIcon::Information);
}

// Behind every entry of the same or an earlier date.
std::uint16_t CTallywiseDoc::PlaceEntry(CEntry entry) {
    const auto it =
        std::upper_bound(m_aEntries.begin(), m_aEntries.end(), entry.m_date,
                         [](std::time_t date, const CEntry& e) { return date < e.m_date; });
    const auto nPos = static_cast<std::uint16_t>(it - m_aEntries.begin());
    m_aEntries.insert(it, std::move(entry));
    return nPos;
}

std::optional<std::uint16_t> CTallywiseDoc::InsertEntry(CEntry entry) {
    if (!CanInsertEntry()) {
        ShowRefusal();
        return std::nullopt;
    }
    SetModifiedFlag();
    const std::uint16_t nPos = PlaceEntry(std::move(entry));
    Announce([nPos](IRegisterObserver& o) { o.OnEntryInserted(nPos); });
    UpdateBalances(nPos);
    return nPos;
}

// One pass over both lists: the register keeps its order, each new entry goes behind the
// entries of its date, new entries of one date keep the order given.
std::vector<std::uint16_t> CTallywiseDoc::MergeEntries(std::vector<CEntry> entries) {
    std::vector<std::size_t> order(entries.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&entries](std::size_t a, std::size_t b) {
        return entries[a].m_date < entries[b].m_date;
    });
    std::vector<CEntry> merged;
    merged.reserve(m_aEntries.size() + entries.size());
    std::vector<std::uint16_t> positions(entries.size());
    auto old = m_aEntries.begin();
    for (std::size_t i : order) {
        while (old != m_aEntries.end() && old->m_date <= entries[i].m_date)
            merged.push_back(std::move(*old++));
        positions[i] = static_cast<std::uint16_t>(merged.size());
        merged.push_back(std::move(entries[i]));
    }
    std::move(old, m_aEntries.end(), std::back_inserter(merged));
    m_aEntries.swap(merged);
    return positions;
}

std::vector<std::uint16_t> CTallywiseDoc::InsertEntries(std::vector<CEntry> entries) {
    const std::size_t nRoom = MAX_COUNT - m_aEntries.size();
    if (entries.size() > nRoom) {
        ShowRefusal();
        entries.resize(nRoom);
    }
    if (entries.empty())
        return {};
    SetModifiedFlag();
    std::vector<std::uint16_t> positions = MergeEntries(std::move(entries));
    AnnounceReset();
    UpdateBalances();
    return positions;
}

std::vector<std::uint16_t>
CTallywiseDoc::ClearAndInsertEntries(const std::vector<std::uint16_t>& clear,
                                     std::vector<CEntry> entries) {
    const std::size_t nRoom = MAX_COUNT - m_aEntries.size();
    if (entries.size() > nRoom) {
        ShowRefusal();
        entries.resize(nRoom);
    }
    if (entries.empty() && clear.empty())
        return {};
    SetModifiedFlag();
    for (std::uint16_t nPos : clear)
        if (nPos < m_aEntries.size())
            m_aEntries[nPos].m_bCleared = 1;
    std::vector<std::uint16_t> positions = MergeEntries(std::move(entries));
    AnnounceReset();
    UpdateBalances();
    return positions;
}

void CTallywiseDoc::WarnDeletedListFull() const {
    if (m_aDeleted.size() == MAX_DELETED - 1)
        Messages().ShowMessage("You have reached the maximum number\nof 100 deleted entries in "
                               "this checkbook.\nThe next time you delete an entry,\nit will not "
                               "be able to be un-deleted.  Remove\ndeleted entries to free up "
                               "space.",
                               EMsgIcon::Exclamation);
    else if (m_aDeleted.size() >= MAX_DELETED)
        Messages().ShowMessage("This entry will not be stored in\nthe undo delete list.",
                               EMsgIcon::Exclamation);
}

void CTallywiseDoc::RemoveEntry(std::uint16_t nPos, bool bKeepForUndo, bool bRecalc) {
    if (nPos >= m_aEntries.size())
        return;
    if (bKeepForUndo)
        WarnDeletedListFull();
    SetModifiedFlag();
    if (bKeepForUndo && m_aDeleted.size() < MAX_DELETED) {
        CDeletedEntry kept;
        static_cast<CEntryFields&>(kept) = m_aEntries[nPos];
        kept.m_dBalance = 0.0;
        m_aDeleted.push_back(std::move(kept));
    }
    m_aEntries.erase(m_aEntries.begin() + nPos);
    Announce([nPos](IRegisterObserver& o) { o.OnEntryRemoved(nPos); });
    m_nBalancesStale = std::min(m_nBalancesStale, nPos);
    if (bRecalc)
        UpdateBalances(nPos);
}

std::optional<std::uint16_t> CTallywiseDoc::ReplaceEntry(std::uint16_t nPos, CEntry entry) {
    if (nPos >= m_aEntries.size())
        return std::nullopt;
    RemoveEntry(nPos, false, false);
    return InsertEntry(std::move(entry));
}

void CTallywiseDoc::UpdateBalances(std::uint16_t nFrom) {
    double dBalance = m_dStartBal;
    for (CEntry& e : m_aEntries) {
        dBalance = e.m_bDebit ? dBalance - e.m_dAmount : dBalance + e.m_dAmount;
        e.m_dBalance = dBalance;
    }
    nFrom = std::min(nFrom, m_nBalancesStale);
    m_nBalancesStale = 0xFFFF;
    if (nFrom < m_aEntries.size())
        Announce([nFrom](IRegisterObserver& o) { o.OnBalancesChanged(nFrom); });
    PublishStatus();
}

void CTallywiseDoc::SetEntryCleared(std::uint16_t nPos, std::uint32_t bCleared) {
    if (nPos >= m_aEntries.size())
        return;
    SetModifiedFlag();
    m_aEntries[nPos].m_bCleared = bCleared;
    EntryChanged(nPos);
}

void CTallywiseDoc::DocumentChanged() {
    SetModifiedFlag();
    Announce([](IRegisterObserver& o) { o.OnDocumentChanged(); });
}

void CTallywiseDoc::EntryChanged(std::uint16_t nPos) {
    if (nPos < m_aEntries.size())
        Announce([nPos](IRegisterObserver& o) { o.OnEntryChanged(nPos); });
}

void CTallywiseDoc::RemoveArchivedEntries(std::uint16_t nCount) {
    if (nCount == 0 || nCount > m_aEntries.size())
        return;
    SetModifiedFlag();
    m_dStartBal = m_aEntries[nCount - 1].m_dBalance;
    m_aEntries.erase(m_aEntries.begin(), m_aEntries.begin() + nCount);
    ++m_nArchives;
    AnnounceReset();
    PublishStatus();
}

double CTallywiseDoc::CurrentBalance() const {
    return m_aEntries.empty() ? m_dStartBal : m_aEntries.back().m_dBalance;
}

void CTallywiseDoc::PublishStatus() {
    if (!m_pStatus)
        return;
    m_pStatus->SetStatusBalance(CurrentBalance());
    m_pStatus->SetStatusEntries(EntryCount());
}

void CTallywiseDoc::AddDescription(std::string strText) {
    if (!CanAddDescription(m_aDescs, strText))
        return;
    m_aDescs.push_back(std::move(strText));
    DocumentChanged();
}

bool CTallywiseDoc::SetDescriptions(CDescList descs) {
    if (descs.size() > MAX_COUNT)
        return false; // its count would not fit the file
    m_aDescs = std::move(descs);
    DocumentChanged();
    return true;
}

bool CTallywiseDoc::SetAutoEntries(std::vector<CAutoEntry> autos) {
    if (autos.size() > MAX_COUNT)
        return false; // its count would not fit the file
    m_aAutos = std::move(autos);
    DocumentChanged();
    return true;
}

bool CTallywiseDoc::SetDeletedEntries(std::vector<CDeletedEntry> deleted) {
    if (deleted.size() > MAX_COUNT)
        return false; // its count would not fit the file
    m_aDeleted = std::move(deleted);
    DocumentChanged();
    return true;
}

std::vector<std::uint16_t>
CTallywiseDoc::RestoreDeletedEntries(const std::vector<std::size_t>& indexes) {
    std::vector<CEntry> restored;
    std::vector<bool> bTaken(m_aDeleted.size(), false);
    for (std::size_t i : indexes) {
        if (i >= m_aDeleted.size() || bTaken[i])
            continue;
        if (m_aEntries.size() + restored.size() >= MAX_COUNT) {
            ShowRefusal();
            break;
        }
        bTaken[i] = true;
        CEntry e;
        static_cast<CEntryFields&>(e) = m_aDeleted[i];
        e.m_dBalance = 0.0;
        restored.push_back(std::move(e));
    }
    // A record moved onto itself would lose its text.
    std::size_t nKept = 0;
    for (std::size_t i = 0; i < m_aDeleted.size(); ++i) {
        if (bTaken[i])
            continue;
        if (nKept != i)
            m_aDeleted[nKept] = std::move(m_aDeleted[i]);
        ++nKept;
    }
    m_aDeleted.resize(nKept);
    return InsertEntries(std::move(restored));
}

void CTallywiseDoc::SetStartingBalance(double dStartBal) {
    m_dStartBal = dStartBal;
    m_bStartBalSet = 1;
    DocumentChanged();
    UpdateBalances();
}

void CTallywiseDoc::SetNextCheck(std::uint16_t nNextCheck) {
    m_nNextCheck = nNextCheck;
    DocumentChanged();
}

void CTallywiseDoc::SetBankInfo(CBankInfo bank) {
    m_bank = std::move(bank);
    DocumentChanged();
}

void CTallywiseDoc::SetPassword(std::string strPassword) {
    m_bPassword = 1;
    m_strPassword = std::move(strPassword);
    DocumentChanged();
}

void CTallywiseDoc::ClearPassword() {
    m_bPassword = 0;
    m_strPassword.clear();
    DocumentChanged();
}

void CTallywiseDoc::UserTypesChanged() {
    SetModifiedFlag();
    RefreshTypeUsage();
    AnnounceReset();
}

void CTallywiseDoc::RefreshTypeUsage() {
    CUserTypeTable& types = UserTypes();
    for (CUserType& t : types)
        t.m_bNotInUse = 1;
    auto mark = [&types](int nType) {
        if (nType > TYPE_OTHER && nType < TYPE_USER1 + 4)
            types[static_cast<std::size_t>(nType - TYPE_USER1)].m_bNotInUse = 0;
    };
    for (const CEntry& e : m_aEntries)
        mark(e.m_nType);
    for (const CDeletedEntry& e : m_aDeleted)
        mark(e.m_nType);
    for (const CAutoEntry& a : m_aAutos)
        mark(a.m_nType);
}

void CTallywiseDoc::SwapContents(CTallywiseDoc& other) {
    using std::swap;
    swap(m_aEntries, other.m_aEntries);
    swap(m_aDescs, other.m_aDescs);
    swap(m_aDeleted, other.m_aDeleted);
    swap(m_aAutos, other.m_aAutos);
    swap(m_strPassword, other.m_strPassword);
    swap(m_bPassword, other.m_bPassword);
    swap(m_nNextCheck, other.m_nNextCheck);
    swap(m_dStartBal, other.m_dStartBal);
    swap(m_bStartBalSet, other.m_bStartBalSet);
    swap(m_nArchives, other.m_nArchives);
    swap(m_bank, other.m_bank);
    swap(m_nReserved, other.m_nReserved);
    swap(m_strVersionRead, other.m_strVersionRead);
    swap(m_bModified, other.m_bModified);
    swap(m_strPathName, other.m_strPathName);
    // Each document keeps its own list and status panes; the list shows the new entries.
    AnnounceReset();
}
