#pragma once

// What the document cycle tells the window: a new or opened document is to be shown, and
// the document's title may have changed.
class IDocumentView {
public:
    virtual ~IDocumentView() = default;
    virtual void OnInitialUpdate() = 0;
    virtual void OnTitleChanged() = 0;
};
