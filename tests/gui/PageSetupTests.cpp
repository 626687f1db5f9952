#include "DialogTestUtil.h"
#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "core/printing/CPrintLayout.h"
#include "gui/app/Commands.h"
#include "gui/controls/CDlgCalendar.h"
#include "gui/controls/CMonthView.h"
#include "gui/printing/CDlgPageSetup.h"
#include <QAction>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

// Picks a date in the calendar popup that a date field opened.
CModalHelper::Handler PickDate(QDate date) {
    return [date](QWidget* w) {
        auto* pMonth = w->findChild<CMonthView*>();
        QVERIFY(qobject_cast<CDlgCalendar*>(w) && pMonth);
        Q_EMIT pMonth->activated(date);
    };
}

// Chooses a font in the font chooser that "Change" opened.
CModalHelper::Handler ChooseFont(const QString& strFamily, double dPoints, bool bAccept,
                                 QString* pMessage = nullptr) {
    return [=](QWidget* w) {
        auto* pDlg = qobject_cast<QFontDialog*>(w);
        QVERIFY(pDlg);
        QFont font(strFamily);
        font.setPointSizeF(dPoints);
        pDlg->setCurrentFont(font);
        if (!bAccept) {
            pDlg->reject();
            return;
        }
        if (pMessage) {
            CModalHelper* pInner = new CModalHelper;
            pInner->ThenMessageBox(QMessageBox::Ok, pMessage);
            QTimer::singleShot(0, pDlg, [pDlg, pInner] {
                pDlg->accept();
                delete pInner;
                pDlg->reject();
            });
            return;
        }
        pDlg->accept();
    };
}

} // namespace

class CPageSetupTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensWithTheSettingsAndTheCurrentMonth() {
        CFrameFixture f;
        f.m_app.ResetPrintRange();
        CModalHelper modal;
        modal.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Page Setup"));
            QCOMPARE(w->parentWidget(), w->parentWidget()->window());
            QCOMPARE(Child<QTabWidget>(w, "tabs")->currentIndex(), 0);
            QCOMPARE(Child<QTabWidget>(w, "tabs")->tabText(1), QStringLiteral("Date Printing"));
            QCOMPARE(Child<QLabel>(w, "fontLabel")->text(), QStringLiteral("MS Sans Serif 8pt"));
            QVERIFY(Child<QCheckBox>(w, "printHeaders")->isChecked());
            QVERIFY(Child<QCheckBox>(w, "printBank")->isChecked());
            QCOMPARE(Child<QLineEdit>(w, "maxPerPage")->text(), QStringLiteral("25"));
            QVERIFY(Child<QRadioButton>(w, "all")->isChecked());
            auto* pFrom = Child<QLineEdit>(w, "from");
            auto* pTo = Child<QLineEdit>(w, "to");
            QVERIFY(!pFrom->isEnabled() && !pTo->isEnabled());
            QCOMPARE(pFrom->text(), QStringLiteral("February 01, 2004"));
            QCOMPARE(pTo->text(), QStringLiteral("February 29, 2004"));
            Child<QPushButton>(w, "cancel")->click();
        });
        f.m_pFrame->Action(ID_FILE_PAGE_SETUP)->trigger();
        QCOMPARE(modal.Pending(), 0);
    }

    void entriesPerPageAreCheckedOnOk_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("message");
        const QString strRange = QStringLiteral("Please enter a whole number between 10 and 100.");
        QTest::newRow("10") << "10" << 0 << "";
        QTest::newRow("100") << "100" << 1 << "";
        QTest::newRow("9") << "9" << 0 << strRange;
        QTest::newRow("101 from the other page") << "101" << 1 << strRange;
        QTest::newRow("not a number") << "ten" << 1 << "Please enter a whole number.";
    }
    void entriesPerPageAreCheckedOnOk() {
        QFETCH(QString, typed);
        QFETCH(int, tab);
        QFETCH(QString, message);
        CDlgPageSetup dlg;
        dlg.m_nMaxPerPage = 25;
        QVERIFY(ShowActive(dlg));
        auto* pField = Child<QLineEdit>(&dlg, "maxPerPage");
        pField->setText(typed);
        Child<QCheckBox>(&dlg, "printBank")->setChecked(false);
        Child<QTabWidget>(&dlg, "tabs")->setCurrentIndex(tab);
        QCOMPARE(dlg.m_nCurTab, tab);
        CModalHelper modal;
        QString strSeen;
        if (!message.isEmpty())
            modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
        dlg.accept();
        QCOMPARE(modal.Pending(), 0);
        if (message.isEmpty()) {
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(dlg.m_nMaxPerPage, typed.toInt());
            QVERIFY(!dlg.m_bPrintBank);
            return;
        }
        QCOMPARE(strSeen, message);
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.m_nMaxPerPage, 25);
        QCOMPARE(Child<QTabWidget>(&dlg, "tabs")->currentIndex(), 0); // the field is shown
        QCOMPARE(dlg.focusWidget(), pField);
    }

    // The date fields open the calendar with their date and show the day picked.
    void dateFieldsPickTheirDatesInTheCalendar() {
        CDlgPageSetup dlg;
        dlg.m_bPrintAll = false;
        dlg.m_nFromYear = dlg.m_nToYear = 2004;
        dlg.m_nFromMonth = dlg.m_nToMonth = 2;
        dlg.m_nFromDay = 5;
        dlg.m_nToDay = 20;
        QVERIFY(ShowActive(dlg));
        Child<QTabWidget>(&dlg, "tabs")->setCurrentIndex(1);
        CModalHelper modal;
        int nDayPassed = 0;
        modal.Then([&](QWidget* w) {
            nDayPassed = qobject_cast<CDlgCalendar*>(w)->m_nDay;
            PickDate(QDate(2004, 1, 1))(w);
        });
        QTest::mouseClick(Child<QLineEdit>(&dlg, "from"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(modal.Pending(), 0, 20000);
        QCOMPARE(nDayPassed, 5);
        QTRY_COMPARE_WITH_TIMEOUT(Child<QLineEdit>(&dlg, "from")->text(),
                                  QStringLiteral("January 01, 2004"), 20000);
        QCOMPARE(dlg.focusWidget(), Child<QLineEdit>(&dlg, "from"));
        modal.Then(PickDate(QDate(2004, 1, 31)));
        QTest::mouseClick(Child<QLineEdit>(&dlg, "to"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(modal.Pending(), 0, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(Child<QLineEdit>(&dlg, "to")->text(),
                                  QStringLiteral("January 31, 2004"), 20000);
        QCOMPARE(dlg.m_nFromMonth, 1);
        QCOMPARE(dlg.m_nToDay, 31);
    }

    // Range from 1 to 31 January, confirmed, prints exactly January.
    void aConfirmedRangeIsWhatPrints() {
        CFrameFixture f;
        f.m_app.ResetPrintRange();
        f.Doc().SetStartingBalance(f.Doc().StartBalance());
        for (int nDay : {1, 15, 31})
            f.AddEntry(1, 0, 1, nDay, "January", 10.0, true);
        f.AddEntry(1, 0, 2, 1, "February", 10.0, true);
        CModalHelper modal;
        modal.Then([&](QWidget* w) {
            auto* pDlg = qobject_cast<CDlgPageSetup*>(w);
            QVERIFY(pDlg);
            Child<QTabWidget>(w, "tabs")->setCurrentIndex(1);
            Child<QRadioButton>(w, "range")->click();
            QVERIFY(Child<QLineEdit>(w, "from")->isEnabled());
            QCOMPARE(w->focusWidget(), Child<QPushButton>(w, "ok"));
            // As the calendar hands them back.
            pDlg->m_nFromMonth = pDlg->m_nToMonth = 1;
            pDlg->m_nFromDay = 1;
            pDlg->m_nToDay = 31;
            Child<QPushButton>(w, "ok")->click();
        });
        f.m_pFrame->Action(ID_FILE_PAGE_SETUP)->trigger();
        QCOMPARE(modal.Pending(), 0);
        QVERIFY(!f.m_app.m_bPrintAll);
        QCOMPARE(f.m_app.m_printFrom, MakeLocalDate(2004, 1, 1));
        QCOMPARE(f.m_app.m_printTo, MakeLocalDate(2004, 1, 31));
        CPrintLayout layout(f.Doc(), PrintSettingsOf(f.m_app));
        layout.OnBeginPrinting(nullptr); // counts, then refuses for want of a printer
        QCOMPARE(layout.m_nPrintCount, 3);
        QCOMPARE(layout.m_nFirstPrinted, 0);
    }

    void allAfterRangeKeepsTheDates() {
        CDlgPageSetup dlg;
        dlg.m_bPrintAll = false;
        dlg.m_nFromYear = 2003;
        dlg.m_nFromMonth = 7;
        dlg.m_nFromDay = 4;
        dlg.m_nToYear = 2003;
        dlg.m_nToMonth = 8;
        dlg.m_nToDay = 9;
        QVERIFY(ShowActive(dlg));
        Child<QTabWidget>(&dlg, "tabs")->setCurrentIndex(1);
        Child<QRadioButton>(&dlg, "all")->click();
        QVERIFY(dlg.m_bPrintAll);
        QVERIFY(!Child<QLineEdit>(&dlg, "from")->isEnabled());
        Child<QRadioButton>(&dlg, "range")->click();
        QVERIFY(!dlg.m_bPrintAll);
        QCOMPARE(Child<QLineEdit>(&dlg, "from")->text(), QStringLiteral("July 04, 2003"));
        QCOMPARE(Child<QLineEdit>(&dlg, "to")->text(), QStringLiteral("August 09, 2003"));
    }

    // Sizes are kept in tenths of a point; a font of 10.5 points is shown as 10pt.
    void theChosenFontIsKeptInTenthsOfAPoint() {
        CDlgPageSetup dlg;
        dlg.m_strPrintFont = "MS Sans Serif";
        dlg.m_nPrintFontSize = 105;
        QVERIFY(ShowActive(dlg));
        QCOMPARE(Child<QLabel>(&dlg, "fontLabel")->text(), QStringLiteral("MS Sans Serif 10pt"));
        const QString strFamily = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        CModalHelper modal;
        modal.Then(ChooseFont(strFamily, 12, true));
        QTest::mouseClick(Child<QPushButton>(&dlg, "change"), Qt::LeftButton);
        QTRY_COMPARE(modal.Pending(), 0);
        QCOMPARE(dlg.m_strPrintFont, strFamily.toStdString());
        QCOMPARE(dlg.m_nPrintFontSize, 120);
        QCOMPARE(Child<QLabel>(&dlg, "fontLabel")->text(), strFamily + QStringLiteral(" 12pt"));
        modal.Then(ChooseFont(QStringLiteral("Serif"), 12, false));
        QTest::mouseClick(Child<QPushButton>(&dlg, "change"), Qt::LeftButton);
        QTRY_COMPARE(modal.Pending(), 0);
        QCOMPARE(dlg.m_nPrintFontSize, 120);
    }

    // The settings change on OK only.
    void settingsAreCopiedBackOnOkOnly_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("cancel") << false;
        QTest::newRow("ok") << true;
    }
    void settingsAreCopiedBackOnOkOnly() {
        QFETCH(bool, ok);
        CFrameFixture f;
        f.m_app.ResetPrintRange();
        CModalHelper modal;
        modal.Then([&](QWidget* w) {
            auto* pDlg = qobject_cast<CDlgPageSetup*>(w);
            QVERIFY(pDlg);
            pDlg->m_strPrintFont = "Courier New"; // as the font chooser hands it back
            pDlg->m_nPrintFontSize = 105;
            Child<QCheckBox>(w, "printHeaders")->setChecked(false);
            Child<QLineEdit>(w, "maxPerPage")->setText(QStringLiteral("40"));
            Child<QRadioButton>(w, "range")->click();
            Child<QPushButton>(w, ok ? "ok" : "cancel")->click();
        });
        f.m_pFrame->Action(ID_FILE_PAGE_SETUP)->trigger();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(f.m_app.m_strPrintFont, std::string(ok ? "Courier New" : "MS Sans Serif"));
        QCOMPARE(f.m_app.m_nPrintFontSize, ok ? 105 : 80);
        QCOMPARE(f.m_app.m_nPrntHdrs, ok ? 0 : 1);
        QCOMPARE(f.m_app.m_nPrntBank, 1);
        QCOMPARE(f.m_app.m_nRPP, ok ? 40 : 25);
        QCOMPARE(f.m_app.m_bPrintAll, !ok);
        QCOMPARE(f.m_app.m_printTo, MakeLocalDate(2004, 2, 29));
    }

    void theFontChooserKeepsToEightToEighteenPoints() {
        CDlgPageSetup dlg;
        dlg.m_strPrintFont = "MS Sans Serif";
        dlg.m_nPrintFontSize = 80;
        QVERIFY(ShowActive(dlg));
        const QString strFamily = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        CModalHelper modal;
        QString strMessage;
        modal.Then(ChooseFont(strFamily, 20, true, &strMessage));
        QTest::mouseClick(Child<QPushButton>(&dlg, "change"), Qt::LeftButton);
        QTRY_COMPARE(modal.Pending(), 0);
        QTRY_COMPARE(strMessage, QStringLiteral("Size must be between 8 and 18 points."));
        QCOMPARE(dlg.m_nPrintFontSize, 80);
        // The chosen face shows even when this computer lacks it.
        QCOMPARE(Child<QLabel>(&dlg, "fontLabel")->text(), QStringLiteral("MS Sans Serif 8pt"));
    }

    void fontLabel() {
        QCOMPARE(CDlgPageSetup::FontLabel("Arial", 105), QStringLiteral("Arial 10pt"));
        QCOMPARE(CDlgPageSetup::FontLabel("MS Sans Serif", 80),
                 QStringLiteral("MS Sans Serif 8pt"));
        QCOMPARE(CDlgPageSetup::FontLabel("Courier New", 180), QStringLiteral("Courier New 18pt"));
    }
};

TW_GUI_TEST(CPageSetupTests);
#include "PageSetupTests.moc"
