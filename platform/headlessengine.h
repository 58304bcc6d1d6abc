#pragma once
// The engine without a window: frames are recorded as lists of quads and rasterised in
// software only when a snapshot is asked for. Input comes from whoever fills the input source.
#include <mutex>

#include "enginecore.h"
#include "headlessframe.h"

namespace platform
{
class HeadlessEngine : public EngineCore
{
public:
    HeadlessEngine() = default;

    // Also starts listening for SIGTERM and SIGINT (stopsignals.h).
    bool System_Initiate() override;
    void System_Shutdown() override {}
    // False once SIGTERM or SIGINT has arrived: there is no window to close.
    bool System_PumpMessages() override;
    void System_ShowCursor(bool) override {}
    bool System_Snapshot(const char* aPngPath) override;

    // Only the screen (target 0) can be drawn to.
    bool Gfx_BeginScene(HTEXTURE aTarget) override;
    void Gfx_Clear(DWORD aColor) override;
    void Gfx_RenderQuad(const hgeQuad* aQuad) override;
    void Gfx_EndScene() override;

    // A copy of the last presented frame.
    PresentedFrame Presented() const;
    // The file a picture came from ("" if none).
    std::string PicturePath(HTEXTURE aTexture) { return Textures().PathOf(aTexture); }

private:
    PresentedFrame myRecording;  // render thread only
    mutable std::mutex myPresentedMutex;
    PresentedFrame myPresented;
};
}  // namespace platform
