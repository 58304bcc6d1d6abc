#include "icon/icon.h"

#include "characters/characters.h"
#include "core/canvas.h"

namespace content
{
namespace
{
constexpr double kMargin = 8.0;
constexpr double kCorner = 44.0;

void BadgePath(cairo_t* aCr)
{
    RoundedRectPath(aCr, kMargin, kMargin, kDesktopIconSize - 2 * kMargin,
                    kDesktopIconSize - 2 * kMargin, kCorner);
}

// Deep jungle green with a warm clearing of light behind the two of them.
void DrawBadge(Canvas& aCanvas)
{
    FillLinearGradient(aCanvas, BadgePath, Point{0, kMargin}, Point{0, kDesktopIconSize - kMargin},
                       {{0.0, Colour::Rgb(0x2f6b3a)}, {1.0, Colour::Rgb(0x123820)}});
    FillRadialGradient(aCanvas, BadgePath, Point{128, 120}, 110,
                       {{0.0, Colour::Rgb(0xf3d27a, 0.75)}, {1.0, Colour::Rgb(0xf3d27a, 0.0)}});
    // The clearing's floor under their feet.
    FillPath(
        aCanvas, [](cairo_t* aCr) { EllipsePath(aCr, 128, 222, 104, 26); },
        Colour::Rgb(0x6b8f3a, 0.8));
    DropShadow(aCanvas, 128, 224, 92, 12, 0.45);
}

void DrawPair(Canvas& aCanvas)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, 98, 226);
    cairo_scale(cr, 2.15, 2.15);
    DrawPerson(aCanvas, HeroineStyle(), 0, 0, Facing{0.35, 1.0}, 0.0, 0.0);
    cairo_restore(cr);
    RobotPose pose;
    pose.facing = Facing{-0.3, 1.0};
    DrawRobot(aCanvas, 182, 160, 36, 62, pose);
}
}  // namespace

void GenerateIcon(ContentWriter& aWriter)
{
    Canvas canvas(kDesktopIconSize, kDesktopIconSize);
    DrawBadge(canvas);
    DrawPair(canvas);
    StrokePath(canvas, BadgePath, Colour::Rgb(0x1c1712), 4.0);
    aWriter.WritePicture("icon/marrowen.png", canvas.ToImage(), PictureFormat::Png);
}
}  // namespace content
