#include "framerecord.h"

#include <cstring>

namespace platform
{
static_assert(sizeof(hgeQuad) == 4 * sizeof(hgeVertex) + 2 * sizeof(uint32_t),
              "quads are compared byte for byte: they must have no padding");

void FrameRecord::Begin()
{
    myCleared = false;
    myClearColor = 0;
    myQuads.clear();
}

void FrameRecord::Clear(DWORD aColor)
{
    myCleared = true;
    myClearColor = aColor;
    myQuads.clear();
}

void FrameRecord::Add(const hgeQuad& aQuad)
{
    myQuads.push_back(aQuad);
}

bool FrameRecord::LooksLikeShown(int aWidth, int aHeight, uint64_t aGeneration) const
{
    // Compared bit for bit: a quad that differs in any way (even a float's sign of zero) is
    // drawn again, never one that looks different skipped.
    return myAnyShown && aWidth == myShownWidth && aHeight == myShownHeight &&
           aGeneration == myShownGeneration && myCleared == myShownCleared &&
           myClearColor == myShownClearColor && myQuads.size() == myShownQuads.size() &&
           (myQuads.empty() || std::memcmp(myQuads.data(), myShownQuads.data(),
                                           myQuads.size() * sizeof(hgeQuad)) == 0);
}

void FrameRecord::Shown(int aWidth, int aHeight, uint64_t aGeneration)
{
    myAnyShown = true;
    myShownWidth = aWidth;
    myShownHeight = aHeight;
    myShownGeneration = aGeneration;
    myShownCleared = myCleared;
    myShownClearColor = myClearColor;
    myShownQuads.swap(myQuads);
}
}  // namespace platform
