#include "CDescList.h"

bool DescListContains(const CDescItem* pHead, const std::string& strText) {
    for (const CDescItem* p = pHead; p; p = p->m_pNext)
        if (p->m_strText == strText)
            return true;
    return false;
}

void DescListAppend(CDescItem*& pHead, std::uint16_t& nCount, const std::string& strText) {
    auto* pItem = new CDescItem{strText, nullptr};
    CDescItem** ppLink = &pHead;
    while (*ppLink)
        ppLink = &(*ppLink)->m_pNext;
    *ppLink = pItem;
    ++nCount;
}

CDescItem* DescListAt(CDescItem* pHead, int nIndex) {
    CDescItem* p = pHead;
    for (int i = 0; p && i < nIndex; ++i)
        p = p->m_pNext;
    return nIndex < 0 ? nullptr : p;
}

void DescListRemoveAt(CDescItem*& pHead, std::uint16_t& nCount, int nIndex) {
    CDescItem** ppLink = &pHead;
    for (int i = 0; *ppLink && i < nIndex; ++i)
        ppLink = &(*ppLink)->m_pNext;
    if (nIndex < 0 || !*ppLink)
        return;
    CDescItem* pGone = *ppLink;
    *ppLink = pGone->m_pNext;
    delete pGone;
    --nCount;
}

void DescListFree(CDescItem*& pHead, std::uint16_t& nCount) {
    while (pHead) {
        CDescItem* pNext = pHead->m_pNext;
        delete pHead;
        pHead = pNext;
    }
    nCount = 0;
}

std::vector<std::string> DescListStrings(const CDescItem* pHead) {
    std::vector<std::string> v;
    for (const CDescItem* p = pHead; p; p = p->m_pNext)
        v.push_back(p->m_strText);
    return v;
}
