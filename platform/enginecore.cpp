#include "enginecore.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "fatal.h"
#include "filepaths.h"

namespace platform
{
EngineCore::~EngineCore()
{
    SetDataFolder("");
}

void EngineCore::System_SetState(hgeBoolState aState, bool aValue)
{
    if (aState >= HGE_WINDOWED && aState <= HGE_SHOWSPLASH)
    {
        myBoolStates[aState] = aValue;
    }
}

void EngineCore::System_SetState(hgeIntState aState, int aValue)
{
    if (aState == HGE_SCREENWIDTH)
    {
        myScreenWidth = aValue;
    }
    else if (aState == HGE_SCREENHEIGHT)
    {
        myScreenHeight = aValue;
    }
}

void EngineCore::System_SetState(hgeStringState aState, const char* aValue)
{
    if (aState == HGE_TITLE)
    {
        myTitle = aValue ? aValue : "";
    }
    else if (aState == HGE_DATAFOLDER)
    {
        SetDataFolder(aValue ? aValue : "");
    }
}

bool EngineCore::System_GetState(hgeBoolState aState)
{
    return aState >= HGE_WINDOWED && aState <= HGE_SHOWSPLASH && myBoolStates[aState];
}

int EngineCore::System_GetState(hgeIntState aState)
{
    return aState == HGE_SCREENWIDTH    ? myScreenWidth
           : aState == HGE_SCREENHEIGHT ? myScreenHeight
                                        : 0;
}

InputSource* EngineCore::System_GetState(hgeHwndState)
{
    return &myInput;
}

void EngineCore::System_Log(const char* aFormat, ...)
{
    char line[1024];
    va_list args;
    va_start(args, aFormat);
    vsnprintf(line, sizeof(line), aFormat, args);
    va_end(args);
    AppendLogLine(line);
}

void* EngineCore::Resource_Load(const char* aFileName, DWORD* aSize)
{
    // The last error speaks of the last load only.
    ClearLastError();
    const std::string resolved = ResolvePath(aFileName ? aFileName : "");
    std::vector<uint8_t> bytes;
    if (resolved.empty() || !ReadWholeFile(resolved, bytes) || bytes.size() > UINT32_MAX - 1)
    {
        SetLastError("%s: %s", aFileName ? aFileName : "(null)",
                     resolved.empty() ? "file not found" : "file cannot be read");
        if (aSize)
        {
            *aSize = 0;
        }
        return nullptr;
    }
    // One zero byte past the end, so text files can be parsed as strings.
    // An empty file is a block of that one byte (an empty vector has no data to copy from).
    auto block = std::make_unique<uint8_t[]>(bytes.size() + 1);
    std::copy(bytes.begin(), bytes.end(), block.get());
    if (aSize)
    {
        *aSize = static_cast<DWORD>(bytes.size());
    }
    std::lock_guard<std::mutex> lock(myResourceMutex);
    void* resource = block.get();
    myResources.emplace(resource, std::move(block));
    return resource;
}

void EngineCore::Resource_Free(void* aResource)
{
    std::lock_guard<std::mutex> lock(myResourceMutex);
    myResources.erase(aResource);
}

const char* EngineCore::Resource_EnumFiles(const char* aPath)
{
    thread_local std::string found;
    const std::string resolved = ResolvePath(aPath ? aPath : "");
    if (resolved.empty())
    {
        return nullptr;
    }
    found = std::filesystem::path(resolved).filename().string();
    return found.c_str();
}

HTEXTURE EngineCore::Texture_Load(const char* aFileName, DWORD aSize, bool)
{
    ClearLastError();
    if (aSize != 0)
    {
        return myTextures.LoadFromMemory(reinterpret_cast<const uint8_t*>(aFileName), aSize);
    }
    if (aFileName == nullptr)
    {
        SetLastError("texture without a file name");
        return 0;
    }
    return myTextures.Load(aFileName);
}

void EngineCore::Texture_Free(HTEXTURE aTexture)
{
    myTextures.Free(aTexture);
}

int EngineCore::Texture_GetWidth(HTEXTURE aTexture, bool)
{
    return myTextures.Width(aTexture);
}

int EngineCore::Texture_GetHeight(HTEXTURE aTexture, bool)
{
    return myTextures.Height(aTexture);
}

DWORD* EngineCore::Texture_Lock(HTEXTURE aTexture, bool aReadOnly, int aLeft, int aTop, int aWidth,
                                int aHeight)
{
    DWORD* pixels = myTextures.Lock(aTexture, aReadOnly);
    if (pixels == nullptr || (aWidth == 0 && aHeight == 0))
    {
        return pixels;
    }
    // A rectangle: its top-left pixel; rows keep the texture's width.
    const int width = myTextures.Width(aTexture);
    const int height = myTextures.Height(aTexture);
    if (aLeft < 0 || aTop < 0 || aWidth < 0 || aHeight < 0 || aLeft + aWidth > width ||
        aTop + aHeight > height)
    {
        myTextures.Unlock(aTexture);
        return nullptr;
    }
    return pixels + static_cast<size_t>(aTop) * static_cast<size_t>(width) + aLeft;
}

void EngineCore::Texture_Unlock(HTEXTURE aTexture)
{
    myTextures.Unlock(aTexture);
}

PictureMemory PictureMemoryOf(HGE* aEngine)
{
    const auto* engine = dynamic_cast<const EngineCore*>(aEngine);
    PictureMemory memory;
    if (engine != nullptr)
    {
        memory.myInMemoryBytes = engine->PictureBytesInMemory();
        memory.myOnCard = engine->OnCard();
    }
    return memory;
}
}  // namespace platform
