#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

class CMainFrame;
class QLocalServer;
class QLocalSocket;

// One running window per user and display. A second launch hands its file (or just the
// wish to see the window) to the running program through a local socket in the user's
// runtime folder and ends; the running program serves those requests.
class CSingleInstance : public QObject {
    Q_OBJECT
public:
    static constexpr const char* NEW_INSTANCE_OPTION = "--new-instance";

    // strServerName is the socket's path; empty takes DefaultServerName().
    explicit CSingleInstance(QString strServerName = QString(), QObject* pParent = nullptr);
    ~CSingleInstance() override;

    // The socket for this user and display, in $XDG_RUNTIME_DIR or else in a private
    // folder under the temp folder; empty when no private folder can be had.
    static QString DefaultServerName();

    // args are the program's arguments, its name first. True when a running program took
    // the request, so this one should end. Otherwise this program goes on, and serves later
    // launches unless its arguments keep it apart (--new-instance, or any other option).
    bool HandOver(const QStringList& args);

    // Handed files open in the frame as File Open does; every request brings it forward.
    void Serve(CMainFrame& frame);

    bool IsServing() const;
    const QString& ServerName() const { return m_strServerName; }

Q_SIGNALS:
    void OpenRequested(const QString& strPath);
    void ActivateRequested();

private:
    enum class ESend { Done, NoServer, Failed };

    ESend Send(const QString& strVerb, const QString& strPath) const;
    bool Listen();
    void OnNewConnection();
    void ReadRequest(QLocalSocket* pSocket);
    void BringFrameToFront();
    void OpenPending();

    QString m_strServerName;
    QLocalServer* m_pServer = nullptr;
    QPointer<CMainFrame> m_pFrame;
    QStringList m_pending;
    QTimer m_retryTimer;
    bool m_bOpening = false;
};
