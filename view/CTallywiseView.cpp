#include "CTallywiseView.h"
#include "../app/CTallywiseApp.h"
#include "../framework/DateTime.h"
#include "CRegisterModel.h"
#include "RegisterCells.h"
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QStyledItemDelegate>

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
    QFont font(QString::fromStdString(strFace));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(nTenths > 0 ? nTenths / 10.0 : 8.0);
    return font;
}

CTallywiseView::CTallywiseView(CTallywiseApp& app, QWidget* pParent)
    : QTableView(pParent), m_app(app), m_pModel(new CRegisterModel(app, this)) {
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
    UpdateColumnWidths();
}

CTallywiseView::~CTallywiseView() = default;

CTallywiseDoc& CTallywiseView::GetDocument() const {
    return m_app.GetDocument();
}

void CTallywiseView::OnInitialUpdate() {
    {
        CWaitCursor wait;
        if (!m_bFontMade) {
            ApplyListFont(m_app.m_strFont, m_app.m_nFontSize);
            ApplyListColours(m_app.m_nBkColor, m_app.m_nTxColor);
            m_bFontMade = true;
        }
        const CDayMonthYear today = SplitLocalDate(m_app.Today());
        m_nNewDay = today.m_nDay;
        m_nNewMonth = today.m_nMonth;
        m_nNewYear = today.m_nYear;
        m_pModel->Rebuild();
        SelectRow(m_pModel->rowCount() - 1);
    }
    PostDueAutoEntries();
    GetDocument().RefreshTypeUsage();
    Q_EMIT CommandStateChanged();
}

void CTallywiseView::OnTitleChanged() {
    Q_EMIT TitleChanged();
}

void CTallywiseView::InsertRow(CEntry& entry, std::uint16_t nPos, bool bSelect) {
    m_pModel->InsertRow(entry, nPos);
    if (bSelect)
        SelectRow(std::min<int>(nPos, m_pModel->rowCount() - 1));
    Q_EMIT CommandStateChanged();
}

void CTallywiseView::DeleteRow(std::uint16_t nPos) {
    m_pModel->DeleteRow(nPos);
}

void CTallywiseView::RefreshBalances(std::uint16_t nFrom) {
    const int nLast = std::min<int>(GetDocument().m_nEntries, m_pModel->rowCount()) - 1;
    m_pModel->RefreshColumn(COL_BALANCE, nFrom, nLast);
}

void CTallywiseView::RefreshRow(std::uint16_t nPos) {
    m_pModel->RefreshRow(nPos);
}

std::optional<std::uint16_t> CTallywiseView::GetSelectedRow() const {
    const int nRows = std::min<int>(GetDocument().m_nEntries, m_pModel->rowCount());
    int nFirst = nRows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        nFirst = std::min(nFirst, index.row());
    if (nFirst >= nRows)
        return std::nullopt;
    return std::uint16_t(nFirst);
}

bool CTallywiseView::OnUpdateEntrySelected() const {
    return GetSelectedRow().has_value();
}

bool CTallywiseView::OnUpdateNeedsStartBal() const {
    return GetDocument().m_bStartBalSet != 0;
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

// The entry commands are wired by their own dialogs.
void CTallywiseView::OnAddEntry() {}
void CTallywiseView::OnEditEntry() {}
void CTallywiseView::OnDeleteEntry() {}
void CTallywiseView::OnStartingBalance() {}

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
    if (m_app.m_nDblClick == 1) {
        OnEditEntry();
        return;
    }
    if (const std::optional<std::uint16_t> row = GetSelectedRow())
        ToggleCleared(*row);
}

void CTallywiseView::ToggleCleared(std::uint16_t nRow) {
    CEntry* pEntry = m_pModel->EntryAt(nRow);
    if (!pEntry)
        return;
    GetDocument().SetModifiedFlag();
    pEntry->m_bCleared = pEntry->m_bCleared == 1 ? 0 : 1;
    m_pModel->RefreshColumn(COL_CLEARED, nRow, nRow);
}

void CTallywiseView::UpdateColumnWidths() {
    const std::array<int, COL_COUNT> widths = ColumnWidths(viewport()->width());
    QHeaderView* pHeader = horizontalHeader();
    for (int nColumn = 0; nColumn < COL_COUNT; ++nColumn)
        if (pHeader->sectionSize(nColumn) != widths[nColumn])
            pHeader->resizeSection(nColumn, widths[nColumn]);
}

void CTallywiseView::SelectRow(int nRow) {
    if (nRow < 0 || nRow >= m_pModel->rowCount()) {
        clearSelection();
        return;
    }
    const QModelIndex index = m_pModel->index(nRow, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index, QAbstractItemView::EnsureVisible);
}

// Offering the automatic entries that fell due comes with the automatic entries tool.
void CTallywiseView::PostDueAutoEntries() {}
