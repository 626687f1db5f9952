#pragma once
#include <array>
#include <cstdint>
#include <string>

struct CUserType {
    std::string m_strName;
    std::string m_strAbbr;
    std::uint32_t m_bEnabled = 0;
    std::uint32_t m_bNotInUse = 1;
    void Reset() { *this = CUserType(); }
    bool operator==(const CUserType&) const = default;
};

using CUserTypeTable = std::array<CUserType, 4>;

inline void ResetUserTypes(CUserTypeTable& table) {
    for (CUserType& t : table)
        t.Reset();
}
