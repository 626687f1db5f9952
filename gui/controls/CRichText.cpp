#include "CRichText.h"
#include "core/framework/Cp1252.h"
#include <QFile>
#include <QFileInfo>

namespace {
// CR LF and lone CR both end a line.
std::string UnixLineEnds(const QByteArray& bytes) {
    std::string s;
    s.reserve(std::size_t(bytes.size()));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\r')
            s += c;
        else if (i + 1 >= bytes.size() || bytes.at(i + 1) != '\n')
            s += '\n';
    }
    return s;
}

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
    if (file.size() > MAX_FILE_BYTES)
        return Fail(pError, QStringLiteral("It is larger than %1 MB, too large to show.")
                                .arg(MAX_FILE_BYTES / (1024 * 1024)));
    const QByteArray bytes = file.read(MAX_FILE_BYTES + 1);
    if (file.error() != QFileDevice::NoError)
        return Fail(pError, file.errorString());
    if (bytes.size() > MAX_FILE_BYTES)
        return Fail(pError, QStringLiteral("It is larger than %1 MB, too large to show.")
                                .arg(MAX_FILE_BYTES / (1024 * 1024)));
    if (bytes.contains('\0'))
        return Fail(pError, QStringLiteral("It is not a text file."));
    setPlainText(QString::fromStdString(Cp1252ToUtf8(UnixLineEnds(bytes))));
    return true;
}
