#pragma once
#include "../document/CUserType.h"
#include <string>
#include <vector>

// The Type list shows the five built-in types, then only the enabled user types, so list
// positions and type codes differ.
int TypeFromComboIndex(int nIndex, const CUserTypeTable& types);
int TypeComboIndex(int nType, const CUserTypeTable& types);
// "Check", "ATM", "Check Card", "Teller", "Other", then each enabled user type's name.
std::vector<std::string> TypeListNames(const CUserTypeTable& types);
