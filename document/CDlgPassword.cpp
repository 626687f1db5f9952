#include "CDlgPassword.h"
#include "../framework/CDataExchange.h"
#include "../framework/FieldLimits.h"
#include "Protection.h"
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

CDlgPassword::CDlgPassword(QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Set Password")),
      m_pPassword(MakePasswordField(this, "password")), m_pAgain(MakePasswordField(this, "again")) {
    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);

    auto* pFields = new QGridLayout;
    pFields->addWidget(new QLabel(QStringLiteral("Enter password:"), this), 0, 0, Qt::AlignRight);
    pFields->addWidget(m_pPassword, 0, 1);
    pFields->addWidget(new QLabel(QStringLiteral("Re-enter password:"), this), 1, 0,
                       Qt::AlignRight);
    pFields->addWidget(m_pAgain, 1, 1);
    QHBoxLayout* pButtons = MakeButtonRow({m_pOk, m_pCancel});

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(new QLabel(QStringLiteral("If you would like password protection"), this));
    pLayout->addWidget(new QLabel(QStringLiteral("on this file, enter a password here."), this));
    pLayout->addSpacing(8);
    pLayout->addLayout(pFields);
    pLayout->addSpacing(8);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

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
