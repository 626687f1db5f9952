#include "CRichText.h"
#include "core/framework/ShownText.h"
#include <QFile>
#include <QFileInfo>

namespace {
bool Fail(QString* pError, const QString& strReason) {
    if (pError)
        *pError = strReason;
    return false;
}
} // namespace

CRichText::CRichText(QWidget* pParent) : QPlainTextEdit(pParent) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

bool CRichText::LoadTextFile(const QString& strPath, int nType, QString* pError) {
    if (nType != FILE_TYPE_TEXT)
        return Fail(pError, QStringLiteral("Only plain text can be shown."));
    QFile file(strPath);
    if (QFileInfo(strPath).isDir())
        return Fail(pError, QStringLiteral("It is a folder."));
    if (!file.open(QIODevice::ReadOnly))
        return Fail(pError, file.errorString());
    const std::string strTooLarge = ShownTextSizeError(std::size_t(file.size()));
    if (!strTooLarge.empty())
        return Fail(pError, QString::fromStdString(strTooLarge));
    const QByteArray bytes = file.read(qint64(SHOWN_TEXT_MAX_BYTES) + 1);
    if (file.error() != QFileDevice::NoError)
        return Fail(pError, file.errorString());
    const CShownText shown = ShownTextOf(std::string_view(bytes.constData(), bytes.size()));
    if (!shown.m_bOk)
        return Fail(pError, QString::fromStdString(shown.m_strError));
    setPlainText(QString::fromStdString(shown.m_strText));
    return true;
}
