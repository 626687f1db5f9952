#pragma once
#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;

// Dialog 136: asks for the password while a protected register is read.
class CDlgEnterPassword : public QDialog {
    Q_OBJECT
public:
    explicit CDlgEnterPassword(QWidget* pParent = nullptr);

    std::string m_strFileName; // in: the file name without folder
    std::string m_strPassword; // out, on OK

    int exec() override;
    void accept() override;

private:
    QLabel* m_pPrompt;
    QLineEdit* m_pPassword;
};
