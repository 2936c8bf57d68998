/** @file RangeAllocator.cpp
 ** Slabs with free lists per block size. Under AddressSanitizer free blocks are poisoned,
 ** so a freed range that is used again is still reported. **/
#include "sourceedit/RangeAllocator.h"

#include "platform/core/HugePages.h"

#include <array>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define YOREL_POISON(Address, Size) ASAN_POISON_MEMORY_REGION(Address, Size)
#define YOREL_UNPOISON(Address, Size) ASAN_UNPOISON_MEMORY_REGION(Address, Size)
#else
#define YOREL_POISON(Address, Size) ((void)(Address), (void)(Size))
#define YOREL_UNPOISON(Address, Size) ((void)(Address), (void)(Size))
#endif

namespace {
constexpr std::size_t Granule = RangeAllocator::Alignment;
constexpr std::size_t LargestPooled = 256;
constexpr std::size_t SmallSlabBytes = 256 * 1024;
// A big text takes its slabs in huge pages: a fault per 2 MiB instead of per 4 KiB, which
// was a third of the cost of making the ranges of a big text.
constexpr std::size_t LargeSlabBytes = HugePageSize;
constexpr std::size_t SmallSlabsPerPool = 8;

struct TFreeBlock {
  TFreeBlock* Next;
};

struct TSlabFree {
  bool Huge = false;
  void operator()(std::byte* Slab) const {
    if (Huge)
      FreeHugePages(Slab);
    else
      std::free(Slab);
  }
};

struct TSlab {
  std::unique_ptr<std::byte, TSlabFree> Bytes;
  std::size_t Size;
};

TSlab NewSlab(std::size_t Size) {
  const bool Huge = Size == LargeSlabBytes;
  auto* Bytes = static_cast<std::byte*>(Huge ? AllocateHugePages(Size) : std::malloc(Size));
  if (!Bytes) throw std::bad_alloc();
  return {std::unique_ptr<std::byte, TSlabFree>(Bytes, TSlabFree{Huge}), Size};
}

class TPool {
 public:
  void* Allocate(std::size_t BlockSize) {
    ++Live;
    if (FreeList) {
      TFreeBlock* Block = FreeList;
      YOREL_UNPOISON(Block, BlockSize);
      FreeList = Block->Next;
      return Block;
    }
    if (Slabs.empty() || Used + BlockSize > Slabs.back().Size) {
      Slabs.push_back(
          NewSlab(Slabs.size() < SmallSlabsPerPool ? SmallSlabBytes : LargeSlabBytes));
      YOREL_POISON(Slabs.back().Bytes.get(), Slabs.back().Size);
      Used = 0;
    }
    void* Block = Slabs.back().Bytes.get() + Used;
    Used += BlockSize;
    YOREL_UNPOISON(Block, BlockSize);
    return Block;
  }

  void Free(void* Block, std::size_t BlockSize) {
    if (--Live == 0) {
      // The last range of this size is gone, as when a text is closed: give everything back.
      for (auto& Slab : Slabs)
        YOREL_UNPOISON(Slab.Bytes.get(), Slab.Size);
      Slabs.clear();
      FreeList = nullptr;
      Used = 0;
      return;
    }
    auto* Free = static_cast<TFreeBlock*>(Block);
    Free->Next = FreeList;
    FreeList = Free;
    YOREL_POISON(Block, BlockSize);
  }

  std::size_t SlabCount() const { return Slabs.size(); }

 private:
  std::vector<TSlab> Slabs;
  TFreeBlock* FreeList = nullptr;
  std::size_t Used = 0;
  std::size_t Live = 0;
};

// Blocks are rounded up to whole granules, so every block is aligned to one.
std::size_t BlockSizeOf(std::size_t Size) {
  return (Size + Granule - 1) / Granule * Granule;
}

TPool& PoolOf(std::size_t BlockSize) {
  static std::array<TPool, LargestPooled / Granule + 1> Pools;
  return Pools[BlockSize / Granule];
}
}  // namespace

void* RangeAllocator::Allocate(std::size_t Size) {
  const std::size_t BlockSize = BlockSizeOf(Size);
  if (BlockSize > LargestPooled) return ::operator new(Size);
  return PoolOf(BlockSize).Allocate(BlockSize);
}

void RangeAllocator::Free(void* Block, std::size_t Size) {
  if (!Block) return;
  const std::size_t BlockSize = BlockSizeOf(Size);
  if (BlockSize > LargestPooled) {
    ::operator delete(Block);
    return;
  }
  PoolOf(BlockSize).Free(Block, BlockSize);
}

std::size_t RangeAllocator::SlabCount(std::size_t Size) {
  const std::size_t BlockSize = BlockSizeOf(Size);
  return BlockSize > LargestPooled ? 0 : PoolOf(BlockSize).SlabCount();
}
