#include "CTallywiseView.h"
#include "CDlgEntry.h"
#include "CDlgStartBal.h"
#include "CRegisterModel.h"
#include "core/document/CTallywiseDoc.h"
#include "core/document/EntryTypes.h"
#include "core/document/RegisterCells.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"
#include "core/framework/IUserMessages.h"
#include "core/settings/CSettings.h"
#include "core/settings/Options.h"
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QStyledItemDelegate>
#include <algorithm>
#include <memory>

namespace {

// Full-row selection looks wrong with a focus frame around a single cell.
class CRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* pOption, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(pOption, index);
        pOption->state &= ~QStyle::State_HasFocus;
    }
};

class CWaitCursor {
public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

} // namespace

QColor ColorFromRef(int nColor) {
    return QColor(nColor & 0xFF, (nColor >> 8) & 0xFF, (nColor >> 16) & 0xFF);
}

int ColorToRef(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QFont MakeListFont(const std::string& strFace, int nTenths) {
    // A face this desktop lacks ("MS Sans Serif" on Linux) is drawn with a narrow sans-serif
    // face, so that the default columns at the default window size still hold "(-99999.99)";
    // the desktop's sans-serif, the last resort, is too wide for that.
    const QString strFamily = QString::fromStdString(strFace);
    QFont font(strFamily);
    font.setFamilies({strFamily, QStringLiteral("Liberation Sans Narrow")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(nTenths > 0 ? nTenths / 10.0 : 8.0);
    return font;
}

CTallywiseView::CTallywiseView(CTallywiseDoc& doc, CSettings& settings, QWidget* pParent)
    : QTableView(pParent), m_doc(doc), m_settings(settings),
      m_pModel(new CRegisterModel(doc, settings.m_userTypes, this)) {
    setObjectName(QStringLiteral("register"));
    setModel(m_pModel);
    setItemDelegate(new CRowDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setSortingEnabled(false);
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContextMenuPolicy(Qt::DefaultContextMenu);

    QHeaderView* pHeader = horizontalHeader();
    pHeader->setSectionResizeMode(QHeaderView::Fixed);
    pHeader->setSectionsMovable(false);
    pHeader->setSectionsClickable(false);
    pHeader->setHighlightSections(false);
    pHeader->setStretchLastSection(false);
    pHeader->setMinimumSectionSize(0);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);

    // Selection stays visible while another window has the focus.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
                 pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CTallywiseView::CommandStateChanged);
    connect(m_pModel, &QAbstractItemModel::modelReset, this, &CTallywiseView::CommandStateChanged);
    connect(m_pModel, &QAbstractItemModel::rowsRemoved, this, &CTallywiseView::CommandStateChanged);
    // Before any rows arrive: a new row height set over a long register resizes every row.
    ApplyListFont(m_settings.m_strFont, m_settings.m_nFontSize);
    ApplyListColours(m_settings.m_nBkColor, m_settings.m_nTxColor);
    UpdateColumnWidths();
    GetDocument().SetObserver(this);
}

CTallywiseView::~CTallywiseView() {
    GetDocument().SetObserver(nullptr);
}

void CTallywiseView::OnInitialUpdate() {
    {
        CWaitCursor wait;
        const CDayMonthYear today = SplitLocalDate(GetDocument().Today());
        m_nNewDay = today.m_nDay;
        m_nNewMonth = today.m_nMonth;
        m_nNewYear = today.m_nYear;
        // The document announced its new rows when it was emptied or loaded.
        SelectRow(m_pModel->rowCount() - 1);
    }
    Q_EMIT CommandStateChanged();
}

void CTallywiseView::OnEntryInserted(std::uint16_t nPos) {
    InsertRow(nPos, true);
}

void CTallywiseView::OnEntryRemoved(std::uint16_t nPos) {
    DeleteRow(nPos);
}

// The selection stays on its row where the register still has one.
void CTallywiseView::OnEntriesReset() {
    const std::optional<std::uint16_t> nSelected = GetSelectedRow();
    m_pModel->Rebuild();
    if (nSelected && *nSelected < m_pModel->rowCount())
        SelectRow(*nSelected, false);
}

void CTallywiseView::OnBalancesChanged(std::uint16_t nFrom) {
    RefreshBalances(nFrom);
}

void CTallywiseView::OnEntryChanged(std::uint16_t nPos) {
    RefreshRow(nPos);
}

void CTallywiseView::OnDocumentChanged() {
    Q_EMIT CommandStateChanged();
}

void CTallywiseView::InsertRow(std::uint16_t nPos, bool bSelect) {
    m_pModel->InsertRow(nPos);
    if (bSelect)
        SelectRow(std::min<int>(nPos, m_pModel->rowCount() - 1));
    Q_EMIT CommandStateChanged();
}

void CTallywiseView::DeleteRow(std::uint16_t nPos) {
    m_pModel->DeleteRow(nPos);
}

void CTallywiseView::RefreshBalances(std::uint16_t nFrom) {
    const int nLast = std::min<int>(GetDocument().EntryCount(), m_pModel->rowCount()) - 1;
    m_pModel->RefreshColumn(COL_BALANCE, nFrom, nLast);
}

void CTallywiseView::RefreshRow(std::uint16_t nPos) {
    m_pModel->RefreshRow(nPos);
}

std::optional<std::uint16_t> CTallywiseView::GetSelectedRow() const {
    const int nRows = std::min<int>(GetDocument().EntryCount(), m_pModel->rowCount());
    int nFirst = nRows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        nFirst = std::min(nFirst, index.row());
    if (nFirst >= nRows)
        return std::nullopt;
    return std::uint16_t(nFirst);
}

bool OnUpdateEntrySelected(const CCommandContext& context) {
    return context.m_list.GetSelectedRow().has_value();
}

void CTallywiseView::OnOptionsApplied(const COptionsApplied& applied) {
    if (applied.m_bUserTypesChanged)
        m_pModel->RefreshColumn(COL_TYPE, 0, m_pModel->rowCount() - 1);
    if (applied.m_bFontChanged)
        ApplyListFont(m_settings.m_strFont, m_settings.m_nFontSize);
    if (applied.m_bColorsChanged)
        ApplyListColours(m_settings.m_nBkColor, m_settings.m_nTxColor);
    if (applied.m_bFontChanged || applied.m_bColorsChanged)
        viewport()->repaint();
}

void CTallywiseView::ApplyListFont(const std::string& strFace, int nTenths) {
    const QFont font = MakeListFont(strFace, nTenths);
    setFont(font);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 3);
    viewport()->update();
}

void CTallywiseView::ApplyListColours(int nBkColor, int nTxColor) {
    QPalette pal = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, ColorFromRef(nBkColor));
        pal.setColor(group, QPalette::Text, ColorFromRef(nTxColor));
    }
    setPalette(pal);
    viewport()->update();
}

void CTallywiseView::SetPopupActions(QAction* pAdd, QAction* pEdit, QAction* pDelete) {
    m_pPopupAdd = pAdd;
    m_pPopupEdit = pEdit;
    m_pPopupDelete = pDelete;
}

// ---- Entry commands ------------------------------------------------------------------

namespace {
// The entry the dialog describes; only checks carry a number.
CEntry EntryFromDialog(const CDlgEntry& dlg, const CUserTypeTable& types) {
    CEntry e;
    e.m_nCheckNum = dlg.m_nTypeIndex == 0 ? static_cast<std::uint16_t>(dlg.m_nCheckNum) : 0;
    e.m_date = MakeLocalDate(dlg.m_nYear, dlg.m_nMonth, dlg.m_nDay);
    e.m_strDesc = dlg.m_strDesc;
    e.m_nType = static_cast<std::int8_t>(TypeFromComboIndex(dlg.m_nTypeIndex, types));
    e.m_dAmount = dlg.m_dAmount;
    e.m_bDebit = dlg.m_nDebitCredit == 0 ? 1 : 0;
    e.m_dBalance = 0.0;
    e.m_bCleared = dlg.m_bCleared ? 1 : 0;
    return e;
}
} // namespace

// Runs the Entry dialog over a copy of the description list, which "..." may change: the
// list is taken back, and so the document marked modified, whatever the answer.
bool CTallywiseView::RunEntryDialog(CDlgEntry& dlg) {
    CTallywiseDoc& doc = GetDocument();
    dlg.m_descs = doc.Descriptions();
    const bool bOk = dlg.exec() == QDialog::Accepted;
    doc.SetDescriptions(std::move(dlg.m_descs));
    Q_EMIT CommandStateChanged();
    return bOk;
}

bool CTallywiseView::EnsureStartingBalance() {
    const bool bWasSet = GetDocument().IsStartBalSet();
    const bool bSet = ::EnsureStartingBalance(GetDocument(), this);
    if (bSet && !bWasSet)
        Q_EMIT CommandStateChanged();
    return bSet;
}

void CTallywiseView::SetStartingBalance(double dStartBal) {
    GetDocument().SetStartingBalance(dStartBal);
    Q_EMIT CommandStateChanged();
}

void CTallywiseView::OnAddEntry() {
    CTallywiseDoc& doc = GetDocument();
    bool bPinned = false;
    for (;;) {
        if (doc.EntryCount() >= MAX_ENTRIES) {
            doc.Messages().ShowMessage(
                Format("You have reached the maximum \nentry limit of %d entries. \nArchive old "
                       "transactions to \nadd new entries.",
                       MAX_ENTRIES),
                EMsgIcon::Information);
            return;
        }
        if (!EnsureStartingBalance())
            return;
        CDlgEntry dlg(&m_settings.m_userTypes, this);
        dlg.m_bAddMode = true;
        dlg.m_nDay = m_nNewDay;
        dlg.m_nMonth = m_nNewMonth;
        dlg.m_nYear = m_nNewYear;
        dlg.m_dAmount = 0.0;
        dlg.m_nDebitCredit = 0;
        dlg.m_nTypeIndex = m_settings.m_nAType;
        dlg.m_bCleared = m_settings.m_nACleared != 0;
        dlg.m_nCheckNum = doc.NextCheck();
        dlg.m_bPinned = bPinned;
        if (!RunEntryDialog(dlg))
            return;
        if (dlg.m_nTypeIndex == 0)
            doc.SetNextCheck(static_cast<std::uint16_t>(dlg.m_nCheckNum + 1));
        doc.AddDescription(dlg.m_strDesc);
        CEntry entry = EntryFromDialog(dlg, m_settings.m_userTypes);
        m_nNewDay = dlg.m_nDay;
        m_nNewMonth = dlg.m_nMonth;
        m_nNewYear = dlg.m_nYear;
        if (!doc.InsertEntry(std::move(entry)))
            return;
        doc.RefreshTypeUsage();
        Q_EMIT CommandStateChanged();
        if (!dlg.m_bPinned)
            return;
        bPinned = true;
    }
}

void CTallywiseView::OnEditEntry() {
    std::optional<std::uint16_t> nRow = GetSelectedRow();
    if (!nRow)
        return;
    CTallywiseDoc& doc = GetDocument();
    const std::uint16_t i = *nRow;
    const CEntry* e = doc.GetEntryAt(i);
    if (!e)
        return;
    const CUserTypeTable listed = TypesListedFor(e->m_nType, m_settings.m_userTypes);
    CDlgEntry dlg(&listed, this);
    dlg.m_bAddMode = false;
    const CDayMonthYear date = SplitLocalDate(e->m_date);
    dlg.m_nDay = date.m_nDay;
    dlg.m_nMonth = date.m_nMonth;
    dlg.m_nYear = date.m_nYear;
    dlg.m_strDesc = e->m_strDesc;
    dlg.m_dAmount = e->m_dAmount;
    dlg.m_nDebitCredit = e->m_bDebit ? 0 : 1;
    dlg.m_bCleared = e->m_bCleared == 1;
    dlg.m_nTypeIndex = TypeComboIndex(e->m_nType, listed);
    dlg.m_bNextCheckOffered = e->m_nType != TYPE_CHECK;
    dlg.m_nCheckNum = dlg.m_bNextCheckOffered ? doc.NextCheck() : e->m_nCheckNum;
    if (!RunEntryDialog(dlg))
        return;
    if (dlg.m_nTypeIndex == 0 && dlg.m_bNextCheckOffered)
        doc.SetNextCheck(static_cast<std::uint16_t>(dlg.m_nCheckNum + 1));
    doc.AddDescription(dlg.m_strDesc);
    doc.ReplaceEntry(i, EntryFromDialog(dlg, listed));
    doc.RefreshTypeUsage();
    Q_EMIT CommandStateChanged();
}

void CTallywiseView::OnDeleteEntry() {
    CTallywiseDoc& doc = GetDocument();
    std::optional<std::uint16_t> nRow = GetSelectedRow();
    if (doc.EntryCount() == 0 || !nRow)
        return;
    const std::uint16_t i = *nRow;
    doc.RemoveEntry(i, true, true);
    SelectAfterRemoval(i);
    Q_EMIT CommandStateChanged();
}

// The row that took the removed one's place, or the one above the end.
void CTallywiseView::SelectAfterRemoval(std::uint16_t nRow) {
    if (GetDocument().EntryCount() > nRow)
        SelectRow(nRow, false);
    else if (nRow > 0)
        SelectRow(nRow - 1, false);
}

void CTallywiseView::OnStartingBalance() {
    CDlgStartBal dlg(this);
    dlg.m_dStartBal = GetDocument().StartBalance();
    if (dlg.exec() != QDialog::Accepted)
        return;
    SetStartingBalance(dlg.m_dStartBal);
}

void CTallywiseView::contextMenuEvent(QContextMenuEvent* pEvent) {
    window()->activateWindow();
    viewport()->repaint();
    Q_EMIT CommandUpdateNeeded();
    QMenu menu(window());
    auto addItem = [&menu](const QString& strText, QAction* pCommand) {
        QAction* pItem = menu.addAction(strText);
        if (!pCommand) {
            pItem->setEnabled(false);
            return;
        }
        pItem->setEnabled(pCommand->isEnabled());
        pItem->setStatusTip(pCommand->statusTip());
        connect(pItem, &QAction::triggered, pCommand, &QAction::trigger);
    };
    addItem(QStringLiteral("Edit Entry"), m_pPopupEdit);
    addItem(QStringLiteral("Delete Entry"), m_pPopupDelete);
    menu.addSeparator();
    addItem(QStringLiteral("Add Entry"), m_pPopupAdd);
    menu.exec(pEvent->globalPos());
}

void CTallywiseView::mouseDoubleClickEvent(QMouseEvent* pEvent) {
    QTableView::mouseDoubleClickEvent(pEvent);
    if (pEvent->button() == Qt::LeftButton)
        OnListDblClk();
}

bool CTallywiseView::viewportEvent(QEvent* pEvent) {
    const bool bResult = QTableView::viewportEvent(pEvent);
    if (pEvent->type() == QEvent::Resize)
        UpdateColumnWidths();
    return bResult;
}

void CTallywiseView::OnListDblClk() {
    if (m_settings.m_nDblClick == 1) {
        OnEditEntry();
        return;
    }
    if (const std::optional<std::uint16_t> row = GetSelectedRow())
        ToggleCleared(*row);
}

void CTallywiseView::ToggleCleared(std::uint16_t nRow) {
    const CEntry* pEntry = m_pModel->EntryAt(nRow);
    if (!pEntry)
        return;
    GetDocument().SetEntryCleared(nRow, pEntry->m_bCleared == 1 ? 0 : 1);
}

void CTallywiseView::UpdateColumnWidths() {
    const std::array<int, COL_COUNT> widths = ColumnWidths(viewport()->width());
    QHeaderView* pHeader = horizontalHeader();
    for (int nColumn = 0; nColumn < COL_COUNT; ++nColumn)
        if (pHeader->sectionSize(nColumn) != widths[nColumn])
            pHeader->resizeSection(nColumn, widths[nColumn]);
}

void CTallywiseView::SelectRow(int nRow, bool bScroll) {
    if (nRow < 0 || nRow >= m_pModel->rowCount()) {
        clearSelection();
        return;
    }
    const QModelIndex index = m_pModel->index(nRow, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    if (bScroll)
        scrollTo(index, QAbstractItemView::EnsureVisible);
}
