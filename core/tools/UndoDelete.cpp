#include "UndoDelete.h"
#include "core/document/CTallywiseDoc.h"
#include "core/document/LinkedList.h"
#include <memory>

CDeletedEntry* DeletedEntryAt(CDeletedEntry* pHead, std::uint16_t nIndex) {
    return ListNodeAt(pHead, nIndex);
}

bool RemoveDeletedEntry(CDeletedEntry*& pHead, std::uint16_t& nCount, std::uint16_t nIndex) {
    return ListRemove(pHead, nCount, nIndex);
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
