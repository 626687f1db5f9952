#pragma once
#include <QString>
#include <QWidget>
#include <functional>

class QMessageBox;

// Answers modal windows that a command opens. Each handler runs once, in order, on the
// next modal window that appears; the test then checks what was seen.
class CModalHelper {
public:
    using Handler = std::function<void(QWidget*)>;
    // Queue a handler for the next modal window.
    void Then(Handler h);
    // Convenience: expect a message box, record its text, press the given button.
    void ThenMessageBox(int nButton /* QMessageBox::StandardButton */, QString* pText = nullptr);
    // Handlers not yet run (a test asserts this is 0 at its end).
    int Pending() const;
    ~CModalHelper();

private:
    void Arm();
    struct CQueue;
    CQueue* m_pQueue = nullptr;
};

// Finds a child widget by object name, failing loudly when absent.
template <class T> T* Child(QWidget* pParent, const char* pszName) {
    return pParent ? pParent->findChild<T*>(QString::fromLatin1(pszName)) : nullptr;
}
