#include "CDlgEnterPassword.h"
#include "../app/CHelpSystem.h"
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDlgEnterPassword::CDlgEnterPassword(QWidget* pParent)
    : QDialog(pParent), m_pPrompt(new QLabel(QStringLiteral("Password for __:"), this)),
      m_pPassword(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Enter Password"));
    m_pPrompt->setObjectName(QStringLiteral("prompt"));
    m_pPassword->setObjectName(QStringLiteral("password"));
    m_pPassword->setEchoMode(QLineEdit::Password);
    m_pPassword->setMaxLength(12);
    m_pPrompt->setTextFormat(Qt::PlainText); // file names may hold '&' or '<'

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pPrompt);
    pLayout->addWidget(m_pPassword);
    pLayout->addWidget(pButtons);
    setMinimumWidth(260);

    InstallDialogHelp(this, QStringLiteral("::/DlgPassword.txt"),
                      {{m_pPassword, 2000},
                       {pButtons->button(QDialogButtonBox::Ok), 2001},
                       {pButtons->button(QDialogButtonBox::Cancel), 2002}});
}

int CDlgEnterPassword::exec() {
    m_pPrompt->setText(
        QStringLiteral("Password for %1:").arg(QString::fromStdString(m_strFileName)));
    m_pPassword->clear();
    m_pPassword->setFocus();
    return QDialog::exec();
}

void CDlgEnterPassword::accept() {
    m_strPassword = m_pPassword->text().toStdString();
    QDialog::accept();
}
