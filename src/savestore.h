#pragma once
// Where the game keeps its one save: save.json in a folder of its own. Saves are written whole
// (see wholefile.h) on a thread of their own, so the disk never holds a frame up; the latest
// request wins over one still waiting. A save the game cannot continue is kept aside as
// save.json.bad.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class SaveStore
{
public:
    // Told about a save that could not be written or deleted, in one line.
    using Report = std::function<void(const std::string&)>;

    // aFolder "" keeps nothing: nothing is read, written or deleted.
    SaveStore(const std::string& aFolder, Report aReport);
    // Does what was handed over first.
    ~SaveStore();
    SaveStore(const SaveStore&) = delete;
    SaveStore& operator=(const SaveStore&) = delete;

    // $XDG_DATA_HOME/marrowen, or ~/.local/share/marrowen; "" when neither can be told.
    static std::string DefaultFolder();

    bool IsEnabled() const { return !myPath.empty(); }
    const std::string& GetPath() const { return myPath; }
    std::string GetSetAsidePath() const { return myPath + ".bad"; }

    // Whether there is a save at all.
    bool Exists() const;
    // The save's bytes; false, with the reason in aProblem, when they cannot be read.
    bool Read(std::string& aText, std::string& aProblem) const;
    // Renames the save to save.json.bad, replacing an older one; false when it stays.
    bool SetAside() const;

    // Replaces the save with aText, soon.
    void Write(std::string aText);
    // Deletes the save, soon: after everything handed over before.
    void Forget();
    // Waits until everything handed over is done; later requests are ignored.
    void Close();

private:
    struct Job
    {
        bool erase = false;
        std::string text;
    };
    void Hand(Job aJob);
    void Work();

    std::string myPath;
    Report myReport;
    std::mutex myMutex;
    std::condition_variable myWake;
    std::optional<Job> myJob;
    bool myClosing = false;
    std::thread myWriter;
};
