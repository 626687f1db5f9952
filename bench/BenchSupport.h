#pragma once
#include <QEvent>
#include <QObject>

// Notes that a watched widget has painted at least once.
class CPaintWatch : public QObject {
public:
    bool m_bPainted = false;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Paint)
            m_bPainted = true;
        return QObject::eventFilter(pObject, pEvent);
    }
};
