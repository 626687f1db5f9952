#pragma once
#include <string>
#include <string_view>

// Files hold Windows-1252 bytes; memory and screen hold UTF-8. The mapping is one to one
// over all 256 byte values (the five unassigned bytes map to the C1 controls of the same
// value), so any byte survives a load and a save.
std::string Cp1252ToUtf8(std::string_view bytes);
// Characters Windows-1252 cannot hold become '?'; malformed UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view utf8);
bool IsCp1252Char(char32_t ch);
// Number of characters (code points) of a UTF-8 string, as the length limits count them.
std::size_t Utf8Length(std::string_view utf8);
