#include "CDlgDescItem.h"
#include "../app/CHelpSystem.h"
#include "../framework/CDataExchange.h"
#include "../framework/FieldLimits.h"
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {}

CDlgDescItem::CDlgDescItem(QWidget* pParent) : QDialog(pParent) {
    setWindowTitle(QStringLiteral("Description Item"));
    m_pText = new QLineEdit(this);
    m_pText->setObjectName(QStringLiteral("text"));
    m_pText->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    SetupTextField(m_pText, MAX_DESC_CHARS);

    m_pOk = new QPushButton(QStringLiteral("OK"), this);
    m_pOk->setObjectName(QStringLiteral("ok"));
    m_pOk->setDefault(true);
    m_pCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_pCancel->setObjectName(QStringLiteral("cancel"));
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(m_pOk);
    pButtons->addWidget(m_pCancel);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pText);
    pLayout->addSpacing(4);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    InstallDialogHelp(this, QStringLiteral("::/DlgDescList.txt"),
                      {{m_pText, 1700}, {m_pOk, 1701}, {m_pCancel, 1702}});
}

void CDlgDescItem::setVisible(bool bVisible) {
    if (bVisible && !isVisible())
        OnInitDialog();
    QDialog::setVisible(bVisible);
}

void CDlgDescItem::OnInitDialog() {
    m_pText->setText(QString::fromStdString(m_strText));
    m_pText->selectAll();
    m_pText->setFocus(Qt::OtherFocusReason);
}

void CDlgDescItem::accept() {
    if (!CheckTextLength(m_pText, MAX_DESC_CHARS))
        return;
    m_strText = m_pText->text().toStdString();
    QDialog::accept();
}
