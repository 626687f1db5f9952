#include "DialogTestUtil.h"
#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "OptionsTestUtil.h"
#include "core/document/RegisterCells.h"
#include "gui/app/Commands.h"
#include "gui/controls/CFontChooser.h"
#include "gui/settings/CDlgOptions.h"
#include "gui/view/CDlgEntry.h"
#include "gui/view/CRegisterModel.h"
#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

namespace {

const QString NAME_MISSING = QStringLiteral("You must enter a name for this\nUser Defined Type.");
const QString ABBR_MISSING =
    QStringLiteral("You must enter an abbreviation\n for this User Defined Type.");
const QString ABBR_TAKEN =
    QStringLiteral("Each User Defined Type must\nhave a unique abbreviation.");

// The page on show, as a tab index.
int ShownPage(QWidget* pDlg) {
    return pDlg->findChild<QStackedWidget*>()->currentIndex();
}

// The field of the dialog that has (or gets back) the keyboard focus.
QString FocusName(QWidget* pDlg) {
    QWidget* pFocus = pDlg->focusWidget();
    return pFocus ? pFocus->objectName() : QString();
}

// Presses OK; a refusal is expected to show strMessage.
bool PressOk(CDlgOptions& dlg, const QString& strMessage) {
    CModalHelper modal;
    QString strSeen;
    if (!strMessage.isEmpty())
        modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
    Child<QPushButton>(&dlg, "ok")->click();
    if (modal.Pending() != 0 || strSeen != strMessage) {
        qWarning("message seen: \"%s\"", qPrintable(strSeen));
        return false;
    }
    return true;
}

COptions SampleOptions() {
    COptions o;
    o.m_bBackup = true;
    o.m_bTextBackup = false;
    o.m_bLoadLast = true;
    o.m_nDblClick = 0;
    o.m_nAType = 6;
    o.m_bACleared = true;
    o.m_userTypes[0] = {"Transfer", "X", 1, 1};
    o.m_userTypes[1] = {"Payroll", "P", 1, 0}; // in use
    o.m_userTypes[2] = {"Spare", "S", 0, 1};
    return o;
}

} // namespace

class COptionsDialogTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensOnFileOptionsWithTheWorkingValues() {
        CDlgOptions dlg;
        dlg.m_options = SampleOptions();
        QVERIFY(ShowActive(dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Options"));
        QTabBar* pTabs = Tabs(&dlg);
        QCOMPARE(pTabs->count(), 4);
        const QStringList tabs = {"File Options", "Editor Options", "Add Options", "Type Options"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(pTabs->tabText(i), tabs[i]);
        QCOMPARE(pTabs->currentIndex(), 0);
        QVERIFY(Child<QCheckBox>(&dlg, "backup")->isVisible());
        QVERIFY(!Child<QCheckBox>(&dlg, "newCleared")->isVisible());
        QVERIFY(Child<QCheckBox>(&dlg, "backup")->isChecked());
        QVERIFY(!Child<QCheckBox>(&dlg, "textBackup")->isChecked());
        QVERIFY(Child<QCheckBox>(&dlg, "loadLast")->isChecked());
        QVERIFY(Child<QRadioButton>(&dlg, "dblToggle")->isChecked());
        QVERIFY(!Child<QRadioButton>(&dlg, "dblEdit")->isChecked());
        QCOMPARE(Child<QPushButton>(&dlg, "font")->text(), QStringLiteral("MS Sans Serif 8pt"));
        QVERIFY(Child<QCheckBox>(&dlg, "newCleared")->isChecked());
        QCOMPARE(
            ComboItems(Child<QComboBox>(&dlg, "defaultType")),
            QStringList({"Check", "ATM", "Check Card", "Teller", "Other", "Transfer", "Payroll"}));
        QCOMPARE(Child<QComboBox>(&dlg, "defaultType")->currentIndex(), 6);

        auto* pPreview = Child<QTableWidget>(&dlg, "preview");
        QCOMPARE(pPreview->rowCount(), 2);
        QCOMPARE(pPreview->columnCount(), 1);
        QCOMPARE(pPreview->item(0, 0)->text(), QStringLiteral("Deposit"));
        QCOMPARE(pPreview->item(1, 0)->text(), QStringLiteral("Withdrawal"));
        QCOMPARE(pPreview->columnWidth(0), 180);
        QVERIFY(pPreview->horizontalHeader()->isHidden());
        QVERIFY(pPreview->showGrid());
        QCOMPARE(pPreview->selectionBehavior(), QAbstractItemView::SelectRows);

        // Slot 1 editable, slot 2 in use and locked, slot 3 off, slot 4 empty and off.
        const struct {
            const char* m_pszBox;
            bool m_bChecked, m_bBoxEnabled, m_bEditsEnabled;
            const char* m_pszName;
        } slots[] = {{"1", true, true, true, "Transfer"},
                     {"2", true, false, false, "Payroll"},
                     {"3", false, true, false, "Spare"},
                     {"4", false, true, false, ""}};
        for (const auto& s : slots) {
            const QByteArray n(s.m_pszBox);
            QCOMPARE(Child<QCheckBox>(&dlg, "userType" + n)->isChecked(), s.m_bChecked);
            QCOMPARE(Child<QCheckBox>(&dlg, "userType" + n)->isEnabled(), s.m_bBoxEnabled);
            QCOMPARE(Child<QLineEdit>(&dlg, "name" + n)->isEnabled(), s.m_bEditsEnabled);
            QCOMPARE(Child<QLineEdit>(&dlg, "abbr" + n)->isEnabled(), s.m_bEditsEnabled);
            QCOMPARE(Child<QLineEdit>(&dlg, "name" + n)->text(), QString::fromLatin1(s.m_pszName));
        }
        // Ticking a slot opens its edits, unticking closes them again.
        Child<QCheckBox>(&dlg, "userType4")->click();
        QVERIFY(Child<QLineEdit>(&dlg, "name4")->isEnabled());
        QVERIFY(Child<QLineEdit>(&dlg, "abbr4")->isEnabled());
        Child<QCheckBox>(&dlg, "userType4")->click();
        QVERIFY(!Child<QLineEdit>(&dlg, "abbr4")->isEnabled());
        dlg.reject();
    }

    // Names take 30 characters, abbreviations one, and only what a register file can hold.
    void fieldsAreLimited() {
        CDlgOptions dlg;
        QVERIFY(ShowActive(dlg));
        Tabs(&dlg)->setCurrentIndex(CDlgOptions::TAB_TYPE);
        Child<QCheckBox>(&dlg, "userType1")->setChecked(true);
        auto* pName = Child<QLineEdit>(&dlg, "name1");
        auto* pAbbr = Child<QLineEdit>(&dlg, "abbr1");
        pName->setFocus();
        QTest::keyClicks(pName, QString(35, QLatin1Char('n')));
        QCOMPARE(pName->text(), QString(30, QLatin1Char('n')));
        pAbbr->setFocus();
        QTest::keyClicks(pAbbr, QStringLiteral("XY"));
        QCOMPARE(pAbbr->text(), QStringLiteral("X"));
        pAbbr->clear();
        QTest::sendKeyEvent(QTest::Click, pAbbr, Qt::Key_unknown, QString(QChar(0x20AC)),
                            Qt::NoModifier); // the euro sign is in Windows-1252
        QCOMPARE(pAbbr->text(), QString(QChar(0x20AC)));
        // Regression: a character Windows-1252 lacks vanished as it was typed. It stays, and
        // OK names it, from any tab.
        pName->clear();
        for (QChar ch : QString::fromUtf8("żółw"))
            QTest::sendKeyEvent(QTest::Click, pName, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QCOMPARE(pName->text(), QString::fromUtf8("żółw"));
        Tabs(&dlg)->setCurrentIndex(CDlgOptions::TAB_FILE);
        QVERIFY(PressOk(dlg, QString::fromUtf8("This field cannot hold the character "
                                               "\"ż\" (U+017C): a register keeps only "
                                               "the characters of Windows-1252.")));
        QCOMPARE(ShownPage(&dlg), int(CDlgOptions::TAB_TYPE));
        QTRY_COMPARE(FocusName(&dlg), QStringLiteral("name1"));
        QCOMPARE(pName->text(), QString::fromUtf8("żółw"));
        QCOMPARE(pName->selectedText(), QString::fromUtf8("ż"));
        dlg.reject();
    }

    void validationOnOk_data() {
        QTest::addColumn<QStringList>("slots"); // per slot "name|abbr", "-" when off
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("C refused")
            << QStringList{"-", "Coins|C", "-", "-"} << ABBR_TAKEN << "abbr2";
        QTest::newRow("c accepted") << QStringList{"-", "Coins|c", "-", "-"} << QString() << "";
        QTest::newRow("duplicate fails on the first")
            << QStringList{"One|X", "-", "Three|X", "-"} << ABBR_TAKEN << "abbr1";
        QTest::newRow("unchecked slot not checked")
            << QStringList{"One|X", "-", "-", "-"} << QString() << "";
        QTest::newRow("third slot without name")
            << QStringList{"One|X", "-", "|Z", "-"} << NAME_MISSING << "name3";
        QTest::newRow("missing abbreviation")
            << QStringList{"-", "-", "-", "Four|"} << ABBR_MISSING << "abbr4";
    }
    void validationOnOk() {
        QFETCH(QStringList, slots);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        CDlgOptions dlg;
        dlg.m_options.m_userTypes[2] = {"Kept", "", 0, 1}; // off: never checked
        QVERIFY(ShowActive(dlg));
        for (int k = 0; k < 4; ++k) {
            const QStringList parts = slots[k].split(QLatin1Char('|'));
            if (slots[k] == QLatin1String("-"))
                Child<QCheckBox>(&dlg, "userType" + QByteArray::number(k + 1))->setChecked(false);
            else
                SetSlot(&dlg, k + 1, true, parts[0], parts[1]);
        }
        QVERIFY(PressOk(dlg, message));
        if (message.isEmpty()) {
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            return;
        }
        QVERIFY(dlg.isVisible());
        QCOMPARE(Tabs(&dlg)->currentIndex(), int(CDlgOptions::TAB_TYPE));
        QCOMPARE(ShownPage(&dlg), int(CDlgOptions::TAB_TYPE));
        QTRY_COMPARE(FocusName(&dlg), focus);
        dlg.reject();
    }

    // Leaving for "Add Options" checks the types first; a fault brings "Type Options" back.
    void addOptionsTabChecksAndRebuildsTheList() {
        CDlgOptions dlg;
        dlg.m_options.m_nAType = 6;
        QVERIFY(ShowActive(dlg));
        SetSlot(&dlg, 2, true, QStringLiteral("Loan"), QStringLiteral("T"));
        {
            CModalHelper modal;
            QString strSeen;
            modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
            Tabs(&dlg)->setCurrentIndex(CDlgOptions::TAB_ADD);
            QCOMPARE(modal.Pending(), 0);
            QCOMPARE(strSeen, ABBR_TAKEN);
        }
        QCOMPARE(Tabs(&dlg)->currentIndex(), int(CDlgOptions::TAB_TYPE));
        QCOMPARE(ShownPage(&dlg), int(CDlgOptions::TAB_TYPE));
        QTRY_COMPARE(FocusName(&dlg), QStringLiteral("abbr2"));

        // Fixed: the list has the checked slots' names in slot order; index 6 lies beyond
        // its end, so it opens on "ATM".
        Child<QLineEdit>(&dlg, "abbr2")->setText(QStringLiteral("L"));
        Tabs(&dlg)->setCurrentIndex(CDlgOptions::TAB_ADD);
        QCOMPARE(ShownPage(&dlg), int(CDlgOptions::TAB_ADD));
        auto* pList = Child<QComboBox>(&dlg, "defaultType");
        QCOMPARE(ComboItems(pList),
                 QStringList({"Check", "ATM", "Check Card", "Teller", "Other", "Loan"}));
        QCOMPARE(pList->currentIndex(), 1);

        // The working choice survives a visit to "Type Options" that adds a slot.
        pList->setCurrentIndex(5);
        Tabs(&dlg)->setCurrentIndex(CDlgOptions::TAB_TYPE);
        SetSlot(&dlg, 1, true, QStringLiteral("Gift"), QStringLiteral("G"));
        Tabs(&dlg)->setCurrentIndex(CDlgOptions::TAB_ADD);
        QCOMPARE(ComboItems(pList).mid(5), QStringList({"Gift", "Loan"}));
        QCOMPARE(pList->currentIndex(), 5);
        QVERIFY(PressOk(dlg, {}));
        QCOMPARE(dlg.m_options.m_nAType, 5);
        QCOMPARE(dlg.m_options.m_userTypes[0], (CUserType{"Gift", "G", 1, 1}));
        QCOMPARE(dlg.m_options.m_userTypes[1], (CUserType{"Loan", "L", 1, 1}));
    }

    // Regression: Ctrl+Tab did nothing from the fields. Both ways round, from any field, with
    // the check on the way to "Add Options".
    void ctrlTabGoesRoundTheTabs() {
        CDlgOptions dlg;
        QVERIFY(ShowActive(dlg));
        auto press = [&](bool bBack) {
            QWidget* pFocus = dlg.focusWidget();
            QVERIFY(pFocus);
            QTest::keyClick(pFocus, bBack ? Qt::Key_Backtab : Qt::Key_Tab,
                            bBack ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        };
        auto* pPages = dlg.findChild<QStackedWidget*>();
        const struct {
            bool bBack;
            int nTab;
        } steps[] = {{false, 1}, {false, 2}, {false, 3}, {false, 0},
                     {true, 3},  {true, 2},  {true, 1},  {true, 0}};
        Child<QCheckBox>(&dlg, "loadLast")->setFocus();
        for (const auto& step : steps) {
            press(step.bBack);
            QCOMPARE(Tabs(&dlg)->currentIndex(), step.nTab);
            QCOMPARE(ShownPage(&dlg), step.nTab);
            QTRY_VERIFY(pPages->widget(step.nTab)->isAncestorOf(dlg.focusWidget()));
        }
        press(true);
        SetSlot(&dlg, 1, true, QStringLiteral("Gift"), QStringLiteral("C"));
        Child<QLineEdit>(&dlg, "abbr1")->setFocus();
        CModalHelper modal;
        QString strSeen;
        modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
        press(true);
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strSeen, ABBR_TAKEN);
        QCOMPARE(ShownPage(&dlg), int(CDlgOptions::TAB_TYPE));
        QTRY_COMPARE(FocusName(&dlg), QStringLiteral("abbr1"));
        Child<QLineEdit>(&dlg, "abbr1")->setText(QStringLiteral("G"));
        press(true);
        QCOMPARE(ShownPage(&dlg), int(CDlgOptions::TAB_ADD));
        QTRY_COMPARE(FocusName(&dlg), QStringLiteral("defaultType"));
        dlg.reject();
    }

    // A name longer than can be typed, from a file, is refused on OK rather than cut; in a
    // locked slot it stays as it is.
    void storedLongTextIsNeverCut() {
        const std::string strLong(40, 'L');
        {
            CDlgOptions dlg;
            dlg.m_options.m_userTypes[0] = {strLong, "X", 1, 0};
            QVERIFY(ShowActive(dlg));
            QCOMPARE(Child<QLineEdit>(&dlg, "name1")->text().size(), 40);
            QVERIFY(PressOk(dlg, {}));
            QCOMPARE(dlg.m_options.m_userTypes[0].m_strName, strLong);
        }
        CDlgOptions dlg;
        dlg.m_options.m_userTypes[0] = {strLong, "X", 1, 1};
        QVERIFY(ShowActive(dlg));
        QVERIFY(PressOk(dlg, QStringLiteral("Please enter no more than 30 characters.")));
        QCOMPARE(ShownPage(&dlg), int(CDlgOptions::TAB_TYPE));
        QTRY_COMPARE(FocusName(&dlg), QStringLiteral("name1"));
        dlg.reject();
    }

    void fontChooserIsHeldToEightToEighteenPoints() {
        const QString strFamily = AnyInstalledFamily();
        CDlgOptions dlg;
        QVERIFY(ShowActive(dlg));
        Tabs(&dlg)->setCurrentIndex(CDlgOptions::TAB_EDITOR);
        auto* pFont = Child<QPushButton>(&dlg, "font");
        auto* pPreview = Child<QTableWidget>(&dlg, "preview");
        {
            // 24 points is refused and the chooser stays; 12 is taken.
            CModalHelper modal;
            QString strSeen;
            QPointer<CFontChooser> pChooser;
            modal.Then([&](QWidget* w) {
                pChooser = qobject_cast<CFontChooser*>(w);
                // Only the sizes the list can take are offered, and no styles or effects.
                QStringList sizes;
                for (int i = 0; i < Child<QListWidget>(w, "sizes")->count(); ++i)
                    sizes << Child<QListWidget>(w, "sizes")->item(i)->text();
                QCOMPARE(sizes.join(QLatin1Char(' ')),
                         QStringLiteral("8 9 10 11 12 13 14 15 16 17 18"));
                QVERIFY(w->findChildren<QCheckBox*>().isEmpty());
                ChooseFont(strFamily, 24)(w);
            });
            modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
            modal.Then([&](QWidget* w) {
                QCOMPARE(w, pChooser.data());
                ChooseFont(strFamily, 12)(w);
            });
            ClickLater(&dlg, "font");
            QTRY_COMPARE(modal.Pending(), 0);
            QTRY_VERIFY(!pChooser);
            QCOMPARE(strSeen, QStringLiteral("Size must be between 8 and 18 points."));
        }
        QCOMPARE(pFont->text(), strFamily + QStringLiteral(" 12pt"));
        QCOMPARE(QFontInfo(pPreview->font()).family(), strFamily);
        QCOMPARE(pPreview->font().pointSizeF(), 12.0);
        {
            CModalHelper modal;
            modal.Then([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
            ClickLater(&dlg, "font");
            QTRY_COMPARE(modal.Pending(), 0);
        }
        QCOMPARE(pFont->text(), strFamily + QStringLiteral(" 12pt"));
        QVERIFY(PressOk(dlg, {}));
        QCOMPARE(QString::fromStdString(dlg.m_options.m_strFont), strFamily);
        QCOMPARE(dlg.m_options.m_nFontSize, 120);
    }

    void colorChoosersRecolourThePreview() {
        CDlgOptions dlg;
        QVERIFY(ShowActive(dlg));
        Tabs(&dlg)->setCurrentIndex(CDlgOptions::TAB_EDITOR);
        auto* pPreview = Child<QTableWidget>(&dlg, "preview");
        QCOMPARE(ListColors(pPreview), std::make_pair(QColor(Qt::black), QColor(Qt::white)));
        {
            CModalHelper modal;
            modal.Then(ChooseColor(Qt::white));
            ClickLater(&dlg, "foreground");
            QTRY_COMPARE(modal.Pending(), 0);
        }
        {
            CModalHelper modal;
            modal.Then(ChooseColor(QColor(0, 0, 128)));
            ClickLater(&dlg, "background");
            QTRY_COMPARE(modal.Pending(), 0);
        }
        QTRY_COMPARE(ListColors(pPreview), std::make_pair(QColor(Qt::white), QColor(0, 0, 128)));
        {
            // Cancel in the chooser keeps the colour.
            CModalHelper modal;
            modal.Then([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
            ClickLater(&dlg, "background");
            QTRY_COMPARE(modal.Pending(), 0);
        }
        QVERIFY(PressOk(dlg, {}));
        QCOMPARE(dlg.m_options.m_nTxColor, 0xFFFFFF);
        QCOMPARE(dlg.m_options.m_nBkColor, 0x800000);
    }
};

TW_GUI_TEST(COptionsDialogTests);
#include "OptionsTests.moc"
