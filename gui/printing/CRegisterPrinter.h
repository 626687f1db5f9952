#pragma once
#include "core/printing/CPrintLayout.h"
#include <memory>

class CTallywiseApp;
class CTallywiseDoc;
class QPrinter;
class QWidget;

// Prints the register on a printer or into a PDF file, page by page. False when the job
// could not start; the user has been told through the document's messages.
bool PrintRegister(const CTallywiseDoc& doc, const CPrintSettings& settings, QPrinter& printer);

// A printer for this run: the system's default one, or a PDF file when there is none.
std::unique_ptr<QPrinter> MakePrinter();

// The print commands of the register window, on the printer of this run.
class CRegisterPrinter {
public:
    CRegisterPrinter(CTallywiseApp& app, QWidget* pParent);
    ~CRegisterPrinter();

    QPrinter& Printer();
    // The print dialog (all pages), then the job.
    void OnFilePrint();
    void OnFilePrintPreview();
    // The printer's own set-up: paper, orientation, margins.
    void OnFilePrintSetup();

private:
    CTallywiseApp& m_app;
    QWidget* m_pParent;
    std::unique_ptr<QPrinter> m_pPrinter;
};
