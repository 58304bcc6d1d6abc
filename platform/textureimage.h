#pragma once
// One picture of the engine: its size from the start, its pixels only while something needs
// them. A DDS file's header is checked when the picture is loaded and the picture itself read
// at its first use; other formats are decoded when loaded. Once the graphics card has its own
// copy, the one in memory goes (Release) and is read from the file again if it is ever needed
// once more. Pictures that were locked or drawn in software, and pictures made from memory,
// keep their pixels. Every operation is thread-safe.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "ddsreader.h"
#include "decodedimage.h"
#include "visibleparts.h"

namespace platform
{
// A picture as an uploader takes it: DXT blocks, or 0xAARRGGBB pixels row after row.
struct PictureBytes
{
    DdsBlocks myBlocks = DdsBlocks::None;  // None: pixels
    int myWidth = 0;
    int myHeight = 0;
    const void* myData = nullptr;
    size_t mySize = 0;
};

class TextureImage
{
public:
    // The DDS file aPath (resolved), whose header said aLayout: read at its first use.
    TextureImage(std::string aPath, const DdsLayout& aLayout);
    // A decoded picture from the file aPath, or from memory when aPath is "" (then its pixels
    // are kept: there is nothing to read them from again).
    TextureImage(std::string aPath, DecodedImage&& aPicture);
    TextureImage(const TextureImage&) = delete;
    TextureImage& operator=(const TextureImage&) = delete;

    int Width() const { return myWidth; }
    int Height() const { return myHeight; }
    // Goes up at every change of the pixels through a writable lock.
    uint32_t Version() const { return myVersion.load(); }

    // The tiles to draw it by, worked out at the first call; null to draw it whole (also once
    // its pixels were changed).
    const TileMap* Tiles();
    // Whether every pixel is fully opaque (worked out with the tiles); false once its pixels
    // were changed.
    bool IsOpaque();
    // The pixels, kept in memory from now on (locks and the software rasteriser need them).
    uint32_t* KeptPixels();
    // After a writable lock: the pixels have changed.
    void Changed();
    // Calls aUpload with the picture: its DXT blocks when aBlocksTaken and the file holds
    // blocks, else its pixels.
    void Upload(bool aBlocksTaken, const std::function<void(const PictureBytes&)>& aUpload);
    // The graphics card has its copy: what is in memory only for it goes.
    void Release();
    // Bytes of the picture in memory now (blocks and pixels).
    size_t MemoryBytes() const;

private:
    // With the lock held: the file's blocks, or its pixels, in memory. A file that can no
    // longer be read, or no longer holds the picture it did, ends the program naming it.
    void Read();
    // With the lock held: decoded pixels in memory.
    void Decode();
    // With the lock held: the tiles and whether it is opaque, worked out once.
    void WorkOutShape();

    mutable std::mutex myMutex;
    const std::string myPath;
    const DdsLayout myLayout;  // blocks None: decoded when loaded
    const int myWidth;
    const int myHeight;
    std::vector<uint8_t> myFile;  // a DXT file, header and blocks, while in memory
    DecodedImage myPixels;        // no pixels while not in memory
    bool myKept = false;
    bool myTilesKnown = false;
    bool myTilesValid = true;
    bool myOpaque = false;
    TileMap myTiles;
    std::atomic<uint32_t> myVersion{0};
};
}  // namespace platform
