#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "core/document/RegisterCells.h"
#include "gui/view/CRegisterModel.h"
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class CViewTests : public QObject {
    Q_OBJECT

    std::unique_ptr<CFrameFixture> m_pFix;

    QString Cell(int nRow, int nColumn) {
        CRegisterModel* pModel = m_pFix->View()->Model();
        return pModel->data(pModel->index(nRow, nColumn)).toString();
    }

    // Enough entries that the list scrolls.
    void FillRegister(int nCount) {
        for (int i = 0; i < nCount; ++i)
            m_pFix->AddEntry(TYPE_ATM, 0, 1 + i % 12, 2 + i % 27, "Cash", 20.0, true);
        m_pFix->View()->OnInitialUpdate();
    }

private Q_SLOTS:
    void init() { m_pFix = std::make_unique<CFrameFixture>(); }
    void cleanup() { m_pFix.reset(); }

    void columnsHaveTitlesAndFixedWidths() {
        CTallywiseView view(m_pFix->Doc(), m_pFix->m_app);
        view.resize(290 + 2 * view.frameWidth(), 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.viewport()->width(), 290);
        const int expected[] = {26, 30, 104, 20, 34, 34, 34, 8};
        QHeaderView* pHeader = view.horizontalHeader();
        for (int i = 0; i < COL_COUNT; ++i) {
            QCOMPARE(pHeader->sectionSize(i), expected[i]);
            QCOMPARE(view.model()->headerData(i, Qt::Horizontal).toString(),
                     QString::fromUtf8(g_columns[i].m_pszTitle));
        }
        // Dragging a divider and double-clicking it change nothing.
        QWidget* pHeaderArea = pHeader->viewport();
        const QPoint divider(26, pHeader->height() / 2);
        QTest::mousePress(pHeaderArea, Qt::LeftButton, {}, divider);
        QTest::mouseMove(pHeaderArea, divider + QPoint(40, 0));
        QTest::mouseRelease(pHeaderArea, Qt::LeftButton, {}, divider + QPoint(40, 0));
        QTest::mouseDClick(pHeaderArea, Qt::LeftButton, {}, divider);
        for (int i = 0; i < COL_COUNT; ++i)
            QCOMPARE(pHeader->sectionSize(i), expected[i]);
        QVERIFY(!pHeader->sectionsClickable());
        QVERIFY(!pHeader->sectionsMovable());
        QVERIFY(!view.isSortingEnabled());

        // Widths follow every size change.
        view.resize(580 + 2 * view.frameWidth(), 200);
        QTRY_COMPARE(pHeader->sectionSize(COL_DESC), 208);
    }

    void cellTextsComeFromTheEntries() {
        m_pFix->m_app.m_userTypes[1] = CUserType{"Old kind", "K", 0, 1}; // disabled slot
        CTallywiseDoc& doc = m_pFix->Doc();
        doc.SetStartingBalance(10.0);
        m_pFix->AddEntry(TYPE_CHECK, 0, 3, 7, "Rent", 22.5, true, true);
        m_pFix->AddEntry(TYPE_USER1 + 1, 55, 3, 8, "Transfer", 100.0, false);
        m_pFix->AddEntry(TYPE_TELLER, 12, 3, 9, "Deposit & more", 0.0, false);
        m_pFix->View()->OnInitialUpdate();

        struct CCase {
            int m_nRow;
            int m_nColumn;
            const char* m_pszText;
        };
        const CCase cases[] = {
            {0, COL_NUM, "0"},
            {0, COL_DATE, "03/07"},
            {0, COL_DESC, "Rent"},
            {0, COL_TYPE, "C"},
            {0, COL_DEBIT, "22.50"},
            {0, COL_CREDIT, ""},
            {0, COL_BALANCE, "(-12.50)"},
            {0, COL_CLEARED, "Y"},
            {1, COL_NUM, ""},
            {1, COL_TYPE, "K"},
            {1, COL_DEBIT, ""},
            {1, COL_CREDIT, "100.00"},
            {1, COL_BALANCE, "87.50"},
            {1, COL_CLEARED, ""},
            {2, COL_DESC, "Deposit & more"},
            {2, COL_CREDIT, "0.00"},
            {2, COL_BALANCE, "87.50"},
        };
        for (const CCase& c : cases)
            QCOMPARE(Cell(c.m_nRow, c.m_nColumn), QString::fromUtf8(c.m_pszText));

        CRegisterModel* pModel = m_pFix->View()->Model();
        const auto align = [pModel](int nColumn) {
            return pModel->data(pModel->index(0, nColumn), Qt::TextAlignmentRole)
                       .value<Qt::Alignment>() &
                   Qt::AlignHorizontal_Mask;
        };
        QCOMPARE(align(COL_NUM), Qt::AlignLeft);
        QCOMPARE(align(COL_DATE), Qt::AlignHCenter);
        QCOMPARE(align(COL_BALANCE), Qt::AlignRight);

        // Cells are formatted when asked, so a changed entry shows at once.
        doc.SetEntryCleared(1, 1);
        QCOMPARE(Cell(1, COL_CLEARED), QStringLiteral("Y"));
    }

    void initialUpdateSelectsTheLastRowAndProposesToday() {
        m_pFix->m_pFrame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pFix->m_pFrame.get()));
        FillRegister(200);
        CTallywiseView* pView = m_pFix->View();
        QCOMPARE(pView->GetSelectedRow(), std::optional<std::uint16_t>(199));
        const QRect rcRow = pView->visualRect(pView->model()->index(199, COL_DESC));
        QVERIFY(pView->viewport()->rect().contains(rcRow));
        QCOMPARE(pView->m_nNewDay, 10);
        QCOMPARE(pView->m_nNewMonth, 2);
        QCOMPARE(pView->m_nNewYear, 2004);

        // An empty register has no selection: Edit and Delete are off.
        m_pFix->StartClean();
        m_pFix->m_app.OnFileNew();
        QCOMPARE(pView->model()->rowCount(), 0);
        QVERIFY(!pView->GetSelectedRow());
        QVERIFY(!OnUpdateEntrySelected(m_pFix->Context()));
    }

    void rowsFollowTheDocument() {
        m_pFix->m_pFrame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pFix->m_pFrame.get()));
        FillRegister(100);
        CTallywiseView* pView = m_pFix->View();
        CTallywiseDoc& doc = m_pFix->Doc();
        pView->scrollToBottom();

        QSignalSpy changed(pView->model(), &QAbstractItemModel::dataChanged);
        const std::uint16_t nPos = m_pFix->AddEntry(TYPE_OTHER, 0, 1, 1, "First", 5.0, false);
        QCOMPARE(nPos, std::uint16_t(0));
        QCOMPARE(pView->model()->rowCount(), 101);
        QCOMPARE(pView->GetSelectedRow(), std::optional<std::uint16_t>(0));
        QVERIFY(pView->viewport()->rect().contains(
            pView->visualRect(pView->model()->index(0, COL_DESC))));
        QCOMPARE(Cell(0, COL_DESC), QStringLiteral("First"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].toModelIndex(), pView->model()->index(0, COL_BALANCE));
        QCOMPARE(changed[0][1].toModelIndex(), pView->model()->index(100, COL_BALANCE));

        pView->RefreshBalances(doc.EntryCount()); // past the end: nothing
        QCOMPARE(changed.count(), 1);

        doc.RemoveEntry(0, false, true);
        QCOMPARE(pView->model()->rowCount(), 100);
        QCOMPARE(Cell(0, COL_DESC), QStringLiteral("Cash"));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed[1][0].toModelIndex(), pView->model()->index(0, COL_BALANCE));

        // An edit takes the entry out without recalculating and puts it back later on:
        // the balances are rewritten from where it was.
        doc.RemoveEntry(3, false, false);
        const std::uint16_t nNew = *doc.InsertEntry(*doc.GetEntryAt(50));
        QVERIFY(nNew > 3);
        QCOMPARE(changed.last()[0].toModelIndex(), pView->model()->index(3, COL_BALANCE));
        QCOMPARE(pView->GetSelectedRow(), std::optional<std::uint16_t>(nNew));

        // Replacing the whole list (New) leaves no row behind.
        m_pFix->StartClean();
        m_pFix->m_app.OnFileNew();
        QCOMPARE(pView->model()->rowCount(), 0);
    }

    void doubleClickTogglesClearedWhenSoSet() {
        m_pFix->m_app.m_nDblClick = 0;
        m_pFix->m_pFrame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pFix->m_pFrame.get()));
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 1, "Cash", 40.0, true);
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 2, "Cash", 60.0, true);
        m_pFix->StartClean();
        CTallywiseView* pView = m_pFix->View();
        pView->OnInitialUpdate();

        QSignalSpy changed(pView->model(), &QAbstractItemModel::dataChanged);
        const QPoint ptRow0 = pView->visualRect(pView->model()->index(0, COL_DESC)).center();
        QTest::mouseDClick(pView->viewport(), Qt::LeftButton, {}, ptRow0);
        QCOMPARE(m_pFix->Doc().GetEntryAt(0)->m_bCleared, 1u);
        QVERIFY(m_pFix->Doc().IsModified());
        QCOMPARE(Cell(0, COL_CLEARED), QStringLiteral("Y"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].toModelIndex().row(), 0);
        QCOMPARE(changed[0][1].toModelIndex().row(), 0);
        QCOMPARE(m_pFix->m_pFrame->m_dStatusBalance, -100.0); // figures untouched

        // Anything but 1 becomes 1.
        m_pFix->Doc().SetEntryCleared(0, 7);
        QTest::mouseDClick(pView->viewport(), Qt::LeftButton, {}, ptRow0);
        QCOMPARE(m_pFix->Doc().GetEntryAt(0)->m_bCleared, 1u);
        QTest::mouseDClick(pView->viewport(), Qt::LeftButton, {}, ptRow0);
        QCOMPARE(m_pFix->Doc().GetEntryAt(0)->m_bCleared, 0u);
    }

    void doubleClickEditsByDefault() {
        QCOMPARE(m_pFix->m_app.m_nDblClick, 1);
        m_pFix->m_pFrame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pFix->m_pFrame.get()));
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 1, "Cash", 40.0, true);
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 2, "Rent", 60.0, true);
        CTallywiseView* pView = m_pFix->View();
        pView->OnInitialUpdate();
        CModalHelper modal;
        QString strTitle, strDesc;
        modal.Then([&](QWidget* pDlg) {
            strTitle = pDlg->windowTitle();
            strDesc = Child<QComboBox>(pDlg, "desc")->currentText();
            Child<QPushButton>(pDlg, "cancel")->click();
        });
        const QPoint ptRow0 = pView->visualRect(pView->model()->index(0, COL_DESC)).center();
        QTest::mouseDClick(pView->viewport(), Qt::LeftButton, {}, ptRow0);
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strTitle, QStringLiteral("Edit Entry"));
        QCOMPARE(strDesc, QStringLiteral("Cash"));
        QCOMPARE(m_pFix->Doc().GetEntryAt(0)->m_bCleared, 0u); // not toggled
        QCOMPARE(Cell(0, COL_CLEARED), QString());
    }

    // Regression: 0.30 - 0.10 - 0.20 showed as "(-0.00)".
    void balanceThatRoundsToZeroHasNoParentheses() {
        CTallywiseDoc& doc = m_pFix->Doc();
        doc.SetStartingBalance(0.30);
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 1, "A", 0.10, true);
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 2, "B", 0.20, true);
        m_pFix->View()->OnInitialUpdate();
        QVERIFY(doc.GetEntryAt(1)->m_dBalance < 0.0);
        QCOMPARE(Cell(0, COL_BALANCE), QStringLiteral("0.20"));
        QCOMPARE(Cell(1, COL_BALANCE), QStringLiteral("0.00"));
    }

    void doubleClickOnAnEmptyRegisterDoesNothing() {
        m_pFix->m_app.m_nDblClick = 0;
        m_pFix->m_pFrame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pFix->m_pFrame.get()));
        QTest::mouseDClick(m_pFix->View()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!m_pFix->Doc().IsModified());
    }

    void popupOffersTheEntryCommands() {
        m_pFix->m_pFrame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pFix->m_pFrame.get()));
        CTallywiseView* pView = m_pFix->View();
        QStringList items;
        QTimer::singleShot(50, [&items] {
            QWidget* pPopup = QApplication::activePopupWidget();
            if (auto* pMenu = qobject_cast<QMenu*>(pPopup)) {
                for (QAction* pAction : pMenu->actions())
                    items << (pAction->isSeparator()
                                  ? QStringLiteral("-")
                                  : pAction->text() + (pAction->isEnabled() ? "" : " (off)"));
                pMenu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                                pView->viewport()->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(pView->viewport(), &event);
        QCOMPARE(items, QStringList({"Edit Entry (off)", "Delete Entry (off)", "-", "Add Entry"}));
    }

    void listFontAndColoursFollowTheSettings() {
        CFrameFixture fix;
        fix.DestroyFrame();
        fix.m_app.m_strFont = "No Such Face";
        fix.m_app.m_nFontSize = 120;
        fix.m_app.m_nBkColor = 0x00112233;
        fix.m_app.m_nTxColor = 0x000000FF;
        fix.CreateFrame();
        CTallywiseView* pView = fix.View();
        QCOMPARE(pView->font().family(), QStringLiteral("No Such Face"));
        QCOMPARE(pView->font().pointSizeF(), 12.0);
        QCOMPARE(pView->palette().color(QPalette::Base), QColor(0x33, 0x22, 0x11));
        QCOMPARE(pView->palette().color(QPalette::Text), QColor(0xFF, 0, 0));
        QCOMPARE(ColorToRef(ColorFromRef(0x00ABCDEF)), 0x00ABCDEF);
        QCOMPARE(fix.m_app.m_strFont, std::string("No Such Face")); // kept as stored
    }
};

TW_GUI_TEST(CViewTests);
#include "ViewTests.moc"
