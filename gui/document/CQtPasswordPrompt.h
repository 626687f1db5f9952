#pragma once
#include "core/framework/IPasswordPrompt.h"
#include <QPointer>
#include <QWidget>

// "Enter Password" while a protected register is read.
class CQtPasswordPrompt : public IPasswordPrompt {
public:
    void SetParent(QWidget* pMainWindow) { m_pMainWindow = pMainWindow; }
    std::string AskPassword(const std::string& strFileName) override;

private:
    QPointer<QWidget> m_pMainWindow;
};
