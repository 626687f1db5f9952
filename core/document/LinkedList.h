#pragma once
#include <memory>

// The document keeps its entries, deleted entries and automatic entries as singly linked
// lists of nodes with an m_pNext pointer, the list owning its nodes, beside a count.

template <class T, class N> T* ListNodeAt(T* pHead, N nIndex) {
    for (N i = 0; pHead && i < nIndex; ++i)
        pHead = pHead->m_pNext;
    return pHead;
}

template <class T, class N> void ListAppend(T*& pHead, N& nCount, std::unique_ptr<T> pNew) {
    T** ppLink = &pHead;
    while (*ppLink)
        ppLink = &(*ppLink)->m_pNext;
    pNew->m_pNext = nullptr;
    *ppLink = pNew.release();
    ++nCount;
}

// False when there is no node at nIndex.
template <class T, class N> bool ListRemove(T*& pHead, N& nCount, N nIndex) {
    T** ppLink = &pHead;
    for (N i = 0; *ppLink && i < nIndex; ++i)
        ppLink = &(*ppLink)->m_pNext;
    T* pGone = *ppLink;
    if (!pGone)
        return false;
    *ppLink = pGone->m_pNext;
    delete pGone;
    if (nCount > 0)
        --nCount;
    return true;
}

template <class T> void ListFree(T*& pHead) {
    while (pHead) {
        T* pNext = pHead->m_pNext;
        delete pHead;
        pHead = pNext;
    }
}
