#pragma once
#include "core/framework/IRegisterObserver.h"
#include "gui/framework/CCommandContext.h"
#include <QPointer>
#include <QTableView>
#include <cstdint>
#include <optional>
#include <string>

class CDlgEntry;
class CRegisterModel;
class CTallywiseDoc;
struct CEntry;
struct CSettings;
class QAction;

// 0x00BBGGRR values of the settings.
QColor ColorFromRef(int nColor);
int ColorToRef(const QColor& color);
// The list font of a face and a size in tenths of a point; a face that is not installed is
// drawn with a narrow sans-serif face instead, the stored name itself is kept.
QFont MakeListFont(const std::string& strFace, int nTenths);

// The register list: one row per entry, in the document's order, and the entry commands.
// It follows the document's announcements, so commands change only the document.
class CTallywiseView : public QTableView, public IRegisterList, public IRegisterObserver {
    Q_OBJECT
public:
    CTallywiseView(CTallywiseDoc& doc, CSettings& settings, QWidget* pParent = nullptr);
    ~CTallywiseView() override;

    // Rebuilds the list for a new or opened document, the last row selected.
    void OnInitialUpdate();

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
    std::optional<std::uint16_t> GetSelectedRow() const override;
    // The font, the colours and the Type column follow what Options changed.
    void OnOptionsApplied(const COptionsApplied& applied) override;
    void ShowRow(std::uint16_t nRow) override { SelectRow(nRow); }

    void ApplyListFont(const std::string& strFace, int nTenths);
    void ApplyListColours(int nBkColor, int nTxColor);

    // The popup offers these commands under its own texts.
    void SetPopupActions(QAction* pAdd, QAction* pEdit, QAction* pDelete);

    CRegisterModel* Model() const { return m_pModel; }
    CTallywiseDoc& GetDocument() const { return m_doc; }

    // The date the next Add Entry proposes.
    int m_nNewDay = 1;
    int m_nNewMonth = 1;
    int m_nNewYear = 1970;

public Q_SLOTS:
    void OnAddEntry();
    void OnEditEntry();
    void OnDeleteEntry();
    void OnStartingBalance();

Q_SIGNALS:
    // Selection, rows or document state changed: the commands' enabled states may differ.
    void CommandStateChanged();
    // Asked right before the popup opens, so its items are enabled as the commands are.
    void CommandUpdateNeeded();

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
    void SelectAfterRemoval(std::uint16_t nRow);

    CTallywiseDoc& m_doc;
    CSettings& m_settings;
    CRegisterModel* m_pModel;
    QPointer<QAction> m_pPopupAdd;
    QPointer<QAction> m_pPopupEdit;
    QPointer<QAction> m_pPopupDelete;
};

// The update handler of Edit Entry and Delete Entry: a row is selected.
bool OnUpdateEntrySelected(const CCommandContext& context);
