#include "CDlgPageSetup.h"
#include "core/framework/DateTime.h"
#include "core/framework/FieldLimits.h"
#include "core/settings/CSettings.h"
#include "core/settings/Options.h"
#include "gui/controls/CDateFieldPopup.h"
#include "gui/controls/CFontChooser.h"
#include "gui/framework/CCommandContext.h"
#include "gui/framework/CDataExchange.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {

// The font chooser of the print font: only sizes from 8 to 18 points are listed, and
// no effects.
class CPrintFontDialog : public CFontChooser {
public:
    explicit CPrintFontDialog(const QFont& font, QWidget* pParent) : CFontChooser(font, pParent) {
        for (QGroupBox* pGroup : findChildren<QGroupBox*>())
            if (pGroup->title().contains(QStringLiteral("Effects")))
                pGroup->hide();
        connect(this, &QFontDialog::currentFontChanged, this, [this] { HideOtherSizes(); });
        HideOtherSizes();
    }

private:
    // The size list is the one whose rows are all numbers.
    void HideOtherSizes() {
        for (QListView* pList : findChildren<QListView*>()) {
            const QAbstractItemModel* pModel = pList->model();
            if (!pModel || pModel->rowCount() == 0)
                continue;
            bool bNumbers = true;
            for (int i = 0; i < pModel->rowCount() && bNumbers; ++i)
                pModel->index(i, 0).data().toString().toInt(&bNumbers);
            if (!bNumbers)
                continue;
            for (int i = 0; i < pModel->rowCount(); ++i) {
                const int nSize = pModel->index(i, 0).data().toString().toInt();
                pList->setRowHidden(i, nSize < MIN_FONT_POINTS || nSize > MAX_FONT_POINTS);
            }
        }
    }
};

} // namespace

QString CDlgPageSetup::FontLabel(const std::string& strFace, int nTenths) {
    return QString::fromStdString(FontButtonCaption(strFace, nTenths));
}

CDlgPageSetup::CDlgPageSetup(QWidget* pParent) : CDlgBase(pParent, QStringLiteral("Page Setup")) {
    m_pTabs = new QTabWidget(this);
    m_pTabs->setObjectName(QStringLiteral("tabs"));
    m_pTabs->addTab(CreateGeneralPage(), QStringLiteral("General"));
    m_pTabs->addTab(CreateDatePage(), QStringLiteral("Date Printing"));
    connect(m_pTabs, &QTabWidget::currentChanged, this, &CDlgPageSetup::OnTabChanged);

    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);
    QHBoxLayout* pButtons = MakeButtonRow({m_pOk, m_pCancel});
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pTabs);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    SetHelp(QStringLiteral("::/DlgPageSetup.txt"), {{m_pTabs, 1900},
                                                    {m_pChange, 1901},
                                                    {m_pPrintHeaders, 1902},
                                                    {m_pPrintBank, 1903},
                                                    {m_pMaxPerPage, 1904},
                                                    {m_pFrom, 1905},
                                                    {m_pTo, 1906},
                                                    {m_pRange, 1907},
                                                    {m_pAll, 1908},
                                                    {m_pOk, 1909},
                                                    {m_pCancel, 1910}});
}

QWidget* CDlgPageSetup::CreateGeneralPage() {
    auto* pPage = new QWidget;
    auto* pFontGroup = new QGroupBox(QStringLiteral("Print Font"), pPage);
    m_pFontLabel = new QLabel(pFontGroup);
    m_pFontLabel->setObjectName(QStringLiteral("fontLabel"));
    m_pFontLabel->setMinimumWidth(
        m_pFontLabel->fontMetrics().horizontalAdvance(QStringLiteral("MS Sans Serif 18pt")) * 3 /
        2);
    m_pChange = new QPushButton(QStringLiteral("Change"), pFontGroup);
    m_pChange->setObjectName(QStringLiteral("change"));
    connect(m_pChange, &QPushButton::clicked, this, &CDlgPageSetup::OnChangeFont);
    auto* pFontLayout = new QHBoxLayout(pFontGroup);
    pFontLayout->addWidget(m_pFontLabel, 1);
    pFontLayout->addWidget(m_pChange);

    auto* pOptions = new QGroupBox(QStringLiteral("Options"), pPage);
    m_pPrintHeaders = new QCheckBox(QStringLiteral("Print Headers"), pOptions);
    m_pPrintHeaders->setObjectName(QStringLiteral("printHeaders"));
    m_pPrintBank = new QCheckBox(QStringLiteral("Print Bank Information"), pOptions);
    m_pPrintBank->setObjectName(QStringLiteral("printBank"));
    auto* pOptionsLayout = new QVBoxLayout(pOptions);
    pOptionsLayout->addWidget(m_pPrintHeaders);
    pOptionsLayout->addWidget(m_pPrintBank);

    m_pMaxPerPage = new QLineEdit(pPage);
    m_pMaxPerPage->setObjectName(QStringLiteral("maxPerPage"));
    m_pMaxPerPage->setAlignment(Qt::AlignRight);
    m_pMaxPerPage->setFixedWidth(
        m_pMaxPerPage->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    auto* pMaxLabel = new QLabel(QStringLiteral("Max entries per page:"), pPage);
    pMaxLabel->setBuddy(m_pMaxPerPage);
    auto* pMax = new QHBoxLayout;
    pMax->addWidget(pMaxLabel);
    pMax->addWidget(m_pMaxPerPage);
    pMax->addStretch();

    auto* pLayout = new QVBoxLayout(pPage);
    pLayout->addWidget(pFontGroup);
    pLayout->addWidget(pOptions);
    pLayout->addLayout(pMax);
    pLayout->addStretch();
    return pPage;
}

QWidget* CDlgPageSetup::CreateDatePage() {
    auto* pPage = new QWidget;
    m_pAll = new QRadioButton(QStringLiteral("All"), pPage);
    m_pAll->setObjectName(QStringLiteral("all"));
    m_pRange = new QRadioButton(QStringLiteral("Range"), pPage);
    m_pRange->setObjectName(QStringLiteral("range"));
    connect(m_pAll, &QRadioButton::clicked, this, &CDlgPageSetup::OnAll);
    connect(m_pRange, &QRadioButton::clicked, this, &CDlgPageSetup::OnRange);
    m_pFrom = MakeDateField(pPage, "from");
    m_pTo = MakeDateField(pPage, "to");
    m_pDatePopup = new CDateFieldPopup(this);
    m_pDatePopup->Watch(m_pFrom, &m_nFromDay, &m_nFromMonth, &m_nFromYear);
    m_pDatePopup->Watch(m_pTo, &m_nToDay, &m_nToMonth, &m_nToYear);

    auto* pGrid = new QGridLayout(pPage);
    pGrid->addWidget(m_pAll, 0, 0, 1, 3);
    pGrid->addWidget(m_pRange, 1, 0, 1, 3);
    pGrid->addWidget(MakeFieldLabel(QStringLiteral("From:"), m_pFrom, pPage), 2, 1);
    pGrid->addWidget(m_pFrom, 2, 2);
    pGrid->addWidget(MakeFieldLabel(QStringLiteral("To:"), m_pTo, pPage), 3, 1);
    pGrid->addWidget(m_pTo, 3, 2);
    pGrid->setColumnMinimumWidth(0, 16);
    pGrid->setColumnStretch(3, 1);
    pGrid->setRowStretch(4, 1);
    return pPage;
}

void CDlgPageSetup::OnInitDialog() {
    m_nCurTab = 0;
    m_pTabs->setCurrentIndex(0);
    m_pAll->setChecked(m_bPrintAll);
    m_pRange->setChecked(!m_bPrintAll);
    m_pFrom->setEnabled(!m_bPrintAll);
    m_pTo->setEnabled(!m_bPrintAll);
    ShowDates();
    m_pFontLabel->setText(FontLabel(m_strPrintFont, m_nPrintFontSize));
    m_pPrintHeaders->setChecked(m_bPrintHeaders);
    m_pPrintBank->setChecked(m_bPrintBank);
    m_pMaxPerPage->setText(QString::number(m_nMaxPerPage));
    m_pOk->setFocus(Qt::OtherFocusReason);
}

void CDlgPageSetup::ShowDates() {
    m_pFrom->setText(CDateFieldPopup::LongDate(m_nFromYear, m_nFromMonth, m_nFromDay));
    m_pTo->setText(CDateFieldPopup::LongDate(m_nToYear, m_nToMonth, m_nToDay));
}

bool CDlgPageSetup::OnOK() {
    const bool bHeaders = m_pPrintHeaders->isChecked();
    const bool bBank = m_pPrintBank->isChecked();
    long long nMax = 0;
    if (!ParseWholeNumber(m_pMaxPerPage->text(), nMax) || nMax < MIN_ROWS_PER_PAGE ||
        nMax > MAX_ROWS_PER_PAGE)
        m_pTabs->setCurrentIndex(0); // so the refused field can be seen
    if (!ReadWholeNumber(m_pMaxPerPage, MIN_ROWS_PER_PAGE, MAX_ROWS_PER_PAGE, nMax))
        return false;
    m_bPrintHeaders = bHeaders;
    m_bPrintBank = bBank;
    m_nMaxPerPage = static_cast<int>(nMax);
    return true;
}

void CDlgPageSetup::OnTabChanged(int nTab) {
    m_nCurTab = nTab;
}

void CDlgPageSetup::OnAll() {
    m_bPrintAll = true;
    m_pFrom->setEnabled(false);
    m_pTo->setEnabled(false);
}

void CDlgPageSetup::OnRange() {
    m_bPrintAll = false;
    m_pFrom->setEnabled(true);
    m_pTo->setEnabled(true);
    m_pOk->setFocus(Qt::OtherFocusReason);
}

void CDlgPageSetup::OnChangeFont() {
    QFont initial(QString::fromStdString(m_strPrintFont));
    initial.setPointSizeF(m_nPrintFontSize / 10.0);
    CPrintFontDialog dlg(initial, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    const QFont font = dlg.selectedFont();
    m_strPrintFont = font.family().toStdString();
    m_nPrintFontSize = static_cast<int>(std::lround(font.pointSizeF() * 10.0));
    m_pFontLabel->setText(FontLabel(m_strPrintFont, m_nPrintFontSize));
}

void OnPageSetup(CCommandContext& context) {
    CSettings& settings = context.m_settings;
    CDlgPageSetup dlg(context.m_pParent);
    dlg.m_bPrintHeaders = settings.m_nPrntHdrs != 0;
    dlg.m_bPrintBank = settings.m_nPrntBank != 0;
    dlg.m_nMaxPerPage = settings.m_nRPP;
    dlg.m_strPrintFont = settings.m_strPrintFont;
    dlg.m_nPrintFontSize = settings.m_nPrintFontSize;
    dlg.m_bPrintAll = settings.m_bPrintAll;
    const CDayMonthYear to = SplitLocalDate(settings.m_printTo);
    const CDayMonthYear from = SplitLocalDate(settings.m_printFrom);
    dlg.m_nToDay = to.m_nDay;
    dlg.m_nToMonth = to.m_nMonth;
    dlg.m_nToYear = to.m_nYear;
    dlg.m_nFromDay = from.m_nDay;
    dlg.m_nFromMonth = from.m_nMonth;
    dlg.m_nFromYear = from.m_nYear;
    if (dlg.exec() != QDialog::Accepted)
        return;
    settings.m_nPrntHdrs = dlg.m_bPrintHeaders ? 1 : 0;
    settings.m_nRPP = dlg.m_nMaxPerPage;
    settings.m_nPrntBank = dlg.m_bPrintBank ? 1 : 0;
    settings.m_strPrintFont = dlg.m_strPrintFont;
    settings.m_nPrintFontSize = dlg.m_nPrintFontSize;
    settings.m_bPrintAll = dlg.m_bPrintAll;
    settings.m_printTo = MakeLocalDate(dlg.m_nToYear, dlg.m_nToMonth, dlg.m_nToDay);
    settings.m_printFrom = MakeLocalDate(dlg.m_nFromYear, dlg.m_nFromMonth, dlg.m_nFromDay);
}
