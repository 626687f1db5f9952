#pragma once
#include "core/framework/IRegisterObserver.h"
#include "gui/framework/IDocumentView.h"
#include <QPointer>
#include <QTableView>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class CDlgEntry;
class CRegisterPrinter;
class CRegisterModel;
class CTallywiseApp;
class CTallywiseDoc;
struct CEntry;
class QAction;

// 0x00BBGGRR values of the settings.
QColor ColorFromRef(int nColor);
int ColorToRef(const QColor& color);
// The list font of a face and a size in tenths of a point; a face that is not installed is
// drawn with a narrow sans-serif face instead, the stored name itself is kept.
QFont MakeListFont(const std::string& strFace, int nTenths);

// The register list: one row per entry, in the document's order. It follows the document's
// announcements, so commands change only the document.
class CTallywiseView : public QTableView, public IDocumentView, public IRegisterObserver {
    Q_OBJECT
public:
    explicit CTallywiseView(CTallywiseApp& app, QWidget* pParent = nullptr);
    ~CTallywiseView() override;

    void OnInitialUpdate() override;
    void OnTitleChanged() override;

    // What the document announces.
    void OnEntryInserted(std::uint16_t nPos) override;
    void OnEntryRemoved(std::uint16_t nPos) override;
    void OnEntriesReset() override;
    void OnBalancesChanged(std::uint16_t nFrom) override;
    void OnEntryChanged(std::uint16_t nPos) override;
    void OnDocumentChanged() override;

    // Row operations, driven by the announcements.
    void InsertRow(std::uint16_t nPos, bool bSelect);
    void DeleteRow(std::uint16_t nPos);
    void RefreshBalances(std::uint16_t nFrom);
    void RefreshRow(std::uint16_t nPos);
    std::optional<std::uint16_t> GetSelectedRow() const;

    // Update handlers.
    bool OnUpdateEntrySelected() const;
    bool OnUpdateNeedsStartBal() const;

    void ApplyListFont(const std::string& strFace, int nTenths);
    void ApplyListColours(int nBkColor, int nTxColor);

    // The popup offers these commands under its own texts.
    void SetPopupActions(QAction* pAdd, QAction* pEdit, QAction* pDelete);

    CRegisterModel* Model() const { return m_pModel; }
    CTallywiseApp& App() const { return m_app; }
    CTallywiseDoc& GetDocument() const;
    // The print commands and the printer of this run.
    CRegisterPrinter& Printing();

    // The date the next Add Entry proposes.
    int m_nNewDay = 1;
    int m_nNewMonth = 1;
    int m_nNewYear = 1970;

public Q_SLOTS:
    void OnAddEntry();
    void OnEditEntry();
    void OnDeleteEntry();
    void OnStartingBalance();
    void OnArchive();
    void OnViewArchive();
    void OnAutomaticEntries();
    void OnUndoDelete();
    void OnBalance();
    void OnSearch();
    void OnStatistics();
    void OnOptions();
    void OnFilePrint();
    void OnFilePrintPreview();

Q_SIGNALS:
    // Selection, rows or document state changed: the commands' enabled states may differ.
    void CommandStateChanged();
    // Asked right before the popup opens, so its items are enabled as the commands are.
    void CommandUpdateNeeded();
    void TitleChanged();

protected:
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    bool viewportEvent(QEvent* pEvent) override;

private:
    void OnListDblClk();
    void ToggleCleared(std::uint16_t nRow);
    void UpdateColumnWidths();
    void SelectRow(int nRow, bool bScroll = true);
    bool RunEntryDialog(CDlgEntry& dlg);
    bool EnsureStartingBalance();
    void SetStartingBalance(double dStartBal);
    void PostDueAutoEntries();
    void SelectAfterRemoval(std::uint16_t nRow);

    CTallywiseApp& m_app;
    CRegisterModel* m_pModel;
    QPointer<QAction> m_pPopupAdd;
    QPointer<QAction> m_pPopupEdit;
    QPointer<QAction> m_pPopupDelete;
    std::unique_ptr<CRegisterPrinter> m_pPrinting;
};
