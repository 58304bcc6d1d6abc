#include "savestore.h"

#include <pthread.h>

#include <filesystem>

#include "wholefile.h"

namespace
{
namespace fs = std::filesystem;
}  // namespace

SaveStore::SaveStore(const std::string& aFolder, Report aReport) : myReport(std::move(aReport))
{
    if (aFolder.empty())
    {
        return;
    }
    myPath = (fs::path(aFolder) / "save.json").string();
    myWriter = std::thread(&SaveStore::Work, this);
    pthread_setname_np(myWriter.native_handle(), "marrowen-save");
}

SaveStore::~SaveStore()
{
    Close();
}

std::string SaveStore::DefaultFolder()
{
    return UserFolder("XDG_DATA_HOME", ".local/share");
}

bool SaveStore::Exists() const
{
    std::error_code error;
    return IsEnabled() && fs::exists(myPath, error);
}

bool SaveStore::Read(std::string& aText, std::string& aProblem) const
{
    return ReadWholeFile(myPath, aText, aProblem);
}

bool SaveStore::SetAside() const
{
    std::error_code error;
    fs::rename(myPath, GetSetAsidePath(), error);
    return !error;
}

void SaveStore::Write(std::string aText)
{
    Hand(Job{false, std::move(aText)});
}

void SaveStore::Forget()
{
    Hand(Job{true, ""});
}

void SaveStore::Hand(Job aJob)
{
    if (!IsEnabled())
    {
        return;
    }
    const std::lock_guard<std::mutex> lock(myMutex);
    if (!myClosing)
    {
        myJob = std::move(aJob);
        myWake.notify_one();
    }
}

void SaveStore::Close()
{
    {
        const std::lock_guard<std::mutex> lock(myMutex);
        myClosing = true;
        myWake.notify_one();
    }
    if (myWriter.joinable())
    {
        myWriter.join();
    }
}

void SaveStore::Work()
{
    std::unique_lock<std::mutex> lock(myMutex);
    for (;;)
    {
        myWake.wait(lock, [this] { return myJob.has_value() || myClosing; });
        if (!myJob)
        {
            return;
        }
        const Job job = std::move(*myJob);
        myJob.reset();
        lock.unlock();
        std::string problem;
        const bool done = job.erase ? RemoveWholeFile(myPath, problem)
                                    : WriteWholeFile(myPath, job.text, problem);
        if (!done && myReport)
        {
            myReport(std::string(job.erase ? "the save could not be deleted: "
                                           : "the game could not be saved: ") +
                     problem);
        }
        lock.lock();
    }
}
