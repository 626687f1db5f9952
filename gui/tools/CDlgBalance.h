#pragma once
#include "gui/framework/CDlgBase.h"
#include <array>

class CCommandContext;

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// "Balance Checkbook": the caller gives the outstanding debits and credits and the ending
// balance; "Calculate" reconciles once against the statement balance typed in.
//
// Object names: "statement", "calculate", "statementBal", "outDebits", "outCredits",
// "reconciled", "endBal", "difference", "message", "done".
class CDlgBalance : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgBalance(QWidget* pParent = nullptr);

    double m_dOutDebits = 0.0;
    double m_dOutCredits = 0.0;
    double m_dEndBal = 0.0;
    double m_dStatement = 0.0;
    bool m_bCalculate = false; // calculate m_dStatement on opening

protected:
    void OnInitDialog() override;

private:
    QGridLayout* CreateFigures();
    void LayOutControls(QGridLayout* pFigureGrid);
    void OnCalculate();

    QLineEdit* m_pStatement;
    QPushButton* m_pCalculate;
    std::array<QLabel*, 6> m_figures{};
    QLabel* m_pMessage;
    QPushButton* m_pDone;
};

// Tools > Balance: reconciles the register's outstanding figures with a statement.
void OnBalance(CCommandContext& context);
// The same with the statement balance a bank file gives, already calculated.
void OpenBalance(CCommandContext& context, double dStatement, bool bCalculate);
