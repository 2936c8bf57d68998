/** @file HugePages.cpp
 ** Huge-page memory from the C heap, aligned so that the system can back it with them. **/
#include "platform/core/HugePages.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

void* AllocateHugePages(std::size_t Size) {
  const std::size_t Rounded = (Size + HugePageSize - 1) / HugePageSize * HugePageSize;
  void* Block = std::aligned_alloc(HugePageSize, Rounded);
  if (!Block) throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  madvise(Block, Rounded, MADV_HUGEPAGE);
#endif
  return Block;
}

void FreeHugePages(void* Block) noexcept {
  std::free(Block);
}

void AdviseHugePages(void* Data, std::size_t Size) noexcept {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  const auto Start = reinterpret_cast<std::uintptr_t>(Data);
  const std::uintptr_t First = (Start + HugePageSize - 1) / HugePageSize * HugePageSize;
  const std::uintptr_t End = (Start + Size) / HugePageSize * HugePageSize;
  if (End > First) madvise(reinterpret_cast<void*>(First), End - First, MADV_HUGEPAGE);
#else
  (void)Data;
  (void)Size;
#endif
}
