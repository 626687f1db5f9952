#pragma once
#include "core/framework/CommandLineHelp.h"
#include <string>

// Every command and option of tallywise-cli: its --help text and its manual page are made
// from this one description.
const CProgramHelp& CliHelp();

// The --help text, also printed after a usage error.
extern const std::string CLI_USAGE;
