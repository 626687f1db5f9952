#pragma once
#include "Fakes.h"

// The fuzz targets run on the tests' silent fakes: every question is answered Yes, nothing
// is recorded and the clock stands still, so a run depends on its input alone.

// The password of the protected seed files, and what the fuzz prompt answers.
inline constexpr const char* FUZZ_PASSWORD = "fuzz";

struct CFuzzDoc : CSilentDoc {
    CFuzzDoc() { m_password.m_strOtherwise = FUZZ_PASSWORD; }
};
