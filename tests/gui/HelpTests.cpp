#include "GuiTest.h"
#include "gui/app/CHelpSystem.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWhatsThis>

#include <memory>

namespace {

const char* const TOPIC = "::/DlgSample.txt";
constexpr int ID_NAME = 3000;    // has a text in the sample topic
constexpr int ID_NO_TEXT = 3001; // listed, but the topic has no text for it

void WriteFile(const QString& strPath, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(strPath).absolutePath());
    QFile file(strPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void WriteSampleHelp(const QString& strDir) {
    WriteFile(strDir + "/contents.html",
              "<html><body><h1>Contents</h1><p><a href=\"page.html\">A page</a></p></body></html>");
    WriteFile(strDir + "/index.html", "<html><body><h1>Index</h1></body></html>");
    WriteFile(strDir + "/page.html", "<html><body><h1>Second page</h1></body></html>");
    WriteFile(strDir + "/popups/DlgSample.txt", "# sample\n3000 The name of the thing.\n");
}

QWidget* VisiblePopup() {
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        if (pWidget->isVisible() && qstrcmp(pWidget->metaObject()->className(), "QWhatsThat") == 0)
            return pWidget;
    }
    return nullptr;
}

void HidePopup() {
    QWhatsThis::hideText();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool AnyVisibleWindow() {
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        if (pWidget->isVisible())
            return true;
    }
    return false;
}

// Counts the key presses that reach the dialog itself.
class CCountingDialog : public QDialog {
public:
    int m_nKeys = 0;

protected:
    void keyPressEvent(QKeyEvent* pEvent) override {
        ++m_nKeys;
        QDialog::keyPressEvent(pEvent);
    }
};

// A dialog with a listed field, a listed editable box, a listed field without a text and
// a field that is not listed.
struct CSampleDialog {
    CCountingDialog dlg;
    QLineEdit* pName = new QLineEdit(&dlg);
    QComboBox* pDesc = new QComboBox(&dlg);
    QLineEdit* pNoText = new QLineEdit(&dlg);
    QLineEdit* pUnlisted = new QLineEdit(&dlg);

    CSampleDialog() {
        pDesc->setEditable(true);
        auto* pLayout = new QVBoxLayout(&dlg);
        for (QWidget* pWidget : {static_cast<QWidget*>(pName), static_cast<QWidget*>(pDesc),
                                 static_cast<QWidget*>(pNoText), static_cast<QWidget*>(pUnlisted)})
            pLayout->addWidget(pWidget);
        InstallDialogHelp(&dlg, QString::fromLatin1(TOPIC),
                          {{pName, ID_NAME}, {pDesc, ID_NAME}, {pNoText, ID_NO_TEXT}});
        dlg.show();
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
    }

    void PressF1(QWidget* pFocus) {
        pFocus->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    }
};

bool SendWhatsThis(QWidget* pWidget) {
    QPoint ptLocal(2, 2);
    QHelpEvent event(QEvent::WhatsThis, ptLocal, pWidget->mapToGlobal(ptLocal));
    event.ignore();
    return QApplication::sendEvent(pWidget, &event) && event.isAccepted();
}

} // namespace

class CHelpTests : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_pTemp;
    std::unique_ptr<CHelpSystem> m_pHelp;

    QString HelpDir() const { return m_pTemp->path() + "/help"; }

private Q_SLOTS:
    void init() {
        m_pTemp = std::make_unique<QTemporaryDir>();
        WriteSampleHelp(HelpDir());
        m_pHelp = std::make_unique<CHelpSystem>(HelpDir());
        SetHelpSystem(m_pHelp.get());
    }

    void cleanup() {
        HidePopup();
        SetHelpSystem(nullptr);
        m_pHelp.reset();
        m_pTemp.reset();
        QVERIFY(!AnyVisibleWindow());
    }

    void dialogGetsTheTitleBarHelpButton() {
        CSampleDialog sample;
        QVERIFY(sample.dlg.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    }

    void f1OnAListedControlShowsItsPopup() {
        CSampleDialog sample;
        sample.PressF1(sample.pName);
        QVERIFY(VisiblePopup() != nullptr);
        HidePopup();
        sample.PressF1(sample.pDesc); // an editable box, as the description boxes are
        QVERIFY(VisiblePopup() != nullptr);
        QCOMPARE(sample.dlg.m_nKeys, 0);
    }

    void whatsThisOnAListedControlShowsItsPopup() {
        CSampleDialog sample;
        QVERIFY(SendWhatsThis(sample.pName));
        QVERIFY(VisiblePopup() != nullptr);
        HidePopup();
        QWhatsThis::enterWhatsThisMode();
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QTest::mouseClick(sample.pName, Qt::LeftButton);
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        QVERIFY(VisiblePopup() != nullptr);
    }

    void requestsNotForAListedControlAreSwallowed() {
        CSampleDialog sample;
        sample.PressF1(sample.pUnlisted);
        QVERIFY(VisiblePopup() == nullptr);
        QCOMPARE(sample.dlg.m_nKeys, 0);
        QVERIFY(SendWhatsThis(sample.pUnlisted));
        QVERIFY(SendWhatsThis(&sample.dlg));
        QVERIFY(VisiblePopup() == nullptr);
        // Other keys still reach the dialog.
        QTest::keyClick(sample.pUnlisted, Qt::Key_F2);
        QCOMPARE(sample.dlg.m_nKeys, 1);
    }

    void listedControlWithoutATextShowsNothing() {
        CSampleDialog sample;
        sample.PressF1(sample.pNoText);
        QVERIFY(SendWhatsThis(sample.pNoText));
        QVERIFY(VisiblePopup() == nullptr);
        QCOMPARE(sample.dlg.m_nKeys, 0);
        // A missing text is no load failure: the next request still works.
        sample.PressF1(sample.pName);
        QVERIFY(VisiblePopup() != nullptr);
    }

    void withoutAHelpSystemRequestsAreStillHandled() {
        SetHelpSystem(nullptr);
        CSampleDialog sample;
        sample.PressF1(sample.pName);
        QVERIFY(SendWhatsThis(sample.pName));
        QVERIFY(VisiblePopup() == nullptr);
        QCOMPARE(sample.dlg.m_nKeys, 0);
    }

    void showPopupAnswers() {
        const QPoint pt(100, 100);
        QVERIFY(m_pHelp->ShowPopup(QString::fromLatin1(TOPIC), ID_NAME, pt));
        QVERIFY(VisiblePopup() != nullptr);
        HidePopup();
        QVERIFY(!m_pHelp->ShowPopup(QString::fromLatin1(TOPIC), ID_NO_TEXT, pt));
        // Topics that would leave the help folder are refused, and refusing one is no failure.
        WriteFile(m_pTemp->path() + "/Outside.txt", "3000 Outside the help folder.\n");
        QVERIFY(!m_pHelp->ShowPopup("::/../Outside.txt", ID_NAME, pt));
        QVERIFY(!m_pHelp->ShowPopup("::/../../Outside.txt", ID_NAME, pt));
        QVERIFY(VisiblePopup() == nullptr);
        QVERIFY(m_pHelp->ShowPopup(QString::fromLatin1(TOPIC), ID_NAME, pt));
    }

    void missingFolderIsRememberedSilently() {
        const QString strLater = m_pTemp->path() + "/later";
        CHelpSystem help(strLater);
        QVERIFY(!help.ShowPopup(QString::fromLatin1(TOPIC), ID_NAME, QPoint(10, 10)));
        WriteSampleHelp(strLater); // appearing afterwards changes nothing: no retry
        QVERIFY(!help.ShowPopup(QString::fromLatin1(TOPIC), ID_NAME, QPoint(10, 10)));
        QVERIFY(!help.ShowContents(nullptr));
        QVERIFY(!help.ShowIndex(nullptr));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(!AnyVisibleWindow());
    }

    void missingTopicFileIsRemembered() {
        QVERIFY(QFile::remove(HelpDir() + "/popups/DlgSample.txt"));
        QVERIFY(!m_pHelp->ShowPopup(QString::fromLatin1(TOPIC), ID_NAME, QPoint(10, 10)));
        WriteSampleHelp(HelpDir());
        QVERIFY(!m_pHelp->ShowPopup(QString::fromLatin1(TOPIC), ID_NAME, QPoint(10, 10)));
        QVERIFY(!m_pHelp->ShowContents(nullptr));
        QVERIFY(!AnyVisibleWindow());
    }

    void malformedTopicFileIsRemembered() {
        WriteFile(HelpDir() + "/popups/DlgSample.txt", "not a popup line\n");
        QVERIFY(!m_pHelp->ShowPopup(QString::fromLatin1(TOPIC), ID_NAME, QPoint(10, 10)));
        QVERIFY(!m_pHelp->ShowIndex(nullptr));
        QVERIFY(!AnyVisibleWindow());
    }

    void loadedTopicIsKept() {
        QVERIFY(m_pHelp->ShowPopup(QString::fromLatin1(TOPIC), ID_NAME, QPoint(10, 10)));
        QVERIFY(QFile::remove(HelpDir() + "/popups/DlgSample.txt"));
        QVERIFY(m_pHelp->ShowPopup(QString::fromLatin1(TOPIC), ID_NAME, QPoint(10, 10)));
    }

    void helpWindowOpensContentsAndFollowsLinks() {
        QVERIFY(m_pHelp->ShowContents(nullptr));
        QWidget* pWindow = nullptr;
        for (QWidget* pTop : QApplication::topLevelWidgets()) {
            if (pTop->isVisible() && pTop->windowTitle() == "Tallywise v3.5 Help")
                pWindow = pTop;
        }
        QVERIFY(pWindow != nullptr);
        QVERIFY(!pWindow->isModal());
        auto* pBrowser = pWindow->findChild<QTextBrowser*>();
        QVERIFY(pBrowser != nullptr);
        QVERIFY(pBrowser->source().path().endsWith("/contents.html"));
        QVERIFY(pBrowser->toPlainText().contains("Contents"));

        pWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(pWindow));
        pBrowser->setFocus();
        QTest::keyClick(pBrowser, Qt::Key_Tab);
        QTest::keyClick(pBrowser, Qt::Key_Return);
        QVERIFY(pBrowser->source().path().endsWith("/page.html"));
        QVERIFY(pBrowser->toPlainText().contains("Second page"));

        QVERIFY(m_pHelp->ShowIndex(nullptr));
        QCOMPARE(pBrowser->source().path(), QDir(HelpDir()).filePath("index.html"));
        int nHelpWindows = 0;
        for (QWidget* pTop : QApplication::topLevelWidgets())
            nHelpWindows += pTop->isVisible() && pTop->windowTitle() == "Tallywise v3.5 Help";
        QCOMPARE(nHelpWindows, 1);
    }

    // Regression: centred over a main window low on an 800-pixel-high screen, the help
    // window reached below the screen's bottom.
    void helpWindowLiesFullyOnTheScreen_data() {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("low on 1024x800")
            << QRect(50, 500, 550, 250) << QRect(0, 0, 1024, 800) << QRect(8, 272, 680, 520);
        QTest::newRow("room around")
            << QRect(600, 300, 700, 400) << QRect(0, 0, 1920, 1080) << QRect(610, 240, 680, 520);
        QTest::newRow("smaller screen")
            << QRect(0, 0, 300, 200) << QRect(0, 0, 640, 480) << QRect(8, 32, 624, 440);
        QTest::newRow("second screen") << QRect(2000, 900, 550, 100) << QRect(1920, 0, 1280, 1024)
                                       << QRect(1935, 496, 680, 520);
    }
    void helpWindowLiesFullyOnTheScreen() {
        QFETCH(QRect, owner);
        QFETCH(QRect, screen);
        QFETCH(QRect, placed);
        QCOMPARE(HelpWindowRect(owner, screen, QSize(680, 520)), placed);
    }

    void helpWindowOpensOverItsOwner() {
        QWidget owner;
        const QRect rcScreen = owner.screen()->availableGeometry();
        owner.setGeometry(rcScreen.left() + 40, rcScreen.bottom() - 200, 300, 150);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QVERIFY(m_pHelp->ShowContents(&owner));
        QWidget* pWindow = nullptr;
        for (QWidget* pTop : QApplication::topLevelWidgets())
            if (pTop->isVisible() && pTop->windowTitle() == "Tallywise v3.5 Help")
                pWindow = pTop;
        QVERIFY(pWindow != nullptr);
        QCOMPARE(pWindow->parentWidget(), &owner);
        QCOMPARE(pWindow->geometry(),
                 HelpWindowRect(owner.frameGeometry(), rcScreen, QSize(680, 520)));
        QVERIFY(rcScreen.contains(pWindow->geometry()));
        pWindow->close();
        owner.close();
    }

    void missingContentsPageIsRemembered() {
        QVERIFY(QFile::remove(HelpDir() + "/contents.html"));
        QVERIFY(!m_pHelp->ShowContents(nullptr));
        QVERIFY(!m_pHelp->ShowIndex(nullptr));
        QVERIFY(!m_pHelp->ShowPopup(QString::fromLatin1(TOPIC), ID_NAME, QPoint(10, 10)));
        QVERIFY(!AnyVisibleWindow());
    }
};

TW_GUI_TEST(CHelpTests);

#include "HelpTests.moc"
