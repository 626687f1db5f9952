#pragma once
#include "CliUsage.h"
#include <ostream>
#include <string>
#include <vector>

// tallywise-cli: reads and converts register files without a display. Returns the exit
// status: 0 done, 1 a file could not be opened or written, 2 wrong usage.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// An argument that reads as an option: it starts with '-' and is not a negative number, so
// "-12.34" stays a value and "-x.twd" is refused unless it follows "--".
bool LooksLikeOption(const std::string& str);
