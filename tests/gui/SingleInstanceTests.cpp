#include "FrameFixture.h"
#include "GuiTest.h"
#include "gui/app/CSingleInstance.h"
#include "gui/framework/CQtServices.h"
#include <QDialog>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstring>
#include <fstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// The probe is a second launch in a process of its own (see SingleInstanceProbe.cpp).
class CSingleInstanceTests : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_nSocket = 0;

    // A fresh socket path per test, so no test sees another's leftovers.
    QString NewSocket() { return m_dir.filePath(QStringLiteral("s%1.socket").arg(++m_nSocket)); }

    static std::unique_ptr<QProcess> StartProbe(const QStringList& args,
                                                const QString& strDir = QString()) {
        auto pProbe = std::make_unique<QProcess>();
        pProbe->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        pProbe->setWorkingDirectory(strDir);
        pProbe->start(QStringLiteral(TW_SINGLE_INSTANCE_PROBE), args);
        return pProbe;
    }

    // Waits for the probe to end while this program's event loop keeps serving.
    static QStringList FinishedOutput(QProcess& probe, int nTimeoutMs = 20000) {
        [&] { QTRY_COMPARE_WITH_TIMEOUT(probe.state(), QProcess::NotRunning, nTimeoutMs); }();
        return QString::fromLocal8Bit(probe.readAllStandardOutput())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    std::string WriteRegister(const QString& strName, int nEntries) {
        CFrameFixture writer;
        writer.Doc().SetStartingBalance(100.0);
        for (int i = 0; i < nEntries; ++i)
            writer.AddEntry(TYPE_CHECK, 100 + i, 1, 1 + i, "Check", 25.0, true);
        const std::vector<std::uint8_t> bytes = writer.Doc().SaveToBuffer();
        const std::string strPath = ToLocalPath(m_dir.filePath(strName));
        std::ofstream(strPath, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return strPath;
    }

    // A socket file that nobody listens on any more, as a crash leaves it.
    static void LeaveDeadSocket(const QString& strPath) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(strPath);
        std::memcpy(addr.sun_path, path.constData(), size_t(path.size()));
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        ::close(fd);
        QVERIFY(QFile::exists(strPath));
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.filePath("config"));
    }

    void handOverOpensInTheRunningWindow_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("entries");
        QTest::newRow("file") << "three.twd" << false << QStringList() << 3;
        QTest::newRow("modified register: save question first")
            << "three.twd" << true << QStringList{"Save changes to TWDoc?"} << 3;
        QTest::newRow("no file: only brought forward") << "" << true << QStringList() << 1;
        QTest::newRow("missing file: reported there as File Open does")
            << "missing.twd" << false << QStringList{"Could not open"} << 0;
    }
    void handOverOpensInTheRunningWindow() {
        QFETCH(QString, file);
        QFETCH(bool, modified);
        QFETCH(QStringList, shown);
        QFETCH(int, entries);
        WriteRegister(QStringLiteral("three.twd"), 3);
        CFrameFixture fix;
        fix.AddEntry(TYPE_ATM, 0, 2, 1, "Cash", 20.0, true);
        if (modified)
            fix.Doc().SetNextCheck(fix.Doc().NextCheck()); // any change
        else
            fix.StartClean();
        if (modified)
            fix.m_messages.m_answers = {EAnswer::No};
        CSingleInstance server(NewSocket());
        QVERIFY(!server.HandOver({QStringLiteral("tallywise")}));
        QVERIFY(server.IsServing());
        server.Serve(*fix.m_pFrame);
        QSignalSpy activated(&server, &CSingleInstance::ActivateRequested);

        // A relative name means the file in the launching program's folder.
        QStringList args{server.ServerName()};
        if (!file.isEmpty())
            args.append(file);
        auto pProbe = StartProbe(args, m_dir.path());
        QCOMPARE(FinishedOutput(*pProbe), QStringList{"handed"});
        QCOMPARE(pProbe->exitCode(), 0);
        QTRY_COMPARE(fix.m_messages.Texts().size(), size_t(shown.size()));
        for (qsizetype i = 0; i < shown.size(); ++i)
            QVERIFY(QString::fromStdString(fix.m_messages.Texts()[size_t(i)]).startsWith(shown[i]));
        QTRY_COMPARE(int(fix.Doc().EntryCount()), entries);
        QCOMPARE(activated.size(), file.isEmpty() ? 1 : 0);
        if (entries == 3)
            QCOMPARE(fix.Doc().GetPathName(), ToLocalPath(m_dir.filePath("three.twd")));
    }

    void fileWaitsForAnOpenDialog() {
        const std::string strPath = WriteRegister(QStringLiteral("later.twd"), 2);
        CFrameFixture fix;
        CSingleInstance server(NewSocket());
        QVERIFY(!server.HandOver({QStringLiteral("tallywise")}));
        server.Serve(*fix.m_pFrame);
        QDialog dialog(fix.m_pFrame.get());
        dialog.setModal(true);
        dialog.show();
        auto pProbe = StartProbe({server.ServerName(), FromLocalPath(strPath)});
        QCOMPARE(FinishedOutput(*pProbe), QStringList{"handed"});
        QTest::qWait(600);
        QCOMPARE(int(fix.Doc().EntryCount()), 0);
        dialog.close();
        QTRY_COMPARE(int(fix.Doc().EntryCount()), 2);
    }

    void staleSocketNeverBlocks_data() {
        QTest::addColumn<QString>("leftover");
        QTest::newRow("socket nobody listens on") << "socket";
        QTest::newRow("plain file in its place") << "file";
        QTest::newRow("program killed while serving") << "killed";
    }
    void staleSocketNeverBlocks() {
        QFETCH(QString, leftover);
        const QString strSocket = NewSocket();
        if (leftover == QLatin1String("socket")) {
            LeaveDeadSocket(strSocket);
        } else if (leftover == QLatin1String("file")) {
            QFile file(strSocket);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else {
            auto pProbe =
                StartProbe({strSocket, QStringLiteral("--hold"), QStringLiteral("60000")});
            QVERIFY(pProbe->waitForReadyRead(10000));
            QCOMPARE(pProbe->readLine().trimmed(), QByteArray("serving"));
            ::kill(pid_t(pProbe->processId()), SIGKILL);
            QVERIFY(pProbe->waitForFinished(10000));
            QVERIFY(QFile::exists(strSocket));
        }
        CSingleInstance next(strSocket);
        QVERIFY(!next.HandOver({QStringLiteral("tallywise"), QStringLiteral("a.twd")}));
        QVERIFY(next.IsServing());
        // And the new program serves the launches after it.
        QSignalSpy opened(&next, &CSingleInstance::OpenRequested);
        auto pProbe = StartProbe({strSocket, m_dir.filePath("b.twd")});
        QCOMPARE(FinishedOutput(*pProbe), QStringList{"handed"});
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0][0].toString(), m_dir.filePath("b.twd"));
    }

    // Several launches at the same moment end with one program serving, all files in it.
    void launchesAtOnce() {
        const QString strSocket = NewSocket();
        constexpr int nLaunches = 4;
        std::vector<std::unique_ptr<QProcess>> probes;
        for (int i = 0; i < nLaunches; ++i)
            probes.push_back(
                StartProbe({strSocket, m_dir.filePath(QStringLiteral("f%1.twd").arg(i)),
                            QStringLiteral("--expect"), QString::number(nLaunches - 1)}));
        QStringList servers;
        QStringList opened;
        int nHanded = 0;
        for (int i = 0; i < nLaunches; ++i) {
            const QStringList lines = FinishedOutput(*probes[size_t(i)]);
            QCOMPARE(probes[size_t(i)]->exitCode(), 0);
            QVERIFY(!lines.isEmpty());
            if (lines.front() == QLatin1String("handed")) {
                ++nHanded;
                continue;
            }
            QCOMPARE(lines.front(), QStringLiteral("serving"));
            servers.append(m_dir.filePath(QStringLiteral("f%1.twd").arg(i)));
            opened = lines.mid(1);
        }
        QCOMPARE(servers.size(), 1);
        QCOMPARE(nHanded, nLaunches - 1);
        QCOMPARE(opened.size(), nLaunches - 1);
        for (int i = 0; i < nLaunches; ++i) {
            const QString strFile = m_dir.filePath(QStringLiteral("f%1.twd").arg(i));
            QCOMPARE(opened.contains(QStringLiteral("open ") + strFile),
                     strFile != servers.front());
        }
    }

    void optionsRunApart_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("--new-instance") << QStringList{"--new-instance"};
        QTest::newRow("--new-instance with a file") << QStringList{"--new-instance", "a.twd"};
        QTest::newRow("other option") << QStringList{"--print-to-pdf", "out.pdf", "a.twd"};
    }
    void optionsRunApart() {
        QFETCH(QStringList, args);
        CSingleInstance running(NewSocket());
        QVERIFY(!running.HandOver({QStringLiteral("tallywise")}));
        QSignalSpy opened(&running, &CSingleInstance::OpenRequested);
        QSignalSpy activated(&running, &CSingleInstance::ActivateRequested);
        auto pProbe = StartProbe(QStringList{running.ServerName()} + args);
        QCOMPARE(FinishedOutput(*pProbe), QStringList{"apart"});
        QCOMPARE(opened.size() + activated.size(), 0);
    }

    // A client that sends rubbish is dropped and the server keeps serving.
    void rubbishIsDropped() {
        CSingleInstance running(NewSocket());
        QVERIFY(!running.HandOver({QStringLiteral("tallywise")}));
        QSignalSpy opened(&running, &CSingleInstance::OpenRequested);
        QLocalSocket rubbish;
        rubbish.connectToServer(running.ServerName());
        QVERIFY(rubbish.waitForConnected(1000));
        rubbish.write(QByteArray(100, 'x'));
        QTRY_COMPARE(rubbish.state(), QLocalSocket::UnconnectedState);
        auto pProbe = StartProbe({running.ServerName(), m_dir.filePath("c.twd")});
        QCOMPARE(FinishedOutput(*pProbe), QStringList{"handed"});
        QCOMPARE(opened.size(), 1);
    }

    void defaultSocketIsPrivate_data() {
        QTest::addColumn<QString>("runtime");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("expected");
        QTest::newRow("runtime folder") << "private"
                                        << ":18"
                                        << "private/tallywise-_18.socket";
        QTest::newRow("no display") << "private"
                                    << ""
                                    << "private/tallywise.socket";
        QTest::newRow("unset: temp folder") << ""
                                            << ":0"
                                            << "tmp/tallywise-%1/tallywise-_0.socket";
        QTest::newRow("open to others: temp folder") << "open"
                                                     << ":0"
                                                     << "tmp/tallywise-%1/tallywise-_0.socket";
    }
    void defaultSocketIsPrivate() {
        QFETCH(QString, runtime);
        QFETCH(QString, display);
        QFETCH(QString, expected);
        QTemporaryDir root;
        QDir(root.path()).mkpath(QStringLiteral("tmp"));
        for (const char* pszName : {"private", "open"})
            QDir(root.path()).mkpath(QLatin1String(pszName));
        QFile::setPermissions(root.filePath("private"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(root.filePath("open"), QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ExeOwner | QFile::ReadOther |
                                                         QFile::ExeOther);
        const QByteArray saved[] = {qgetenv("XDG_RUNTIME_DIR"), qgetenv("DISPLAY"),
                                    qgetenv("WAYLAND_DISPLAY"), qgetenv("TMPDIR")};
        qputenv("XDG_RUNTIME_DIR",
                runtime.isEmpty() ? QByteArray() : QFile::encodeName(root.filePath(runtime)));
        qputenv("DISPLAY", display.toLocal8Bit());
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("TMPDIR", QFile::encodeName(root.filePath("tmp")));
        const QString strName = CSingleInstance::DefaultServerName();
        const char* names[] = {"XDG_RUNTIME_DIR", "DISPLAY", "WAYLAND_DISPLAY", "TMPDIR"};
        for (int i = 0; i < 4; ++i)
            saved[i].isNull() ? qunsetenv(names[i]) : qputenv(names[i], saved[i]);
        QCOMPARE(strName, root.filePath(expected.replace("%1", QString::number(getuid()))));
        QCOMPARE(QFileInfo(QFileInfo(strName).path()).permissions() &
                     (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup),
                 QFile::Permissions());
    }
};

TW_GUI_TEST(CSingleInstanceTests);
#include "SingleInstanceTests.moc"
