#include "EntryTypes.h"
#include "../document/CEntry.h"

int TypeFromComboIndex(int nIndex, const CUserTypeTable& types) {
    if (nIndex < TYPE_USER1)
        return nIndex;
    int nEnabled = 0;
    for (int k = 0; k < 4; ++k) {
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
    for (int k = 0; k < nType - TYPE_USER1 && k < 4; ++k)
        if (!types[static_cast<std::size_t>(k)].m_bEnabled)
            ++nDisabled;
    return nType - nDisabled;
}

std::vector<std::string> TypeListNames(const CUserTypeTable& types) {
    std::vector<std::string> names = {"Check", "ATM", "Check Card", "Teller", "Other"};
    for (const CUserType& t : types)
        if (t.m_bEnabled)
            names.push_back(t.m_strName);
    return names;
}
