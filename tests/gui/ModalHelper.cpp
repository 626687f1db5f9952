#include "ModalHelper.h"
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>

struct CModalHelper::CQueue {
    std::deque<Handler> m_handlers;
    QPointer<QWidget> m_pLast;
    QPointer<QWidget> m_pSeen;
    QTimer m_timer;
};

void CModalHelper::Then(Handler h) {
    if (!m_pQueue) {
        m_pQueue = new CQueue;
        m_pQueue->m_timer.setInterval(10);
        QObject::connect(&m_pQueue->m_timer, &QTimer::timeout, [q = m_pQueue] {
            QWidget* pModal = QApplication::activeModalWidget();
            if (!pModal) {
                q->m_pLast = nullptr; // the same dialog shown again counts as new
                q->m_pSeen = nullptr;
            }
            if (!pModal || pModal == q->m_pLast || q->m_handlers.empty() || !pModal->isVisible())
                return;
            // A dialog closed in this pass of the event loop has not yet returned from its
            // exec(): the code after it (adding the row it was for) runs once the pass ends.
            // The window under it is answered only when a later pass still finds it on top.
            if (pModal != q->m_pSeen) {
                q->m_pSeen = pModal;
                return;
            }
            q->m_pLast = pModal;
            Handler next = std::move(q->m_handlers.front());
            q->m_handlers.pop_front();
            QPointer<QWidget> pShown = pModal;
            next(pModal);
            // A failed check returns from the handler early: close the dialog, so that the
            // test ends with its failure instead of waiting for the watchdog.
            if (QTest::currentTestFailed() && pShown && pShown->isVisible())
                pShown->close();
            if (q->m_handlers.empty())
                q->m_timer.stop();
        });
    }
    m_pQueue->m_handlers.push_back(std::move(h));
    Arm();
}

void CModalHelper::ThenMessageBox(int nButton, QString* pText) {
    Then([nButton, pText](QWidget* w) {
        auto* pBox = qobject_cast<QMessageBox*>(w);
        if (!pBox) {
            qWarning("expected a message box, got %s", w->metaObject()->className());
            w->close();
            return;
        }
        if (pText)
            *pText = pBox->text().remove(QChar(0x200B)); // the break points of long words
        QAbstractButton* pButton = pBox->button(QMessageBox::StandardButton(nButton));
        if (pButton)
            pButton->click();
        else
            pBox->close();
    });
}

int CModalHelper::Pending() const {
    return m_pQueue ? int(m_pQueue->m_handlers.size()) : 0;
}

void CModalHelper::Arm() {
    if (!m_pQueue->m_timer.isActive())
        m_pQueue->m_timer.start();
}

CModalHelper::~CModalHelper() {
    delete m_pQueue;
}
