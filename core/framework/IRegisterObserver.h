#pragma once
#include <cstdint>

// What the document announces about its entry list. The register list implements it, so
// no command copies rows by hand; positions are those of the list after the change.
class IRegisterObserver {
public:
    virtual ~IRegisterObserver() = default;
    virtual void OnEntryInserted(std::uint16_t nPos) = 0;
    virtual void OnEntryRemoved(std::uint16_t nPos) = 0;
    // The whole list was replaced (New, Open, a bulk change).
    virtual void OnEntriesReset() = 0;
    // Running balances were rewritten from nFrom to the end.
    virtual void OnBalancesChanged(std::uint16_t nFrom) = 0;
    // One entry's cells changed in place, such as its cleared flag.
    virtual void OnEntryChanged(std::uint16_t nPos) = 0;
    // Something beside the entry list changed (the other lists, the starting balance, the
    // next check number, the bank lines, the password): what depends on it looks again.
    virtual void OnDocumentChanged() = 0;
};
