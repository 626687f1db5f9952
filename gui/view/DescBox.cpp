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
    pBox->installEventFilter(new CDownArrowOpens(pBox));
    return pBox;
}

QPushButton* MakeDescListButton(QWidget* pParent) {
    auto* pButton = new QPushButton(QStringLiteral("..."), pParent);
    pButton->setObjectName(QStringLiteral("descList"));
    pButton->setFixedWidth(pButton->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    return pButton;
}

void FillDescBox(QComboBox* pBox, const CDescList& descs, bool bKeepTyped) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(descs.size()));
    for (const std::string& strDesc : descs)
        texts.append(QString::fromStdString(strDesc));
    std::stable_sort(texts.begin(), texts.end(), DescBefore);
    const QString strTyped = pBox->currentText();
    pBox->clear();
    pBox->addItems(texts);
    pBox->setCurrentIndex(-1);
    if (bKeepTyped)
        pBox->setEditText(strTyped);
    else
        pBox->clearEditText();
}

void EditDescList(QWidget* pParent, QComboBox* pBox, CDescList& descs, bool bKeepTyped) {
    CDlgDescList dlg(pParent);
    dlg.m_descs = std::move(descs);
    dlg.exec();
    descs = std::move(dlg.m_descs);
    FillDescBox(pBox, descs, bKeepTyped);
}
