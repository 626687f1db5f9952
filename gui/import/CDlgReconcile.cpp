#include "CDlgReconcile.h"
#include "ImportDateOrders.h"
#include "core/document/CTallywiseDoc.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

enum { COL_DATE, COL_NUM, COL_DESC, COL_AMOUNT, COL_ENTRY, COL_COUNT };
constexpr int ROW_ROLE = Qt::UserRole; // the bank transaction's row, on a new one

QString Amount(double dSigned) {
    return QString::fromStdString(Format("%.2f", dSigned));
}

QString DateText(std::time_t date) {
    return date ? QString::fromStdString(FormatDate(date, "%m/%d/%Y")) : QString();
}

QString EntryText(const CEntry& e) {
    return QStringLiteral("%1  %2  %3")
        .arg(DateText(e.m_date), QString::fromStdString(e.m_strDesc),
             Amount(e.m_bDebit ? -e.m_dAmount : e.m_dAmount));
}

} // namespace

CDlgReconcile::CDlgReconcile(QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Reconcile with Bank File")) {
    m_pFile = new QLabel(this);
    m_pFile->setObjectName(QStringLiteral("file"));
    m_pDateOrder = MakeDateOrderBox(this, m_pOrderLabel);
    m_pGroups = new QTreeWidget(this);
    m_pGroups->setObjectName(QStringLiteral("groups"));
    m_pGroups->setAccessibleName(QStringLiteral("Bank transactions and register entries"));
    m_pGroups->setColumnCount(COL_COUNT);
    m_pGroups->setHeaderLabels({QStringLiteral("Date"), QStringLiteral("Num"),
                                QStringLiteral("Description"), QStringLiteral("Amount"),
                                QStringLiteral("Register entry")});
    m_pGroups->setTabKeyNavigation(false);
    m_pGroups->setUniformRowHeights(true);
    m_pSummary = new QLabel(this);
    m_pSummary->setObjectName(QStringLiteral("summary"));
    m_pLedger = new QLabel(this);
    m_pLedger->setObjectName(QStringLiteral("ledger"));
    m_pOpenBalance = new QCheckBox(
        QStringLiteral("Then open &Balance with the bank's balance as the statement balance"),
        this);
    m_pOpenBalance->setObjectName(QStringLiteral("openBalance"));
    m_pOk = MakeButton(EDlgButton::Ok);
    m_pCancel = MakeButton(EDlgButton::Cancel);
    LayOut();
    connect(m_pDateOrder, &QComboBox::activated, this, &CDlgReconcile::OnDateOrderChanged);
    SetHelp(QStringLiteral("::/DlgReconcile.txt"), {{m_pGroups, 3200},
                                                    {m_pDateOrder, 3201},
                                                    {m_pOpenBalance, 3202},
                                                    {m_pOk, 3203},
                                                    {m_pCancel, 3204}});
}

void CDlgReconcile::LayOut() {
    auto* pOrder = new QHBoxLayout;
    pOrder->addWidget(m_pOrderLabel);
    pOrder->addWidget(m_pDateOrder);
    pOrder->addStretch();
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pFile);
    pLayout->addLayout(pOrder);
    pLayout->addWidget(m_pGroups, 1);
    pLayout->addWidget(m_pSummary);
    pLayout->addWidget(m_pLedger);
    pLayout->addWidget(m_pOpenBalance);
    pLayout->addLayout(MakeButtonRow({m_pOk, m_pCancel}));
    SetTabOrder({m_pDateOrder, m_pGroups, m_pOpenBalance, m_pOk, m_pCancel});
    resize(820, 520);
}

void CDlgReconcile::OnInitDialog() {
    m_pFile->setText(QStringLiteral("%1 compared with the register. Nothing changes before OK.")
                         .arg(QString::fromStdString(m_strFileName).toHtmlEscaped()));
    ShowDateOrders(m_pOrderLabel, m_pDateOrder, m_orders, m_dateOrder);
    ShowPlan();
    m_pGroups->setFocus(Qt::OtherFocusReason);
}

QTreeWidgetItem* CDlgReconcile::AddGroup(const QString& strTitle, int nCount, bool bExpanded) {
    auto* pGroup =
        new QTreeWidgetItem(m_pGroups, {QStringLiteral("%1 (%2)").arg(strTitle).arg(nCount)});
    pGroup->setFirstColumnSpanned(true);
    QFont font = pGroup->font(0);
    font.setBold(true);
    pGroup->setFont(0, font);
    pGroup->setExpanded(bExpanded);
    return pGroup;
}

// A bank transaction: as the bank wrote it, with the entry it matches.
void CDlgReconcile::AddBankLine(QTreeWidgetItem* pGroup, const CReconcileLine& line) {
    const CImportRow& row = m_plan.m_import.m_rows[std::size_t(line.m_nRow)];
    auto* pItem = new QTreeWidgetItem(pGroup);
    pItem->setText(COL_DATE, DateText(row.m_date));
    pItem->setText(COL_NUM, row.m_nCheckNum ? QString::number(row.m_nCheckNum) : QString());
    pItem->setText(COL_DESC, QString::fromStdString(row.m_strDesc));
    pItem->setText(COL_AMOUNT, Amount(row.SignedAmount()));
    pItem->setTextAlignment(COL_AMOUNT, Qt::AlignRight | Qt::AlignVCenter);
    if (line.m_nEntry >= 0 && m_pDoc && line.m_nEntry < m_pDoc->EntryCount())
        pItem->setText(COL_ENTRY, EntryText(*m_pDoc->GetEntryAt(std::uint16_t(line.m_nEntry))));
    if (line.m_nGroup == EReconcileGroup::Skipped)
        pItem->setText(COL_ENTRY, QString::fromStdString("skipped: " + row.m_strReason));
    if (line.m_nGroup == EReconcileGroup::New) {
        pItem->setCheckState(COL_DATE, Qt::Checked);
        pItem->setData(COL_DATE, ROW_ROLE, line.m_nRow);
    }
}

void CDlgReconcile::AddEntryLine(QTreeWidgetItem* pGroup, const CReconcileLine& line) {
    if (!m_pDoc || line.m_nEntry < 0 || line.m_nEntry >= m_pDoc->EntryCount())
        return;
    const CEntry& e = *m_pDoc->GetEntryAt(std::uint16_t(line.m_nEntry));
    auto* pItem = new QTreeWidgetItem(pGroup);
    pItem->setText(COL_DATE, DateText(e.m_date));
    pItem->setText(COL_NUM, e.m_nCheckNum ? QString::number(e.m_nCheckNum) : QString());
    pItem->setText(COL_DESC, QString::fromStdString(e.m_strDesc));
    pItem->setText(COL_AMOUNT, Amount(e.m_bDebit ? -e.m_dAmount : e.m_dAmount));
    pItem->setTextAlignment(COL_AMOUNT, Qt::AlignRight | Qt::AlignVCenter);
}

void CDlgReconcile::ShowPlan() {
    m_pGroups->clear();
    QTreeWidgetItem* pCleared = AddGroup(QStringLiteral("Posted by the bank: marked cleared on OK"),
                                         m_plan.m_nCleared, true);
    QTreeWidgetItem* pNew =
        AddGroup(QStringLiteral("At the bank, not in the register: ticked ones are added"),
                 m_plan.m_nNew, true);
    QTreeWidgetItem* pOutstanding = AddGroup(QStringLiteral("In the register, not yet at the bank"),
                                             m_plan.m_nOutstanding, true);
    // Matches that change nothing are there to be looked at, not in the way.
    QTreeWidgetItem* pAlready =
        m_plan.m_nAlreadyCleared
            ? AddGroup(QStringLiteral("Posted by the bank and already cleared"),
                       m_plan.m_nAlreadyCleared, false)
            : nullptr;
    QTreeWidgetItem* pSkipped =
        m_plan.m_nSkipped ? AddGroup(QStringLiteral("Skipped"), m_plan.m_nSkipped, true) : nullptr;
    for (const CReconcileLine& line : m_plan.m_lines) {
        switch (line.m_nGroup) {
        case EReconcileGroup::Cleared:
            AddBankLine(pCleared, line);
            break;
        case EReconcileGroup::AlreadyCleared:
            AddBankLine(pAlready, line);
            break;
        case EReconcileGroup::New:
            AddBankLine(pNew, line);
            break;
        case EReconcileGroup::Skipped:
            AddBankLine(pSkipped, line);
            break;
        case EReconcileGroup::Outstanding:
            AddEntryLine(pOutstanding, line);
            break;
        }
    }
    for (int c = 0; c < COL_COUNT; ++c)
        m_pGroups->resizeColumnToContents(c);
    m_pGroups->setCurrentItem(pCleared);
    m_pSummary->setText(QString::fromStdString(ReconcileSummary(m_plan)));
    m_pLedger->setVisible(m_plan.m_dLedger.has_value());
    m_pOpenBalance->setVisible(m_plan.m_dLedger.has_value());
    m_pOpenBalance->setChecked(m_plan.m_dLedger.has_value());
    if (m_plan.m_dLedger)
        m_pLedger->setText(
            QStringLiteral("The bank's ledger balance: %1").arg(Amount(*m_plan.m_dLedger)));
}

void CDlgReconcile::OnDateOrderChanged(int nIndex) {
    if (nIndex < 0 || nIndex >= int(m_orders.size()) || !m_fnReplan)
        return;
    const EDateOrder order = m_orders[std::size_t(nIndex)].m_order;
    if (order == m_dateOrder)
        return;
    if (std::optional<CReconcilePlan> plan = m_fnReplan(order)) {
        m_dateOrder = order;
        m_plan = std::move(*plan);
        ShowPlan();
    }
}

bool CDlgReconcile::OnOK() {
    m_ticks.assign(m_plan.m_import.m_rows.size(), false);
    for (QTreeWidgetItemIterator it(m_pGroups); *it; ++it) {
        const QVariant row = (*it)->data(COL_DATE, ROW_ROLE);
        if (row.isValid() && (*it)->checkState(COL_DATE) == Qt::Checked)
            m_ticks[std::size_t(row.toInt())] = true;
    }
    m_bOpenBalance = m_plan.m_dLedger && m_pOpenBalance->isChecked();
    return true;
}
