#pragma once
#include <ostream>
#include <string>
#include <vector>

// "import FILE IN [options]" and "export FILE OUT"; args start after the command word.
// Returns the exit status: 0 done, 1 a file could not be read or written or the import
// was refused, 2 wrong usage or a file that needs --date-order or --map.
int RunImportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// "reconcile FILE BANKFILE [options]": 0 done (and the cleared balance equals the bank's
// ledger balance when the file gives one), 3 when it does not, 1 and 2 as for import.
int RunReconcileCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
