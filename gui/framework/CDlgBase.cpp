#include "CDlgBase.h"
#include "CDialogHelp.h"
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

QWidget* DefaultDialogParent() {
    if (QWidget* pModal = QApplication::activeModalWidget())
        return pModal;
    if (QWidget* pActive = QApplication::activeWindow())
        return pActive;
    for (QWidget* pTop : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(pTop) && pTop->isVisible())
            return pTop;
    return nullptr;
}

QLabel* MakeFieldLabel(const QString& strText, QWidget* pField, QWidget* pParent) {
    auto* pLabel = new QLabel(strText, pParent);
    pLabel->setBuddy(pField);
    return pLabel;
}

CDlgBase::CDlgBase(QWidget* pParent, const QString& strCaption)
    : QDialog(pParent ? pParent : DefaultDialogParent()) {
    if (!strCaption.isEmpty())
        setWindowTitle(strCaption);
}

void CDlgBase::setVisible(bool bVisible) {
    if (bVisible && !isVisible())
        OnInitDialog();
    QDialog::setVisible(bVisible);
}

void CDlgBase::accept() {
    if (OnOK())
        QDialog::accept();
}

void CDlgBase::keyPressEvent(QKeyEvent* pEvent) {
    const bool bEnter = pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter;
    const bool bPlain = (pEvent->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    // A button that is not an automatic default leaves Enter to the dialog, which would
    // press the default button instead.
    auto* pButton = qobject_cast<QPushButton*>(focusWidget());
    if (bEnter && bPlain && pButton && pButton->isVisible()) {
        if (pButton->isEnabled())
            pButton->click();
        return;
    }
    QDialog::keyPressEvent(pEvent);
}

QPushButton* CDlgBase::MakeButton(EDlgButton nButton) {
    QPushButton* pButton = nullptr;
    switch (nButton) {
    case EDlgButton::Ok:
        pButton = new QPushButton(QStringLiteral("OK"), this);
        pButton->setObjectName(QStringLiteral("ok"));
        pButton->setDefault(true);
        connect(pButton, &QPushButton::clicked, this, &QDialog::accept);
        break;
    case EDlgButton::Cancel:
        pButton = new QPushButton(QStringLiteral("Cancel"), this);
        pButton->setObjectName(QStringLiteral("cancel"));
        connect(pButton, &QPushButton::clicked, this, &QDialog::reject);
        break;
    case EDlgButton::Done:
        pButton = new QPushButton(QStringLiteral("Done"), this);
        pButton->setObjectName(QStringLiteral("done"));
        connect(pButton, &QPushButton::clicked, this, &QDialog::accept);
        break;
    }
    return pButton;
}

QHBoxLayout* CDlgBase::MakeButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* pRow = new QHBoxLayout;
    pRow->addStretch();
    for (QPushButton* pButton : buttons)
        pRow->addWidget(pButton);
    return pRow;
}

void CDlgBase::SetTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* pPrevious = nullptr;
    for (QWidget* pWidget : widgets) {
        if (pPrevious)
            setTabOrder(pPrevious, pWidget);
        pPrevious = pWidget;
    }
}

void CDlgBase::SetHelp(const QString& strTopic,
                       std::initializer_list<std::pair<QWidget*, int>> helpIds) {
    InstallDialogHelp(this, strTopic, helpIds);
}
