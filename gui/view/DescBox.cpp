#include "DescBox.h"
#include "CDlgDescList.h"
#include "core/framework/FieldLimits.h"
#include "gui/framework/CDataExchange.h"
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

namespace {

bool DescBefore(const QString& a, const QString& b) {
    const int n = QString::compare(a, b, Qt::CaseInsensitive);
    return n != 0 ? n < 0 : a < b;
}

class CDownArrowOpens : public QObject {
public:
    explicit CDownArrowOpens(QComboBox* pBox) : QObject(pBox), m_pBox(pBox) {}

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        if (pWatched == m_pBox && pEvent->type() == QEvent::KeyPress) {
            const auto* pKey = static_cast<QKeyEvent*>(pEvent);
            if (pKey->key() == Qt::Key_Down && pKey->modifiers() == Qt::NoModifier) {
                m_pBox->showPopup();
                return true;
            }
        }
        return QObject::eventFilter(pWatched, pEvent);
    }

private:
    QComboBox* m_pBox;
};

} // namespace

QComboBox* MakeDescBox(QWidget* pParent) {
    auto* pBox = new QComboBox(pParent);
    pBox->setObjectName(QStringLiteral("desc"));
    pBox->setEditable(true);
    pBox->setInsertPolicy(QComboBox::NoInsert);
    // A completer would fill in a longer description under the user's typing.
    pBox->setCompleter(nullptr);
    pBox->setMaxVisibleItems(15);
    pBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    pBox->setMinimumContentsLength(36);
    SetupTextField(pBox, MAX_DESC_CHARS);
    return pBox;
}

void OpenListOnDownArrow(QComboBox* pBox) {
    pBox->installEventFilter(new CDownArrowOpens(pBox));
}

QPushButton* MakeDescListButton(QWidget* pParent) {
    auto* pButton = new QPushButton(QStringLiteral("..."), pParent);
    pButton->setObjectName(QStringLiteral("descList"));
    pButton->setFixedWidth(pButton->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    return pButton;
}

void FillDescBox(QComboBox* pBox, const CDescItem* pDescs, bool bKeepTyped) {
    QStringList descs;
    for (const CDescItem* p = pDescs; p; p = p->m_pNext)
        descs.append(QString::fromStdString(p->m_strText));
    std::stable_sort(descs.begin(), descs.end(), DescBefore);
    const QString strTyped = pBox->currentText();
    pBox->clear();
    pBox->addItems(descs);
    pBox->setCurrentIndex(-1);
    if (bKeepTyped)
        pBox->setEditText(strTyped);
    else
        pBox->clearEditText();
}

void EditDescList(QWidget* pParent, QComboBox* pBox, CDescItem*& pDescs, std::uint16_t& nDescs,
                  bool bKeepTyped) {
    CDlgDescList dlg(pParent);
    dlg.m_pDescs = pDescs;
    dlg.m_nDescs = nDescs;
    dlg.exec();
    pDescs = dlg.m_pDescs;
    nDescs = dlg.m_nDescs;
    FillDescBox(pBox, pDescs, bKeepTyped);
}
