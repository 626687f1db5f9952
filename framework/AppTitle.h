#pragma once

// The caption of every message box.
inline constexpr const char* APP_TITLE = "Tallywise v3.5";
