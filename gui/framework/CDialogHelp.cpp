#include "CDialogHelp.h"
#include <QAction>
#include <QDialog>
#include <QEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QWhatsThis>
#include <QWidget>
#include <map>

namespace {

ContextHelpHandler s_fnHandler;

// Answers help requests inside one dialog: the listed controls get their popups, every
// other request is taken as handled so that nothing else reacts to it.
class CDialogHelpFilter : public QObject {
public:
    CDialogHelpFilter(QDialog* pDlg, QString strTopic)
        : QObject(pDlg), m_strTopic(std::move(strTopic)) {}

    void Add(QWidget* pWidget, int nHelpId) {
        if (pWidget == nullptr)
            return;
        m_ids[pWidget] = nHelpId;
        pWidget->installEventFilter(this);
        connect(pWidget, &QObject::destroyed, this, [this](QObject* pGone) { m_ids.erase(pGone); });
    }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        switch (pEvent->type()) {
        case QEvent::KeyPress:
            return OnKey(pWatched, static_cast<QKeyEvent*>(pEvent));
        case QEvent::WhatsThis:
            return OnWhatsThis(pWatched, static_cast<QHelpEvent*>(pEvent));
        case QEvent::QueryWhatsThis:
            if (m_ids.count(pWatched) == 0)
                return false;
            pEvent->accept();
            return true;
        default:
            return false;
        }
    }

private:
    bool OnKey(QObject* pWatched, QKeyEvent* pKey) {
        bool bHelpKey = pKey->key() == Qt::Key_F1 || pKey->key() == Qt::Key_Help;
        if (!bHelpKey || pKey->modifiers() != Qt::NoModifier)
            return false;
        auto it = m_ids.find(pWatched);
        if (it != m_ids.end()) {
            auto* pWidget = static_cast<QWidget*>(pWatched);
            QPoint ptBelow(pWidget->width() / 2, pWidget->height());
            Show(it->second, pWidget->mapToGlobal(ptBelow));
        }
        pKey->accept();
        return true;
    }

    bool OnWhatsThis(QObject* pWatched, QHelpEvent* pHelp) {
        auto it = m_ids.find(pWatched);
        if (it != m_ids.end())
            Show(it->second, pHelp->globalPos());
        pHelp->accept();
        return true;
    }

    void Show(int nHelpId, const QPoint& ptGlobal) {
        if (s_fnHandler)
            s_fnHandler(m_strTopic, nHelpId, ptGlobal);
    }

    QString m_strTopic;
    std::map<const QObject*, int> m_ids;
};

} // namespace

void SetContextHelpHandler(ContextHelpHandler fnHandler) {
    s_fnHandler = std::move(fnHandler);
}

void InstallDialogHelp(QDialog* pDlg, const QString& strTopic,
                       std::initializer_list<std::pair<QWidget*, int>> helpIds) {
    if (pDlg == nullptr)
        return;
    pDlg->setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    auto* pFilter = new CDialogHelpFilter(pDlg, strTopic);
    pDlg->installEventFilter(pFilter);
    for (const auto& [pWidget, nHelpId] : helpIds)
        pFilter->Add(pWidget, nHelpId);
    // Shift+F1 enters "What's This?" mode where the title bar has no help button.
    pDlg->addAction(QWhatsThis::createAction(pDlg));
}
