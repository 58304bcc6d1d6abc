#include "windowengine.h"

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
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    myWindow.reset(SDL_CreateWindow(Title().c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                    ScreenWidth(), ScreenHeight(),
                                    SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN));
    if (myWindow)
    {
        myWatch = std::make_unique<X11WindowWatch>(myWindow.get());
        myContext = GlContextHandle(SDL_GL_CreateContext(myWindow.get()));
    }
    if (!myContext.Get())
    {
        return Fail();
    }
    SDL_GL_SetSwapInterval(0);  // refused under Xvfb, which is fine
    SDL_GL_MakeCurrent(myWindow.get(), nullptr);
    System_ShowCursor(myCursorShown);
    SetMouseCaptured((SDL_GetWindowFlags(myWindow.get()) & SDL_WINDOW_INPUT_FOCUS) != 0);
    return true;
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
    // Still current on the (finished) render thread: GLX frees it once nothing uses it.
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
        switch (event.type)
        {
            case SDL_QUIT:
                myClosed = true;
                break;
            case SDL_WINDOWEVENT:
                HandleWindowEvent(event.window);
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
            {
                const uint8_t code = GameScanCode(event.key.keysym.scancode);
                if (code != 0 && event.type == SDL_KEYDOWN)
                {
                    Input().SetKey(code, true);
                }
                else if (code != 0)
                {
                    Input().ReleaseKeyAfterRead(code);
                }
                break;
            }
            case SDL_MOUSEMOTION:
                Input().AddMotion(event.motion.xrel, event.motion.yrel);
                break;
            case SDL_MOUSEBUTTONDOWN:
                Input().SetButton(GameButton(event.button.button), true);
                break;
            case SDL_MOUSEBUTTONUP:
                Input().ReleaseButtonAfterRead(GameButton(event.button.button));
                break;
            default:
                break;
        }
    }
    return myWindow && !myClosed;
}

void WindowEngine::HandleWindowEvent(const SDL_WindowEvent& aEvent)
{
    switch (aEvent.event)
    {
        case SDL_WINDOWEVENT_CLOSE:
            myClosed = true;
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            SetMouseCaptured(true);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            // Keys let go elsewhere never reach us: forget them, and free the pointer.
            SetMouseCaptured(false);
            Input().ReleaseAll();
            break;
        default:
            break;
    }
}

void WindowEngine::SetMouseCaptured(bool aCaptured)
{
    // Relative mode reports motion without the pointer stopping at the window's edge.
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

bool WindowEngine::Gfx_BeginScene(HTEXTURE aTarget)
{
    if (!myContext.Get() || aTarget != 0)
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
    }
    myBatch.BeginFrame(ScreenWidth(), ScreenHeight());
    return true;
}

void WindowEngine::Gfx_Clear(DWORD aColor)
{
    if (myContextCurrent)
    {
        myBatch.Clear(aColor);
    }
}

void WindowEngine::Gfx_RenderQuad(const hgeQuad* aQuad)
{
    if (myContextCurrent && aQuad)
    {
        myBatch.Add(*aQuad);
    }
}

void WindowEngine::Gfx_EndScene()
{
    if (myContextCurrent)
    {
        myBatch.Flush();
        if (mySnapshot.Wanted())
        {
            std::vector<uint32_t> pixels;
            myBatch.ReadPixels(ScreenWidth(), ScreenHeight(), pixels);
            mySnapshot.Hand(std::move(pixels));
        }
        if (!myWindowGone)
        {
            SDL_GL_SwapWindow(myWindow.get());
        }
    }
}
}  // namespace platform
