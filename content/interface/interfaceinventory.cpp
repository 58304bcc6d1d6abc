// The inventory panel with its grid, combination slots and combine button, the results of a
// combination, and the notepad with its four check marks. Every cell, slot and button sits at
// the coordinates the inventory's hit tests use, relative to the panel's top-left corner.
#include <string>

#include "core/picturetext.h"
#include "interface/interface.h"
#include "items/items.h"
#include "notepadlayout.h"

namespace content
{
namespace
{
const std::string kFolder = "img/Inventory-Notepad/";

// Cell corners relative to the panel (the icons are drawn there).
constexpr int kColumns[] = {60, 145, 225, 305, 385};
constexpr int kRows[] = {70, 150, 230};
constexpr int kSlots[] = {80, 175, 260};
constexpr int kSlotY = 355;
constexpr int kButtonX = 372;
constexpr int kButtonY = 302;
constexpr int kButtonWidth = 68;
constexpr int kButtonHeight = 48;
constexpr int kPanelWidth = 520;
constexpr int kPanelHeight = 460;

TextStyle Heading(double aSize)
{
    TextStyle style;
    style.size = aSize;
    style.fill = Colour::Rgb(0xfff1cf);
    style.outlineWidth = 3.0;
    return style;
}

Image InventoryPanel()
{
    Canvas canvas(kPanelWidth, kPanelHeight);
    DrawWoodPanel(canvas, 0, 0, kPanelWidth, kPanelHeight, 16);
    DrawText(canvas, "Inventory", kPanelWidth / 2.0, 46, Heading(24), TextAlign::Centre);
    for (int row : kRows)
    {
        for (int column : kColumns)
        {
            DrawInset(canvas, column - 1, row - 1, kIconSize + 2, kIconSize + 2, 8);
        }
    }
    DrawText(canvas, "Combine", kSlots[0], kSlotY - 14, Heading(16), TextAlign::Left);
    for (int i = 0; i < 3; ++i)
    {
        DrawInset(canvas, kSlots[i] - 2, kSlotY - 2, kIconSize + 4, kIconSize + 4, 8);
        if (i > 0)
        {
            const double gap = (kSlots[i - 1] + kIconSize + 2 + kSlots[i] - 2) / 2.0;
            DrawText(canvas, "+", gap, kSlotY + 46, Heading(22), TextAlign::Centre);
        }
    }
    DrawBrassButton(canvas, kButtonX, kButtonY, kButtonWidth, kButtonHeight, "Mix", 17);
    return canvas.ToImage();
}

// A glow round the combine button; drawn 10 pixels above the button's corner.
Image ButtonHighlight()
{
    Canvas canvas(kButtonWidth, kButtonHeight + 10);
    for (int ring = 3; ring >= 0; --ring)
    {
        StrokePath(
            canvas,
            [](cairo_t* aCr)
            { RoundedRectPath(aCr, 2, 12, kButtonWidth - 4, kButtonHeight - 4, 8); },
            Colour::Rgb(0xffd66a, 0.9 - ring * 0.2), 2.0 + ring * 1.5);
    }
    return canvas.ToImage();
}

// The result of a combination: aSucceeded or not, and what the player is told about it.
Image Result(bool aSucceeded, const char* aHeading, const char* aLine)
{
    Canvas canvas(380, 110);
    DrawWoodPanel(canvas, 0, 0, 380, 110, 14);
    const Colour mark = Colour::Rgb(aSucceeded ? 0x6fd05a : 0xe0503a);
    const auto symbol = [aSucceeded](cairo_t* aCr)
    {
        if (aSucceeded)
        {
            cairo_move_to(aCr, 28, 56);
            cairo_line_to(aCr, 44, 74);
            cairo_line_to(aCr, 74, 36);
        }
        else
        {
            cairo_move_to(aCr, 32, 36);
            cairo_line_to(aCr, 70, 74);
            cairo_move_to(aCr, 70, 36);
            cairo_line_to(aCr, 32, 74);
        }
    };
    StrokePath(canvas, symbol, Colour::Rgb(0x1c1712), 14);
    StrokePath(canvas, symbol, mark, 8);
    DrawText(canvas, aHeading, 96, 52, Heading(24), TextAlign::Left);
    TextStyle line = Heading(14);
    line.bold = false;
    DrawText(canvas, aLine, 96, 78, line, TextAlign::Left);
    return canvas.ToImage();
}

constexpr int kPageWidth = 454;
constexpr int kPageHeight = 560;
constexpr int kFirstRow = 190;
constexpr int kRowStep = 86;

struct Part
{
    const char* mark;  // file suffix
    const char* text;
    ItemDrawer draw;
};

const Part kParts[] = {
    {"Belt", "A working engine belt", art::WholeBelt},
    {"Crystal", "A focusing crystal", art::Diamond},
    {"Magnet", "A strong magnet", art::MagneticStone},
    {"Wire", "Fine gold wire", art::GoldNecklace},
};

Image NotepadPage()
{
    Canvas canvas(kPageWidth, kPageHeight);
    const Colour paper = Colour::Rgb(0xf3ead2);
    DrawShape(
        canvas,
        [](cairo_t* aCr) { RoundedRectPath(aCr, 4, 4, kPageWidth - 8, kPageHeight - 8, 6); },
        ShapeStyle{paper, Colour::Rgb(0x1c1712), 2.5, 0.12, 0.08, 0.05});
    for (double y = 120; y < kPageHeight - 20; y += 28)
    {
        StrokePath(
            canvas,
            [=](cairo_t* aCr)
            {
                cairo_move_to(aCr, 24, y);
                cairo_line_to(aCr, kPageWidth - 24, y);
            },
            Colour::Rgb(0x9fb8d0, 0.6), 1);
    }
    StrokePath(
        canvas,
        [](cairo_t* aCr)
        {
            cairo_move_to(aCr, 62, 12);
            cairo_line_to(aCr, 62, kPageHeight - 12);
        },
        Colour::Rgb(0xd88080, 0.7), 1.5);
    TextStyle ink;
    ink.size = 26;
    ink.fill = Colour::Rgb(0x2a3550);
    DrawText(canvas, "Machine repairs", kPageWidth / 2.0, 70, ink, TextAlign::Centre);
    ink.size = 20;
    ink.bold = true;
    for (int i = 0; i < 4; ++i)
    {
        const double y = kFirstRow + i * kRowStep;
        cairo_t* cr = canvas.Cr();
        cairo_save(cr);
        cairo_translate(cr, 72, y - 36);
        cairo_scale(cr, 0.56, 0.56);
        kParts[i].draw(canvas);
        cairo_restore(cr);
        DrawText(canvas, kParts[i].text, 140, y, ink, TextAlign::Left);
        StrokePath(
            canvas, [=](cairo_t* aCr) { cairo_rectangle(aCr, 30, y - 20, 22, 22); },
            Colour::Rgb(0x2a3550), 2);
    }
    return canvas.ToImage();
}

TextStyle HeadingInk()
{
    TextStyle ink;
    ink.size = 15;
    ink.bold = false;
    ink.fill = Colour::Rgb(0x2a3550);
    return ink;
}

// The heading over the list, drawn on the page by the game: how many parts are still missing.
Image MissingHeading(int aMissing)
{
    const char* const texts[] = {"All four parts are found!",
                                 "One part is missing:", "Two parts are missing:",
                                 "Three parts are missing:", "Four parts are missing:"};
    Canvas canvas(geometry::ourNotepadHeadingWidth, geometry::ourNotepadHeadingHeight);
    // The paper under it, so the heading reads the same on any page.
    FillPath(
        canvas,
        [](cairo_t* aCr)
        {
            cairo_rectangle(aCr, 0, 0, geometry::ourNotepadHeadingWidth,
                            geometry::ourNotepadHeadingHeight - 4);
        },
        Colour::Rgb(0xf3ead2));
    DrawText(canvas, texts[aMissing], 4, 20, HeadingInk(), TextAlign::Left);
    return canvas.ToImage();
}

// The page-sized overlay that ticks part aIndex off: a highlighter stroke and a check mark.
Image PartMark(int aIndex)
{
    Canvas canvas(kPageWidth, kPageHeight);
    const double y = kFirstRow + aIndex * kRowStep;
    FillPath(
        canvas, [=](cairo_t* aCr) { RoundedRectPath(aCr, 134, y - 24, 290, 32, 10); },
        Colour::Rgb(0x9be07a, 0.45));
    StrokePath(
        canvas,
        [=](cairo_t* aCr)
        {
            cairo_move_to(aCr, 30, y - 12);
            cairo_line_to(aCr, 40, y);
            cairo_line_to(aCr, 60, y - 30);
        },
        Colour::Rgb(0x2f8a2a), 5);
    return canvas.ToImage();
}
}  // namespace

void GenerateInventoryPictures(ContentWriter& aWriter)
{
    aWriter.WritePicture(kFolder + "inventory.dds", InventoryPanel(), PictureFormat::DdsArgb8888);
    aWriter.WritePicture(kFolder + "inventory_highlight_buttonnew.dds", ButtonHighlight(),
                         PictureFormat::DdsArgb8888);
    aWriter.WritePicture(kFolder + "combination_successful.dds",
                         Result(true, "It worked!", "The new item is in the grid."),
                         PictureFormat::DdsArgb8888);
    // The raft is made where it is needed, not in the grid.
    aWriter.WritePicture(kFolder + "combination_built.dds",
                         Result(true, "It worked!", "The raft waits by the river."),
                         PictureFormat::DdsArgb8888);
    aWriter.WritePicture(kFolder + "combination_failed.dds",
                         Result(false, "That doesn't work.", "Try other things together."),
                         PictureFormat::DdsArgb8888);
    aWriter.WritePicture(kFolder + "notepad.dds", NotepadPage(), PictureFormat::DdsArgb8888);
    for (int missing = 0; missing <= 4; ++missing)
    {
        aWriter.WritePicture(kFolder + "notepad_missing_" + std::to_string(missing) + ".dds",
                             MissingHeading(missing), PictureFormat::DdsArgb8888);
    }
    for (int i = 0; i < 4; ++i)
    {
        aWriter.WritePicture(kFolder + "notepad_highlight_" + kParts[i].mark + ".dds", PartMark(i),
                             PictureFormat::DdsArgb8888);
    }
}
}  // namespace content
