#pragma once

class CTallywiseDoc;
class QWidget;

// The document's two commands of the File menu, on the window's side: they run the
// dialogs and hand the answers to the document.
class CDocCommands {
public:
    CDocCommands(CTallywiseDoc& doc, QWidget* pParent) : m_doc(doc), m_pParent(pParent) {}

    void OnSetPassword();
    void OnBankInfo();

private:
    CTallywiseDoc& m_doc;
    QWidget* m_pParent;
};
