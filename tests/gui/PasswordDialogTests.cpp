#include "DialogTestUtil.h"
#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "core/document/Protection.h"
#include "gui/document/CDlgBankInfo.h"
#include "gui/document/CDlgChangePassword.h"
#include "gui/document/CDlgPassword.h"
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {
// Expects a message box with the warning icon and records its text.
CModalHelper::Handler WarningBox(QString* pText) {
    return [pText](QWidget* w) {
        auto* pBox = qobject_cast<QMessageBox*>(w);
        QVERIFY(pBox);
        *pText = pBox->text();
        QCOMPARE(pBox->icon(), QMessageBox::Warning);
        QCOMPARE(pBox->windowTitle(), QStringLiteral("Tallywise v3.5"));
        pBox->button(QMessageBox::Ok)->click();
    };
}

// Types into the named fields of the active dialog and presses a button.
CModalHelper::Handler Fill(std::vector<std::pair<const char*, QString>> fields,
                           const char* pszButton = "ok") {
    return [=](QWidget* pDlg) {
        for (const auto& [pszName, strText] : fields)
            Child<QLineEdit>(pDlg, pszName)->setText(strText);
        Child<QPushButton>(pDlg, pszButton)->click();
    };
}
} // namespace

class CPasswordDialogTests : public QObject {
    Q_OBJECT
    std::unique_ptr<CFrameFixture> m_pFix;

private Q_SLOTS:
    void cleanup() { m_pFix.reset(); }

    void passwordFieldsAreMaskedAndTakeTwelveCharacters() {
        CDlgPassword set;
        CDlgChangePassword change;
        const std::vector<std::pair<QWidget*, const char*>> fields = {{&set, "password"},
                                                                      {&set, "again"},
                                                                      {&change, "oldPassword"},
                                                                      {&change, "newPassword"},
                                                                      {&change, "again"}};
        for (const auto& [pDlg, pszName] : fields) {
            auto* pEdit = Child<QLineEdit>(pDlg, pszName);
            QVERIFY(pEdit);
            QCOMPARE(pEdit->echoMode(), QLineEdit::Password);
            QTest::keyClicks(pEdit, QStringLiteral("abcdefghijklm"));
            QCOMPARE(pEdit->text(), QStringLiteral("abcdefghijkl"));
        }
        QCOMPARE(set.windowTitle(), QStringLiteral("Set Password"));
        QCOMPARE(change.windowTitle(), QStringLiteral("Set Password"));
    }

    void setPasswordChecksThatBothAreTheSame_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("again");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("same") << "Secret"
                              << "Secret" << true;
        QTest::newRow("both empty") << ""
                                    << "" << true;
        QTest::newRow("case differs") << "Secret"
                                      << "secret" << false;
        QTest::newRow("second empty") << "Secret"
                                      << "" << false;
    }
    void setPasswordChecksThatBothAreTheSame() {
        QFETCH(QString, password);
        QFETCH(QString, again);
        QFETCH(bool, accepted);
        CDlgPassword dlg;
        QVERIFY(ShowActive(dlg));
        Child<QLineEdit>(&dlg, "password")->setText(password);
        Child<QLineEdit>(&dlg, "again")->setText(again);
        CModalHelper modal;
        QString strSeen;
        if (!accepted)
            modal.Then(WarningBox(&strSeen));
        dlg.accept();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(dlg.isVisible(), !accepted);
        if (accepted) {
            QCOMPARE(QString::fromStdString(dlg.m_strPassword), password);
            return;
        }
        QCOMPARE(strSeen, QStringLiteral("Passwords are not the same."));
        QVERIFY(Child<QLineEdit>(&dlg, "password")->text().isEmpty());
        QVERIFY(Child<QLineEdit>(&dlg, "again")->text().isEmpty());
        QCOMPARE(dlg.focusWidget(), Child<QLineEdit>(&dlg, "password"));
    }

    void changePasswordChecksOldThenNew_data() {
        QTest::addColumn<QString>("oldPw");
        QTest::addColumn<QString>("newPw");
        QTest::addColumn<QString>("again");
        QTest::addColumn<QString>("message");
        QTest::newRow("change") << "Old"
                                << "New"
                                << "New"
                                << "";
        QTest::newRow("remove") << "Old"
                                << ""
                                << ""
                                << "";
        QTest::newRow("old wrong case") << "old"
                                        << "New"
                                        << "New" << OLD_PASSWORD_WRONG;
        QTest::newRow("both wrong") << ""
                                    << "New"
                                    << "Other" << OLD_PASSWORD_WRONG;
        QTest::newRow("new differ") << "Old"
                                    << "New"
                                    << "NEW" << NEW_PASSWORDS_NOT_SAME;
    }
    void changePasswordChecksOldThenNew() {
        QFETCH(QString, oldPw);
        QFETCH(QString, newPw);
        QFETCH(QString, again);
        QFETCH(QString, message);
        CDlgChangePassword dlg;
        dlg.m_strCurrent = "Old";
        QVERIFY(ShowActive(dlg));
        Child<QLineEdit>(&dlg, "oldPassword")->setText(oldPw);
        Child<QLineEdit>(&dlg, "newPassword")->setText(newPw);
        Child<QLineEdit>(&dlg, "again")->setText(again);
        CModalHelper modal;
        QString strSeen;
        if (!message.isEmpty())
            modal.Then(WarningBox(&strSeen));
        dlg.accept();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strSeen, message);
        if (message.isEmpty()) {
            QVERIFY(!dlg.isVisible());
            QCOMPARE(QString::fromStdString(dlg.m_strNewPassword), newPw);
            return;
        }
        QVERIFY(dlg.isVisible());
        for (const char* pszName : {"oldPassword", "newPassword", "again"})
            QVERIFY(Child<QLineEdit>(&dlg, pszName)->text().isEmpty());
        QCOMPARE(dlg.focusWidget(), Child<QLineEdit>(&dlg, "oldPassword"));
    }

    void bankInfoShowsAndReturnsTheThreeLines() {
        CDlgBankInfo dlg;
        dlg.m_strBankName = "First Bank";
        dlg.m_strAccountNum = "12-34";
        dlg.m_strAccountName = "J. Doe";
        QVERIFY(ShowActive(dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Bank Info"));
        QCOMPARE(Child<QLineEdit>(&dlg, "bankName")->text(), QStringLiteral("First Bank"));
        QCOMPARE(Child<QLineEdit>(&dlg, "accountNum")->text(), QStringLiteral("12-34"));
        auto* pName = Child<QLineEdit>(&dlg, "accountName");
        QCOMPARE(pName->text(), QStringLiteral("J. Doe"));
        pName->setText(QString(300, QLatin1Char('x'))); // typing stops at the limit
        QCOMPARE(pName->text().size(), 255);
        Child<QLineEdit>(&dlg, "accountNum")->setText(QStringLiteral("Konto \u00e9"));
        dlg.accept();
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.m_strAccountNum, std::string("Konto \xC3\xA9"));
        QCOMPARE(dlg.m_strAccountName, std::string(255, 'x'));
    }

    // A longer line from a file is shown whole; OK asks for it to be shortened.
    void bankInfoNeverCutsALongLineSilently() {
        CDlgBankInfo dlg;
        dlg.m_strBankName = std::string(300, 'b');
        QVERIFY(ShowActive(dlg));
        auto* pBank = Child<QLineEdit>(&dlg, "bankName");
        QCOMPARE(pBank->text().size(), 300);
        CModalHelper modal;
        QString strSeen;
        modal.Then(WarningBox(&strSeen));
        dlg.accept();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strSeen, QStringLiteral("Please enter no more than 255 characters."));
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.m_strBankName, std::string(300, 'b'));
    }

    void setPasswordCommandAndTheModifiedFlag() {
        m_pFix = std::make_unique<CFrameFixture>();
        CTallywiseDoc& doc = m_pFix->Doc();
        CModalHelper modal;
        modal.Then(Fill({}, "cancel"));
        OnSetPassword(m_pFix->Context());
        modal.Then(Fill({{"password", ""}, {"again", ""}}));
        OnSetPassword(m_pFix->Context());
        QCOMPARE(modal.Pending(), 0);
        QVERIFY(!doc.IsModified());
        QCOMPARE(doc.IsPasswordSet(), 0u);

        modal.Then(Fill({{"password", "Abc"}, {"again", "Abc"}}));
        OnSetPassword(m_pFix->Context());
        QVERIFY(doc.IsModified());
        QCOMPARE(doc.Password(), std::string("Abc"));
        m_pFix->StartClean();
        modal.Then(Fill({{"oldPassword", "Abc"}}, "cancel"));
        OnSetPassword(m_pFix->Context());
        QVERIFY(!doc.IsModified());
        modal.Then(Fill({{"oldPassword", "Abc"}, {"newPassword", ""}, {"again", ""}}));
        OnSetPassword(m_pFix->Context());
        QCOMPARE(modal.Pending(), 0);
        QVERIFY(doc.IsModified());
        QCOMPARE(doc.IsPasswordSet(), 0u);
        QCOMPARE(m_pFix->m_messages.Texts(),
                 (std::vector<std::string>{NO_PASSWORD_SET, PASSWORD_SET, PASSWORD_REMOVED}));
    }

    void bankInfoCommandMarksModifiedOnOkOnly() {
        m_pFix = std::make_unique<CFrameFixture>();
        CTallywiseDoc& doc = m_pFix->Doc();
        doc.SetBankInfo({"First Bank", "", ""});
        m_pFix->StartClean();
        CModalHelper modal;
        modal.Then(Fill({{"bankName", "Other"}}, "cancel"));
        OnBankInfo(m_pFix->Context());
        QVERIFY(!doc.IsModified());
        QCOMPARE(doc.BankInfo().m_strBankName, std::string("First Bank"));
        modal.Then(Fill({}));
        OnBankInfo(m_pFix->Context());
        QCOMPARE(modal.Pending(), 0);
        QVERIFY(doc.IsModified());
        QCOMPARE(doc.BankInfo().m_strBankName, std::string("First Bank"));
    }
};

TW_GUI_TEST(CPasswordDialogTests);
#include "PasswordDialogTests.moc"
