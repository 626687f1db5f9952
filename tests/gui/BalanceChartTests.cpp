#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "core/settings/CSettings.h"
#include "core/tools/AutoEntries.h"
#include "gui/tools/CBalanceChartView.h"
#include "gui/tools/CDlgBalanceChart.h"
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

// The chart window: its keyboard, its names for screen readers, and how it follows the
// register while it is open. Today is 02/10/2004.
class CBalanceChartTests : public QObject {
    Q_OBJECT
    std::unique_ptr<CFrameFixture> m_pFix;

    CDlgBalanceChart* Open() {
        OnBalanceChart(m_pFix->Context());
        auto* pDlg = m_pFix->m_pFrame->findChild<CDlgBalanceChart*>();
        pDlg->show();
        return pDlg;
    }

private Q_SLOTS:
    void init() {
        m_pFix = std::make_unique<CFrameFixture>();
        CTallywiseDoc& doc = m_pFix->Doc();
        doc.SetStartingBalance(100.0);
        m_pFix->AddEntry(TYPE_CHECK, 101, 1, 5, "Rent", 50.0, true);
        m_pFix->AddEntry(TYPE_TELLER, 0, 2, 3, "Pay", 20.0, false);
        CAutoEntry rent;
        rent.m_strDesc = "Rent";
        rent.m_dAmount = 50.0;
        rent.m_nDay = 5;
        rent.m_nextDate = MakeLocalDate(2004, 3, 5);
        doc.SetAutoEntries({rent});
    }
    void cleanup() { m_pFix.reset(); }

    void everyControlIsNamedAndTheKeysMoveAlongTheLine() {
        CDlgBalanceChart* pDlg = Open();
        for (const char* pszField : {"range", "from", "to", "months"}) {
            bool bLabelled = false;
            for (QLabel* pLabel : pDlg->findChildren<QLabel*>())
                bLabelled |= pLabel->buddy() == Child<QWidget>(pDlg, pszField);
            QVERIFY2(bLabelled, pszField);
        }
        for (const char* pszName : {"range", "months", "chart", "copy", "savePicture", "close"})
            QVERIFY2(Child<QWidget>(pDlg, pszName)->focusPolicy() & Qt::TabFocus, pszName);
        QVERIFY(!Child<QWidget>(pDlg, "chart")->accessibleName().isEmpty());
        QCOMPARE(Child<QLabel>(pDlg, "lowest")->text(),
                 QStringLiteral("Lowest ahead: $-80.00 on 05/05/2004"));
        QCOMPARE(Child<QLabel>(pDlg, "belowZero")->text(),
                 QStringLiteral("Below zero from 04/05/2004"));
        auto* pChart = Child<QWidget>(pDlg, "chart");
        QTest::keyClick(pChart, Qt::Key_End);
        QVERIFY(Child<QLabel>(pDlg, "readout")->text().contains(QStringLiteral("05/10/2004")));
        QTest::keyClick(pChart, Qt::Key_Home);
        QVERIFY(Child<QLabel>(pDlg, "readout")->text().contains(QStringLiteral("01/05/2004")));
        QVERIFY(Child<QLabel>(pDlg, "readout")->text().contains(QStringLiteral("Rent   -50.00")));
        QTest::keyClick(pChart, Qt::Key_Return);
        QCOMPARE(m_pFix->View()->GetSelectedRow(), std::optional<std::uint16_t>(0));
    }

    void followsTheRegisterAndKeepsItsSize() {
        QPointer<CDlgBalanceChart> pDlg = Open();
        pDlg->resize(900, 640);
        m_pFix->AddEntry(TYPE_TELLER, 0, 2, 9, "Gift", 100.0, false);
        QTRY_COMPARE(Child<QLabel>(pDlg, "lowest")->text(),
                     QStringLiteral("Lowest ahead: $20.00 on 05/05/2004"));
        QVERIFY(Child<QLabel>(pDlg, "belowZero")->isHidden());
        Child<QSpinBox>(pDlg, "months")->setValue(12);
        QCOMPARE(m_pFix->m_app.m_nChartMonths, 12);
        QCOMPARE(Child<QLabel>(pDlg, "lowest")->text(),
                 QStringLiteral("Lowest ahead: $-430.00 on 02/05/2005"));
        QTest::keyClick(pDlg, Qt::Key_Escape);
        QTRY_VERIFY(pDlg.isNull());
        QCOMPARE(m_pFix->m_app.m_nChartCX, 900);
        QCOMPARE(m_pFix->m_app.m_nChartCY, 640);
    }

    // The SVG type chosen in the chooser decides the format and adds its extension.
    void savesTheChartAsSvg() {
        CDlgBalanceChart* pDlg = Open();
        QTemporaryDir temp;
        CModalHelper modal;
        modal.Then([&](QWidget* w) {
            auto* pChooser = qobject_cast<QFileDialog*>(w);
            QVERIFY(pChooser);
            auto* pTypes = pChooser->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            pTypes->setFocus();
            QTest::keyClick(pTypes, Qt::Key_End);
            QTest::qWait(50);
            pChooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(temp.filePath(QStringLiteral("chart")));
            static_cast<QDialog*>(pChooser)->accept();
        });
        Child<QPushButton>(pDlg, "savePicture")->click();
        QCOMPARE(modal.Pending(), 0);
        QFile file(temp.filePath(QStringLiteral("chart.svg")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        int nPolylines = 0;
        QStringList texts;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QStringLiteral("polyline"))
                ++nPolylines;
            else if (xml.name() == QStringLiteral("text"))
                texts << xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(nPolylines, 3);
        QVERIFY(texts.contains(QStringLiteral("Lowest ahead")));
    }
};

TW_GUI_TEST(CBalanceChartTests);
#include "BalanceChartTests.moc"
