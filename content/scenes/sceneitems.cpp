#include "scenes/sceneitems.h"

#include <algorithm>
#include <cmath>

#include "scenes/drawing/scenepaint.h"

namespace content
{
namespace
{
constexpr double kPi = 3.14159265358979323846;

ShapeStyle Style(const Colour& aFill, double aOutline = 2.5)
{
    ShapeStyle style;
    style.fill = aFill;
    style.outlineWidth = aOutline;
    return style;
}

const Colour kLeaf = Colour::Rgb(0x3f8f2f);
const Colour kWood = Colour::Rgb(0x9a6a3a);

// A long leaf from aBase to aTip, aWidth wide at its middle.
void Leaf(Canvas& aCanvas, Point aBase, Point aTip, double aWidth, const Colour& aColour)
{
    const double dx = aTip.x - aBase.x;
    const double dy = aTip.y - aBase.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    const Point side{-dy / length * aWidth / 2, dx / length * aWidth / 2};
    const Point middle{(aBase.x + aTip.x) / 2, (aBase.y + aTip.y) / 2};
    const std::vector<Point> leaf = {aBase,
                                     {middle.x + side.x, middle.y + side.y},
                                     aTip,
                                     {middle.x - side.x, middle.y - side.y}};
    DrawShape(
        aCanvas, [&leaf](cairo_t* aCr) { SmoothPath(aCr, leaf); }, Style(aColour));
    StrokePath(
        aCanvas,
        [&](cairo_t* aCr)
        {
            cairo_move_to(aCr, aBase.x, aBase.y);
            cairo_line_to(aCr, aTip.x, aTip.y);
        },
        aColour.Darker(0.35), 1.5);
}
}  // namespace

Image DrawRaft()
{
    Canvas canvas(176, 112);
    Random random(101);
    DropShadow(canvas, 90, 86, 80, 20, 0.35);
    // Six logs side by side, seen from above and a little in front, lashed with rope.
    for (int i = 0; i < 6; ++i)
    {
        const double y = 18 + i * 12.5;
        const double x = 12 + random.Range(-4, 4);
        DrawShape(
            canvas, [&](cairo_t* aCr) { RoundedRectPath(aCr, x, y, 150, 16, 8); },
            Style(kWood.Mix(kWood.Darker(0.2), random.Uniform())));
        DrawShape(
            canvas, [&](cairo_t* aCr) { EllipsePath(aCr, x + 150, y + 8, 6, 8); },
            Style(Colour::Rgb(0xe0b880), 1.5));
    }
    for (double x : {36.0, 136.0})
    {
        StrokePath(
            canvas,
            [&](cairo_t* aCr)
            {
                cairo_move_to(aCr, x, 16);
                cairo_line_to(aCr, x + 4, 98);
            },
            Colour::Rgb(0xd8c890), 5.0);
    }
    return canvas.ToImage();
}

Image DrawRaftTree()
{
    Canvas canvas(170, 232);
    Random random(103);
    const Point base{kRaftTreeBaseX, kRaftTreeBaseY};
    DropShadow(canvas, base.x + 8, base.y, 44, 12, 0.4);
    // A tall straight trunk: good timber for a raft.
    const std::vector<Point> trunk = {
        {base.x - 16, base.y}, {base.x - 11, 70}, {base.x + 11, 70}, {base.x + 16, base.y}};
    DrawShape(
        canvas, [&trunk](cairo_t* aCr) { PolygonPath(aCr, trunk); }, Style(Colour::Rgb(0x7a5530)));
    DrawLeafCluster(canvas, random, {base.x, 72}, 78, 64, kLeaf, 9);
    return canvas.ToImage();
}

Image DrawBananaTree()
{
    Canvas canvas(220, 320);
    Random random(107);
    const Point base{kBananaTreeBaseX, kBananaTreeBaseY};
    DropShadow(canvas, base.x + 6, base.y, 40, 10, 0.4);
    const std::vector<Point> trunk = {
        {base.x - 14, base.y}, {base.x - 9, 120}, {base.x + 9, 120}, {base.x + 14, base.y}};
    DrawShape(
        canvas, [&trunk](cairo_t* aCr) { PolygonPath(aCr, trunk); }, Style(Colour::Rgb(0x7f8a3a)));
    // Broad banana leaves, then a hanging bunch of yellow fruit.
    for (int i = 0; i < 7; ++i)
    {
        const double angle = -kPi / 2 + (i - 3) * 0.42;
        const Point tip{base.x + std::cos(angle) * 105, 125 + std::sin(angle) * 105 + 25};
        Leaf(canvas, {base.x, 125}, tip, 44, kLeaf.Mix(Colour::Rgb(0x6fae3a), random.Uniform()));
    }
    for (int i = 0; i < 5; ++i)
    {
        const double x = base.x + 10 + (i % 3) * 9;
        const int row = i / 3;
        const double y = 138 + row * 14;
        DrawShape(
            canvas, [&](cairo_t* aCr) { EllipsePath(aCr, x, y, 5, 12); },
            Style(Colour::Rgb(0xf2d23a), 1.5));
    }
    return canvas.ToImage();
}

Image DrawPalmOverlay()
{
    constexpr double kWidth = 224;
    constexpr double kHeight = 200;
    Canvas canvas(static_cast<int>(kWidth), static_cast<int>(kHeight));
    Random random(109);
    // A palm's crown on the ledge's rim, its fronds all round and ending inside the picture;
    // the top left, where the children stand, stays clear.
    const Point crown{150, 64};
    for (int i = 0; i < 11; ++i)
    {
        const double angle = 2.0 * kPi * i / 11.0 + 0.25;
        const Point toward{std::cos(angle), std::sin(angle)};
        // As long as it may be, drooping fronds longer, without leaving the picture.
        double length = toward.y > 0 ? 70 + 60 * toward.y : 56;
        const double room = std::min({toward.x > 0 ? (kWidth - 8 - crown.x) / toward.x : 1e9,
                                      toward.x < 0 ? (crown.x - 8) / -toward.x : 1e9,
                                      toward.y > 0 ? (kHeight - 8 - crown.y) / toward.y : 1e9,
                                      toward.y < 0 ? (crown.y - 8) / -toward.y : 1e9});
        length = std::min(length, room) * random.Range(0.85, 1.0);
        const Point tip{crown.x + toward.x * length, crown.y + toward.y * length};
        if (tip.x < 72 && tip.y < 72)
        {
            continue;
        }
        Leaf(canvas, crown, tip, 30, kLeaf.Mix(Colour::Rgb(0x2f6a22), random.Uniform()));
    }
    DrawShape(
        canvas, [&crown](cairo_t* aCr) { EllipsePath(aCr, crown.x, crown.y, 12, 10); },
        Style(Colour::Rgb(0x6e5a32)));
    return canvas.ToImage();
}

Image DrawSheep()
{
    Canvas canvas(84, 64);
    Random random(113);
    DropShadow(canvas, 44, 56, 32, 7, 0.35);
    for (double x : {26.0, 36.0, 52.0, 62.0})
    {
        DrawShape(
            canvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, x - 3, 40, 6, 16); },
            Style(Colour::Rgb(0x3a3430), 1.5));
    }
    const std::vector<Point> wool = BlobPoints(random, 44, 32, 30, 18, 14, 0.12);
    DrawShape(
        canvas, [&wool](cairo_t* aCr) { SmoothPath(aCr, wool); }, Style(Colour::Rgb(0xf0ece2)));
    DrawShape(
        canvas, [](cairo_t* aCr) { EllipsePath(aCr, 14, 26, 11, 9); },
        Style(Colour::Rgb(0x3a3430)));
    FillPath(
        canvas, [](cairo_t* aCr) { EllipsePath(aCr, 10, 24, 2, 2); }, Colour::Rgb(0xffffff));
    return canvas.ToImage();
}

void GenerateSceneProps(ContentWriter& aWriter)
{
    aWriter.WritePicture("img/items/icon_raft.dds", DrawRaft(), PictureFormat::DdsDxt5);
    aWriter.WritePicture("img/items/icon_raft_tree.dds", DrawRaftTree(), PictureFormat::DdsDxt5);
    aWriter.WritePicture("img/items/sprite_banana_tree.dds", DrawBananaTree(),
                         PictureFormat::DdsDxt5);
    aWriter.WritePicture("img/Items/palm_overlay.dds", DrawPalmOverlay(), PictureFormat::DdsDxt5);
    aWriter.WritePicture("img/NPCs/sprite_sheep.dds", DrawSheep(), PictureFormat::DdsDxt5);
}
}  // namespace content
