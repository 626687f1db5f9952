#include "ShownText.h"
#include "Cp1252.h"
#include "Format.h"

namespace {
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
