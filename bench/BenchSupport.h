#pragma once
#include "Fakes.h"
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <cstdio>
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
    // Runs the event loop until the widget has painted.
    void WaitForPaint() {
        while (!m_bPainted)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Paint)
            m_bPainted = true;
        return QObject::eventFilter(pObject, pEvent);
    }
};

// Window benchmarks print only Qt's critical messages, not its warnings about offscreen.
inline void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& strText) {
    if (type != QtWarningMsg && type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(strText));
}
