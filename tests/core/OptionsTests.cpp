#include "../support/Fakes.h"
#include "core/document/EntryTypes.h"
#include "core/document/RegisterCells.h"
#include "core/settings/CIniSettingsStore.h"
#include "core/settings/Options.h"
#include <filesystem>
#include <gtest/gtest.h>

namespace {

const char* const NAME_MISSING = "You must enter a name for this\nUser Defined Type.";
const char* const ABBR_MISSING = "You must enter an abbreviation\n for this User Defined Type.";
const char* const ABBR_TAKEN = "Each User Defined Type must\nhave a unique abbreviation.";

CUserType On(const char* pszName, const char* pszAbbr) {
    return CUserType{pszName, pszAbbr, 1, 1};
}
CUserType Off(const char* pszName, const char* pszAbbr) {
    return CUserType{pszName, pszAbbr, 0, 1};
}

} // namespace

TEST(OptionsTest, UserTypeValidation) {
    struct Case {
        const char* m_pszName;
        CUserTypeTable m_types;
        std::optional<CUserTypeFault> m_fault;
    };
    const Case cases[] = {
        {"all off", {}, std::nullopt},
        {"one good slot", {On("Transfer", "X")}, std::nullopt},
        {"lower-case c next to Check", {Off("", ""), On("Coins", "c")}, std::nullopt},
        {"upper-case C taken by Check",
         {Off("", ""), On("Coins", "C")},
         CUserTypeFault{1, EUserTypeField::Abbr, ABBR_TAKEN}},
        {"each built-in letter is taken", {On("a", "A")}, {{0, EUserTypeField::Abbr, ABBR_TAKEN}}},
        {"R", {On("a", "R")}, {{0, EUserTypeField::Abbr, ABBR_TAKEN}}},
        {"T", {On("a", "T")}, {{0, EUserTypeField::Abbr, ABBR_TAKEN}}},
        {"O", {On("a", "O")}, {{0, EUserTypeField::Abbr, ABBR_TAKEN}}},
        {"empty name", {On("", "X")}, {{0, EUserTypeField::Name, NAME_MISSING}}},
        {"empty abbreviation", {On("Transfer", "")}, {{0, EUserTypeField::Abbr, ABBR_MISSING}}},
        {"name checked before abbreviation",
         {On("", "")},
         {{0, EUserTypeField::Name, NAME_MISSING}}},
        {"duplicate fails on the first of the two",
         {On("One", "X"), Off("", ""), On("Three", "X")},
         {{0, EUserTypeField::Abbr, ABBR_TAKEN}}},
        {"duplicate of a switched-off slot is no duplicate",
         {On("One", "X"), Off("Two", "X")},
         std::nullopt},
        {"switched-off slots are never checked",
         {Off("", ""), Off("", "C"), Off("x", ""), On("Four", "F")},
         std::nullopt},
        {"slot 3 without a name though slot 1 has one",
         {On("One", "X"), Off("", ""), On("", "Z")},
         {{2, EUserTypeField::Name, NAME_MISSING}}},
        {"first fault in slot order wins",
         {On("One", "Y"), On("Two", "C"), On("", "Z")},
         {{1, EUserTypeField::Abbr, ABBR_TAKEN}}},
        {"a locked slot is never blamed: its rival is",
         {CUserType{"", "X", 1, 0}, On("Two", "X")},
         {{1, EUserTypeField::Abbr, ABBR_TAKEN}}},
        {"letters compared exactly", {On("One", "x"), On("Two", "X")}, std::nullopt},
        {"non-ASCII letters compared exactly",
         {On("One", "\xC3\xA9"), On("Two", "\xC3\x89")},
         std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValidateUserTypes(c.m_types), c.m_fault) << c.m_pszName;
}

TEST(OptionsTest, FontButtonCaption) {
    const struct {
        const char* m_pszFace;
        int m_nTenths;
        const char* m_pszCaption;
    } cases[] = {
        {"MS Sans Serif", 80, "MS Sans Serif 8pt"},
        {"Liberation Sans", 120, "Liberation Sans 12pt"},
        {"Face", 95, "Face 9pt"}, // whole points, rounded down
        {"Face", 180, "Face 18pt"},
        {"100% Sans", 100, "100% Sans 10pt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FontButtonCaption(c.m_pszFace, c.m_nTenths), c.m_pszCaption);
}

// The font chooser's size field: whole points or one decimal, never the digits run together.
TEST(OptionsTest, FontSizeAsTyped) {
    const char* const RANGE = "Size must be between 8 and 18 points.";
    const char* const DECIMALS = "Size can have one decimal place at most, as in 10.5.";
    const struct {
        const char* pszText;
        int nTenths;
        const char* pszError;
    } cases[] = {{"8", 80, nullptr},     {"18", 180, nullptr},     {"10.5", 105, nullptr},
                 {" 12 ", 120, nullptr}, {"12.", 120, nullptr},    {"17.90", 179, nullptr},
                 {"18.0", 180, nullptr}, {"105", 0, RANGE},        {"18.1", 0, RANGE},
                 {"7.9", 0, RANGE},      {"", 0, RANGE},           {".", 0, RANGE},
                 {"10,5", 0, RANGE},     {"-10", 0, RANGE},        {"1e1", 0, RANGE},
                 {"10.25", 0, DECIMALS}, {"99999999999", 0, RANGE}};
    for (const auto& c : cases) {
        const CFontSizeEntry size = ParseFontSize(c.pszText);
        EXPECT_EQ(size.m_nTenths, c.nTenths) << c.pszText;
        EXPECT_EQ(std::string(size.m_pszError ? size.m_pszError : ""),
                  std::string(c.pszError ? c.pszError : ""))
            << c.pszText;
    }
}

TEST(OptionsTest, TakingOptionsBackReportsFontAndColourChanges) {
    struct Case {
        const char* m_pszName;
        const char* m_pszFont;
        int m_nSize, m_nTx, m_nBk;
        bool m_bFont, m_bColors;
    };
    const Case cases[] = {
        {"nothing", "MS Sans Serif", 80, 0, 0xFFFFFF, false, false},
        {"face compared exactly", "ms sans serif", 80, 0, 0xFFFFFF, true, false},
        {"size", "MS Sans Serif", 120, 0, 0xFFFFFF, true, false},
        {"text colour", "MS Sans Serif", 80, 0xFFFFFF, 0xFFFFFF, false, true},
        {"background", "MS Sans Serif", 80, 0, 0x800000, false, true},
        {"all", "Liberation Sans", 100, 0xFFFFFF, 0x800000, true, true},
    };
    for (const Case& c : cases) {
        CTestDoc t;
        COptions o = OptionsFromApp(t.m_settings);
        o.m_strFont = c.m_pszFont;
        o.m_nFontSize = c.m_nSize;
        o.m_nTxColor = c.m_nTx;
        o.m_nBkColor = c.m_nBk;
        const COptionsApplied applied = ApplyOptions(o, t.m_settings);
        EXPECT_EQ(applied.m_bFontChanged, c.m_bFont) << c.m_pszName;
        EXPECT_EQ(applied.m_bColorsChanged, c.m_bColors) << c.m_pszName;
        EXPECT_FALSE(applied.m_bUserTypesChanged) << c.m_pszName;
        EXPECT_EQ(t.m_settings.m_strFont, c.m_pszFont) << c.m_pszName;
        EXPECT_EQ(t.m_settings.m_nFontSize, c.m_nSize) << c.m_pszName;
        EXPECT_EQ(t.m_settings.m_nTxColor, c.m_nTx) << c.m_pszName;
        EXPECT_EQ(t.m_settings.m_nBkColor, c.m_nBk) << c.m_pszName;
    }
}

TEST(OptionsTest, TakingOptionsBackCopiesEveryValueButTheInUseFlags) {
    CTestDoc t;
    CUserTypeTable& types = t.Doc().UserTypes();
    types[0] = {"Old", "Q", 1, 0}; // in use
    COptions o = OptionsFromApp(t.m_settings);
    o.m_bBackup = true;
    o.m_bTextBackup = false;
    o.m_bLoadLast = true;
    o.m_nDblClick = 0;
    o.m_nAType = 5;
    o.m_bACleared = true;
    o.m_userTypes[1] = {"Transfer", "X", 1, 0}; // in-use flag of the copy is ignored
    const COptionsApplied applied = ApplyOptions(o, t.m_settings);
    EXPECT_TRUE(applied.m_bUserTypesChanged);
    EXPECT_EQ(t.m_settings.m_nBackup, 1);
    EXPECT_EQ(t.m_settings.m_nTextBackup, 0);
    EXPECT_EQ(t.m_settings.m_nLoadLast, 1);
    EXPECT_EQ(t.m_settings.m_nDblClick, 0);
    EXPECT_EQ(t.m_settings.m_nAType, 5);
    EXPECT_EQ(t.m_settings.m_nACleared, 1);
    EXPECT_EQ(types[0], (CUserType{"Old", "Q", 1, 0}));
    EXPECT_EQ(types[1], (CUserType{"Transfer", "X", 1, 1}));
    // Unchanged types report no change, whatever their in-use flags.
    o.m_userTypes[1].m_bNotInUse = 0;
    EXPECT_FALSE(ApplyOptions(o, t.m_settings).m_bUserTypesChanged);
}

TEST(EntryTypesTest, NamesAndStates) {
    CUserTypeTable types;
    types[0] = {"Transfer", "X", 1, 1};
    types[2] = {"Old", "Q", 0, 0};
    const struct {
        int m_nType;
        const char* m_pszName;
        bool m_bEnabled;
    } cases[] = {
        {0, "Check", false}, {1, "ATM", false},     {2, "Check Card", false}, {3, "Teller", false},
        {4, "Other", false}, {5, "Transfer", true}, {6, "", false},           {7, "Old", false},
        {8, "", false},      {9, "", false},        {-1, "", false},          {100, "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TypeName(c.m_nType, types), c.m_pszName) << c.m_nType;
        EXPECT_EQ(IsUserTypeEnabled(c.m_nType, types), c.m_bEnabled) << c.m_nType;
    }
}

TEST(EntryTypesTest, StartIndexFallsBackToAtm) {
    const struct {
        int m_nIndex, m_nItems, m_nStart;
    } cases[] = {{0, 5, 0}, {4, 5, 4}, {5, 5, 1}, {6, 7, 6}, {7, 7, 1}, {-1, 7, 1}, {100, 9, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(TypeListStartIndex(c.m_nIndex, c.m_nItems), c.m_nStart) << c.m_nIndex;
}

TEST(IniSettingsStoreTest, ReadsTheWindowsSettingsFile) {
    const std::string strDir = MakeTempDir();
    const std::string strIni = "[General]\nBackup=7\n"
                               "[Settings]\r\n"
                               " Backup = 1 \r\n"
                               "Font=\"Times New Roman\"\n"
                               "LastFile=\"/home/jo/\\\"a\\\".twd\"\n"
                               "RPP=abc\n"
                               "FontSize=12pt\n"
                               "TextBackup=\n";
    WriteBytes(strDir + "/s.ini", {strIni.begin(), strIni.end()});
    CIniSettingsStore store(strDir + "/s.ini");
    CIniSettingsStore missing(strDir + "/none.ini");
    const struct {
        const char* m_pszKey;
        int m_nDefault, m_nRead;
    } ints[] = {{"Backup", 5, 1},     {"RPP", 25, 25}, {"FontSize", 80, 80},
                {"TextBackup", 1, 1}, {"Font", 3, 3},  {"None", 4, 4}};
    for (const auto& c : ints) {
        EXPECT_EQ(store.GetInt("Settings", c.m_pszKey, c.m_nDefault), c.m_nRead) << c.m_pszKey;
        EXPECT_EQ(missing.GetInt("Settings", c.m_pszKey, c.m_nDefault), c.m_nDefault);
    }
    const struct {
        const char* m_pszKey;
        const char* m_pszRead;
    } strings[] = {{"Font", "Times New Roman"}, {"LastFile", "/home/jo/\"a\".twd"}, {"None", "-"}};
    for (const auto& c : strings) {
        EXPECT_EQ(store.GetString("Settings", c.m_pszKey, "-"), c.m_pszRead) << c.m_pszKey;
        EXPECT_EQ(missing.GetString("Settings", c.m_pszKey, "-"), "-");
    }
    std::filesystem::remove_all(strDir);
}
