#include "framerasteriser.h"

#include <map>

#include "fatal.h"
#include "sdlhandles.h"

// The content generator links its own copy of the PNG writer: keep this one private.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBIW_WINDOWS_UTF8 0
#include <stb_image_write.h>

namespace platform
{
namespace
{
SDL_Color ToSdlColor(DWORD aColor)
{
    return SDL_Color{static_cast<Uint8>(aColor >> 16), static_cast<Uint8>(aColor >> 8),
                     static_cast<Uint8>(aColor), static_cast<Uint8>(aColor >> 24)};
}

// The frame's textures as SDL textures, made on first use.
class TextureCache
{
public:
    TextureCache(SDL_Renderer* aRenderer, const TextureTable& aTextures)
        : myRenderer(aRenderer), myTextures(aTextures)
    {
    }

    // Null for texture 0 and for handles no longer loaded: those draw untextured.
    SDL_Texture* Get(HTEXTURE aHandle)
    {
        const auto known = myCache.find(aHandle);
        if (known != myCache.end())
        {
            return known->second.get();
        }
        TextureHandle& texture = myCache[aHandle];
        const auto image = myTextures.Find(aHandle);
        if (image)
        {
            texture.reset(SDL_CreateTexture(myRenderer, SDL_PIXELFORMAT_ARGB8888,
                                            SDL_TEXTUREACCESS_STATIC, image->Width(),
                                            image->Height()));
            if (texture)
            {
                // Drawing in software needs the pixels: they stay in memory from now on.
                SDL_UpdateTexture(texture.get(), nullptr, image->KeptPixels(), image->Width() * 4);
            }
        }
        return texture.get();
    }

private:
    SDL_Renderer* myRenderer;
    const TextureTable& myTextures;
    std::map<HTEXTURE, TextureHandle> myCache;
};
}  // namespace

bool RasteriseFrame(const PresentedFrame& aFrame, const TextureTable& aTextures, int aWidth,
                    int aHeight, std::vector<uint32_t>& aPixels)
{
    SurfaceHandle surface(
        SDL_CreateRGBSurfaceWithFormat(0, aWidth, aHeight, 32, SDL_PIXELFORMAT_ARGB8888));
    RendererHandle renderer(surface ? SDL_CreateSoftwareRenderer(surface.get()) : nullptr);
    if (!renderer)
    {
        SetLastError("software renderer: %s", SDL_GetError());
        return false;
    }
    const SDL_Color clear = ToSdlColor(aFrame.myClearColor);
    SDL_SetRenderDrawColor(renderer.get(), clear.r, clear.g, clear.b, 255);
    SDL_RenderClear(renderer.get());

    TextureCache textures(renderer.get(), aTextures);
    static const int corners[6] = {0, 1, 2, 0, 2, 3};
    for (const hgeQuad& quad : aFrame.myQuads)
    {
        SDL_Vertex vertices[4];
        for (int i = 0; i < 4; ++i)
        {
            const hgeVertex& v = quad.v[i];
            vertices[i] = SDL_Vertex{{v.x, v.y}, ToSdlColor(v.col), {v.tx, v.ty}};
        }
        // Bit 2 of a blend mode: alpha blending; without it the quad adds its colour.
        const SDL_BlendMode blend = (quad.blend & 2) ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_ADD;
        SDL_Texture* texture = textures.Get(quad.tex);
        if (texture)
        {
            SDL_SetTextureBlendMode(texture, blend);
        }
        SDL_SetRenderDrawBlendMode(renderer.get(), blend);
        SDL_RenderGeometry(renderer.get(), texture, vertices, 4, corners, 6);
    }

    aPixels.assign(static_cast<size_t>(aWidth) * static_cast<size_t>(aHeight), 0);
    if (SDL_RenderReadPixels(renderer.get(), nullptr, SDL_PIXELFORMAT_ARGB8888, aPixels.data(),
                             aWidth * 4) != 0)
    {
        SetLastError("software renderer: %s", SDL_GetError());
        return false;
    }
    for (uint32_t& pixel : aPixels)
    {
        pixel |= 0xFF000000u;  // the screen has no transparency
    }
    return true;
}

bool WritePng(const std::string& aPath, int aWidth, int aHeight,
              const std::vector<uint32_t>& aPixels)
{
    std::vector<uint8_t> rgba(aPixels.size() * 4);
    for (size_t i = 0; i < aPixels.size(); ++i)
    {
        rgba[i * 4 + 0] = static_cast<uint8_t>(aPixels[i] >> 16);
        rgba[i * 4 + 1] = static_cast<uint8_t>(aPixels[i] >> 8);
        rgba[i * 4 + 2] = static_cast<uint8_t>(aPixels[i]);
        rgba[i * 4 + 3] = static_cast<uint8_t>(aPixels[i] >> 24);
    }
    if (stbi_write_png(aPath.c_str(), aWidth, aHeight, 4, rgba.data(), aWidth * 4) == 0)
    {
        SetLastError("%s: cannot be written", aPath.c_str());
        return false;
    }
    return true;
}
}  // namespace platform
