#include "CDlgStartBal.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/FieldLimits.h"
#include "core/framework/Format.h"
#include "core/framework/IUserMessages.h"
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

namespace {
const char* const START_BAL_QUESTION =
    "You have not yet set the starting\nbalance for this checkbook.  Would \nyou like to do "
    "it now?";
const char* const START_BAL_REQUIRED = "You must set the starting balance \nbefore you can add "
                                       "entries.";
} // namespace

bool EnsureStartingBalance(CTallywiseDoc& doc, QWidget* pParent) {
    if (doc.IsStartBalSet())
        return true;
    IUserMessages& messages = doc.Messages();
    if (!messages.AskYesNo(START_BAL_QUESTION)) {
        messages.ShowMessage(START_BAL_REQUIRED, EMsgIcon::Information);
        return false;
    }
    CDlgStartBal dlg(pParent);
    dlg.m_dStartBal = 0.0;
    if (dlg.exec() != QDialog::Accepted) {
        messages.ShowMessage(START_BAL_REQUIRED, EMsgIcon::Information);
        return false;
    }
    doc.SetStartingBalance(dlg.m_dStartBal);
    return true;
}
