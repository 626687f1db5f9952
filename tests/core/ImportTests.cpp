#include "../support/Fakes.h"
#include "ImportTestUtil.h"
#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"
#include "core/import/Export.h"
#include "core/import/Import.h"
#include "core/import/ImportText.h"
#include <gtest/gtest.h>

namespace {

struct CRowWanted {
    const char* m_pszDate;
    double m_dAmount; // signed
    const char* m_pszDesc = nullptr;
    int m_nType = -1;
    int m_nCheck = -1;
};

struct CSampleCase {
    const char* m_pszFile;
    EDateOrder m_order;
    const char* m_pszError; // part of the refusal, or nullptr
    int m_nNew, m_nSkipped;
    double m_dSum; // of the new rows
    std::vector<CRowWanted> m_rows;
};

const CCsvMapping FR_MAP{0, 1, -1, 2, -1, -1, -1, -1};

// Every sample imports or is refused with a reason; the peers' expected values hold.
const std::vector<CSampleCase> SAMPLE_CASES = {
    {"csv/beangulp-mdy-balance.csv",
     EDateOrder::Auto,
     nullptr,
     6,
     0,
     -1490.16,
     {{"2016-03-04", -1300.00},
      {"2016-03-05", 110.00},
      {"2016-03-06", -60.00},
      {"2016-03-14", -150.00},
      {"2016-03-15", 2590.73},
      {"2016-03-18", -2680.89}}},
    {"csv/reds-dcu-dollar-signs-crlf.csv",
     EDateOrder::Auto,
     nullptr,
     10,
     0,
     500.00,
     {{"2021-12-31", -7971.39}, {"2021-12-30", 6000.36}, {"2021-12-15", 10000.00}}},
    {"csv/reds-schwab-withdrawal-deposit.csv",
     EDateOrder::Auto,
     nullptr,
     2,
     0,
     -1.00,
     {{"2022-02-03", -2.00, "Electronic Withdrawal"}, {"2022-07-31", 1.00, "Interest Paid"}}},
    {"csv/reds-semicolon-preamble.csv",
     EDateOrder::Auto,
     nullptr,
     2,
     0,
     -802.35,
     {{"2025-06-06", -678.90, "Another Payee"}, {"2025-06-07", -123.45, "A Payee"}}},
    {"csv/kmymoney-preamble-debit-credit.csv",
     EDateOrder::Auto,
     nullptr,
     4,
     0,
     -865.27,
     {{"2009-11-04", -18.75}, {"2009-11-12", -10.00, "Personal Cheque"}}},
    {"csv/hledger-ynab4-rtl-cleared.csv",
     EDateOrder::Auto,
     nullptr,
     2,
     0,
     -97.96,
     {{"2022-11-07", -4.75, "shop1"}, {"2022-12-11", -93.21, "coffeeshop"}}},
    {"csv/hledger-fr-cp1252.csv", EDateOrder::Auto, "cannot be recognised", 0, 0, 0, {}},
    {"ofx/ofxparse-bank-medium-v102-oneline.ofx",
     EDateOrder::Auto,
     nullptr,
     3,
     0,
     -345.27,
     {{"2009-04-01", -6.60, "MCDONALD'S #112", TYPE_CHECKCARD, 0}}},
    {"ofx/ofxparse-suncorp-v200-cdata-crlf.ofx",
     EDateOrder::Auto,
     nullptr,
     1,
     0,
     -16.85,
     {{"2013-12-15", -16.85, "EFTPOS WDL HANDYWAY ALDI STORE"}}},
    {"ofx/ofxparse-anz-creditcard-v203-unclosed.ofx",
     EDateOrder::Auto,
     nullptr,
     1,
     0,
     -5.50,
     {{"2017-05-08", -5.50, "SOME MEMO", TYPE_CHECKCARD}}},
    {"ofx/ofxparse-bad-dates.ofx", EDateOrder::Auto, nullptr, 0, 3, 0, {}},
    {"ofx/libofx-ofx160-noheader-comments.ofx",
     EDateOrder::Auto,
     nullptr,
     2,
     0,
     -500.00,
     {{"1996-10-04", -200.00, "", TYPE_CHECK, 1000}, {"1996-10-20", -300.00, "", TYPE_ATM, 0}}},
    {"ofx/ofxtools-v200-comma-decimal.ofx",
     EDateOrder::Auto,
     nullptr,
     2,
     0,
     -500.00,
     {{"2005-10-04", -200.00, nullptr, TYPE_CHECK, 1000}, {"2005-10-20", -300.00}}},
    {"ofx/autosync-cp1252-accented.ofx",
     EDateOrder::Auto,
     nullptr,
     1,
     0,
     -58.73,
     {{"2014-09-20", -58.73, "Virement Interac \xC3\xA0: Jean"}}},
    {"ofx/autosync-zero-amount.ofx", EDateOrder::Auto, nullptr, 1, 1, 123.45, {}},
    {"ofx/reds-n26-commented-header.ofx",
     EDateOrder::Auto,
     nullptr,
     1,
     0,
     -1.50,
     {{"2025-05-03", -1.50, "name"}}},
    {"ofx/malformed/libofx-heap-buffer-overflow-1.ofx",
     EDateOrder::Auto,
     "no transactions",
     0,
     0,
     0,
     {}},
    {"ofx/malformed/libofx-use-after-free.ofx", EDateOrder::Auto, "no <OFX>", 0, 0, 0, {}},
    {"qfx/gnucash-cibc-savings-v102.qfx",
     EDateOrder::Auto,
     nullptr,
     7,
     0,
     -54.40,
     {{"2001-04-02", 80.00,
       "INSTANT TELLER DEPOSIT;9TH & VICTORIA 01A05;Automated Bank "
       "Machine"}}},
    {"qfx/reds-capitalone-360-v202.qfx",
     EDateOrder::Auto,
     nullptr,
     4,
     0,
     1233.55,
     {{"2023-01-12", 444.55, "Deposit from BEAN COUNTERS PAYROLL"},
      {"2023-01-17", -100.00, "Withdrawal from AMERICAN EXPRESS ACH PMT"},
      {"2023-01-19", 888.99},
      {"2023-02-28", 0.01, "Monthly Interest Paid"}}},
    {"qfx/reds-ally-headerless.qfx",
     EDateOrder::Auto,
     nullptr,
     2,
     0,
     -1055.00,
     {{"2019-01-09", -55.00, "Transfer to savings account"},
      {"2019-01-09", -1000.00, "Check 23400"}}},
    {"qif/gnucash-money95-bank-latin1.qif",
     EDateOrder::Auto,
     nullptr,
     142,
     0,
     3060.04,
     {{"1995-01-01", -405.00, "Canal Satellite"},
      {"1995-01-12", -3700.00, "Propri\xC3\xA9taire", TYPE_CHECK, 6353}}},
    {"qif/gnucash-quicken3-abc-all.qif",
     EDateOrder::Auto,
     nullptr,
     10,
     0,
     3554.00,
     {{"1997-08-01", 3300.00, "put in more money"}}},
    {"qif/gnucash-cbb-checkbook.qif",
     EDateOrder::Auto,
     nullptr,
     9,
     0,
     -507.59,
     {{"1997-10-11", -98.05, "BofA", TYPE_CHECK, 278},
      {"1997-09-29", 193.42},
      {"1997-09-20", -40.00, "Withdrawal", TYPE_ATM, 0}}},
    {"qif/gnucash-web-broken-dates.qif",
     EDateOrder::Auto,
     nullptr,
     7,
     0,
     -499.95,
     {{"1999-03-25", -99.99, "Share Withdrawal"}}},
    {"qif/gnucash-iso-day31-last.qif",
     EDateOrder::Auto,
     nullptr,
     4,
     0,
     100.00,
     {{"2023-01-02", 20.00}, {"2023-02-03", 30.00}, {"2023-12-11", 40.00}, {"2022-12-31", 10.00}}},
    {"qif/gnucash-inconsistent-date-formats.qif", EDateOrder::Auto, "year-month-day", 0, 0, 0, {}},
    {"qif/quiffen-apostrophe-dates-splits.qif",
     EDateOrder::Auto,
     nullptr,
     5,
     0,
     -35.50,
     {{"2020-02-14", 67.50, "T-Mobile"}, {"2020-02-11", -25.00, "Walmart", TYPE_CHECK, 123}}},
    {"qif/quiffen-split-to-account.qif",
     EDateOrder::MDY,
     nullptr,
     1,
     0,
     -10.00,
     {{"2000-01-01", -10.00, "A Payee"}}},
};

TEST(ImportTest, EverySampleImportsOrIsRefusedWithAReason) {
    for (const CSampleCase& c : SAMPLE_CASES) {
        SCOPED_TRACE(c.m_pszFile);
        CTestDoc t;
        const CReadResult read = ReadSample(c.m_pszFile, c.m_order);
        if (c.m_pszError) {
            EXPECT_NE(read.m_strError.find(c.m_pszError), std::string::npos) << read.m_strError;
            continue;
        }
        ASSERT_TRUE(read.Ok()) << read.m_strError;
        ASSERT_FALSE(read.m_bOrderAmbiguous);
        const CImportPlan plan = BuildImportPlan(t.Doc(), read);
        EXPECT_EQ(plan.m_nNew, c.m_nNew);
        EXPECT_EQ(plan.m_nSkipped, c.m_nSkipped);
        EXPECT_EQ(plan.m_nDuplicates, 0);
        long long nSum = 0;
        for (const CImportRow& r : plan.m_rows)
            if (r.m_nStatus == EImportStatus::New)
                nSum += ToCents(r.SignedAmount());
        EXPECT_EQ(nSum, ToCents(c.m_dSum));
        for (const CRowWanted& w : c.m_rows) {
            SCOPED_TRACE(w.m_pszDate);
            bool bFound = false;
            for (const CImportRow& r : plan.m_rows) {
                if (r.m_nStatus != EImportStatus::New || Ymd(r.m_date) != w.m_pszDate ||
                    ToCents(r.SignedAmount()) != ToCents(w.m_dAmount))
                    continue;
                if (w.m_pszDesc && r.m_strDesc != w.m_pszDesc)
                    continue;
                bFound = true;
                if (w.m_nType >= 0) {
                    EXPECT_EQ(r.m_nType, w.m_nType);
                }
                if (w.m_nCheck >= 0) {
                    EXPECT_EQ(r.m_nCheckNum, w.m_nCheck);
                }
            }
            EXPECT_TRUE(bFound);
        }
    }
}

TEST(ImportTest, DayFirstCsvWithAMappingDecodesWindows1252) {
    CTestDoc t;
    const CReadResult read = ReadSample("csv/hledger-fr-cp1252.csv", EDateOrder::Auto, FR_MAP);
    ASSERT_TRUE(read.Ok()) << read.m_strError;
    const CImportPlan plan = BuildImportPlan(t.Doc(), read);
    ASSERT_EQ(plan.m_rows.size(), 3u);
    EXPECT_EQ(plan.m_rows[0].m_strDesc, "D\xC3\x89P\xC3\x94T");
    EXPECT_EQ(plan.m_rows[1].m_strDesc, "VIREMENT VERS \xC3\x89PARGNE");
    EXPECT_EQ(plan.m_rows[2].m_strDesc, "CAF\xC3\x89 \xE2\x80\x94 \xE2\x82\xAC"
                                        "20 RE\xC3\x87U");
    EXPECT_EQ(Ymd(plan.m_rows[2].m_date), "2012-03-24");
    EXPECT_EQ(ToCents(plan.m_rows[2].SignedAmount()), -2000);
}

TEST(ImportTest, InvestmentFilesAreRefused) {
    const CReadResult ofx =
        ReadText(EImportFormat::Ofx, "<OFX><INVSTMTMSGSRSV1><INVSTMTTRNRS><INVSTMTRS><INVTRANLIST>"
                                     "<INVBANKTRAN><STMTTRN><TRNTYPE>CREDIT<DTPOSTED>20200101"
                                     "<TRNAMT>5</STMTTRN></INVBANKTRAN></INVTRANLIST></INVSTMTRS>"
                                     "</INVSTMTTRNRS></INVSTMTMSGSRSV1></OFX>");
    EXPECT_NE(ofx.m_strError.find("investment statement"), std::string::npos) << ofx.m_strError;
    const CReadResult qif =
        ReadText(EImportFormat::Qif, "!Type:Invst\nD1/2/2020\nNBuy\nT100\n^\n!Type:Security\n"
                                     "NACME\n^\n");
    EXPECT_NE(qif.m_strError.find("Invst (1 record), Security (1 record)"), std::string::npos)
        << qif.m_strError;
}

TEST(ImportTest, OfxDatesTakeTheCalendarDayAsWritten) {
    const std::string body = "OFXHEADER:100\r\nDATA:OFXSGML\r\n\r\n<OFX><BANKMSGSRSV1><STMTTRNRS>"
                             "<STMTRS><BANKTRANLIST>"
                             "<STMTTRN><TRNTYPE>ATM<DTPOSTED>20201231233000.000[-12:X]<TRNAMT>-1"
                             "<NAME>a &amp; b</STMTTRN>"
                             "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20200101<TRNAMT>-2<NAME>c</STMTTRN>"
                             "<STMTTRN><TRNTYPE>CHECK<DTPOSTED>2020010112<TRNAMT>3<CHECKNUM>0"
                             "<NAME>d</STMTTRN>"
                             "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>";
    CTestDoc t;
    const CImportPlan plan = BuildImportPlan(t.Doc(), ReadText(EImportFormat::Ofx, body));
    ASSERT_EQ(plan.m_rows.size(), 3u);
    EXPECT_EQ(Ymd(plan.m_rows[0].m_date), "2020-12-31");
    EXPECT_EQ(plan.m_rows[0].m_strDesc, "a & b");
    EXPECT_EQ(plan.m_rows[0].m_nType, TYPE_ATM);
    EXPECT_EQ(plan.m_rows[1].m_nType, TYPE_CHECKCARD);
    EXPECT_EQ(plan.m_rows[2].m_nType, TYPE_OTHER); // check number 0 is none
    EXPECT_EQ(plan.m_rows[2].m_nCheckNum, 0);
    for (const CImportRow& r : plan.m_rows) {
        EXPECT_TRUE(r.m_bCleared);
        EXPECT_EQ(r.m_date, ToLocalMidnight(r.m_date));
    }
}

struct CAmountCase {
    const char* m_pszText;
    bool m_bCommaDecimal;
    std::optional<double> m_expected;
};

TEST(ImportTest, AmountsAsBanksWriteThem) {
    const CAmountCase cases[] = {
        {"-$7,971.39", false, -7971.39},
        {"\"$6,000.36\"", false, 6000.36},
        {"(12.50)", false, -12.50},
        {"5,762.36", false, 5762.36},
        {"1.234,56", false, 1234.56},
        {"-200,00", true, -200.00},
        {"-200,00", false, -200.00},
        {"1,234", false, 1234.00},
        {"+444.55", false, 444.55},
        {"-100", false, -100.00},
        {"12.50-", false, -12.50},
        {"USD 3.00", false, 3.00},
        {"\xD8\xAF.\xD8\xA7.\xE2\x80\x8F"
         "4.750",
         false, 4.75},
        {"1,234,567.89", false, 1234567.89},
        {".50", false, 0.50},
        {"2 100,00", false, 2100.00},
        {"1\xC2\xA0"
         "234,56 \xE2\x82\xAC",
         false, 1234.56},
        {"", false, std::nullopt},
        {"abc", false, std::nullopt},
        {"12 34", false, std::nullopt},
        {"1.2.3,4,5", false, std::nullopt},
        {"lots of letters 5", false, std::nullopt},
    };
    for (const CAmountCase& c : cases) {
        SCOPED_TRACE(c.m_pszText);
        const std::optional<double> d = ParseAmount(c.m_pszText, c.m_bCommaDecimal);
        ASSERT_EQ(d.has_value(), c.m_expected.has_value());
        if (d) {
            EXPECT_EQ(ToCents(*d), ToCents(*c.m_expected));
        }
    }
}

struct CDateCase {
    const char* m_pszDates; // one QIF date per line
    EDateOrder m_given;
    const char* m_pszFirst; // first date, "ask" when ambiguous, "error" when refused
};

TEST(ImportTest, DateOrderDecidedFromTheWholeFile) {
    const CDateCase cases[] = {
        {"1/2/03\n1/13/03", EDateOrder::Auto, "2003-01-02"},
        {"1/2/03\n13/1/03", EDateOrder::Auto, "2003-02-01"},
        {"1/2/03\n3/4/03", EDateOrder::Auto, "ask"},
        {"1/2/03\n3/4/03", EDateOrder::DMY, "2003-02-01"},
        {"8/ 1/97", EDateOrder::MDY, "1997-08-01"},
        {"2/14'2020", EDateOrder::Auto, "2020-02-14"},
        {"1/ 1'00\n12/31'99", EDateOrder::Auto, "2000-01-01"},
        {"03/25/099Share", EDateOrder::Auto, "1999-03-25"},
        {"2024-01-25\n01/25/2024", EDateOrder::Auto, "error"},
        {"2012/3/22", EDateOrder::Auto, "2012-03-22"},
        {"04 Nov 2009", EDateOrder::Auto, "2009-11-04"},
        {"Nov 4, 2009", EDateOrder::Auto, "2009-11-04"},
        {"20240229", EDateOrder::Auto, "2024-02-29"},
        {"02/30/2020\n01/13/2020", EDateOrder::Auto, "skipped"},
    };
    for (const CDateCase& c : cases) {
        SCOPED_TRACE(c.m_pszDates);
        std::string qif = "!Type:Bank\n";
        for (std::string_view d : SplitLines(c.m_pszDates))
            qif += "D" + std::string(d) + "\nT1.00\n^\n";
        const CReadResult r = ReadText(EImportFormat::Qif, qif, c.m_given);
        const std::string want = c.m_pszFirst;
        if (want == "error") {
            EXPECT_FALSE(r.Ok());
            EXPECT_NE(r.m_strError.find("month-day-year"), std::string::npos);
        } else if (want == "ask") {
            EXPECT_TRUE(r.m_bOrderAmbiguous);
        } else if (want == "skipped") {
            ASSERT_TRUE(r.Ok());
            EXPECT_NE(r.m_txns[0].m_strSkip.find("bad date"), std::string::npos);
        } else {
            ASSERT_TRUE(r.Ok()) << r.m_strError;
            ASSERT_FALSE(r.m_bOrderAmbiguous);
            EXPECT_EQ(Format("%04d-%02d-%02d", r.m_txns[0].m_nYear, r.m_txns[0].m_nMonth,
                             r.m_txns[0].m_nDay),
                      want);
        }
    }
}

TEST(ImportTest, QifCheckNumbersClearedAndSplits) {
    const std::string qif = "!Type:CCard  \n"
                            "D1/13/2020\nT-5\nN65535\nCX\n^^\n"
                            "D1/13/2020\nT-5\nN65536\nC*\n^\n"
                            "D1/13/2020\nT-5\nN12a\nCc\n^\n"
                            "D1/13/2020\nN0\nS[A]\n$-9.00\nSB\n$-1.005\n$-0.005\n^\n";
    CTestDoc t;
    const CImportPlan plan = BuildImportPlan(t.Doc(), ReadText(EImportFormat::Qif, qif));
    ASSERT_EQ(plan.m_rows.size(), 4u);
    EXPECT_EQ(plan.m_rows[0].m_nCheckNum, 65535);
    EXPECT_EQ(plan.m_rows[0].m_nType, TYPE_CHECK);
    EXPECT_TRUE(plan.m_rows[0].m_bCleared);
    EXPECT_EQ(plan.m_rows[1].m_nCheckNum, 0);
    EXPECT_EQ(plan.m_rows[1].m_nType, TYPE_OTHER);
    EXPECT_TRUE(plan.m_rows[1].m_bCleared);
    EXPECT_EQ(plan.m_rows[2].m_nCheckNum, 0);
    EXPECT_FALSE(plan.m_rows[2].m_bCleared);
    EXPECT_EQ(ToCents(plan.m_rows[3].SignedAmount()), -1001);
}

TEST(ImportTest, CsvClearedColumnAndDefaults) {
    const std::string csv = "\xEF\xBB\xBF"
                            "Date,Payee,Memo,Amount,Status\r\n"
                            "01/13/2020,\"Shop, Inc\",,\"(1,000.00)\",Cleared\r\n"
                            "01/14/2020,,only memo,2,pending\r\n"
                            "01/15/2020,\"Say \"\"hi\"\"\",,3,R\r\n";
    CTestDoc t;
    const CImportPlan plan = BuildImportPlan(t.Doc(), ReadText(EImportFormat::Csv, csv));
    ASSERT_EQ(plan.m_rows.size(), 3u);
    EXPECT_EQ(plan.m_rows[0].m_strDesc, "Shop, Inc");
    EXPECT_EQ(ToCents(plan.m_rows[0].SignedAmount()), -100000);
    EXPECT_TRUE(plan.m_rows[0].m_bCleared);
    EXPECT_EQ(plan.m_rows[1].m_strDesc, "only memo");
    EXPECT_FALSE(plan.m_rows[1].m_bCleared);
    EXPECT_EQ(plan.m_rows[2].m_strDesc, "Say \"hi\"");
    for (const char* w : {"C", "x", "Y", "*", "CLEARED", "Reconciled", "posted"})
        EXPECT_TRUE(IsClearedWord(w)) << w;
    for (const char* w : {"", "R", "no", "pending"})
        EXPECT_FALSE(IsClearedWord(w)) << w;
    // Without a cleared column every row counts as cleared.
    const CImportPlan noColumn = BuildImportPlan(
        t.Doc(), ReadText(EImportFormat::Csv, "Date\tDescription\tAmount\n1/13/2020\tx\t1\n"));
    ASSERT_EQ(noColumn.m_rows.size(), 1u);
    EXPECT_TRUE(noColumn.m_rows[0].m_bCleared);
}

TEST(ImportTest, CsvHeaderNamesAreRecognised) {
    const CCsvTable table = ReadCsvTable("Posting Date;CheckNumber;Transaction Type;Name;"
                                         "Withdrawal;Deposit;Running Balance\n"
                                         "1/13/2020;;x;y;1;;5\n");
    EXPECT_EQ(table.m_cDelimiter, ';');
    const std::optional<CCsvMapping> m = GuessCsvMapping(table);
    ASSERT_TRUE(m);
    EXPECT_EQ(*m, (CCsvMapping{0, 3, -1, -1, 4, 5, 1, -1}));
    const CCsvTable beangulp = ReadCsvTable(Bytes(SAMPLES + "csv/beangulp-mdy-balance.csv"));
    EXPECT_EQ(GuessCsvMapping(beangulp)->m_nNum, 6); // "Check or Slip #"
    const std::optional<CCsvMapping> two = GuessCsvMapping(ReadCsvTable(
        "Date,Description,Original Amount,Amount in Account Currency\n1/13/2020,a,1,2\n"));
    ASSERT_TRUE(two);
    EXPECT_EQ(two->m_nAmount, 3);
    std::string strWhy;
    EXPECT_FALSE(GuessCsvMapping(ReadCsvTable("Fecha,Texto,Importe\n1.1.2020,a,1\n"), &strWhy));
    EXPECT_EQ(strWhy, "no date column");
}

TEST(ImportTest, CsvMappingTextAndSettings) {
    std::string strWhy;
    EXPECT_EQ(*ParseCsvMapping("date=1,desc=2,debit=3,credit=4,num=5,cleared=6"),
              (CCsvMapping{0, 1, -1, -1, 2, 3, 4, 5}));
    EXPECT_FALSE(ParseCsvMapping("date=0,desc=1,amount=2", &strWhy));
    EXPECT_FALSE(ParseCsvMapping("when=1", &strWhy));
    EXPECT_EQ(strWhy, "unknown column name \"when\"");

    CMemorySettings store;
    const CCsvTable table = ReadCsvTable(Bytes(SAMPLES + "csv/hledger-fr-cp1252.csv"));
    EXPECT_FALSE(LoadCsvMapping(store, table));
    SaveCsvMapping(store, table, FR_MAP, EDateOrder::YMD);
    EDateOrder order = EDateOrder::Auto;
    EXPECT_EQ(LoadCsvMapping(store, table, &order), FR_MAP);
    EXPECT_EQ(order, EDateOrder::YMD);
    EXPECT_EQ(store.m_ints.count("Settings/date"), 0u); // its own group
    EXPECT_EQ(store.m_ints["CsvImport/date"], 1);
    const CCsvTable other = ReadCsvTable("A,B,C\n1/1/2020,x,1\n");
    EXPECT_FALSE(LoadCsvMapping(store, other));
}

TEST(ImportTest, DescriptionsKeepWhatARegisterCanHold) {
    int nReplaced = 0;
    bool bCut = false;
    EXPECT_EQ(CleanDescription("  caf\xC3\xA9 \xE2\x80\x8F\xE4\xB8\xAD?\tx ", nReplaced, bCut),
              "  caf\xC3\xA9 ??? x");
    EXPECT_EQ(nReplaced, 2);
    EXPECT_FALSE(bCut);
    const std::string strLong(300, 'a');
    EXPECT_EQ(CleanDescription(strLong, nReplaced, bCut).size(), 255u);
    EXPECT_TRUE(bCut);
    CTestDoc t;
    const CImportPlan plan = BuildImportPlan(
        t.Doc(), ReadText(EImportFormat::Csv, "Date,Payee,Amount\n1/13/2020,\xE4\xB8\xAD,1\n"));
    ASSERT_EQ(plan.m_notes.size(), 1u);
    EXPECT_EQ(plan.m_notes[0], "1 character that a register cannot hold became \"?\".");
}

} // namespace
