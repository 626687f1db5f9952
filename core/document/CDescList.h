#pragma once
#include "CDescItem.h"
#include <cstdint>
#include <string>
#include <vector>

// Operations on a borrowed description list (head and count), used by the document and
// by the dialogs that edit the list in place.
bool DescListContains(const CDescItem* pHead, const std::string& strText);
void DescListAppend(CDescItem*& pHead, std::uint16_t& nCount, const std::string& strText);
CDescItem* DescListAt(CDescItem* pHead, int nIndex);
void DescListRemoveAt(CDescItem*& pHead, std::uint16_t& nCount, int nIndex);
void DescListFree(CDescItem*& pHead, std::uint16_t& nCount);
std::vector<std::string> DescListStrings(const CDescItem* pHead);
