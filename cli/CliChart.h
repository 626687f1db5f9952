#pragma once
#include <ostream>
#include <string>
#include <vector>

// "balances FILE [--by day|week|month] [--from DATE] [--to DATE] [--cleared]" and
// "forecast FILE [--months N]"; args start after the command word. Returns the exit status:
// 0 done, 1 the file could not be opened, 2 wrong usage, and for the forecast 4 when the
// balance goes below zero.
int RunBalancesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunForecastCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
