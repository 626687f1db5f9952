#pragma once
#include <cstdint>
#include <memory>
#include <optional>

class CTallywiseDoc;
class IClock;
class QPrinter;
class QWidget;
struct COptionsApplied;
struct CSettings;

// The register list as the commands reach it: its selected row, and its look, which the
// Options command changes.
class IRegisterList {
public:
    virtual ~IRegisterList() = default;
    virtual std::optional<std::uint16_t> GetSelectedRow() const = 0;
    // Selects the row and scrolls it into view.
    virtual void ShowRow(std::uint16_t nRow) = 0;
    virtual void OnOptionsApplied(const COptionsApplied& applied) = 0;
};

// What a command's handler works on, so that a tool's handler needs nothing of the
// application object or the frame: the register, the settings, the clock, the window
// its dialogs belong to and the register list.
class CCommandContext {
public:
    CCommandContext(CTallywiseDoc& doc, CSettings& settings, IClock& clock, QWidget* pParent,
                    IRegisterList& list);
    ~CCommandContext();
    CCommandContext(const CCommandContext&) = delete;
    CCommandContext& operator=(const CCommandContext&) = delete;

    CTallywiseDoc& m_doc;
    CSettings& m_settings;
    IClock& m_clock;
    QWidget* m_pParent;
    IRegisterList& m_list;
    // The printer of this run, made by the first command that needs it; it keeps the
    // choices of the print and print setup dialogs from one command to the next.
    std::unique_ptr<QPrinter> m_pPrinter;
};
