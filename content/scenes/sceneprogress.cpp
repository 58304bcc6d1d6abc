// Pictures that show how far the story has got, drawn by the game over the scene pictures at the
// places geometry/storypictures.h gives: the parts fitted into the engine, the stairs built
// down from the volcano's ledge, and the big bird that waits on the ledge until she flies.
#include <cmath>
#include <string>

#include "items/items.h"
#include "scenes/drawing/scenepaint.h"
#include "scenes/sceneitems.h"
#include "storypictures.h"

namespace content
{
namespace
{
namespace story = geometry;
const Colour kInk = Colour::Rgb(0x1c1712);

ShapeStyle Style(const Colour& aFill, double aOutline = 2.5)
{
    ShapeStyle style = PropStyle(aFill, aOutline);
    style.outline = kInk;
    return style;
}

// Part aSlot (0 the belt, 1 the crystal, 2 the magnet, 3 the gold) seated in its socket: the
// part's own drawing over a glow of the socket's colour.
Image FittedPart(ItemDrawer aDraw, uint32_t aGlow)
{
    Canvas canvas(story::ourFittedPartWidth, story::ourFittedPartHeight);
    const double w = story::ourFittedPartWidth;
    const double h = story::ourFittedPartHeight;
    FillRadialGradient(canvas, [=](cairo_t* aCr) { RoundedRectPath(aCr, 1, 1, w - 2, h - 2, 4); },
                       Point{w / 2, h / 2}, w * 0.7,
                       {{0.0, Colour::Rgb(aGlow, 0.95)}, {1.0, Colour::Rgb(aGlow, 0.25)}});
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, 1, 0);
    cairo_scale(cr, (w - 2) / 100.0, h / 100.0);
    aDraw(canvas);
    cairo_restore(cr);
    return canvas.ToImage();
}

// A point along the stairs' run, t pixels down from the top, in the built picture's pixels.
Point AlongStairs(double aT)
{
    return {
        story::ourStairsTopX - story::ourBuiltStairs.left + std::cos(story::ourStairsAngle) * aT,
        story::ourStairsTopY - story::ourBuiltStairs.top + std::sin(story::ourStairsAngle) * aT};
}

// Steps laid from the ledge to the ground, each a slab with its lit tread and shaded riser,
// between two low walls of fitted stones.
Image BuiltStairs()
{
    Canvas canvas(story::ourBuiltStairsWidth, story::ourBuiltStairsHeight);
    Random random(211);
    const int steps = static_cast<int>(story::ourStairsLength / 24.0);
    const Colour tread = kStone.Lighter(0.12);
    for (int i = 0; i <= steps; ++i)
    {
        const Point at = AlongStairs(i * 24.0);
        DropShadow(canvas, at.x + 6, at.y + 12, 34, 8, 0.35);
    }
    for (int i = 0; i <= steps; ++i)
    {
        const Point at = AlongStairs(i * 24.0);
        const double lean = random.Range(-1.5, 1.5);
        DrawShape(
            canvas, [&](cairo_t* aCr) { RoundedRectPath(aCr, at.x - 30, at.y + 2, 60, 10, 3); },
            Style(kStone.Darker(0.35), 2.0));
        DrawShape(
            canvas,
            [&](cairo_t* aCr) { RoundedRectPath(aCr, at.x - 30, at.y - 10 + lean, 60, 14, 4); },
            Style(tread.Mix(kStone, random.Uniform() * 0.5), 2.0));
        for (int side : {-1, 1})
        {
            DrawShape(
                canvas, [&](cairo_t* aCr) { EllipsePath(aCr, at.x + side * 36, at.y + 2, 9, 8); },
                Style(kStone.Darker(0.15).Mix(kStone, random.Uniform()), 2.0));
        }
    }
    return canvas.ToImage();
}

// A big purple bird perched on the rim, seen from above and a little in front, looking down:
// drawn on a 112 x 96 grid, scaled to the picture.
Image LedgeBird()
{
    Canvas canvas(story::ourBirdWidth, story::ourBirdHeight);
    cairo_scale(canvas.Cr(), story::ourBirdWidth / 112.0, story::ourBirdHeight / 96.0);
    const double w = 112;
    const double h = 96;
    DropShadow(canvas, w * 0.5, h - 8, 40, 8, 0.4);
    const Colour body = Colour::Rgb(0x7a5a9a);
    const Colour wing = Colour::Rgb(0x6a4a8a);
    // The long tail behind, then the folded wings either side of the body.
    DrawShape(
        canvas,
        [=](cairo_t* aCr) {
            PolygonPath(aCr, {{w * 0.5, 40}, {w * 0.5 + 30, 6}, {w * 0.5 + 44, 14}});
        },
        Style(wing.Darker(0.2)));
    for (int side : {-1, 1})
    {
        DrawShape(
            canvas,
            [=](cairo_t* aCr)
            {
                cairo_save(aCr);
                cairo_translate(aCr, w * 0.5 + side * 22, 58);
                cairo_rotate(aCr, side * 0.35);
                EllipsePath(aCr, 0, 0, 16, 30);
                cairo_restore(aCr);
            },
            Style(wing));
    }
    DrawShape(
        canvas, [=](cairo_t* aCr) { EllipsePath(aCr, w * 0.5, 58, 22, 28); }, Style(body));
    for (int leg : {-1, 1})
    {
        StrokePath(
            canvas,
            [=](cairo_t* aCr)
            {
                cairo_move_to(aCr, w * 0.5 + leg * 8, 82);
                cairo_line_to(aCr, w * 0.5 + leg * 10, h - 8);
            },
            Colour::Rgb(0xf0b030), 4);
    }
    // The head turned to the diamond on its left, with a hooked orange beak and a bright eye.
    DrawShape(
        canvas, [=](cairo_t* aCr) { EllipsePath(aCr, w * 0.5 - 10, 30, 15, 14); }, Style(body));
    DrawShape(
        canvas,
        [=](cairo_t* aCr) {
            PolygonPath(aCr, {{w * 0.5 - 22, 26}, {w * 0.5 - 40, 36}, {w * 0.5 - 20, 36}});
        },
        Style(Colour::Rgb(0xf0b030), 2.0));
    FillPath(
        canvas, [=](cairo_t* aCr) { EllipsePath(aCr, w * 0.5 - 14, 27, 3.5, 3.5); },
        Colour::Rgb(0xffffff));
    FillPath(
        canvas, [=](cairo_t* aCr) { EllipsePath(aCr, w * 0.5 - 15, 27, 1.8, 1.8); }, kInk);
    return canvas.ToImage();
}
}  // namespace

void GenerateStoryPictures(ContentWriter& aWriter)
{
    struct Part
    {
        const char* name;
        ItemDrawer draw;
        uint32_t glow;
    };
    // In the engine's slot order, each on a glow that reads against its socket.
    const Part parts[] = {{"belt", art::WholeBelt, 0xf0a050},
                          {"crystal", art::Diamond, 0x8ad8ff},
                          {"magnet", art::MagneticStone, 0x9a9aa8},
                          {"gold", art::GoldNecklace, 0xe8c040}};
    for (const Part& part : parts)
    {
        aWriter.WritePicture(std::string("img/Levels/engine_part_") + part.name + ".dds",
                             FittedPart(part.draw, part.glow), PictureFormat::DdsArgb8888);
    }
    aWriter.WritePicture("img/Levels/volcano_stairs.dds", BuiltStairs(), PictureFormat::DdsDxt5);
    aWriter.WritePicture("img/NPCs/sprite_ledge_bird.dds", LedgeBird(), PictureFormat::DdsArgb8888);
}
}  // namespace content
