#include "DialogTestUtil.h"
#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
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

QStringList ComboItems(QComboBox* pCombo) {
    QStringList items;
    for (int i = 0; i < pCombo->count(); ++i)
        items << pCombo->itemText(i);
    return items;
}

QTabBar* Tabs(QWidget* pDlg) {
    return Child<QTabBar>(pDlg, "tabs");
}

// The page on show, as a tab index.
int ShownPage(QWidget* pDlg) {
    return pDlg->findChild<QStackedWidget*>()->currentIndex();
}

// The field of the dialog that has (or gets back) the keyboard focus.
QString FocusName(QWidget* pDlg) {
    QWidget* pFocus = pDlg->focusWidget();
    return pFocus ? pFocus->objectName() : QString();
}

// Slot k (1..4): switched on with a name and an abbreviation, or off.
void SetSlot(QWidget* pDlg, int k, bool bOn, const QString& strName = {},
             const QString& strAbbr = {}) {
    const QByteArray n = QByteArray::number(k);
    Child<QCheckBox>(pDlg, "userType" + n)->setChecked(bOn);
    Child<QLineEdit>(pDlg, "name" + n)->setText(strName);
    Child<QLineEdit>(pDlg, "abbr" + n)->setText(strAbbr);
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

// Text and background of a list as it draws them.
std::pair<QColor, QColor> ListColors(QAbstractItemView* pList) {
    const QPalette& pal = pList->palette();
    return {pal.color(QPalette::Active, QPalette::Text),
            pal.color(QPalette::Active, QPalette::Base)};
}

// Picks a colour in the colour chooser and confirms it.
CModalHelper::Handler ChooseColor(const QColor& color) {
    return [color](QWidget* w) {
        auto* pChooser = qobject_cast<QColorDialog*>(w);
        QVERIFY(pChooser);
        pChooser->setCurrentColor(color);
        pChooser->accept();
    };
}

// Picks a face and size in the font chooser; an out-of-range size expects the refusal.
CModalHelper::Handler ChooseFont(const QString& strFamily, int nPoints) {
    return [strFamily, nPoints](QWidget* w) {
        auto* pChooser = qobject_cast<CFontChooser*>(w);
        QVERIFY(pChooser);
        QFont font(strFamily);
        font.setPointSize(nPoints);
        pChooser->setCurrentFont(font);
        QTimer::singleShot(0, pChooser, &QDialog::accept);
    };
}

QString AnyInstalledFamily() {
    const QStringList families = QFontDatabase::families();
    for (const QString& strFamily : {QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Sans")})
        if (families.contains(strFamily))
            return strFamily;
    return families.value(0);
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

class COptionsCommandTests : public QObject {
    Q_OBJECT
    std::unique_ptr<CFrameFixture> m_pFix;

    QString Cell(int nRow, int nColumn) {
        return m_pFix->View()->model()->index(nRow, nColumn).data().toString();
    }

    void RunOptions(CModalHelper& modal) {
        m_pFix->m_pFrame->Action(ID_VIEW_OPTIONS)->trigger();
        QCOMPARE(modal.Pending(), 0);
    }

    // Changes every value, font and colours through their choosers included; then OK or
    // Cancel.
    void ChangeEverything(CModalHelper& modal, const QString& strFamily, bool bOk) {
        modal.Then([](QWidget* pDlg) {
            Child<QCheckBox>(pDlg, "backup")->setChecked(true);
            Child<QCheckBox>(pDlg, "textBackup")->setChecked(false);
            Child<QCheckBox>(pDlg, "loadLast")->setChecked(true);
            Child<QRadioButton>(pDlg, "dblToggle")->setChecked(true);
            Child<QCheckBox>(pDlg, "newCleared")->setChecked(true);
            SetSlot(pDlg, 1, true, QStringLiteral("Transfer"), QStringLiteral("X"));
            SetSlot(pDlg, 2, true, QStringLiteral("Payroll"), QStringLiteral("Y"));
            ClickLater(pDlg, "font");
        });
        modal.Then(ChooseFont(strFamily, 12));
        modal.Then([](QWidget* pDlg) { ClickLater(pDlg, "foreground"); });
        modal.Then(ChooseColor(Qt::white));
        modal.Then([](QWidget* pDlg) { ClickLater(pDlg, "background"); });
        modal.Then(ChooseColor(QColor(0, 0, 128)));
        modal.Then([bOk](QWidget* pDlg) {
            Tabs(pDlg)->setCurrentIndex(CDlgOptions::TAB_ADD);
            Child<QComboBox>(pDlg, "defaultType")->setCurrentIndex(TYPE_TELLER);
            ClickLater(pDlg, bOk ? "ok" : "cancel");
        });
    }

private Q_SLOTS:
    void init() { m_pFix = std::make_unique<CFrameFixture>(); }
    void cleanup() { m_pFix.reset(); }

    void okTakesEffectAtOnce() {
        const QString strFamily = AnyInstalledFamily();
        CTallywiseView* pView = m_pFix->View();
        m_pFix->AddEntry(TYPE_ATM, 0, 3, 1, "Cash", 20.0, true);
        pView->OnInitialUpdate();
        m_pFix->StartClean();
        CModalHelper modal;
        ChangeEverything(modal, strFamily, true);
        RunOptions(modal);

        const CTallywiseApp& app = m_pFix->m_app;
        QCOMPARE(app.m_nBackup, 1);
        QCOMPARE(app.m_nTextBackup, 0);
        QCOMPARE(app.m_nLoadLast, 1);
        QCOMPARE(app.m_nDblClick, 0);
        QCOMPARE(app.m_nACleared, 1);
        QCOMPARE(app.m_nAType, int(TYPE_TELLER));
        QCOMPARE(QString::fromStdString(app.m_strFont), strFamily);
        QCOMPARE(app.m_nFontSize, 120);
        QCOMPARE(app.m_nTxColor, 0xFFFFFF);
        QCOMPARE(app.m_nBkColor, 0x800000);
        QCOMPARE(m_pFix->Doc().UserTypes()[1], (CUserType{"Payroll", "Y", 1, 1}));
        // The types go with the register, so it now needs saving.
        QVERIFY(m_pFix->Doc().IsModified());

        QCOMPARE(QFontInfo(pView->font()).family(), strFamily);
        QCOMPARE(pView->font().pointSizeF(), 12.0);
        QCOMPARE(ListColors(pView), std::make_pair(QColor(Qt::white), QColor(0, 0, 128)));
        QCOMPARE(pView->verticalHeader()->defaultSectionSize(),
                 QFontMetrics(pView->font()).height() + 3);

        // New entries start as Teller and cleared; the new types are offered.
        QStringList types;
        bool bCleared = false;
        modal.Then([&](QWidget* pDlg) {
            types = ComboItems(Child<QComboBox>(pDlg, "type"));
            QCOMPARE(Child<QComboBox>(pDlg, "type")->currentText(), QStringLiteral("Teller"));
            bCleared = Child<QCheckBox>(pDlg, "cleared")->isChecked();
            Child<QComboBox>(pDlg, "desc")->setEditText(QStringLiteral("Pay"));
            Child<QComboBox>(pDlg, "type")->setCurrentIndex(6);
            Child<QPushButton>(pDlg, "ok")->click();
        });
        m_pFix->Doc().SetStartingBalance(m_pFix->Doc().StartBalance());
        pView->OnAddEntry();
        QCOMPARE(modal.Pending(), 0);
        QVERIFY(bCleared);
        QCOMPARE(types.mid(5), QStringList({"Transfer", "Payroll"}));
        // Dated today, 02/10, so ahead of the March entry.
        QCOMPARE(Cell(0, COL_DESC), QStringLiteral("Pay"));
        QCOMPARE(Cell(0, COL_TYPE), QStringLiteral("Y"));
        QCOMPARE(Cell(0, COL_CLEARED), QStringLiteral("Y"));

        // A double click now toggles the cleared flag.
        QCOMPARE(Cell(1, COL_CLEARED), QString());
        pView->selectRow(1);
        const QRect rc = pView->visualRect(pView->model()->index(1, COL_DESC));
        QTest::mouseDClick(pView->viewport(), Qt::LeftButton, {}, rc.center());
        QCOMPARE(Cell(1, COL_CLEARED), QStringLiteral("Y"));
    }

    void cancelChangesNothing() {
        CTallywiseView* pView = m_pFix->View();
        const QFont fontBefore = pView->font();
        const auto colorsBefore = ListColors(pView);
        const COptions before = OptionsFromApp(m_pFix->m_app);
        CModalHelper modal;
        ChangeEverything(modal, AnyInstalledFamily(), false);
        RunOptions(modal);
        const COptions after = OptionsFromApp(m_pFix->m_app);
        QCOMPARE(after.m_bBackup, before.m_bBackup);
        QCOMPARE(after.m_bTextBackup, before.m_bTextBackup);
        QCOMPARE(after.m_bLoadLast, before.m_bLoadLast);
        QCOMPARE(after.m_nDblClick, before.m_nDblClick);
        QCOMPARE(after.m_strFont, before.m_strFont);
        QCOMPARE(after.m_nFontSize, before.m_nFontSize);
        QCOMPARE(after.m_nTxColor, before.m_nTxColor);
        QCOMPARE(after.m_nBkColor, before.m_nBkColor);
        QCOMPARE(after.m_nAType, before.m_nAType);
        QCOMPARE(after.m_bACleared, before.m_bACleared);
        QVERIFY(after.m_userTypes == before.m_userTypes);
        QCOMPARE(pView->font(), fontBefore);
        QVERIFY(ListColors(pView) == colorsBefore);
        QVERIFY(!m_pFix->Doc().IsModified());
    }

    // A type used by an automatic entry only is in use: its row cannot be changed.
    void typeOfAnAutomaticEntryIsLocked() {
        CTallywiseDoc& doc = m_pFix->Doc();
        doc.UserTypes()[1] = {"Rent", "N", 1, 1};
        CAutoEntry automatic;
        automatic.m_nType = TYPE_USER1 + 1;
        doc.SetAutoEntries({automatic});
        CModalHelper modal;
        bool bLocked = false;
        bool bOthersFree = false;
        modal.Then([&](QWidget* pDlg) {
            bLocked = !Child<QCheckBox>(pDlg, "userType2")->isEnabled() &&
                      !Child<QLineEdit>(pDlg, "name2")->isEnabled() &&
                      !Child<QLineEdit>(pDlg, "abbr2")->isEnabled();
            bOthersFree = Child<QCheckBox>(pDlg, "userType1")->isEnabled() &&
                          Child<QCheckBox>(pDlg, "userType3")->isEnabled();
            ClickLater(pDlg, "ok");
        });
        RunOptions(modal);
        QVERIFY(bLocked);
        QVERIFY(bOthersFree);
        QCOMPARE(doc.UserTypes()[1].m_strName, std::string("Rent"));
    }

    // The stored face is missing here: the list is drawn with a narrow sans-serif face at
    // the stored size, and the widest balance fits the default columns unclipped.
    void defaultFontShowsTheWidestBalance() {
        CTallywiseView* pView = m_pFix->View();
        CTallywiseDoc& doc = m_pFix->Doc();
        doc.SetStartingBalance(-99999.99);
        for (int i = 0; i < 30; ++i)
            m_pFix->AddEntry(TYPE_ATM, 0, 1, 2 + i % 27, "Cash", 0.0, true);
        pView->OnInitialUpdate();
        m_pFix->m_pFrame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pFix->m_pFrame.get()));
        QCOMPARE(m_pFix->m_pFrame->size(), QSize(550, 250));
        QCOMPARE(m_pFix->m_app.m_strFont, std::string("MS Sans Serif"));
        QVERIFY(!QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif")));
        QCOMPARE(pView->font().pointSizeF(), 8.0);
        QCOMPARE(Cell(0, COL_BALANCE), QStringLiteral("(-99999.99)"));
        QTRY_VERIFY(pView->verticalScrollBar()->isVisible());
        const int nMargin =
            pView->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, pView) + 1;
        const int nRoom = pView->columnWidth(COL_BALANCE) - 1 - 2 * nMargin;
        const int nText = QFontMetrics(pView->font()).horizontalAdvance(Cell(0, COL_BALANCE));
        QVERIFY2(nText <= nRoom, qPrintable(QStringLiteral("%1 px in %2 px (%3)")
                                                .arg(nText)
                                                .arg(nRoom)
                                                .arg(QFontInfo(pView->font()).family())));
    }
};

TW_GUI_TEST(COptionsDialogTests);
TW_GUI_TEST(COptionsCommandTests);
#include "OptionsTests.moc"
