#include "DialogTestUtil.h"
#include "FrameFixture.h"
#include "GuiTest.h"
#include "ModalHelper.h"
#include "core/tools/Archive.h"
#include "gui/controls/CRichText.h"
#include "gui/framework/CQtServices.h"
#include "gui/tools/CDlgArchive.h"
#include "gui/tools/CDlgViewArch.h"
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {
std::time_t Day(int nMonth, int nDay) {
    return MakeLocalDate(2004, nMonth, nDay);
}

void WriteFile(const QString& strPath, const QByteArray& bytes) {
    QFile file(strPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Answers a file chooser with a name in its folder, after checking what it offers.
CModalHelper::Handler ChooseFile(const QString& strPath, QString* pTitle, QStringList* pFilters) {
    return [=](QWidget* w) {
        auto* pDlg = qobject_cast<QFileDialog*>(w);
        QVERIFY(pDlg);
        *pTitle = pDlg->windowTitle();
        *pFilters = pDlg->nameFilters();
        QCOMPARE(pDlg->defaultSuffix(), QStringLiteral("twa"));
        QCOMPARE(pDlg->selectedNameFilter(), pFilters->constFirst());
        // The folder loads in the background and may reset a selection made too early:
        // the full path typed into the name field is what the user would do.
        auto* pName = pDlg->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(pName);
        QTest::qWait(50);
        pName->setText(strPath);
        static_cast<QDialog*>(pDlg)->accept();
    };
}
} // namespace

class CArchiveDialogTests : public QObject {
    Q_OBJECT
    std::unique_ptr<CFrameFixture> m_pFix;
    std::unique_ptr<QTemporaryDir> m_pTemp;

    QString TempPath(const char* pszName) {
        return m_pTemp->filePath(QString::fromLatin1(pszName));
    }

private Q_SLOTS:
    void init() { m_pTemp = std::make_unique<QTemporaryDir>(); }
    void cleanup() {
        m_pFix.reset();
        m_pTemp.reset();
    }

    void showsTheDatesAndTheFile() {
        CDlgArchive dlg;
        dlg.m_startDate = Day(1, 5);
        dlg.m_endDate = Day(1, 5);
        dlg.m_latestDate = Day(2, 3);
        dlg.m_strFileName = "/data/Home01.twa";
        QVERIFY(ShowActive(dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Archive Old Entries"));
        QCOMPARE(Child<QLineEdit>(&dlg, "startDate")->text(), QStringLiteral("January 05, 2004"));
        QCOMPARE(Child<QLineEdit>(&dlg, "endDate")->text(), QStringLiteral("January 05, 2004"));
        QCOMPARE(Child<QLineEdit>(&dlg, "fileName")->text(), QStringLiteral("/data/Home01.twa"));
        QVERIFY(Child<QLineEdit>(&dlg, "startDate")->isReadOnly());
        QVERIFY(Child<QLineEdit>(&dlg, "fileName")->isReadOnly());
    }

    void endDateComesFromTheCalendarAndSnaps_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("shown");
        QTest::newRow("inside") << 20 << "January 20, 2004";
        QTest::newRow("before the start") << 2 << "January 05, 2004";
        QTest::newRow("after the last entry") << 28 << "January 23, 2004";
    }
    void endDateComesFromTheCalendarAndSnaps() {
        QFETCH(int, day);
        QFETCH(QString, shown);
        CDlgArchive dlg;
        dlg.m_startDate = Day(1, 5);
        dlg.m_endDate = Day(1, 5);
        dlg.m_latestDate = Day(1, 23);
        QVERIFY(ShowActive(dlg));
        CModalHelper modal;
        bool bClicked = false;
        modal.Then([&](QWidget* pCalendar) { bClicked = ClickCalendarDay(pCalendar, day); });
        auto* pEnd = Child<QLineEdit>(&dlg, "endDate");
        QTest::mouseClick(pEnd, Qt::LeftButton);
        QTRY_COMPARE(modal.Pending(), 0);
        QVERIFY(bClicked);
        QTRY_COMPARE(pEnd->text(), shown);
        QCOMPARE(SplitLocalDate(dlg.m_endDate).m_nDay, shown.mid(8, 2).toInt());
        QCOMPARE(dlg.focusWidget(), pEnd);
    }

    void changeChoosesTheFileThroughTheSaveDialog() {
        CDlgArchive dlg;
        dlg.m_strFileName = ToLocalPath(TempPath("Home01.twa"));
        QVERIFY(ShowActive(dlg));
        CModalHelper modal;
        QString strTitle;
        QStringList filters;
        modal.Then(ChooseFile(TempPath("Other.twa"), &strTitle, &filters));
        Child<QPushButton>(&dlg, "change")->click();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strTitle, QStringLiteral("Save Archive File As"));
        QCOMPARE(filters, QStringList{QStringLiteral("Tallywise Archive Files (*.twa)")});
        QCOMPARE(Child<QLineEdit>(&dlg, "fileName")->text(), TempPath("Other.twa"));
        QCOMPARE(QString::fromStdString(dlg.m_strFileName), TempPath("Other.twa"));
        QVERIFY(!dlg.m_bMayReplace);
    }

    // The register's own name is refused without closing the dialog.
    void refusingTheRegisterKeepsTheDialogOnTheName() {
        CDlgArchive dlg;
        dlg.m_strDocPath = ToLocalPath(TempPath("Home.twd"));
        dlg.m_strFileName = ToLocalPath(TempPath("Home.bak"));
        QVERIFY(ShowActive(dlg));
        CModalHelper modal;
        QString strSeen;
        modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
        Child<QPushButton>(&dlg, "ok")->click();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strSeen, QString::fromStdString(SaveTargetMessage(dlg.m_strFileName)));
        QVERIFY(dlg.isVisible());
        auto* pName = Child<QLineEdit>(&dlg, "fileName");
        QCOMPARE(dlg.focusWidget(), pName);
        QCOMPARE(pName->selectedText(), TempPath("Home.bak"));
    }

    // The command from end to end over a saved register.
    void archiveCommandMovesTheClearedEntries() {
        m_pFix = std::make_unique<CFrameFixture>();
        CTallywiseDoc& doc = m_pFix->Doc();
        doc.SetStartingBalance(100.0);
        m_pFix->AddEntry(TYPE_ATM, 0, 1, 5, "Jan 5", 10.0, true, true);
        m_pFix->AddEntry(TYPE_ATM, 0, 1, 9, "Jan 9", 20.0, false, true);
        m_pFix->AddEntry(TYPE_ATM, 0, 2, 1, "Feb 1", 5.0, true, false);
        const QString strDoc = TempPath("Home.twd");
        QVERIFY(doc.OnSaveDocument(ToLocalPath(strDoc)));
        doc.SetPathName(ToLocalPath(strDoc));
        WriteFile(TempPath("Home01.twa"), "keep me"); // restored from an older copy

        CModalHelper modal;
        QString strProposed;
        modal.Then([&](QWidget* pDlg) {
            strProposed = Child<QLineEdit>(pDlg, "fileName")->text();
            auto* pArchive = qobject_cast<CDlgArchive*>(pDlg);
            pArchive->m_endDate = Day(1, 31); // as the calendar would leave it
            Child<QPushButton>(pDlg, "ok")->click();
        });
        OnArchive(m_pFix->Context());
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strProposed, TempPath("Home02.twa"));
        QCOMPARE(doc.EntryCount(), std::uint16_t(1));
        QCOMPARE(doc.StartBalance(), 110.0);
        QCOMPARE(doc.ArchiveCount(), 1u);
        QVERIFY(!doc.IsModified());
        QCOMPARE(m_pFix->m_pFrame->m_nStatusEntries, 1);
        QCOMPARE(m_pFix->View()->model()->rowCount(), 1); // the list followed the document
        QCOMPARE(m_pFix->View()->model()->index(0, 2).data().toString(), QStringLiteral("Feb 1"));
        QFile old(TempPath("Home01.twa"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("keep me"));
        QVERIFY(QFile::exists(TempPath("Home02.twa")));

        // Now the remaining entry is not cleared: refused, nothing changes.
        modal.Then([](QWidget* pDlg) { Child<QPushButton>(pDlg, "ok")->click(); });
        OnArchive(m_pFix->Context());
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(m_pFix->m_messages.Texts().back(), std::string(ARCHIVE_NOT_CLEARED));
        QCOMPARE(doc.EntryCount(), std::uint16_t(1));
        QVERIFY(!QFile::exists(TempPath("Home03.twa")));
    }

    void archiveCommandRefusesAnUnsavedRegister() {
        m_pFix = std::make_unique<CFrameFixture>();
        m_pFix->AddEntry(TYPE_ATM, 0, 1, 5, "Jan 5", 10.0, true, true);
        OnArchive(m_pFix->Context());
        QCOMPARE(m_pFix->m_messages.Texts(),
                 std::vector<std::string>{std::string(ARCHIVE_SAVE_FIRST)});
    }

    void viewArchiveStartsEmptyAndKeepsItsMinimumSize() {
        CDlgViewArch dlg;
        QVERIFY(ShowActive(dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("View Archive"));
        QCOMPARE(Child<QLabel>(&dlg, "fileLabel")->text(), QStringLiteral("no file loaded"));
        QVERIFY(Child<CRichText>(&dlg, "viewer")->toPlainText().isEmpty());
        QVERIFY(Child<CRichText>(&dlg, "viewer")->isReadOnly());
        QVERIFY(QFontInfo(Child<CRichText>(&dlg, "viewer")->font()).fixedPitch());
        dlg.resize(300, 100);
        QCOMPARE(dlg.size(), QSize(400, 200));
    }

    void viewArchiveFollowsTheWindowSize() {
        CDlgViewArch dlg;
        dlg.resize(500, 300);
        QVERIFY(ShowActive(dlg));
        auto* pLoad = Child<QPushButton>(&dlg, "loadFile");
        auto* pDone = Child<QPushButton>(&dlg, "done");
        auto* pLabel = Child<QLabel>(&dlg, "fileLabel");
        auto* pViewer = Child<CRichText>(&dlg, "viewer");
        const QRect load = pLoad->geometry(), done = pDone->geometry();
        const QRect label = pLabel->geometry(), viewer = pViewer->geometry();
        dlg.resize(600, 350);
        QTRY_COMPARE(pDone->geometry(), done.translated(100, 0));
        QCOMPARE(pLoad->geometry(), load.translated(100, 0));
        QCOMPARE(pLabel->geometry().width(), label.width() + 100);
        QCOMPARE(pViewer->geometry().size(), viewer.size() + QSize(100, 50));
        dlg.resize(500, 300);
        QTRY_COMPARE(pViewer->geometry(), viewer);
        QCOMPARE(pDone->geometry(), done);
    }

    void loadFileOffersThreeFiltersAndShowsWindows1252() {
        const QString strPath = TempPath("Home01.twa");
        WriteFile(strPath, "Bank Name: Caisse d'\xE9pargne\r\nSecond line\r\n");
        CDlgViewArch dlg;
        QVERIFY(ShowActive(dlg));
        CModalHelper modal;
        QString strTitle;
        QStringList filters;
        modal.Then(ChooseFile(strPath, &strTitle, &filters));
        Child<QPushButton>(&dlg, "loadFile")->click();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(strTitle, QStringLiteral("View Archive File"));
        QCOMPARE(filters, (QStringList{QStringLiteral("Tallywise Archive Files (*.twa)"),
                                       QStringLiteral("Text Files (*.txt)"),
                                       QStringLiteral("All Files (*.*)")}));
        QCOMPARE(Child<QLabel>(&dlg, "fileLabel")->text(), strPath);
        QCOMPARE(Child<CRichText>(&dlg, "viewer")->toPlainText(),
                 QStringLiteral("Bank Name: Caisse d'\u00e9pargne\nSecond line\n"));
    }

    // "All Files" lists and opens a name without a dot, as it is named.
    void allFilesTakesANameWithoutADot() {
        const QString strPath = TempPath("README");
        WriteFile(strPath, "Caf\xC3\xA9 cr\xC3\xA8me \xE2\x82\xAC\n");
        CDlgViewArch dlg;
        QVERIFY(ShowActive(dlg));
        CModalHelper modal;
        modal.Then([&](QWidget* w) {
            auto* pDlg = qobject_cast<QFileDialog*>(w);
            QVERIFY(pDlg);
            pDlg->setDirectory(m_pTemp->path());
            auto* pTypes = pDlg->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QVERIFY(pTypes);
            pTypes->setFocus();
            QTest::keyClick(pTypes, Qt::Key_End);
            QCOMPARE(pTypes->currentText(), QStringLiteral("All Files (*.*)"));
            auto* pModel = pDlg->findChild<QFileSystemModel*>();
            const QModelIndex dir = pModel->index(m_pTemp->path());
            const auto listed = [&] {
                QStringList names;
                for (int i = 0; i < pModel->rowCount(dir); ++i)
                    names << pModel->index(i, 0, dir).data().toString();
                return names;
            };
            QTRY_VERIFY(listed().contains(QStringLiteral("README")));
            pDlg->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("README"));
            static_cast<QDialog*>(pDlg)->accept();
        });
        Child<QPushButton>(&dlg, "loadFile")->click();
        QCOMPARE(modal.Pending(), 0);
        QCOMPARE(Child<QLabel>(&dlg, "fileLabel")->text(), strPath);
        QCOMPARE(Child<CRichText>(&dlg, "viewer")->toPlainText(),
                 QStringLiteral("Caf\u00e9 cr\u00e8me \u20ac\n"));
    }

    void refusesWhatItCannotShow_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("zero byte") << QByteArray("text\0more", 9) << "It is not a text file.";
        QTest::newRow("too large") << QByteArray(CRichText::MAX_FILE_BYTES + 1, 'x')
                                   << "It is larger than 64 MB, too large to show.";
        QTest::newRow("missing") << QByteArray() << "";
    }
    void refusesWhatItCannotShow() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString strGood = TempPath("good.txt");
        const QString strBad = TempPath("bad.bin");
        WriteFile(strGood, "kept");
        if (!reason.isEmpty())
            WriteFile(strBad, bytes);
        CDlgViewArch dlg;
        QVERIFY(ShowActive(dlg));
        QVERIFY(dlg.LoadFile(strGood));
        CModalHelper modal;
        QString strSeen;
        modal.ThenMessageBox(QMessageBox::Ok, &strSeen);
        QVERIFY(!dlg.LoadFile(strBad));
        QCOMPARE(modal.Pending(), 0);
        QVERIFY(strSeen.startsWith(strBad + QStringLiteral(" cannot be shown.\n")));
        if (!reason.isEmpty())
            QVERIFY(strSeen.endsWith(reason));
        QCOMPARE(Child<QLabel>(&dlg, "fileLabel")->text(), strGood);
        QCOMPARE(Child<CRichText>(&dlg, "viewer")->toPlainText(), QStringLiteral("kept"));
    }
};

TW_GUI_TEST(CArchiveDialogTests);
#include "ArchiveDialogTests.moc"
