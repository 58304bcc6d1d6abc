#include "windowengine.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "fatal.h"
#include "framerasteriser.h"
#include "keymap.h"
#include "stopsignals.h"

namespace platform
{
namespace
{
// Long enough for a frame of a busy game on a loaded machine with software OpenGL.
constexpr std::chrono::milliseconds kSnapshotWait{5000};
// Half the game's size: any smaller and the conversations could no longer be read.
constexpr int kMinimumWidth = 512;
constexpr int kMinimumHeight = 384;

// The drawing thread lets go of the GL context when it ends, and drops what SDL keeps for it:
// a context still current on a thread that is gone can never be freed, and SDL frees its
// per-thread data only for threads it started itself.
class ReleaseAtThreadEnd
{
public:
    ReleaseAtThreadEnd() = default;
    ReleaseAtThreadEnd(const ReleaseAtThreadEnd&) = delete;
    ReleaseAtThreadEnd& operator=(const ReleaseAtThreadEnd&) = delete;
    ~ReleaseAtThreadEnd()
    {
        if (myArmed)
        {
            SDL_GL_MakeCurrent(nullptr, nullptr);
            SDL_TLSCleanup();
        }
    }
    void Arm() { myArmed = true; }

private:
    bool myArmed = false;
};
thread_local ReleaseAtThreadEnd ourReleaseAtThreadEnd;

// Alt+Enter and F11, the desktop's usual fullscreen switches.
bool IsFullscreenKey(const SDL_KeyboardEvent& aEvent)
{
    const SDL_Scancode key = aEvent.keysym.scancode;
    const bool altEnter = (aEvent.keysym.mod & KMOD_ALT) != 0 &&
                          (key == SDL_SCANCODE_RETURN || key == SDL_SCANCODE_KP_ENTER);
    return altEnter || key == SDL_SCANCODE_F11;
}

// SDL numbers mouse buttons from 1 (left, middle, right, X1, X2); the game from 0 (left,
// right, middle, ...).
int GameButton(Uint8 aSdlButton)
{
    switch (aSdlButton)
    {
        case SDL_BUTTON_LEFT:
            return 0;
        case SDL_BUTTON_RIGHT:
            return 1;
        case SDL_BUTTON_MIDDLE:
            return 2;
        default:
            return aSdlButton - 1;
    }
}
}  // namespace

WindowEngine::WindowEngine() : myBatch(Textures()) {}

WindowEngine::~WindowEngine()
{
    System_Shutdown();
}

bool WindowEngine::System_Initiate()
{
    if (myWindow)
    {
        return true;
    }
    // A GL context can move to the render thread under X11 but not under Wayland's EGL.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    // SIGTERM and SIGINT end the run through our own handler, as they do without a window.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    CatchStopSignals();
    myVideo = std::make_unique<SdlSubsystem>(SDL_INIT_VIDEO);
    if (!myVideo->Ok())
    {
        return Fail();
    }
    myDisplay = GetDisplayOptions();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    const Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE |
                         (myDisplay.myFullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    myWindow.reset(SDL_CreateWindow(Title().c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                    ScreenWidth(), ScreenHeight(), flags));
    if (myWindow)
    {
        SDL_SetWindowMinimumSize(myWindow.get(), kMinimumWidth, kMinimumHeight);
        myWatch = std::make_unique<X11WindowWatch>(myWindow.get());
        myContext = GlContextHandle(SDL_GL_CreateContext(myWindow.get()));
    }
    if (!myContext.Get())
    {
        return Fail();
    }
    // Current here until released below: the one moment the main thread can ask the driver.
    if (!GlPictureTarget::Supported())
    {
        SetLastError("no window: OpenGL cannot draw off screen here (no framebuffer objects)");
        System_Shutdown();
        return false;
    }
    SetUpPacing();
    SDL_GL_MakeCurrent(myWindow.get(), nullptr);
    myPads = std::make_unique<Gamepads>();
    myLastPadFeed = std::chrono::steady_clock::now();
    Resized();
    System_ShowCursor(myCursorShown);
    UpdateMouseCapture();
    return true;
}

void WindowEngine::SetUpPacing()
{
    // Vertical sync, adaptive where offered (a late frame is shown at once rather than a
    // whole refresh later); where the driver refuses it (Xvfb does), the pacer caps the rate.
    bool synced = false;
    if (myDisplay.myUncapped)
    {
        SDL_GL_SetSwapInterval(0);
    }
    else
    {
        synced = SDL_GL_SetSwapInterval(-1) == 0 || SDL_GL_SetSwapInterval(1) == 0;
    }
    SDL_DisplayMode mode{};
    const int display = SDL_GetWindowDisplayIndex(myWindow.get());
    const int refreshHz =
        display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0 ? mode.refresh_rate : 0;
    myPacer.SetUp(refreshHz, synced, !myDisplay.myUncapped);
}

bool WindowEngine::Fail()
{
    SetLastError("no window: %s", SDL_GetError());
    System_Shutdown();
    return false;
}

void WindowEngine::System_Shutdown()
{
    if (myWindow)
    {
        SetMouseCaptured(false);
    }
    myPads.reset();
    // The render thread let go of it when it ended (ReleaseAtThreadEnd).
    myContext.Reset();
    myWindow.reset();
    myWatch.reset();
    myVideo.reset();
}

bool WindowEngine::System_PumpMessages()
{
    myClosed = myClosed || StopSignalled();
    SDL_Event event;
    while (myWindow && SDL_PollEvent(&event))
    {
        if (myWatch->IsDestroyEvent(event))
        {
            myWindowGone = true;
            myClosed = true;
        }
        HandleEvent(event);
    }
    if (myWindow)
    {
        FeedGamepads();
    }
    return myWindow && !myClosed;
}

void WindowEngine::HandleEvent(const SDL_Event& aEvent)
{
    if (myPads->HandleEvent(aEvent))
    {
        return;
    }
    switch (aEvent.type)
    {
        case SDL_QUIT:
            myClosed = true;
            break;
        case SDL_WINDOWEVENT:
            HandleWindowEvent(aEvent.window);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            HandleKey(aEvent.key);
            break;
        case SDL_MOUSEMOTION:
        {
            int x = 0;
            int y = 0;
            myMotion.Scale(aEvent.motion.xrel, aEvent.motion.yrel, x, y);
            if (x != 0 || y != 0)
            {
                Input().AddMotion(x, y);
            }
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
            Input().SetButton(GameButton(aEvent.button.button), true);
            break;
        case SDL_MOUSEBUTTONUP:
            Input().ReleaseButtonAfterRead(GameButton(aEvent.button.button));
            break;
        default:
            break;
    }
}

void WindowEngine::HandleKey(const SDL_KeyboardEvent& aEvent)
{
    // The switch is the window's, not the game's: its presses (and their repeats while held)
    // never reach the game, or Alt+Enter would also talk on in a conversation.
    if (aEvent.type == SDL_KEYDOWN && IsFullscreenKey(aEvent))
    {
        if (aEvent.repeat == 0)
        {
            const bool fullscreen =
                (SDL_GetWindowFlags(myWindow.get()) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
            SDL_SetWindowFullscreen(myWindow.get(), fullscreen ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
        }
        return;
    }
    const uint8_t code = GameScanCode(aEvent.keysym.scancode);
    if (code != 0 && aEvent.type == SDL_KEYDOWN)
    {
        Input().SetKey(code, true);
    }
    else if (code != 0)
    {
        Input().ReleaseKeyAfterRead(code);
    }
}

void WindowEngine::HandleWindowEvent(const SDL_WindowEvent& aEvent)
{
    switch (aEvent.event)
    {
        case SDL_WINDOWEVENT_CLOSE:
            myClosed = true;
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            Resized();
            myRedraws = ourRedrawsAfterExposure;
            break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED:
            // The window's pixels may be gone: the next frames are drawn even if unchanged.
            myRedraws = ourRedrawsAfterExposure;
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_ENTER:
        case SDL_WINDOWEVENT_LEAVE:
            UpdateMouseCapture();
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            // Keys let go elsewhere never reach us: forget them, and free the pointer.
            UpdateMouseCapture();
            Input().ReleaseAll();
            break;
        default:
            break;
    }
}

void WindowEngine::Resized()
{
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(myWindow.get(), &width, &height);
    myMotion.SetFit(FitPicture(width, height, ScreenWidth(), ScreenHeight(), myDisplay.myScaling));
    SDL_GL_GetDrawableSize(myWindow.get(), &width, &height);
    myDrawableSize.store(static_cast<uint64_t>(width) << 32 | static_cast<uint32_t>(height),
                         std::memory_order_relaxed);
}

void WindowEngine::FeedGamepads()
{
    const auto now = std::chrono::steady_clock::now();
    // After a stall the cursor does not leap: a pump covers a tenth of a second at most.
    const double seconds =
        std::min(0.1, std::chrono::duration<double>(now - myLastPadFeed).count());
    myLastPadFeed = now;
    myPads->Feed(Input(), seconds);
}

void WindowEngine::UpdateMouseCapture()
{
    // Taken only with the focus and the pointer over the window: a click on the title bar
    // that gives the window the focus must still be able to drag it or its frame.
    const bool focused = (SDL_GetWindowFlags(myWindow.get()) & SDL_WINDOW_INPUT_FOCUS) != 0;
    SetMouseCaptured(focused && SDL_GetMouseFocus() == myWindow.get());
}

void WindowEngine::SetMouseCaptured(bool aCaptured)
{
    // Relative mode reports motion without the pointer stopping at the window's edge; it
    // keeps the pointer in the window until the focus goes elsewhere.
    SDL_SetRelativeMouseMode(aCaptured ? SDL_TRUE : SDL_FALSE);
}

void WindowEngine::System_ShowCursor(bool aShow)
{
    myCursorShown = aShow;
    if (myVideo)
    {
        SDL_ShowCursor(aShow ? SDL_ENABLE : SDL_DISABLE);
    }
}

bool WindowEngine::System_Snapshot(const char* aPngPath)
{
    if (aPngPath == nullptr)
    {
        SetLastError("snapshot: no file name");
        return false;
    }
    if (!myContext.Get())
    {
        SetLastError("%s: no window to take a snapshot of", aPngPath);
        return false;
    }
    if (SDL_GL_GetCurrentContext() == myContext.Get())
    {
        // The render thread would wait for a frame only it can draw.
        SetLastError("%s: a snapshot is asked for on the drawing thread", aPngPath);
        return false;
    }
    std::vector<uint32_t> pixels;
    if (!mySnapshot.Take(kSnapshotWait, pixels))
    {
        SetLastError("%s: no frame was drawn within %lld ms", aPngPath,
                     static_cast<long long>(kSnapshotWait.count()));
        return false;
    }
    return WritePng(aPngPath, ScreenWidth(), ScreenHeight(), pixels);
}

bool WindowEngine::WindowGone() const
{
    return myWindowGone || myWatch->Gone();
}

bool WindowEngine::Gfx_BeginScene(HTEXTURE aTarget)
{
    myFrameOpen = false;
    // Once the window is gone nothing is drawn: the run is about to end.
    if (!myContext.Get() || aTarget != 0 || WindowGone())
    {
        return false;
    }
    if (!myContextCurrent)
    {
        myContextCurrent = SDL_GL_MakeCurrent(myWindow.get(), myContext.Get()) == 0;
        if (!myContextCurrent)
        {
            return false;
        }
        ourReleaseAtThreadEnd.Arm();
    }
    // The window's size is read once per frame: drawing and showing must agree on it.
    const uint64_t size = myDrawableSize.load(std::memory_order_relaxed);
    myFrameWindowWidth = static_cast<int>(size >> 32);
    myFrameWindowHeight = static_cast<int>(size & 0xFFFFFFFFu);
    myFrame.Begin();
    myFrameOpen = true;
    return true;
}

void WindowEngine::Gfx_Clear(DWORD aColor)
{
    if (myFrameOpen)
    {
        myFrame.Clear(aColor);
    }
}

void WindowEngine::Gfx_RenderQuad(const hgeQuad* aQuad)
{
    if (myFrameOpen && aQuad)
    {
        ForEachVisiblePart(*aQuad, [this](const hgeQuad& aPart) { myFrame.Add(aPart); });
    }
}

void WindowEngine::Gfx_EndScene()
{
    if (!myFrameOpen)
    {
        return;
    }
    myFrameOpen = false;
    // A frame that looks like the one on screen is not drawn again: the screen still shows it.
    const uint64_t pictures = Textures().Generation();
    const bool draw = !myPacer.IsCapped() || TakeRedraw() || mySnapshot.Wanted() ||
                      !myFrame.LooksLikeShown(myFrameWindowWidth, myFrameWindowHeight, pictures);
    if (draw)
    {
        Draw(pictures);
    }
    myPacer.Wait(draw);
    if (draw && !WindowGone())
    {
        SDL_GL_SwapWindow(myWindow.get());
        myPacer.Swapped();
        ++myShown;
    }
}

bool WindowEngine::TakeRedraw()
{
    int left = myRedraws.load();
    while (left > 0 && !myRedraws.compare_exchange_weak(left, left - 1))
    {
    }
    return left > 0;
}

void WindowEngine::Draw(uint64_t aPictures)
{
    myPicture.Bind(ScreenWidth(), ScreenHeight(), myFrameWindowWidth, myFrameWindowHeight);
    myBatch.BeginFrame(ScreenWidth(), ScreenHeight());
    if (myFrame.IsCleared())
    {
        myBatch.Clear(myFrame.GetClearColor());
    }
    for (const hgeQuad& quad : myFrame.GetQuads())
    {
        myBatch.Add(quad);
    }
    myBatch.Flush();
    myFrame.Shown(myFrameWindowWidth, myFrameWindowHeight, aPictures);
    if (mySnapshot.Wanted())
    {
        std::vector<uint32_t> pixels;
        myPicture.ReadPixels(pixels);
        mySnapshot.Hand(std::move(pixels));
    }
    // Asked again: showing the picture is the first touch of the window in a scaled frame.
    if (!WindowGone())
    {
        myPicture.Present(myFrameWindowWidth, myFrameWindowHeight,
                          FitPicture(myFrameWindowWidth, myFrameWindowHeight, ScreenWidth(),
                                     ScreenHeight(), myDisplay.myScaling));
    }
}

CardPictures WindowEngine::OnCard() const
{
    return myBatch.OnCard();
}

uint64_t ShownFramesOf(HGE* aEngine)
{
    const auto* window = dynamic_cast<const WindowEngine*>(aEngine);
    return window ? window->GetShownFrames() : 0;
}
}  // namespace platform
