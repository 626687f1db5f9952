#pragma once
#include <QPlainTextEdit>
#include <QString>

// The text viewer: read-only plain text that loads a whole file.
class CRichText : public QPlainTextEdit {
    Q_OBJECT
public:
    enum EFileType { FILE_TYPE_TEXT = 1 };
    // Larger files would keep the window busy for seconds; they are refused.
    static constexpr qint64 MAX_FILE_BYTES = 4 * 1024 * 1024;

    explicit CRichText(QWidget* pParent = nullptr);

    // Loads the file as plain text in Windows-1252. A file that cannot be read, holds a
    // zero byte (so is no text) or is too large leaves the text as it was and returns
    // false with the reason in strError.
    bool LoadTextFile(const QString& strPath, int nType, QString* pError = nullptr);
};
