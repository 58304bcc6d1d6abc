#include "core/contentwriter.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

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
}  // namespace content
