// SDL, OpenGL and libmpg123 are named in platform/ alone; the content generator may use the
// platform layer's formats but no window, sound or GL library either.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> PlatformIncludesIn(const std::filesystem::path& aFolder)
{
    static const std::regex include(R"(^\s*#\s*include\s*[<"](SDL|GL/|epoxy|mpg123|AL/))");
    std::vector<std::string> hits;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(aFolder))
    {
        const std::string extension = entry.path().extension().string();
        if (extension != ".cpp" && extension != ".h")
        {
            continue;
        }
        std::ifstream file(entry.path());
        std::string line;
        while (std::getline(file, line))
        {
            if (std::regex_search(line, include))
            {
                hits.push_back(entry.path().string() + ": " + line);
            }
        }
    }
    return hits;
}
}  // namespace

TEST(PlatformSeam, OnlyThePlatformLayerIncludesPlatformLibraries)
{
    const std::filesystem::path root(MARROWEN_SOURCE_DIR);
    for (const char* folder : {"src", "content", "tests", "bench"})
    {
        const auto hits = PlatformIncludesIn(root / folder);
        EXPECT_TRUE(hits.empty()) << folder << ": " << (hits.empty() ? "" : hits.front());
    }
}

TEST(PlatformSeam, TheScanFindsAnInclude)
{
    const auto folder = std::filesystem::temp_directory_path() / "marrowen_seam_test";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "leak.cpp") << "#include <stdio.h>\n  #  include <"
                                          "SDL2/SDL.h>\n";
    EXPECT_EQ(PlatformIncludesIn(folder).size(), 1u);
    std::filesystem::remove_all(folder);
}
