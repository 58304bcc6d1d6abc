#include "core/contentwriter.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "imagedecoder.h"

namespace content
{
ContentWriter::ContentWriter(std::string aOutputFolder) : myOutputFolder(std::move(aOutputFolder))
{
}

void ContentWriter::WritePicture(const std::string& aPath, const Image& aImage,
                                 PictureFormat aFormat)
{
    WriteBytes(aPath, EncodePicture(aImage, aFormat));
}

void ContentWriter::WriteBytes(const std::string& aPath, const std::vector<uint8_t>& aBytes)
{
    const std::filesystem::path full = std::filesystem::path(myOutputFolder) / aPath;
    std::error_code error;
    std::filesystem::create_directories(full.parent_path(), error);
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(aBytes.data()),
              static_cast<std::streamsize>(aBytes.size()));
    if (!out)
    {
        fprintf(stderr, "marrowen-content: cannot write %s\n", full.c_str());
        exit(1);
    }
    myWritten.push_back(aPath);
}

bool ReadPicture(const std::string& aPath, Image& aImage, std::string& aProblem)
{
    std::ifstream in(aPath, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    platform::DecodedImage decoded;
    if (bytes.empty())
    {
        aProblem = "missing or empty";
        return false;
    }
    if (!platform::DecodeImage(bytes.data(), bytes.size(), decoded, aProblem))
    {
        return false;
    }
    aImage = Image{decoded.width, decoded.height, {decoded.pixels.begin(), decoded.pixels.end()}};
    return true;
}
}  // namespace content
