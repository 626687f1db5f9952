#include "core/framework/HelpTopics.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

using Texts = std::map<int, std::string>;

struct ParseCase {
    const char* pszName;
    std::string strInput;
    Texts expected;
};

TEST(HelpPopupParse, ReadsWellFormedFiles) {
    const ParseCase cases[] = {
        {"empty", "", {}},
        {"one line", "1500 The date.\n", {{1500, "The date."}}},
        {"no final newline", "7 Seven", {{7, "Seven"}}},
        {"continuation joined with one space",
         "1501 First part\n     second part\n\tthird part\n",
         {{1501, "First part second part third part"}}},
        {"comments and blank lines skipped",
         "# heading\n\n1 One\n# inside\n  more\n\n2 Two\n",
         {{1, "One more"}, {2, "Two"}}},
        {"CR LF and trailing blanks",
         "1 One  \r\n  two\t\r\n2 Two\r\n",
         {{1, "One two"}, {2, "Two"}}},
        {"byte order mark",
         "\xEF\xBB\xBF"
         "3 Three\n",
         {{3, "Three"}}},
        {"tab after the id", "4\tFour", {{4, "Four"}}},
        {"UTF-8 kept as is", "5 Caf\xC3\xA9\n", {{5, "Caf\xC3\xA9"}}},
        {"markup-like text kept", "6 Press <OK> & go\n", {{6, "Press <OK> & go"}}},
    };
    for (const ParseCase& c : cases) {
        Texts out;
        int nBad = -1;
        EXPECT_TRUE(ParseHelpPopups(c.strInput, out, &nBad)) << c.pszName << " line " << nBad;
        EXPECT_EQ(out, c.expected) << c.pszName;
    }
}

struct BadCase {
    const char* pszName;
    std::string strInput;
    int nBadLine;
};

TEST(HelpPopupParse, RefusesMalformedLinesAndKeepsOutput) {
    const BadCase cases[] = {
        {"continuation before any text", "  stray\n1 One\n", 1},
        {"continuation after a blank line", "1 One\n\n  stray\n", 3},
        {"word instead of id", "1 One\nabc text\n", 2},
        {"id without text", "1 One\n2\n", 2},
        {"id followed by blanks only", "1 One\n2   \n", 2},
        {"id glued to text", "12ab text\n", 1},
        {"duplicate id", "1 One\n1 Again\n", 2},
        {"negative id", "-1 Minus\n", 1},
        {"id too long for an int", "12345678901 Big\n", 1},
    };
    for (const BadCase& c : cases) {
        Texts out{{99, "untouched"}};
        int nBad = -1;
        EXPECT_FALSE(ParseHelpPopups(c.strInput, out, &nBad)) << c.pszName;
        EXPECT_EQ(nBad, c.nBadLine) << c.pszName;
        EXPECT_EQ(out, (Texts{{99, "untouched"}})) << c.pszName;
    }
}

TEST(HelpTopicName, AcceptsOnlyPlainNamesInsideTheHelpFolder) {
    const struct {
        const char* pszTopic;
        const char* pszFile; // nullptr: refused
    } cases[] = {
        {"::/DlgTWEntry.txt", "DlgTWEntry.txt"},
        {"::/DlgStartBal.txt", "DlgStartBal.txt"},
        {"::/Dlg_Bank-Info2.txt", "Dlg_Bank-Info2.txt"},
        {"DlgTWEntry.txt", nullptr},
        {":/DlgTWEntry.txt", nullptr},
        {"::/", nullptr},
        {"::/.txt", nullptr},
        {"::/DlgTWEntry", nullptr},
        {"::/DlgTWEntry.html", nullptr},
        {"::/DlgTWEntry.txt.bak", nullptr},
        {"::/../DlgTWEntry.txt", nullptr},
        {"::/../../etc/passwd.txt", nullptr},
        {"::/sub/DlgTWEntry.txt", nullptr},
        {"::/sub\\DlgTWEntry.txt", nullptr},
        {"::///etc/x.txt", nullptr},
        {"::/C:x.txt", nullptr},
        {"::/Dlg TWEntry.txt", nullptr},
        {"::/..txt", nullptr},
        {"::/a.b.txt", nullptr},
        {"::/Dlg\xC3\xA9.txt", nullptr},
    };
    for (const auto& c : cases) {
        std::optional<std::string> name = HelpTopicFileName(c.pszTopic);
        if (c.pszFile == nullptr)
            EXPECT_FALSE(name.has_value()) << c.pszTopic;
        else
            EXPECT_EQ(name.value_or("<refused>"), c.pszFile) << c.pszTopic;
    }
    EXPECT_FALSE(HelpTopicFileName("::/" + std::string(65, 'a') + ".txt").has_value());
    EXPECT_TRUE(HelpTopicFileName("::/" + std::string(64, 'a') + ".txt").has_value());
    EXPECT_FALSE(HelpTopicFileName(std::string("::/a\0b.txt", 10)).has_value());
}

} // namespace

namespace {

namespace fs = std::filesystem;

fs::path ShippedHelpDir() {
    return fs::path(TW_TEST_DATA).parent_path().parent_path() / "resources" / "help";
}

std::string ReadText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::set<int> IdRange(int nFirst, int nLast) {
    std::set<int> ids;
    for (int n = nFirst; n <= nLast; ++n)
        ids.insert(n);
    return ids;
}

// Every help id a dialog asks for has a text, and no file holds stray ids.
TEST(ShippedHelp, EveryTopicHasATextForEachHelpId) {
    const struct {
        const char* pszTopic;
        std::set<int> ids;
    } topics[] = {
        {"::/DlgTWEntry.txt", IdRange(1500, 1511)},
        {"::/DlgDescList.txt",
         [] {
             std::set<int> ids = IdRange(1600, 1604);
             ids.merge(IdRange(1700, 1702));
             return ids;
         }()},
        {"::/DlgStartBal.txt", IdRange(2600, 2602)},
        {"::/DlgPassword.txt",
         [] {
             std::set<int> ids = IdRange(2000, 2002);
             ids.merge(IdRange(2100, 2104));
             ids.merge(IdRange(2200, 2203));
             return ids;
         }()},
        {"::/DlgBankInfo.txt", IdRange(1400, 1404)},
        {"::/DlgImport.txt", IdRange(3000, 3004)},
        {"::/DlgCsvMapping.txt", IdRange(3100, 3112)},
        {"::/DlgReconcile.txt", IdRange(3200, 3204)},
        {"::/DlgImportAccount.txt", IdRange(3300, 3302)},
        {"::/DlgArchive.txt", IdRange(3700, 3705)},
        {"::/DlgViewArch.txt", IdRange(3800, 3803)},
        {"::/DlgAutomaticEntries.txt", IdRange(2700, 2704)},
        {"::/DlgAEEntry.txt", IdRange(2800, 2812)},
        {"::/DlgUndoDelete.txt", IdRange(2900, 2903)},
        {"::/DlgBalance.txt", IdRange(2700, 2709)},
        {"::/DlgSearch.txt",
         [] {
             std::set<int> ids = IdRange(2400, 2434);
             ids.merge(IdRange(2500, 2501));
             return ids;
         }()},
        {"::/DlgOptions.txt", IdRange(1800, 1816)},
        {"::/DlgPageSetup.txt", IdRange(1900, 1910)},
    };
    for (const auto& topic : topics) {
        std::optional<std::string> name = HelpTopicFileName(topic.pszTopic);
        ASSERT_TRUE(name.has_value()) << topic.pszTopic;
        fs::path path = ShippedHelpDir() / "popups" / *name;
        ASSERT_TRUE(fs::is_regular_file(path)) << path;
        Texts texts;
        int nBad = 0;
        ASSERT_TRUE(ParseHelpPopups(ReadText(path), texts, &nBad)) << path << " line " << nBad;
        std::set<int> found;
        for (const auto& [nId, strText] : texts) {
            found.insert(nId);
            EXPECT_GE(strText.size(), 10u) << topic.pszTopic << " " << nId;
        }
        EXPECT_EQ(found, topic.ids) << topic.pszTopic;
    }
}

// Every link between the help pages leads to a page, and to an anchor on it.
TEST(ShippedHelp, LinksLeadToExistingPagesAndAnchors) {
    const std::regex href(R"re(href="([^"]*)")re");
    const std::regex anchor(R"re(<a name="([^"]+)")re");
    std::map<std::string, std::set<std::string>> anchors;
    std::map<std::string, std::string> pages;
    for (const fs::directory_entry& entry : fs::directory_iterator(ShippedHelpDir())) {
        if (entry.path().extension() != ".html")
            continue;
        std::string strName = entry.path().filename().string();
        pages[strName] = ReadText(entry.path());
        auto& names = anchors[strName];
        for (std::sregex_iterator it(pages[strName].begin(), pages[strName].end(), anchor), end;
             it != end; ++it)
            names.insert((*it)[1]);
    }
    ASSERT_TRUE(pages.count("contents.html"));
    ASSERT_TRUE(pages.count("index.html"));
    std::set<std::string> reached{"contents.html"};
    for (const auto& [strPage, strHtml] : pages) {
        for (std::sregex_iterator it(strHtml.begin(), strHtml.end(), href), end; it != end; ++it) {
            std::string strLink = (*it)[1];
            std::string strFile = strLink.substr(0, strLink.find('#'));
            std::string strAnchor =
                strLink.find('#') == std::string::npos ? "" : strLink.substr(strLink.find('#') + 1);
            if (strFile.empty())
                strFile = strPage;
            if (strFile == "help.css") {
                EXPECT_TRUE(fs::is_regular_file(ShippedHelpDir() / strFile));
                continue;
            }
            ASSERT_TRUE(pages.count(strFile)) << strPage << " links to " << strLink;
            if (!strAnchor.empty()) {
                EXPECT_TRUE(anchors[strFile].count(strAnchor))
                    << strPage << " links to " << strLink;
            }
            if (strPage == "contents.html" || strPage == "index.html")
                reached.insert(strFile);
        }
    }
    for (const auto& [strPage, strHtml] : pages)
        EXPECT_TRUE(reached.count(strPage)) << strPage << " is reached from no contents or index";
}

} // namespace
