#include "CDlgStartBal.h"
#include "core/framework/FieldLimits.h"
#include "core/framework/Format.h"
#include "gui/framework/CDataExchange.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDlgStartBal::CDlgStartBal(QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Starting Balance")) {
    auto* pNote1 = new QLabel(QStringLiteral("Note: Changing the starting balance"), this);
    auto* pNote2 = new QLabel(QStringLiteral("will update all balances in this checkbook."), this);
    m_pStartBal = new QLineEdit(this);
    m_pStartBal->setObjectName(QStringLiteral("startBal"));
    m_pStartBal->setAlignment(Qt::AlignRight);
    m_pStartBal->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("-99999.99")) * 3 /
                               2);

    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);

    auto* pField = new QHBoxLayout;
    pField->addStretch();
    pField->addWidget(MakeFieldLabel(QStringLiteral("Starting Balance:"), m_pStartBal, this));
    pField->addWidget(m_pStartBal);
    pField->addStretch();
    QHBoxLayout* pButtons = MakeButtonRow({m_pOk, m_pCancel});

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pNote1, 0, Qt::AlignHCenter);
    pLayout->addWidget(pNote2, 0, Qt::AlignHCenter);
    pLayout->addSpacing(10);
    pLayout->addLayout(pField);
    pLayout->addSpacing(10);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    SetHelp(QStringLiteral("::/DlgStartBal.txt"),
            {{m_pStartBal, 2600}, {m_pOk, 2601}, {m_pCancel, 2602}});
}

void CDlgStartBal::OnInitDialog() {
    m_pStartBal->setText(QString::fromStdString(Format("%.2f", m_dStartBal)));
    m_pStartBal->selectAll();
    m_pStartBal->setFocus(Qt::OtherFocusReason);
}

bool CDlgStartBal::OnOK() {
    double dValue = 0.0;
    if (!ReadAmount(m_pStartBal, MIN_AMOUNT, MAX_AMOUNT, dValue))
        return false;
    m_dStartBal = dValue;
    return true;
}
