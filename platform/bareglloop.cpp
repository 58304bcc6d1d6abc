#include "bareglloop.h"

#include <epoxy/gl.h>

#include <chrono>
#include <cstdint>
#include <vector>

#include "fatal.h"
#include "sdlhandles.h"

namespace platform
{
double BareLoopFramesPerSecond(int aWidth, int aHeight, int aQuads, double aSeconds)
{
    setenv("SDL_VIDEODRIVER", "x11", 0);
    const SdlSubsystem video(SDL_INIT_VIDEO);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    const WindowHandle window(video.Ok() ? SDL_CreateWindow("bare loop", SDL_WINDOWPOS_CENTERED,
                                                            SDL_WINDOWPOS_CENTERED, aWidth, aHeight,
                                                            SDL_WINDOW_OPENGL)
                                         : nullptr);
    const GlContextHandle context(window ? SDL_GL_CreateContext(window.get()) : nullptr);
    if (!context.Get())
    {
        SetLastError("bare loop: no window: %s", SDL_GetError());
        return 0.0;
    }
    SDL_GL_SetSwapInterval(0);

    // A half-transparent picture, so that blending costs what it costs the game.
    std::vector<uint32_t> pixels(static_cast<size_t>(aWidth) * static_cast<size_t>(aHeight));
    for (size_t i = 0; i < pixels.size(); ++i)
    {
        pixels[i] =
            (i % 7 == 0 ? 0x80000000u : 0xFF000000u) | static_cast<uint32_t>(i * 2654435761u >> 8);
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, aWidth, aHeight, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                 pixels.data());
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glViewport(0, 0, aWidth, aHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, aWidth, aHeight, 0, -1, 1);

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto end = start + std::chrono::duration<double>(aSeconds);
    int frames = 0;
    for (; Clock::now() < end; ++frames)
    {
        glClear(GL_COLOR_BUFFER_BIT);
        glBegin(GL_QUADS);
        for (int quad = 0; quad < aQuads; ++quad)
        {
            glTexCoord2f(0, 0);
            glVertex2f(0, 0);
            glTexCoord2f(1, 0);
            glVertex2f(static_cast<float>(aWidth), 0);
            glTexCoord2f(1, 1);
            glVertex2f(static_cast<float>(aWidth), static_cast<float>(aHeight));
            glTexCoord2f(0, 1);
            glVertex2f(0, static_cast<float>(aHeight));
        }
        glEnd();
        SDL_GL_SwapWindow(window.get());
    }
    glFinish();
    glDeleteTextures(1, &texture);
    return frames / std::chrono::duration<double>(Clock::now() - start).count();
}
}  // namespace platform
