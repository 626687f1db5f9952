#include "CQtServices.h"
#include "CDataExchange.h"
#include "core/framework/AppTitle.h"
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace {

const QString s_strFilter = QStringLiteral("Tallywise Files (*.twd)");

QMessageBox::Icon BoxIcon(EMsgIcon icon) {
    switch (icon) {
    case EMsgIcon::Information:
        return QMessageBox::Information;
    case EMsgIcon::Exclamation:
        return QMessageBox::Warning;
    case EMsgIcon::Question:
        return QMessageBox::Question;
    case EMsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString Key(const std::string& strKey) {
    return QString::fromStdString(strKey);
}

} // namespace

QWidget* DialogParent(QWidget* pMainWindow) {
    if (QWidget* pModal = QApplication::activeModalWidget())
        return pModal;
    return pMainWindow ? pMainWindow : QApplication::activeWindow();
}

int CQtUserMessages::Run(QMessageBox::Icon icon, const std::string& strText,
                         QMessageBox::StandardButtons buttons,
                         QMessageBox::StandardButton defaultButton) {
    return RunAppMessageBox(DialogParent(m_pMainWindow), icon, QString::fromStdString(strText),
                            buttons, defaultButton);
}

void CQtUserMessages::ShowMessage(const std::string& strText, EMsgIcon icon) {
    Run(BoxIcon(icon), strText, QMessageBox::Ok, QMessageBox::Ok);
}

bool CQtUserMessages::AskYesNo(const std::string& strText) {
    return Run(QMessageBox::Question, strText, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::Yes) == QMessageBox::Yes;
}

EAnswer CQtUserMessages::AskYesNoCancel(const std::string& strText) {
    switch (Run(QMessageBox::Question, strText,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return EAnswer::Yes;
    case QMessageBox::No:
        return EAnswer::No;
    default:
        return EAnswer::Cancel;
    }
}

CQtSettingsStore::CQtSettingsStore()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kestrane"),
                 QString::fromUtf8(APP_TITLE)) {}

int CQtSettingsStore::GetInt(const std::string& strSection, const std::string& strKey,
                             int nDefault) {
    m_settings.beginGroup(Key(strSection));
    const QVariant value = m_settings.value(Key(strKey));
    m_settings.endGroup();
    bool bOk = false;
    const int nValue = value.toInt(&bOk);
    return value.isValid() && bOk ? nValue : nDefault;
}

std::string CQtSettingsStore::GetString(const std::string& strSection, const std::string& strKey,
                                        const std::string& strDefault) {
    m_settings.beginGroup(Key(strSection));
    const QVariant value = m_settings.value(Key(strKey));
    m_settings.endGroup();
    return value.isValid() ? value.toString().toStdString() : strDefault;
}

void CQtSettingsStore::WriteInt(const std::string& strSection, const std::string& strKey,
                                int nValue) {
    m_settings.beginGroup(Key(strSection));
    m_settings.setValue(Key(strKey), nValue);
    m_settings.endGroup();
}

void CQtSettingsStore::WriteString(const std::string& strSection, const std::string& strKey,
                                   const std::string& strValue) {
    m_settings.beginGroup(Key(strSection));
    m_settings.setValue(Key(strKey), QString::fromStdString(strValue));
    m_settings.endGroup();
}

std::optional<std::string> CQtFileDialogs::AskOpenPath() {
    QFileDialog dlg(DialogParent(m_pParent), QStringLiteral("Open"), QString(), s_strFilter);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return ToLocalPath(dlg.selectedFiles().constFirst());
}

std::optional<std::string> CQtFileDialogs::AskSavePath(const std::string& strSuggested) {
    QFileDialog dlg(DialogParent(m_pParent), QStringLiteral("Save As"), QString(), s_strFilter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDefaultSuffix(QStringLiteral("twd"));
    if (!strSuggested.empty())
        dlg.selectFile(FromLocalPath(strSuggested));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return ToLocalPath(WithRegisterExtension(dlg.selectedFiles().constFirst()));
}

std::string ToLocalPath(const QString& strPath) {
    return QFile::encodeName(strPath).toStdString();
}

QString FromLocalPath(const std::string& strPath) {
    return QFile::decodeName(QByteArray::fromStdString(strPath));
}

QString WithRegisterExtension(const QString& strPath) {
    if (strPath.isEmpty() || !QFileInfo(strPath).suffix().isEmpty())
        return strPath;
    return strPath + QStringLiteral(".twd");
}
