#include "DialogTestUtil.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "gui/framework/CDataExchange.h"
#include "gui/framework/CDlgBase.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

class CDataExchangeTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parseNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "12.5" << true << 12.5;
        QTest::newRow("blanks") << " -3 " << true << -3.0;
        QTest::newRow("exponent") << "1e3" << true << 1000.0;
        QTest::newRow("group separator") << "1,000" << false << 0.0;
        QTest::newRow("trailing text") << "12abc" << false << 0.0;
        QTest::newRow("not a number") << "nan" << false << 0.0;
        QTest::newRow("infinite") << "inf" << false << 0.0;
        QTest::newRow("empty") << "   " << false << 0.0;
    }
    void parseNumber() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        double d = -1.0;
        QCOMPARE(ParseNumber(text, d), ok);
        QCOMPARE(d, ok ? value : -1.0);
    }

    void parseWholeNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qlonglong>("value");
        QTest::newRow("plain") << "101" << true << 101LL;
        QTest::newRow("fraction") << "12.0" << false << 0LL;
        QTest::newRow("exponent") << "1e3" << false << 0LL;
        QTest::newRow("empty") << "" << false << 0LL;
    }
    void parseWholeNumber() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(qlonglong, value);
        long long n = -1;
        QCOMPARE(ParseWholeNumber(text, n), ok);
        QCOMPARE(qlonglong(n), ok ? value : -1LL);
    }

    // Too many digits to hold is still a whole number out of range, not a bad number.
    void hugeWholeNumberGetsRangeMessage() {
        QLineEdit edit;
        QVERIFY(ShowActive(edit));
        edit.setText(QStringLiteral("99999999999999999999999"));
        CModalHelper modal;
        QString strSeen;
        modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
        long long n = 0;
        QVERIFY(!ReadWholeNumber(&edit, 0, 999999, n));
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strSeen, QStringLiteral("Please enter a whole number between 0 and 999999."));
        QCOMPARE(edit.selectedText(), edit.text());
    }

    // A long word wraps inside the box: every line of the text is there to read.
    void aLongWordWrapsInsideTheBox() {
        const QString strText = QStringLiteral("Add automatic entry: \n\n     ") +
                                QString(255, QLatin1Char('W')) + QStringLiteral("\n     -1.00");
        QWidget parent;
        QVERIFY(ShowActive(parent));
        CModalHelper modal;
        QString strSeen;
        bool bWhole = false;
        modal.Then([&](QWidget* w) {
            auto* pLabel = w->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            bWhole = pLabel && pLabel->minimumSizeHint().width() <= pLabel->width() &&
                     pLabel->heightForWidth(pLabel->width()) <= pLabel->height() &&
                     w->rect().contains(QRect(pLabel->mapTo(w, QPoint()), pLabel->size()));
            strSeen = qobject_cast<QMessageBox*>(w)->text();
            qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click();
        });
        QCOMPARE(RunAppMessageBox(&parent, QMessageBox::Question, strText,
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
                 int(QMessageBox::Yes));
        QCOMPARE(modal.Pending(), 0);
        QVERIFY(bWhole);
        QCOMPARE(strSeen.remove(QChar(0x200B)), strText);
    }

    // Amounts take whole cents; a fraction of a cent is refused in the field.
    void amountTakesAtMostTwoDecimals_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::newRow("cents") << "9.99" << true;
        QTest::newRow("a trailing zero") << "9.990" << true;
        QTest::newRow("negative cents") << "-99999.99" << true;
        QTest::newRow("three decimals") << "9.999" << false;
        QTest::newRow("a tenth of a cent") << "0.001" << false;
        QTest::newRow("by exponent") << "1e-3" << false;
    }
    void amountTakesAtMostTwoDecimals() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QLineEdit edit;
        QVERIFY(ShowActive(edit));
        edit.setText(text);
        CModalHelper modal;
        QString strSeen;
        if (!ok)
            modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
        double d = 0.0;
        QCOMPARE(ReadAmount(&edit, -99999.99, 99999.99, d), ok);
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strSeen, ok ? QString() : QString::fromLatin1(AMOUNT_DECIMALS_MESSAGE));
        if (!ok)
            QCOMPARE(edit.selectedText(), edit.text());
    }

    // Regression: characters Windows-1252 lacks vanished while being typed ("\u017c\u00f3\u0142w"
    // gave two). They stay as typed, and OK names the first and selects it.
    void okNamesWhatWindows1252Lacks_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("refused"); // empty: OK closes the dialog
        QTest::newRow("all fit") << QString::fromUtf8("Caf\u00e9 \u20ac5 \u2014 \u0160")
                                 << QString();
        QTest::newRow("Polish") << QString::fromUtf8("\u017c\u00f3\u0142w")
                                << QString::fromUtf8("\u017c");
        QTest::newRow("pair") << QString::fromUtf8("x\U0001F600y")
                              << QString::fromUtf8("\U0001F600");
        QTest::newRow("Greek") << QString::fromUtf8("ab\u03b1\u03b2")
                               << QString::fromUtf8("\u03b1");
    }
    void okNamesWhatWindows1252Lacks() {
        QFETCH(QString, input);
        QFETCH(QString, refused);
        CDlgBase dlg(nullptr);
        auto* pOther = new QLineEdit(&dlg);
        auto* pEdit = new QLineEdit(&dlg);
        SetupTextField(pEdit, 12);
        auto* pLayout = new QVBoxLayout(&dlg);
        pLayout->addWidget(pOther);
        pLayout->addWidget(pEdit);
        QVERIFY(ShowActive(dlg));
        pEdit->setFocus();
        QTest::sendKeyEvent(QTest::Click, pEdit, Qt::Key_unknown, input, Qt::NoModifier);
        QCOMPARE(pEdit->text(), input);
        pOther->setFocus();
        CModalHelper modal;
        QString strSeen;
        if (!refused.isEmpty())
            modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
        dlg.accept();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(dlg.isVisible(), !refused.isEmpty());
        if (refused.isEmpty())
            return;
        QVERIFY(strSeen.contains(QLatin1Char('"') + refused + QLatin1Char('"')));
        QCOMPARE(pEdit->text(), input);
        QCOMPARE(pEdit->selectedText(), refused);
        QTRY_COMPARE(dlg.focusWidget(), pEdit);
        dlg.reject();
    }

    // Regression: the field's own maximum length cut a longer description read from a
    // file, and OK then saved the cut text without a word.
    void limitedFieldKeepsLongerTextAndRefusesItOnOk_data() {
        QTest::addColumn<bool>("combo");
        QTest::newRow("line edit") << false;
        QTest::newRow("combo box") << true;
    }
    void limitedFieldKeepsLongerTextAndRefusesItOnOk() {
        QFETCH(bool, combo);
        QWidget window;
        auto* pCombo = new QComboBox(&window);
        pCombo->setEditable(true);
        auto* pPlain = new QLineEdit(&window);
        QLineEdit* pEdit = combo ? pCombo->lineEdit() : pPlain;
        if (combo)
            SetupTextField(pCombo, 10);
        else
            SetupTextField(pPlain, 10);
        QVERIFY(ShowActive(window));
        auto check = [&] {
            return combo ? CheckTextLength(pCombo, 10) : CheckTextLength(pPlain, 10);
        };
        QWidget* pField = combo ? static_cast<QWidget*>(pCombo) : pPlain;

        const QString strLong(40000, QLatin1Char('w')); // past the line edit's default limit
        pEdit->setText(strLong);
        QCOMPARE(pEdit->text(), strLong);
        (combo ? static_cast<QWidget*>(pPlain) : pCombo)->setFocus();
        CModalHelper modal;
        QString strSeen;
        modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
        QVERIFY(!check());
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strSeen, QStringLiteral("Please enter no more than 10 characters."));
        QVERIFY(window.focusWidget() == pField || window.focusWidget() == pEdit);
        QCOMPARE(pEdit->text(), strLong);

        // Typing stops at the limit, and a text within it passes.
        pEdit->clear();
        QTest::keyClicks(pEdit, QStringLiteral("0123456789abc"));
        QCOMPARE(pEdit->text(), QStringLiteral("0123456789"));
        QVERIFY(check());
    }
};

TW_GUI_TEST(CDataExchangeTests);
#include "DataExchangeTests.moc"
