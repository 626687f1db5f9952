#include "DialogTestUtil.h"
#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "core/document/Limits.h"
#include "core/document/RegisterCells.h"
#include "core/tools/AutoEntries.h"
#include "gui/tools/CDlgAEEntry.h"
#include "gui/tools/CDlgAutomaticEntries.h"
#include "gui/view/CRegisterModel.h"
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct CAutoFields {
    bool bMonthly = true;
    const char* pszDayOfMonth = "1";
    const char* pszNumDays = "1";
    const char* pszAmount = "0.00";
    bool bDebit = true;
    int nTypeIndex = 0;
    const char* pszDesc = "";
};

// Fills the "Automatic Entry" dialog and presses OK.
CModalHelper::Handler FillAuto(CAutoFields f) {
    return [f](QWidget* pDlg) {
        QCOMPARE(pDlg->windowTitle(), QStringLiteral("Automatic Entry"));
        Child<QRadioButton>(pDlg, f.bMonthly ? "monthly" : "everyDays")->click();
        Child<QLineEdit>(pDlg, "dayOfMonth")->setText(QString::fromLatin1(f.pszDayOfMonth));
        Child<QLineEdit>(pDlg, "numDays")->setText(QString::fromLatin1(f.pszNumDays));
        Child<QLineEdit>(pDlg, "amount")->setText(QString::fromLatin1(f.pszAmount));
        Child<QRadioButton>(pDlg, f.bDebit ? "debit" : "credit")->click();
        Child<QComboBox>(pDlg, "type")->setCurrentIndex(f.nTypeIndex);
        Child<QComboBox>(pDlg, "desc")->setEditText(QString::fromLatin1(f.pszDesc));
        ClickLater(pDlg, "ok");
    };
}

CModalHelper::Handler Click(const char* pszButton) {
    return [pszButton](QWidget* pDlg) { ClickLater(pDlg, pszButton); };
}

QString Cell(QWidget* pDlg, int nRow, int nColumn) {
    const QTableWidgetItem* pItem = Child<QTableWidget>(pDlg, "list")->item(nRow, nColumn);
    return pItem ? pItem->text() : QString();
}

int SelectedRow(QWidget* pDlg) {
    const auto rows = Child<QTableWidget>(pDlg, "list")->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void AddDefinition(std::vector<CAutoEntry>& autos, std::uint32_t nFrequency, int nDay,
                   std::time_t next, const char* pszDesc) {
    CAutoEntry a;
    a.m_nFrequency = nFrequency;
    a.m_nDay = std::int8_t(nDay);
    a.m_nextDate = next;
    a.m_strDesc = pszDesc;
    a.m_nType = TYPE_OTHER;
    a.m_dAmount = 450.0;
    autos.push_back(a);
}

} // namespace

class CAutoEntriesTests : public QObject {
    Q_OBJECT
    const std::time_t m_now = MakeLocalDate(2004, 2, 10) + 9 * 3600;

private Q_SLOTS:
    void entryDialogDefaultsAndRadioSwitch() {
        CUserTypeTable types{};
        types[1] = {"Loan", "L", 1, 1};
        CDlgAEEntry dlg(&types);
        dlg.m_nDay = 10;
        dlg.m_nMonth = 2;
        dlg.m_nYear = 2004;
        QVERIFY(ShowActive(dlg));
        QVERIFY(Child<QRadioButton>(&dlg, "monthly")->isChecked());
        QCOMPARE(Child<QLineEdit>(&dlg, "dayOfMonth")->text(), QStringLiteral("1"));
        QCOMPARE(Child<QLineEdit>(&dlg, "numDays")->text(), QStringLiteral("1"));
        QCOMPARE(Child<QLineEdit>(&dlg, "starting")->text(), QStringLiteral("February 10, 2004"));
        QCOMPARE(Child<QLineEdit>(&dlg, "amount")->text(), QStringLiteral("0.00"));
        QVERIFY(Child<QRadioButton>(&dlg, "debit")->isChecked());
        auto* pType = Child<QComboBox>(&dlg, "type");
        QCOMPARE(pType->count(), 4);
        QCOMPARE(pType->currentText(), QStringLiteral("Check Card"));
        QCOMPARE(pType->itemText(3), QStringLiteral("Loan"));
        QCOMPARE(Child<QComboBox>(&dlg, "desc")->currentText(), QString());
        QVERIFY(Child<QLineEdit>(&dlg, "dayOfMonth")->isEnabled());
        QVERIFY(!Child<QLineEdit>(&dlg, "numDays")->isEnabled());
        QVERIFY(!Child<QLineEdit>(&dlg, "starting")->isEnabled());
        Child<QRadioButton>(&dlg, "everyDays")->click();
        QVERIFY(!Child<QLineEdit>(&dlg, "dayOfMonth")->isEnabled());
        QVERIFY(Child<QLineEdit>(&dlg, "numDays")->isEnabled());
        QVERIFY(Child<QLineEdit>(&dlg, "starting")->isEnabled());
        Child<QRadioButton>(&dlg, "monthly")->click();
        QVERIFY(Child<QLineEdit>(&dlg, "dayOfMonth")->isEnabled());
        dlg.reject();
    }

    // Every field is checked on OK but the day field of the period not chosen.
    void entryDialogRefusesBadFields_data() {
        QTest::addColumn<bool>("monthly");
        QTest::addColumn<QString>("dayOfMonth");
        QTest::addColumn<QString>("numDays");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("descChars");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("good") << true << "31"
                              << "1"
                              << "12.50" << 255 << true;
        QTest::newRow("day 0") << true << "0"
                               << "1"
                               << "1" << 3 << false;
        QTest::newRow("day 32") << true << "32"
                                << "1"
                                << "1" << 3 << false;
        QTest::newRow("day not a number") << true << "x"
                                          << "1"
                                          << "1" << 3 << false;
        QTest::newRow("days 0 while monthly") << true << "5"
                                              << "0"
                                              << "1" << 3 << true;
        QTest::newRow("day 40 while every N") << false << "40"
                                              << "7"
                                              << "1" << 3 << true;
        QTest::newRow("days 32") << false << "1"
                                 << "32"
                                 << "1" << 3 << false;
        QTest::newRow("amount too big") << true << "1"
                                        << "1"
                                        << "100000" << 3 << false;
        QTest::newRow("amount smallest") << true << "1"
                                         << "1"
                                         << "-99999.99" << 3 << true;
        QTest::newRow("description too long") << true << "1"
                                              << "1"
                                              << "1" << 256 << false;
    }
    void entryDialogRefusesBadFields() {
        QFETCH(bool, monthly);
        QFETCH(QString, dayOfMonth);
        QFETCH(QString, numDays);
        QFETCH(QString, amount);
        QFETCH(int, descChars);
        QFETCH(bool, accepted);
        CDlgAEEntry dlg;
        QVERIFY(ShowActive(dlg));
        Child<QRadioButton>(&dlg, monthly ? "monthly" : "everyDays")->click();
        Child<QLineEdit>(&dlg, "dayOfMonth")->setText(dayOfMonth);
        Child<QLineEdit>(&dlg, "numDays")->setText(numDays);
        Child<QLineEdit>(&dlg, "amount")->setText(amount);
        Child<QComboBox>(&dlg, "desc")->lineEdit()->setMaxLength(1000);
        Child<QComboBox>(&dlg, "desc")->setEditText(QString(descChars, QLatin1Char('d')));
        CModalHelper modal;
        if (!accepted)
            modal.ThenMessageBox(QMessageBox::Ok);
        Child<QPushButton>(&dlg, "ok")->click();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(dlg.isVisible(), !accepted);
        if (accepted) {
            QCOMPARE(dlg.m_nPeriod, monthly ? 0 : 1);
            QCOMPARE(monthly ? dlg.m_nDayOfMonth : dlg.m_nNumDays,
                     (monthly ? dayOfMonth : numDays).toInt());
            QCOMPARE(dlg.m_dAmount, amount.toDouble());
            QCOMPARE(int(dlg.m_strDesc.size()), descChars);
        }
        dlg.reject();
    }

    void listDialogAddEditDeleteAndWidths() {
        std::vector<CAutoEntry> autos;
        CDescList descs{"Rent"};
        CDlgAutomaticEntries dlg;
        dlg.m_autos = autos;
        dlg.m_descs = descs;
        dlg.m_now = m_now;
        CModalHelper modal;
        QStringList seen;
        int nEmptyState = -1;
        modal.Then([&](QWidget* w) {
            nEmptyState = Child<QPushButton>(w, "edit")->isEnabled() ||
                          Child<QPushButton>(w, "delete")->isEnabled();
            ClickLater(w, "add");
        });
        modal.Then(FillAuto({true, "31", "1", "450", true, 1, "Rent"}));
        modal.Then(Click("add"));
        modal.Then(FillAuto({false, "1", "14", "800", false, 2, "Pay"}));
        modal.Then([&](QWidget* w) {
            auto* pList = Child<QTableWidget>(w, "list");
            const int nWidth = pList->viewport()->width();
            seen << QString::number(pList->columnWidth(0) == nWidth / 8)
                 << QString::number(pList->columnWidth(1) == nWidth / 4)
                 << QString::number(pList->columnWidth(2) == nWidth * 5 / 8);
            seen << pList->horizontalHeaderItem(0)->text() << pList->horizontalHeaderItem(1)->text()
                 << pList->horizontalHeaderItem(2)->text();
            seen << Cell(w, 0, 0) << Cell(w, 0, 1) << Cell(w, 0, 2) << Cell(w, 1, 0)
                 << Cell(w, 1, 1) << Cell(w, 1, 2) << QString::number(SelectedRow(w));
            pList->selectRow(0);
            ClickLater(w, "edit");
        });
        modal.Then(FillAuto({true, "5", "1", "460", true, 0, "Rent 2"}));
        modal.Then([&](QWidget* w) {
            seen << Cell(w, 0, 1) << Cell(w, 0, 2) << QString::number(SelectedRow(w));
            Child<QTableWidget>(w, "list")->selectRow(1);
            Child<QPushButton>(w, "delete")->click();
            seen << QString::number(SelectedRow(w));
            Child<QPushButton>(w, "delete")->click();
            seen << QString::number(SelectedRow(w))
                 << QString::number(Child<QPushButton>(w, "edit")->isEnabled())
                 << QString::number(Child<QPushButton>(w, "delete")->isEnabled());
            ClickLater(w, "done");
        });
        dlg.exec();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(nEmptyState, 0);
        QCOMPARE(seen, QStringList({"1", "1", "1", "M/D", "Next", "Description", "M", "02/29/04",
                                    "Rent", "D", "02/24/04", "Pay", "1",
                                    // edited: the 5th is past, so next month
                                    "03/05/04", "Rent 2", "0", "0", "-1", "0", "0"}));
        QVERIFY(dlg.m_autos.empty());
        descs = dlg.m_descs;
    }

    void listDialogStoresFieldsAndRefusesTheHundredAndFirst() {
        std::vector<CAutoEntry> autos;
        CDescList descs;
        for (int i = 0; i < MAX_AUTOS - 1; ++i)
            AddDefinition(autos, 1, 1, m_now, "x");
        CUserTypeTable types{};
        types[2] = {"Loan", "L", 1, 1};
        CDlgAutomaticEntries dlg(&types);
        dlg.m_autos = autos;
        dlg.m_now = m_now;
        CModalHelper modal;
        QString strMessage;
        int nSelected = -1;
        modal.Then(Click("add"));
        modal.Then(FillAuto({false, "1", "7", "-12.5", false, 3, "Loan in"}));
        modal.Then([&](QWidget* w) {
            nSelected = SelectedRow(w);
            ClickLater(w, "add");
        });
        modal.ThenMessageBox(QMessageBox::Ok, &strMessage);
        modal.Then(Click("done"));
        dlg.exec();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strMessage, QStringLiteral("You cannot enter more than 100 automatic entries."));
        QCOMPARE(nSelected, MAX_AUTOS - 1);
        autos = dlg.m_autos;
        QCOMPARE(int(autos.size()), MAX_AUTOS);
        QCOMPARE(int(autos.size()), MAX_AUTOS);
        const CAutoEntry* a = &autos.back();
        QCOMPARE(a->m_nFrequency, 0u);
        QCOMPARE(int(a->m_nDay), 7);
        QCOMPARE(a->m_dAmount, -12.5);
        QCOMPARE(a->m_bDebit, 0u);
        QCOMPARE(int(a->m_nType), 7);
        QCOMPARE(a->m_strDesc, std::string("Loan in"));
        // Starting today, already past: one step on.
        QCOMPARE(a->m_nextDate, MakeLocalDate(2004, 2, 17));
    }

    // The edit dialog opens with the definition's values.
    void editOpensWithTheDefinition() {
        std::vector<CAutoEntry> autos;
        AddDefinition(autos, 0, 14, MakeLocalDate(2004, 3, 1), "Pay");
        autos.front().m_bDebit = 0;
        autos.front().m_nType = 3;
        CDlgAutomaticEntries dlg;
        dlg.m_autos = autos;
        dlg.m_now = m_now;
        CModalHelper modal;
        QStringList seen;
        modal.Then([](QWidget* w) {
            // From the event loop, so the entry dialog is answered by the next handler.
            auto* pList = Child<QTableWidget>(w, "list");
            QTimer::singleShot(
                0, pList, [pList] { Q_EMIT pList->doubleClicked(pList->model()->index(0, 2)); });
        });
        modal.Then([&](QWidget* w) {
            seen << QString::number(Child<QRadioButton>(w, "everyDays")->isChecked())
                 << Child<QLineEdit>(w, "numDays")->text()
                 << Child<QLineEdit>(w, "dayOfMonth")->text()
                 << Child<QLineEdit>(w, "starting")->text() << Child<QLineEdit>(w, "amount")->text()
                 << QString::number(Child<QRadioButton>(w, "credit")->isChecked())
                 << Child<QComboBox>(w, "type")->currentText()
                 << Child<QComboBox>(w, "desc")->currentText();
            ClickLater(w, "cancel");
        });
        modal.Then(Click("done"));
        dlg.exec();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(seen,
                 QStringList({"1", "14", "1", "March 01, 2004", "450.00", "1", "Teller", "Pay"}));
        QCOMPARE(dlg.m_autos.front().m_nextDate, MakeLocalDate(2004, 3, 1));
    }

    // The command: modified always, lists stored back, posting, type usage.
    void commandPostsWhatFellDue() {
        CFrameFixture fix;
        CTallywiseDoc& doc = fix.Doc();
        doc.SetStartingBalance(doc.StartBalance());
        fix.m_app.m_userTypes[0] = {"Loan", "L", 1, 1};
        fix.AddEntry(TYPE_OTHER, 0, 2, 10, "Earlier", 5, true);
        fix.AddEntry(TYPE_OTHER, 0, 2, 11, "Later", 5, true);
        fix.StartClean();
        fix.m_messages.m_answers = {EAnswer::Yes};
        CModalHelper modal;
        modal.Then(Click("add"));
        modal.Then(FillAuto({true, "10", "1", "25", true, 3, "Loan"}));
        modal.Then(Click("done"));
        OnAutomaticEntries(fix.Context());
        QCOMPARE(modal.Pending(), 0);
        QVERIFY(doc.IsModified());
        QCOMPARE(int(doc.AutoEntries().size()), 1);
        QCOMPARE(fix.m_messages.Texts(),
                 std::vector<std::string>{"Add automatic entry: \n\n     February 10, 2004\n     "
                                          "Loan\n     -25.00"});
        QCOMPARE(doc.AutoEntries().front().m_nextDate, MakeLocalDate(2004, 3, 10));
        QCOMPARE(doc.EntryCount(), std::uint16_t(3));
        auto* pModel = fix.View()->model();
        QCOMPARE(pModel->rowCount(), 3);
        QCOMPARE(pModel->index(1, COL_DESC).data().toString(), QStringLiteral("Loan"));
        QCOMPARE(pModel->index(2, COL_BALANCE).data().toString(), QStringLiteral("(-35.00)"));
        QCOMPARE(fix.View()->GetSelectedRow().value_or(99), std::uint16_t(1));
        QCOMPARE(fix.m_app.m_userTypes[0].m_bNotInUse, 0u);

        // Nothing changed, nothing due: still modified.
        fix.StartClean();
        modal.Then(Click("done"));
        OnAutomaticEntries(fix.Context());
        QVERIFY(doc.IsModified());
        QCOMPARE(fix.m_messages.Texts().size(), std::size_t(1));
    }

    // A register opened with an overdue definition asks at once, oldest first.
    void openAsksForWhatFellDue() {
        CFrameFixture fix;
        CTallywiseDoc& doc = fix.Doc();
        doc.SetStartingBalance(doc.StartBalance());
        std::vector<CAutoEntry> autos;
        AddDefinition(autos, 1, 31, MakeLocalDate(2003, 11, 30), "Rent");
        doc.SetAutoEntries(autos);
        QTemporaryDir dir;
        const std::string strPath = dir.filePath(QStringLiteral("auto.twd")).toStdString();
        QVERIFY(doc.SaveDocumentFile(strPath));
        fix.StartClean();
        fix.m_messages.m_answers = {EAnswer::No, EAnswer::Yes, EAnswer::No};
        QVERIFY(fix.m_app.OpenDocumentFile(strPath));
        QCOMPARE(fix.m_messages.Texts().size(), std::size_t(3));
        QCOMPARE(fix.m_messages.Texts()[1],
                 std::string("Add automatic entry: \n\n     December 31, 2003\n     Rent\n     "
                             "-450.00"));
        QCOMPARE(fix.m_messages.Texts()[2].substr(28, 16), std::string("January 31, 2004"));
        QVERIFY(doc.IsModified());
        QCOMPARE(fix.View()->model()->rowCount(), 1);
        QCOMPARE(fix.View()->GetSelectedRow().value_or(99), std::uint16_t(0));
        QCOMPARE(doc.AutoEntries().front().m_nextDate, MakeLocalDate(2004, 2, 29));
    }
};

TW_GUI_TEST(CAutoEntriesTests);
#include "AutoEntriesTests.moc"
