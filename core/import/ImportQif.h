#pragma once
#include "ImportTypes.h"
#include <string_view>

// Reads the bank, cash and credit-card sections of a QIF file; other sections are left
// out with a count. Dates take the given order, or the one the whole file allows.
CReadResult ReadQif(std::string_view bytes, EDateOrder order);
