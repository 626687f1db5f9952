#include "CCommandLinePrint.h"
#include "core/framework/AppTitle.h"
#include "core/framework/CQuietServices.h"
#include "core/framework/DateTime.h"
#include "core/framework/IClock.h"
#include "core/framework/IPasswordPrompt.h"
#include "core/framework/IUserMessages.h"
#include "core/tools/Archive.h"
#include "gui/app/CSingleInstance.h"
#include "gui/app/CTallywiseApp.h"
#include "gui/document/CQtPasswordPrompt.h"
#include "gui/framework/CQtServices.h"
#include "gui/printing/PrintCommands.h"
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cctype>
#include <clocale>
#include <filesystem>
#include <iostream>
#include <optional>
#include <regex>

namespace {

struct CPdfArgs {
    std::string m_strOut;
    std::string m_strFile;
    std::optional<std::string> m_password;
    bool m_bRange = false;
    std::time_t m_from = 0;
    std::time_t m_to = 0;
};

// "MM/DD/YYYY" as a local date; nothing when it is not a real day a register can hold.
std::optional<std::time_t> ParseDate(const std::string& str) {
    static const std::regex reDate(R"((\d{1,2})/(\d{1,2})/(\d{4}))");
    std::smatch m;
    if (!std::regex_match(str, m, reDate))
        return std::nullopt;
    const int nMonth = std::stoi(m[1]);
    const int nDay = std::stoi(m[2]);
    const int nYear = std::stoi(m[3]);
    if (nYear < 1970 || nYear > 2105 || nMonth < 1 || nMonth > 12 || nDay < 1 ||
        nDay > DaysInMonth(nYear, nMonth))
        return std::nullopt;
    return MakeLocalDate(nYear, nMonth, nDay);
}

std::optional<CPdfArgs> ParsePdfArgs(const std::vector<std::string>& args, std::string& strError) {
    CPdfArgs parsed;
    bool bOut = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool bLast = i + 1 == args.size();
        if (a == "--print-to-pdf" || a == "--range" || a == "--password") {
            if (bLast) {
                strError = a + " needs a value";
                return std::nullopt;
            }
            const std::string& strValue = args[++i];
            if (a == "--print-to-pdf") {
                if (bOut) {
                    strError = "--print-to-pdf is given twice";
                    return std::nullopt;
                }
                bOut = true;
                parsed.m_strOut = strValue;
            } else if (a == "--password") {
                if (parsed.m_password) {
                    strError = "--password is given twice";
                    return std::nullopt;
                }
                parsed.m_password = strValue;
            } else {
                const std::size_t nColon = strValue.find(':');
                std::optional<std::time_t> from, to;
                if (nColon != std::string::npos) {
                    from = ParseDate(strValue.substr(0, nColon));
                    to = ParseDate(strValue.substr(nColon + 1));
                }
                if (parsed.m_bRange || !from || !to) {
                    strError = "--range takes one range MM/DD/YYYY:MM/DD/YYYY of real dates";
                    return std::nullopt;
                }
                if (*from > *to) {
                    strError = "--range ends before it starts";
                    return std::nullopt;
                }
                parsed.m_bRange = true;
                parsed.m_from = *from;
                parsed.m_to = *to;
            }
        } else if (a.rfind("--", 0) == 0 || !bLast) {
            strError = "unexpected argument " + a;
            return std::nullopt;
        } else {
            parsed.m_strFile = a;
        }
    }
    if (!bOut || parsed.m_strOut.empty() || parsed.m_strFile.empty()) {
        strError = "--print-to-pdf needs OUT.pdf and FILE";
        return std::nullopt;
    }
    return parsed;
}

// Why OUT must not be written over; empty when it may be.
std::string RefusedOutput(const CPdfArgs& args) {
    if (IsWrittenBySave(args.m_strFile, args.m_strOut))
        return "it is the register or a copy its save writes; nothing was written";
    QFile file(QFile::decodeName(args.m_strOut.c_str()));
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly) || file.read(5) != "%PDF-")
        return "it exists and is not a PDF; nothing was written";
    return {};
}

// Prints into a hidden file beside OUT and renames it over OUT only once it is complete.
bool PrintPdfAtomically(const CTallywiseDoc& doc, const CPrintSettings& settings,
                        const QString& strOut) {
    const QFileInfo info(strOut);
    QTemporaryFile temp(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                        QStringLiteral(".XXXXXX"));
    if (!temp.open())
        return false;
    temp.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temp.fileName());
    printer.setDocName(QString::fromStdString(doc.GetTitle()));
    if (!PrintRegister(doc, settings, printer) || QFileInfo(temp.fileName()).size() == 0)
        return false;
    // A temporary file is private to its owner; the PDF keeps the permissions it had.
    temp.setPermissions(info.exists() ? QFile::permissions(strOut)
                                      : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                            QFile::ReadOther);
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(temp.fileName()).toStdString(),
                            QFile::encodeName(strOut).toStdString(), ec);
    if (ec)
        return false;
    temp.setAutoRemove(false);
    return true;
}

std::string OpenFailure(const CLoadResult& result, const CGivenPassword& password) {
    if (result.m_nError == ELoadError::WrongPassword && !password.m_password)
        return "the register is password protected (use --password)";
    return LoadErrorClause(result);
}

bool HasDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// Qt's own notes about the environment would spoil the one line a script reads.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& strText) {
    if (type == QtFatalMsg)
        std::cerr << strText.toLocal8Bit().constData() << "\n";
}

bool UsableDisplay() {
    const QString strPlatform = QGuiApplication::platformName();
    return strPlatform != QLatin1String("offscreen") && strPlatform != QLatin1String("minimal");
}

// One line on standard error for what a message box would have shown.
void PrintFailure(const std::string& strFile, const std::string& strWhy) {
    std::string strLine = strWhy;
    std::replace(strLine.begin(), strLine.end(), '\n', ' ');
    std::cerr << "tallywise: " << strFile << ": " << strLine << "\n";
}

// The file type's print command: like File Print to the default printer, without a
// dialog and without the window. With no display to show a question on, nothing is asked
// and a failure is one line on standard error.
int RunShellPrint(const std::string& strFile) {
    const bool bDisplay = UsableDisplay();
    CQtUserMessages boxes;
    CQuietMessages quiet;
    IUserMessages& messages = bDisplay ? static_cast<IUserMessages&>(boxes) : quiet;
    CQtPasswordPrompt prompt;
    CGivenPassword password(std::nullopt, bDisplay ? &prompt : nullptr);
    CSystemClock clock;
    CTallywiseApp app(messages, password, clock);
    CQtSettingsStore store;
    app.ReadSettings(store);
    if (!app.OpenDocumentFile(strFile)) {
        if (!bDisplay)
            PrintFailure(strFile, quiet.Last());
        return 1;
    }
    app.ResetPrintRange();
    bool bPrinted = false;
    if (QPrinterInfo::defaultPrinter().isNull()) {
        if (bDisplay)
            messages.ShowMessage(ERROR_INITIALIZING_PRINT, EMsgIcon::Exclamation);
        else
            PrintFailure(strFile, "no printer is available");
    } else {
        QPrinter printer(QPrinter::HighResolution);
        bPrinted = PrintRegister(app.GetDocument(), PrintSettingsOf(app), printer);
    }
    app.ExitInstance(store);
    return bPrinted ? 0 : 1;
}

} // namespace

std::optional<int> AnswerWithoutWindow(const std::vector<std::string>& args, std::ostream& out,
                                       std::ostream& err) {
    const auto itEnd = std::find(args.begin(), args.end(), "--");
    if (std::find(args.begin(), itEnd, "--version") != itEnd) {
        out << "tallywise " << APP_VERSION << "\n";
        return 0;
    }
    if (std::find(args.begin(), itEnd, "--help") != itEnd ||
        std::find(args.begin(), itEnd, "-h") != itEnd) {
        out << PROGRAM_USAGE;
        return 0;
    }
    if (IsCommandLinePrint(args))
        return std::nullopt; // the printing forms check their own options
    const auto itUnknown = std::find_if(args.begin(), itEnd, [](const std::string& a) {
        return a.rfind('-', 0) == 0 && a != CSingleInstance::NEW_INSTANCE_OPTION;
    });
    if (itUnknown == itEnd)
        return std::nullopt;
    err << "tallywise: unknown option " << *itUnknown << "\n" << PROGRAM_USAGE;
    return 2;
}

bool IsCommandLinePrint(const std::vector<std::string>& args) {
    return std::any_of(
        args.begin(), std::find(args.begin(), args.end(), "--"), [](const std::string& a) {
            return a == "--print-to-pdf" || a == "--print" || a == "--help" || a == "-h";
        });
}

int RunPrintToPdf(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  bool bCanPrompt) {
    std::string strError;
    std::optional<CPdfArgs> parsed = ParsePdfArgs(args, strError);
    if (!parsed) {
        err << "tallywise: " << strError << "\n" << PROGRAM_USAGE;
        return 2;
    }
    const std::string strRefused = RefusedOutput(*parsed);
    if (!strRefused.empty()) {
        err << "tallywise: " << parsed->m_strOut << ": " << strRefused << "\n";
        return 2;
    }
    CQuietMessages messages;
    CQtUserMessages boxes;
    CQtPasswordPrompt prompt;
    CGivenPassword password(parsed->m_password, bCanPrompt ? &prompt : nullptr);
    CSystemClock clock;
    CTallywiseApp app(messages, password, clock);
    CQtSettingsStore store;
    app.ReadSettings(store);
    CTallywiseDoc& doc = app.GetDocument();
    messages.m_pShowTo = bCanPrompt && !parsed->m_password ? &boxes : nullptr;
    const CLoadResult result = doc.OnOpenDocument(parsed->m_strFile);
    messages.m_pShowTo = nullptr;
    if (!result.Ok()) {
        err << "tallywise: " << parsed->m_strFile << ": " << OpenFailure(result, password) << "\n";
        return 1;
    }
    messages.m_shown.clear();
    app.m_bPrintAll = !parsed->m_bRange;
    if (parsed->m_bRange) {
        app.m_printFrom = parsed->m_from;
        app.m_printTo = parsed->m_to;
    }
    const QString strOut = QFile::decodeName(parsed->m_strOut.c_str());
    if (!PrintPdfAtomically(doc, PrintSettingsOf(app), strOut)) {
        err << "tallywise: " << parsed->m_strOut << ": the file could not be written\n";
        return 1;
    }
    for (const std::string& strShown : messages.m_shown)
        err << strShown << "\n";
    out.flush();
    return 0;
}

int RunCommandLinePrint(int argc, char** argv) {
    std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    if (std::find(args.begin(), args.end(), "--help") != args.end() ||
        std::find(args.begin(), args.end(), "-h") != args.end()) {
        std::cout << PROGRAM_USAGE;
        return 0;
    }
    const bool bPdf = std::find(args.begin(), args.end(), "--print-to-pdf") != args.end();
    // Written for scripts: without a display nothing is shown, nothing is asked.
    if (bPdf && !HasDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (bPdf)
        qInstallMessageHandler(QuietMessages);
    QApplication qtApp(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    std::setlocale(LC_TIME, "C");
    QApplication::setApplicationName(QStringLiteral("Tallywise v3.5"));
    QApplication::setOrganizationName(QStringLiteral("Kestrane"));
    if (bPdf)
        return RunPrintToPdf(args, std::cout, std::cerr, UsableDisplay());
    if (args.size() != 2 || args[0] != "--print") {
        std::cerr << PROGRAM_USAGE;
        return 2;
    }
    return RunShellPrint(args[1]);
}
