#include "CCommandLinePrint.h"
#include "CHelpSystem.h"
#include "CMainFrame.h"
#include "CSingleInstance.h"
#include "CTallywiseApp.h"
#include "core/framework/IClock.h"
#include "gui/document/CQtPasswordPrompt.h"
#include "gui/framework/CQtServices.h"
#include "gui/view/CTallywiseView.h"
#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

QIcon ProgramIcon() {
    QIcon icon;
    for (const char* pszSize : {"16", "32", "48", "256"})
        icon.addFile(QStringLiteral(":/icons/tallywise-%1.png").arg(QLatin1String(pszSize)));
    return icon;
}

std::vector<std::string> CommandLineArguments() {
    std::vector<std::string> args;
    const QStringList list = QApplication::arguments();
    bool bOptions = true;
    for (qsizetype i = 1; i < list.size(); ++i) {
        if (bOptions && list[i] == QLatin1String("--"))
            bOptions = false;
        else if (!bOptions || list[i] != QLatin1String(CSingleInstance::NEW_INSTANCE_OPTION))
            args.push_back(ToLocalPath(list[i]));
    }
    return args;
}

// With TW_REPORT_SHOWN=1, prints "shown <ns since 1970>" to stderr once the register has
// first been painted: bench/open_to_shown.sh measures the start with it.
class CShownReporter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Paint) {
            pWatched->removeEventFilter(this);
            QTimer::singleShot(0, [] {
                const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                    std::chrono::system_clock::now().time_since_epoch());
                std::fprintf(stderr, "shown %lld\n", static_cast<long long>(ns.count()));
            });
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    if (const std::optional<int> status = AnswerWithoutWindow(args, std::cout, std::cerr))
        return *status;
    if (IsCommandLinePrint(args))
        return RunCommandLinePrint(argc, argv);
    // The pictures live in the window library, which the linker would otherwise drop.
    Q_INIT_RESOURCE(resources);
    QApplication qtApp(argc, argv);
    // Numbers and dates are formatted the same everywhere: '.' and English month names.
    std::setlocale(LC_NUMERIC, "C");
    std::setlocale(LC_TIME, "C");
    QApplication::setApplicationName(QStringLiteral("Tallywise v3.5"));
    QApplication::setOrganizationName(QStringLiteral("Kestrane"));
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setDesktopFileName(QStringLiteral("com.kestrane.Tallywise"));
    CSingleInstance single;
    if (single.HandOver(QApplication::arguments()))
        return 0;

    CQtUserMessages messages;
    CQtPasswordPrompt password;
    CSystemClock clock;
    CTallywiseApp app(messages, password, clock);
    CQtSettingsStore store;
    app.ReadSettings(store);

    CHelpSystem help(FindHelpFolder(QApplication::applicationDirPath()));
    SetHelpSystem(&help);

    CMainFrame frame(app);
    CQtFileDialogs fileDialogs(&frame);
    messages.SetParent(&frame);
    password.SetParent(&frame);
    app.m_pFileDialogs = &fileDialogs;
    single.Serve(frame);

    if (!app.ProcessCommandLine(CommandLineArguments())) {
        SetHelpSystem(nullptr);
        return 1;
    }
    app.ResetPrintRange();
    if (qEnvironmentVariable("TW_REPORT_SHOWN") == QLatin1String("1"))
        frame.View()->viewport()->installEventFilter(new CShownReporter(&frame));
    frame.show();
    frame.repaint();
    app.OpenLastFileIfWanted();

    const int nResult = QApplication::exec();
    app.ExitInstance(store);
    app.m_pFileDialogs = nullptr;
    SetHelpSystem(nullptr);
    return nResult;
}
