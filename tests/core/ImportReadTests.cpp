#include "../support/Fakes.h"
#include "ImportTestUtil.h"
#include "core/import/Import.h"
#include <gtest/gtest.h>

namespace {

// One bank file, how it is read, and the signed amounts (in cents) and descriptions of the
// rows it gives; or the start of the reason it is refused.
struct CReadCase {
    const char* m_pszName;
    EImportFormat m_format;
    std::string m_strText;
    const char* m_pszMap; // --map text, or nullptr for the recognised columns
    std::vector<long long> m_cents;
    std::string m_strDescs; // "|"-joined, of every row; empty: not checked
    std::string m_strRefused = {};
};

const std::vector<CReadCase> READ_CASES = {
    {"direction column Af Bij",
     EImportFormat::Csv,
     "Datum,Naam,Rekening,Af Bij,Bedrag,Date,Description\n"
     "x,a,1,Af,\"1,50\",1/13/2020,rent\nx,b,1,Bij,\"2,00\",1/14/2020,pay\n",
     "date=6,desc=7,amount=5,sign=4",
     {-150, 200},
     "rent|pay"},
    {"Dutch header with its direction column, recognised",
     EImportFormat::Csv,
     "\"Datum\";\"Naam / Omschrijving\";\"Rekening\";\"Af Bij\";\"Bedrag (EUR)\";"
     "\"Mededelingen\"\n\"20200113\";\"a\";\"NL1\";\"Af\";\"1,50\";\"x\"\n"
     "\"20200114\";\"b\";\"NL1\";\"Bij\";\"2,00\";\"y\"\n",
     nullptr,
     {-150, 200},
     "a|b"},
    {"direction column recognised",
     EImportFormat::Csv,
     "Date;Description;Amount;Credit/Debit\n01/13/2020;a;1.50;D\n01/14/2020;b;2.00;C\n"
     "01/15/2020;c;-3.00;D\n",
     nullptr,
     {-150, 200, -300},
     ""},
    {"direction words in a Type column",
     EImportFormat::Csv,
     "Date,Description,Amount,Type\n1/13/2020,a,5,DR\n1/14/2020,b,6,cr\n1/15/2020,c,7,Debit\n",
     nullptr,
     {-500, 600, -700},
     ""},
    {"decimal comma decided for the whole file",
     EImportFormat::Csv,
     "Date;Description;Amount\n1/13/2020;a;-3,50\n1/14/2020;b;-1.000\n1/15/2020;c;2.500\n"
     "1/16/2020;d;1.000,00\n",
     nullptr,
     {-350, -100000, 250000, 100000},
     ""},
    {"decimal point decided for the whole file",
     EImportFormat::Qif,
     "!Type:Bank\nD1/13/2020\nT-1,000\nPa\n^\nD1/14/2020\nT2.50\nPb\n^\n",
     nullptr,
     {-100000, 250},
     ""},
    {"an amount that reads two ways in a file that cannot tell",
     EImportFormat::Csv,
     "Date,Description,Amount\n1/13/2020,a,\"1.000\"\n1/14/2020,b,7\n",
     nullptr,
     {0, 700},
     "amount \"1.000\" reads two ways: no amount of the file shows its decimal mark (line 2)|b"},
    {"CR line ends, a second D line, an account without a type line, no order asked",
     EImportFormat::Qif,
     "!Account\rNChecking\rTBank\r^\rD01/01/07\rDjunk\rT-1.00\rPa\r^\rD01/01/07\rT2\rPb\r^\r",
     nullptr,
     {-100, 200},
     "a|b"},
    {"CR line ends in a CSV file",
     EImportFormat::Csv,
     "Date,Description,Amount\r1/13/2020,a,-1\r1/14/2020,\"b\rc\",2\r",
     nullptr,
     {-100, 200},
     "a|b c"},
    {"checks are debits; a deposit keeps its number in the description",
     EImportFormat::Ofx,
     "<OFX><STMTRS><BANKTRANLIST><STMTTRN><DTPOSTED>20240102<TRNAMT>-5<CHECKNUM>101<NAME>a"
     "</STMTTRN><STMTTRN><DTPOSTED>20240103<TRNAMT>7<CHECKNUM>9731<NAME>b</STMTTRN>"
     "<STMTTRN><DTPOSTED>20240104<TRNAMT>0<NAME>c</STMTTRN></BANKTRANLIST></STMTRS></OFX>",
     nullptr,
     {-500, 700, 0},
     "a|b #9731|zero amount (line 1)"},
    {"UTF-8 body under a 1252 header",
     EImportFormat::Ofx,
     "OFXHEADER:100\nCHARSET:1252\n\n<OFX><STMTRS><BANKTRANLIST><STMTTRN><DTPOSTED>20240102"
     "<TRNAMT>5<NAME>DOC CR\xC3\x89\x44ITO</STMTTRN></BANKTRANLIST></STMTRS></OFX>",
     nullptr,
     {500},
     "DOC CR\xC3\x89\x44ITO"},
    {"a preamble as wide as the header, and a footer",
     EImportFormat::Csv,
     "KNAB EXPORT;;;\nDate;Description;Amount;Memo\n1/13/2020;a;-1,50;x\n1/14/2020;b;2,00;y\n"
     "Kontostand;;3,50;\n",
     "date=1,desc=2,amount=3",
     {-150, 200},
     "a|b"},
    {"a preamble, and a footer with neither a date nor an amount",
     EImportFormat::Csv,
     "KNAB EXPORT;;;\nDate;Description;Amount;Memo\n1/13/2020;a;-1,50;x\nKontostand;;;\n",
     "date=1,desc=2,amount=3",
     {-150},
     "a"},
    {"unmapped direction column",
     EImportFormat::Csv,
     "Date,Description,Amount,DC\n1/13/2020,a,5,D\n1/14/2020,b,6,C\n",
     "date=1,desc=2,amount=3",
     {},
     "",
     "The direction of the amounts is not mapped (the amounts have no sign, and column 4 "
     "(\"DC\") gives their direction)."},
};

TEST(ImportReadTest, FilesReadAsTheBankMeantThem) {
    for (const CReadCase& c : READ_CASES) {
        SCOPED_TRACE(c.m_pszName);
        std::optional<CCsvMapping> mapping;
        if (c.m_pszMap)
            mapping = ParseCsvMapping(c.m_pszMap);
        const CReadResult read = ReadImportFile(c.m_format, c.m_strText, EDateOrder::Auto, mapping);
        if (!c.m_strRefused.empty()) {
            EXPECT_EQ(read.m_strError.substr(0, c.m_strRefused.size()), c.m_strRefused);
            continue;
        }
        ASSERT_TRUE(read.Ok()) << read.m_strError;
        CTestDoc t;
        const CImportPlan plan = BuildImportPlan(t.Doc(), read);
        std::vector<long long> cents;
        std::string strDescs;
        for (const CImportRow& row : plan.m_rows) {
            const bool bNew = row.m_nStatus == EImportStatus::New;
            cents.push_back(bNew ? ToCents(row.SignedAmount()) : 0);
            strDescs += (strDescs.empty() ? "" : "|") + (bNew ? row.m_strDesc : row.m_strReason);
        }
        EXPECT_EQ(cents, c.m_cents);
        if (std::string(c.m_pszName).find("footer") != std::string::npos) {
            EXPECT_EQ(plan.m_notes,
                      (std::vector<std::string>{"1 line before the header not read.",
                                                "1 line after the last transaction not read."}));
        }
        if (!c.m_strDescs.empty()) {
            EXPECT_EQ(strDescs, c.m_strDescs);
        }
    }
}

} // namespace
