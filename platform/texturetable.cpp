#include "texturetable.h"

#include <vector>

#include "fatal.h"
#include "filepaths.h"
#include "imagedecoder.h"

namespace platform
{
uint32_t TextureTable::Load(const std::string& aPath)
{
    const std::string resolved = ResolvePath(aPath);
    if (resolved.empty())
    {
        SetLastError("%s: file not found", aPath.c_str());
        return 0;
    }
    {
        std::lock_guard<std::mutex> lock(myMutex);
        const auto known = myByPath.find(resolved);
        if (known != myByPath.end())
        {
            ++myEntries.at(known->second).myReferences;
            return known->second;
        }
    }
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(resolved, bytes))
    {
        SetLastError("%s: file cannot be read", aPath.c_str());
        return 0;
    }
    DecodedImage image;
    std::string problem;
    if (!DecodeImage(bytes.data(), bytes.size(), image, problem))
    {
        SetLastError("%s: %s", aPath.c_str(), problem.c_str());
        return 0;
    }
    return Insert(resolved, std::move(image));
}

uint32_t TextureTable::LoadFromMemory(const uint8_t* aData, size_t aSize)
{
    DecodedImage image;
    std::string problem;
    if (aData == nullptr || !DecodeImage(aData, aSize, image, problem))
    {
        SetLastError("picture in memory: %s", aData ? problem.c_str() : "no data");
        return 0;
    }
    return Insert("", std::move(image));
}

uint32_t TextureTable::Insert(const std::string& aKey, DecodedImage&& aImage)
{
    // Worked out before the table is locked: other threads may load meanwhile.
    TileMap tiles = TileMap::Of(aImage);
    std::lock_guard<std::mutex> lock(myMutex);
    if (!aKey.empty())
    {
        // Another thread may have decoded the same file meanwhile: share its picture.
        const auto known = myByPath.find(aKey);
        if (known != myByPath.end())
        {
            ++myEntries.at(known->second).myReferences;
            return known->second;
        }
    }
    uint32_t handle = myNextHandle++;
    while (handle == 0 || myEntries.count(handle) != 0)
    {
        handle = myNextHandle++;
    }
    Entry entry;
    entry.myKey = aKey;
    entry.myImage = std::make_shared<TextureImage>();
    entry.myImage->myTiles = std::move(tiles);
    entry.myImage->myPicture = std::move(aImage);
    myEntries.emplace(handle, std::move(entry));
    if (!aKey.empty())
    {
        myByPath.emplace(aKey, handle);
    }
    return handle;
}

void TextureTable::Free(uint32_t aHandle)
{
    std::lock_guard<std::mutex> lock(myMutex);
    const auto entry = myEntries.find(aHandle);
    if (entry == myEntries.end() || --entry->second.myReferences > 0)
    {
        return;
    }
    if (!entry->second.myKey.empty())
    {
        myByPath.erase(entry->second.myKey);
    }
    myEntries.erase(entry);
}

std::string TextureTable::PathOf(uint32_t aHandle) const
{
    std::lock_guard<std::mutex> lock(myMutex);
    const auto entry = myEntries.find(aHandle);
    return entry == myEntries.end() ? std::string() : entry->second.myKey;
}

int TextureTable::Width(uint32_t aHandle) const
{
    const auto image = Find(aHandle);
    return image ? image->myPicture.width : 0;
}

int TextureTable::Height(uint32_t aHandle) const
{
    const auto image = Find(aHandle);
    return image ? image->myPicture.height : 0;
}

uint32_t* TextureTable::Lock(uint32_t aHandle, bool aReadOnly)
{
    std::lock_guard<std::mutex> lock(myMutex);
    const auto entry = myEntries.find(aHandle);
    if (entry == myEntries.end())
    {
        return nullptr;
    }
    entry->second.myWritable = entry->second.myWritable || !aReadOnly;
    return entry->second.myImage->myPicture.pixels.data();
}

void TextureTable::Unlock(uint32_t aHandle)
{
    std::lock_guard<std::mutex> lock(myMutex);
    const auto entry = myEntries.find(aHandle);
    if (entry != myEntries.end() && entry->second.myWritable)
    {
        entry->second.myWritable = false;
        entry->second.myImage->myTilesValid = false;
        ++entry->second.myImage->myVersion;
    }
}

std::shared_ptr<TextureImage> TextureTable::Find(uint32_t aHandle) const
{
    std::lock_guard<std::mutex> lock(myMutex);
    const auto entry = myEntries.find(aHandle);
    return entry == myEntries.end() ? nullptr : entry->second.myImage;
}
}  // namespace platform
