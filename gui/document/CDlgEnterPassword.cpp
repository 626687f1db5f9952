#include "CDlgEnterPassword.h"
#include "CDlgPassword.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDlgEnterPassword::CDlgEnterPassword(QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Enter Password")),
      m_pPrompt(new QLabel(QStringLiteral("Password for __:"), this)),
      m_pPassword(MakePasswordField(this, "password")) {
    m_pPrompt->setObjectName(QStringLiteral("prompt"));
    m_pPrompt->setTextFormat(Qt::PlainText); // file names may hold '&' or '<'
    QPushButton* pOk = MakeButton(EDlgButton::Ok);
    QPushButton* pCancel = MakeButton(EDlgButton::Cancel);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pPrompt);
    pLayout->addWidget(m_pPassword);
    pLayout->addSpacing(8);
    pLayout->addLayout(MakeButtonRow({pOk, pCancel}));
    setMinimumWidth(260);

    SetHelp(QStringLiteral("::/DlgPassword.txt"),
            {{m_pPassword, 2000}, {pOk, 2001}, {pCancel, 2002}});
}

void CDlgEnterPassword::OnInitDialog() {
    m_pPrompt->setText(
        QStringLiteral("Password for %1:").arg(QString::fromStdString(m_strFileName)));
    m_pPassword->clear();
    m_pPassword->setFocus(Qt::OtherFocusReason);
}

bool CDlgEnterPassword::OnOK() {
    m_strPassword = m_pPassword->text().toStdString();
    return true;
}
