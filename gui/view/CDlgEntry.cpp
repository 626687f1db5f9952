#include "CDlgEntry.h"
#include "DescBox.h"
#include "core/document/EntryTypes.h"
#include "core/framework/DateTime.h"
#include "core/framework/FieldLimits.h"
#include "core/framework/Format.h"
#include "gui/controls/CDateFieldPopup.h"
#include "gui/framework/CDataExchange.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const CUserTypeTable& NoUserTypes() {
    static const CUserTypeTable s_none{};
    return s_none;
}

QLabel* MakeLabel(const char* pszText, QWidget* pField, QWidget* pParent) {
    return MakeFieldLabel(QString::fromLatin1(pszText), pField, pParent);
}

} // namespace

CDlgEntry::CDlgEntry(const CUserTypeTable* pUserTypes, QWidget* pParent)
    : CDlgBase(pParent), m_pUserTypes(pUserTypes) {
    CreateControls();
    LayOutControls();
    SetHelp(QStringLiteral("::/DlgTWEntry.txt"), {{m_pDate, 1500},
                                                  {m_pDesc, 1501},
                                                  {m_pDescList, 1502},
                                                  {m_pType, 1503},
                                                  {m_pAmount, 1504},
                                                  {m_pDebit, 1505},
                                                  {m_pCredit, 1506},
                                                  {m_pCheckNum, 1507},
                                                  {m_pCleared, 1508},
                                                  {m_pPin, 1509},
                                                  {m_pOk, 1510},
                                                  {m_pCancel, 1511}});
}

void CDlgEntry::CreateControls() {
    const int nNumberWidth = fontMetrics().horizontalAdvance(QStringLiteral("-99999.99")) * 3 / 2;
    CreateDateField();

    m_pDesc = MakeDescBox(this);
    m_pDescList = MakeDescListButton(this);

    m_pAmount = new QLineEdit(this);
    m_pAmount->setObjectName(QStringLiteral("amount"));
    m_pAmount->setAlignment(Qt::AlignRight);
    m_pAmount->setFixedWidth(nNumberWidth);

    m_pDebit = new QRadioButton(QStringLiteral("Debit"), this);
    m_pDebit->setObjectName(QStringLiteral("debit"));
    m_pCredit = new QRadioButton(QStringLiteral("Credit"), this);
    m_pCredit->setObjectName(QStringLiteral("credit"));
    m_pDebitCredit = new QButtonGroup(this);
    m_pDebitCredit->addButton(m_pDebit, 0);
    m_pDebitCredit->addButton(m_pCredit, 1);

    m_pType = new QComboBox(this);
    m_pType->setObjectName(QStringLiteral("type"));
    m_pType->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    m_pCheckNum = new QLineEdit(this);
    m_pCheckNum->setObjectName(QStringLiteral("checkNum"));
    m_pCheckNum->setAlignment(Qt::AlignRight);
    m_pCheckNum->setFixedWidth(nNumberWidth);

    m_pCleared = new QCheckBox(QStringLiteral("Cleared"), this);
    m_pCleared->setObjectName(QStringLiteral("cleared"));

    m_pPin = new QToolButton(this);
    m_pPin->setObjectName(QStringLiteral("pin"));
    m_pPin->setCheckable(true);
    m_pPin->setAutoRaise(false);
    m_pPin->setIconSize(QSize(16, 16));

    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);

    connect(m_pDescList, &QPushButton::clicked, this, &CDlgEntry::OnDescList);
    connect(m_pType, &QComboBox::currentIndexChanged, this, &CDlgEntry::OnTypeChanged);
    connect(m_pPin, &QToolButton::clicked, this, &CDlgEntry::OnPinClicked);

    SetTabOrder({m_pDesc, m_pDescList, m_pAmount, m_pDebit, m_pCredit, m_pType, m_pCheckNum,
                 m_pCleared, m_pPin, m_pOk, m_pCancel});
}

// Shows the date only; the calendar sets it.
void CDlgEntry::CreateDateField() {
    m_pDate = MakeDateField(this, "date");
    m_pDate->setAlignment(Qt::AlignCenter);
    m_pDatePopup = new CDateFieldPopup(this);
    m_pDatePopup->Watch(m_pDate, &m_nDay, &m_nMonth, &m_nYear);
}

void CDlgEntry::LayOutControls() {
    auto* pGrid = new QGridLayout;
    pGrid->setHorizontalSpacing(8);
    pGrid->setVerticalSpacing(8);
    pGrid->addWidget(MakeLabel("Date:", m_pDate, this), 0, 0);
    pGrid->addWidget(m_pDate, 0, 1, 1, 2, Qt::AlignLeft);
    pGrid->addWidget(m_pPin, 0, 4, Qt::AlignCenter);

    pGrid->addWidget(MakeLabel("Description:", m_pDesc, this), 1, 0);
    pGrid->addWidget(m_pDesc, 1, 1, 1, 3);
    pGrid->addWidget(m_pDescList, 1, 4);

    auto* pRadios = new QHBoxLayout;
    pRadios->setSpacing(16);
    pRadios->addWidget(m_pDebit);
    pRadios->addWidget(m_pCredit);
    pRadios->addStretch();
    pGrid->addWidget(MakeLabel("Amount:", m_pAmount, this), 2, 0);
    pGrid->addWidget(m_pAmount, 2, 1);
    pGrid->addLayout(pRadios, 2, 2, 1, 2);

    auto* pCheckLabel = MakeLabel("Check #:", m_pCheckNum, this);
    pGrid->addWidget(MakeLabel("Type:", m_pType, this), 3, 0);
    pGrid->addWidget(m_pType, 3, 1);
    pGrid->addWidget(pCheckLabel, 3, 2, Qt::AlignRight);
    pGrid->addWidget(m_pCheckNum, 3, 3, Qt::AlignLeft);

    pGrid->addWidget(m_pCleared, 4, 1, 1, 2);
    pGrid->setColumnStretch(3, 1);

    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(m_pOk);
    pButtons->addWidget(m_pCancel);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addSpacing(6);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
}

void CDlgEntry::OnInitDialog() {
    if (m_bAddMode) {
        setWindowTitle(QStringLiteral("Add Entry"));
        m_bmpPinIn = QIcon(QStringLiteral(":/icons/pin_in.png"));
        m_bmpPinOut = QIcon(QStringLiteral(":/icons/pin_out.png"));
        m_pPin->show();
    } else {
        setWindowTitle(QStringLiteral("Edit Entry"));
        m_pPin->hide();
    }
    m_pPin->setChecked(m_bPinned);
    if (m_bAddMode)
        ShowPin();
    ShowDate();
    m_pAmount->setText(QString::fromStdString(Format("%.2f", m_dAmount)));
    m_pCheckNum->setText(QString::number(m_nCheckNum));
    m_pCleared->setChecked(m_bCleared);
    m_pDebit->setChecked(m_nDebitCredit == 0);
    m_pCredit->setChecked(m_nDebitCredit == 1);
    FillDescBox();
    m_pDesc->setEditText(QString::fromStdString(m_strDesc));
    FillTypeList();
    m_pDesc->setFocus(Qt::OtherFocusReason);
}

void CDlgEntry::FillDescBox() {
    ::FillDescBox(m_pDesc, m_descs);
}

void CDlgEntry::FillTypeList() {
    const CUserTypeTable& types = m_pUserTypes ? *m_pUserTypes : NoUserTypes();
    m_pType->clear();
    for (const std::string& strName : TypeListNames(types))
        m_pType->addItem(QString::fromStdString(strName));
    m_pType->setCurrentIndex(TypeListStartIndex(m_nTypeIndex, m_pType->count()));
    OnTypeChanged(m_pType->currentIndex());
}

void CDlgEntry::ShowDate() {
    m_pDate->setText(CDateFieldPopup::LongDate(m_nYear, m_nMonth, m_nDay));
}

void CDlgEntry::ShowPin() {
    m_pPin->setIcon(m_pPin->isChecked() ? m_bmpPinIn : m_bmpPinOut);
}

void CDlgEntry::OnDescList() {
    EditDescList(this, m_pDesc, m_descs);
}

void CDlgEntry::OnTypeChanged(int nIndex) {
    m_pCheckNum->setEnabled(nIndex == 0);
}

void CDlgEntry::OnPinClicked() {
    m_pDesc->setFocus(Qt::OtherFocusReason);
    ShowPin();
}

bool CDlgEntry::OnOK() {
    // Read in this order; the first bad field keeps the dialog open.
    const bool bCleared = m_pCleared->isChecked();
    if (!CheckTextLength(m_pDesc, MAX_DESC_CHARS))
        return false;
    const std::string strDesc = m_pDesc->currentText().toStdString();
    const int nTypeIndex = m_pType->currentIndex();
    double dAmount = 0.0;
    if (!ReadAmount(m_pAmount, MIN_AMOUNT, MAX_AMOUNT, dAmount))
        return false;
    // Checked even while the field is disabled.
    long long nCheckNum = 0;
    if (!ReadWholeNumber(m_pCheckNum, 0, MAX_CHECK_NUM, nCheckNum))
        return false;
    const int nDebitCredit = m_pDebitCredit->checkedId();
    const bool bPinned = m_pPin->isChecked();

    m_bCleared = bCleared;
    m_strDesc = strDesc;
    m_nTypeIndex = nTypeIndex;
    m_dAmount = dAmount;
    m_nCheckNum = static_cast<unsigned int>(nCheckNum);
    m_nDebitCredit = nDebitCredit;
    m_bPinned = bPinned;
    return true;
}
