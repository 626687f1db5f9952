#pragma once
#include "core/printing/CPrintLayout.h"
#include <QDialog>

class QAction;
class QLabel;
class QPrinter;
class QScrollArea;

// Print preview: the pages of the job as the printer would print them, one or two at a
// time. A page is drawn only when it is shown.
//
// Object names of the actions: "print", "next", "prev", "twoPage", "zoomIn", "zoomOut",
// "close"; the page label "pageNumber".
class CPrintPreview : public QDialog {
    Q_OBJECT
public:
    // exec() result when "Print..." was chosen.
    static constexpr int PRINT_REQUESTED = 2;

    CPrintPreview(const CTallywiseDoc& doc, const CPrintSettings& settings, QPrinter& printer,
                  QWidget* pParent = nullptr);
    ~CPrintPreview() override;

    // Starts the job; false when it cannot (the user has been told).
    bool Begin();

    int PageCount() const { return m_nPages; }
    int CurrentPage() const { return m_nPage; }
    bool TwoPages() const { return m_bTwoPages; }
    int ZoomLevel() const { return m_nZoom; }
    // Pages painted so far, for checking that they are drawn only when shown.
    int PagesPainted() const { return m_nPagesPainted; }

    void OnNextPage();
    void OnPrevPage();
    void OnTwoPage();
    void OnZoomIn();
    void OnZoomOut();

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    friend class CPreviewPages;
    QAction* AddAction(const char* pszName, const QString& strText, const QString& strTip);
    void GoToPage(int nPage);
    void UpdateControls();
    void UpdatePageSize();
    void PaintPages(QPainter& painter);

    CPrintLayout m_layout;
    QPrinter& m_printer;
    int m_nPages = 1;
    int m_nPage = 1;
    bool m_bTwoPages = false;
    int m_nZoom = 0; // 0 whole page, 1 page width, 2 actual size
    int m_nPagesPainted = 0;
    bool m_bBegun = false;
    QWidget* m_pPages = nullptr;
    QScrollArea* m_pScroll = nullptr;
    QLabel* m_pPageLabel = nullptr;
    QAction* m_pNext = nullptr;
    QAction* m_pPrev = nullptr;
    QAction* m_pTwoPage = nullptr;
    QAction* m_pZoomIn = nullptr;
    QAction* m_pZoomOut = nullptr;
};
