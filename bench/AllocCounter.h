#pragma once
#include <cstddef>

// Counts of the global operator new and delete of the benchmark program, which replaces
// both so a benchmark can tell how much memory building a document takes.
struct CAllocCounts {
    std::size_t m_nLiveBytes = 0;  // requested and not yet freed
    std::size_t m_nHeapBytes = 0;  // the same as malloc chunks (size, header, rounding)
    std::size_t m_nLiveAllocs = 0; // blocks not yet freed
};

CAllocCounts CurrentAllocCounts();
