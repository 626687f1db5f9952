#pragma once
#include "core/framework/IClock.h"
#include "core/framework/IPasswordPrompt.h"
#include "core/framework/IUserMessages.h"
#include <QEvent>
#include <QObject>
#include <string>

// Services that show nothing, answer No, give no password and stop the clock.
class CSilentServices : public IUserMessages, public IPasswordPrompt, public IClock {
public:
    void ShowMessage(const std::string&, EMsgIcon) override {}
    bool AskYesNo(const std::string&) override { return false; }
    EAnswer AskYesNoCancel(const std::string&) override { return EAnswer::No; }
    std::string AskPassword(const std::string&) override { return {}; }
    std::time_t Now() override { return 958003200; } // 2000-05-11 00:00 UTC
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
