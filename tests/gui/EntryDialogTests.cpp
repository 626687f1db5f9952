#include "DialogTestUtil.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "gui/controls/CDlgCalendar.h"
#include "gui/view/CDlgDescList.h"
#include "gui/view/CDlgEntry.h"
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

const QString AMOUNT_RANGE =
    QStringLiteral("Please enter a number between -99999.99 and 99999.99.");
const QString CHECK_RANGE = QStringLiteral("Please enter a whole number between 0 and 65535.");

// Slots 0 and 2 switched off, so list positions 5 and 6 are type codes 6 and 8.
CUserTypeTable MixedUserTypes() {
    CUserTypeTable types;
    types[0] = {"Unused", "U", 0, 1};
    types[1] = {"Transfer", "X", 1, 1};
    types[2] = {"Hidden", "H", 0, 1};
    types[3] = {"Loan", "L", 1, 1};
    return types;
}

// An Add dialog as the view fills it.
void FillAdd(CDlgEntry& dlg, CDescList& descs) {
    dlg.m_bAddMode = true;
    dlg.m_nDay = 7;
    dlg.m_nMonth = 3;
    dlg.m_nYear = 2000;
    dlg.m_descs = descs;
    dlg.m_strDesc = "Rent";
    dlg.m_dAmount = 850.0;
    dlg.m_nTypeIndex = 1;
    dlg.m_nCheckNum = 101;
    dlg.m_nDebitCredit = 0;
}

QStringList ComboItems(QComboBox* pCombo) {
    QStringList items;
    for (int i = 0; i < pCombo->count(); ++i)
        items << pCombo->itemText(i);
    return items;
}

// Types text key by key, characters beyond Latin-1 too.
void TypeText(QWidget* pWidget, const QString& strText) {
    for (char32_t ch : strText.toStdU32String())
        QTest::sendKeyEvent(QTest::Click, pWidget, Qt::Key_unknown, QString::fromUcs4(&ch, 1),
                            Qt::NoModifier);
}

QImage PinImage(const QIcon& icon) {
    return icon.pixmap(QSize(16, 16)).toImage();
}

// Confirms the shown dialog; a refusal is expected to show strMessage.
bool Confirm(CDlgEntry& dlg, const QString& strMessage) {
    CModalHelper modal;
    QString strSeen;
    if (!strMessage.isEmpty())
        modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
    dlg.accept();
    if (modal.Pending() != 0 || strSeen != strMessage) {
        qWarning("message seen: \"%s\"", qPrintable(strSeen));
        return false;
    }
    return true;
}

} // namespace

class CEntryDialogTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addModeStart() {
        CDescList descs{"Rent", "groceries", "Electric", "apple"};
        CDlgEntry dlg;
        FillAdd(dlg, descs);
        QVERIFY(ShowActive(dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Add Entry"));
        auto* pDate = Child<QLineEdit>(&dlg, "date");
        QCOMPARE(pDate->text(), QStringLiteral("March 07, 2000"));
        QVERIFY(pDate->focusPolicy() & Qt::TabFocus);
        QCOMPARE(Child<QLineEdit>(&dlg, "amount")->text(), QStringLiteral("850.00"));
        QCOMPARE(Child<QLineEdit>(&dlg, "checkNum")->text(), QStringLiteral("101"));
        QVERIFY(Child<QRadioButton>(&dlg, "debit")->isChecked());
        auto* pDesc = Child<QComboBox>(&dlg, "desc");
        QCOMPARE(pDesc->currentText(), QStringLiteral("Rent"));
        QCOMPARE(ComboItems(pDesc), QStringList({"apple", "Electric", "groceries", "Rent"}));
        QCOMPARE(QApplication::focusWidget(), pDesc);
        QVERIFY(Child<QToolButton>(&dlg, "pin")->isVisible());
    }

    void editModeHidesPin() {
        CDescList descs;
        CDlgEntry dlg;
        FillAdd(dlg, descs);
        dlg.m_bAddMode = false;
        dlg.m_nDebitCredit = 1;
        dlg.m_bCleared = true;
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Edit Entry"));
        QVERIFY(!Child<QToolButton>(&dlg, "pin")->isVisible());
        QVERIFY(Child<QRadioButton>(&dlg, "credit")->isChecked());
        QVERIFY(Child<QCheckBox>(&dlg, "cleared")->isChecked());
    }

    // The list shows enabled user types only; an index past its end opens on "ATM".
    void typeListAndStartIndex_data() {
        QTest::addColumn<bool>("userTypes");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("items");
        QTest::newRow("no table, ATM") << false << 1 << 1 << "ATM" << 5;
        QTest::newRow("no table, past end") << false << 5 << 1 << "ATM" << 5;
        QTest::newRow("check") << true << 0 << 0 << "Check" << 7;
        QTest::newRow("first enabled slot") << true << 5 << 5 << "Transfer" << 7;
        QTest::newRow("last enabled slot") << true << 6 << 6 << "Loan" << 7;
        QTest::newRow("past end") << true << 7 << 1 << "ATM" << 7;
        QTest::newRow("negative") << true << -1 << 1 << "ATM" << 7;
    }
    void typeListAndStartIndex() {
        QFETCH(bool, userTypes);
        QFETCH(int, index);
        QFETCH(int, shown);
        QFETCH(QString, name);
        QFETCH(int, items);
        const CUserTypeTable types = MixedUserTypes();
        CDescList descs;
        CDlgEntry dlg(userTypes ? &types : nullptr);
        FillAdd(dlg, descs);
        dlg.m_nTypeIndex = index;
        QVERIFY(ShowActive(dlg));
        auto* pType = Child<QComboBox>(&dlg, "type");
        QCOMPARE(pType->count(), items);
        QCOMPARE(pType->currentIndex(), shown);
        QCOMPARE(pType->currentText(), name);
        QCOMPARE(Child<QLineEdit>(&dlg, "checkNum")->isEnabled(), shown == 0);
        QVERIFY(Confirm(dlg, {}));
        QCOMPARE(dlg.m_nTypeIndex, shown);
    }

    // "Check #:" is usable only for a check, and keeps what it holds meanwhile.
    void checkNumberFollowsType() {
        CDescList descs;
        CDlgEntry dlg;
        FillAdd(dlg, descs);
        QVERIFY(ShowActive(dlg));
        auto* pType = Child<QComboBox>(&dlg, "type");
        auto* pCheck = Child<QLineEdit>(&dlg, "checkNum");
        QVERIFY(!pCheck->isEnabled());
        pType->setCurrentIndex(0);
        QVERIFY(pCheck->isEnabled());
        pCheck->setText(QStringLiteral("150"));
        pType->setCurrentIndex(4);
        QVERIFY(!pCheck->isEnabled());
        QCOMPARE(pCheck->text(), QStringLiteral("150"));
        QVERIFY(Confirm(dlg, {}));
        QCOMPARE(dlg.m_nCheckNum, 150u);
        QCOMPARE(dlg.m_nTypeIndex, 4);
    }

    void amountBounds_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("lowest") << "-99999.99" << -99999.99 << "";
        QTest::newRow("highest") << "99999.99" << 99999.99 << "";
        QTest::newRow("negative kept as typed") << "-5" << -5.0 << "";
        QTest::newRow("too high") << "100000" << 0.0 << AMOUNT_RANGE;
        QTest::newRow("too low") << "-100000.00" << 0.0 << AMOUNT_RANGE;
        QTest::newRow("not a number") << "12,50" << 0.0 << "Please enter a number.";
        QTest::newRow("empty") << "" << 0.0 << "Please enter a number.";
    }
    void amountBounds() {
        QFETCH(QString, typed);
        QFETCH(double, value);
        QFETCH(QString, message);
        CDescList descs;
        CDlgEntry dlg;
        FillAdd(dlg, descs);
        QVERIFY(ShowActive(dlg));
        auto* pAmount = Child<QLineEdit>(&dlg, "amount");
        pAmount->setText(typed);
        QVERIFY(Confirm(dlg, message));
        if (message.isEmpty()) {
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(dlg.m_dAmount, value);
            return;
        }
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.m_dAmount, 850.0);
        QCOMPARE(dlg.focusWidget(), pAmount); // gets the keys once the dialog is active again
        QCOMPARE(pAmount->selectedText(), typed);
    }

    // Entries hold 16-bit check numbers; the field is checked even while disabled.
    void checkNumberBounds_data() {
        QTest::addColumn<int>("typeIndex");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        for (int nType : {0, 1}) {
            const char* pszState = nType == 0 ? "enabled" : "disabled";
            auto row = [&](const char* pszCase) {
                return &QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(pszState, pszCase)));
            };
            *row("zero") << nType << "0"
                         << "";
            *row("highest") << nType << "65535"
                            << "";
            *row("one past 16 bits") << nType << "65536" << CHECK_RANGE;
            *row("six digits") << nType << "999999" << CHECK_RANGE;
            *row("negative") << nType << "-1" << CHECK_RANGE;
            *row("not whole") << nType << "12.5"
                              << "Please enter a whole number.";
        }
    }
    void checkNumberBounds() {
        QFETCH(int, typeIndex);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        CDescList descs;
        CDlgEntry dlg;
        FillAdd(dlg, descs);
        dlg.m_nTypeIndex = typeIndex;
        QVERIFY(ShowActive(dlg));
        Child<QLineEdit>(&dlg, "checkNum")->setText(typed);
        QVERIFY(Confirm(dlg, message));
        QCOMPARE(dlg.result(), int(message.isEmpty() ? QDialog::Accepted : QDialog::Rejected));
        if (message.isEmpty())
            QCOMPARE(dlg.m_nCheckNum, typed.toUInt());
        else
            QCOMPARE(dlg.m_nCheckNum, 101u);
    }

    // The amount is read before the check number; nothing is stored until all pass.
    void validationOrder() {
        CDescList descs;
        CDlgEntry dlg;
        FillAdd(dlg, descs);
        dlg.m_nTypeIndex = 0;
        QVERIFY(ShowActive(dlg));
        auto* pAmount = Child<QLineEdit>(&dlg, "amount");
        auto* pCheck = Child<QLineEdit>(&dlg, "checkNum");
        Child<QComboBox>(&dlg, "desc")->setEditText(QStringLiteral("Power"));
        Child<QComboBox>(&dlg, "type")->setCurrentIndex(0);
        Child<QRadioButton>(&dlg, "credit")->setChecked(true);
        Child<QCheckBox>(&dlg, "cleared")->setChecked(true);
        pAmount->setText(QStringLiteral("100000"));
        pCheck->setText(QStringLiteral("70000"));

        QVERIFY(Confirm(dlg, AMOUNT_RANGE));
        QCOMPARE(dlg.focusWidget(), pAmount); // gets the keys once the dialog is active again
        QCOMPARE(dlg.m_strDesc, std::string("Rent"));
        QCOMPARE(dlg.m_bCleared, false);

        pAmount->setText(QStringLiteral("12.34"));
        QVERIFY(Confirm(dlg, CHECK_RANGE));
        QCOMPARE(dlg.focusWidget(), pCheck); // gets the keys once the dialog is active again
        QCOMPARE(dlg.m_dAmount, 850.0);

        pCheck->setText(QStringLiteral("150"));
        QVERIFY(Confirm(dlg, {}));
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.m_strDesc, std::string("Power"));
        QCOMPARE(dlg.m_dAmount, 12.34);
        QCOMPARE(dlg.m_nCheckNum, 150u);
        QCOMPARE(dlg.m_nTypeIndex, 0);
        QCOMPARE(dlg.m_nDebitCredit, 1);
        QCOMPARE(dlg.m_bCleared, true);
    }

    // The date field opens the calendar and shows what comes back; Escape keeps the date.
    void dateFieldOpensCalendar_data() {
        QTest::addColumn<bool>("pick");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("day");
        QTest::newRow("date clicked") << true << "March 15, 2000" << 15;
        QTest::newRow("escape") << false << "March 07, 2000" << 7;
    }
    void dateFieldOpensCalendar() {
        QFETCH(bool, pick);
        QFETCH(QString, shown);
        QFETCH(int, day);
        CDescList descs;
        CDlgEntry dlg;
        FillAdd(dlg, descs);
        QVERIFY(ShowActive(dlg));
        auto* pDate = Child<QLineEdit>(&dlg, "date");
        CModalHelper modal;
        QWidget* pFocusWhileOpen = nullptr;
        int nDayPassed = 0;
        modal.Then([&](QWidget* w) {
            auto* pCalendar = qobject_cast<CDlgCalendar*>(w);
            QVERIFY(pCalendar);
            nDayPassed = pCalendar->m_nDay;
            pFocusWhileOpen = dlg.focusWidget();
            if (pick)
                QVERIFY(ClickCalendarDay(w, 15));
            else
                QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
        });
        QTest::mouseClick(pDate, Qt::LeftButton);
        QTRY_COMPARE(modal.Pending(), 0);
        QTRY_COMPARE(pDate->text(), shown);
        QCOMPARE(nDayPassed, 7);
        QCOMPARE(pFocusWhileOpen, pDate);
        QCOMPARE(dlg.m_nDay, day);
        QCOMPARE(dlg.m_nMonth, 3);
        QCOMPARE(dlg.m_nYear, 2000);
        QCOMPARE(dlg.focusWidget(), pDate);
    }

    // "..." edits the dialog's list; the box is refilled from it and its text cleared.
    void descListButtonRefillsBox() {
        CDescList descs{"Rent", "Groceries"};
        CDlgEntry dlg;
        FillAdd(dlg, descs);
        QVERIFY(ShowActive(dlg));
        auto* pDesc = Child<QComboBox>(&dlg, "desc");
        pDesc->setEditText(QStringLiteral("typed"));
        CModalHelper modal;
        modal.Then([](QWidget* w) {
            QVERIFY(qobject_cast<CDlgDescList*>(w));
            Child<QListWidget>(w, "list")->setCurrentRow(0);
            Child<QPushButton>(w, "delete")->click(); // the head of the list goes
            ClickLater(w, "add");
        });
        modal.Then([](QWidget* w) {
            Child<QLineEdit>(w, "text")->setText(QStringLiteral("Apple"));
            ClickLater(w, "ok");
        });
        modal.Then([](QWidget* w) { ClickLater(w, "ok"); });
        Child<QPushButton>(&dlg, "descList")->click();
        QCOMPARE(modal.Pending(), 0);
        descs = dlg.m_descs;
        QCOMPARE(int(dlg.m_descs.size()), 2);
        QCOMPARE(dlg.m_descs, std::vector<std::string>({"Groceries", "Apple"}));
        QCOMPARE(ComboItems(pDesc), QStringList({"Apple", "Groceries"}));
        QCOMPARE(pDesc->currentText(), QString());
    }

    // The pin shows the pressed picture while pressed; clicking it hands focus back.
    void pinPictureFollowsState() {
        const QImage imgIn = PinImage(QIcon(QStringLiteral(":/icons/pin_in.png")));
        const QImage imgOut = PinImage(QIcon(QStringLiteral(":/icons/pin_out.png")));
        QVERIFY(!imgIn.isNull() && !imgOut.isNull());
        QVERIFY(imgIn != imgOut);
        CDescList descs;
        CDlgEntry dlg;
        FillAdd(dlg, descs);
        dlg.m_bPinned = true;
        QVERIFY(ShowActive(dlg));
        auto* pPin = Child<QToolButton>(&dlg, "pin");
        QVERIFY(pPin->isChecked());
        QCOMPARE(PinImage(pPin->icon()), imgIn);
        QTest::mouseClick(pPin, Qt::LeftButton);
        QVERIFY(!pPin->isChecked());
        QCOMPARE(PinImage(pPin->icon()), imgOut);
        QCOMPARE(QApplication::focusWidget(), Child<QComboBox>(&dlg, "desc"));
        QVERIFY(Confirm(dlg, {}));
        QCOMPARE(dlg.m_bPinned, false);

        CDlgEntry dlg2;
        FillAdd(dlg2, descs);
        QVERIFY(ShowActive(dlg2));
        auto* pPin2 = Child<QToolButton>(&dlg2, "pin");
        QCOMPARE(PinImage(pPin2->icon()), imgOut);
        QTest::mouseClick(pPin2, Qt::LeftButton);
        QCOMPARE(PinImage(pPin2->icon()), imgIn);
        QVERIFY(Confirm(dlg2, {}));
        QCOMPARE(dlg2.m_bPinned, true);
    }

    void enterConfirmsEscapeCancels_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("desc");
        QTest::newRow("enter") << int(Qt::Key_Return) << int(QDialog::Accepted) << "Power bill";
        QTest::newRow("escape") << int(Qt::Key_Escape) << int(QDialog::Rejected) << "Rent";
    }
    void enterConfirmsEscapeCancels() {
        QFETCH(int, key);
        QFETCH(int, result);
        QFETCH(QString, desc);
        CDescList descs{"Power"};
        CDlgEntry dlg;
        FillAdd(dlg, descs);
        CModalHelper modal;
        modal.Then([key](QWidget* w) {
            QTRY_COMPARE(QApplication::focusWidget(), Child<QComboBox>(w, "desc")); // once active
            QWidget* pFocus = QApplication::focusWidget();
            Child<QComboBox>(w, "desc")->clearEditText();
            QTest::keyClicks(pFocus, QStringLiteral("Power bill"));
            QTest::keyClick(pFocus, Qt::Key(key));
        });
        QCOMPARE(dlg.exec(), result);
        QCOMPARE(dlg.m_strDesc, desc.toStdString());
        QCOMPARE(int(dlg.m_descs.size()), 1);
    }

    void downArrowOpensDescriptionList() {
        CDescList descs{"Rent", "Groceries"};
        CDlgEntry dlg;
        FillAdd(dlg, descs);
        QVERIFY(ShowActive(dlg));
        auto* pDesc = Child<QComboBox>(&dlg, "desc");
        QTest::keyClick(pDesc, Qt::Key_Down);
        QTRY_VERIFY(pDesc->view()->isVisible());
        QCOMPARE(pDesc->currentText(), QStringLiteral("Rent"));
        pDesc->hidePopup();
    }

    // Descriptions are stored as Windows-1252: other characters stay as typed or pasted,
    // and OK names the first of them.
    void descriptionTakesWindows1252Only() {
        CDescList descs;
        CDlgEntry dlg;
        FillAdd(dlg, descs);
        QVERIFY(ShowActive(dlg));
        auto* pDesc = Child<QComboBox>(&dlg, "desc");
        pDesc->clearEditText();
        TypeText(pDesc, QString::fromUtf8("Caf\u00e9 \u2603\U0001F600\u20ac"));
        pDesc->lineEdit()->insert(QString::fromUtf8("-\u03b1\u0160")); // as pasted
        const QString strTyped = QString::fromUtf8("Caf\u00e9 \u2603\U0001F600\u20ac-\u03b1\u0160");
        QCOMPARE(pDesc->currentText(), strTyped);
        CModalHelper modal;
        QString strSeen;
        modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
        Child<QPushButton>(&dlg, "ok")->click();
        QCOMPARE(modal.Pending(), 0);
        QVERIFY(strSeen.contains(QString::fromUtf8("\"\u2603\" (U+2603)")));
        QVERIFY(dlg.isVisible());
        QCOMPARE(pDesc->currentText(), strTyped);
        QCOMPARE(pDesc->lineEdit()->selectedText(), QString::fromUtf8("\u2603"));
        pDesc->clearEditText();
        QTest::keyClicks(pDesc, QString(300, QLatin1Char('x')));
        QCOMPARE(pDesc->currentText().size(), 255);
        dlg.reject();
    }
};

TW_GUI_TEST(CEntryDialogTests);
#include "EntryDialogTests.moc"
