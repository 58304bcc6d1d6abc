#include "previews/contactsheet.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/canvas.h"
#include "core/contentwriter.h"
#include "core/picturetext.h"

namespace content
{
namespace
{
namespace fs = std::filesystem;

constexpr int kSheetWidth = 1600;
constexpr int kGap = 14;
constexpr int kLabelHeight = 16;

struct Group
{
    const char* file;
    std::function<bool(const std::string&)> wanted;
    double maxSide;  // pictures are shrunk to fit this
};

bool StartsWith(const std::string& aText, const char* aPrefix)
{
    return aText.rfind(aPrefix, 0) == 0;
}

struct Entry
{
    std::string path;
    Image image;
    double scale;
};

void DrawChecker(Canvas& aCanvas)
{
    cairo_t* cr = aCanvas.Cr();
    SetColour(cr, Colour::Rgb(0x6a6f75));
    cairo_paint(cr);
    SetColour(cr, Colour::Rgb(0x7b8087));
    for (int y = 0; y < aCanvas.Height(); y += 16)
    {
        for (int x = (y / 16) % 2 * 16; x < aCanvas.Width(); x += 32)
        {
            cairo_rectangle(cr, x, y, 16, 16);
        }
    }
    cairo_fill(cr);
}

void DrawEntry(Canvas& aSheet, const Entry& aEntry, double aX, double aY)
{
    Canvas picture(aEntry.image.width, aEntry.image.height);
    picture.FromImage(aEntry.image);
    cairo_t* cr = aSheet.Cr();
    cairo_save(cr);
    cairo_translate(cr, aX, aY);
    cairo_scale(cr, aEntry.scale, aEntry.scale);
    cairo_set_source_surface(cr, cairo_get_target(picture.Cr()), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    const int width = static_cast<int>(aEntry.image.width * aEntry.scale);
    const int height = static_cast<int>(aEntry.image.height * aEntry.scale);
    StrokePath(
        aSheet,
        [=](cairo_t* aCr) { cairo_rectangle(aCr, aX - 0.5, aY - 0.5, width + 1, height + 1); },
        Colour::Rgb(0x30343a, 0.6), 1.0);
    TextStyle label;
    label.size = 11;
    label.bold = false;
    label.fill = Colour::Rgb(0xf4f4f4);
    label.outline = Colour::Rgb(0x202020);
    label.outlineWidth = 2.5;
    char size[32];
    snprintf(size, sizeof(size), " (%dx%d)", aEntry.image.width, aEntry.image.height);
    DrawText(aSheet, aEntry.path.substr(4) + size, aX, aY + height + 12, label, TextAlign::Left);
}

void WriteSheet(const std::string& aContentFolder, const Group& aGroup, ContentWriter& aWriter)
{
    std::vector<Entry> entries;
    const fs::path root = fs::path(aContentFolder);
    if (!fs::exists(root / "img"))
    {
        return;
    }
    std::vector<std::string> paths;
    for (const auto& item : fs::recursive_directory_iterator(root / "img"))
    {
        const std::string relative = fs::relative(item.path(), root).generic_string();
        if (item.is_regular_file() && aGroup.wanted(relative) && item.path().extension() != ".fnt")
        {
            paths.push_back(relative);
        }
    }
    std::sort(paths.begin(), paths.end());
    for (const std::string& path : paths)
    {
        Image image;
        std::string problem;
        if (!ReadPicture((root / path).string(), image, problem))
        {
            continue;
        }
        const double scale =
            std::min({1.0, aGroup.maxSide / image.width, aGroup.maxSide / image.height});
        entries.push_back({path, std::move(image), scale});
    }
    // Flow the pictures into rows.
    struct Placed
    {
        size_t entry;
        int x, y;
    };
    std::vector<Placed> placed;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    for (size_t i = 0; i < entries.size(); ++i)
    {
        const int width =
            std::max(static_cast<int>(entries[i].image.width * entries[i].scale), 150);
        const int height =
            static_cast<int>(entries[i].image.height * entries[i].scale) + kLabelHeight;
        if (x + width > kSheetWidth - kGap && x > kGap)
        {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({i, x, y});
        x += width + kGap;
        rowHeight = std::max(rowHeight, height);
    }
    Canvas sheet(kSheetWidth, std::max(64, y + rowHeight + kGap));
    DrawChecker(sheet);
    for (const Placed& place : placed)
    {
        DrawEntry(sheet, entries[place.entry], place.x, place.y);
    }
    aWriter.WritePicture(aGroup.file, sheet.ToImage(), PictureFormat::Png);
}
}  // namespace

void WriteContactSheets(const std::string& aContentFolder, const std::string& aPreviewFolder)
{
    const std::vector<Group> groups = {
        {"characters.png",
         [](const std::string& aPath)
         {
             return StartsWith(aPath, "img/animation/") || StartsWith(aPath, "img/NPCs/") ||
                    aPath == "img/h_fainted.dds";
         },
         1100},
        {"items.png",
         [](const std::string& aPath)
         {
             return StartsWith(aPath, "img/Items/") || StartsWith(aPath, "img/items/") ||
                    StartsWith(aPath, "img/Icon/") || StartsWith(aPath, "img/icon/") ||
                    aPath == "img/empty.dds" || aPath == "img/cursor.dds";
         },
         300},
        {"interface.png",
         [](const std::string& aPath)
         {
             return StartsWith(aPath, "img/Conversation/") ||
                    StartsWith(aPath, "img/Inventory-Notepad/") ||
                    StartsWith(aPath, "img/QuitMenu/") || StartsWith(aPath, "img/Font/");
         },
         1024},
        {"cutscenes.png",
         [](const std::string& aPath)
         { return StartsWith(aPath, "img/CutsceneImages/") || aPath == "img/curtain.png"; },
         512},
    };
    ContentWriter writer(aPreviewFolder);
    for (const Group& group : groups)
    {
        WriteSheet(aContentFolder, group, writer);
    }
}
}  // namespace content
