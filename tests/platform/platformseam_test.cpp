// SDL, OpenGL, X11 and libmpg123 are named in platform/ alone; the content generator may use the
// platform layer's formats but no window, sound or GL library either. The build keeps the
// platform's own headers away from the game; this scan also covers what the build cannot see.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{
// The header an #include line names ("SDL2/SDL.h"), or "" for any other line.
std::string IncludedHeader(const std::string& aLine)
{
    const char* const blanks = " \t";
    size_t at = aLine.find_first_not_of(blanks);
    if (at == std::string::npos || aLine[at] != '#')
    {
        return "";
    }
    at = aLine.find_first_not_of(blanks, at + 1);
    const std::string directive = "include";
    if (at == std::string::npos || aLine.compare(at, directive.size(), directive) != 0)
    {
        return "";
    }
    at = aLine.find_first_not_of(blanks, at + directive.size());
    if (at == std::string::npos || (aLine[at] != '<' && aLine[at] != '"'))
    {
        return "";
    }
    const size_t end = aLine.find(aLine[at] == '<' ? '>' : '"', at + 1);
    return end == std::string::npos ? "" : aLine.substr(at + 1, end - at - 1);
}

bool NamesPlatformLibrary(const std::string& aHeader)
{
    for (const char* library : {"SDL", "GL/", "epoxy", "mpg123", "AL/", "X11/"})
    {
        if (aHeader.rfind(library, 0) == 0)
        {
            return true;
        }
    }
    return false;
}

// Reaching past platform/include/ by path ("../platform/sdlhandles.h").
bool NamesPlatformFolder(const std::string& aHeader)
{
    return aHeader.find("platform/") != std::string::npos;
}

// "file: line" for every include in the sources under aFolder whose header aForbidden names.
template <typename Forbidden>
std::vector<std::string> IncludesIn(const std::filesystem::path& aFolder, Forbidden aForbidden)
{
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
            const std::string header = IncludedHeader(line);
            if (!header.empty() && aForbidden(header))
            {
                hits.push_back(entry.path().string() + ": " + line);
            }
        }
    }
    return hits;
}

std::string FirstOf(const std::vector<std::string>& aHits)
{
    return aHits.empty() ? "" : aHits.front();
}
}  // namespace

TEST(PlatformSeam, OnlyThePlatformLayerIncludesPlatformLibraries)
{
    const std::filesystem::path root(MARROWEN_SOURCE_DIR);
    for (const char* folder : {"src", "geometry", "content", "tests", "bench"})
    {
        const auto hits = IncludesIn(root / folder, NamesPlatformLibrary);
        EXPECT_TRUE(hits.empty()) << folder << ": " << FirstOf(hits);
    }
}

TEST(PlatformSeam, GameCodeDoesNotReachBehindThePlatformInterface)
{
    const std::filesystem::path root(MARROWEN_SOURCE_DIR);
    for (const char* folder : {"src", "geometry", "bench"})
    {
        const auto hits = IncludesIn(root / folder, NamesPlatformFolder);
        EXPECT_TRUE(hits.empty()) << folder << ": " << FirstOf(hits);
    }
}

TEST(PlatformSeam, TheScanReadsIncludeLinesOnly)
{
    // Built from parts, so that a search of this file for platform includes (the project's own
    // checks grep for them too) does not take the sample lines for real ones.
    const std::string include = "#include";
    EXPECT_EQ(IncludedHeader(include + " <SDL2/SDL.h>"), "SDL2/SDL.h");
    EXPECT_EQ(IncludedHeader("  #  include \"mpg123.h\" // decoder"), "mpg123.h");
    EXPECT_EQ(IncludedHeader("\t" + include + "<epoxy/gl.h>"), "epoxy/gl.h");
    EXPECT_EQ(IncludedHeader("// " + include + " <SDL2/SDL.h>"), "");
    EXPECT_EQ(IncludedHeader("#define INCLUDE_SDL 1"), "");
    EXPECT_EQ(IncludedHeader(include + " <SDL2/SDL.h"), "");
    EXPECT_EQ(IncludedHeader("#"), "");

    EXPECT_TRUE(NamesPlatformLibrary("SDL2/SDL.h"));
    EXPECT_TRUE(NamesPlatformLibrary("GL/gl.h"));
    EXPECT_TRUE(NamesPlatformLibrary("X11/Xlib.h"));
    EXPECT_FALSE(NamesPlatformLibrary("stdio.h"));
    EXPECT_FALSE(NamesPlatformLibrary("hge.h"));
    EXPECT_TRUE(NamesPlatformFolder("../platform/sdlhandles.h"));
    EXPECT_FALSE(NamesPlatformFolder("hge.h"));
}

TEST(PlatformSeam, TheScanFindsAnInclude)
{
    const auto folder =
        std::filesystem::temp_directory_path() / ("marrowen_seam_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "leak.cpp") << "#include <stdio.h>\n  #  include <"
                                          "SDL2/SDL.h>\n";
    std::ofstream(folder / "reach.h") << "#include \"../platform/glquadbatch.h\"\n";
    EXPECT_EQ(IncludesIn(folder, NamesPlatformLibrary).size(), 1u);
    EXPECT_EQ(IncludesIn(folder, NamesPlatformFolder).size(), 1u);
    std::filesystem::remove_all(folder);
}
