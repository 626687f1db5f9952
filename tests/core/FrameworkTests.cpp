#include "core/framework/CArchive.h"
#include "core/framework/Cp1252.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include "core/framework/ShownText.h"
#include "core/framework/TextFile.h"
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

TEST(ArchiveTest, StringLengthPrefixes) {
    struct Case {
        std::size_t nLength;
        std::vector<std::uint8_t> prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {300, {0xFF, 0x2C, 0x01}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nLength);
        CArchive out;
        out.WriteRawString(std::string(c.nLength, 'x'));
        const auto& bytes = out.Bytes();
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.nLength);
        EXPECT_TRUE(std::equal(c.prefix.begin(), c.prefix.end(), bytes.begin()));
        CArchive in(bytes.data(), bytes.size());
        EXPECT_EQ(in.ReadRawString().size(), c.nLength);
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

TEST(ArchiveTest, NumbersAreLittleEndianAndRoundTrip) {
    CArchive out;
    out.WriteU16(0x1234);
    out.WriteU32(0xA1B2C3D4);
    out.WriteDouble(-1234.56);
    out.WriteFloat(25.0f);
    const std::vector<std::uint8_t> head = {0x34, 0x12, 0xD4, 0xC3, 0xB2, 0xA1};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), out.Bytes().begin()));
    CArchive in(out.Bytes().data(), out.Bytes().size());
    EXPECT_EQ(in.ReadU16(), 0x1234);
    EXPECT_EQ(in.ReadU32(), 0xA1B2C3D4u);
    EXPECT_EQ(in.ReadDouble(), -1234.56);
    EXPECT_EQ(in.ReadFloat(), 25.0f);
}

TEST(ArchiveTest, ShortDataThrowsInsteadOfReadingPastTheEnd) {
    const std::uint8_t one[] = {0x01};
    CArchive a(one, 1);
    EXPECT_THROW(a.ReadU16(), CArchiveException);
    // A string length that the rest of the data cannot hold.
    const std::uint8_t huge[] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'};
    CArchive b(huge, sizeof huge);
    EXPECT_THROW(b.ReadRawString(), CArchiveException);
}

TEST(Cp1252Test, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252Test, MapsTheSpecialRangeAndRefusesOthers) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC"); // euro sign
    EXPECT_EQ(Cp1252ToUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x9C"
                           "a"
                           "\xE2\x80\x9D"),
              "\x93"
              "a"
              "\x94");
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?"); // a character it cannot hold
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");         // malformed
    EXPECT_TRUE(IsCp1252Char(U'\u20AC'));
    EXPECT_FALSE(IsCp1252Char(U'\u4E2D'));
    EXPECT_EQ(Utf8Length("caf\xC3\xA9"), 4u);
}

// UTF-8 when the file is valid UTF-8 with some multi-byte character, else Windows-1252.
TEST(ShownTextTest, ReadsAsTheFileWasWritten) {
    const std::string strZeroIn = std::string(SHOWN_TEXT_PROBE_BYTES - 1, 'a') + '\0';
    const std::string strZeroAfter = std::string(SHOWN_TEXT_PROBE_BYTES, 'a') + '\0';
    const struct {
        std::string strBytes;
        std::optional<std::string> text; // none: refused as no text
    } cases[] = {
        {"Caf\xC3\xA9 cr\xC3\xA8me \xE2\x82\xAC\r\n", "Caf\u00e9 cr\u00e8me \u20ac\n"},
        {"\xEF\xBB\xBF"
         "bom \xF0\x9F\x98\x80",
         "bom \U0001F600"},
        {"Caf\xE9 \x80\r\rend", "Caf\u00e9 \u20ac\n\nend"},           // an archive of ours
        {"\xC3\xA9 then \xE9", "\u00c3\u00a9 then \u00e9"},           // not all UTF-8
        {"\xC0\xAF \xED\xA0\x80", "\u00c0\u00af \u00ed\u00a0\u20ac"}, // overlong, surrogate
        {"\xE2\x82", "\u00e2\u201a"},                                 // cut short
        {"plain\r\n", "plain\n"},
        {std::string("text\0more", 9), std::nullopt},
        {strZeroIn, std::nullopt},
        {strZeroAfter, strZeroAfter},
    };
    for (const auto& c : cases) {
        const CShownText shown = ShownTextOf(c.strBytes);
        EXPECT_EQ(shown.m_bOk, c.text.has_value()) << c.strBytes.substr(0, 20);
        if (c.text)
            EXPECT_EQ(shown.m_strText, *c.text) << c.strBytes.substr(0, 20);
        else
            EXPECT_EQ(shown.m_strError, "It is not a text file.");
    }
    EXPECT_EQ(ShownTextSizeError(SHOWN_TEXT_MAX_BYTES), "");
    EXPECT_EQ(ShownTextSizeError(SHOWN_TEXT_MAX_BYTES + 1),
              "It is larger than 64 MB, too large to show.");
}

TEST(FormatTest, PrintfForms) {
    EXPECT_EQ(Format("%.2f", 1234.5), "1234.50");
    EXPECT_EQ(Format("(%.2f)", -12.5), "(-12.50)");
    EXPECT_EQ(Format("%-6d|%10.2f", 1001, 500.0), "1001  |    500.00");
    EXPECT_EQ(Format("%s", std::string(1000, 'a').c_str()).size(), 1000u);
}

TEST(FormatTest, WholeCents) {
    const struct {
        double dValue;
        bool bWhole;
        double dRounded;
    } cases[] = {
        {9.99, true, 9.99},     {9.999, false, 10.0},       {0.001, false, 0.0},
        {-0.004, false, 0.0},   {99999.99, true, 99999.99}, {-99999.99, true, -99999.99},
        {0.1 + 0.2, true, 0.3}, {0.125, false, 0.13},       {-0.125, false, -0.13},
        {1234.5, true, 1234.5}, {0.0, true, 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsWholeCents(c.dValue), c.bWhole) << c.dValue;
        EXPECT_EQ(Format("%.2f", RoundToCents(c.dValue)), Format("%.2f", c.dRounded)) << c.dValue;
    }
    EXPECT_FALSE(std::signbit(RoundToCents(-0.004)));
}

TEST(DateTest, LocalDatesAreMidnightAndSplitBack) {
    // Days around daylight-saving changes in both hemispheres.
    const CDayMonthYear days[] = {{1, 1, 2000},  {2, 4, 2000},   {29, 10, 2000}, {7, 3, 2000},
                                  {29, 2, 2004}, {31, 12, 2037}, {1, 10, 2006},  {2, 4, 2006}};
    for (const CDayMonthYear& d : days) {
        std::time_t t = MakeLocalDate(d);
        std::tm tm{};
        localtime_r(&t, &tm);
        EXPECT_EQ(tm.tm_hour, 0) << d.m_nDay << "/" << d.m_nMonth;
        EXPECT_EQ(SplitLocalDate(t), d);
        EXPECT_EQ(ToLocalMidnight(t + 12 * 3600), t);
    }
}

TEST(DateTest, FormatsInTheCLocale) {
    std::time_t t = MakeLocalDate(2000, 3, 7);
    EXPECT_EQ(FormatDate(t, "%B %d, %Y"), "March 07, 2000");
    EXPECT_EQ(FormatDate(t, "%m/%d/%y"), "03/07/00");
    EXPECT_EQ(FormatDate(t, "%m/%d/%Y"), "03/07/2000");
    EXPECT_EQ(FormatDate(t, "%m/%d"), "03/07");
}

TEST(DateTest, DaysInMonth) {
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(2003, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2003, 4), 30);
    EXPECT_EQ(DaysInMonth(2003, 12), 31);
}

TEST(TextFileTest, CompanionNames) {
    EXPECT_EQ(ReplaceExtension("May.twd", "bak"), "May.bak");
    EXPECT_EQ(ReplaceExtension("May", "txt"), "May.txt");
    EXPECT_EQ(ReplaceExtension("/a/my.folder/May", "bak"), "/a/my.folder/May.bak");
    EXPECT_EQ(ReplaceExtension("a.b.register", "txt"), "a.b.txt");
    EXPECT_EQ(FileNameOf("/home/u/May.twd"), "May.twd");
}

TEST(TextFileTest, TextModeAndAtomicWrite) {
    EXPECT_EQ(ToTextMode("a\nb\n"), "a\r\nb\r\n");
    char tmpl[] = "/tmp/twfileXXXXXX";
    std::string dir = ::mkdtemp(tmpl);
    std::string path = dir + "/f.twd";
    std::string err;
    ASSERT_TRUE(WriteFileAtomic(path, {1, 2, 3}, err));
    ASSERT_TRUE(WriteFileAtomic(path, {4, 5}, err));
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes, err));
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{4, 5}));
    // A failed write leaves no temporary file behind and reports why.
    std::filesystem::create_directory(dir + "/sub.twd");
    EXPECT_FALSE(WriteFileAtomic(dir + "/sub.twd", {9}, err));
    EXPECT_FALSE(err.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                            std::filesystem::directory_iterator()),
              2);
    EXPECT_FALSE(ReadWholeFile(dir + "/missing", bytes, err));
    std::filesystem::remove_all(dir);
}
