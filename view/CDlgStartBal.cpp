#include "CDlgStartBal.h"
#include "../app/CHelpSystem.h"
#include "../framework/CDataExchange.h"
#include "../framework/FieldLimits.h"
#include "../framework/Format.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDlgStartBal::CDlgStartBal(QWidget* pParent) : QDialog(pParent) {
    setWindowTitle(QStringLiteral("Starting Balance"));
    auto* pNote1 = new QLabel(QStringLiteral("Note: Changing the starting balance"), this);
    auto* pNote2 = new QLabel(QStringLiteral("will update all balances in this checkbook."), this);
    m_pStartBal = new QLineEdit(this);
    m_pStartBal->setObjectName(QStringLiteral("startBal"));
    m_pStartBal->setAlignment(Qt::AlignRight);
    m_pStartBal->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("-99999.99")) * 3 /
                               2);

    m_pOk = new QPushButton(QStringLiteral("OK"), this);
    m_pOk->setObjectName(QStringLiteral("ok"));
    m_pOk->setDefault(true);
    m_pCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_pCancel->setObjectName(QStringLiteral("cancel"));
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* pField = new QHBoxLayout;
    pField->addStretch();
    pField->addWidget(new QLabel(QStringLiteral("Starting Balance:"), this));
    pField->addWidget(m_pStartBal);
    pField->addStretch();
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(m_pOk);
    pButtons->addWidget(m_pCancel);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pNote1, 0, Qt::AlignHCenter);
    pLayout->addWidget(pNote2, 0, Qt::AlignHCenter);
    pLayout->addSpacing(10);
    pLayout->addLayout(pField);
    pLayout->addSpacing(10);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    InstallDialogHelp(this, QStringLiteral("::/DlgStartBal.txt"),
                      {{m_pStartBal, 2600}, {m_pOk, 2601}, {m_pCancel, 2602}});
}

void CDlgStartBal::setVisible(bool bVisible) {
    if (bVisible && !isVisible())
        OnInitDialog();
    QDialog::setVisible(bVisible);
}

void CDlgStartBal::OnInitDialog() {
    m_pStartBal->setText(QString::fromStdString(Format("%.2f", m_dStartBal)));
    m_pStartBal->selectAll();
    m_pStartBal->setFocus(Qt::OtherFocusReason);
}

void CDlgStartBal::accept() {
    double dValue = 0.0;
    if (!ReadNumber(m_pStartBal, MIN_AMOUNT, MAX_AMOUNT, dValue))
        return;
    m_dStartBal = dValue;
    QDialog::accept();
}
