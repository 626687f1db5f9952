#include "CDlgAutomaticEntries.h"
#include "CDlgAEEntry.h"
#include "ToolCommands.h"
#include "core/document/CTallywiseDoc.h"
#include "core/document/EntryTypes.h"
#include "core/document/Limits.h"
#include "core/framework/DateTime.h"
#include "core/framework/IClock.h"
#include "core/settings/CSettings.h"
#include "core/tools/AutoEntries.h"
#include "gui/controls/ReportList.h"
#include "gui/framework/CCommandContext.h"
#include "gui/framework/CDataExchange.h"
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <memory>

namespace {

enum { COL_PERIOD, COL_NEXT, COL_DESC };

const CUserTypeTable& NoUserTypes() {
    static const CUserTypeTable s_none{};
    return s_none;
}

QPushButton* MakeListButton(const char* pszText, const char* pszName, QWidget* pParent) {
    auto* pButton = new QPushButton(QString::fromLatin1(pszText), pParent);
    pButton->setObjectName(QString::fromLatin1(pszName));
    pButton->setAutoDefault(false);
    return pButton;
}

} // namespace

CDlgAutomaticEntries::CDlgAutomaticEntries(const CUserTypeTable* pUserTypes, QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Automatic Entries")), m_pUserTypes(pUserTypes) {
    m_pList = MakeReportList(
        this, {{"M/D", Qt::AlignLeft}, {"Next", Qt::AlignHCenter}, {"Description", Qt::AlignLeft}});
    const QFontMetrics fm = fontMetrics();
    m_pList->setFixedSize(fm.averageCharWidth() * 64, fm.height() * 16);
    m_pAdd = MakeListButton("Add", "add", this);
    m_pEdit = MakeListButton("Edit", "edit", this);
    m_pDelete = MakeListButton("Delete", "delete", this);
    m_pDone = MakeButton(EDlgButton::Done);
    m_pDone->setDefault(false);
    m_pDone->setAutoDefault(false);

    connect(m_pAdd, &QPushButton::clicked, this, &CDlgAutomaticEntries::OnAdd);
    connect(m_pEdit, &QPushButton::clicked, this, &CDlgAutomaticEntries::OnEdit);
    connect(m_pDelete, &QPushButton::clicked, this, &CDlgAutomaticEntries::OnDelete);
    connect(m_pList, &QTableWidget::itemSelectionChanged, this,
            &CDlgAutomaticEntries::UpdateButtons);
    connect(m_pList, &QTableWidget::doubleClicked, this, &CDlgAutomaticEntries::OnListDblClk);

    auto* pButtons = new QVBoxLayout;
    pButtons->addWidget(m_pAdd);
    pButtons->addWidget(m_pEdit);
    pButtons->addWidget(m_pDelete);
    pButtons->addStretch();
    pButtons->addWidget(m_pDone);
    auto* pLayout = new QHBoxLayout(this);
    pLayout->addWidget(m_pList);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    SetHelp(QStringLiteral("::/DlgAutomaticEntries.txt"),
            {{m_pList, 2700}, {m_pAdd, 2701}, {m_pEdit, 2702}, {m_pDelete, 2703}, {m_pDone, 2704}});
}

void CDlgAutomaticEntries::setVisible(bool bVisible) {
    const bool bOpening = bVisible && !isVisible();
    CDlgBase::setVisible(bVisible);
    // The client width is known once the dialog is laid out.
    if (bOpening)
        SetColumnWidths();
}

void CDlgAutomaticEntries::OnInitDialog() {
    m_pList->setRowCount(0);
    int nRow = 0;
    for (const CAutoEntry& a : m_autos) {
        m_pList->insertRow(nRow);
        ShowRow(nRow++, a);
    }
    SelectRow(nRow > 0 ? 0 : -1);
    UpdateButtons();
    m_pList->setFocus(Qt::OtherFocusReason);
}

void CDlgAutomaticEntries::SetColumnWidths() {
    const int nWidth = m_pList->viewport()->width();
    m_pList->setColumnWidth(COL_PERIOD, nWidth / 8);
    m_pList->setColumnWidth(COL_NEXT, nWidth / 4);
    m_pList->setColumnWidth(COL_DESC, nWidth * 5 / 8);
}

void CDlgAutomaticEntries::ShowRow(int nRow, const CAutoEntry& a) {
    SetReportCell(m_pList, nRow, COL_PERIOD,
                  a.m_nFrequency == AUTO_MONTHLY ? QStringLiteral("M") : QStringLiteral("D"));
    SetReportCell(m_pList, nRow, COL_NEXT,
                  QString::fromStdString(FormatDate(a.m_nextDate, "%m/%d/%y")));
    SetReportCell(m_pList, nRow, COL_DESC, QString::fromStdString(a.m_strDesc));
}

int CDlgAutomaticEntries::SelectedRow() const {
    return SelectedReportRow(m_pList);
}

void CDlgAutomaticEntries::SelectRow(int nRow) {
    SelectReportRow(m_pList, nRow);
}

void CDlgAutomaticEntries::UpdateButtons() {
    const bool bSelected = SelectedRow() >= 0;
    m_pEdit->setEnabled(bSelected);
    m_pDelete->setEnabled(bSelected);
}

bool CDlgAutomaticEntries::RunEntryDialog(CDlgAEEntry& dlg) {
    dlg.m_descs = std::move(m_descs);
    const bool bOk = dlg.exec() == QDialog::Accepted;
    m_descs = std::move(dlg.m_descs);
    return bOk;
}

void CDlgAutomaticEntries::StoreFields(const CDlgAEEntry& dlg, const CUserTypeTable& types,
                                       CAutoEntry& a) const {
    if (dlg.m_nPeriod == 0) {
        a.m_nFrequency = AUTO_MONTHLY;
        a.m_nDay = static_cast<std::int8_t>(dlg.m_nDayOfMonth);
        a.m_nextDate = FirstMonthlyDate(m_now, a.m_nDay);
    } else {
        a.m_nFrequency = AUTO_EVERY_N_DAYS;
        a.m_nDay = static_cast<std::int8_t>(dlg.m_nNumDays);
        a.m_nextDate = FirstEveryNDaysDate(MakeLocalDate(dlg.m_nYear, dlg.m_nMonth, dlg.m_nDay),
                                           a.m_nDay, m_now);
    }
    a.m_dAmount = dlg.m_dAmount;
    a.m_bDebit = dlg.m_nDebitCredit == 0 ? 1 : 0;
    a.m_nType = static_cast<std::int8_t>(AutoTypeFromListIndex(dlg.m_nTypeIndex, types));
    a.m_strDesc = dlg.m_strDesc;
}

void CDlgAutomaticEntries::OnAdd() {
    if (m_autos.size() >= static_cast<std::size_t>(MAX_AUTOS)) {
        ShowAppMessage(this, QStringLiteral("You cannot enter more than 100 automatic entries."),
                       QMessageBox::Information);
        return;
    }
    CDlgAEEntry dlg(m_pUserTypes, this);
    const CDayMonthYear today = SplitLocalDate(m_now);
    dlg.m_nDay = today.m_nDay;
    dlg.m_nMonth = today.m_nMonth;
    dlg.m_nYear = today.m_nYear;
    if (!RunEntryDialog(dlg))
        return;
    CAutoEntry added;
    StoreFields(dlg, m_pUserTypes ? *m_pUserTypes : NoUserTypes(), added);
    m_autos.push_back(added);
    const int nRow = m_pList->rowCount();
    m_pList->insertRow(nRow);
    ShowRow(nRow, added);
    SelectRow(nRow);
    m_pList->setFocus(Qt::OtherFocusReason);
    UpdateButtons();
    SetColumnWidths();
}

void CDlgAutomaticEntries::OnEdit() {
    const int nRow = SelectedRow();
    CAutoEntry* a = nRow < 0 || nRow >= static_cast<int>(m_autos.size()) ? nullptr : &m_autos[nRow];
    if (!a)
        return;
    const CUserTypeTable listed =
        TypesListedFor(a->m_nType, m_pUserTypes ? *m_pUserTypes : NoUserTypes());
    CDlgAEEntry dlg(&listed, this);
    const CDayMonthYear today = SplitLocalDate(m_now);
    CDayMonthYear start = today;
    if (a->m_nFrequency == AUTO_MONTHLY) {
        dlg.m_nPeriod = 0;
        dlg.m_nDayOfMonth = a->m_nDay;
    } else {
        dlg.m_nPeriod = 1;
        dlg.m_nNumDays = a->m_nDay;
        start = SplitLocalDate(a->m_nextDate);
    }
    dlg.m_nDay = start.m_nDay;
    dlg.m_nMonth = start.m_nMonth;
    dlg.m_nYear = start.m_nYear;
    dlg.m_dAmount = a->m_dAmount;
    dlg.m_nDebitCredit = a->m_bDebit == 1 ? 0 : 1;
    dlg.m_nTypeIndex = AutoTypeListIndex(a->m_nType, listed);
    dlg.m_strDesc = a->m_strDesc;
    if (!RunEntryDialog(dlg))
        return;
    StoreFields(dlg, listed, *a);
    ShowRow(nRow, *a);
    SelectRow(nRow);
    m_pList->setFocus(Qt::OtherFocusReason);
}

void CDlgAutomaticEntries::OnDelete() {
    const int nRow = SelectedRow();
    if (nRow < 0 || nRow >= static_cast<int>(m_autos.size()))
        return;
    m_autos.erase(m_autos.begin() + nRow);
    m_pList->removeRow(nRow);
    const int nRows = m_pList->rowCount();
    if (nRows > 0) {
        SelectRow(std::min(nRow, nRows - 1));
        m_pList->setFocus(Qt::OtherFocusReason);
    }
    UpdateButtons();
    SetColumnWidths();
}

void CDlgAutomaticEntries::OnListDblClk() {
    if (m_pList->rowCount() > 0)
        OnEdit();
}

void OnAutomaticEntries(CCommandContext& context) {
    CTallywiseDoc& doc = context.m_doc;
    CDlgAutomaticEntries dlg(&context.m_settings.m_userTypes, context.m_pParent);
    dlg.m_autos = doc.AutoEntries();
    dlg.m_descs = doc.Descriptions();
    dlg.m_now = context.m_clock.Now();
    dlg.exec();
    // Taken back however the dialog closed: every change in it is final at once.
    doc.SetAutoEntries(std::move(dlg.m_autos));
    doc.SetDescriptions(std::move(dlg.m_descs));
    PostAndShowDueEntries(context);
    doc.RefreshTypeUsage();
}
