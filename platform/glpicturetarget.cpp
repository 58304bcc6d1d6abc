#include "glpicturetarget.h"

namespace platform
{
bool GlPictureTarget::Supported()
{
    return epoxy_gl_version() >= 30 || epoxy_has_gl_extension("GL_ARB_framebuffer_object") ||
           (epoxy_has_gl_extension("GL_EXT_framebuffer_object") &&
            epoxy_has_gl_extension("GL_EXT_framebuffer_blit"));
}

void GlPictureTarget::Bind(int aWidth, int aHeight, int aWindowWidth, int aWindowHeight)
{
    myDirect = aWindowWidth == aWidth && aWindowHeight == aHeight;
    if (myDirect)
    {
        myWidth = aWidth;
        myHeight = aHeight;
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glViewport(0, 0, aWidth, aHeight);
        return;
    }
    if (myFramebuffer == 0 || aWidth != myWidth || aHeight != myHeight)
    {
        if (myFramebuffer != 0)
        {
            glDeleteFramebuffers(1, &myFramebuffer);
            glDeleteRenderbuffers(1, &myColour);
        }
        myWidth = aWidth;
        myHeight = aHeight;
        glGenRenderbuffers(1, &myColour);
        glBindRenderbuffer(GL_RENDERBUFFER, myColour);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, aWidth, aHeight);
        glGenFramebuffers(1, &myFramebuffer);
        glBindFramebuffer(GL_FRAMEBUFFER, myFramebuffer);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, myColour);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, myFramebuffer);
    glViewport(0, 0, aWidth, aHeight);
}

void GlPictureTarget::ReadPixels(std::vector<uint32_t>& aPixels) const
{
    const size_t rowLength = static_cast<size_t>(myWidth);
    std::vector<uint32_t> bottomUp(rowLength * static_cast<size_t>(myHeight));
    glBindFramebuffer(GL_READ_FRAMEBUFFER, myDirect ? 0 : myFramebuffer);
    glReadBuffer(myDirect ? GL_BACK : GL_COLOR_ATTACHMENT0);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glReadPixels(0, 0, myWidth, myHeight, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, bottomUp.data());
    // OpenGL counts rows from the bottom; the screen has no transparency.
    aPixels.resize(bottomUp.size());
    for (int row = 0; row < myHeight; ++row)
    {
        const uint32_t* from = &bottomUp[static_cast<size_t>(myHeight - 1 - row) * rowLength];
        uint32_t* to = &aPixels[static_cast<size_t>(row) * rowLength];
        for (size_t x = 0; x < rowLength; ++x)
        {
            to[x] = from[x] | 0xFF000000u;
        }
    }
}

void GlPictureTarget::Present(int aWindowWidth, int aWindowHeight, const PictureFit& aFit) const
{
    if (myDirect)
    {
        return;
    }
    glBindFramebuffer(GL_READ_FRAMEBUFFER, myFramebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glViewport(0, 0, aWindowWidth, aWindowHeight);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    // The window counts rows from the bottom too, so the fit's top edge is measured from there.
    const int bottom = aWindowHeight - aFit.myY - aFit.myHeight;
    glBlitFramebuffer(0, 0, myWidth, myHeight, aFit.myX, bottom, aFit.myX + aFit.myWidth,
                      bottom + aFit.myHeight, GL_COLOR_BUFFER_BIT,
                      aFit.mySharp ? GL_NEAREST : GL_LINEAR);
}
}  // namespace platform
