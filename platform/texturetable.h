#pragma once
// The engine's pictures, by handle. Pictures are checked (and, but for DDS files, decoded) on
// the calling thread, cached by resolved file path and shared: loading a file twice gives the
// same handle and one more reference, and the picture goes when its last reference is freed.
// Every operation is thread-safe; files are read outside the table's lock.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "textureimage.h"

namespace platform
{
class TextureTable
{
public:
    TextureTable() = default;
    TextureTable(const TextureTable&) = delete;
    TextureTable& operator=(const TextureTable&) = delete;

    // A non-zero handle for the picture file aPath, or 0 with LastError() naming the file and
    // the problem.
    uint32_t Load(const std::string& aPath);
    // A new handle for a picture held in memory (never cached).
    uint32_t LoadFromMemory(const uint8_t* aData, size_t aSize);
    // Drops one reference; unknown handles are ignored.
    void Free(uint32_t aHandle);

    // The picture's size in pixels; 0 for an unknown handle.
    int Width(uint32_t aHandle) const;
    int Height(uint32_t aHandle) const;
    // The pixels of a loaded picture (kept in memory from now on, valid until its last
    // reference is freed); null for an unknown handle.
    uint32_t* Lock(uint32_t aHandle, bool aReadOnly);
    // Ends a lock; after a writable lock the picture counts as changed.
    void Unlock(uint32_t aHandle);

    // The shared picture behind a handle, or null: the renderers keep it while they draw.
    std::shared_ptr<TextureImage> Find(uint32_t aHandle) const;
    // The bytes of every picture's file or pixels now in memory.
    int64_t MemoryBytes() const;
    // Goes up whenever a picture goes or its pixels change: a frame drawn again with the same
    // quads looks the same as long as this stays.
    uint64_t Generation() const { return myGeneration.load(); }
    // The resolved file a handle was loaded from; "" for pictures from memory and unknown
    // handles.
    std::string PathOf(uint32_t aHandle) const;

private:
    struct Entry
    {
        std::string myKey;  // resolved path, or "" for pictures from memory
        std::shared_ptr<TextureImage> myImage;
        int myReferences = 1;
        bool myWritable = false;
    };

    uint32_t Insert(const std::string& aKey, std::shared_ptr<TextureImage> aImage);

    mutable std::mutex myMutex;
    std::unordered_map<uint32_t, Entry> myEntries;
    std::unordered_map<std::string, uint32_t> myByPath;
    uint32_t myNextHandle = 1;
    std::atomic<uint64_t> myGeneration{0};
};
}  // namespace platform
