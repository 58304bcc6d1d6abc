#pragma once
// Draws quads with OpenGL on the render thread: consecutive quads with the same texture and
// blend mode go to the card in one call. Pictures are uploaded at their first draw, DXT
// pictures as they are where the driver takes compressed textures, and then leave memory (the
// card has them); the card's copies are deleted once the picture table no longer holds them,
// or once they have not been drawn for a while.
#include <epoxy/gl.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "enginefigures.h"
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
    // size and deletes the copies of freed pictures and of pictures long unused.
    void BeginFrame(int aWidth, int aHeight);
    void Clear(DWORD aColor);
    void Add(const hgeQuad& aQuad);
    // Draws every quad added so far.
    void Flush();
    // Any thread.
    CardPictures OnCard() const;

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
        bool myCompressed = false;
        size_t myBytes = 0;        // as sent; 0 before the first upload
        uint64_t myLastFrame = 0;  // the last frame it was drawn in
    };
    using UploadedMap = std::unordered_map<HTEXTURE, Uploaded>;

    // Whether aQuad hides what lies under it (an opaque picture in opaque colours, alpha
    // blended): it is drawn without blending, which gives the same pixels for less work.
    bool Hides(const hgeQuad& aQuad) const;
    // Binds the texture for aHandle (uploading it when new or changed); false for texture 0
    // and for handles no longer loaded, which draw untextured.
    bool Bind(HTEXTURE aHandle);
    // Sends the picture to its texture, compressed when the driver takes it.
    void Upload(Uploaded& aUploaded);
    void Delete(UploadedMap::iterator aUploaded);
    // Adds (aSign +1) or takes away (-1) a picture on the card in the counts.
    void Count(const Uploaded& aUploaded, int aSign);

    const TextureTable& myTextures;
    UploadedMap myUploaded;
    std::vector<Vertex> myVertices;
    HTEXTURE myTexture = 0;
    int myBlend = BLEND_DEFAULT;
    bool mySetUp = false;
    bool myBlocksTaken = false;  // the driver takes DXT blocks
    uint64_t myFrame = 0;        // frames begun
    std::atomic<int> myCompressed{0};
    std::atomic<int> myDecoded{0};
    std::atomic<int64_t> myCardBytes{0};
};
}  // namespace platform
