#pragma once
// The upright parts of a scene that stand over the characters (crowns, roofs, arches, desks):
// the overlay picture holds each part once, packed; the list beside it (the overlay's path
// with ".parts" for ".dds") says where each part comes from in the picture, where it stands in
// the scene and the line on the ground a character must be behind to be covered by it. The
// generator writes the list; the game reads it.
#include <sstream>
#include <string>
#include <vector>

namespace geometry
{
struct OverlayPart
{
    int pictureLeft = 0;  // in the overlay picture
    int pictureTop = 0;
    int width = 0;
    int height = 0;
    int left = 0;  // in the scene
    int top = 0;
    int base = 0;  // covers a character whose feet are above this line
};

// The base of foreground that covers everyone, wherever they stand.
constexpr int ourAlwaysInFront = 100000;

constexpr char ourOverlayPartsHeader[] = "marrowen-foreground 1";

inline std::string OverlayPartsPath(const std::string& aOverlayPath)
{
    return aOverlayPath.substr(0, aOverlayPath.rfind('.')) + ".parts";
}

// The header line, then one line per part: picture left and top, width, height, scene left and
// top, base.
inline std::string OverlayPartsText(const std::vector<OverlayPart>& aParts)
{
    std::ostringstream text;
    text << ourOverlayPartsHeader << '\n';
    for (const OverlayPart& part : aParts)
    {
        text << part.pictureLeft << ' ' << part.pictureTop << ' ' << part.width << ' '
             << part.height << ' ' << part.left << ' ' << part.top << ' ' << part.base << '\n';
    }
    return text.str();
}

// The parts of a list's text; false with "line N: problem" in aProblem when it is not one.
inline bool ParseOverlayParts(const std::string& aText, std::vector<OverlayPart>& aParts,
                              std::string& aProblem)
{
    std::istringstream lines(aText);
    std::string line;
    aParts.clear();
    if (!std::getline(lines, line) || line != ourOverlayPartsHeader)
    {
        aProblem = std::string("line 1: not \"") + ourOverlayPartsHeader + "\"";
        return false;
    }
    for (int number = 2; std::getline(lines, line); ++number)
    {
        if (line.empty())
        {
            continue;
        }
        std::istringstream fields(line);
        OverlayPart part;
        std::string extra;
        if (!(fields >> part.pictureLeft >> part.pictureTop >> part.width >> part.height >>
              part.left >> part.top >> part.base) ||
            (fields >> extra) || part.pictureLeft < 0 || part.pictureTop < 0 || part.width <= 0 ||
            part.height <= 0)
        {
            aProblem = "line " + std::to_string(number) +
                       ": not the seven numbers of a part (picture left and top, width, height, "
                       "scene left and top, base)";
            return false;
        }
        aParts.push_back(part);
    }
    return true;
}
}  // namespace geometry
