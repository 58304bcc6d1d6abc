#pragma once
// Draws quads with OpenGL on the render thread: consecutive quads with the same texture and
// blend mode go to the card in one call. Pictures are uploaded at their first draw and their
// copies deleted once the picture table no longer holds them.
#include <epoxy/gl.h>

#include <memory>
#include <unordered_map>
#include <vector>

#include "hge.h"
#include "texturetable.h"

namespace platform
{
class GlQuadBatch
{
public:
    explicit GlQuadBatch(const TextureTable& aTextures) : myTextures(aTextures) {}
    GlQuadBatch(const GlQuadBatch&) = delete;
    GlQuadBatch& operator=(const GlQuadBatch&) = delete;
    // Makes no GL calls: the textures go with the context.
    ~GlQuadBatch() = default;

    // The context must be current. Sets up pixel coordinates (y down) for a screen of this
    // size and deletes the copies of freed pictures.
    void BeginFrame(int aWidth, int aHeight);
    void Clear(DWORD aColor);
    void Add(const hgeQuad& aQuad);
    // Draws every quad added so far.
    void Flush();

private:
    struct Vertex
    {
        GLfloat x, y;
        GLubyte rgba[4];
        GLfloat u, v;
    };
    struct Uploaded
    {
        std::shared_ptr<TextureImage> myImage;
        GLuint myId = 0;
        uint32_t myVersion = 0;
    };

    // Binds the texture for aHandle (uploading it when new or changed); false for texture 0
    // and for handles no longer loaded, which draw untextured.
    bool Bind(HTEXTURE aHandle);

    const TextureTable& myTextures;
    std::unordered_map<HTEXTURE, Uploaded> myUploaded;
    std::vector<Vertex> myVertices;
    HTEXTURE myTexture = 0;
    int myBlend = BLEND_DEFAULT;
    bool mySetUp = false;
};
}  // namespace platform
