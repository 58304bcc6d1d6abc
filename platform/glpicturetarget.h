#pragma once
// The game's picture drawn off screen at its own size, then shown scaled in the window: the
// game always draws 1024 x 768 whatever the window's size, and snapshots read that picture.
#include <epoxy/gl.h>

#include <cstdint>
#include <vector>

#include "picturefit.h"

namespace platform
{
class GlPictureTarget
{
public:
    GlPictureTarget() = default;
    GlPictureTarget(const GlPictureTarget&) = delete;
    GlPictureTarget& operator=(const GlPictureTarget&) = delete;
    // Makes no GL calls: the framebuffer goes with the context.
    ~GlPictureTarget() = default;

    // Whether the current context can draw off screen and scale the result (OpenGL 3.0, or
    // the framebuffer object extensions).
    static bool Supported();

    // Context current. Directs drawing into the picture of aWidth x aHeight, shown in a window
    // whose drawable is aWindowWidth x aWindowHeight; the viewport covers the whole picture.
    // A window of exactly the picture's size is drawn into directly: copying the picture over
    // would cost a whole extra pass over the screen on a software renderer.
    void Bind(int aWidth, int aHeight, int aWindowWidth, int aWindowHeight);
    // The picture as 0xFFRRGGBB pixels, top row first.
    void ReadPixels(std::vector<uint32_t>& aPixels) const;
    // Draws the picture into the window's back buffer at aFit, black around it (nothing to do
    // when it was drawn there directly).
    void Present(int aWindowWidth, int aWindowHeight, const PictureFit& aFit) const;

private:
    bool myDirect = false;
    GLuint myFramebuffer = 0;
    GLuint myColour = 0;
    int myWidth = 0;
    int myHeight = 0;
};
}  // namespace platform
