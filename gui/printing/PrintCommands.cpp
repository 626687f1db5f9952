#include "PrintCommands.h"
#include "CPrintPreview.h"
#include "CQtPrintSurface.h"
#include "core/document/CTallywiseDoc.h"
#include "core/settings/CSettings.h"
#include "gui/framework/CCommandContext.h"
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QTimer>
#include <optional>

bool PrintRegister(const CTallywiseDoc& doc, const CPrintSettings& settings, QPrinter& printer) {
    CPrintLayout layout(doc, settings);
    QPainter painter;
    std::optional<CQtPrintSurface> surface;
    if (printer.isValid() && painter.begin(&printer))
        surface.emplace(&painter, printer);
    if (!layout.OnBeginPrinting(surface ? &*surface : nullptr))
        return false;
    for (int nPage = 1; layout.OnPrepareDC(); ++nPage) {
        if (nPage > 1 && !printer.newPage())
            break;
        layout.OnPrint(*surface, nPage, false);
    }
    layout.OnEndPrinting();
    painter.end();
    return true;
}

std::unique_ptr<QPrinter> MakePrinter() {
    auto pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (QPrinterInfo::defaultPrinter().isNull())
        pPrinter->setOutputFormat(QPrinter::PdfFormat);
    return pPrinter;
}

namespace {

QPrinter& Printer(CCommandContext& context) {
    if (!context.m_pPrinter)
        context.m_pPrinter = MakePrinter();
    return *context.m_pPrinter;
}

} // namespace

void OnFilePrint(CCommandContext& context) {
    QPrinter& printer = Printer(context);
    QPrintDialog dlg(&printer, context.m_pParent->window());
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // Some dialogs keep offering "Pages from" whatever the options say.
    QTimer::singleShot(0, &dlg, [&dlg] {
        for (const char* pszName :
             {"printRange", "pageRange", "printCurrentPage", "printSelection"})
            if (auto* pRadio = dlg.findChild<QRadioButton*>(QLatin1String(pszName)))
                pRadio->setEnabled(false);
    });
    if (dlg.exec() != QDialog::Accepted)
        return;
    printer.setPrintRange(QPrinter::AllPages);
    PrintRegister(context.m_doc, PrintSettingsOf(context.m_settings), printer);
}

void OnFilePrintPreview(CCommandContext& context) {
    bool bPrint = false;
    {
        CPrintPreview preview(context.m_doc, PrintSettingsOf(context.m_settings), Printer(context),
                              context.m_pParent->window());
        if (!preview.Begin())
            return;
        bPrint = preview.exec() == CPrintPreview::PRINT_REQUESTED;
    }
    if (bPrint)
        OnFilePrint(context);
}

void OnFilePrintSetup(CCommandContext& context) {
    QPageSetupDialog dlg(&Printer(context), context.m_pParent->window());
    dlg.exec();
}
