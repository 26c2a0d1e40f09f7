#pragma once
// Counts heap allocations made while a counter is armed, whichever library
// makes them: Qt's texts come from malloc, not from operator new, so malloc
// itself is replaced (glibc's own entry points do the work). Include in one
// file of a benchmark program only: it defines malloc and its relatives.
#include <atomic>
#include <cstddef>
#include <cstdint>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* ptr, size_t size);
void __libc_free(void* ptr);
}

namespace bench_support {

inline std::atomic<bool> g_counting{false};
inline std::atomic<int64_t> g_allocations{0};

// Counts the allocations made between its construction and Count().
class Allocation_Counter {
 public:
  Allocation_Counter() {
    g_allocations.store(0);
    g_counting.store(true);
  }
  ~Allocation_Counter() { g_counting.store(false); }
  int64_t Count() const { return g_allocations.load(); }
};

inline void Note_Allocation() {
  if (g_counting.load(std::memory_order_relaxed)) g_allocations.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace bench_support

extern "C" {
void* malloc(size_t size) {
  bench_support::Note_Allocation();
  return __libc_malloc(size);
}
void* calloc(size_t count, size_t size) {
  bench_support::Note_Allocation();
  return __libc_calloc(count, size);
}
// A reallocation may move the block: it counts as one.
void* realloc(void* ptr, size_t size) {
  bench_support::Note_Allocation();
  return __libc_realloc(ptr, size);
}
void free(void* ptr) { __libc_free(ptr); }
}
