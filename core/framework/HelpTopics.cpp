#include "HelpTopics.h"

#include <string_view>

namespace {

constexpr std::string_view TOPIC_PREFIX = "::/";
constexpr std::string_view TOPIC_EXT = ".txt";
constexpr std::size_t MAX_TOPIC_STEM = 64;
constexpr int MAX_ID_DIGITS = 9; // keeps every id inside an int

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (IsBlank(s.front()) || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// "1500 Text": the id and the text after it; false when the line is not of that form.
bool SplitIdLine(std::string_view line, int& nId, std::string_view& text) {
    std::size_t nDigits = 0;
    while (nDigits < line.size() && IsDigit(line[nDigits]))
        ++nDigits;
    if (nDigits == 0 || nDigits > MAX_ID_DIGITS || nDigits == line.size() ||
        !IsBlank(line[nDigits]))
        return false;
    nId = 0;
    for (std::size_t i = 0; i < nDigits; ++i)
        nId = nId * 10 + (line[i] - '0');
    text = TrimBlanks(line.substr(nDigits));
    return !text.empty();
}

bool IsStemChar(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '-';
}

} // namespace

bool ParseHelpPopups(const std::string& strText, std::map<int, std::string>& out, int* pnBadLine) {
    std::string_view rest(strText);
    if (rest.substr(0, 3) == "\xEF\xBB\xBF")
        rest.remove_prefix(3);
    std::map<int, std::string> texts;
    std::string* pCurrent = nullptr;
    int nLine = 0;
    while (!rest.empty()) {
        std::size_t nEnd = rest.find('\n');
        std::string_view line = rest.substr(0, nEnd);
        rest.remove_prefix(nEnd == std::string_view::npos ? rest.size() : nEnd + 1);
        ++nLine;
        std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty()) {
            pCurrent = nullptr;
            continue;
        }
        if (trimmed.front() == '#')
            continue;
        bool bOk = false;
        if (IsBlank(line.front())) {
            bOk = pCurrent != nullptr;
            if (bOk)
                pCurrent->append(" ").append(trimmed);
        } else {
            int nId = 0;
            std::string_view text;
            bOk = SplitIdLine(trimmed, nId, text) && texts.count(nId) == 0;
            if (bOk)
                pCurrent = &(texts[nId] = std::string(text));
        }
        if (!bOk) {
            if (pnBadLine != nullptr)
                *pnBadLine = nLine;
            return false;
        }
    }
    out = std::move(texts);
    return true;
}

std::optional<std::string> HelpTopicFileName(const std::string& strTopic) {
    std::string_view topic(strTopic);
    if (topic.substr(0, TOPIC_PREFIX.size()) != TOPIC_PREFIX)
        return std::nullopt;
    std::string_view name = topic.substr(TOPIC_PREFIX.size());
    if (name.size() <= TOPIC_EXT.size() || name.substr(name.size() - TOPIC_EXT.size()) != TOPIC_EXT)
        return std::nullopt;
    std::string_view stem = name.substr(0, name.size() - TOPIC_EXT.size());
    if (stem.size() > MAX_TOPIC_STEM)
        return std::nullopt;
    for (char c : stem) {
        if (!IsStemChar(c))
            return std::nullopt;
    }
    return std::string(name);
}
