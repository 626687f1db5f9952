#include "CSingleInstance.h"
#include "CMainFrame.h"
#include "gui/framework/CQtServices.h"
#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr quint32 s_nMagic = 0x54574431; // "TWD1"
constexpr const char* s_pszOpen = "open";
constexpr const char* s_pszActivate = "activate";
constexpr char s_chAccepted = '1';
constexpr int s_nConnectMs = 1000;
// The running program answers from its event loop, which a first start may reach late.
constexpr int s_nReplyMs = 10000;
constexpr int s_nLockMs = 5000;
constexpr int s_nRequestMs = 5000;
constexpr qint64 s_nMaxRequest = 64 * 1024;
constexpr int s_nRetryMs = 250;

#ifdef Q_OS_UNIX
// Only a folder of our own, closed to everyone else, may hold the socket.
bool IsPrivateFolder(const QString& strDir) {
    struct stat st {};
    if (lstat(QFile::encodeName(strDir).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & 077) == 0;
}

QString PrivateFolder() {
    const QString strRuntime = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
    if (!strRuntime.isEmpty() && IsPrivateFolder(strRuntime))
        return strRuntime;
    const QString strDir = QDir::tempPath() + QStringLiteral("/tallywise-%1").arg(getuid());
    mkdir(QFile::encodeName(strDir).constData(), 0700);
    return IsPrivateFolder(strDir) ? strDir : QString();
}
#endif

// Windows on two displays never take each other's files.
QString DisplaySuffix() {
    QString strDisplay = QFileInfo(qEnvironmentVariable("WAYLAND_DISPLAY")).fileName();
    if (strDisplay.isEmpty())
        strDisplay = qEnvironmentVariable("DISPLAY");
    if (strDisplay.isEmpty())
        return QString();
    static const QRegularExpression s_unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    return QLatin1Char('-') + strDisplay.replace(s_unsafe, QStringLiteral("_"));
}

QDataStream& Prepared(QDataStream& stream) {
    stream.setVersion(QDataStream::Qt_6_0);
    return stream;
}

} // namespace

CSingleInstance::CSingleInstance(QString strServerName, QObject* pParent)
    : QObject(pParent), m_strServerName(std::move(strServerName)) {
    if (m_strServerName.isEmpty())
        m_strServerName = DefaultServerName();
    m_retryTimer.setSingleShot(true);
    m_retryTimer.setInterval(s_nRetryMs);
    connect(&m_retryTimer, &QTimer::timeout, this, &CSingleInstance::OpenPending);
}

CSingleInstance::~CSingleInstance() = default;

QString CSingleInstance::DefaultServerName() {
#ifdef Q_OS_UNIX
    const QString strDir = PrivateFolder();
    if (strDir.isEmpty())
        return QString();
    return strDir + QStringLiteral("/tallywise") + DisplaySuffix() + QStringLiteral(".socket");
#else
    return QStringLiteral("tallywise-") + qEnvironmentVariable("USERNAME") + DisplaySuffix();
#endif
}

bool CSingleInstance::HandOver(const QStringList& args) {
    // Only a plain start (nothing, or one file) is handed over; anything else runs apart.
    const QStringList request = args.mid(1);
    if (m_strServerName.isEmpty() || request.size() > 1 ||
        (request.size() == 1 && request.front().startsWith(QLatin1Char('-'))))
        return false;
    const QString strVerb = QString::fromLatin1(request.isEmpty() ? s_pszActivate : s_pszOpen);
    const QString strPath =
        request.isEmpty() ? QString() : QFileInfo(request.front()).absoluteFilePath();
    // A running program that went away mid-request gets one more try.
    for (int nTry = 0; nTry < 2; ++nTry) {
        ESend result = Send(strVerb, strPath);
        if (result == ESend::Done)
            return true;
        if (result == ESend::Failed)
            continue;
        // Nobody listens: become the server, unless another launch just did.
        QLockFile lock(m_strServerName + QStringLiteral(".lock"));
        if (!lock.tryLock(s_nLockMs))
            return false;
        result = Send(strVerb, strPath);
        if (result == ESend::Done)
            return true;
        if (result == ESend::NoServer) {
            Listen();
            return false;
        }
    }
    return false;
}

CSingleInstance::ESend CSingleInstance::Send(const QString& strVerb, const QString& strPath) const {
    QLocalSocket socket;
    socket.connectToServer(m_strServerName);
    if (!socket.waitForConnected(s_nConnectMs)) {
        const auto error = socket.error();
        return error == QLocalSocket::ServerNotFoundError ||
                       error == QLocalSocket::ConnectionRefusedError
                   ? ESend::NoServer
                   : ESend::Failed;
    }
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    Prepared(out) << s_nMagic << strVerb << strPath;
    socket.write(request);
    if (!socket.waitForBytesWritten(s_nReplyMs))
        return ESend::Failed;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(s_nReplyMs))
            return ESend::Failed;
    char chReply = 0;
    socket.getChar(&chReply);
    return chReply == s_chAccepted ? ESend::Done : ESend::Failed;
}

bool CSingleInstance::Listen() {
    // Called under the lock after a refused connection: what lies there is stale.
    QLocalServer::removeServer(m_strServerName);
    auto* pServer = new QLocalServer(this);
    pServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (!pServer->listen(m_strServerName)) {
        delete pServer;
        return false;
    }
    m_pServer = pServer;
    connect(m_pServer, &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
    return true;
}

bool CSingleInstance::IsServing() const {
    return m_pServer != nullptr && m_pServer->isListening();
}

void CSingleInstance::OnNewConnection() {
    while (QLocalSocket* pSocket = m_pServer->nextPendingConnection()) {
        connect(pSocket, &QLocalSocket::disconnected, pSocket, &QObject::deleteLater);
        connect(pSocket, &QLocalSocket::readyRead, this, [this, pSocket] { ReadRequest(pSocket); });
        // A client that never finishes its request is dropped.
        QTimer::singleShot(s_nRequestMs, pSocket, [pSocket] { pSocket->abort(); });
    }
}

void CSingleInstance::ReadRequest(QLocalSocket* pSocket) {
    if (pSocket->bytesAvailable() > s_nMaxRequest) {
        pSocket->abort();
        return;
    }
    QDataStream in(pSocket);
    Prepared(in).startTransaction();
    quint32 nMagic = 0;
    QString strVerb;
    QString strPath;
    in >> nMagic;
    if (in.status() == QDataStream::Ok && nMagic != s_nMagic) {
        pSocket->abort();
        return;
    }
    in >> strVerb >> strPath;
    if (!in.commitTransaction()) {
        if (in.status() != QDataStream::ReadPastEnd)
            pSocket->abort();
        return;
    }
    const bool bOpen = strVerb == QLatin1String(s_pszOpen) && !strPath.isEmpty();
    if (!bOpen && strVerb != QLatin1String(s_pszActivate)) {
        pSocket->abort();
        return;
    }
    pSocket->putChar(s_chAccepted);
    pSocket->flush();
    pSocket->disconnectFromServer();
    if (bOpen)
        Q_EMIT OpenRequested(strPath);
    else
        Q_EMIT ActivateRequested();
}

void CSingleInstance::Serve(CMainFrame& frame) {
    m_pFrame = &frame;
    connect(this, &CSingleInstance::ActivateRequested, this, &CSingleInstance::BringFrameToFront);
    connect(this, &CSingleInstance::OpenRequested, this, [this](const QString& strPath) {
        BringFrameToFront();
        m_pending.append(strPath);
        OpenPending();
    });
}

void CSingleInstance::BringFrameToFront() {
    if (m_pFrame == nullptr)
        return;
    if (m_pFrame->isMinimized())
        m_pFrame->setWindowState(m_pFrame->windowState() & ~Qt::WindowMinimized);
    m_pFrame->show();
    m_pFrame->raise();
    m_pFrame->activateWindow();
    // A dialog open over the frame stays on top of it.
    if (QWidget* pModal = QApplication::activeModalWidget()) {
        pModal->raise();
        pModal->activateWindow();
    }
}

void CSingleInstance::OpenPending() {
    if (m_pFrame == nullptr || m_bOpening || m_pending.isEmpty())
        return;
    // A dialog may be working on the current register: open once it has closed.
    if (QApplication::activeModalWidget() != nullptr) {
        m_retryTimer.start();
        return;
    }
    m_bOpening = true;
    const QString strPath = m_pending.takeFirst();
    m_pFrame->OpenFile(ToLocalPath(strPath));
    m_bOpening = false;
    if (!m_pending.isEmpty())
        QTimer::singleShot(0, this, &CSingleInstance::OpenPending);
}
