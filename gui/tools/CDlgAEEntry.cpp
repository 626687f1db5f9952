#include "CDlgAEEntry.h"
#include "core/framework/DateTime.h"
#include "core/framework/FieldLimits.h"
#include "core/framework/Format.h"
#include "core/tools/AutoEntries.h"
#include "gui/controls/CDateFieldPopup.h"
#include "gui/framework/CDataExchange.h"
#include "gui/view/DescBox.h"
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr long long MAX_PERIOD_DAY = 31;

const CUserTypeTable& NoUserTypes() {
    static const CUserTypeTable s_none{};
    return s_none;
}

QLineEdit* MakeNumberField(const char* pszName, int nWidth, QWidget* pParent) {
    auto* pEdit = new QLineEdit(pParent);
    pEdit->setObjectName(QString::fromLatin1(pszName));
    pEdit->setAlignment(Qt::AlignRight);
    pEdit->setFixedWidth(nWidth);
    return pEdit;
}

QRadioButton* MakeRadio(const char* pszText, const char* pszName, QWidget* pParent) {
    auto* pRadio = new QRadioButton(QString::fromLatin1(pszText), pParent);
    pRadio->setObjectName(QString::fromLatin1(pszName));
    return pRadio;
}

QLabel* MakeLabel(const char* pszText, QWidget* pBuddy, QWidget* pParent) {
    auto* pLabel = new QLabel(QString::fromLatin1(pszText), pParent);
    pLabel->setBuddy(pBuddy);
    return pLabel;
}

} // namespace

CDlgAEEntry::CDlgAEEntry(const CUserTypeTable* pUserTypes, QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Automatic Entry")), m_pUserTypes(pUserTypes) {
    CreateControls();
    LayOutControls();
    SetHelp(QStringLiteral("::/DlgAEEntry.txt"), {{m_pMonthly, 2800},
                                                  {m_pEveryDays, 2801},
                                                  {m_pDayOfMonth, 2802},
                                                  {m_pNumDays, 2803},
                                                  {m_pStarting, 2804},
                                                  {m_pAmount, 2805},
                                                  {m_pDebit, 2806},
                                                  {m_pCredit, 2807},
                                                  {m_pType, 2808},
                                                  {m_pDesc, 2809},
                                                  {m_pDescList, 2810},
                                                  {m_pOk, 2811},
                                                  {m_pCancel, 2812}});
}

void CDlgAEEntry::CreateControls() {
    const QFontMetrics fm = fontMetrics();
    const int nNumberWidth = fm.horizontalAdvance(QStringLiteral("-99999.99")) * 3 / 2;
    const int nDayWidth = fm.horizontalAdvance(QStringLiteral("000")) * 2;

    m_pMonthly = MakeRadio("Monthly", "monthly", this);
    m_pEveryDays = MakeRadio("Every # of Days", "everyDays", this);
    m_pPeriod = new QButtonGroup(this);
    m_pPeriod->addButton(m_pMonthly, 0);
    m_pPeriod->addButton(m_pEveryDays, 1);

    m_pDayOfMonth = MakeNumberField("dayOfMonth", nDayWidth, this);
    m_pNumDays = MakeNumberField("numDays", nDayWidth, this);

    CreateStartingField();

    m_pAmount = MakeNumberField("amount", nNumberWidth, this);
    m_pDebit = MakeRadio("Debit", "debit", this);
    m_pCredit = MakeRadio("Credit", "credit", this);
    m_pDebitCredit = new QButtonGroup(this);
    m_pDebitCredit->addButton(m_pDebit, 0);
    m_pDebitCredit->addButton(m_pCredit, 1);

    m_pType = new QComboBox(this);
    m_pType->setObjectName(QStringLiteral("type"));
    m_pType->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    m_pDesc = MakeDescBox(this);
    m_pDescList = MakeDescListButton(this);

    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);

    connect(m_pPeriod, &QButtonGroup::idClicked, this, &CDlgAEEntry::OnPeriodChanged);
    connect(m_pDescList, &QPushButton::clicked, this, &CDlgAEEntry::OnDescList);

    SetTabOrder({m_pMonthly, m_pEveryDays, m_pDayOfMonth, m_pNumDays, m_pStarting, m_pAmount,
                 m_pDebit, m_pCredit, m_pType, m_pDesc, m_pDescList, m_pOk, m_pCancel});
}

// Shows the date only; getting the focus opens the calendar instead.
void CDlgAEEntry::CreateStartingField() {
    m_pStarting = MakeDateField(this, "starting");
    m_pStarting->setAlignment(Qt::AlignCenter);
    m_pDatePopup = new CDateFieldPopup(this);
    m_pDatePopup->Watch(m_pStarting, &m_nDay, &m_nMonth, &m_nYear);
}

void CDlgAEEntry::LayOutControls() {
    auto* pGrid = new QGridLayout;
    pGrid->setHorizontalSpacing(8);
    pGrid->setVerticalSpacing(8);
    pGrid->addWidget(m_pMonthly, 0, 0, 1, 2);
    pGrid->addWidget(MakeLabel("Day of Month:", m_pDayOfMonth, this), 0, 2, Qt::AlignRight);
    pGrid->addWidget(m_pDayOfMonth, 0, 3, Qt::AlignLeft);

    pGrid->addWidget(m_pEveryDays, 1, 0, 1, 2);
    pGrid->addWidget(MakeLabel("Number of Days:", m_pNumDays, this), 1, 2, Qt::AlignRight);
    pGrid->addWidget(m_pNumDays, 1, 3, Qt::AlignLeft);
    pGrid->addWidget(MakeLabel("Starting:", m_pStarting, this), 2, 2, Qt::AlignRight);
    pGrid->addWidget(m_pStarting, 2, 3, 1, 2, Qt::AlignLeft);

    pGrid->setRowMinimumHeight(3, 6);
    auto* pRadios = new QHBoxLayout;
    pRadios->setSpacing(16);
    pRadios->addWidget(m_pDebit);
    pRadios->addWidget(m_pCredit);
    pRadios->addStretch();
    pGrid->addWidget(MakeLabel("Amount:", m_pAmount, this), 4, 0);
    pGrid->addWidget(m_pAmount, 4, 1, Qt::AlignLeft);
    pGrid->addLayout(pRadios, 4, 2, 1, 3);

    pGrid->addWidget(MakeLabel("Type:", m_pType, this), 5, 0);
    pGrid->addWidget(m_pType, 5, 1, 1, 2, Qt::AlignLeft);

    auto* pDescRow = new QHBoxLayout;
    pDescRow->addWidget(m_pDesc, 1);
    pDescRow->addWidget(m_pDescList);
    pGrid->addWidget(MakeLabel("Description:", m_pDesc, this), 6, 0);
    pGrid->addLayout(pDescRow, 6, 1, 1, 4);
    pGrid->setColumnStretch(4, 1);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addSpacing(6);
    pLayout->addLayout(MakeButtonRow({m_pOk, m_pCancel}));
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
}

void CDlgAEEntry::OnInitDialog() {
    m_pMonthly->setChecked(m_nPeriod == 0);
    m_pEveryDays->setChecked(m_nPeriod == 1);
    m_pDayOfMonth->setText(QString::number(m_nDayOfMonth));
    m_pNumDays->setText(QString::number(m_nNumDays));
    ShowStartDate();
    m_pAmount->setText(QString::fromStdString(Format("%.2f", m_dAmount)));
    m_pDebit->setChecked(m_nDebitCredit == 0);
    m_pCredit->setChecked(m_nDebitCredit == 1);
    m_pType->clear();
    const CUserTypeTable& types = m_pUserTypes ? *m_pUserTypes : NoUserTypes();
    for (const std::string& strName : AutoTypeListNames(types))
        m_pType->addItem(QString::fromStdString(strName));
    m_pType->setCurrentIndex(m_nTypeIndex >= 0 && m_nTypeIndex < m_pType->count() ? m_nTypeIndex
                                                                                  : 1);
    FillDescBox();
    m_pDesc->setEditText(QString::fromStdString(m_strDesc));
    OnPeriodChanged();
    m_pPeriod->checkedButton()->setFocus(Qt::OtherFocusReason);
}

void CDlgAEEntry::FillDescBox() {
    ::FillDescBox(m_pDesc, m_descs, true);
}

void CDlgAEEntry::ShowStartDate() {
    m_pStarting->setText(CDateFieldPopup::LongDate(m_nYear, m_nMonth, m_nDay));
}

void CDlgAEEntry::OnPeriodChanged() {
    const bool bMonthly = m_pMonthly->isChecked();
    m_pDayOfMonth->setEnabled(bMonthly);
    m_pNumDays->setEnabled(!bMonthly);
    m_pStarting->setEnabled(!bMonthly);
}

void CDlgAEEntry::OnDescList() {
    EditDescList(this, m_pDesc, m_descs, true);
}

bool CDlgAEEntry::OnOK() {
    // The day field of the chosen period only: the greyed one is not used. The first bad
    // field keeps the dialog.
    const int nPeriod = m_pPeriod->checkedId();
    long long nDayOfMonth = m_nDayOfMonth;
    long long nNumDays = m_nNumDays;
    if (!ReadWholeNumber(nPeriod == 1 ? m_pNumDays : m_pDayOfMonth, 1, MAX_PERIOD_DAY,
                         nPeriod == 1 ? nNumDays : nDayOfMonth))
        return false;
    double dAmount = 0.0;
    if (!ReadAmount(m_pAmount, MIN_AMOUNT, MAX_AMOUNT, dAmount))
        return false;
    const int nDebitCredit = m_pDebitCredit->checkedId();
    const int nTypeIndex = m_pType->currentIndex();
    if (!CheckTextLength(m_pDesc, MAX_DESC_CHARS))
        return false;

    m_nPeriod = nPeriod == 1 ? 1 : 0;
    m_nDayOfMonth = static_cast<int>(nDayOfMonth);
    m_nNumDays = static_cast<int>(nNumDays);
    m_dAmount = dAmount;
    m_nDebitCredit = nDebitCredit == 1 ? 1 : 0;
    m_nTypeIndex = nTypeIndex;
    m_strDesc = m_pDesc->currentText().toStdString();
    return true;
}
