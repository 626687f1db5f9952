#include "DialogTestUtil.h"
#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "core/document/RegisterCells.h"
#include "gui/tools/CDlgUndoDelete.h"
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

QString Cell(QWidget* pDlg, int nRow, int nColumn) {
    const QTableWidgetItem* pItem = Child<QTableWidget>(pDlg, "list")->item(nRow, nColumn);
    return pItem ? pItem->text() : QString();
}

int SelectedRow(QWidget* pDlg) {
    const auto rows = Child<QTableWidget>(pDlg, "list")->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

bool Enabled(QWidget* pDlg, const char* pszButton) {
    return Child<QPushButton>(pDlg, pszButton)->isEnabled();
}

// Four entries deleted from the fixture's register, oldest first: a cleared check, a
// user-type credit, an ATM debit and another check.
void DeleteFour(CFrameFixture& fix) {
    fix.Doc().SetStartingBalance(fix.Doc().StartBalance());
    fix.m_app.m_userTypes[1] = {"Loan", "L", 1, 1};
    fix.AddEntry(TYPE_CHECK, 1234, 2, 3, "Rent", 450, true, true);
    fix.AddEntry(6, 0, 2, 4, "Loan in", 99.5, false);
    fix.AddEntry(TYPE_ATM, 0, 2, 5, "Cash", 40, true);
    fix.AddEntry(TYPE_CHECK, 1235, 2, 6, "Phone", 30, true);
    fix.AddEntry(TYPE_OTHER, 0, 2, 1, "Stays 1", 1, false);
    fix.AddEntry(TYPE_OTHER, 0, 2, 7, "Stays 2", 1, false);
    for (int i = 0; i < 4; ++i)
        fix.Doc().RemoveEntry(1, true, true);
}

} // namespace

class CUndoDeleteTests : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void columnsCellsAndWidths() {
        CFrameFixture fix;
        DeleteFour(fix);
        CDlgUndoDelete dlg(&fix.m_app.m_userTypes);
        dlg.m_deleted = fix.Doc().DeletedEntries();
        QVERIFY(ShowActive(dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Undo Delete"));
        auto* pList = Child<QTableWidget>(&dlg, "list");
        QStringList headings;
        for (int i = 0; i < pList->columnCount(); ++i)
            headings << pList->horizontalHeaderItem(i)->text();
        QCOMPARE(headings, QStringList({"Num.", "Date", "Desc.", "Type", "Debit", "Credit"}));
        const int nWidth = pList->viewport()->width();
        const int shares[] = {41, 47, 160, 38, 53, 53};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(pList->columnWidth(i), nWidth * shares[i] / 392);
        QCOMPARE(pList->rowCount(), 4);
        QStringList row0, row1;
        for (int i = 0; i < 6; ++i) {
            row0 << Cell(&dlg, 0, i);
            row1 << Cell(&dlg, 1, i);
        }
        QCOMPARE(row0, QStringList({"1234", "02/03", "Rent", "C", "450.00", ""}));
        QCOMPARE(row1, QStringList({"", "02/04", "Loan in", "L", "", "99.50"}));
        QCOMPARE(pList->item(0, 4)->textAlignment() & Qt::AlignHorizontal_Mask,
                 int(Qt::AlignRight));
        QCOMPARE(pList->item(0, 1)->textAlignment() & Qt::AlignHorizontal_Mask,
                 int(Qt::AlignHCenter));
        QCOMPARE(SelectedRow(&dlg), 0);
        QVERIFY(Enabled(&dlg, "restore") && Enabled(&dlg, "remove"));
        QVERIFY(Child<QPushButton>(&dlg, "restore")->isDefault());
        pList->clearSelection();
        QVERIFY(!Enabled(&dlg, "restore") && !Enabled(&dlg, "remove"));
        Child<QPushButton>(&dlg, "restore")->click();
        QVERIFY(dlg.isVisible());
        dlg.reject();
        QVERIFY(!dlg.m_nRestore);
    }

    void removeSelectsTheNextOrTheLast() {
        CFrameFixture fix;
        DeleteFour(fix);
        CDlgUndoDelete dlg(&fix.m_app.m_userTypes);
        dlg.m_deleted = fix.Doc().DeletedEntries();
        QVERIFY(ShowActive(dlg));
        auto* pList = Child<QTableWidget>(&dlg, "list");
        auto* pRemove = Child<QPushButton>(&dlg, "remove");
        pList->selectRow(1);
        pRemove->click();
        QCOMPARE(SelectedRow(&dlg), 1);
        QCOMPARE(Cell(&dlg, 1, 2), QStringLiteral("Cash"));
        pList->selectRow(2);
        pRemove->click();
        QCOMPARE(SelectedRow(&dlg), 1);
        pRemove->click();
        pRemove->click();
        QCOMPARE(pList->rowCount(), 0);
        QVERIFY(!Enabled(&dlg, "restore") && !Enabled(&dlg, "remove"));
        QVERIFY(dlg.m_deleted.empty());
        QCOMPARE(int(fix.Doc().DeletedEntries().size()), 4); // the dialog worked on a copy
        dlg.reject();
    }

    // The command: remove one, restore another, the register follows.
    void commandRestoresIntoTheRegister() {
        CFrameFixture fix;
        DeleteFour(fix);
        CTallywiseDoc& doc = fix.Doc();
        fix.StartClean();
        CModalHelper modal;
        modal.Then([](QWidget* w) {
            Child<QTableWidget>(w, "list")->selectRow(2);
            Child<QPushButton>(w, "remove")->click(); // "Cash"
            Child<QTableWidget>(w, "list")->selectRow(0);
            ClickLater(w, "restore"); // "Rent"
        });
        OnUndoDelete(fix.Context());
        QCOMPARE(modal.Pending(), 0);
        QVERIFY(doc.IsModified());
        QCOMPARE(int(doc.DeletedEntries().size()), 2);
        QCOMPARE(doc.DeletedEntries()[0].m_strDesc, std::string("Loan in"));
        QCOMPARE(doc.DeletedEntries()[1].m_strDesc, std::string("Phone"));
        auto* pModel = fix.View()->model();
        QCOMPARE(pModel->rowCount(), 3);
        QCOMPARE(pModel->index(1, COL_DESC).data().toString(), QStringLiteral("Rent"));
        QCOMPARE(pModel->index(1, COL_NUM).data().toString(), QStringLiteral("1234"));
        QCOMPARE(pModel->index(1, COL_CLEARED).data().toString(), QStringLiteral("Y"));
        QCOMPARE(pModel->index(2, COL_BALANCE).data().toString(), QStringLiteral("(-448.00)"));
        QCOMPARE(fix.View()->GetSelectedRow().value_or(99), std::uint16_t(1));

        // Done restores nothing, yet the document counts as changed.
        fix.StartClean();
        modal.Then([](QWidget* w) { ClickLater(w, "done"); });
        OnUndoDelete(fix.Context());
        QVERIFY(doc.IsModified());
        QCOMPARE(doc.EntryCount(), std::uint16_t(3));
        QCOMPARE(int(doc.DeletedEntries().size()), 2);
        QCOMPARE(fix.m_app.m_userTypes[1].m_bNotInUse, 0u);
    }
};

TW_GUI_TEST(CUndoDeleteTests);
#include "UndoDeleteTests.moc"
