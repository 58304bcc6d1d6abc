#pragma once
// A decoded picture: 32-bit pixels 0xAARRGGBB, row after row from the top, not premultiplied.
#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

namespace platform
{
// Large pictures live in memory the kernel may back with huge pages. The game's pictures add up
// to well over a hundred megabytes, and touching them for the first time one small page at a
// time took most of the start-up.
template <typename T>
struct PictureAllocator
{
    using value_type = T;
    static constexpr size_t ourHugePage = size_t{2} << 20;

    PictureAllocator() = default;
    template <typename U>
    explicit PictureAllocator(const PictureAllocator<U>& /*aOther*/)
    {
    }

    T* allocate(size_t aCount)
    {
        if (aCount * sizeof(T) < ourHugePage)
        {
            return std::allocator<T>().allocate(aCount);
        }
        const size_t bytes = (aCount * sizeof(T) + ourHugePage - 1) / ourHugePage * ourHugePage;
        void* memory = std::aligned_alloc(ourHugePage, bytes);
        if (memory == nullptr)
        {
            throw std::bad_alloc();
        }
        madvise(memory, bytes, MADV_HUGEPAGE);  // a hint: without huge pages it still works
        return static_cast<T*>(memory);
    }

    void deallocate(T* aMemory, size_t aCount)
    {
        if (aCount * sizeof(T) < ourHugePage)
        {
            std::allocator<T>().deallocate(aMemory, aCount);
            return;
        }
        std::free(aMemory);
    }

    template <typename U>
    bool operator==(const PictureAllocator<U>& /*aOther*/) const
    {
        return true;
    }
    template <typename U>
    bool operator!=(const PictureAllocator<U>& /*aOther*/) const
    {
        return false;
    }
};

using PixelBuffer = std::vector<uint32_t, PictureAllocator<uint32_t>>;

struct DecodedImage
{
    int width = 0;
    int height = 0;
    PixelBuffer pixels;
};

// Largest accepted side of a picture; anything bigger is treated as a corrupt header.
constexpr int kMaxPictureSide = 16384;
// Largest accepted picture (64 MB of pixels): a header may not make a decoder reserve more on
// the strength of a few bytes. The game's largest picture has about a fifth of this.
constexpr int64_t kMaxPicturePixels = int64_t{4096} * 4096;
}  // namespace platform
