#pragma once
#include <ostream>
#include <string>
#include <vector>

// "import FILE IN [options]" and "export FILE OUT"; args start after the command word.
// Returns the exit status: 0 done, 1 a file could not be read or written or the import
// was refused, 2 wrong usage or a file that needs --date-order or --map.
int RunImportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
