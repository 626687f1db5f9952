#include "EntryTypes.h"
#include "CEntry.h"

namespace {
const char* const BUILT_IN_NAMES[] = {"Check", "ATM", "Check Card", "Teller", "Other"};
constexpr int USER_TYPE_COUNT = 4;
} // namespace

int TypeFromComboIndex(int nIndex, const CUserTypeTable& types) {
    if (nIndex < TYPE_USER1)
        return nIndex;
    int nEnabled = 0;
    for (int k = 0; k < USER_TYPE_COUNT; ++k) {
        if (!types[static_cast<std::size_t>(k)].m_bEnabled)
            continue;
        if (nEnabled == nIndex - TYPE_USER1)
            return TYPE_USER1 + k;
        ++nEnabled;
    }
    return TYPE_ATM; // a position past the list
}

int TypeComboIndex(int nType, const CUserTypeTable& types) {
    if (nType < TYPE_USER1)
        return nType;
    int nDisabled = 0;
    for (int k = 0; k < nType - TYPE_USER1 && k < USER_TYPE_COUNT; ++k)
        if (!types[static_cast<std::size_t>(k)].m_bEnabled)
            ++nDisabled;
    return nType - nDisabled;
}

std::vector<std::string> TypeListNames(const CUserTypeTable& types) {
    std::vector<std::string> names(std::begin(BUILT_IN_NAMES), std::end(BUILT_IN_NAMES));
    for (const CUserType& t : types)
        if (t.m_bEnabled)
            names.push_back(t.m_strName);
    return names;
}

int TypeListStartIndex(int nIndex, int nItems) {
    return nIndex >= 0 && nIndex < nItems ? nIndex : TYPE_ATM;
}

CUserTypeTable TypesListedFor(int nType, const CUserTypeTable& types) {
    CUserTypeTable listed = types;
    if (nType >= TYPE_USER1 && nType < TYPE_USER1 + USER_TYPE_COUNT)
        listed[static_cast<std::size_t>(nType - TYPE_USER1)].m_bEnabled = 1;
    return listed;
}

std::string TypeName(int nType, const CUserTypeTable& types) {
    if (nType >= TYPE_CHECK && nType <= TYPE_OTHER)
        return BUILT_IN_NAMES[nType];
    if (nType >= TYPE_USER1 && nType < TYPE_USER1 + USER_TYPE_COUNT)
        return types[static_cast<std::size_t>(nType - TYPE_USER1)].m_strName;
    return "";
}

bool IsUserTypeEnabled(int nType, const CUserTypeTable& types) {
    return nType >= TYPE_USER1 && nType < TYPE_USER1 + USER_TYPE_COUNT &&
           types[static_cast<std::size_t>(nType - TYPE_USER1)].m_bEnabled != 0;
}
