#pragma once
#include <string>
#include <vector>

// The description list: strings in the order they were added, none empty, none twice
// (compared exactly, so "Rent" and "rent" are two), at most MAX_DESCS.
using CDescList = std::vector<std::string>;

// True when strText may join the list: not empty, not there yet, and the list not full.
bool CanAddDescription(const CDescList& descs, const std::string& strText);
