#include "../support/Fakes.h"
#include <gtest/gtest.h>
#include <sstream>

namespace {
std::vector<std::string> Lines(const std::string& s) {
    std::vector<std::string> v;
    std::size_t at = 0;
    while (at < s.size()) {
        std::size_t end = s.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
        if (end == std::string::npos)
            break;
        v.push_back(s.substr(at, end - at));
        at = end + 2;
    }
    return v;
}

void AddExampleEntries(CTallywiseDoc& doc) {
    doc.SetStartingBalance(1734.56);
    doc.InsertEntry(MakeEntry(MakeLocalDate(2000, 5, 3), 500.0, true, "Rent", 0, 1001));
    doc.InsertEntry(MakeEntry(MakeLocalDate(2000, 5, 4), 750.0, false, "Paycheck", 4));
}
} // namespace

TEST(TextRegisterTest, ExampleLines) {
    CTestDoc t;
    t.Doc().SetBankInfo(CBankInfo{"First Bank", "", ""});
    AddExampleEntries(t.Doc());
    std::vector<std::string> lines = Lines(t.Doc().BuildTextRegister(2, 0, 0, false));
    const std::vector<std::string> expected = {
        "Bank Name: First Bank",
        "Account Number: ",
        "Name on Account: ",
        "Starting Balance: 1734.56",
        "",
        "Number Date       Description                         Debit     Credit    Balance",
        "1001   05/03/00   Rent                               500.00               1234.56",
        "       05/04/00   Paycheck                                      750.00    1984.56",
    };
    EXPECT_EQ(lines, expected);
}

TEST(TextRegisterTest, CountArchiveHeaderAndLongDescriptions) {
    CTestDoc t;
    AddExampleEntries(t.Doc());
    CEntry edited = t.Doc().Entries().at(1);
    edited.m_strDesc = std::string(35, 'p') + "\xC3\xA9"; // 36 characters
    t.Doc().ReplaceEntry(1, edited);
    std::vector<std::string> lines = Lines(
        t.Doc().BuildTextRegister(1, MakeLocalDate(2000, 1, 1), MakeLocalDate(2000, 4, 30), true));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "Archived on 05/03/00");
    EXPECT_EQ(lines[1], "Start Date: 01/01/00");
    EXPECT_EQ(lines[2], "End Date: 04/30/00");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[10].substr(0, 4), "1001"); // only the first entry
    std::string all = t.Doc().BuildTextRegister(2, 0, 0, false);
    std::string last = Lines(all).back();
    // Written whole, in Windows-1252, pushing the amounts right.
    EXPECT_EQ(last.substr(18, 37), std::string(35, 'p') + "\xE9 ");
    EXPECT_EQ(last.size(), 81u + 6u);
}

TEST(TextRegisterTest, EmptyRegisterHasOnlyTheHeadLines) {
    CTestDoc t;
    EXPECT_EQ(Lines(t.Doc().BuildTextRegister(0, 0, 0, false)).size(), 6u);
    EXPECT_TRUE(t.Doc().WriteTextRegister(t.Path("x.txt"), 0, 0, 0, false));
    std::vector<std::uint8_t> bytes = ReadBytes(t.Path("x.txt"));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), t.Doc().BuildTextRegister(0, 0, 0, false));
    EXPECT_FALSE(t.Doc().WriteTextRegister(t.Path("no/such/dir.txt"), 0, 0, 0, false));
    EXPECT_TRUE(t.m_messages.m_shown.empty());
}
