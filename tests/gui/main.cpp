#include "../support/Fakes.h"
#include "GuiTest.h"
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <memory>

std::vector<GuiTestFactory>& GuiTestRegistry() {
    static std::vector<GuiTestFactory> s_tests;
    return s_tests;
}

int main(int argc, char** argv) {
    // The pictures live in the window library, which the linker would otherwise drop.
    Q_INIT_RESOURCE(resources);
    // Settings go to a folder of their own, never the user's.
    QTemporaryDir configDir;
    qputenv("XDG_CONFIG_HOME", configDir.path().toUtf8());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    std::setlocale(LC_TIME, "C");
    // "tw_gui_tests CViewTests [QtTest options]" runs one class only.
    QString strOnly;
    if (argc > 1 && argv[1][0] == 'C') {
        strOnly = QString::fromLocal8Bit(argv[1]);
        argv[1] = argv[0];
        --argc;
        ++argv;
    }
    SetFakeFailureHandler(
        [](const std::string& strWhat) { QTest::qFail(strWhat.c_str(), __FILE__, __LINE__); });
    int nFailed = 0;
    for (const GuiTestFactory& make : GuiTestRegistry()) {
        std::unique_ptr<QObject> pTest(make());
        if (!strOnly.isEmpty() && strOnly != QLatin1String(pTest->metaObject()->className()))
            continue;
        nFailed += QTest::qExec(pTest.get(), argc, argv) != 0 ? 1 : 0;
    }
    return nFailed == 0 ? 0 : 1;
}
