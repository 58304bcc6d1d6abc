#pragma once
// What the engine holds and shows, for the timing tools and the tests: its pictures' bytes
// still in memory, what the graphics card holds, and the frames the window has shown.
#include <cstdint>

#include "hge.h"

namespace platform
{
// The pictures on the graphics card: how many went there compressed and decoded, and their
// bytes as sent.
struct CardPictures
{
    int myCompressed = 0;
    int myDecoded = 0;
    int64_t myBytes = 0;
};

struct PictureMemory
{
    int64_t myInMemoryBytes = 0;  // files and pixels the engine holds itself
    CardPictures myOnCard;        // nothing without a window
};

// Any thread.
PictureMemory PictureMemoryOf(HGE* aEngine);
// Any thread: the frames the window has shown so far (a frame that looks like the one on
// screen is not shown again); 0 without a window.
uint64_t ShownFramesOf(HGE* aEngine);
}  // namespace platform
