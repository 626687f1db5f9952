#include "CDlgSearch.h"
#include "CDlgSearchResults.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/DateTime.h"
#include "core/framework/FieldLimits.h"
#include "core/framework/Format.h"
#include "gui/controls/CDateFieldPopup.h"
#include "gui/framework/CCommandContext.h"
#include "gui/framework/CDataExchange.h"
#include "gui/view/DescBox.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

template <class T> T* Named(T* pWidget, const char* pszName) {
    pWidget->setObjectName(QString::fromLatin1(pszName));
    return pWidget;
}

QLabel* Label(const char* pszText, QWidget* pParent) {
    return new QLabel(QString::fromLatin1(pszText), pParent);
}

QLineEdit* NumberEdit(const char* pszName, QWidget* pParent) {
    auto* pEdit = Named(new QLineEdit(pParent), pszName);
    pEdit->setAlignment(Qt::AlignRight);
    pEdit->setFixedWidth(pEdit->fontMetrics().horizontalAdvance(QStringLiteral("-99999.99")) * 3 /
                         2);
    return pEdit;
}

// Radios of one page: Single and Range.
QButtonGroup* ModeGroup(QRadioButton* pSingle, QRadioButton* pRange, QWidget* pParent) {
    auto* pGroup = new QButtonGroup(pParent);
    pGroup->addButton(pSingle, SEARCH_SINGLE);
    pGroup->addButton(pRange, SEARCH_RANGE);
    return pGroup;
}

// The single field, or the first and last, as the mode says.
void EnableModeFields(bool bOn, bool bRange, QWidget* pSingle, QWidget* pFirst, QWidget* pLast) {
    pSingle->setEnabled(bOn && !bRange);
    pFirst->setEnabled(bOn && bRange);
    pLast->setEnabled(bOn && bRange);
}

void AddModeRows(QGridLayout* pGrid, QRadioButton* pSingle, QRadioButton* pRange,
                 const char* const labels[3], QWidget* const fields[3], QWidget* pParent) {
    pGrid->addWidget(pSingle, 1, 0);
    pGrid->addWidget(pRange, 2, 0);
    for (int i = 0; i < 3; ++i) {
        QLabel* pLabel = Label(labels[i], pParent);
        pLabel->setBuddy(fields[i]);
        pGrid->addWidget(pLabel, 1 + i, 1);
        pGrid->addWidget(fields[i], 1 + i, 2, Qt::AlignLeft);
    }
}

QGridLayout* PageGrid(QWidget* pPage, QCheckBox* pBox) {
    auto* pGrid = new QGridLayout(pPage);
    pGrid->setHorizontalSpacing(12);
    pGrid->setVerticalSpacing(8);
    pGrid->addWidget(pBox, 0, 0, 1, 3);
    return pGrid;
}

void FinishPage(QGridLayout* pGrid) {
    pGrid->setColumnStretch(3, 1);
    pGrid->setRowStretch(pGrid->rowCount(), 1);
}

} // namespace

CDlgSearch::CDlgSearch(const CUserTypeTable& userTypes, std::time_t today, QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Search")), m_userTypes(userTypes) {
    const CDayMonthYear dmy = SplitLocalDate(today);
    m_nSingleDay = m_nFirstDay = m_nLastDay = dmy.m_nDay;
    m_nSingleMonth = m_nFirstMonth = m_nLastMonth = dmy.m_nMonth;
    m_nSingleYear = m_nFirstYear = m_nLastYear = dmy.m_nYear;

    m_pTabs = Named(new QTabWidget(this), "tabs");
    // All five tabs stay in sight.
    m_pTabs->setUsesScrollButtons(false);
    m_pTabs->tabBar()->setElideMode(Qt::ElideNone);
    m_pTabs->addTab(MakeCheckPage(), QStringLiteral("Check Number"));
    m_pTabs->addTab(MakeAmountPage(), QStringLiteral("Amount"));
    m_pTabs->addTab(MakeDescPage(), QStringLiteral("Description"));
    m_pTabs->addTab(MakeDatePage(), QStringLiteral("Date"));
    m_pTabs->addTab(MakeTypePage(), QStringLiteral("Type"));
    connect(m_pTabs, &QTabWidget::currentChanged, this, [this](int n) { m_nCurTab = n; });

    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pTabs);
    pLayout->addLayout(MakeButtonRow({m_pOk, m_pCancel}));
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
    InstallHelp();
}

void CDlgSearch::InstallHelp() {
    SetHelp(QStringLiteral("::/DlgSearch.txt"), {{m_pTabs, 2400},
                                                 {m_pOk, 2401},
                                                 {m_pCancel, 2402},
                                                 {m_pByCheck, 2403},
                                                 {m_pCheckSingle, 2404},
                                                 {m_pCheckRange, 2405},
                                                 {m_pSingleCheck, 2406},
                                                 {m_pFirstCheck, 2407},
                                                 {m_pLastCheck, 2408},
                                                 {m_pByAmount, 2409},
                                                 {m_pAmountSingle, 2410},
                                                 {m_pAmountRange, 2411},
                                                 {m_pSingleAmount, 2412},
                                                 {m_pFirstAmount, 2413},
                                                 {m_pLastAmount, 2414},
                                                 {m_pCredits, 2415},
                                                 {m_pDebits, 2416},
                                                 {m_pByDesc, 2417},
                                                 {m_pDesc, 2418},
                                                 {m_pByDate, 2419},
                                                 {m_pDateSingle, 2420},
                                                 {m_pDateRange, 2421},
                                                 {m_dates[0].m_pEdit, 2422},
                                                 {m_dates[1].m_pEdit, 2423},
                                                 {m_dates[2].m_pEdit, 2424},
                                                 {m_pByType, 2425},
                                                 {m_types[0], 2426},
                                                 {m_types[1], 2427},
                                                 {m_types[2], 2428},
                                                 {m_types[3], 2429},
                                                 {m_types[4], 2430},
                                                 {m_types[5], 2431},
                                                 {m_types[6], 2432},
                                                 {m_types[7], 2433},
                                                 {m_types[8], 2434}});
}

QWidget* CDlgSearch::MakeCheckPage() {
    auto* pPage = new QWidget;
    m_pByCheck = Named(new QCheckBox(QStringLiteral("Search By Check Number"), pPage), "byCheck");
    m_pCheckSingle = Named(new QRadioButton(QStringLiteral("Single"), pPage), "checkSingle");
    m_pCheckRange = Named(new QRadioButton(QStringLiteral("Range"), pPage), "checkRange");
    m_pSingleCheck = NumberEdit("singleCheck", pPage);
    m_pFirstCheck = NumberEdit("firstCheck", pPage);
    m_pLastCheck = NumberEdit("lastCheck", pPage);
    ModeGroup(m_pCheckSingle, m_pCheckRange, pPage);
    static const char* const LABELS[] = {
        "Enter check number:", "Enter first check number:", "Enter last check number:"};
    QWidget* const fields[] = {m_pSingleCheck, m_pFirstCheck, m_pLastCheck};
    QGridLayout* pGrid = PageGrid(pPage, m_pByCheck);
    AddModeRows(pGrid, m_pCheckSingle, m_pCheckRange, LABELS, fields, pPage);
    FinishPage(pGrid);
    for (QAbstractButton* p :
         {static_cast<QAbstractButton*>(m_pByCheck), static_cast<QAbstractButton*>(m_pCheckSingle),
          static_cast<QAbstractButton*>(m_pCheckRange)})
        connect(p, &QAbstractButton::clicked, this, &CDlgSearch::UpdateCheckPage);
    return pPage;
}

QWidget* CDlgSearch::MakeAmountPage() {
    auto* pPage = new QWidget;
    m_pByAmount = Named(new QCheckBox(QStringLiteral("Search By Amount"), pPage), "byAmount");
    m_pAmountSingle = Named(new QRadioButton(QStringLiteral("Single"), pPage), "amountSingle");
    m_pAmountRange = Named(new QRadioButton(QStringLiteral("Range"), pPage), "amountRange");
    m_pSingleAmount = NumberEdit("singleAmount", pPage);
    m_pFirstAmount = NumberEdit("firstAmount", pPage);
    m_pLastAmount = NumberEdit("lastAmount", pPage);
    m_pDebits = Named(new QCheckBox(QStringLiteral("Debits"), pPage), "debits");
    m_pCredits = Named(new QCheckBox(QStringLiteral("Credits"), pPage), "credits");
    ModeGroup(m_pAmountSingle, m_pAmountRange, pPage);
    static const char* const LABELS[] = {
        "Enter amount:", "Enter first amount:", "Enter last amount:"};
    QWidget* const fields[] = {m_pSingleAmount, m_pFirstAmount, m_pLastAmount};
    QGridLayout* pGrid = PageGrid(pPage, m_pByAmount);
    AddModeRows(pGrid, m_pAmountSingle, m_pAmountRange, LABELS, fields, pPage);
    pGrid->addWidget(m_pDebits, 4, 1);
    pGrid->addWidget(m_pCredits, 4, 2);
    FinishPage(pGrid);
    for (QAbstractButton* p : {static_cast<QAbstractButton*>(m_pByAmount),
                               static_cast<QAbstractButton*>(m_pAmountSingle),
                               static_cast<QAbstractButton*>(m_pAmountRange)})
        connect(p, &QAbstractButton::clicked, this, &CDlgSearch::UpdateAmountPage);
    return pPage;
}

QWidget* CDlgSearch::MakeDescPage() {
    auto* pPage = new QWidget;
    m_pByDesc = Named(new QCheckBox(QStringLiteral("Search By Description"), pPage), "byDesc");
    m_pDescLabel = Named(Label("Enter description:", pPage), "descLabel");
    m_pDesc = MakeDescBox(pPage);
    m_pDescLabel->setBuddy(m_pDesc);
    QGridLayout* pGrid = PageGrid(pPage, m_pByDesc);
    pGrid->addWidget(m_pDescLabel, 1, 0);
    pGrid->addWidget(m_pDesc, 2, 0, 1, 4);
    FinishPage(pGrid);
    connect(m_pByDesc, &QAbstractButton::clicked, this, &CDlgSearch::UpdateDescPage);
    return pPage;
}

QWidget* CDlgSearch::MakeDatePage() {
    auto* pPage = new QWidget;
    m_pByDate = Named(new QCheckBox(QStringLiteral("Search By Date"), pPage), "byDate");
    m_pDateSingle = Named(new QRadioButton(QStringLiteral("Single"), pPage), "dateSingle");
    m_pDateRange = Named(new QRadioButton(QStringLiteral("Range"), pPage), "dateRange");
    ModeGroup(m_pDateSingle, m_pDateRange, pPage);
    static const char* const NAMES[] = {"singleDate", "firstDate", "lastDate"};
    int* const days[] = {&m_nSingleDay, &m_nFirstDay, &m_nLastDay};
    int* const months[] = {&m_nSingleMonth, &m_nFirstMonth, &m_nLastMonth};
    int* const years[] = {&m_nSingleYear, &m_nFirstYear, &m_nLastYear};
    QWidget* fields[3];
    m_pDatePopup = new CDateFieldPopup(this);
    for (std::size_t i = 0; i < m_dates.size(); ++i) {
        // Shows the date only; the calendar sets it.
        QLineEdit* pEdit = MakeDateField(pPage, NAMES[i]);
        pEdit->setAlignment(Qt::AlignCenter);
        m_dates[i] = {pEdit, days[i], months[i], years[i]};
        m_pDatePopup->Watch(pEdit, days[i], months[i], years[i]);
        fields[i] = pEdit;
    }
    static const char* const LABELS[] = {"Enter date:", "Enter first date:", "Enter last date:"};
    QGridLayout* pGrid = PageGrid(pPage, m_pByDate);
    AddModeRows(pGrid, m_pDateSingle, m_pDateRange, LABELS, fields, pPage);
    FinishPage(pGrid);
    for (QAbstractButton* p :
         {static_cast<QAbstractButton*>(m_pByDate), static_cast<QAbstractButton*>(m_pDateSingle),
          static_cast<QAbstractButton*>(m_pDateRange)})
        connect(p, &QAbstractButton::clicked, this, &CDlgSearch::UpdateDatePage);
    return pPage;
}

QWidget* CDlgSearch::MakeTypePage() {
    auto* pPage = new QWidget;
    m_pByType = Named(new QCheckBox(QStringLiteral("Search By Type"), pPage), "byType");
    static const char* const CAPTIONS[] = {"Check", "ATM", "Check Card", "Teller", "Other",
                                           "UD1",   "UD2", "UD3",        "UD4"};
    static const char* const NAMES[] = {"typeCheck",  "typeATM",   "typeCheckCard",
                                        "typeTeller", "typeOther", "typeUD1",
                                        "typeUD2",    "typeUD3",   "typeUD4"};
    QGridLayout* pGrid = PageGrid(pPage, m_pByType);
    pGrid->addWidget(Label("Select types:", pPage), 1, 0, 1, 3);
    for (std::size_t i = 0; i < m_types.size(); ++i) {
        m_types[i] = Named(new QCheckBox(QString::fromLatin1(CAPTIONS[i]), pPage), NAMES[i]);
        // Built-in types in the first two columns, user types in the third.
        const int nRow = i < 5 ? 2 + int(i) % 3 : 2 + int(i) - 5;
        const int nCol = i < 3 ? 0 : i < 5 ? 1 : 2;
        pGrid->addWidget(m_types[i], nRow, nCol);
    }
    FinishPage(pGrid);
    connect(m_pByType, &QAbstractButton::clicked, this, &CDlgSearch::UpdateTypePage);
    return pPage;
}

void CDlgSearch::OnInitDialog() {
    m_nCurTab = 0;
    m_pTabs->setCurrentIndex(0);
    m_pSingleCheck->setText(QString::number(m_nSingleCheck));
    m_pFirstCheck->setText(QString::number(m_nFirstCheck));
    m_pLastCheck->setText(QString::number(m_nLastCheck));
    m_pSingleAmount->setText(QString::fromStdString(Format("%.2f", m_dSingleAmount)));
    m_pFirstAmount->setText(QString::fromStdString(Format("%.2f", m_dFirstAmount)));
    m_pLastAmount->setText(QString::fromStdString(Format("%.2f", m_dLastAmount)));
    const auto setMode = [](int& nMode, QRadioButton* pSingle, QRadioButton* pRange) {
        if (nMode != SEARCH_RANGE)
            nMode = SEARCH_SINGLE;
        pSingle->setChecked(nMode == SEARCH_SINGLE);
        pRange->setChecked(nMode == SEARCH_RANGE);
    };
    setMode(m_nCheckMode, m_pCheckSingle, m_pCheckRange);
    setMode(m_nAmountMode, m_pAmountSingle, m_pAmountRange);
    setMode(m_nDateMode, m_pDateSingle, m_pDateRange);
    m_bDebits = m_bCredits = true;
    m_pDebits->setChecked(true);
    m_pCredits->setChecked(true);
    FillDescBox();
    m_pDesc->setEditText(QString::fromStdString(m_strFindDesc));
    for (const CDateField& field : m_dates)
        ShowDate(field);
    const bool types[] = {m_bCheck, m_bATM, m_bCheckCard, m_bTeller, m_bOther,
                          m_bUD1,   m_bUD2, m_bUD3,       m_bUD4};
    for (std::size_t i = 0; i < m_types.size(); ++i)
        m_types[i]->setChecked(types[i]);
    for (std::size_t k = 0; k < m_userTypes.size(); ++k) {
        QCheckBox* pBox = m_types[TYPE_USER1 + k];
        if (m_userTypes[k].m_bEnabled)
            pBox->setText(QString::fromStdString(m_userTypes[k].m_strName));
        pBox->setVisible(m_userTypes[k].m_bEnabled != 0);
    }
    m_pByCheck->setChecked(m_bByCheck);
    m_pByAmount->setChecked(m_bByAmount);
    m_pByDesc->setChecked(m_bByDesc);
    m_pByDate->setChecked(m_bByDate);
    m_pByType->setChecked(m_bByType);
    UpdateCheckPage();
    UpdateAmountPage();
    UpdateDescPage();
    UpdateDatePage();
    UpdateTypePage();
    m_pTabs->setFocus(Qt::OtherFocusReason);
}

void CDlgSearch::FillDescBox() {
    ::FillDescBox(m_pDesc, m_descs);
}

void CDlgSearch::ShowDate(const CDateField& field) {
    field.m_pEdit->setText(
        CDateFieldPopup::LongDate(*field.m_pYear, *field.m_pMonth, *field.m_pDay));
}

void CDlgSearch::UpdateCheckPage() {
    const bool bOn = m_pByCheck->isChecked();
    m_pCheckSingle->setEnabled(bOn);
    m_pCheckRange->setEnabled(bOn);
    EnableModeFields(bOn, m_pCheckRange->isChecked(), m_pSingleCheck, m_pFirstCheck, m_pLastCheck);
}

void CDlgSearch::UpdateAmountPage() {
    const bool bOn = m_pByAmount->isChecked();
    m_pAmountSingle->setEnabled(bOn);
    m_pAmountRange->setEnabled(bOn);
    m_pDebits->setEnabled(bOn);
    m_pCredits->setEnabled(bOn);
    EnableModeFields(bOn, m_pAmountRange->isChecked(), m_pSingleAmount, m_pFirstAmount,
                     m_pLastAmount);
}

void CDlgSearch::UpdateDescPage() {
    const bool bOn = m_pByDesc->isChecked();
    m_pDescLabel->setEnabled(bOn);
    m_pDesc->setEnabled(bOn);
}

void CDlgSearch::UpdateDatePage() {
    const bool bOn = m_pByDate->isChecked();
    m_pDateSingle->setEnabled(bOn);
    m_pDateRange->setEnabled(bOn);
    EnableModeFields(bOn, m_pDateRange->isChecked(), m_dates[0].m_pEdit, m_dates[1].m_pEdit,
                     m_dates[2].m_pEdit);
}

void CDlgSearch::UpdateTypePage() {
    for (QCheckBox* pBox : m_types)
        pBox->setEnabled(m_pByType->isChecked());
}

// The fields of the chosen mode of every page, in this order, whether shown or ticked; the
// page of a field is brought forward before it is read so a refusal can put the focus there.
// A field of the other mode keeps its last good value.
bool CDlgSearch::ReadFields() {
    const int nShown = m_pTabs->currentIndex();
    const bool bCheckRange = m_pCheckRange->isChecked();
    const bool bAmountRange = m_pAmountRange->isChecked();
    const auto readCheck = [this](QLineEdit* pEdit, bool bChosen, std::uint32_t& nValue) {
        long long n = 0;
        if (!bChosen) {
            if (ParseWholeNumber(pEdit->text(), n) && n >= 0 && n <= MAX_SEARCH_CHECK_NUM)
                nValue = static_cast<std::uint32_t>(n);
            return true;
        }
        m_pTabs->setCurrentIndex(0);
        if (!ReadWholeNumber(pEdit, 0, MAX_SEARCH_CHECK_NUM, n))
            return false;
        nValue = static_cast<std::uint32_t>(n);
        return true;
    };
    const auto readAmount = [this](QLineEdit* pEdit, bool bChosen, double& dValue) {
        if (!bChosen) {
            double d = 0.0;
            if (ParseNumber(pEdit->text(), d) && d >= MIN_AMOUNT && d <= MAX_AMOUNT &&
                IsWholeCents(d))
                dValue = d;
            return true;
        }
        m_pTabs->setCurrentIndex(1);
        return ReadAmount(pEdit, MIN_AMOUNT, MAX_AMOUNT, dValue);
    };
    std::uint32_t nSingle = m_nSingleCheck, nLast = m_nLastCheck, nFirst = m_nFirstCheck;
    double dFirst = m_dFirstAmount, dLast = m_dLastAmount, dSingle = m_dSingleAmount;
    if (!readCheck(m_pSingleCheck, !bCheckRange, nSingle) ||
        !readCheck(m_pLastCheck, bCheckRange, nLast) ||
        !readCheck(m_pFirstCheck, bCheckRange, nFirst) ||
        !readAmount(m_pFirstAmount, bAmountRange, dFirst) ||
        !readAmount(m_pLastAmount, bAmountRange, dLast) ||
        !readAmount(m_pSingleAmount, !bAmountRange, dSingle))
        return false;
    m_pTabs->setCurrentIndex(2);
    if (!CheckTextLength(m_pDesc, MAX_DESC_CHARS))
        return false;
    m_pTabs->setCurrentIndex(nShown);
    m_nSingleCheck = nSingle;
    m_nLastCheck = nLast;
    m_nFirstCheck = nFirst;
    m_dFirstAmount = dFirst;
    m_dLastAmount = dLast;
    m_dSingleAmount = dSingle;
    m_strFindDesc = m_pDesc->currentText().toStdString();
    return true;
}

bool CDlgSearch::OnOK() {
    if (!ReadFields())
        return false;
    m_nCurTab = m_pTabs->currentIndex();
    m_bByCheck = m_pByCheck->isChecked();
    m_nCheckMode = m_pCheckRange->isChecked() ? SEARCH_RANGE : SEARCH_SINGLE;
    m_bByAmount = m_pByAmount->isChecked();
    m_nAmountMode = m_pAmountRange->isChecked() ? SEARCH_RANGE : SEARCH_SINGLE;
    m_bDebits = m_pDebits->isChecked();
    m_bCredits = m_pCredits->isChecked();
    m_bByDesc = m_pByDesc->isChecked();
    m_bByDate = m_pByDate->isChecked();
    m_nDateMode = m_pDateRange->isChecked() ? SEARCH_RANGE : SEARCH_SINGLE;
    m_bByType = m_pByType->isChecked();
    bool* const types[] = {&m_bCheck, &m_bATM, &m_bCheckCard, &m_bTeller, &m_bOther,
                           &m_bUD1,   &m_bUD2, &m_bUD3,       &m_bUD4};
    for (std::size_t i = 0; i < m_types.size(); ++i)
        *types[i] = m_types[i]->isChecked();
    return true;
}

CSearchCriteria CDlgSearch::Criteria() const {
    CSearchCriteria c;
    c.m_bByCheck = m_bByCheck;
    c.m_nCheckMode = m_nCheckMode;
    c.m_nSingleCheck = m_nSingleCheck;
    c.m_nFirstCheck = m_nFirstCheck;
    c.m_nLastCheck = m_nLastCheck;
    c.m_bByAmount = m_bByAmount;
    c.m_nAmountMode = m_nAmountMode;
    c.m_dSingleAmount = m_dSingleAmount;
    c.m_dFirstAmount = m_dFirstAmount;
    c.m_dLastAmount = m_dLastAmount;
    c.m_bDebits = m_bDebits;
    c.m_bCredits = m_bCredits;
    c.m_bByDesc = m_bByDesc;
    c.m_strFindDesc = m_strFindDesc;
    c.m_bByDate = m_bByDate;
    c.m_nDateMode = m_nDateMode;
    c.m_singleDate = MakeLocalDate(m_nSingleYear, m_nSingleMonth, m_nSingleDay);
    c.m_firstDate = MakeLocalDate(m_nFirstYear, m_nFirstMonth, m_nFirstDay);
    c.m_lastDate = MakeLocalDate(m_nLastYear, m_nLastMonth, m_nLastDay);
    c.m_bByType = m_bByType;
    c.m_types = {m_bCheck, m_bATM, m_bCheckCard, m_bTeller, m_bOther,
                 m_bUD1,   m_bUD2, m_bUD3,       m_bUD4};
    return c;
}

void OnSearch(CCommandContext& context) {
    const CTallywiseDoc& doc = context.m_doc;
    CDlgSearch dlg(doc.UserTypes(), doc.Today(), context.m_pParent);
    dlg.m_descs = doc.Descriptions();
    if (dlg.exec() != QDialog::Accepted)
        return;
    CSearchCriteria criteria = dlg.Criteria();
    NormaliseSides(criteria);
    if (!criteria.AnyCriterion())
        return;
    const CSearchResults results = FindEntries(doc.Entries(), criteria);
    CDlgSearchResults resultsDlg(doc.UserTypes(), context.m_pParent);
    resultsDlg.m_pResults = &results;
    resultsDlg.exec();
}
