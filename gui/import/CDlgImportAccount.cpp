#include "CDlgImportAccount.h"
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

CDlgImportAccount::CDlgImportAccount(QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Choose Account")) {
    m_pPrompt = new QLabel(this);
    m_pPrompt->setWordWrap(true);
    m_pPrompt->setTextFormat(Qt::PlainText);
    m_pAccounts = new QListWidget(this);
    m_pAccounts->setObjectName(QStringLiteral("accounts"));
    m_pAccounts->setAccessibleName(QStringLiteral("Accounts"));
    m_pPrompt->setBuddy(m_pAccounts);
    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pPrompt);
    pLayout->addWidget(m_pAccounts, 1);
    pLayout->addLayout(MakeButtonRow({m_pOk, m_pCancel}));
    connect(m_pAccounts, &QListWidget::itemDoubleClicked, this, &CDlgImportAccount::accept);
    SetHelp(QStringLiteral("::/DlgImportAccount.txt"),
            {{m_pAccounts, 3300}, {m_pOk, 3301}, {m_pCancel, 3302}});
    resize(520, 260);
}

void CDlgImportAccount::OnInitDialog() {
    m_pPrompt->setText(QStringLiteral("%1 holds the transactions of several accounts. Import "
                                      "those of this &account:")
                           .arg(QString::fromStdString(m_strFileName)
                                    .replace(QLatin1Char('&'), QStringLiteral("&&"))));
    m_pAccounts->clear();
    for (const std::string& s : m_labels)
        m_pAccounts->addItem(QString::fromStdString(s));
    m_pAccounts->setCurrentRow(std::max(0, std::min(m_nChosen, m_pAccounts->count() - 1)));
    m_pAccounts->setFocus(Qt::OtherFocusReason);
}

bool CDlgImportAccount::OnOK() {
    m_nChosen = m_pAccounts->currentRow();
    return m_nChosen >= 0;
}
