#include "../support/Fakes.h"
#include "ImportTestUtil.h"
#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"
#include "core/import/Export.h"
#include "core/import/Import.h"
#include "core/import/Reconcile.h"
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// ---- Duplicates ----

std::string CoffeeCsv(int nCoffees, const char* pszDate = "2020-03-10") {
    std::string csv = "Date,Payee,Amount,Check Number\n";
    for (int i = 0; i < nCoffees; ++i)
        csv += std::string(pszDate) + ",Coffee,-3.50,\n";
    return csv;
}

TEST(ImportTest, EachEntryMatchesAtMostOneIncoming) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    CReadResult read = ReadText(EImportFormat::Csv, CoffeeCsv(2));
    CImportPlan plan = BuildImportPlan(doc, read);
    EXPECT_EQ(ImportSummary(plan), "2 new, 0 duplicates, 0 skipped");
    doc.InsertEntry(MakeEntry(MakeLocalDate(2020, 3, 10), 3.50, true, "COFFEE SHOP #12"));
    plan = BuildImportPlan(doc, read);
    EXPECT_EQ(ImportSummary(plan), "1 new, 1 duplicates, 0 skipped");
    EXPECT_EQ(plan.m_rows[0].m_nStatus, EImportStatus::Duplicate);
    EXPECT_EQ(plan.m_rows[0].m_nMatchedEntry, 0);
}

struct CDupCase {
    const char* m_pszName;
    int m_nDays; // register entry date relative to the incoming one
    double m_dAmount;
    bool m_bDebit;
    int m_nRegisterCheck, m_nIncomingCheck;
    bool m_bDuplicate;
};

TEST(ImportTest, DuplicateRules) {
    const CDupCase cases[] = {
        {"same day", 0, 3.50, true, 0, 0, true},
        {"three days before", -3, 3.50, true, 0, 0, true},
        {"three days after", 3, 3.50, true, 0, 0, true},
        {"four days", 4, 3.50, true, 0, 0, false},
        {"other amount", 0, 3.51, true, 0, 0, false},
        {"other direction", 0, 3.50, false, 0, 0, false},
        {"same check", 1, 3.50, true, 101, 101, true},
        {"other check", 0, 3.50, true, 101, 102, false},
        {"only one has a number", 0, 3.50, true, 101, 0, true},
        {"only the file has a number", 0, 3.50, true, 0, 101, true},
    };
    for (const CDupCase& c : cases) {
        SCOPED_TRACE(c.m_pszName);
        CTestDoc t;
        t.Doc().InsertEntry(
            MakeEntry(ToLocalMidnight(MakeLocalDate(2020, 3, 1) + c.m_nDays * 86400 + 7200),
                      c.m_dAmount, c.m_bDebit, "x", 0, c.m_nRegisterCheck));
        const std::string csv = "Date,Payee,Amount,Check Number\n2020-03-01,y,-3.50," +
                                (c.m_nIncomingCheck ? std::to_string(c.m_nIncomingCheck) : "") +
                                "\n";
        const CImportPlan plan = BuildImportPlan(t.Doc(), ReadText(EImportFormat::Csv, csv));
        EXPECT_EQ(plan.m_nDuplicates, c.m_bDuplicate ? 1 : 0);
    }
}

TEST(ImportTest, TheSameFileTwiceAddsNothingTheSecondTime) {
    for (const char* pszFile : {"qfx/reds-ally-headerless.qfx", "qif/gnucash-cbb-checkbook.qif",
                                "csv/reds-dcu-dollar-signs-crlf.csv"}) {
        SCOPED_TRACE(pszFile);
        CTestDoc t;
        const CReadResult read = ReadSample(pszFile);
        const int nAdded = ApplyImport(t.Doc(), BuildImportPlan(t.Doc(), read), {});
        EXPECT_GT(nAdded, 0);
        EXPECT_EQ(t.Doc().EntryCount(), nAdded);
        EXPECT_TRUE(t.Doc().IsModified());
        const CImportPlan again = BuildImportPlan(t.Doc(), read);
        EXPECT_EQ(again.m_nNew, 0);
        EXPECT_EQ(again.m_nDuplicates, nAdded);
    }
}

TEST(ImportTest, ApplyAddsTickedRowsWithDescriptions) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    doc.SetStartingBalance(100);
    const CImportPlan plan = BuildImportPlan(doc, ReadSample("qif/gnucash-cbb-checkbook.qif"));
    std::vector<bool> ticks(plan.m_rows.size(), true);
    ticks[0] = false;
    EXPECT_EQ(ApplyImport(doc, plan, ticks), 8);
    EXPECT_EQ(doc.EntryCount(), 8);
    EXPECT_EQ(doc.Descriptions().size(), 0u); // each bank text occurs once
    EXPECT_EQ(doc.NextCheck(), 332);          // behind the highest imported check
    double dBalance = 100;
    const std::vector<CEntry>& entries = doc.Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        dBalance += entries[i].m_bDebit ? -entries[i].m_dAmount : entries[i].m_dAmount;
        EXPECT_DOUBLE_EQ(entries[i].m_dBalance, dBalance);
        if (i + 1 < entries.size()) {
            EXPECT_LE(entries[i].m_date, entries[i + 1].m_date);
        }
    }
    EXPECT_EQ(ToCents(doc.CurrentBalance()), 10000 - 50759 + 619);
    // A text that recurs joins the list.
    const CImportPlan coffees = BuildImportPlan(doc, ReadText(EImportFormat::Csv, CoffeeCsv(2)));
    EXPECT_EQ(ApplyImport(doc, coffees, {}), 2);
    EXPECT_EQ(doc.Descriptions(), CDescList{"Coffee"});
}

TEST(ImportTest, LimitOf5000Entries) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    for (int i = 0; i < 4999; ++i)
        doc.InsertEntry(MakeEntry(MakeLocalDate(2019, 1, 1), 1.0, true));
    EXPECT_EQ(ImportLimitMessage(doc, 1), "");
    EXPECT_EQ(ImportLimitMessage(doc, 2),
              "This import would add 2 entries, but the register has room for only 1 more (it "
              "holds at most 5000).\nArchive old entries to make room for new ones.");
}

// ---- Export ----

void FillExample(CTallywiseDoc& doc) {
    doc.SetStartingBalance(50);
    doc.InsertEntry(
        MakeEntry(MakeLocalDate(2020, 3, 1), 12.5, true, "Caf\xC3\xA9, \"Bob\"", 0, 101));
    doc.InsertEntry(MakeEntry(MakeLocalDate(2020, 3, 2), 100, false, "Pay", 4));
    doc.InsertEntry(MakeEntry(MakeLocalDate(2020, 3, 2), 20, true, "Cash", 1));
    doc.InsertEntry(MakeEntry(MakeLocalDate(2020, 3, 9), 7.25, true, "Lunch", 5));
    doc.SetEntryCleared(0, 1);
    doc.SetEntryCleared(1, 1);
    doc.UserTypes()[0].m_strName = "Online";
    doc.UserTypes()[0].m_bEnabled = 1;
}

TEST(ExportTest, CsvIsUtf8WithHeaderAndCrLf) {
    CTestDoc t;
    FillExample(t.Doc());
    EXPECT_EQ(BuildCsvExport(t.Doc(), {}),
              "\xEF\xBB\xBFNumber,Date,Description,Type,Debit,Credit,Balance,Cleared\r\n"
              "101,2020-03-01,\"Caf\xC3\xA9, \"\"Bob\"\"\",Check,12.50,,37.50,Y\r\n"
              ",2020-03-02,Pay,Other,,100.00,137.50,Y\r\n"
              ",2020-03-02,Cash,ATM,20.00,,117.50,\r\n"
              ",2020-03-09,Lunch,Online,7.25,,110.25,\r\n");
    const CExportRange range{false, MakeLocalDate(2020, 3, 2), MakeLocalDate(2020, 3, 2)};
    const std::string strRange = BuildCsvExport(t.Doc(), range);
    EXPECT_EQ(std::count(strRange.begin(), strRange.end(), '\n'), 3); // header, Pay, Cash
}

// Both exports, imported into an empty register, give the same register; the CSV one
// exports again byte for byte.
TEST(ExportTest, BothExportsComeBackWhole) {
    CTestDoc t;
    FillExample(t.Doc());
    t.Doc().InsertEntry(MakeEntry(MakeLocalDate(2020, 3, 10), 3, false, "=SUM(A1) \xC3\xA9", 3));
    t.Doc().InsertEntry(MakeEntry(MakeLocalDate(2020, 3, 11), 4, false, "  Refund", 0, 9731));
    const std::string qif = BuildQifExport(t.Doc(), {});
    EXPECT_EQ(qif.substr(0, 90), "!Type:Bank\r\nD03/01/2020\r\nT50.00\r\nCX\r\nPOpening Balance\r\n"
                                 "L[TWDoc]\r\n^\r\nD03/01/2020\r\nT-12.50\r\n");
    const std::string csv = BuildCsvExport(t.Doc(), {});
    EXPECT_NE(csv.find(",\"'=SUM(A1) \xC3\xA9\",Teller,"), std::string::npos) << csv;
    for (EImportFormat format : {EImportFormat::Qif, EImportFormat::Csv}) {
        SCOPED_TRACE(format == EImportFormat::Qif ? "QIF" : "CSV");
        CTestDoc u;
        u.Doc().UserTypes() = t.Doc().UserTypes();
        const CReadResult read = format == EImportFormat::Qif
                                     ? ReadText(format, qif, EDateOrder::MDY)
                                     : ReadText(format, csv);
        ASSERT_TRUE(read.Ok()) << read.m_strError;
        EXPECT_EQ(ApplyImport(u.Doc(), BuildImportPlan(u.Doc(), read), {}), 6);
        EXPECT_EQ(u.Doc().StartBalance(), t.Doc().StartBalance());
        EXPECT_TRUE(u.Doc().IsStartBalSet());
        ASSERT_EQ(t.Doc().EntryCount(), u.Doc().EntryCount());
        for (std::uint16_t i = 0; i < t.Doc().EntryCount(); ++i) {
            const CEntry& a = t.Doc().Entries()[i];
            const CEntry& b = u.Doc().Entries()[i];
            EXPECT_EQ(std::tie(a.m_date, a.m_strDesc, a.m_dAmount, a.m_bDebit, a.m_nCheckNum,
                               a.m_bCleared, a.m_nType, a.m_dBalance),
                      std::tie(b.m_date, b.m_strDesc, b.m_dAmount, b.m_bDebit, b.m_nCheckNum,
                               b.m_bCleared, b.m_nType, b.m_dBalance));
        }
        if (format == EImportFormat::Csv) {
            EXPECT_EQ(BuildCsvExport(u.Doc(), {}), csv);
        }
    }
}

TEST(ReconcileTest, GroupsThenOneChange) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    doc.SetStartingBalance(100);
    // Posted and uncleared; posted and cleared; uncleared and not at the bank (in the
    // file's dates, then after them); a check the bank paid under another number.
    doc.InsertEntry(MakeEntry(MakeLocalDate(2024, 1, 3), 10, true, "Rent"));
    doc.InsertEntry(MakeEntry(MakeLocalDate(2024, 1, 4), 20, false, "Pay"));
    doc.SetEntryCleared(1, 1);
    doc.InsertEntry(MakeEntry(MakeLocalDate(2024, 1, 5), 30, true, "Shop"));
    doc.InsertEntry(MakeEntry(MakeLocalDate(2024, 2, 9), 40, true, "Later"));
    doc.InsertEntry(MakeEntry(MakeLocalDate(2024, 1, 6), 50, true, "Check", TYPE_CHECK, 7));
    const std::string ofx =
        "<OFX><STMTRS><CURDEF>USD<BANKACCTFROM><ACCTID>9</BANKACCTFROM><BANKTRANLIST>"
        "<STMTTRN><DTPOSTED>20240102<TRNAMT>-10.00<NAME>RENT</STMTTRN>"
        "<STMTTRN><DTPOSTED>20240104<TRNAMT>20.00<NAME>PAY</STMTTRN>"
        "<STMTTRN><DTPOSTED>20240106<TRNAMT>-50.00<CHECKNUM>8<NAME>CHK</STMTTRN>"
        "<STMTTRN><DTPOSTED>20240107<TRNAMT>-5.00<NAME>FEE</STMTTRN></BANKTRANLIST>"
        "<LEDGERBAL><BALAMT>105.00<DTASOF>20240107</LEDGERBAL></STMTRS></OFX>";
    const CReconcilePlan plan = BuildReconcilePlan(doc, ReadText(EImportFormat::Ofx, ofx));
    std::string strGroups;
    for (const CReconcileLine& line : plan.m_lines)
        strGroups += std::to_string(static_cast<int>(line.m_nGroup)) + ":" +
                     (line.m_nEntry >= 0 ? doc.Entries()[line.m_nEntry].m_strDesc : "") + " ";
    EXPECT_EQ(strGroups, "0:Rent 1:Pay 2: 2: 3:Shop 3:Check ");
    EXPECT_EQ(ReconcileSummary(plan), "1 cleared, 1 already cleared, 2 new, 2 outstanding");
    EXPECT_EQ(ToCents(*plan.m_dLedger), 10500);

    CRecordingObserver observer;
    doc.SetObserver(&observer);
    EXPECT_TRUE(ApplyReconcile(doc, plan));
    doc.SetObserver(nullptr);
    EXPECT_EQ(std::count(observer.m_events.begin(), observer.m_events.end(), "reset"), 1);
    EXPECT_EQ(doc.EntryCount(), 7);
    EXPECT_EQ(ToCents(ClearedBalance(doc)), 10000 - 1000 + 2000 - 5000 - 500);
    EXPECT_EQ(LedgerComparison(plan, ClearedBalance(doc)),
              "ledger balance 105.00 on 01/07/2024, cleared balance 55.00: difference 50.00");
}

} // namespace
