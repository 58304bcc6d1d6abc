#include "childprocess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace reliability
{
namespace
{
std::string TempErrorFile()
{
    static std::atomic<int> ourCount{0};
    return (std::filesystem::temp_directory_path() / ("marrowen_child_" + std::to_string(getpid()) +
                                                      "_" + std::to_string(ourCount++) + ".err"))
        .string();
}

// In the forked child: only async-signal-safe calls until exec.
[[noreturn]] void StartInChild(const std::vector<char*>& aArguments, const ChildOptions& aOptions,
                               const std::string& aErrorFile)
{
    setpgid(0, 0);
    const int null = open("/dev/null", O_RDWR);
    const int error = open(aErrorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (null < 0 || error < 0)
    {
        _exit(126);
    }
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(error, STDERR_FILENO);
    // A crash must show as a signal here, not leave a core file behind.
    const struct rlimit noCore = {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    if (aOptions.myAddressSpace != 0)
    {
        const struct rlimit space = {aOptions.myAddressSpace, aOptions.myAddressSpace};
        setrlimit(RLIMIT_AS, &space);
    }
    // The test's own handlers and mask must not carry over.
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
    execv(aArguments[0], aArguments.data());
    _exit(127);
}
}  // namespace

std::string ChildResult::Describe() const
{
    if (myTimedOut)
    {
        return "timed out";
    }
    return myExited ? "exit " + std::to_string(myStatus) : "signal " + std::to_string(mySignal);
}

std::vector<std::string> ChildResult::ErrorLines() const
{
    std::vector<std::string> lines;
    std::istringstream text(myStandardError);
    std::string line;
    while (std::getline(text, line))
    {
        lines.push_back(line);
    }
    return lines;
}

ChildProcess::ChildProcess(const std::vector<std::string>& aArguments, const ChildOptions& aOptions)
    : myErrorFile(TempErrorFile()), myMark(std::chrono::steady_clock::now())
{
    std::vector<std::string> arguments = aArguments;
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
    {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);
    // The environment is set up before the fork: the child may only exec.
    std::vector<std::pair<std::string, std::string>> saved;
    for (const std::string& entry : aOptions.myEnvironment)
    {
        const std::string name = entry.substr(0, entry.find('='));
        const char* old = std::getenv(name.c_str());
        saved.emplace_back(name, old ? std::string("=") + old : "");
        setenv(name.c_str(), entry.substr(name.size() + 1).c_str(), 1);
    }
    myPid = fork();
    if (myPid == 0)
    {
        StartInChild(pointers, aOptions, myErrorFile);
    }
    for (const auto& [name, old] : saved)
    {
        if (old.empty())
        {
            unsetenv(name.c_str());
        }
        else
        {
            setenv(name.c_str(), old.substr(1).c_str(), 1);
        }
    }
}

ChildProcess::~ChildProcess()
{
    if (Started() && !myReaped)
    {
        kill(-myPid, SIGKILL);
        waitpid(myPid, nullptr, 0);
    }
    std::error_code ignored;
    std::filesystem::remove(myErrorFile, ignored);
}

bool ChildProcess::Running() const
{
    siginfo_t info = {};
    return Started() && !myReaped &&
           waitid(P_PID, static_cast<id_t>(myPid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == 0;
}

std::vector<std::string> ChildProcess::ThreadNames() const
{
    std::vector<std::string> names;
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(myPid) + "/task";
    for (std::filesystem::directory_iterator it(tasks, error), end; !error && it != end;
         it.increment(error))
    {
        std::ifstream comm(it->path() / "comm");
        std::string name;
        std::getline(comm, name);
        names.push_back(name);
    }
    return names;
}

void ChildProcess::Signal(int aSignal)
{
    myMark = std::chrono::steady_clock::now();
    kill(myPid, aSignal);
}

ChildResult ChildProcess::Wait(std::chrono::milliseconds aLimit)
{
    ChildResult result;
    if (!Started() || myReaped)
    {
        return result;
    }
    const bool ended = WaitFor([this] { return !Running(); }, aLimit);
    const auto end = std::chrono::steady_clock::now();
    if (!ended)
    {
        result.myTimedOut = true;
        kill(-myPid, SIGKILL);
    }
    int status = 0;
    struct rusage usage = {};
    wait4(myPid, &status, 0, &usage);
    myReaped = true;
    result.myElapsed = std::chrono::duration_cast<std::chrono::milliseconds>(end - myMark);
    result.myPeakKilobytes = usage.ru_maxrss;
    result.myCpu = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::seconds(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
        std::chrono::microseconds(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec));
    result.myExited = WIFEXITED(status);
    result.myStatus = result.myExited ? WEXITSTATUS(status) : -1;
    result.mySignal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    std::ifstream error(myErrorFile);
    std::stringstream text;
    text << error.rdbuf();
    result.myStandardError = text.str();
    return result;
}

ChildResult RunChild(const std::vector<std::string>& aArguments, const ChildOptions& aOptions,
                     std::chrono::milliseconds aLimit)
{
    ChildProcess child(aArguments, aOptions);
    return child.Wait(aLimit);
}
}  // namespace reliability
