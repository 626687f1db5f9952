#include "CDlgPassword.h"
#include "CDlgChangePassword.h"
#include "core/document/CTallywiseDoc.h"
#include "core/document/Protection.h"
#include "core/framework/FieldLimits.h"
#include "gui/framework/CCommandContext.h"
#include "gui/framework/CDataExchange.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QLineEdit* MakePasswordField(QWidget* pParent, const char* pszName) {
    auto* pEdit = new QLineEdit(pParent);
    pEdit->setObjectName(QString::fromLatin1(pszName));
    // Only characters the file can hold, or the password read back would differ.
    SetupTextField(pEdit, MAX_PASSWORD_CHARS);
    pEdit->setEchoMode(QLineEdit::Password);
    pEdit->setMinimumWidth(pEdit->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 12);
    return pEdit;
}

void LayOutPasswordDialog(QWidget* pDlg, const QString& strLine1, const QString& strLine2,
                          const std::vector<std::pair<QString, QLineEdit*>>& fields,
                          QHBoxLayout* pButtons) {
    auto* pFields = new QGridLayout;
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        const auto& [strLabel, pEdit] = fields[static_cast<std::size_t>(i)];
        pFields->addWidget(MakeFieldLabel(strLabel, pEdit, pDlg), i, 0, Qt::AlignRight);
        pFields->addWidget(pEdit, i, 1);
    }
    auto* pLayout = new QVBoxLayout(pDlg);
    pLayout->addWidget(new QLabel(strLine1, pDlg));
    pLayout->addWidget(new QLabel(strLine2, pDlg));
    pLayout->addSpacing(8);
    pLayout->addLayout(pFields);
    pLayout->addSpacing(8);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
}

CDlgPassword::CDlgPassword(QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Set Password")),
      m_pPassword(MakePasswordField(this, "password")), m_pAgain(MakePasswordField(this, "again")) {
    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);

    LayOutPasswordDialog(this, QStringLiteral("If you would like password protection"),
                         QStringLiteral("on this file, enter a password here."),
                         {{QStringLiteral("Enter password:"), m_pPassword},
                          {QStringLiteral("Re-enter password:"), m_pAgain}},
                         MakeButtonRow({m_pOk, m_pCancel}));

    SetHelp(QStringLiteral("::/DlgPassword.txt"),
            {{m_pPassword, 2200}, {m_pAgain, 2201}, {m_pOk, 2202}, {m_pCancel, 2203}});
}

void CDlgPassword::OnInitDialog() {
    m_pPassword->clear();
    m_pAgain->clear();
    m_pPassword->setFocus(Qt::OtherFocusReason);
}

bool CDlgPassword::OnOK() {
    const std::string strPassword = m_pPassword->text().toStdString();
    const std::string strMessage = CheckNewPassword(strPassword, m_pAgain->text().toStdString());
    if (!strMessage.empty()) {
        ShowAppMessage(this, QString::fromStdString(strMessage), QMessageBox::Warning);
        m_pPassword->clear();
        m_pAgain->clear();
        m_pPassword->setFocus(Qt::OtherFocusReason);
        return false;
    }
    m_strPassword = strPassword;
    return true;
}

void OnSetPassword(CCommandContext& context) {
    CTallywiseDoc& doc = context.m_doc;
    if (!doc.IsPasswordSet()) {
        CDlgPassword dlg(context.m_pParent);
        if (dlg.exec() == QDialog::Accepted)
            SetPassword(doc, dlg.m_strPassword);
        return;
    }
    CDlgChangePassword dlg(context.m_pParent);
    dlg.m_strCurrent = doc.Password();
    if (dlg.exec() == QDialog::Accepted)
        ChangePassword(doc, dlg.m_strNewPassword);
}
