#include "CPrintPreview.h"
#include "CQtPrintSurface.h"
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int GAP = 16; // pixels around and between the pages
} // namespace

// The pages shown; they are drawn straight from the layout at each paint.
class CPreviewPages : public QWidget {
public:
    explicit CPreviewPages(CPrintPreview& preview) : m_preview(preview) {
        setObjectName(QStringLiteral("pages"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_preview.PaintPages(painter);
    }

private:
    CPrintPreview& m_preview;
};

CPrintPreview::CPrintPreview(const CTallywiseDoc& doc, const CPrintSettings& settings,
                             QPrinter& printer, QWidget* pParent)
    : QDialog(pParent), m_layout(doc, settings), m_printer(printer) {
    setObjectName(QStringLiteral("printPreview"));
    setWindowTitle(pParent ? pParent->windowTitle() : QStringLiteral("Print Preview"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto* pToolBar = new QToolBar(this);
    pToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* pPrint = AddAction("print", QStringLiteral("&Print..."),
                                QStringLiteral("Print the active document"));
    m_pNext = AddAction("next", QStringLiteral("&Next Page"), QStringLiteral("Go to next page"));
    m_pPrev =
        AddAction("prev", QStringLiteral("Pre&v Page"), QStringLiteral("Go to previous page"));
    m_pTwoPage = AddAction("twoPage", QStringLiteral("&Two Page"),
                           QStringLiteral("Toggle between one and two page display"));
    m_pZoomIn = AddAction("zoomIn", QStringLiteral("Zoom &In"),
                          QStringLiteral("Increase magnification of preview page"));
    m_pZoomOut = AddAction("zoomOut", QStringLiteral("Zoom &Out"),
                           QStringLiteral("Decrease magnification of preview page"));
    QAction* pClose =
        AddAction("close", QStringLiteral("&Close"), QStringLiteral("Close print preview mode"));
    pClose->setToolTip(QStringLiteral("Cancel Preview"));
    for (QAction* pAction : {pPrint, m_pNext, m_pPrev, m_pTwoPage, m_pZoomIn, m_pZoomOut, pClose})
        pToolBar->addAction(pAction);
    connect(pPrint, &QAction::triggered, this, [this] { done(PRINT_REQUESTED); });
    connect(m_pNext, &QAction::triggered, this, &CPrintPreview::OnNextPage);
    connect(m_pPrev, &QAction::triggered, this, &CPrintPreview::OnPrevPage);
    connect(m_pTwoPage, &QAction::triggered, this, &CPrintPreview::OnTwoPage);
    connect(m_pZoomIn, &QAction::triggered, this, &CPrintPreview::OnZoomIn);
    connect(m_pZoomOut, &QAction::triggered, this, &CPrintPreview::OnZoomOut);
    connect(pClose, &QAction::triggered, this, &QDialog::reject);

    m_pPages = new CPreviewPages(*this);
    m_pScroll = new QScrollArea(this);
    m_pScroll->setObjectName(QStringLiteral("scroll"));
    m_pScroll->setBackgroundRole(QPalette::Dark);
    m_pScroll->setAlignment(Qt::AlignCenter);
    m_pScroll->setWidget(m_pPages);
    m_pScroll->viewport()->installEventFilter(this);

    auto* pStatus = new QStatusBar(this);
    pStatus->setSizeGripEnabled(true);
    m_pPageLabel = new QLabel(pStatus);
    m_pPageLabel->setObjectName(QStringLiteral("pageNumber"));
    pStatus->addWidget(m_pPageLabel, 1);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pLayout->addWidget(pToolBar);
    pLayout->addWidget(m_pScroll, 1);
    pLayout->addWidget(pStatus);

    const QScreen* pScreen = pParent ? pParent->screen() : QApplication::primaryScreen();
    const QRect rcScreen = pScreen ? pScreen->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(rcScreen.width() * 4 / 5, rcScreen.height() * 9 / 10);
}

CPrintPreview::~CPrintPreview() {
    if (m_bBegun)
        m_layout.OnEndPrinting();
}

QAction* CPrintPreview::AddAction(const char* pszName, const QString& strText,
                                  const QString& strTip) {
    auto* pAction = new QAction(strText, this);
    pAction->setObjectName(QString::fromLatin1(pszName));
    pAction->setStatusTip(strTip);
    // The tool button shows the text with its letter, so Alt and the letter press it.
    pAction->setIconText(strText);
    return pAction;
}

bool CPrintPreview::Begin() {
    std::optional<CQtPrintSurface> measure;
    if (m_printer.isValid())
        measure.emplace(nullptr, m_printer);
    if (!m_layout.OnBeginPrinting(measure ? &*measure : nullptr))
        return false;
    m_bBegun = true;
    m_nPages = m_layout.CountPages(*measure);
    GoToPage(1);
    return true;
}

void CPrintPreview::GoToPage(int nPage) {
    m_nPage = std::clamp(nPage, 1, m_nPages);
    UpdateControls();
    UpdatePageSize();
    m_pPages->update();
}

void CPrintPreview::OnNextPage() {
    GoToPage(m_nPage + (m_bTwoPages ? 2 : 1));
}

void CPrintPreview::OnPrevPage() {
    GoToPage(m_nPage - (m_bTwoPages ? 2 : 1));
}

void CPrintPreview::OnTwoPage() {
    m_bTwoPages = !m_bTwoPages;
    GoToPage(m_nPage);
}

void CPrintPreview::OnZoomIn() {
    m_nZoom = std::min(2, m_nZoom + 1);
    GoToPage(m_nPage);
}

void CPrintPreview::OnZoomOut() {
    m_nZoom = std::max(0, m_nZoom - 1);
    GoToPage(m_nPage);
}

void CPrintPreview::UpdateControls() {
    const int nLast = std::min(m_nPages, m_nPage + (m_bTwoPages ? 1 : 0));
    m_pPageLabel->setText(nLast > m_nPage ? QStringLiteral("Pages %1-%2").arg(m_nPage).arg(nLast)
                                          : QStringLiteral("Page %1").arg(m_nPage));
    m_pNext->setEnabled(nLast < m_nPages);
    m_pPrev->setEnabled(m_nPage > 1);
    // "O" belongs to Zoom Out.
    const QString strTwoPage =
        m_bTwoPages ? QStringLiteral("On&e Page") : QStringLiteral("&Two Page");
    m_pTwoPage->setText(strTwoPage);
    m_pTwoPage->setIconText(strTwoPage);
    m_pZoomIn->setEnabled(m_nZoom < 2);
    m_pZoomOut->setEnabled(m_nZoom > 0);
}

void CPrintPreview::UpdatePageSize() {
    const QSizeF paper = m_printer.paperRect(QPrinter::DevicePixel).size();
    const int nShown = m_bTwoPages ? 2 : 1;
    const QSize view = m_pScroll->viewport()->size();
    const double dFitWidth =
        std::max(1.0, view.width() - GAP * (nShown + 1.0)) / (nShown * paper.width());
    double dScale = std::min(dFitWidth, std::max(1.0, view.height() - 2.0 * GAP) / paper.height());
    if (m_nZoom == 1)
        dScale = std::max(dScale, dFitWidth - m_pScroll->verticalScrollBar()->sizeHint().width() /
                                                  (nShown * paper.width()));
    else if (m_nZoom == 2)
        dScale = std::max(dScale * 2, logicalDpiX() / double(m_printer.logicalDpiX()));
    m_pPages->setProperty("scale", dScale);
    const QSize size(int(nShown * paper.width() * dScale + GAP * (nShown + 1)),
                     int(paper.height() * dScale + 2 * GAP));
    m_pPages->resize(size.expandedTo(view));
}

void CPrintPreview::PaintPages(QPainter& painter) {
    painter.fillRect(m_pPages->rect(), palette().color(QPalette::Dark));
    const double dScale = m_pPages->property("scale").toDouble();
    const QRectF paper = m_printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = m_printer.pageRect(QPrinter::DevicePixel);
    const int nShown = m_bTwoPages ? 2 : 1;
    const QSizeF shown(paper.width() * dScale, paper.height() * dScale);
    const double dTotal = nShown * shown.width() + GAP * (nShown - 1);
    const double dLeft = std::max<double>(GAP, (m_pPages->width() - dTotal) / 2);
    const double dTop = std::max<double>(GAP, (m_pPages->height() - shown.height()) / 2);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 0; i < nShown && m_nPage + i <= m_nPages; ++i) {
        const QRectF rcPaper(QPointF(dLeft + i * (shown.width() + GAP), dTop), shown);
        painter.fillRect(rcPaper.translated(3, 3), Qt::black);
        painter.fillRect(rcPaper, Qt::white);
        painter.save();
        painter.translate(rcPaper.topLeft() + (page.topLeft() - paper.topLeft()) * dScale);
        painter.scale(dScale, dScale);
        CQtPrintSurface surface(&painter, m_printer);
        m_layout.OnPrint(surface, m_nPage + i, true);
        painter.restore();
        ++m_nPagesPainted;
    }
}

void CPrintPreview::keyPressEvent(QKeyEvent* pEvent) {
    switch (pEvent->key()) {
    case Qt::Key_PageDown:
        OnNextPage();
        return;
    case Qt::Key_PageUp:
        OnPrevPage();
        return;
    case Qt::Key_Home:
        GoToPage(1);
        return;
    case Qt::Key_End:
        GoToPage(m_nPages);
        return;
    default:
        QDialog::keyPressEvent(pEvent);
    }
}

bool CPrintPreview::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched == m_pScroll->viewport() && pEvent->type() == QEvent::Resize)
        UpdatePageSize();
    return QDialog::eventFilter(pWatched, pEvent);
}
