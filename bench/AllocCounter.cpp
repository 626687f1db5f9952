#include "AllocCounter.h"
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// Each block carries its requested size in front, so delete knows what it gives back.
constexpr std::size_t HEADER = alignof(std::max_align_t);

std::atomic<std::size_t> g_nLiveBytes{0};
std::atomic<std::size_t> g_nHeapBytes{0};
std::atomic<std::size_t> g_nLiveAllocs{0};

// What glibc malloc takes for a request of n bytes: 8 bytes of header, 16-byte steps,
// 32 bytes at least. This is the figure the process pays, without our own header.
std::size_t ChunkSize(std::size_t n) {
    const std::size_t nChunk = (n + 8 + 15) & ~std::size_t{15};
    return nChunk < 32 ? 32 : nChunk;
}

void* CountedAlloc(std::size_t n) {
    void* pBase = std::malloc(n + HEADER);
    if (!pBase)
        return nullptr;
    *static_cast<std::size_t*>(pBase) = n;
    g_nLiveBytes.fetch_add(n, std::memory_order_relaxed);
    g_nHeapBytes.fetch_add(ChunkSize(n), std::memory_order_relaxed);
    g_nLiveAllocs.fetch_add(1, std::memory_order_relaxed);
    return static_cast<char*>(pBase) + HEADER;
}

void* CountedAllocOrThrow(std::size_t n) {
    if (void* p = CountedAlloc(n))
        return p;
    throw std::bad_alloc();
}

void CountedFree(void* p) noexcept {
    if (!p)
        return;
    char* pBase = static_cast<char*>(p) - HEADER;
    const std::size_t n = *reinterpret_cast<std::size_t*>(pBase);
    g_nLiveBytes.fetch_sub(n, std::memory_order_relaxed);
    g_nHeapBytes.fetch_sub(ChunkSize(n), std::memory_order_relaxed);
    g_nLiveAllocs.fetch_sub(1, std::memory_order_relaxed);
    std::free(pBase);
}

} // namespace

CAllocCounts CurrentAllocCounts() {
    CAllocCounts counts;
    counts.m_nLiveBytes = g_nLiveBytes.load(std::memory_order_relaxed);
    counts.m_nHeapBytes = g_nHeapBytes.load(std::memory_order_relaxed);
    counts.m_nLiveAllocs = g_nLiveAllocs.load(std::memory_order_relaxed);
    return counts;
}

void* operator new(std::size_t n) {
    return CountedAllocOrThrow(n);
}
void* operator new[](std::size_t n) {
    return CountedAllocOrThrow(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    return CountedAlloc(n);
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    return CountedAlloc(n);
}
void operator delete(void* p) noexcept {
    CountedFree(p);
}
void operator delete[](void* p) noexcept {
    CountedFree(p);
}
void operator delete(void* p, std::size_t) noexcept {
    CountedFree(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    CountedFree(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    CountedFree(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    CountedFree(p);
}
