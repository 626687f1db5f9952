#pragma once
#include <optional>
#include <string>
#include <string_view>

// Files hold Windows-1252 bytes; memory and screen hold UTF-8. The mapping is one to one
// over all 256 byte values (the five unassigned bytes map to the C1 controls of the same
// value), so any byte survives a load and a save.
std::string Cp1252ToUtf8(std::string_view bytes);
// Characters Windows-1252 cannot hold become '?'; malformed UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view utf8);
bool IsCp1252Char(char32_t ch);
void AppendUtf8(std::string& out, char32_t ch);
// Length of the valid UTF-8 sequence at i, or 0 (overlong forms, surrogates and code points
// above U+10FFFF are not valid).
std::size_t Utf8SequenceAt(std::string_view s, std::size_t i);
bool IsValidUtf8(std::string_view bytes);
// Valid UTF-8 that holds at least one multi-byte sequence: plain ASCII reads alike either way.
bool IsMultiByteUtf8(std::string_view bytes);
// Number of characters (code points) of a UTF-8 string, as the length limits count them.
std::size_t Utf8Length(std::string_view utf8);

// The first character of a text that Windows-1252 cannot hold, placed in UTF-16 units as
// the text fields count them: a character beyond 16 bits takes two units, a lone half of
// such a pair one.
struct CUnstorableChar {
    std::size_t m_nPos = 0;
    std::size_t m_nUnits = 1;
    char32_t m_ch = 0;
};
std::optional<CUnstorableChar> FindUnstorableChar(std::u16string_view text);
// The refusal of a text field that would have to drop that character.
std::string UnstorableCharMessage(char32_t ch);
