#pragma once
#include "core/framework/IFileDialogs.h"
#include "core/framework/ISettingsStore.h"
#include "core/framework/IUserMessages.h"
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QWidget>

// The window a box or dialog of the core belongs to: the modal dialog that is up, else the
// main window, which may still be hidden while the command line's file is read.
QWidget* DialogParent(QWidget* pMainWindow);

// Message boxes with the program's caption, over the main window.
class CQtUserMessages : public IUserMessages {
public:
    void SetParent(QWidget* pMainWindow) { m_pMainWindow = pMainWindow; }
    void ShowMessage(const std::string& strText, EMsgIcon icon) override;
    bool AskYesNo(const std::string& strText) override;
    EAnswer AskYesNoCancel(const std::string& strText) override;

private:
    int Run(QMessageBox::Icon icon, const std::string& strText,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);

    QPointer<QWidget> m_pMainWindow;
};

// Settings in the per-user INI file of "Kestrane" / "Tallywise v3.5"; a section is a group.
class CQtSettingsStore : public ISettingsStore {
public:
    CQtSettingsStore();
    int GetInt(const std::string& strSection, const std::string& strKey, int nDefault) override;
    std::string GetString(const std::string& strSection, const std::string& strKey,
                          const std::string& strDefault) override;
    void WriteInt(const std::string& strSection, const std::string& strKey, int nValue) override;
    void WriteString(const std::string& strSection, const std::string& strKey,
                     const std::string& strValue) override;
    void Sync() { m_settings.sync(); }
    QString FileName() const { return m_settings.fileName(); }

private:
    QSettings m_settings;
};

// The open and save choosers of register files.
class CQtFileDialogs : public IFileDialogs {
public:
    explicit CQtFileDialogs(QWidget* pParent = nullptr) : m_pParent(pParent) {}
    void SetParent(QWidget* pParent) { m_pParent = pParent; }
    std::optional<std::string> AskOpenPath() override;
    std::optional<std::string> AskSavePath(const std::string& strSuggested) override;

private:
    QPointer<QWidget> m_pParent;
};

// File names between Qt and the core, in the encoding of the file system.
std::string ToLocalPath(const QString& strPath);
QString FromLocalPath(const std::string& strPath);
// A name typed without extension gets ".twd".
QString WithRegisterExtension(const QString& strPath);
