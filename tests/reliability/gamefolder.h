#pragma once
// Copies of the built game to run and damage: each copy is a folder with the game's executable
// (a hard link, so it finds its data beside itself there) and links to every file of the
// build's img/, aud/ and dialogue/, so one file can be replaced without touching the build.
#include <chrono>
#include <filesystem>
#include <string>

#include "childprocess.h"

namespace reliability
{
class GameFolder
{
public:
    GameFolder();
    // Removes every copy.
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    // A new copy named aName; its executable is <copy>/marrowen.
    std::filesystem::path MakeCopy(const std::string& aName) const;
    void Remove(const std::filesystem::path& aCopy) const;

    // The build folder: where the test, the game and its data are.
    static std::filesystem::path BuildFolder();
    // What a run of the game may use: 1 GB of address space beyond what an undamaged run
    // reserves (unlimited in sanitizer builds, whose shadow memory needs terabytes).
    static ChildOptions Limits();
    // aLimit, or three times it in sanitizer builds.
    static std::chrono::milliseconds Scaled(std::chrono::milliseconds aLimit);

private:
    std::filesystem::path myRoot;
};
}  // namespace reliability
