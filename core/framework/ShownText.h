#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Reading a file of any origin to show it as text.
inline constexpr std::size_t SHOWN_TEXT_MAX_BYTES = 64 * 1024 * 1024;
// A zero byte this early means the file is not text.
inline constexpr std::size_t SHOWN_TEXT_PROBE_BYTES = 8 * 1024;

struct CShownText {
    bool m_bOk = false;
    std::string m_strText;  // UTF-8, lines ending in "\n"
    std::string m_strError; // why it cannot be shown
};
// A file written by another program as UTF-8 reads as UTF-8; anything else, archives of
// this program included, as Windows-1252. CR LF and a lone CR both end a line.
CShownText ShownTextOf(std::string_view bytes);
// The refusal for a file of nBytes bytes, or empty when it is not too large.
std::string ShownTextSizeError(std::size_t nBytes);
