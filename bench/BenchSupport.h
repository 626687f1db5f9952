#pragma once
#include "Fakes.h"
#include <QEvent>
#include <QObject>
#include <string>

// The services of an application in a benchmark, from the tests' fakes: nothing shown,
// every question answered No (or Yes), no password, the clock at 2000-05-11 00:00 UTC.
struct CBenchServices {
    explicit CBenchServices(bool bYes = false, std::time_t now = 958003200)
        : m_messages(bYes), m_clock(now) {}
    CSilentMessages m_messages;
    CFakePassword m_password;
    CFixedClock m_clock;
};

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
