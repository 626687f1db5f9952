#include "DialogTestUtil.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "gui/view/CDlgStartBal.h"
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

class CStartBalTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsBalanceWithTwoDecimals_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("new document") << 0.0 << "0.00";
        QTest::newRow("one decimal") << 1234.5 << "1234.50";
        QTest::newRow("negative") << -250.0 << "-250.00";
    }
    void showsBalanceWithTwoDecimals() {
        QFETCH(double, value);
        QFETCH(QString, shown);
        CDlgStartBal dlg;
        dlg.m_dStartBal = value;
        dlg.show();
        QCOMPARE(Child<QLineEdit>(&dlg, "startBal")->text(), shown);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Starting Balance"));
    }

    void okChecksRange_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("message");
        const QString strRange =
            QStringLiteral("Please enter a number between -99999.99 and 99999.99.");
        QTest::newRow("lowest") << "-99999.99" << true << -99999.99 << "";
        QTest::newRow("highest") << "99999.99" << true << 99999.99 << "";
        QTest::newRow("negative") << "-250.00" << true << -250.0 << "";
        QTest::newRow("blanks around") << "  42.10 " << true << 42.1 << "";
        QTest::newRow("too high") << "100000.00" << false << 0.0 << strRange;
        QTest::newRow("just too low") << "-100000" << false << 0.0 << strRange;
        QTest::newRow("a cent over") << "99999.991" << false << 0.0 << strRange;
        QTest::newRow("not a number") << "12a" << false << 0.0 << "Please enter a number.";
        QTest::newRow("empty") << "" << false << 0.0 << "Please enter a number.";
    }
    void okChecksRange() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(double, value);
        QFETCH(QString, message);
        CDlgStartBal dlg;
        dlg.m_dStartBal = 5.0;
        QVERIFY(ShowActive(dlg));
        auto* pField = Child<QLineEdit>(&dlg, "startBal");
        pField->setText(typed);
        CModalHelper modal;
        QString strSeen;
        if (!accepted)
            modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
        dlg.accept();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(dlg.result(), accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
        if (accepted) {
            QCOMPARE(dlg.m_dStartBal, value);
            return;
        }
        QCOMPARE(strSeen, message);
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.m_dStartBal, 5.0);
        QCOMPARE(dlg.focusWidget(), pField); // gets the keys once the dialog is active again
        QCOMPARE(pField->selectedText(), typed);
    }
};

TW_GUI_TEST(CStartBalTests);
#include "StartBalTests.moc"
