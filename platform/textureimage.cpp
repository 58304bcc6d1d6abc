#include "textureimage.h"

#include "fatal.h"
#include "filepaths.h"
#include "imagedecoder.h"

namespace platform
{
namespace
{
// Pictures are read again while the game runs; if one has gone or changed meanwhile, the game
// can no longer show what it promised.
[[noreturn]] void Unreadable(const std::string& aPath, const std::string& aProblem)
{
    SetLastError("%s: %s", aPath.c_str(), aProblem.c_str());
    Fatal("a picture could not be read again while the game ran");
}
}  // namespace

TextureImage::TextureImage(std::string aPath, const DdsLayout& aLayout)
    : myPath(std::move(aPath)), myLayout(aLayout), myWidth(aLayout.width), myHeight(aLayout.height)
{
}

TextureImage::TextureImage(std::string aPath, DecodedImage&& aPicture)
    : myPath(std::move(aPath)),
      myWidth(aPicture.width),
      myHeight(aPicture.height),
      myPixels(std::move(aPicture)),
      myKept(myPath.empty())
{
}

const TileMap* TextureImage::Tiles()
{
    std::lock_guard<std::mutex> lock(myMutex);
    WorkOutShape();
    return myTilesValid ? &myTiles : nullptr;
}

bool TextureImage::IsOpaque()
{
    std::lock_guard<std::mutex> lock(myMutex);
    WorkOutShape();
    return myOpaque;
}

void TextureImage::WorkOutShape()
{
    if (myTilesKnown)
    {
        return;
    }
    if (myFile.empty() && myPixels.pixels.empty())
    {
        Read();
    }
    // Blocks tell which parts show without being decoded; an opaque picture has no empty
    // tiles to skip.
    if (myFile.empty())
    {
        myOpaque = platform::IsOpaque(myPixels);
        myTiles = myOpaque ? TileMap() : TileMap::Of(myPixels);
    }
    else
    {
        const uint8_t* blocks = myFile.data() + kDdsHeaderSize;
        myOpaque = platform::IsOpaque(myLayout, blocks);
        myTiles = myOpaque ? TileMap() : TileMap::OfBlocks(myLayout, blocks);
    }
    myTilesKnown = true;
}

uint32_t* TextureImage::KeptPixels()
{
    std::lock_guard<std::mutex> lock(myMutex);
    myKept = true;
    Decode();
    return myPixels.pixels.data();
}

void TextureImage::Changed()
{
    std::lock_guard<std::mutex> lock(myMutex);
    myTilesValid = false;
    myOpaque = false;
    ++myVersion;
}

void TextureImage::Upload(bool aBlocksTaken,
                          const std::function<void(const PictureBytes&)>& aUpload)
{
    std::lock_guard<std::mutex> lock(myMutex);
    // Pixels in memory may have been changed through a lock: they are the picture.
    if (aBlocksTaken && myLayout.blocks != DdsBlocks::None && myPixels.pixels.empty())
    {
        if (myFile.empty())
        {
            Read();
        }
        aUpload(PictureBytes{myLayout.blocks, myWidth, myHeight, myFile.data() + kDdsHeaderSize,
                             myLayout.bodyBytes});
        return;
    }
    Decode();
    aUpload(PictureBytes{DdsBlocks::None, myWidth, myHeight, myPixels.pixels.data(),
                         myPixels.pixels.size() * sizeof(uint32_t)});
}

void TextureImage::Release()
{
    std::lock_guard<std::mutex> lock(myMutex);
    std::vector<uint8_t>().swap(myFile);
    if (!myKept)
    {
        myPixels = DecodedImage();
    }
}

size_t TextureImage::MemoryBytes() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myFile.capacity() + myPixels.pixels.capacity() * sizeof(uint32_t);
}

void TextureImage::Read()
{
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(myPath, bytes))
    {
        Unreadable(myPath, "file cannot be read");
    }
    std::string problem;
    if (myLayout.blocks != DdsBlocks::None)
    {
        DdsLayout layout;
        if (!ReadDdsLayout(bytes.data(), bytes.size(), layout, problem))
        {
            Unreadable(myPath, problem);
        }
        if (layout.width != myWidth || layout.height != myHeight ||
            layout.blocks != myLayout.blocks)
        {
            Unreadable(myPath, "the picture changed since it was loaded");
        }
        myFile = std::move(bytes);
        return;
    }
    DecodedImage picture;
    if (!DecodeImage(bytes.data(), bytes.size(), picture, problem))
    {
        Unreadable(myPath, problem);
    }
    if (picture.width != myWidth || picture.height != myHeight)
    {
        Unreadable(myPath, "the picture changed since it was loaded");
    }
    myPixels = std::move(picture);
}

void TextureImage::Decode()
{
    if (!myPixels.pixels.empty())
    {
        return;
    }
    if (myLayout.blocks == DdsBlocks::None)
    {
        Read();
        return;
    }
    if (myFile.empty())
    {
        Read();
    }
    DecodeDxt(myLayout, myFile.data() + kDdsHeaderSize, myPixels);
    NoteDecodedPicture();
    std::vector<uint8_t>().swap(myFile);
}
}  // namespace platform
