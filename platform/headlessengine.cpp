#include "headlessengine.h"

#include "fatal.h"
#include "framerasteriser.h"
#include "stopsignals.h"

namespace platform
{
bool HeadlessEngine::System_Initiate()
{
    CatchStopSignals();
    return true;
}

bool HeadlessEngine::System_PumpMessages()
{
    return !StopSignalled();
}

bool HeadlessEngine::System_Snapshot(const char* aPngPath)
{
    std::vector<uint32_t> pixels;
    const int width = ScreenWidth();
    const int height = ScreenHeight();
    if (aPngPath == nullptr || width <= 0 || height <= 0)
    {
        SetLastError("snapshot: no file name or no screen size");
        return false;
    }
    return RasteriseFrame(Presented(), Textures(), width, height, pixels) &&
           WritePng(aPngPath, width, height, pixels);
}

bool HeadlessEngine::Gfx_BeginScene(HTEXTURE aTarget)
{
    myRecording.myClearColor = 0;
    myRecording.myQuads.clear();
    return aTarget == 0;
}

void HeadlessEngine::Gfx_Clear(DWORD aColor)
{
    myRecording.myClearColor = aColor;
    myRecording.myQuads.clear();
}

void HeadlessEngine::Gfx_RenderQuad(const hgeQuad* aQuad)
{
    if (aQuad)
    {
        ForEachVisiblePart(*aQuad,
                           [this](const hgeQuad& aPart) { myRecording.myQuads.push_back(aPart); });
    }
}

void HeadlessEngine::Gfx_EndScene()
{
    std::lock_guard<std::mutex> lock(myPresentedMutex);
    myRecording.myNumber = myPresented.myNumber + 1;
    std::swap(myPresented, myRecording);
}

PresentedFrame HeadlessEngine::Presented() const
{
    std::lock_guard<std::mutex> lock(myPresentedMutex);
    return myPresented;
}

bool LastPresentedFrame(HGE* aEngine, PresentedFrame& aFrame)
{
    const auto* headless = dynamic_cast<const HeadlessEngine*>(aEngine);
    if (headless == nullptr)
    {
        return false;
    }
    aFrame = headless->Presented();
    return true;
}

std::string PicturePath(HGE* aEngine, HTEXTURE aTexture)
{
    auto* headless = dynamic_cast<HeadlessEngine*>(aEngine);
    return headless ? headless->PicturePath(aTexture) : std::string();
}
}  // namespace platform
