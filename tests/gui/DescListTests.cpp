#include "DialogTestUtil.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "core/document/Limits.h"
#include "gui/view/CDlgDescItem.h"
#include "gui/view/CDlgDescList.h"
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

using Strings = std::vector<std::string>;

// Answers the "Description Item" editor: check what it was opened with, type, confirm.
CModalHelper::Handler AnswerItem(QString strTyped, bool bOk = true, QString* pOpened = nullptr) {
    return [=](QWidget* w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("Description Item"));
        auto* pText = Child<QLineEdit>(w, "text");
        if (pOpened)
            *pOpened = pText->text();
        pText->setText(strTyped);
        ClickLater(w, bOk ? "ok" : "cancel");
    };
}

QStringList ListBoxStrings(QWidget* pDlg) {
    QStringList strings;
    auto* pList = Child<QListWidget>(pDlg, "list");
    for (int i = 0; i < pList->count(); ++i)
        strings << pList->item(i)->text();
    return strings;
}

QStringList ToQt(const Strings& strings) {
    QStringList list;
    for (const std::string& s : strings)
        list << QString::fromStdString(s);
    return list;
}

int SelectedRow(QWidget* pDlg) {
    const auto selected = Child<QListWidget>(pDlg, "list")->selectedItems();
    return selected.isEmpty() ? -1 : Child<QListWidget>(pDlg, "list")->row(selected.first());
}

// The dialog edits the list in place: the list box and the borrowed list must agree.
void CompareListAndBox(const CDlgDescList& dlg, const QStringList& expected) {
    QCOMPARE(ToQt(dlg.m_descs), expected);
    QCOMPARE(int(dlg.m_descs.size()), int(expected.size()));
    QCOMPARE(ListBoxStrings(const_cast<CDlgDescList*>(&dlg)), expected);
}

} // namespace

class CDescListTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsInListOrderWithNothingSelected() {
        CDescList descs{"Rent", "Groceries", "apple"};
        CDlgDescList dlg;
        dlg.m_descs = descs;
        QVERIFY(ShowActive(dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Description List"));
        QCOMPARE(ListBoxStrings(&dlg), QStringList({"Rent", "Groceries", "apple"}));
        QCOMPARE(SelectedRow(&dlg), -1);
        QVERIFY(!Child<QPushButton>(&dlg, "edit")->isEnabled());
        QVERIFY(!Child<QPushButton>(&dlg, "delete")->isEnabled());
        QVERIFY(!Child<QPushButton>(&dlg, "cancel"));
        Child<QListWidget>(&dlg, "list")->setCurrentRow(1);
        QVERIFY(Child<QPushButton>(&dlg, "edit")->isEnabled());
        QVERIFY(Child<QPushButton>(&dlg, "delete")->isEnabled());
    }

    // Add refuses empty and repeated texts without a word; case makes a text new.
    void addAppendsOnlyNewTexts_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("after");
        const QStringList before{"Rent", "Groceries"};
        QTest::newRow("new") << "Phone" << true << (before + QStringList{"Phone"});
        QTest::newRow("other case") << "rent" << true << (before + QStringList{"rent"});
        QTest::newRow("trailing blank") << "Rent " << true << (before + QStringList{"Rent "});
        QTest::newRow("duplicate") << "Groceries" << true << before;
        QTest::newRow("empty") << "" << true << before;
        QTest::newRow("cancelled") << "Phone" << false << before;
    }
    void addAppendsOnlyNewTexts() {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(QStringList, after);
        CDescList descs{"Rent", "Groceries"};
        CDlgDescList dlg;
        dlg.m_descs = descs;
        CModalHelper modal;
        QString strOpened = QStringLiteral("unset");
        modal.Then([](QWidget* w) { ClickLater(w, "add"); });
        modal.Then(AnswerItem(typed, ok, &strOpened));
        modal.Then([](QWidget* w) { ClickLater(w, "ok"); });
        dlg.exec();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strOpened, QString());
        descs = dlg.m_descs;
        CompareListAndBox(dlg, after);
    }

    // At the limit Add only tells; Edit and Delete still work.
    void fullListRefusesAddOnly() {
        Strings strings;
        for (int i = 0; i < MAX_DESCS; ++i)
            strings.push_back("Item " + std::to_string(i));
        CDescList descs(strings);
        CDlgDescList dlg;
        dlg.m_descs = descs;
        QVERIFY(ShowActive(dlg));
        CModalHelper modal;
        QString strText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        modal.Then([&](QWidget* w) {
            auto* pBox = qobject_cast<QMessageBox*>(w);
            QVERIFY(pBox);
            strText = pBox->text();
            icon = pBox->icon();
            QCOMPARE(pBox->windowTitle(), QStringLiteral("Tallywise v3.5"));
            pBox->button(QMessageBox::Ok)->click();
        });
        Child<QPushButton>(&dlg, "add")->click();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strText,
                 QStringLiteral("The maximum number of Description List \nentries is 1000."));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(int(dlg.m_descs.size()), MAX_DESCS);

        Child<QListWidget>(&dlg, "list")->setCurrentRow(3);
        modal.Then(AnswerItem(QStringLiteral("Changed")));
        Child<QPushButton>(&dlg, "edit")->click();
        Child<QPushButton>(&dlg, "delete")->click(); // deletes "Changed"
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(int(dlg.m_descs.size()), MAX_DESCS - 1);
        QCOMPARE(dlg.m_descs.at(3), std::string("Item 4"));
        descs = dlg.m_descs;
    }

    // Edit takes the text as typed, even an empty or repeated one, and keeps its place.
    void editReplacesInPlace_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("changed") << "Water" << true << QStringList{"Rent", "Water", "Phone"};
        QTest::newRow("empty") << "" << true << QStringList{"Rent", "", "Phone"};
        QTest::newRow("repeated") << "Rent" << true << QStringList{"Rent", "Rent", "Phone"};
        QTest::newRow("cancelled") << "Water" << false << QStringList{"Rent", "Gas", "Phone"};
    }
    void editReplacesInPlace() {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(QStringList, after);
        CDescList descs{"Rent", "Gas", "Phone"};
        CDlgDescList dlg;
        dlg.m_descs = descs;
        QVERIFY(ShowActive(dlg));
        Child<QListWidget>(&dlg, "list")->setCurrentRow(1);
        CModalHelper modal;
        QString strOpened;
        modal.Then(AnswerItem(typed, ok, &strOpened));
        Child<QPushButton>(&dlg, "edit")->click();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strOpened, QStringLiteral("Gas"));
        CompareListAndBox(dlg, after);
        QCOMPARE(SelectedRow(&dlg), 1);
    }

    void doubleClickEdits() {
        CDescList descs{"Rent", "Gas"};
        CDlgDescList dlg;
        dlg.m_descs = descs;
        QVERIFY(ShowActive(dlg));
        auto* pList = Child<QListWidget>(&dlg, "list");
        CModalHelper modal;
        QString strOpened;
        modal.Then(AnswerItem(QStringLiteral("Gasoline"), true, &strOpened));
        const QPoint pt = pList->visualItemRect(pList->item(1)).center();
        // A real double click: press and release, then the double-click press.
        QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, pt);
        QTest::mouseDClick(pList->viewport(), Qt::LeftButton, {}, pt);
        QTRY_COMPARE(modal.Pending(), 0);
        QCOMPARE(strOpened, QStringLiteral("Gas"));
        CompareListAndBox(dlg, {"Rent", "Gasoline"});
    }

    // After a delete the same position is selected again, or the one above at the end.
    void deleteSelectsNeighbour_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("selected");
        const QStringList three{"A", "B", "C"};
        QTest::newRow("first") << three << 0 << QStringList{"B", "C"} << 0;
        QTest::newRow("middle") << three << 1 << QStringList{"A", "C"} << 1;
        QTest::newRow("last") << three << 2 << QStringList{"A", "B"} << 1;
        QTest::newRow("only") << QStringList{"A"} << 0 << QStringList{} << -1;
    }
    void deleteSelectsNeighbour() {
        QFETCH(QStringList, before);
        QFETCH(int, row);
        QFETCH(QStringList, after);
        QFETCH(int, selected);
        Strings strings;
        for (const QString& s : before)
            strings.push_back(s.toStdString());
        CDescList descs(strings);
        CDlgDescList dlg;
        dlg.m_descs = descs;
        QVERIFY(ShowActive(dlg));
        Child<QListWidget>(&dlg, "list")->setCurrentRow(row);
        Child<QPushButton>(&dlg, "delete")->click();
        descs = dlg.m_descs;
        CompareListAndBox(dlg, after);
        QCOMPARE(SelectedRow(&dlg), selected);
        QCOMPARE(Child<QPushButton>(&dlg, "edit")->isEnabled(), selected >= 0);
        QCOMPARE(Child<QPushButton>(&dlg, "delete")->isEnabled(), selected >= 0);
    }

    // There is no Cancel: Escape closes and the changes made stay.
    void escapeKeepsChanges() {
        CDescList descs{"A", "B"};
        CDlgDescList dlg;
        dlg.m_descs = descs;
        CModalHelper modal;
        modal.Then([](QWidget* w) {
            Child<QListWidget>(w, "list")->setCurrentRow(0);
            Child<QPushButton>(w, "delete")->click();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        dlg.exec();
        descs = dlg.m_descs;
        QCOMPARE(ToQt(dlg.m_descs), QStringList{"B"});
    }

    void itemEditorKeepsAtMost255Characters() {
        CDlgDescItem dlg;
        dlg.m_strText = "Power";
        CModalHelper modal;
        modal.Then([](QWidget* w) {
            auto* pText = Child<QLineEdit>(w, "text");
            QCOMPARE(pText->text(), QStringLiteral("Power"));
            pText->clear();
            QTest::keyClicks(pText, QString(300, QLatin1Char('x')));
            QTest::keyClick(pText, Qt::Key_Return);
        });
        QCOMPARE(dlg.exec(), int(QDialog::Accepted));
        QCOMPARE(dlg.m_strText, std::string(255, 'x'));
    }

    // Regression: a description of a file longer than the limit was cut when edited.
    void itemEditorRefusesALongerTextInsteadOfCuttingIt() {
        CDlgDescItem dlg;
        const std::string strLong(300, 'y');
        dlg.m_strText = strLong;
        CModalHelper modal;
        QString strShown, strSeen;
        bool bFocusBack = false;
        modal.Then([&](QWidget* w) {
            strShown = Child<QLineEdit>(w, "text")->text();
            ClickLater(w, "ok");
        });
        modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
        modal.Then([&](QWidget* w) {
            bFocusBack = w->focusWidget() == Child<QLineEdit>(w, "text");
            Child<QPushButton>(w, "cancel")->click();
        });
        QCOMPARE(dlg.exec(), int(QDialog::Rejected));
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strShown.size(), 300);
        QCOMPARE(strSeen, QStringLiteral("Please enter no more than 255 characters."));
        QVERIFY(bFocusBack);
        QCOMPARE(dlg.m_strText, strLong);
    }
};

TW_GUI_TEST(CDescListTests);
#include "DescListTests.moc"
