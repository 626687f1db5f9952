#pragma once
#include "core/framework/CommandLineHelp.h"
#include <string>

// Every option of the window program: its --help text and its manual page are made from
// this one description. Standard C++ only, so the manual's generator needs no Qt.
const CProgramHelp& ProgramHelp();

// The --help text, also printed after a usage error.
extern const std::string PROGRAM_USAGE;
