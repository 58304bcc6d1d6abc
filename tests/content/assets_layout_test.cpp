// The generated pictures have the sizes and layouts the game's placement rules rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "assets_pictures.h"
#include "conversationlayout.h"

namespace
{
using assets::Pixels;

struct Box
{
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive; empty if right < 0
};

// The bounding box of the pixels at least half opaque inside one frame of a sheet.
Box Opaque(const Pixels& aPixels, int aX, int aWidth)
{
    Box box;
    for (int y = 0; y < aPixels.height; ++y)
    {
        for (int x = aX; x < aX + aWidth; ++x)
        {
            if (aPixels.Alpha(x, y) >= 128)
            {
                box = {std::min(box.left, x - aX), std::min(box.top, y),
                       std::max(box.right, x - aX), std::max(box.bottom, y)};
            }
        }
    }
    return box;
}

// The pixels of frame aFrame of a single-row sheet, row after row.
std::vector<uint32_t> Frame(const Pixels& aSheet, int aFrame, int aWidth)
{
    std::vector<uint32_t> pixels;
    for (int y = 0; y < aSheet.height; ++y)
    {
        for (int x = aFrame * aWidth; x < (aFrame + 1) * aWidth; ++x)
        {
            pixels.push_back(aSheet.At(x, y));
        }
    }
    return pixels;
}

const char* const kDirections[][2] = {
    {"up", "up"},     {"up_right", "right_up"},   {"right", "right"}, {"down_right", "right_down"},
    {"down", "down"}, {"down_left", "left_down"}, {"left", "left"},   {"up_left", "left_up"}};

TEST(AssetsLayout, HeroineFramesStandOnTheirFeetPoint)
{
    const assets::Engine engine;
    const std::string folder = "img/animation/HeroineAni/";
    for (const auto& direction : kDirections)
    {
        const Pixels stand = engine.Load(folder + "h_stand_" + direction[0] + ".dds");
        const Pixels walk = engine.Load(folder + "h_walk_" + direction[1] + ".dds");
        SCOPED_TRACE(direction[1]);
        EXPECT_EQ(stand.width, 64);
        EXPECT_EQ(stand.height, 128);
        EXPECT_EQ(walk.width, 16 * 64);  // sixteen frames in one row
        EXPECT_EQ(walk.height, 128);
        for (int frame = 0; frame < 16; ++frame)
        {
            const Box body = Opaque(walk, frame * 64, 64);
            SCOPED_TRACE(frame);
            // Feet at y = 100 (a lifted foot may be a little higher), centred on x = 32.
            EXPECT_GE(body.bottom, 96);
            EXPECT_LE(body.bottom, 105);
            EXPECT_NEAR((body.left + body.right) / 2.0, 32.0, 6.0);
            EXPECT_GE(body.top, 2);  // nothing cut off at the top
            EXPECT_GE(body.left, 1);
            EXPECT_LE(body.right, 62);
        }
        // The walk cycle moves her legs: a quarter cycle later the frame differs.
        EXPECT_NE(Frame(walk, 0, 64), Frame(walk, 4, 64));
    }
}

TEST(AssetsLayout, RobotSheetsShareOneFrameSize)
{
    const assets::Engine engine;
    const std::string folder = "img/animation/RobotAni/";
    std::vector<std::pair<std::string, int>> sheets = {{"robot_deactivated/r_deactivated.dds", 1},
                                                       {"robot_activate/r_activate.dds", 16}};
    for (const auto& direction : kDirections)
    {
        sheets.push_back({std::string("robot_walk/r_walk_") + direction[1] + ".dds", 16});
        sheets.push_back({std::string("robot_idling/r_idling_") + direction[1] + ".dds", 16});
    }
    ASSERT_EQ(sheets.size(), 18u);
    for (const auto& [path, frames] : sheets)
    {
        const Pixels sheet = engine.Load(folder + path);
        SCOPED_TRACE(path);
        ASSERT_EQ(sheet.width % frames, 0);
        EXPECT_EQ(sheet.width / frames, 64);
        EXPECT_EQ(sheet.height, 80);
        for (int frame = 0; frame < frames; ++frame)
        {
            const Box body = Opaque(sheet, frame * 64, 64);
            EXPECT_GE(body.right, 0) << "frame " << frame << " is empty";
            EXPECT_GE(body.top, 1);
            EXPECT_LE(body.bottom, 78);
        }
    }
}

TEST(AssetsLayout, IconsFitTheGridCellsAndEmptyPicturesAreEmpty)
{
    const assets::Engine engine;
    for (const char* path : {"img/Items/icon_wire.dds", "img/items/icon_flintstone1.dds",
                             "img/items/sprite_flint02.dds", "img/items/icon_banana.dds",
                             "img/items/icon_big_leaves.dds", "img/Items/icon_axe.dds",
                             "img/items/icon_belt_whole.dds", "img/h_fainted.dds"})
    {
        const Pixels icon = engine.Load(path);
        SCOPED_TRACE(path);
        if (std::string(path) != "img/h_fainted.dds")
        {
            EXPECT_LE(icon.width, 85);
            EXPECT_LE(icon.height, 85);
        }
        EXPECT_GE(Opaque(icon, 0, icon.width).right, 0);
    }
    for (const char* path :
         {"img/empty.dds", "img/items/empty.dds", "img/Conversation/EmptyPortrait.dds"})
    {
        const Pixels empty = engine.Load(path);
        EXPECT_TRUE(std::all_of(empty.argb.begin(), empty.argb.end(),
                                [](uint32_t aPixel) { return (aPixel >> 24) == 0; }))
            << path;
    }
    const Pixels curtain = engine.Load("img/curtain.png");
    EXPECT_EQ(curtain.width, 1024);
    EXPECT_EQ(curtain.height, 768);
    EXPECT_TRUE(std::all_of(curtain.argb.begin(), curtain.argb.end(),
                            [](uint32_t aPixel) { return aPixel == 0xFF000000u; }));
}

TEST(AssetsLayout, ConversationPicturesFitTheBoxAndTheHistoryAsTheGameLaysThemOut)
{
    namespace layout = geometry;
    const assets::Engine engine;
    const Pixels panel = engine.Load("img/Conversation/ConversationBox.dds");
    const Pixels plate = engine.Load("img/Conversation/NameBox.dds");
    for (const char* face : {"Empty", "heroine", "Robot", "AI", "villagerWoman", "boy", "girl"})
    {
        const Pixels picture =
            engine.Load(std::string("img/Conversation/") + face + "Portrait.dds");
        EXPECT_EQ(picture.width, layout::ourPortraitSize) << face;
        EXPECT_EQ(picture.height, layout::ourPortraitSize) << face;
    }
    for (const char* face : {"heroine", "Robot", "AI", "villagerWoman", "boy", "girl", "narration"})
    {
        const Pixels picture = engine.Load(std::string("img/Conversation/") + face + "Face.dds");
        EXPECT_EQ(picture.width, layout::ourHistoryFaceSize) << face;
        EXPECT_EQ(picture.height, layout::ourHistoryFaceSize) << face;
    }
    EXPECT_EQ(panel.width, layout::ourScreenWidth);
    EXPECT_EQ(layout::ourBoxTop + panel.height, layout::ourScreenHeight);
    EXPECT_EQ(plate.width, layout::ourNamePlateWidth);
    EXPECT_EQ(plate.height, layout::ourNamePlateHeight);
    EXPECT_LE(layout::ourNamePlateTop + plate.height, layout::ourScreenHeight);
    EXPECT_GE(plate.height, 15 + 28);  // the name row fits on its plate
    // The text well is drawn where the game puts the lines: darker than the wood around it.
    const auto brightness = [&panel](int aX, int aScreenY)
    {
        const uint32_t pixel = panel.At(aX, aScreenY - layout::ourBoxTop);
        return ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
    };
    for (const int x : {layout::ourTextLeft, layout::ourTextRight})
    {
        for (const int y : {layout::ourTextTop, layout::ourTextBottom})
        {
            EXPECT_LT(brightness(x, y), brightness(8, y)) << x << ", " << y;
        }
    }
    const Pixels history = engine.Load("img/Conversation/History.dds");
    EXPECT_EQ(history.width, layout::ourHistoryWidth);
    EXPECT_EQ(history.height, layout::ourHistoryHeight);
    EXPECT_LE(layout::ourHistoryLeft + history.width, layout::ourScreenWidth);
    EXPECT_LE(layout::ourHistoryTop + history.height, layout::ourScreenHeight);
}

TEST(AssetsLayout, InventoryPanelHoldsItsGridSlotsAndButton)
{
    const assets::Engine engine;
    const Pixels panel = engine.Load("img/Inventory-Notepad/inventory.dds");
    const Pixels highlight = engine.Load("img/Inventory-Notepad/inventory_highlight_buttonnew.dds");
    // Everything the inventory's hit tests place must lie on the panel.
    for (int column : {60, 145, 225, 305, 385})
    {
        for (int row : {70, 150, 230})
        {
            EXPECT_LE(column + 72, panel.width);
            EXPECT_EQ(panel.Alpha(column + 36, row + 36), 255u) << column << "," << row;
        }
    }
    for (int slot : {80, 175, 260})
    {
        EXPECT_LE(355 + 72, panel.height);
        EXPECT_EQ(panel.Alpha(slot + 36, 355 + 36), 255u);
    }
    EXPECT_LE(372 + 68, panel.width);
    EXPECT_LE(302 + 48, panel.height);
    // The button is brass: brighter than the wood around it.
    const auto brightness = [](uint32_t aPixel)
    { return ((aPixel >> 16) & 0xFF) + ((aPixel >> 8) & 0xFF) + (aPixel & 0xFF); };
    EXPECT_GT(brightness(panel.At(372 + 10, 302 + 24)), brightness(panel.At(372 - 14, 302 + 24)));
    // The highlight is drawn 10 pixels above the button and covers it.
    EXPECT_EQ(highlight.width, 68);
    EXPECT_EQ(highlight.height, 48 + 10);
    // Result pictures stay on screen and hide no cell, no slot and not the button.
    const auto overlaps =
        [](int aLeft, int aTop, int aWidth, int aHeight, int aX, int aY, int aW, int aH)
    { return aLeft < aX + aW && aX < aLeft + aWidth && aTop < aY + aH && aY < aTop + aHeight; };
    const int resultX = 322;
    const int resultY = 518;
    for (const char* result : {"combination_successful", "combination_built", "combination_failed"})
    {
        const Pixels picture = engine.Load(std::string("img/Inventory-Notepad/") + result + ".dds");
        EXPECT_LE(resultX + picture.width, 1024) << result;
        EXPECT_LE(resultY + picture.height, 768) << result;
        const auto hides = [&](int aX, int aY, int aW, int aH)
        { return overlaps(resultX, resultY, picture.width, picture.height, aX, aY, aW, aH); };
        for (int column : {60, 145, 225, 305, 385})
        {
            for (int row : {70, 150, 230})
            {
                EXPECT_FALSE(hides(200 + column, 50 + row, 85, 85)) << result;
            }
        }
        for (int slot : {80, 175, 260})
        {
            EXPECT_FALSE(hides(200 + slot, 50 + 355, 85, 85)) << result;
        }
        EXPECT_FALSE(hides(200 + 372, 50 + 302, 68, 48)) << result;
    }
}

TEST(AssetsLayout, NotepadMarksLineUpWithTheirOwnRows)
{
    const assets::Engine engine;
    const Pixels page = engine.Load("img/Inventory-Notepad/notepad.dds");
    EXPECT_LE(285 + page.width, 1024);
    EXPECT_LE(80 + page.height, 768);
    int previousBottom = -1;
    for (const char* mark : {"Belt", "Crystal", "Magnet", "Wire"})
    {
        const Pixels overlay =
            engine.Load(std::string("img/Inventory-Notepad/notepad_highlight_") + mark + ".dds");
        SCOPED_TRACE(mark);
        EXPECT_EQ(overlay.width, page.width);
        EXPECT_EQ(overlay.height, page.height);
        const Box marked = Opaque(overlay, 0, overlay.width);
        ASSERT_GE(marked.right, 0);
        // Each mark covers its own row, below the previous one, in list order.
        EXPECT_GT(marked.top, previousBottom);
        EXPECT_LT(marked.bottom - marked.top, 60);
        previousBottom = marked.bottom;
    }
}

TEST(AssetsLayout, CutScenesFillTheScreenAndTheMenuHoldsItsButtons)
{
    const assets::Engine engine;
    std::vector<std::string> screens = {"img/CutsceneImages/mainscreen.dds",
                                        "img/CutsceneImages/billboard BB.jpg"};
    for (int slide = 1; slide <= 7; ++slide)
    {
        screens.push_back("img/CutsceneImages/prologue0" + std::to_string(slide) + ".dds");
    }
    for (const std::string& path : screens)
    {
        const Pixels picture = engine.Load(path);
        EXPECT_EQ(picture.width, 1024) << path;
        EXPECT_EQ(picture.height, 768) << path;
        EXPECT_EQ(picture.Alpha(512, 384), 255u) << path;
    }
    // Drawn at y = -125: tall enough to still reach the bottom of the screen.
    const Pixels bird = engine.Load("img/CutsceneImages/cutscene_bird.DDS");
    EXPECT_EQ(bird.width, 1024);
    EXPECT_GE(bird.height, 768 + 125);

    const Pixels menu = engine.Load("img/QuitMenu/Menu background.dds");
    const Pixels resume = engine.Load("img/QuitMenu/Button Continue Game Normal.dds");
    const Pixels exit = engine.Load("img/QuitMenu/Button Exit Game Normal.dds");
    EXPECT_LE(26 + resume.width, menu.width);
    EXPECT_LE(26 + exit.width, menu.width);
    EXPECT_LE(25 + resume.height, 90);  // the buttons do not overlap
    EXPECT_LE(90 + exit.height, menu.height);
    EXPECT_LE(400 + menu.width, 1024);
}
}  // namespace
