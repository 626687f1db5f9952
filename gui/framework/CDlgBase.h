#pragma once
#include <QDialog>
#include <QString>
#include <initializer_list>
#include <utility>

class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QPushButton;
class QWidget;

enum class EDlgButton { Ok, Cancel, Done };

// The base of every dialog. The caller fills the public m_ members, runs the dialog and
// reads them back; the dialog fills its controls in OnInitDialog each time it is shown and
// reads and checks them in OnOK, which keeps the dialog open by returning false.
class CDlgBase : public QDialog {
    Q_OBJECT
public:
    // Without a parent the dialog belongs to the active window of the program.
    explicit CDlgBase(QWidget* pParent, const QString& strCaption = QString());

    void setVisible(bool bVisible) override;
    void accept() override;

protected:
    // Enter on a focused push button presses that button, whether or not it is the default;
    // Enter anywhere else presses the default button.
    void keyPressEvent(QKeyEvent* pEvent) override;

    virtual void OnInitDialog() {}
    virtual bool OnOK() { return true; }

    // "OK" (the default button) and "Done" accept, "Cancel" rejects. Object names "ok",
    // "done" and "cancel".
    QPushButton* MakeButton(EDlgButton nButton);
    // The buttons in a row, pushed to the right.
    QHBoxLayout* MakeButtonRow(std::initializer_list<QPushButton*> buttons);
    // The Tab key goes through the widgets in this order.
    void SetTabOrder(std::initializer_list<QWidget*> widgets);
    // Context help of the dialog's controls: topic "::/Dlg<Name>.txt" and the help ids.
    void SetHelp(const QString& strTopic, std::initializer_list<std::pair<QWidget*, int>> helpIds);
};

// A field's label, linked to the field so that screen readers name the field by it.
QLabel* MakeFieldLabel(const QString& strText, QWidget* pField, QWidget* pParent);

// The window a dialog or message box opened now belongs to: the active modal dialog, the
// active window, or the program's main window.
QWidget* DefaultDialogParent();
