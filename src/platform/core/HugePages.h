/** @file HugePages.h
 ** Memory in huge pages for big buffers: filling 100 MiB in 4 KiB pages takes one page
 ** fault per page, which on a virtual machine cost most of the time of loading a big text. **/
#pragma once

#include <cstddef>

constexpr std::size_t HugePageSize = 2 * 1024 * 1024;

/** Size bytes aligned to a huge page and advised to use huge pages where the system has
    them; Size is rounded up to whole huge pages. Throws std::bad_alloc. */
void* AllocateHugePages(std::size_t Size);
/** Frees what AllocateHugePages returned. */
void FreeHugePages(void* Block) noexcept;
/** Advises the whole huge pages inside Size bytes at Data, a buffer not filled yet, to be
    backed by huge pages when they are first written. */
void AdviseHugePages(void* Data, std::size_t Size) noexcept;
