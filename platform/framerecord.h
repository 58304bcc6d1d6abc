#pragma once
// One frame's drawing as it comes in (its clear colour and the quads worth drawing), and what
// the screen shows: a frame of the same quads over the same pictures at the same size looks
// the same, and need not be drawn again.
#include <cstdint>
#include <vector>

#include "hge.h"

namespace platform
{
class FrameRecord
{
public:
    // A new frame: nothing cleared, nothing drawn.
    void Begin();
    // Clears to aColor: what was drawn before is gone.
    void Clear(DWORD aColor);
    void Add(const hgeQuad& aQuad);

    bool IsCleared() const { return myCleared; }
    DWORD GetClearColor() const { return myClearColor; }
    const std::vector<hgeQuad>& GetQuads() const { return myQuads; }

    // Whether this frame, drawn aWidth x aHeight with the pictures as they are at
    // aGeneration (TextureTable::Generation), shows what the screen shows.
    bool LooksLikeShown(int aWidth, int aHeight, uint64_t aGeneration) const;
    // The screen shows this frame now (its quads are handed over: call it after drawing).
    void Shown(int aWidth, int aHeight, uint64_t aGeneration);

private:
    bool myCleared = false;
    DWORD myClearColor = 0;
    std::vector<hgeQuad> myQuads;
    bool myAnyShown = false;
    bool myShownCleared = false;
    DWORD myShownClearColor = 0;
    std::vector<hgeQuad> myShownQuads;
    int myShownWidth = 0;
    int myShownHeight = 0;
    uint64_t myShownGeneration = 0;
};
}  // namespace platform
