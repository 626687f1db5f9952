#pragma once
#include "ImportTypes.h"
#include <string_view>

// Reads an OFX or QFX bank or credit-card statement: the 1.x SGML form (leaf tags left
// open, header lines before <OFX>) and the 2.x XML form. Investment statements are refused.
CReadResult ReadOfx(std::string_view bytes);
