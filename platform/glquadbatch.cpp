#include "glquadbatch.h"

#include <algorithm>
#include <iterator>

namespace platform
{
namespace
{
// Bit 2 of a blend mode: alpha blending; without it the quad adds its colour.
constexpr int kAlphaBlend = 2;
// Drawn without blending: an opaque quad blended over the picture would give its own colours.
constexpr int kNoBlend = -1;
// A picture not drawn in this many frames (ten seconds of frames that change) leaves the card.
constexpr uint64_t kUnusedFrames = 600;

GLenum CompressedFormat(DdsBlocks aBlocks)
{
    switch (aBlocks)
    {
        case DdsBlocks::Dxt1:
            // DXT1's fourth colour may be transparent black, as the decoder has it.
            return GL_COMPRESSED_RGBA_S3TC_DXT1_EXT;
        case DdsBlocks::Dxt3:
            return GL_COMPRESSED_RGBA_S3TC_DXT3_EXT;
        default:
            return GL_COMPRESSED_RGBA_S3TC_DXT5_EXT;
    }
}

// Gives the bound texture aBytes; false when the driver refused them.
bool TexImage(const PictureBytes& aBytes)
{
    // Errors of earlier calls are not this upload's.
    for (int i = 0; i < 8 && glGetError() != GL_NO_ERROR; ++i)
    {
    }
    if (aBytes.myBlocks == DdsBlocks::None)
    {
        // 0xAARRGGBB words are B, G, R, A from the lowest byte up.
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, aBytes.myWidth, aBytes.myHeight, 0, GL_BGRA,
                     GL_UNSIGNED_INT_8_8_8_8_REV, aBytes.myData);
    }
    else
    {
        glCompressedTexImage2D(GL_TEXTURE_2D, 0, CompressedFormat(aBytes.myBlocks), aBytes.myWidth,
                               aBytes.myHeight, 0, static_cast<GLsizei>(aBytes.mySize),
                               aBytes.myData);
    }
    return glGetError() == GL_NO_ERROR;
}
}  // namespace

void GlQuadBatch::BeginFrame(int aWidth, int aHeight)
{
    if (!mySetUp)
    {
        glViewport(0, 0, aWidth, aHeight);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, aWidth, aHeight, 0, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        glEnable(GL_BLEND);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        myBlocksTaken = epoxy_has_gl_extension("GL_EXT_texture_compression_s3tc");
        mySetUp = true;
    }
    ++myFrame;
    for (auto it = myUploaded.begin(); it != myUploaded.end();)
    {
        const auto next = std::next(it);
        // Pictures freed, and pictures long unused (another scene's): the card lets go of them.
        // An unused one is read again from its file should it be drawn once more.
        if (myTextures.Find(it->first) != it->second.myImage ||
            myFrame - it->second.myLastFrame > kUnusedFrames)
        {
            Delete(it);
        }
        it = next;
    }
}

void GlQuadBatch::Clear(DWORD aColor)
{
    myVertices.clear();
    glClearColor(((aColor >> 16) & 0xFF) / 255.0f, ((aColor >> 8) & 0xFF) / 255.0f,
                 (aColor & 0xFF) / 255.0f, ((aColor >> 24) & 0xFF) / 255.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void GlQuadBatch::Add(const hgeQuad& aQuad)
{
    const int blend = Hides(aQuad) ? kNoBlend : aQuad.blend;
    if (!myVertices.empty() && (aQuad.tex != myTexture || blend != myBlend))
    {
        Flush();
    }
    myTexture = aQuad.tex;
    myBlend = blend;
    static const int corners[6] = {0, 1, 2, 0, 2, 3};
    for (int corner : corners)
    {
        const hgeVertex& v = aQuad.v[corner];
        myVertices.push_back(
            Vertex{v.x,
                   v.y,
                   {static_cast<GLubyte>(v.col >> 16), static_cast<GLubyte>(v.col >> 8),
                    static_cast<GLubyte>(v.col), static_cast<GLubyte>(v.col >> 24)},
                   v.tx,
                   v.ty});
    }
}

bool GlQuadBatch::Hides(const hgeQuad& aQuad) const
{
    if ((aQuad.blend & kAlphaBlend) == 0 || aQuad.tex == 0 ||
        !std::all_of(aQuad.v, aQuad.v + 4,
                     [](const hgeVertex& aVertex) { return (aVertex.col >> 24) == 0xFF; }))
    {
        return false;
    }
    const std::shared_ptr<TextureImage> image = myTextures.Find(aQuad.tex);
    return image && image->IsOpaque();
}

void GlQuadBatch::Flush()
{
    if (myVertices.empty())
    {
        return;
    }
    if (Bind(myTexture))
    {
        glEnable(GL_TEXTURE_2D);
    }
    else
    {
        glDisable(GL_TEXTURE_2D);
    }
    if (myBlend == kNoBlend)
    {
        glDisable(GL_BLEND);
    }
    else
    {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, (myBlend & kAlphaBlend) ? GL_ONE_MINUS_SRC_ALPHA : GL_ONE);
    }
    const GLsizei stride = sizeof(Vertex);
    glVertexPointer(2, GL_FLOAT, stride, &myVertices[0].x);
    glColorPointer(4, GL_UNSIGNED_BYTE, stride, &myVertices[0].rgba);
    glTexCoordPointer(2, GL_FLOAT, stride, &myVertices[0].u);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(myVertices.size()));
    myVertices.clear();
}

bool GlQuadBatch::Bind(HTEXTURE aHandle)
{
    if (aHandle == 0)
    {
        return false;
    }
    std::shared_ptr<TextureImage> image = myTextures.Find(aHandle);
    auto known = myUploaded.find(aHandle);
    if (known != myUploaded.end() && known->second.myImage != image)
    {
        Delete(known);
        known = myUploaded.end();
    }
    if (!image)
    {
        return false;
    }
    if (known == myUploaded.end())
    {
        Uploaded uploaded;
        glGenTextures(1, &uploaded.myId);
        known = myUploaded.emplace(aHandle, std::move(uploaded)).first;
        known->second.myImage = std::move(image);
        known->second.myLastFrame = myFrame;
        Upload(known->second);
        return true;
    }
    glBindTexture(GL_TEXTURE_2D, known->second.myId);
    known->second.myLastFrame = myFrame;
    if (known->second.myVersion != known->second.myImage->Version())
    {
        Upload(known->second);
    }
    return true;
}

void GlQuadBatch::Upload(Uploaded& aUploaded)
{
    TextureImage& image = *aUploaded.myImage;
    glBindTexture(GL_TEXTURE_2D, aUploaded.myId);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    aUploaded.myVersion = image.Version();
    bool taken = false;
    PictureBytes sent;
    image.Upload(myBlocksTaken,
                 [&](const PictureBytes& aBytes)
                 {
                     sent = aBytes;
                     taken = TexImage(aBytes);
                 });
    if (!taken && sent.myBlocks != DdsBlocks::None)
    {
        // The driver said it takes compressed pictures but refused one: decode from now on.
        myBlocksTaken = false;
        image.Upload(false,
                     [&](const PictureBytes& aBytes)
                     {
                         sent = aBytes;
                         TexImage(aBytes);
                     });
    }
    Count(aUploaded, -1);
    aUploaded.myCompressed = sent.myBlocks != DdsBlocks::None;
    aUploaded.myBytes = sent.mySize;
    Count(aUploaded, +1);
    // The card has its copy now.
    image.Release();
}

void GlQuadBatch::Delete(UploadedMap::iterator aUploaded)
{
    glDeleteTextures(1, &aUploaded->second.myId);
    Count(aUploaded->second, -1);
    myUploaded.erase(aUploaded);
}

void GlQuadBatch::Count(const Uploaded& aUploaded, int aSign)
{
    if (aUploaded.myBytes == 0)
    {
        return;  // not uploaded yet
    }
    (aUploaded.myCompressed ? myCompressed : myDecoded) += aSign;
    myCardBytes += aSign * static_cast<int64_t>(aUploaded.myBytes);
}

CardPictures GlQuadBatch::OnCard() const
{
    return CardPictures{myCompressed.load(), myDecoded.load(), myCardBytes.load()};
}
}  // namespace platform
