#include "musicstream.h"

#include <mpg123.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <string>

#include "fatal.h"
#include "filepaths.h"

namespace platform
{
namespace
{
// libmpg123 1.31 needs no global set-up call; this keeps older versions working as well.
bool EnsureLibrary()
{
    static const bool ourReady = mpg123_init() == MPG123_OK;
    return ourReady;
}

uint32_t BigEndian(const uint8_t* aBytes)
{
    return static_cast<uint32_t>(aBytes[0]) << 24 | static_cast<uint32_t>(aBytes[1]) << 16 |
           static_cast<uint32_t>(aBytes[2]) << 8 | aBytes[3];
}

// How many audio frames the file says it holds: the count in the Xing or Info header that
// encoders (LAME among them, and so the game's own music) put into the first frame; 0 when
// there is none. The decoder's scan counts what is really there, so a file cut short shows.
int64_t DeclaredFrames(const std::string& aPath)
{
    std::ifstream file(aPath, std::ios::binary);
    uint8_t id3[10] = {};
    if (!file.read(reinterpret_cast<char*>(id3), sizeof(id3)))
    {
        return 0;
    }
    // An ID3v2 tag first: its size is written seven bits a byte.
    std::streamoff start = 0;
    if (std::memcmp(id3, "ID3", 3) == 0)
    {
        start = 10 + (std::streamoff{id3[6] & 0x7F} << 21 | std::streamoff{id3[7] & 0x7F} << 14 |
                      std::streamoff{id3[8] & 0x7F} << 7 | std::streamoff{id3[9] & 0x7F});
        start += (id3[5] & 0x10) != 0 ? 10 : 0;  // a footer
    }
    uint8_t frame[4 + 32 + 12] = {};
    file.seekg(start);
    if (!file.read(reinterpret_cast<char*>(frame), sizeof(frame)) || frame[0] != 0xFF ||
        (frame[1] & 0xE0) != 0xE0 || ((frame[1] >> 1) & 3) != 1)
    {
        return 0;  // not a Layer III frame header where the audio should begin
    }
    // The header sits after the frame's side information, whose size depends on the MPEG
    // version and on whether the frame is mono.
    const bool mpeg1 = ((frame[1] >> 3) & 3) == 3;
    const bool mono = ((frame[3] >> 6) & 3) == 3;
    const uint8_t* tag = frame + 4 + (mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17));
    if (std::memcmp(tag, "Xing", 4) != 0 && std::memcmp(tag, "Info", 4) != 0)
    {
        return 0;
    }
    return (BigEndian(tag + 4) & 1u) != 0 ? BigEndian(tag + 8) : 0;
}
}  // namespace

void MusicStream::HandleDeleter::operator()(mpg123_handle_struct* aHandle) const
{
    mpg123_close(aHandle);
    mpg123_delete(aHandle);
}

MusicStream::MusicStream() = default;
MusicStream::~MusicStream() = default;

bool MusicStream::Fail(const char* aProblem)
{
    SetLastError("%s: %s", myPath.c_str(), aProblem);
    myProblem = LastError();
    myFailed.store(true, std::memory_order_release);
    myHandle.reset();
    myLength = 0;
    return false;
}

bool MusicStream::Open(const std::string& aPath)
{
    std::lock_guard<std::mutex> lock(myMutex);
    myHandle.reset();
    myPath = aPath;
    myLength = 0;
    myLoops = 0;
    myProblem.clear();
    myFailed.store(false, std::memory_order_release);
    myPaused.store(true, std::memory_order_release);

    // Messages name the file as the game does; the decoder gets where it really lies.
    const std::string resolved = ResolvePath(aPath);
    if (resolved.empty())
    {
        return Fail("file not found");
    }
    if (!EnsureLibrary())
    {
        return Fail("the MP3 decoder could not start");
    }
    int error = MPG123_OK;
    myHandle.reset(mpg123_new(nullptr, &error));
    if (!myHandle)
    {
        return Fail("the MP3 decoder could not start");
    }
    mpg123_handle* handle = myHandle.get();
    // Gapless decoding drops the encoder's delay and padding, so the loop joins seamlessly.
    // Quiet: a damaged file is reported through LastError(), not on standard error.
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0.0);
    mpg123_param(handle, MPG123_RESYNC_LIMIT, 2048, 0.0);
    mpg123_format_none(handle);
    if (mpg123_format(handle, ourSampleRate, MPG123_STEREO, MPG123_ENC_FLOAT_32) != MPG123_OK)
    {
        return Fail("the MP3 decoder cannot produce float samples");
    }
    if (mpg123_open(handle, resolved.c_str()) != MPG123_OK)
    {
        return Fail(mpg123_strerror(handle));
    }
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(handle, &rate, &channels, &encoding) != MPG123_OK)
    {
        return Fail("not an MP3 file (no audio frame found)");
    }
    if (mpg123_scan(handle) != MPG123_OK)
    {
        return Fail("damaged MP3 file (the scan failed)");
    }
    const off_t length = mpg123_length(handle);
    if (length <= 0)
    {
        return Fail("damaged MP3 file (no samples)");
    }
    const int64_t declared = DeclaredFrames(resolved);
    const int64_t found = mpg123_framelength(handle);
    if (found < declared)
    {
        return Fail(("damaged MP3 file (cut short: " + std::to_string(found) + " of " +
                     std::to_string(declared) + " frames)")
                        .c_str());
    }
    if (mpg123_seek(handle, 0, SEEK_SET) < 0)
    {
        return Fail("damaged MP3 file (cannot seek to its start)");
    }
    myLength = length;
    return true;
}

bool MusicStream::IsOpen() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myHandle != nullptr;
}

int MusicStream::Decode(float* aOut, int aFrames)
{
    const size_t frameBytes = sizeof(float) * ourChannels;
    size_t done = 0;
    const int result = mpg123_read(myHandle.get(), reinterpret_cast<unsigned char*>(aOut),
                                   static_cast<size_t>(aFrames) * frameBytes, &done);
    if (result != MPG123_OK && result != MPG123_DONE && result != MPG123_NEW_FORMAT)
    {
        Fail(mpg123_strerror(myHandle.get()));
        return 0;
    }
    return static_cast<int>(done / frameBytes);
}

void MusicStream::Read(float* aOut, int aFrames)
{
    std::lock_guard<std::mutex> lock(myMutex);
    int written = 0;
    if (myHandle && !IsPaused())
    {
        // Two empty reads in a row mean the track cannot deliver anything more.
        int emptyReads = 0;
        while (written < aFrames && myHandle && emptyReads < 2)
        {
            const int got = Decode(aOut + static_cast<std::ptrdiff_t>(written) * ourChannels,
                                   aFrames - written);
            written += got;
            if (got > 0)
            {
                emptyReads = 0;
                continue;
            }
            ++emptyReads;
            if (myHandle && written < aFrames)
            {
                if (mpg123_seek(myHandle.get(), 0, SEEK_SET) < 0)
                {
                    Fail("cannot seek back to the start");
                    break;
                }
                ++myLoops;
            }
        }
    }
    std::fill(aOut + static_cast<std::ptrdiff_t>(written) * ourChannels,
              aOut + static_cast<std::ptrdiff_t>(aFrames) * ourChannels, 0.0f);
}

int64_t MusicStream::LengthInFrames() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myLength;
}

int64_t MusicStream::Position() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    if (!myHandle)
    {
        return 0;
    }
    const off_t position = mpg123_tell(myHandle.get());
    return position < 0 ? 0 : static_cast<int64_t>(position);
}

std::string MusicStream::Problem() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myProblem;
}

int MusicStream::LoopCount() const
{
    std::lock_guard<std::mutex> lock(myMutex);
    return myLoops;
}
}  // namespace platform
