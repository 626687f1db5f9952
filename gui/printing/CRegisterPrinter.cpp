#include "CRegisterPrinter.h"
#include "CPrintPreview.h"
#include "CQtPrintSurface.h"
#include "gui/app/CTallywiseApp.h"
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

CRegisterPrinter::CRegisterPrinter(CTallywiseApp& app, QWidget* pParent)
    : m_app(app), m_pParent(pParent) {}

CRegisterPrinter::~CRegisterPrinter() = default;

QPrinter& CRegisterPrinter::Printer() {
    if (!m_pPrinter)
        m_pPrinter = MakePrinter();
    return *m_pPrinter;
}

void CRegisterPrinter::OnFilePrint() {
    QPrinter& printer = Printer();
    QPrintDialog dlg(&printer, m_pParent->window());
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
    PrintRegister(m_app.GetDocument(), PrintSettingsOf(m_app), printer);
}

void CRegisterPrinter::OnFilePrintPreview() {
    bool bPrint = false;
    {
        CPrintPreview preview(m_app.GetDocument(), PrintSettingsOf(m_app), Printer(),
                              m_pParent->window());
        if (!preview.Begin())
            return;
        bPrint = preview.exec() == CPrintPreview::PRINT_REQUESTED;
    }
    if (bPrint)
        OnFilePrint();
}

void CRegisterPrinter::OnFilePrintSetup() {
    QPageSetupDialog dlg(&Printer(), m_pParent->window());
    dlg.exec();
}
