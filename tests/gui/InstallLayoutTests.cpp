#include "GuiTest.h"
#include "gui/app/CHelpSystem.h"
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The help is found beside the program in a build tree and in the data folder once installed.
class CInstallLayoutTests : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void helpFolder_data() {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("expected");
        QTest::newRow("build tree") << QStringList{"build/help"} << "build"
                                    << "build/help";
        QTest::newRow("installed")
            << QStringList{"usr/bin", "usr/share/tallywise/help"} << "usr/bin"
            << "usr/share/tallywise/help";
        QTest::newRow("both: the build tree's")
            << QStringList{"usr/bin/help", "usr/share/tallywise/help"} << "usr/bin"
            << "usr/bin/help";
        QTest::newRow("none: the installed place") << QStringList{"opt/bin"} << "opt/bin"
                                                   << "opt/share/tallywise/help";
    }
    void helpFolder() {
        QFETCH(QStringList, folders);
        QFETCH(QString, program);
        QFETCH(QString, expected);
        QTemporaryDir root;
        for (const QString& strFolder : folders)
            QVERIFY(QDir(root.path()).mkpath(strFolder));
        QCOMPARE(FindHelpFolder(root.filePath(program)), root.filePath(expected));
    }
};

TW_GUI_TEST(CInstallLayoutTests);
#include "InstallLayoutTests.moc"
