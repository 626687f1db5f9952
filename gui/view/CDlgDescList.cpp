#include "CDlgDescList.h"
#include "CDlgDescItem.h"
#include "core/document/CDescList.h"
#include "core/document/Limits.h"
#include "gui/framework/CDataExchange.h"
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CDlgDescList::CDlgDescList(QWidget* pParent)
    : CDlgBase(pParent, QStringLiteral("Description List")) {
    m_pList = new QListWidget(this);
    m_pList->setObjectName(QStringLiteral("list"));
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setUniformItemSizes(true);
    const QFontMetrics fm = fontMetrics();
    m_pList->setMinimumSize(fm.averageCharWidth() * 40, fm.height() * 14);

    auto makeButton = [this](const char* pszText, const char* pszName) {
        auto* pButton = new QPushButton(QString::fromLatin1(pszText), this);
        pButton->setObjectName(QString::fromLatin1(pszName));
        return pButton;
    };
    m_pAdd = makeButton("Add", "add");
    m_pEdit = makeButton("Edit", "edit");
    m_pDelete = makeButton("Delete", "delete");
    m_pOk = MakeButton(EDlgButton::Ok);
    m_pEdit->setEnabled(false);
    m_pDelete->setEnabled(false);

    connect(m_pAdd, &QPushButton::clicked, this, &CDlgDescList::OnAdd);
    connect(m_pEdit, &QPushButton::clicked, this, &CDlgDescList::OnEdit);
    connect(m_pDelete, &QPushButton::clicked, this, &CDlgDescList::OnDelete);
    connect(m_pList, &QListWidget::itemSelectionChanged, this, &CDlgDescList::OnSelectionChanged);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, &CDlgDescList::OnEdit);

    auto* pButtons = new QVBoxLayout;
    pButtons->addWidget(m_pAdd);
    pButtons->addWidget(m_pEdit);
    pButtons->addWidget(m_pDelete);
    pButtons->addStretch();
    pButtons->addWidget(m_pOk);
    auto* pLayout = new QHBoxLayout(this);
    pLayout->addWidget(m_pList, 1);
    pLayout->addLayout(pButtons);

    SetHelp(QStringLiteral("::/DlgDescList.txt"),
            {{m_pList, 1600}, {m_pAdd, 1601}, {m_pEdit, 1602}, {m_pDelete, 1603}, {m_pOk, 1604}});
}

void CDlgDescList::OnInitDialog() {
    m_pList->clear();
    for (const std::string& strDesc : m_descs)
        m_pList->addItem(QString::fromStdString(strDesc));
    m_pList->setFocus(Qt::OtherFocusReason);
    OnSelectionChanged();
}

int CDlgDescList::GetSelectedIndex() const {
    const QModelIndexList selected = m_pList->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void CDlgDescList::SelectIndex(int nIndex) {
    if (nIndex < 0 || nIndex >= m_pList->count()) {
        m_pList->clearSelection();
        return;
    }
    m_pList->setCurrentRow(nIndex, QItemSelectionModel::ClearAndSelect);
}

void CDlgDescList::OnSelectionChanged() {
    const bool bSelected = GetSelectedIndex() >= 0;
    m_pEdit->setEnabled(bSelected);
    m_pDelete->setEnabled(bSelected);
}

void CDlgDescList::OnAdd() {
    if (m_descs.size() >= static_cast<std::size_t>(MAX_DESCS)) {
        ShowAppMessage(this,
                       QStringLiteral("The maximum number of Description List \nentries is %1.")
                           .arg(MAX_DESCS),
                       QMessageBox::Information);
        return;
    }
    CDlgDescItem dlg(this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    if (!CanAddDescription(m_descs, dlg.m_strText))
        return;
    m_descs.push_back(dlg.m_strText);
    m_pList->addItem(QString::fromStdString(dlg.m_strText));
}

void CDlgDescList::OnEdit() {
    const int nIndex = GetSelectedIndex();
    if (nIndex < 0)
        return;
    if (static_cast<std::size_t>(nIndex) >= m_descs.size())
        return;
    CDlgDescItem dlg(this);
    dlg.m_strText = m_descs[static_cast<std::size_t>(nIndex)];
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_descs[static_cast<std::size_t>(nIndex)] = dlg.m_strText;
    m_pList->item(nIndex)->setText(QString::fromStdString(dlg.m_strText));
    SelectIndex(nIndex);
}

void CDlgDescList::OnDelete() {
    const int nIndex = GetSelectedIndex();
    if (nIndex < 0)
        return;
    if (static_cast<std::size_t>(nIndex) < m_descs.size())
        m_descs.erase(m_descs.begin() + nIndex);
    delete m_pList->takeItem(nIndex);
    SelectIndex(nIndex < m_pList->count() ? nIndex : nIndex - 1);
    OnSelectionChanged();
}
