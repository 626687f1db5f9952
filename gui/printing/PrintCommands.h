#pragma once
#include "core/printing/CPrintLayout.h"
#include <memory>

class CCommandContext;
class CTallywiseDoc;
class QPrinter;
class QWidget;

// Prints the register on a printer or into a PDF file, page by page. False when the job
// could not start; the user has been told through the document's messages.
bool PrintRegister(const CTallywiseDoc& doc, const CPrintSettings& settings, QPrinter& printer);

// A printer for this run: the system's default one, or a PDF file when there is none.
std::unique_ptr<QPrinter> MakePrinter();

// The print commands, on the printer of this run (made by the first of them).
// File > Print: the print dialog (all pages), then the job.
void OnFilePrint(CCommandContext& context);
void OnFilePrintPreview(CCommandContext& context);
// File > Print Setup: the printer's own set-up: paper, orientation, margins.
void OnFilePrintSetup(CCommandContext& context);
