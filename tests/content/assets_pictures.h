#pragma once
// Loads generated pictures the way the game does: through the engine's Texture_Load on the
// headless backend, into 0xAARRGGBB pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fatal.h"
#include "hge.h"

namespace assets
{
struct Pixels
{
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;

    uint32_t At(int aX, int aY) const { return argb[static_cast<size_t>(aY) * width + aX]; }
    uint32_t Alpha(int aX, int aY) const { return At(aX, aY) >> 24; }
};

// One engine reference for the test's lifetime.
class Engine
{
public:
    Engine()
    {
        hgeSelectBackend(HGE_BACKEND_HEADLESS);
        myHge = hgeCreate(HGE_VERSION);
    }
    ~Engine() { myHge->Release(); }
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // The decoded picture; an empty one (and a test failure naming the file) when it fails.
    Pixels Load(const std::string& aPath) const
    {
        Pixels pixels;
        const HTEXTURE texture = myHge->Texture_Load(aPath.c_str());
        if (texture == 0)
        {
            ADD_FAILURE() << aPath << ": " << platform::LastError();
            return pixels;
        }
        pixels.width = myHge->Texture_GetWidth(texture);
        pixels.height = myHge->Texture_GetHeight(texture);
        const DWORD* data = myHge->Texture_Lock(texture);
        pixels.argb.assign(data, data + static_cast<size_t>(pixels.width) * pixels.height);
        myHge->Texture_Unlock(texture);
        myHge->Texture_Free(texture);
        return pixels;
    }

private:
    HGE* myHge = nullptr;
};
}  // namespace assets
