#include "CHelpSystem.h"
#include "gui/framework/CCommandContext.h"

#include "core/framework/HelpTopics.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <QWidget>

#include <algorithm>
#include <map>
#include <string>

namespace {

const char* const HELP_CAPTION = "Tallywise v3.5 Help";
const char* const CONTENTS_PAGE = "contents.html";
const char* const INDEX_PAGE = "index.html";
const char* const POPUP_FOLDER = "popups";
constexpr qint64 MAX_POPUP_FILE = 1 << 20;
const QSize HELP_WINDOW_SIZE(680, 520);
// The frame is the window manager's and unknown before the window is shown; this much
// room is kept for a title bar above and a border on the other sides.
const QMargins HELP_FRAME_ALLOWANCE(8, 32, 8, 8);

// The help window: a browser over the help pages with back, forward, contents and index.
class CHelpWindow : public QWidget {
public:
    CHelpWindow(QWidget* pParent, const QString& strDir)
        : QWidget(pParent, Qt::Window), m_strDir(strDir) {
        setWindowTitle(QString::fromLatin1(HELP_CAPTION));
        m_pBrowser = new QTextBrowser(this);
        m_pBrowser->setOpenExternalLinks(true);
        m_pBrowser->setSearchPaths({strDir});
        auto* pBar = new QHBoxLayout;
        pBar->setContentsMargins(0, 0, 0, 0);
        QToolButton* pBack = AddButton(pBar, tr("Back"), QStyle::SP_ArrowBack);
        QToolButton* pForward = AddButton(pBar, tr("Forward"), QStyle::SP_ArrowForward);
        QToolButton* pContents = AddButton(pBar, tr("Contents"), QStyle::SP_FileDialogListView);
        QToolButton* pIndex = AddButton(pBar, tr("Index"), QStyle::SP_FileDialogDetailedView);
        pBar->addStretch();
        pBack->setEnabled(false);
        pForward->setEnabled(false);
        connect(pBack, &QToolButton::clicked, m_pBrowser, &QTextBrowser::backward);
        connect(pForward, &QToolButton::clicked, m_pBrowser, &QTextBrowser::forward);
        connect(m_pBrowser, &QTextBrowser::backwardAvailable, pBack, &QWidget::setEnabled);
        connect(m_pBrowser, &QTextBrowser::forwardAvailable, pForward, &QWidget::setEnabled);
        connect(pContents, &QToolButton::clicked, this,
                [this] { ShowPage(QString::fromLatin1(CONTENTS_PAGE)); });
        connect(pIndex, &QToolButton::clicked, this,
                [this] { ShowPage(QString::fromLatin1(INDEX_PAGE)); });
        auto* pLayout = new QVBoxLayout(this);
        pLayout->setContentsMargins(6, 6, 6, 6);
        pLayout->setSpacing(4);
        pLayout->addLayout(pBar);
        pLayout->addWidget(m_pBrowser);
        resize(HELP_WINDOW_SIZE);
    }

    void ShowPage(const QString& strPage) {
        m_pBrowser->setSource(QUrl::fromLocalFile(QDir(m_strDir).filePath(strPage)));
    }

private:
    QToolButton* AddButton(QHBoxLayout* pBar, const QString& strText, QStyle::StandardPixmap icon) {
        auto* pButton = new QToolButton(this);
        pButton->setText(strText);
        pButton->setIcon(style()->standardIcon(icon));
        pButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        pButton->setAutoRaise(true);
        pBar->addWidget(pButton);
        return pButton;
    }

    QString m_strDir;
    QTextBrowser* m_pBrowser = nullptr;
};

bool IsReadableFile(const QString& strPath) {
    QFileInfo info(strPath);
    return info.isFile() && info.isReadable();
}

CHelpSystem* s_pHelpSystem = nullptr;

} // namespace

struct CHelpSystem::CImpl {
    QString strDir;
    bool bFailed = false;
    bool bFolderChecked = false;
    std::map<std::string, std::map<int, std::string>> topics; // by popup file name
    QPointer<CHelpWindow> pWindow;
    bool bOwnsWindow = false;

    // The first request checks the folder; any failure stays for the rest of the run.
    bool Usable() {
        if (!bFailed && !bFolderChecked) {
            QFileInfo info(strDir);
            bFailed = !(info.isDir() && info.isReadable());
            bFolderChecked = true;
        }
        return !bFailed;
    }

    const std::map<int, std::string>* Topic(const std::string& strFile) {
        auto it = topics.find(strFile);
        if (it != topics.end())
            return &it->second;
        std::map<int, std::string> texts;
        if (!ReadPopupFile(strFile, texts)) {
            bFailed = true;
            return nullptr;
        }
        return &(topics[strFile] = std::move(texts));
    }

    bool ReadPopupFile(const std::string& strFile, std::map<int, std::string>& texts) const {
        QFile file(QDir(strDir).filePath(QString::fromLatin1(POPUP_FOLDER) + QLatin1Char('/') +
                                         QString::fromStdString(strFile)));
        if (!file.open(QIODevice::ReadOnly) || file.size() > MAX_POPUP_FILE)
            return false;
        QByteArray bytes = file.readAll();
        return ParseHelpPopups(bytes.toStdString(), texts);
    }

    bool OpenPage(QWidget* pOwner, const char* pszPage) {
        if (!Usable())
            return false;
        if (!IsReadableFile(QDir(strDir).filePath(QString::fromLatin1(pszPage)))) {
            bFailed = true;
            return false;
        }
        QWidget* pParent = pOwner != nullptr ? pOwner->window() : nullptr;
        if (pWindow.isNull()) {
            pWindow = new CHelpWindow(pParent, strDir);
            bOwnsWindow = pParent == nullptr;
        }
        if (!pWindow->isVisible())
            Place(pParent);
        pWindow->ShowPage(QString::fromLatin1(pszPage));
        pWindow->show();
        pWindow->raise();
        pWindow->activateWindow();
        return true;
    }

    // On the screen of the main window, over it; on the first screen without one.
    void Place(QWidget* pParent) {
        QScreen* pScreen = pParent != nullptr ? pParent->screen() : nullptr;
        if (pScreen == nullptr)
            pScreen = QGuiApplication::primaryScreen();
        if (pScreen == nullptr)
            return;
        const QRect rcScreen = pScreen->availableGeometry();
        const QRect rcOwner = pParent != nullptr ? pParent->frameGeometry() : rcScreen;
        pWindow->setGeometry(HelpWindowRect(rcOwner, rcScreen, HELP_WINDOW_SIZE));
    }
};

QString FindHelpFolder(const QString& strProgramDir) {
    const QString strBeside = strProgramDir + QStringLiteral("/help");
    if (QFileInfo(strBeside).isDir())
        return strBeside;
    return QDir::cleanPath(strProgramDir + QStringLiteral("/../share/tallywise/help"));
}

CHelpSystem::CHelpSystem(QString strHelpDir) : m_pImpl(new CImpl) {
    m_pImpl->strDir = std::move(strHelpDir);
}

CHelpSystem::~CHelpSystem() {
    if (m_pImpl->bOwnsWindow)
        delete m_pImpl->pWindow.data();
    delete m_pImpl;
}

bool CHelpSystem::ShowContents(QWidget* pOwner) {
    return m_pImpl->OpenPage(pOwner, CONTENTS_PAGE);
}

bool CHelpSystem::ShowIndex(QWidget* pOwner) {
    return m_pImpl->OpenPage(pOwner, INDEX_PAGE);
}

bool CHelpSystem::ShowPopup(const QString& strTopic, int nHelpId, const QPoint& ptGlobal) {
    if (!m_pImpl->Usable())
        return false;
    std::optional<std::string> file = HelpTopicFileName(strTopic.toStdString());
    if (!file)
        return false;
    const std::map<int, std::string>* pTexts = m_pImpl->Topic(*file);
    if (pTexts == nullptr)
        return false;
    auto it = pTexts->find(nHelpId);
    if (it == pTexts->end())
        return false;
    QString strText = QString::fromStdString(it->second);
    QWhatsThis::showText(ptGlobal, Qt::convertFromPlainText(strText, Qt::WhiteSpaceNormal));
    return true;
}

QRect HelpWindowRect(const QRect& rcOwner, const QRect& rcScreen, const QSize& sizeWanted) {
    const QRect rcRoom = rcScreen.marginsRemoved(HELP_FRAME_ALLOWANCE);
    QRect rc(QPoint(0, 0), sizeWanted.boundedTo(rcRoom.size()));
    rc.moveCenter(rcOwner.center());
    rc.moveLeft(std::clamp(rc.left(), rcRoom.left(), rcRoom.right() - rc.width() + 1));
    rc.moveTop(std::clamp(rc.top(), rcRoom.top(), rcRoom.bottom() - rc.height() + 1));
    return rc;
}

CHelpSystem* HelpSystem() {
    return s_pHelpSystem;
}

void SetHelpSystem(CHelpSystem* pHelp) {
    s_pHelpSystem = pHelp;
    if (!pHelp) {
        SetContextHelpHandler(nullptr);
        return;
    }
    SetContextHelpHandler([](const QString& strTopic, int nHelpId, const QPoint& ptGlobal) {
        if (s_pHelpSystem)
            s_pHelpSystem->ShowPopup(strTopic, nHelpId, ptGlobal);
    });
}

void OnHelpContents(CCommandContext& context) {
    if (CHelpSystem* pHelp = HelpSystem())
        pHelp->ShowContents(context.m_pParent);
}

void OnHelpIndex(CCommandContext& context) {
    if (CHelpSystem* pHelp = HelpSystem())
        pHelp->ShowIndex(context.m_pParent);
}
