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
    // A DDS file's header tells whether it can be read: its picture is read at first use.
    std::vector<uint8_t> bytes;
    size_t fileSize = 0;
    if (!ReadFileStart(resolved, kDdsHeaderSize, bytes, fileSize))
    {
        SetLastError("%s: file cannot be read", aPath.c_str());
        return 0;
    }
    std::string problem;
    if (LooksLikeDds(bytes.data(), bytes.size()))
    {
        DdsLayout layout;
        if (!ReadDdsLayout(bytes.data(), fileSize, layout, problem))
        {
            SetLastError("%s: %s", aPath.c_str(), problem.c_str());
            return 0;
        }
        return Insert(resolved, std::make_shared<TextureImage>(resolved, layout));
    }
    DecodedImage image;
    if (!ReadWholeFile(resolved, bytes) || !DecodeImage(bytes.data(), bytes.size(), image, problem))
    {
        SetLastError("%s: %s", aPath.c_str(),
                     problem.empty() ? "file cannot be read" : problem.c_str());
        return 0;
    }
    return Insert(resolved, std::make_shared<TextureImage>(resolved, std::move(image)));
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
    return Insert("", std::make_shared<TextureImage>("", std::move(image)));
}

uint32_t TextureTable::Insert(const std::string& aKey, std::shared_ptr<TextureImage> aImage)
{
    std::lock_guard<std::mutex> lock(myMutex);
    if (!aKey.empty())
    {
        // Another thread may have loaded the same file meanwhile: share its picture.
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
    entry.myImage = std::move(aImage);
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
    ++myGeneration;
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
    return image ? image->Width() : 0;
}

int TextureTable::Height(uint32_t aHandle) const
{
    const auto image = Find(aHandle);
    return image ? image->Height() : 0;
}

uint32_t* TextureTable::Lock(uint32_t aHandle, bool aReadOnly)
{
    std::shared_ptr<TextureImage> image;
    {
        std::lock_guard<std::mutex> lock(myMutex);
        const auto entry = myEntries.find(aHandle);
        if (entry == myEntries.end())
        {
            return nullptr;
        }
        entry->second.myWritable = entry->second.myWritable || !aReadOnly;
        image = entry->second.myImage;
    }
    // Decoding (the first time) happens outside the table's lock.
    return image->KeptPixels();
}

void TextureTable::Unlock(uint32_t aHandle)
{
    std::shared_ptr<TextureImage> image;
    {
        std::lock_guard<std::mutex> lock(myMutex);
        const auto entry = myEntries.find(aHandle);
        if (entry == myEntries.end() || !entry->second.myWritable)
        {
            return;
        }
        entry->second.myWritable = false;
        image = entry->second.myImage;
    }
    image->Changed();
    ++myGeneration;
}

int64_t TextureTable::MemoryBytes() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    int64_t bytes = 0;
    for (const auto& entry : myEntries)
    {
        bytes += static_cast<int64_t>(entry.second.myImage->MemoryBytes());
    }
    return bytes;
}

std::shared_ptr<TextureImage> TextureTable::Find(uint32_t aHandle) const
{
    std::lock_guard<std::mutex> lock(myMutex);
    const auto entry = myEntries.find(aHandle);
    return entry == myEntries.end() ? nullptr : entry->second.myImage;
}
}  // namespace platform
