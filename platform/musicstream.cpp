#include "musicstream.h"

#include <mpg123.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "fatal.h"

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

    struct stat info;
    if (stat(aPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
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
    if (mpg123_open(handle, aPath.c_str()) != MPG123_OK)
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
            const int got = Decode(aOut + written * ourChannels, aFrames - written);
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
    std::fill(aOut + written * ourChannels, aOut + aFrames * ourChannels, 0.0f);
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
