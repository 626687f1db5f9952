#include "UndoDelete.h"
#include "../document/CTallywiseDoc.h"
#include <memory>

CDeletedEntry* DeletedEntryAt(CDeletedEntry* pHead, std::uint16_t nIndex) {
    for (std::uint16_t i = 0; pHead && i < nIndex; ++i)
        pHead = pHead->m_pNext;
    return pHead;
}

bool RemoveDeletedEntry(CDeletedEntry*& pHead, std::uint16_t& nCount, std::uint16_t nIndex) {
    CDeletedEntry** ppLink = &pHead;
    for (std::uint16_t i = 0; *ppLink && i < nIndex; ++i)
        ppLink = &(*ppLink)->m_pNext;
    CDeletedEntry* pGone = *ppLink;
    if (!pGone)
        return false;
    *ppLink = pGone->m_pNext;
    delete pGone;
    if (nCount > 0)
        --nCount;
    return true;
}

std::optional<std::uint16_t> RestoreDeletedEntry(CTallywiseDoc& doc, std::uint16_t nIndex) {
    const CDeletedEntry* pDeleted = DeletedEntryAt(doc.m_pDeleted, nIndex);
    if (!pDeleted)
        return std::nullopt;
    auto pEntry = std::make_unique<CEntry>();
    static_cast<CEntryFields&>(*pEntry) = *pDeleted;
    pEntry->m_dBalance = 0.0;
    const std::optional<std::uint16_t> nPos = doc.InsertEntry(std::move(pEntry));
    if (nPos)
        RemoveDeletedEntry(doc.m_pDeleted, doc.m_nDeleted, nIndex);
    return nPos;
}
