#pragma once
// The engine with a real window: SDL2 for the window, its events and the gamepads, OpenGL for
// drawing. The window and its context are made on the main thread; the render thread takes
// the context over at its first frame and keeps it. The window may have any size: the game's
// picture is drawn at its own size and shown scaled to fit, and mouse motion is scaled back.
#include <atomic>
#include <chrono>
#include <memory>

#include "displayoptions.h"
#include "enginecore.h"
#include "enginefigures.h"
#include "framerecord.h"
#include "gamepads.h"
#include "glpicturetarget.h"
#include "glquadbatch.h"
#include "picturefit.h"
#include "presentpacer.h"
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

    // Opens the window as the display options say (set them before). False, with the reason
    // in platform::LastError(), when no window can be made. Also starts listening for SIGTERM
    // and SIGINT (stopsignals.h).
    bool System_Initiate() override;
    void System_Shutdown() override;
    // False once the window was closed or destroyed or SIGTERM or SIGINT arrived, and while
    // there is no window. Alt+Enter and F11 switch fullscreen on and off here, unseen by the
    // game.
    bool System_PumpMessages() override;
    void System_ShowCursor(bool aShow) override;
    // Waits (up to a few seconds) for the render thread to draw its next frame, which it reads
    // back before presenting it; so frames must keep coming, and never call it on the render
    // thread itself (that fails at once).
    bool System_Snapshot(const char* aPngPath) override;

    bool Gfx_BeginScene(HTEXTURE aTarget) override;
    void Gfx_Clear(DWORD aColor) override;
    void Gfx_RenderQuad(const hgeQuad* aQuad) override;
    // Shows the frame, at most as often as the display shows frames (vertical sync, or a cap at
    // its refresh rate where the driver refuses that), and only if it looks different from the
    // one on screen; unless the display options say uncapped: then every frame, at once.
    void Gfx_EndScene() override;

    // Any thread: the pictures on the graphics card, and the frames shown so far.
    CardPictures OnCard() const override;
    uint64_t GetShownFrames() const { return myShown.load(); }

private:
    bool Fail();
    // Main thread, context current: vertical sync where the driver offers it, and the pacer.
    void SetUpPacing();
    // Render thread: draws the frame recorded (with the pictures at aPictures) into the back
    // buffer.
    void Draw(uint64_t aPictures);
    // Render thread: whether the window was destroyed by someone else (asks the X server).
    bool WindowGone() const;
    void HandleEvent(const SDL_Event& aEvent);
    void HandleWindowEvent(const SDL_WindowEvent& aEvent);
    void HandleKey(const SDL_KeyboardEvent& aEvent);
    // The mouse is the game's while the window has the focus and the pointer is over it.
    void UpdateMouseCapture();
    void SetMouseCaptured(bool aCaptured);
    // Main thread: takes in the window's new size.
    void Resized();
    void FeedGamepads();

    std::unique_ptr<SdlSubsystem> myVideo;
    WindowHandle myWindow;
    std::unique_ptr<X11WindowWatch> myWatch;
    GlContextHandle myContext;
    std::unique_ptr<Gamepads> myPads;
    GlQuadBatch myBatch;
    SnapshotHandover mySnapshot;
    DisplayOptions myDisplay;  // as they were when the window opened
    MotionScaler myMotion;     // main thread only
    std::chrono::steady_clock::time_point myLastPadFeed;
    GlPictureTarget myPicture;   // render thread only
    FrameRecord myFrame;         // render thread only
    PresentPacer myPacer;        // set up on the main thread, then render thread only
    int myFrameWindowWidth = 0;  // render thread only: the drawable's size this frame
    int myFrameWindowHeight = 0;
    bool myContextCurrent = false;  // render thread only
    bool myFrameOpen = false;       // render thread only: drawing since Gfx_BeginScene
    bool myCursorShown = true;
    bool myClosed = false;
    std::atomic<bool> myWindowGone{false};  // destroyed by someone else: no more swaps
    // Frames still to draw even if unchanged: after a resize or an exposure the window system
    // may show a frame before the window has its new size, and then nothing would redraw it.
    std::atomic<int> myRedraws{1};
    static constexpr int ourRedrawsAfterExposure = 15;  // a quarter of a second at 60 Hz
    // Takes one of the frames myRedraws still asks for; false when none is left.
    bool TakeRedraw();
    std::atomic<uint64_t> myShown{0};
    // The drawable's size, width in the high half: written by the main thread at a resize,
    // read by the render thread at the start of every frame.
    std::atomic<uint64_t> myDrawableSize{0};
};
}  // namespace platform
