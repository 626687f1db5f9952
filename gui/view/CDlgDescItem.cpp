#include "CDlgDescItem.h"
#include "core/framework/FieldLimits.h"
#include "gui/framework/CDataExchange.h"
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDlgDescItem::CDlgDescItem(QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Description Item")) {
    m_pText = new QLineEdit(this);
    m_pText->setObjectName(QStringLiteral("text"));
    m_pText->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    SetupTextField(m_pText, MAX_DESC_CHARS);

    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);
    QHBoxLayout* pButtons = MakeButtonRow({m_pOk, m_pCancel});
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pText);
    pLayout->addSpacing(4);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    SetHelp(QStringLiteral("::/DlgDescList.txt"),
            {{m_pText, 1700}, {m_pOk, 1701}, {m_pCancel, 1702}});
}

void CDlgDescItem::OnInitDialog() {
    m_pText->setText(QString::fromStdString(m_strText));
    m_pText->selectAll();
    m_pText->setFocus(Qt::OtherFocusReason);
}

bool CDlgDescItem::OnOK() {
    if (!CheckTextLength(m_pText, MAX_DESC_CHARS))
        return false;
    m_strText = m_pText->text().toStdString();
    return true;
}
