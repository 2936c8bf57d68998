/** @file BigBufferAllocator.h
 ** The storage of the editor's gap buffers (text, line starts, row shapes): one of several
 ** megabytes lies in huge pages, so that loading a big text takes a page fault per 2 MiB
 ** instead of per 4 KiB; and new elements are left as they are, since a gap buffer writes
 ** every element before it reads it. **/
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <utility>

#include "platform/core/HugePages.h"

template <class T>
struct TBigBufferAllocator {
  using value_type = T;
  /** Smaller buffers come from the ordinary heap. */
  static constexpr std::size_t HugeFrom = 2 * HugePageSize;

  TBigBufferAllocator() = default;
  template <class U>
  TBigBufferAllocator(const TBigBufferAllocator<U>&) noexcept {}

  T* allocate(std::size_t Count) {
    if (Count * sizeof(T) < HugeFrom) return std::allocator<T>().allocate(Count);
    return static_cast<T*>(AllocateHugePages(Count * sizeof(T)));
  }
  void deallocate(T* Block, std::size_t Count) noexcept {
    if (Count * sizeof(T) < HugeFrom)
      std::allocator<T>().deallocate(Block, Count);
    else
      FreeHugePages(Block);
  }
  template <class U>
  void construct(U* Place) noexcept {
    ::new (static_cast<void*>(Place)) U;
  }
  template <class U, class... TArgs>
  void construct(U* Place, TArgs&&... Args) {
    ::new (static_cast<void*>(Place)) U(std::forward<TArgs>(Args)...);
  }
  template <class U>
  bool operator==(const TBigBufferAllocator<U>&) const noexcept {
    return true;
  }
};
