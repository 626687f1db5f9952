#include "CDlgPassword.h"
#include "../app/CHelpSystem.h"
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
    : QDialog(pParent), m_pPassword(MakePasswordField(this, "password")),
      m_pAgain(MakePasswordField(this, "again")) {
    setWindowTitle(QStringLiteral("Set Password"));
    m_pOk = new QPushButton(QStringLiteral("OK"), this);
    m_pOk->setObjectName(QStringLiteral("ok"));
    m_pOk->setDefault(true);
    m_pCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_pCancel->setObjectName(QStringLiteral("cancel"));
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* pFields = new QGridLayout;
    pFields->addWidget(new QLabel(QStringLiteral("Enter password:"), this), 0, 0, Qt::AlignRight);
    pFields->addWidget(m_pPassword, 0, 1);
    pFields->addWidget(new QLabel(QStringLiteral("Re-enter password:"), this), 1, 0,
                       Qt::AlignRight);
    pFields->addWidget(m_pAgain, 1, 1);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(m_pOk);
    pButtons->addWidget(m_pCancel);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(new QLabel(QStringLiteral("If you would like password protection"), this));
    pLayout->addWidget(new QLabel(QStringLiteral("on this file, enter a password here."), this));
    pLayout->addSpacing(8);
    pLayout->addLayout(pFields);
    pLayout->addSpacing(8);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    InstallDialogHelp(this, QStringLiteral("::/DlgPassword.txt"),
                      {{m_pPassword, 2200}, {m_pAgain, 2201}, {m_pOk, 2202}, {m_pCancel, 2203}});
}

void CDlgPassword::setVisible(bool bVisible) {
    if (bVisible && !isVisible())
        OnInitDialog();
    QDialog::setVisible(bVisible);
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

void CDlgPassword::accept() {
    if (OnOK())
        QDialog::accept();
}
