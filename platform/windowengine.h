#pragma once
// The engine with a real window: SDL2 for the window and its events, OpenGL for drawing.
// The window and its context are made on the main thread; the render thread takes the
// context over at its first frame and keeps it.
#include <atomic>
#include <memory>

#include "enginecore.h"
#include "glquadbatch.h"
#include "sdlhandles.h"
#include "snapshothandover.h"
#include "x11windowwatch.h"

namespace platform
{
class WindowEngine : public EngineCore
{
public:
    WindowEngine();
    ~WindowEngine() override;

    // False, with one line on standard error, when no window can be made. Also starts
    // listening for SIGTERM and SIGINT (stopsignals.h).
    bool System_Initiate() override;
    void System_Shutdown() override;
    // False once the window was closed or destroyed or SIGTERM or SIGINT arrived, and while
    // there is no window.
    bool System_PumpMessages() override;
    void System_ShowCursor(bool aShow) override;
    // Waits (up to a few seconds) for the render thread to draw its next frame, which it reads
    // back before presenting it; so frames must keep coming, and never call it on the render
    // thread itself (that fails at once).
    bool System_Snapshot(const char* aPngPath) override;

    bool Gfx_BeginScene(HTEXTURE aTarget) override;
    void Gfx_Clear(DWORD aColor) override;
    void Gfx_RenderQuad(const hgeQuad* aQuad) override;
    void Gfx_EndScene() override;

private:
    bool Fail();
    void HandleWindowEvent(const SDL_WindowEvent& aEvent);
    void SetMouseCaptured(bool aCaptured);

    std::unique_ptr<SdlSubsystem> myVideo;
    WindowHandle myWindow;
    std::unique_ptr<X11WindowWatch> myWatch;
    GlContextHandle myContext;
    GlQuadBatch myBatch;
    SnapshotHandover mySnapshot;
    bool myContextCurrent = false;  // render thread only
    bool myCursorShown = true;
    bool myClosed = false;
    std::atomic<bool> myWindowGone{false};  // destroyed by someone else: no more swaps
};
}  // namespace platform
