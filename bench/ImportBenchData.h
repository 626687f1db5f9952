#pragma once
#include "core/document/CTallywiseDoc.h"
#include <string>

// A 10,000-transaction OFX statement and a 5,000-entry register holding its first half.
constexpr int REGISTER_ENTRIES = 5000;
constexpr int FILE_TRANSACTIONS = 10000;
void FillMatchingRegister(CTallywiseDoc& doc);
std::string MakeStatement();
