#pragma once
#include "core/framework/ShownText.h"
#include <QPlainTextEdit>
#include <QString>

// The text viewer: read-only plain text that loads a whole file.
class CRichText : public QPlainTextEdit {
    Q_OBJECT
public:
    enum EFileType { FILE_TYPE_TEXT = 1 };
    static constexpr qint64 MAX_FILE_BYTES = qint64(SHOWN_TEXT_MAX_BYTES);

    explicit CRichText(QWidget* pParent = nullptr);

    // Loads the file as plain text, in UTF-8 or Windows-1252 as it reads. A file that
    // cannot be read, is no text or is too large leaves the text as it was and returns
    // false with the reason in strError.
    bool LoadTextFile(const QString& strPath, int nType, QString* pError = nullptr);
};
