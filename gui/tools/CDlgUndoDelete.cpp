#include "CDlgUndoDelete.h"
#include "core/document/CTallywiseDoc.h"
#include "core/document/RegisterCells.h"
#include "core/settings/CSettings.h"
#include "core/tools/UndoDelete.h"
#include "gui/controls/ReportList.h"
#include "gui/framework/CCommandContext.h"
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The register's own columns, as shares of 392.
const struct {
    int m_nRegisterColumn;
    int m_nShare;
} COLUMNS[] = {{COL_NUM, 41},  {COL_DATE, 47},  {COL_DESC, 160},
               {COL_TYPE, 38}, {COL_DEBIT, 53}, {COL_CREDIT, 53}};

const CUserTypeTable& NoUserTypes() {
    static const CUserTypeTable s_none{};
    return s_none;
}

QPushButton* MakeActionButton(const char* pszText, const char* pszName, QWidget* pParent) {
    auto* pButton = new QPushButton(QString::fromLatin1(pszText), pParent);
    pButton->setObjectName(QString::fromLatin1(pszName));
    return pButton;
}

} // namespace

CDlgUndoDelete::CDlgUndoDelete(const CUserTypeTable* pUserTypes, QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Undo Delete")), m_pUserTypes(pUserTypes) {
    m_pList = MakeReportList(this, {{"Num.", Qt::AlignLeft},
                                    {"Date", Qt::AlignHCenter},
                                    {"Desc.", Qt::AlignLeft},
                                    {"Type", Qt::AlignHCenter},
                                    {"Debit", Qt::AlignRight},
                                    {"Credit", Qt::AlignRight}});
    const QFontMetrics fm = fontMetrics();
    m_pList->setFixedSize(fm.averageCharWidth() * 80, fm.height() * 16);
    auto* pLabel = new QLabel(QStringLiteral("Deleted Entries:"), this);
    pLabel->setBuddy(m_pList);
    m_pRestore = MakeActionButton("Restore", "restore", this);
    m_pRestore->setDefault(true);
    m_pRemove = MakeActionButton("Remove", "remove", this);
    m_pRemove->setAutoDefault(false);
    m_pDone = MakeButton(EDlgButton::Done);
    m_pDone->setDefault(false);
    m_pDone->setAutoDefault(false);

    connect(m_pRestore, &QPushButton::clicked, this, &CDlgUndoDelete::OnRestore);
    connect(m_pRemove, &QPushButton::clicked, this, &CDlgUndoDelete::OnRemove);
    connect(m_pList, &QTableWidget::itemSelectionChanged, this, &CDlgUndoDelete::UpdateButtons);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pLabel);
    pLayout->addWidget(m_pList);
    pLayout->addLayout(MakeButtonRow({m_pRestore, m_pRemove, m_pDone}));
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    SetHelp(QStringLiteral("::/DlgUndoDelete.txt"),
            {{m_pList, 2900}, {m_pRestore, 2901}, {m_pRemove, 2902}, {m_pDone, 2903}});
}

void CDlgUndoDelete::setVisible(bool bVisible) {
    const bool bOpening = bVisible && !isVisible();
    CDlgBase::setVisible(bVisible);
    // The client width is known once the dialog is laid out.
    if (bOpening)
        SetColumnWidths();
}

void CDlgUndoDelete::OnInitDialog() {
    const CUserTypeTable& types = m_pUserTypes ? *m_pUserTypes : NoUserTypes();
    m_nRestore.reset();
    m_pList->setRowCount(0);
    int nRow = 0;
    for (const CDeletedEntry& e : m_deleted) {
        m_pList->insertRow(nRow);
        for (int nColumn = 0; nColumn < int(std::size(COLUMNS)); ++nColumn)
            SetReportCell(
                m_pList, nRow, nColumn,
                QString::fromStdString(CellText(e, COLUMNS[nColumn].m_nRegisterColumn, types)));
        ++nRow;
    }
    SelectReportRow(m_pList, nRow > 0 ? 0 : -1);
    UpdateButtons();
    m_pList->setFocus(Qt::OtherFocusReason);
}

void CDlgUndoDelete::SetColumnWidths() {
    const int nWidth = m_pList->viewport()->width();
    for (int nColumn = 0; nColumn < int(std::size(COLUMNS)); ++nColumn)
        m_pList->setColumnWidth(nColumn, nWidth * COLUMNS[nColumn].m_nShare / 392);
}

void CDlgUndoDelete::UpdateButtons() {
    const bool bSelected = SelectedReportRow(m_pList) >= 0;
    m_pRestore->setEnabled(bSelected);
    m_pRemove->setEnabled(bSelected);
}

void CDlgUndoDelete::OnRestore() {
    const int nRow = SelectedReportRow(m_pList);
    if (nRow < 0)
        return;
    m_nRestore = static_cast<std::uint16_t>(nRow);
    accept();
}

void CDlgUndoDelete::OnRemove() {
    const int nRow = SelectedReportRow(m_pList);
    if (nRow < 0 || nRow >= static_cast<int>(m_deleted.size()))
        return;
    m_deleted.erase(m_deleted.begin() + nRow);
    m_pList->removeRow(nRow);
    SelectReportRow(m_pList, std::min(nRow, m_pList->rowCount() - 1));
    UpdateButtons();
}

void OnUndoDelete(CCommandContext& context) {
    CTallywiseDoc& doc = context.m_doc;
    CDlgUndoDelete dlg(&context.m_settings.m_userTypes, context.m_pParent);
    dlg.m_deleted = doc.DeletedEntries();
    const bool bRestore = dlg.exec() == QDialog::Accepted && dlg.m_nRestore;
    doc.SetDeletedEntries(std::move(dlg.m_deleted));
    if (bRestore)
        if (const std::optional<std::uint16_t> nPos = RestoreDeletedEntry(doc, *dlg.m_nRestore))
            context.m_list.ShowRow(*nPos);
    doc.RefreshTypeUsage();
}
