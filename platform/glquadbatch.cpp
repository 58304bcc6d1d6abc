#include "glquadbatch.h"

namespace platform
{
namespace
{
// Bit 2 of a blend mode: alpha blending; without it the quad adds its colour.
constexpr int kAlphaBlend = 2;

void Upload(GLuint aId, const DecodedImage& aImage)
{
    glBindTexture(GL_TEXTURE_2D, aId);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    // 0xAARRGGBB words are B, G, R, A from the lowest byte up.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, aImage.width, aImage.height, 0, GL_BGRA,
                 GL_UNSIGNED_INT_8_8_8_8_REV, aImage.pixels.data());
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
        mySetUp = true;
    }
    for (auto it = myUploaded.begin(); it != myUploaded.end();)
    {
        if (myTextures.Find(it->first) != it->second.myImage)
        {
            glDeleteTextures(1, &it->second.myId);
            it = myUploaded.erase(it);
        }
        else
        {
            ++it;
        }
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
    if (!myVertices.empty() && (aQuad.tex != myTexture || aQuad.blend != myBlend))
    {
        Flush();
    }
    myTexture = aQuad.tex;
    myBlend = aQuad.blend;
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
    glBlendFunc(GL_SRC_ALPHA, (myBlend & kAlphaBlend) ? GL_ONE_MINUS_SRC_ALPHA : GL_ONE);
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
        glDeleteTextures(1, &known->second.myId);
        myUploaded.erase(known);
        known = myUploaded.end();
    }
    if (!image)
    {
        return false;
    }
    const uint32_t version = image->myVersion.load();
    if (known == myUploaded.end())
    {
        Uploaded uploaded;
        glGenTextures(1, &uploaded.myId);
        Upload(uploaded.myId, image->myPicture);
        uploaded.myImage = std::move(image);
        uploaded.myVersion = version;
        myUploaded.emplace(aHandle, std::move(uploaded));
        return true;
    }
    if (known->second.myVersion != version)
    {
        Upload(known->second.myId, image->myPicture);
        known->second.myVersion = version;
        return true;
    }
    glBindTexture(GL_TEXTURE_2D, known->second.myId);
    return true;
}
}  // namespace platform
