#include "Cp1252.h"
#include <algorithm>
#include <array>
#include <cstdio>

namespace {
// Code points of bytes 0x80..0x9F; the unassigned ones keep their own value.
constexpr std::array<char32_t, 32> HIGH = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ByteToCodePoint(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F)
        return HIGH[b - 0x80];
    return b;
}

int CodePointToByte(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<int>(ch);
    for (std::size_t i = 0; i < HIGH.size(); ++i)
        if (HIGH[i] == ch)
            return static_cast<int>(0x80 + i);
    return -1;
}

bool IsSurrogate(char32_t ch) {
    return ch >= 0xD800 && ch <= 0xDFFF;
}

// Decodes one code point at i, advancing i; malformed input gives U+FFFD.
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
    auto b = static_cast<unsigned char>(s[i++]);
    if (b < 0x80)
        return b;
    int nMore = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (nMore < 0 || b > 0xF4)
        return 0xFFFD;
    char32_t ch = b & (0x3F >> nMore);
    for (int k = 0; k < nMore; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        ch = (ch << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return ch;
}
} // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    // Most texts are plain ASCII, which reads the same in both.
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        int b = CodePointToByte(NextCodePoint(utf8, i));
        out += static_cast<char>(b < 0 ? '?' : b);
    }
    return out;
}

bool IsCp1252Char(char32_t ch) {
    return CodePointToByte(ch) >= 0;
}

std::size_t Utf8Length(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        NextCodePoint(utf8, i);
        ++n;
    }
    return n;
}

std::optional<CUnstorableChar> FindUnstorableChar(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t ch = text[i];
        if (ch >= 0xD800 && ch <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF)
            return CUnstorableChar{i, 2, 0x10000 + ((ch - 0xD800) << 10) + (text[i + 1] - 0xDC00)};
        if (IsSurrogate(ch) || !IsCp1252Char(ch))
            return CUnstorableChar{i, 1, ch};
    }
    return std::nullopt;
}

std::string UnstorableCharMessage(char32_t ch) {
    char szCode[16];
    std::snprintf(szCode, sizeof szCode, "U+%04X", static_cast<unsigned>(ch));
    std::string strName;
    // Half a pair cannot be shown, only its code.
    if (!IsSurrogate(ch) && ch < 0x110000) {
        strName = "\"";
        AppendUtf8(strName, ch);
        strName += "\" ";
    }
    return "This field cannot hold the character " + strName + "(" + szCode +
           "): a register keeps only the characters of Windows-1252.";
}

void AppendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

std::size_t Utf8SequenceAt(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80)
        return 1;
    std::size_t n = 0;
    char32_t ch = 0;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
        ch = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        ch = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        ch = b & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80)
            return 0;
        ch = (ch << 6) | (c & 0x3F);
    }
    const bool bOverlong = (n == 3 && ch < 0x800) || (n == 4 && ch < 0x10000);
    if (bOverlong || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        return 0;
    return n;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = Utf8SequenceAt(bytes, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

bool IsMultiByteUtf8(std::string_view bytes) {
    bool bMulti = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t nLen = Utf8SequenceAt(bytes, i);
        if (nLen == 0)
            return false;
        bMulti = bMulti || nLen > 1;
        i += nLen;
    }
    return bMulti;
}
