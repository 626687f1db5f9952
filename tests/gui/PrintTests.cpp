#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "gui/app/CCommandLinePrint.h"
#include "gui/app/Commands.h"
#include "gui/printing/CPrintPreview.h"
#include "gui/printing/CQtPrintSurface.h"
#include "gui/printing/PrintCommands.h"
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

namespace {

int PdfPageCount(const QString& strPath) {
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression rePage(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(file.readAll()).count(rePage));
}

QByteArray ReadAll(const QString& strPath) {
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A register of nEntries ATM withdrawals, two a day from 1 January 2004.
void FillRegister(CTallywiseDoc& doc, int nEntries) {
    doc.SetStartingBalance(100.0);
    for (int i = 0; i < nEntries; ++i) {
        CEntry entry;
        entry.m_nType = 1;
        entry.m_date = MakeLocalDate(2004, 1, 1 + i / 2);
        entry.m_strDesc = "Entry " + std::to_string(i);
        entry.m_dAmount = 10.0;
        doc.InsertEntry(std::move(entry));
    }
}

struct CAppFixture {
    CFakeMessages m_messages;
    CFakePassword m_password;
    CFixedClock m_clock;
    CTallywiseApp m_app{m_messages, m_password, m_clock};
    CTallywiseDoc& Doc() { return m_app.GetDocument(); }
};

} // namespace

class CPrintTests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void printsPagesToPdf_data() {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("message");
        QTest::newRow("60 at 25 a page") << 60 << 3 << "";
        QTest::newRow("50 at 25 a page") << 50 << 2 << "";
        QTest::newRow("empty") << 0 << 1 << "No entries to print.";
    }
    void printsPagesToPdf() {
        QFETCH(int, entries);
        QFETCH(int, pages);
        QFETCH(QString, message);
        QTemporaryDir dir;
        CAppFixture f;
        FillRegister(f.Doc(), entries);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("out.pdf")));
        QVERIFY(PrintRegister(f.Doc(), PrintSettingsOf(f.m_app), printer));
        QCOMPARE(PdfPageCount(printer.outputFileName()), pages);
        QCOMPARE(f.m_messages.Texts().size(), message.isEmpty() ? 0u : 1u);
        if (!message.isEmpty())
            QCOMPARE(QString::fromStdString(f.m_messages.Texts()[0]), message);
    }

    void aFileThatCannotBeWrittenEndsTheJob() {
        CAppFixture f;
        FillRegister(f.Doc(), 3);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/nonexistent-folder/out.pdf"));
        QVERIFY(!PrintRegister(f.Doc(), PrintSettingsOf(f.m_app), printer));
        QCOMPARE(f.m_messages.Texts(), std::vector<std::string>{"Error initializing print."});
    }

    void aMissingFaceFallsBackToTheDesktopSansSerif() {
        const QFont font = MakePrintFont(CPrintFont{"No Such Face At All", 200, 400});
        QCOMPARE(font.family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        QCOMPARE(font.pointSizeF(), 10.0);
        const QString strInstalled = QFontDatabase::families().value(0);
        QCOMPARE(MakePrintFont(CPrintFont{strInstalled.toStdString(), 160, 400}).family(),
                 strInstalled);
    }

    void printDialogOffersNoPageRange() {
        CFrameFixture f;
        CModalHelper modal;
        bool bRange = true;
        modal.Then([&](QWidget* w) {
            auto* pDlg = qobject_cast<QPrintDialog*>(w);
            QVERIFY(pDlg);
            bRange = pDlg->testOption(QAbstractPrintDialog::PrintPageRange);
            pDlg->reject();
        });
        f.m_pFrame->Action(ID_FILE_PRINT)->trigger();
        QCOMPARE(modal.Pending(), 0);
        QVERIFY(!bRange);
        QVERIFY(f.m_messages.Texts().empty());
    }

    void previewPagesThroughTheJob() {
        CFrameFixture f;
        FillRegister(f.Doc(), 60);
        CModalHelper modal;
        modal.Then([&](QWidget* w) {
            auto* pPreview = qobject_cast<CPrintPreview*>(w);
            QVERIFY(pPreview);
            QCOMPARE(pPreview->PageCount(), 3);
            auto* pLabel = Child<QLabel>(w, "pageNumber");
            QCOMPARE(pLabel->text(), QStringLiteral("Page 1"));
            auto* pNext = w->findChild<QAction*>(QStringLiteral("next"));
            auto* pPrev = w->findChild<QAction*>(QStringLiteral("prev"));
            QVERIFY(!pPrev->isEnabled());
            // Every button answers Alt and its letter.
            QVERIFY(QTest::qWaitForWindowActive(w));
            const auto press = [w](Qt::Key key) { QTest::keyClick(w, key, Qt::AltModifier); };
            press(Qt::Key_N);
            QTRY_COMPARE(pLabel->text(), QStringLiteral("Page 2"));
            pNext->trigger();
            QCOMPARE(pLabel->text(), QStringLiteral("Page 3"));
            QVERIFY(!pNext->isEnabled());
            press(Qt::Key_V);
            QTRY_COMPARE(pLabel->text(), QStringLiteral("Page 2"));
            press(Qt::Key_T);
            QTRY_COMPARE(pLabel->text(), QStringLiteral("Pages 2-3"));
            press(Qt::Key_I);
            QTRY_COMPARE(pPreview->ZoomLevel(), 1);
            press(Qt::Key_O);
            QTRY_COMPARE(pPreview->ZoomLevel(), 0);
            press(Qt::Key_E);
            QTRY_VERIFY(!pPreview->TwoPages());
            w->findChild<QAction*>(QStringLiteral("twoPage"))->trigger();
            QCOMPARE(pLabel->text(), QStringLiteral("Pages 2-3"));
            QVERIFY(w->grab().width() > 0); // draws the shown pages
            auto* pClose = w->findChild<QAction*>(QStringLiteral("close"));
            QCOMPARE(pClose->statusTip(), QStringLiteral("Close print preview mode"));
            press(Qt::Key_C);
        });
        f.m_pFrame->Action(ID_FILE_PRINT_PREVIEW)->trigger();
        QCOMPARE(modal.Pending(), 0);
    }

    // At 5,000 entries the preview draws the page it shows, not the 200 of the job.
    void previewDrawsOnlyThePagesShown() {
        CAppFixture f;
        FillRegister(f.Doc(), 5000);
        auto pPrinter = MakePrinter();
        CPrintPreview preview(f.Doc(), PrintSettingsOf(f.m_app), *pPrinter);
        QVERIFY(preview.Begin());
        QCOMPARE(preview.PageCount(), 200);
        preview.grab();
        QVERIFY(preview.PagesPainted() >= 1 && preview.PagesPainted() <= 2);
    }

    void anEmptyPreviewSaysSoAndShowsOnePage() {
        CAppFixture f;
        auto pPrinter = MakePrinter();
        CPrintPreview preview(f.Doc(), PrintSettingsOf(f.m_app), *pPrinter);
        QVERIFY(preview.Begin());
        QCOMPARE(preview.PageCount(), 1);
        QCOMPARE(f.m_messages.Texts(), std::vector<std::string>{"No entries to print."});
    }
};

// --print-to-pdf, run inside this process where it can, and once as the real program.
class CPrintToPdfTests : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString Path(const char* pszName) const { return m_dir.filePath(QString::fromLatin1(pszName)); }
    std::string PathS(const char* pszName) const { return Path(pszName).toStdString(); }

private Q_SLOTS:
    void initTestCase() {
        CAppFixture f;
        FillRegister(f.Doc(), 60);
        QVERIFY(f.Doc().SaveDocumentFile(PathS("r60.twd")));
        f.Doc().SetPassword("secret");
        QVERIFY(f.Doc().SaveDocumentFile(PathS("locked.twd")));
    }

    void statusesAndMessages_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("error");
        const QString strOut = Path("out.pdf");
        const QString strReg = Path("r60.twd");
        const QString strLocked = Path("locked.twd");
        const QString strPdf = QStringLiteral("--print-to-pdf");
        QTest::newRow("all") << QStringList{strPdf, strOut, strReg} << 0 << 3 << "";
        QTest::newRow("range first, ten days")
            << QStringList{"--range", "01/01/2004:01/10/2004", strPdf, strOut, strReg} << 0 << 1
            << "";
        QTest::newRow("a month without entries")
            << QStringList{strPdf, strOut, "--range", "06/01/2004:06/30/2004", strReg} << 0 << 1
            << "No entries to print.\n";
        QTest::newRow("right password")
            << QStringList{strPdf, strOut, "--password", "secret", strLocked} << 0 << 3 << "";
        QTest::newRow("no password")
            << QStringList{strPdf, strOut, strLocked} << 1 << -1
            << "tallywise: " + strLocked +
                   ": the register is password protected (use --password)\n";
        QTest::newRow("wrong password")
            << QStringList{strPdf, strOut, "--password", "guess", strLocked} << 1 << -1
            << "tallywise: " + strLocked + ": the password was not correct\n";
        QTest::newRow("missing register")
            << QStringList{strPdf, strOut, Path("none.twd")} << 1 << -1
            << "tallywise: " + Path("none.twd") +
                   ": the file could not be read: No such file or directory\n";
        QTest::newRow("output cannot be written")
            << QStringList{strPdf, "/nonexistent-folder/x.pdf", strReg} << 1 << -1
            << "tallywise: /nonexistent-folder/x.pdf: the file could not be written\n";
    }
    void statusesAndMessages() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(int, pages);
        QFETCH(QString, error);
        QFile::remove(Path("out.pdf"));
        std::vector<std::string> argv;
        for (const QString& str : args)
            argv.push_back(str.toStdString());
        std::ostringstream out, err;
        QCOMPARE(RunPrintToPdf(argv, out, err, false), status);
        QCOMPARE(QString::fromStdString(err.str()), error);
        QCOMPARE(PdfPageCount(Path("out.pdf")), pages);
    }

    // OUT is refused when it would replace the register, a copy its save writes, or a non-PDF.
    void refusedOutputs_data() {
        QTest::addColumn<QString>("out");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray reg = QByteArray("kept bytes");
        const QString strSaved =
            QStringLiteral("it is the register or a copy its save writes; nothing was written");
        QTest::newRow("the register") << "copy.twd" << reg << strSaved;
        QTest::newRow("its .bak") << "copy.bak" << reg << strSaved;
        QTest::newRow("its .txt") << "copy.txt" << reg << strSaved;
        QTest::newRow("a text file") << "notes.pdf" << QByteArray("%PDF notes")
                                     << "it exists and is not a PDF; nothing was written";
        QTest::newRow("an older PDF is replaced") << "old.pdf" << QByteArray("%PDF-1.4 old") << "";
    }
    void refusedOutputs() {
        QFETCH(QString, out);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QVERIFY(QFile::exists(Path("copy.twd")) || QFile::copy(Path("r60.twd"), Path("copy.twd")));
        QFile file(m_dir.filePath(out));
        if (out != QStringLiteral("copy.twd")) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
            file.close();
        }
        const QByteArray before = ReadAll(file.fileName());
        std::ostringstream dummy, err;
        const int nStatus =
            RunPrintToPdf({"--print-to-pdf", file.fileName().toStdString(), PathS("copy.twd")},
                          dummy, err, false);
        if (reason.isEmpty()) {
            QCOMPARE(nStatus, 0);
            QCOMPARE(PdfPageCount(file.fileName()), 3);
            QCOMPARE(QDir(m_dir.path())
                         .entryList({QStringLiteral(".old.pdf.*")}, QDir::Files | QDir::Hidden),
                     QStringList());
            return;
        }
        QCOMPARE(nStatus, 2);
        QCOMPARE(QString::fromStdString(err.str()),
                 "tallywise: " + file.fileName() + ": " + reason + "\n");
        QCOMPARE(ReadAll(file.fileName()), before);
    }

    void wrongUsage_data() {
        QTest::addColumn<QStringList>("args");
        const QString strReg = Path("r60.twd");
        QTest::newRow("no file") << QStringList{"--print-to-pdf", "o.pdf"};
        QTest::newRow("no output") << QStringList{"--print-to-pdf", strReg};
        QTest::newRow("option after the file")
            << QStringList{"--print-to-pdf", "o.pdf", strReg, "--password", "x"};
        QTest::newRow("no such day")
            << QStringList{"--print-to-pdf", "o.pdf", "--range", "02/30/2004:03/01/2004", strReg};
        QTest::newRow("backwards")
            << QStringList{"--print-to-pdf", "o.pdf", "--range", "03/01/2004:02/01/2004", strReg};
        QTest::newRow("two files") << QStringList{"--print-to-pdf", "o.pdf", strReg, strReg};
        QTest::newRow("unknown option") << QStringList{"--print-to-pdf", "o.pdf", "--fast", strReg};
    }
    void wrongUsage() {
        QFETCH(QStringList, args);
        std::vector<std::string> argv;
        for (const QString& str : args)
            argv.push_back(str.toStdString());
        std::ostringstream out, err;
        QCOMPARE(RunPrintToPdf(argv, out, err, false), 2);
        QVERIFY(err.str().find("Usage: tallywise") != std::string::npos);
        QVERIFY(!QFile::exists(QStringLiteral("o.pdf")));
    }

    // Answered or refused before any window; nothing when the start goes on.
    void optionsBeforeAnyWindow_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status"); // -1: the start goes on
        QTest::addColumn<QString>("out");
        QTest::newRow("version") << QStringList{"--version"} << 0 << "tallywise 3.5\n";
        QTest::newRow("version with a file")
            << QStringList{"a.twd", "--version"} << 0 << "tallywise 3.5\n";
        QTest::newRow("unknown") << QStringList{"--fast", "a.twd"} << 2 << "";
        QTest::newRow("dash file") << QStringList{"-x.twd"} << 2 << "";
        QTest::newRow("after --") << QStringList{"--", "-x.twd"} << -1 << "";
        QTest::newRow("version after --") << QStringList{"--", "--version"} << -1 << "";
        QTest::newRow("new instance") << QStringList{"--new-instance", "a.twd"} << -1 << "";
        QTest::newRow("printing") << QStringList{"--print", "a.twd"} << -1 << "";
    }
    void optionsBeforeAnyWindow() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        std::vector<std::string> argv;
        for (const QString& str : args)
            argv.push_back(str.toStdString());
        std::ostringstream sOut, sErr;
        QCOMPARE(AnswerWithoutWindow(argv, sOut, sErr).value_or(-1), status);
        QCOMPARE(QString::fromStdString(sOut.str()), out);
        QCOMPARE(sErr.str().find("Usage: tallywise") != std::string::npos, status == 2);
    }

    // The program itself, with no display.
    void theProgramPrintsWithoutADisplay() {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.remove(QStringLiteral("DISPLAY"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path());
        // A runtime folder of its own, so Qt adds no line about a missing one to stderr.
        const QString strRuntime = Path("runtime");
        QVERIFY(QDir().mkpath(strRuntime));
        QVERIFY(QFile::setPermissions(strRuntime,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), strRuntime);
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TW_PROGRAM),
                      {QStringLiteral("--print-to-pdf"), Path("prog.pdf"), Path("r60.twd")});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(PdfPageCount(Path("prog.pdf")), 3);

        process.start(QStringLiteral(TW_PROGRAM), {QStringLiteral("--help")});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(process.readAllStandardOutput().contains("--print-to-pdf OUT.pdf"));

        process.start(QStringLiteral(TW_PROGRAM), {QStringLiteral("--version")});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardOutput(), QByteArray("tallywise 3.5\n"));

        // The file type's print command ends, with no box to wait on: printed, or one line.
        process.start(QStringLiteral(TW_PROGRAM), {QStringLiteral("--print"), Path("r60.twd")});
        QVERIFY(process.waitForFinished(60000));
        const QByteArray err = process.readAllStandardError();
        QVERIFY2(process.exitCode() == 0 || (process.exitCode() == 1 && err.count('\n') == 1),
                 err.constData());
    }
};

TW_GUI_TEST(CPrintTests);
TW_GUI_TEST(CPrintToPdfTests);
#include "PrintTests.moc"
