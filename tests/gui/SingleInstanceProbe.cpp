// A launch of the program reduced to its hand-over, for the tests: it hands its file to the
// program serving the socket, or serves it itself and prints every request it receives.
//   tw_single_instance_probe SOCKET [FILE] [--expect N] [--hold MS]
// Prints "handed", "apart" or "serving", then "open PATH" / "activate" per request; a
// server ends after N requests or MS milliseconds.
#include "gui/app/CSingleInstance.h"
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

namespace {

void PrintLine(const QString& strLine) {
    std::printf("%s\n", strLine.toLocal8Bit().constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    int nExpect = -1;
    int nHoldMs = 20000;
    QStringList launch{args.value(0)};
    for (qsizetype i = 2; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--expect") && i + 1 < args.size())
            nExpect = args[++i].toInt();
        else if (args[i] == QLatin1String("--hold") && i + 1 < args.size())
            nHoldMs = args[++i].toInt();
        else
            launch.append(args[i]);
    }
    CSingleInstance single(args.value(1));
    if (single.HandOver(launch)) {
        PrintLine(QStringLiteral("handed"));
        return 0;
    }
    if (!single.IsServing()) {
        PrintLine(QStringLiteral("apart"));
        return 0;
    }
    PrintLine(QStringLiteral("serving"));
    int nReceived = 0;
    auto received = [&](const QString& strLine) {
        PrintLine(strLine);
        if (++nReceived == nExpect)
            QCoreApplication::quit();
    };
    QObject::connect(&single, &CSingleInstance::OpenRequested, &app,
                     [&](const QString& strPath) { received(QStringLiteral("open ") + strPath); });
    QObject::connect(&single, &CSingleInstance::ActivateRequested, &app,
                     [&] { received(QStringLiteral("activate")); });
    if (nExpect == 0)
        return 0;
    QTimer::singleShot(nHoldMs, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
