// LargePageAllocator: an allocator for the engine's big working arrays that
// asks the system for large memory pages. Where first touching fresh memory
// is dear (a fault per 4 KB page), this saves much of it; where large pages
// are not offered, the hint is ignored and the memory is ordinary.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace gridding {

template <class T>
struct LargePageAllocator {
  using value_type = T;
  static constexpr size_t kPage = size_t{2} << 20;  // a large page: 2 MB

  LargePageAllocator() = default;
  template <class U>
  LargePageAllocator(const LargePageAllocator<U>&) {}

  T* allocate(size_t n) {
    const size_t bytes = n * sizeof(T);
    if (bytes < 2 * kPage) return std::allocator<T>().allocate(n);
    const size_t rounded = (bytes + kPage - 1) / kPage * kPage;
    void* p = std::aligned_alloc(kPage, rounded);
    if (!p) throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    madvise(p, rounded, MADV_HUGEPAGE);  // a hint; failure changes nothing
#endif
    return static_cast<T*>(p);
  }
  void deallocate(T* p, size_t n) {
    if (n * sizeof(T) < 2 * kPage) return std::allocator<T>().deallocate(p, n);
    std::free(p);
  }
  template <class U>
  bool operator==(const LargePageAllocator<U>&) const {
    return true;
  }
};

template <class T>
using LargeVector = std::vector<T, LargePageAllocator<T>>;

}  // namespace gridding
