#pragma once
// Owners for SDL objects: each frees its object when it goes.
#include <SDL2/SDL.h>

#include <memory>

namespace platform
{
struct SdlDeleter
{
    void operator()(SDL_Window* aWindow) const { SDL_DestroyWindow(aWindow); }
    void operator()(SDL_Surface* aSurface) const { SDL_FreeSurface(aSurface); }
    void operator()(SDL_Renderer* aRenderer) const { SDL_DestroyRenderer(aRenderer); }
    void operator()(SDL_Texture* aTexture) const { SDL_DestroyTexture(aTexture); }
    void operator()(SDL_GameController* aPad) const { SDL_GameControllerClose(aPad); }
};

using WindowHandle = std::unique_ptr<SDL_Window, SdlDeleter>;
using SurfaceHandle = std::unique_ptr<SDL_Surface, SdlDeleter>;
using RendererHandle = std::unique_ptr<SDL_Renderer, SdlDeleter>;
using TextureHandle = std::unique_ptr<SDL_Texture, SdlDeleter>;
using GameControllerHandle = std::unique_ptr<SDL_GameController, SdlDeleter>;

// An OpenGL context (SDL_GLContext is a plain pointer type, so it gets its own owner).
class GlContextHandle
{
public:
    GlContextHandle() = default;
    explicit GlContextHandle(SDL_GLContext aContext) : myContext(aContext) {}
    GlContextHandle(const GlContextHandle&) = delete;
    GlContextHandle& operator=(const GlContextHandle&) = delete;
    GlContextHandle& operator=(GlContextHandle&& aOther) noexcept
    {
        Reset();
        myContext = aOther.myContext;
        aOther.myContext = nullptr;
        return *this;
    }
    ~GlContextHandle() { Reset(); }

    SDL_GLContext Get() const { return myContext; }
    void Reset()
    {
        if (myContext)
        {
            SDL_GL_DeleteContext(myContext);
            myContext = nullptr;
        }
    }

private:
    SDL_GLContext myContext = nullptr;
};

// One initialised SDL subsystem, shut down again when the owner goes.
class SdlSubsystem
{
public:
    explicit SdlSubsystem(Uint32 aFlags) : myFlags(SDL_InitSubSystem(aFlags) == 0 ? aFlags : 0) {}
    SdlSubsystem(const SdlSubsystem&) = delete;
    SdlSubsystem& operator=(const SdlSubsystem&) = delete;
    ~SdlSubsystem()
    {
        if (myFlags)
        {
            SDL_QuitSubSystem(myFlags);
        }
    }

    bool Ok() const { return myFlags != 0; }

private:
    Uint32 myFlags;
};
}  // namespace platform
