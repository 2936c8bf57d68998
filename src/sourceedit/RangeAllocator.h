/** @file RangeAllocator.h
 ** Memory for syntax ranges, which a text holds by the hundred thousand and a rescan
 ** frees and makes by the dozen: large slabs cut into equal blocks, one free list per
 ** block size, and no per-block bookkeeping. **/
#pragma once

#include <cstddef>

namespace RangeAllocator {
/** Every block is aligned to this many bytes. */
constexpr std::size_t Alignment = 8;
/** A block of Size bytes. */
void* Allocate(std::size_t Size);
/** Returns a block that Allocate gave for the same Size. A size's slabs go back to the
    system when its last block is freed. */
void Free(void* Block, std::size_t Size);
/** Slabs held for blocks of Size bytes, for tests. */
std::size_t SlabCount(std::size_t Size);
}  // namespace RangeAllocator
