#include "CDlgBankInfo.h"
#include "core/document/CTallywiseDoc.h"
#include "core/document/Protection.h"
#include "core/framework/FieldLimits.h"
#include "gui/framework/CCommandContext.h"
#include "gui/framework/CDataExchange.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QLineEdit* MakeBankField(QWidget* pParent, const char* pszName) {
    auto* pEdit = new QLineEdit(pParent);
    pEdit->setObjectName(QString::fromLatin1(pszName));
    SetupTextField(pEdit, MAX_BANK_CHARS);
    pEdit->setMinimumWidth(pEdit->fontMetrics().averageCharWidth() * 36);
    return pEdit;
}

// A line read from a file may be longer than the field takes; it is shown whole, and OK
// asks for it to be shortened rather than cutting it.
void ShowBankLine(QLineEdit* pEdit, const std::string& strText) {
    const QString str = QString::fromStdString(strText);
    pEdit->setMaxLength(std::max(MAX_BANK_CHARS, int(str.size())));
    pEdit->setText(str);
    pEdit->setCursorPosition(0);
}
} // namespace

CDlgBankInfo::CDlgBankInfo(QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Bank Info")), m_pBankName(MakeBankField(this, "bankName")),
      m_pAccountNum(MakeBankField(this, "accountNum")),
      m_pAccountName(MakeBankField(this, "accountName")) {
    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);

    auto* pFields = new QGridLayout;
    const QString labels[] = {QStringLiteral("Bank Name:"), QStringLiteral("Bank Account Number:"),
                              QStringLiteral("Name on Account:")};
    QLineEdit* const fields[] = {m_pBankName, m_pAccountNum, m_pAccountName};
    for (int i = 0; i < 3; ++i) {
        pFields->addWidget(MakeFieldLabel(labels[i], fields[i], this), i, 0, Qt::AlignRight);
        pFields->addWidget(fields[i], i, 1);
    }
    QHBoxLayout* pButtons = MakeButtonRow({m_pOk, m_pCancel});

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pFields);
    pLayout->addSpacing(8);
    pLayout->addWidget(new QLabel(QStringLiteral("This information is for printing"), this), 0,
                       Qt::AlignHCenter);
    pLayout->addWidget(new QLabel(QStringLiteral("purposes only."), this), 0, Qt::AlignHCenter);
    pLayout->addSpacing(8);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    SetHelp(QStringLiteral("::/DlgBankInfo.txt"), {{m_pBankName, 1400},
                                                   {m_pAccountNum, 1401},
                                                   {m_pAccountName, 1402},
                                                   {m_pOk, 1403},
                                                   {m_pCancel, 1404}});
}

void CDlgBankInfo::OnInitDialog() {
    ShowBankLine(m_pBankName, m_strBankName);
    ShowBankLine(m_pAccountNum, m_strAccountNum);
    ShowBankLine(m_pAccountName, m_strAccountName);
    m_pBankName->setFocus(Qt::OtherFocusReason);
    m_pBankName->selectAll();
}

bool CDlgBankInfo::OnOK() {
    for (QLineEdit* pEdit : {m_pBankName, m_pAccountNum, m_pAccountName})
        if (!CheckTextLength(pEdit, MAX_BANK_CHARS))
            return false;
    m_strBankName = m_pBankName->text().toStdString();
    m_strAccountNum = m_pAccountNum->text().toStdString();
    m_strAccountName = m_pAccountName->text().toStdString();
    return true;
}

void OnBankInfo(CCommandContext& context) {
    CTallywiseDoc& doc = context.m_doc;
    CDlgBankInfo dlg(context.m_pParent);
    const CBankInfo& bank = doc.BankInfo();
    dlg.m_strBankName = bank.m_strBankName;
    dlg.m_strAccountNum = bank.m_strAccountNum;
    dlg.m_strAccountName = bank.m_strAccountName;
    if (dlg.exec() == QDialog::Accepted)
        SetBankInfo(doc, dlg.m_strBankName, dlg.m_strAccountNum, dlg.m_strAccountName);
}
