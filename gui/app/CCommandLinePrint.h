#pragma once
#include "ProgramUsage.h"
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The forms of the command line that print without the register window:
//   tallywise --print-to-pdf OUT.pdf [--range MM/DD/YYYY:MM/DD/YYYY] [--password PW] FILE
//   tallywise --print FILE     (the file type's print command: the default printer)
//   tallywise --help
//   tallywise --version

// Answers --help and --version, and refuses an unknown option of a window start, before any
// window exists: the exit status, or nothing when the start goes on. "--" ends the options.
std::optional<int> AnswerWithoutWindow(const std::vector<std::string>& args, std::ostream& out,
                                       std::ostream& err);
// True when the arguments (without the program name) ask for one of the printing forms.
bool IsCommandLinePrint(const std::vector<std::string>& args);
// Runs it from main, with an application of its own; returns the exit status.
int RunCommandLinePrint(int argc, char** argv);

// --print-to-pdf inside a running application. 0 done, 1 FILE could not be opened or
// OUT.pdf not written (one line on err), 2 wrong usage. bCanPrompt: a protected FILE
// without --password may ask for the password in a window.
int RunPrintToPdf(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  bool bCanPrompt);
