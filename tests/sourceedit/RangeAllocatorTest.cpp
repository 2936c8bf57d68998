// The syntax ranges' allocator: blocks never overlap, freed blocks are reused, and a size's
// memory goes back when its last block is freed.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

#include "sourceedit/RangeAllocator.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#endif

TEST(RangeAllocator, BlocksAreDistinctReusedAndGivenBackWithTheLast) {
  constexpr std::size_t Size = 104;
  std::vector<void*> Blocks;
  // Enough blocks to need several slabs, the later ones large; each is written whole.
  for (int I = 0; I < 40000; ++I) {
    Blocks.push_back(RangeAllocator::Allocate(Size));
    std::memset(Blocks.back(), I & 0xFF, Size);
    ASSERT_EQ(reinterpret_cast<std::uintptr_t>(Blocks.back()) % RangeAllocator::Alignment, 0u);
  }
  EXPECT_EQ(std::set<void*>(Blocks.begin(), Blocks.end()).size(), Blocks.size());
  EXPECT_GT(RangeAllocator::SlabCount(Size), 1u);
  for (int I = 0; I < 40000; ++I)
    ASSERT_EQ(static_cast<unsigned char*>(Blocks[I])[Size - 1], I & 0xFF) << I;

  void* Freed = Blocks[100];
  RangeAllocator::Free(Freed, Size);
#if defined(__SANITIZE_ADDRESS__)
  EXPECT_TRUE(__asan_address_is_poisoned(Freed));
#endif
  Blocks[100] = RangeAllocator::Allocate(Size);
  EXPECT_EQ(Blocks[100], Freed);

  const std::size_t Slabs = RangeAllocator::SlabCount(Size);
  for (void* Block : Blocks)
    RangeAllocator::Free(Block, Size);
  EXPECT_LT(RangeAllocator::SlabCount(Size), Slabs);
  EXPECT_EQ(RangeAllocator::SlabCount(Size), 0u);
}

TEST(RangeAllocator, SizesHaveTheirOwnBlocksAndLargeOnesComeFromTheSystem) {
  void* Small = RangeAllocator::Allocate(104);
  void* Larger = RangeAllocator::Allocate(128);
  void* Huge = RangeAllocator::Allocate(4096);
  EXPECT_EQ(RangeAllocator::SlabCount(104), 1u);
  EXPECT_EQ(RangeAllocator::SlabCount(128), 1u);
  EXPECT_EQ(RangeAllocator::SlabCount(4096), 0u);
  std::memset(Huge, 0, 4096);
  RangeAllocator::Free(Huge, 4096);
  RangeAllocator::Free(Larger, 128);
  RangeAllocator::Free(Small, 104);
  EXPECT_EQ(RangeAllocator::SlabCount(104), 0u);
}
