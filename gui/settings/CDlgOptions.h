#pragma once
#include "core/settings/Options.h"
#include "gui/framework/CDlgBase.h"
#include <array>

class CCommandContext;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabBar;
class QTableWidget;
class QWidget;

// The Options dialog. The caller fills m_options, runs it and, on OK, takes m_options
// back; the dialog itself changes nothing else.
//
// Object names: "tabs"; "backup", "textBackup", "loadLast"; "dblEdit", "dblToggle", "font",
// "foreground", "background", "preview"; "defaultType", "newCleared"; "userType1".."userType4",
// "name1".."name4", "abbr1".."abbr4"; "ok", "cancel".
class CDlgOptions : public CDlgBase {
    Q_OBJECT
public:
    enum ETab { TAB_FILE, TAB_EDITOR, TAB_ADD, TAB_TYPE, TAB_COUNT };

    explicit CDlgOptions(QWidget* pParent = nullptr);

    COptions m_options;

protected:
    void OnInitDialog() override;
    // Reads and checks every field; false keeps the dialog open.
    bool OnOK() override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    struct CTypeSlot {
        QCheckBox* m_pEnabled = nullptr;
        QLineEdit* m_pName = nullptr;
        QLineEdit* m_pAbbr = nullptr;
    };

    QWidget* CreateFilePage();
    QWidget* CreateEditorPage();
    void CreateDisplayControls();
    QGroupBox* LayOutDisplayGroup(QWidget* pPage);
    QWidget* CreateAddPage();
    QWidget* CreateTypePage();
    void InstallHelp();

    // Reads every field into the working copy and checks it; on a fault the user is told,
    // "Type Options" comes to the front and the offending field gets the focus.
    bool UpdateData();
    bool ReadTypeSlots();
    void FocusTypeField(int nSlot, EUserTypeField field);

    void ShowTab(int nTab);
    void OnTabChanged(int nTab);
    // Ctrl+Tab (nStep 1) and Ctrl+Shift+Tab (-1): round the tabs, from any field.
    void OnNextTab(int nStep);
    void FillDefaultTypeList();
    void OnSlotToggled(int nSlot);
    void OnFont();
    void OnForeground();
    void OnBackground();
    void ShowFontCaption();
    void ApplyPreviewFont();
    void ApplyPreviewColors();

    QTabBar* m_pTabs = nullptr;
    QStackedWidget* m_pPages = nullptr;
    QCheckBox* m_pBackup = nullptr;
    QCheckBox* m_pTextBackup = nullptr;
    QCheckBox* m_pLoadLast = nullptr;
    QRadioButton* m_pDblEdit = nullptr;
    QRadioButton* m_pDblToggle = nullptr;
    QPushButton* m_pFont = nullptr;
    QPushButton* m_pForeground = nullptr;
    QPushButton* m_pBackground = nullptr;
    QTableWidget* m_pPreview = nullptr;
    QComboBox* m_pDefaultType = nullptr;
    QCheckBox* m_pNewCleared = nullptr;
    std::array<CTypeSlot, 4> m_slots;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    bool m_bTabBusy = false;
};

// View > Options: the settings are copied back on OK, and the register and its list follow.
void OnOptions(CCommandContext& context);
