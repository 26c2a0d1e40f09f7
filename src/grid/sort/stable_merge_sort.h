#pragma once
// A stable merge sort that stays inside its range whatever the comparison
// answers: comparisons may come from the application's events, which need
// not be consistent, and the library's sorts may read past the range then.
#include <algorithm>
#include <vector>

namespace grid_sort {

template <typename T, typename Less>
void Stable_Merge_Sort(std::vector<T>& items, Less less) {
  const size_t n = items.size();
  if (n < 2) return;
  // Short runs by insertion, bounded at the run's start.
  constexpr size_t run = 16;
  for (size_t lo = 0; lo < n; lo += run) {
    const size_t hi = std::min(n, lo + run);
    for (size_t i = lo + 1; i < hi; ++i) {
      T v = items[i];
      size_t j = i;
      while (j > lo && less(v, items[j - 1])) {
        items[j] = items[j - 1];
        --j;
      }
      items[j] = v;
    }
  }
  std::vector<T> buffer(n);
  std::vector<T>* from = &items;
  std::vector<T>* to = &buffer;
  for (size_t width = run; width < n; width *= 2) {
    for (size_t lo = 0; lo < n; lo += 2 * width) {
      const size_t mid = std::min(n, lo + width), hi = std::min(n, lo + 2 * width);
      size_t a = lo, b = mid, k = lo;
      // Taking from the right only when it is strictly smaller keeps ties in order.
      while (a < mid && b < hi) (*to)[k++] = less((*from)[b], (*from)[a]) ? (*from)[b++] : (*from)[a++];
      while (a < mid) (*to)[k++] = (*from)[a++];
      while (b < hi) (*to)[k++] = (*from)[b++];
    }
    std::swap(from, to);
  }
  if (from != &items) items.swap(buffer);
}

}  // namespace grid_sort
