#pragma once

// The two figures of the main window's status bar, written by the document.
class IStatusPanes {
public:
    virtual ~IStatusPanes() = default;
    virtual void SetStatusBalance(double dBalance) = 0;
    virtual void SetStatusEntries(int nEntries) = 0;
};
