/** @file RangeAllocator.cpp
 ** Slabs with free lists per block size. Under AddressSanitizer free blocks are poisoned,
 ** so a freed range that is used again is still reported. **/
#include "sourceedit/RangeAllocator.h"

#include <array>
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
constexpr std::size_t SlabBytes = 256 * 1024;

struct TFreeBlock {
  TFreeBlock* Next;
};

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
    if (Slabs.empty() || Used + BlockSize > SlabBytes) {
      Slabs.push_back(std::make_unique_for_overwrite<std::byte[]>(SlabBytes));
      YOREL_POISON(Slabs.back().get(), SlabBytes);
      Used = 0;
    }
    void* Block = Slabs.back().get() + Used;
    Used += BlockSize;
    YOREL_UNPOISON(Block, BlockSize);
    return Block;
  }

  void Free(void* Block, std::size_t BlockSize) {
    if (--Live == 0) {
      // The last range of this size is gone, as when a text is closed: give everything back.
      for (auto& Slab : Slabs)
        YOREL_UNPOISON(Slab.get(), SlabBytes);
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
  std::vector<std::unique_ptr<std::byte[]>> Slabs;
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
