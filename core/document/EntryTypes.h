#pragma once
#include "CUserType.h"
#include <string>
#include <vector>

// Every list of types takes the user types' names and abbreviations from the table the
// document works with (doc.UserTypes()), so a change made in Options shows everywhere.

// The Type list shows the five built-in types, then only the enabled user types, so list
// positions and type codes differ.
int TypeFromComboIndex(int nIndex, const CUserTypeTable& types);
int TypeComboIndex(int nType, const CUserTypeTable& types);
// "Check", "ATM", "Check Card", "Teller", "Other", then each enabled user type's name.
std::vector<std::string> TypeListNames(const CUserTypeTable& types);
// The position a type list opens on: nIndex, or 1 ("ATM") when nIndex is not in the list.
int TypeListStartIndex(int nIndex, int nItems);

// The table as the Type list of one record shows it: a record whose user type is switched
// off keeps that type, so the type is listed (by its name, in slot order) for it alone.
CUserTypeTable TypesListedFor(int nType, const CUserTypeTable& types);

// The name of a type code: a built-in name, or the user type's name whether or not that
// type is enabled; empty for a code outside 0..8.
std::string TypeName(int nType, const CUserTypeTable& types);
// True for codes 5..8 whose slot is switched on.
bool IsUserTypeEnabled(int nType, const CUserTypeTable& types);
// The abbreviation of a type code is TypeAbbreviation() of RegisterCells.h.
