#pragma once

// What --version prints after the program's name.
inline constexpr const char* APP_VERSION = "3.5";
// The caption of every message box.
inline constexpr const char* APP_TITLE = "Tallywise v3.5";
// Where the settings are kept: the maker's name, then the title.
inline constexpr const char* APP_ORGANIZATION = "Kestrane";
