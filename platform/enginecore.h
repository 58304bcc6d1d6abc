#pragma once
// What both backends of the engine interface share: the window states, the log, file
// resources, the picture table and the input source. The backends add the window (or its
// absence) and the drawing.
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "enginefigures.h"
#include "hge.h"
#include "inputsource.h"
#include "texturetable.h"

namespace platform
{
class EngineCore : public HGE
{
public:
    EngineCore() = default;
    EngineCore(const EngineCore&) = delete;
    EngineCore& operator=(const EngineCore&) = delete;
    // The data folder goes back to the default with the engine that named it.
    ~EngineCore() override;

    void Release() override;

    void System_SetState(hgeBoolState aState, bool aValue) override;
    void System_SetState(hgeIntState aState, int aValue) override;
    void System_SetState(hgeStringState aState, const char* aValue) override;
    bool System_GetState(hgeBoolState aState) override;
    int System_GetState(hgeIntState aState) override;
    InputSource* System_GetState(hgeHwndState aState) override;
    void System_Log(const char* aFormat, ...) override;

    void* Resource_Load(const char* aFileName, DWORD* aSize) override;
    void Resource_Free(void* aResource) override;
    const char* Resource_EnumFiles(const char* aPath) override;

    HTEXTURE Texture_Load(const char* aFileName, DWORD aSize, bool aMipmap) override;
    void Texture_Free(HTEXTURE aTexture) override;
    int Texture_GetWidth(HTEXTURE aTexture, bool aOriginal) override;
    int Texture_GetHeight(HTEXTURE aTexture, bool aOriginal) override;
    DWORD* Texture_Lock(HTEXTURE aTexture, bool aReadOnly, int aLeft, int aTop, int aWidth,
                        int aHeight) override;
    void Texture_Unlock(HTEXTURE aTexture) override;

    // Any thread: the pictures' bytes in memory, and what the graphics card holds of them.
    int64_t PictureBytesInMemory() const { return myTextures.MemoryBytes(); }
    virtual CardPictures OnCard() const { return CardPictures(); }

protected:
    // Passes the parts of aQuad worth drawing to aDraw: nothing for a fully transparent quad,
    // the visible tiles of a mostly transparent large picture, or the quad whole.
    template <typename Draw>
    void ForEachVisiblePart(const hgeQuad& aQuad, Draw&& aDraw) const
    {
        const std::shared_ptr<TextureImage> image = myTextures.Find(aQuad.tex);
        platform::ForEachVisiblePart(aQuad, image ? image->Tiles() : nullptr,
                                     image ? image->Width() : 0, image ? image->Height() : 0,
                                     aDraw);
    }

    const std::string& Title() const { return myTitle; }
    int ScreenWidth() const { return myScreenWidth; }
    int ScreenHeight() const { return myScreenHeight; }
    InputSource& Input() { return myInput; }
    TextureTable& Textures() { return myTextures; }

private:
    bool myBoolStates[3] = {true, false, false};
    int myScreenWidth = 1024;
    int myScreenHeight = 768;
    std::string myTitle = "Marrowen";
    InputSource myInput;
    TextureTable myTextures;
    std::mutex myResourceMutex;
    std::map<const void*, std::unique_ptr<uint8_t[]>> myResources;
};
}  // namespace platform
