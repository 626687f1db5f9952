#pragma once
#include <string>

// One string of the description list.
struct CDescItem {
    std::string m_strText;
    CDescItem* m_pNext = nullptr;
};
