#include "CDlgChangePassword.h"
#include "CDlgPassword.h"
#include "core/document/Protection.h"
#include "gui/framework/CDataExchange.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDlgChangePassword::CDlgChangePassword(QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Set Password")),
      m_pOld(MakePasswordField(this, "oldPassword")),
      m_pNew(MakePasswordField(this, "newPassword")), m_pAgain(MakePasswordField(this, "again")) {
    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);

    LayOutPasswordDialog(this, QStringLiteral("If you would like to remove password"),
                         QStringLiteral("protection, leave the new fields blank."),
                         {{QStringLiteral("Enter old password:"), m_pOld},
                          {QStringLiteral("Enter new password:"), m_pNew},
                          {QStringLiteral("Re-enter new password:"), m_pAgain}},
                         MakeButtonRow({m_pOk, m_pCancel}));

    SetHelp(QStringLiteral("::/DlgPassword.txt"),
            {{m_pOld, 2100}, {m_pNew, 2101}, {m_pAgain, 2102}, {m_pOk, 2103}, {m_pCancel, 2104}});
}

void CDlgChangePassword::OnInitDialog() {
    ClearFields();
}

void CDlgChangePassword::ClearFields() {
    m_pOld->clear();
    m_pNew->clear();
    m_pAgain->clear();
    m_pOld->setFocus(Qt::OtherFocusReason);
}

bool CDlgChangePassword::OnOK() {
    const std::string strNew = m_pNew->text().toStdString();
    const std::string strMessage = CheckChangedPassword(m_strCurrent, m_pOld->text().toStdString(),
                                                        strNew, m_pAgain->text().toStdString());
    if (!strMessage.empty()) {
        ShowAppMessage(this, QString::fromStdString(strMessage), QMessageBox::Warning);
        ClearFields();
        return false;
    }
    m_strNewPassword = strNew;
    return true;
}
