#include "ShownText.h"
#include "Cp1252.h"
#include "Format.h"

namespace {
// The length of the UTF-8 sequence starting at p, or 0 when it is malformed (overlong
// forms, surrogates and code points above U+10FFFF included).
std::size_t SequenceLength(std::string_view bytes, std::size_t i) {
    const auto at = [&](std::size_t n) { return static_cast<unsigned char>(bytes[i + n]); };
    const unsigned char c = at(0);
    std::size_t nLen = 0;
    unsigned char lo = 0x80, hi = 0xBF; // the range of the second byte
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        nLen = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        nLen = 3;
        lo = c == 0xE0 ? 0xA0 : 0x80;
        hi = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        nLen = 4;
        lo = c == 0xF0 ? 0x90 : 0x80;
        hi = c == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (i + nLen > bytes.size() || at(1) < lo || at(1) > hi)
        return 0;
    for (std::size_t n = 2; n < nLen; ++n)
        if ((at(n) & 0xC0) != 0x80)
            return 0;
    return nLen;
}

std::string UnixLineEnds(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r')
            s += text[i];
        else if (i + 1 >= text.size() || text[i + 1] != '\n')
            s += '\n';
    }
    return s;
}
} // namespace

bool IsMultiByteUtf8(std::string_view bytes) {
    bool bMulti = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t nLen = SequenceLength(bytes, i);
        if (nLen == 0)
            return false;
        bMulti = bMulti || nLen > 1;
        i += nLen;
    }
    return bMulti;
}

std::string ShownTextSizeError(std::size_t nBytes) {
    if (nBytes <= SHOWN_TEXT_MAX_BYTES)
        return {};
    return Format("It is larger than %d MB, too large to show.",
                  static_cast<int>(SHOWN_TEXT_MAX_BYTES / (1024 * 1024)));
}

CShownText ShownTextOf(std::string_view bytes) {
    CShownText shown;
    shown.m_strError = ShownTextSizeError(bytes.size());
    if (!shown.m_strError.empty())
        return shown;
    if (bytes.substr(0, SHOWN_TEXT_PROBE_BYTES).find('\0') != std::string_view::npos) {
        shown.m_strError = "It is not a text file.";
        return shown;
    }
    if (IsMultiByteUtf8(bytes)) {
        // A byte order mark is no part of the text.
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
            bytes.remove_prefix(3);
        shown.m_strText = UnixLineEnds(bytes);
    } else {
        shown.m_strText = Cp1252ToUtf8(UnixLineEnds(bytes));
    }
    shown.m_bOk = true;
    return shown;
}
