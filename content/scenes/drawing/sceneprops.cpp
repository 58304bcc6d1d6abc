// Props standing in the scenes. Each is drawn around the middle of its base: the picture part
// under the characters, the tall part (crowns, roofs, arches, foreground machinery) in the
// overlay, and a footprint that blocks the ground it stands on.
#include <cmath>

#include "scenes/drawing/scenepaint.h"

namespace content
{
ShapeStyle PropStyle(const Colour& aFill, double aOutline)
{
    ShapeStyle style;
    style.fill = aFill;
    style.outlineWidth = aOutline;
    return style;
}

namespace
{
ShapeStyle Style(const Colour& aFill, double aOutline = 2.5)
{
    return PropStyle(aFill, aOutline);
}

const Colour kBark = Colour::Rgb(0x6b4a2b);
const Colour kStone = Colour::Rgb(0x8a8378);

void PropPicture(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom)
{
    const double s = aProp.size;
    const Point at = aProp.at;
    switch (aProp.kind)
    {
        case PropKind::JungleTree:
        case PropKind::RubberTree:
            DropShadow(aCanvas, at.x + 10, at.y, 46 * s, 16 * s, 0.35);
            Trunk(aCanvas, at, 40 * s, 150 * s, 4 * s,
                  aProp.kind == PropKind::RubberTree ? Colour::Rgb(0x9a8a6a) : kBark);
            if (aProp.kind == PropKind::RubberTree)
            {
                // Tapping scars: a ladder of slanted cuts.
                for (int i = 0; i < 4; ++i)
                {
                    StrokePath(
                        aCanvas,
                        [&](cairo_t* aCr)
                        {
                            cairo_move_to(aCr, at.x - 12 * s, at.y - (30 + 18 * i) * s);
                            cairo_line_to(aCr, at.x + 10 * s, at.y - (40 + 18 * i) * s);
                        },
                        Colour::Rgb(0xf2ede0), 3.0);
                }
            }
            break;
        case PropKind::Palm:
        case PropKind::CocoPalm:
            DropShadow(aCanvas, at.x + 14, at.y, 40 * s, 14 * s, 0.3);
            Trunk(aCanvas, at, 26 * s, 170 * s, 24 * s, Colour::Rgb(0x8a6a42));
            break;
        case PropKind::Bush:
            DropShadow(aCanvas, at.x + 6, at.y, 36 * s, 12 * s, 0.35);
            DrawLeafCluster(aCanvas, aRandom, {at.x, at.y - 20 * s}, 34 * s, 26 * s,
                            aPalette.foliage, 6);
            break;
        case PropKind::Fern:
            Fronds(aCanvas, aRandom, {at.x, at.y - 6 * s}, 34 * s, aPalette.foliage.Lighter(0.1));
            break;
        case PropKind::Boulder:
        {
            DropShadow(aCanvas, at.x + 8, at.y, 40 * s, 12 * s, 0.4);
            const std::vector<Point> rock =
                BlobPoints(aRandom, at.x, at.y - 20 * s, 36 * s, 26 * s, 9, 0.18);
            DrawShape(
                aCanvas, [&rock](cairo_t* aCr) { SmoothPath(aCr, rock); },
                Style(aPalette.obstacle.Lighter(0.15)));
            break;
        }
        case PropKind::Stump:
            DropShadow(aCanvas, at.x + 6, at.y, 30 * s, 10 * s, 0.35);
            DrawShape(
                aCanvas,
                [&](cairo_t* aCr)
                { cairo_rectangle(aCr, at.x - 20 * s, at.y - 26 * s, 40 * s, 26 * s); },
                Style(kBark));
            DrawShape(
                aCanvas,
                [&](cairo_t* aCr) { EllipsePath(aCr, at.x, at.y - 26 * s, 20 * s, 9 * s); },
                Style(Colour::Rgb(0xd9b27a), 2.0));
            break;
        case PropKind::Reeds:
            for (int i = 0; i < 9; ++i)
            {
                const double x = at.x + aRandom.Range(-24, 24) * s;
                const double top = at.y - aRandom.Range(30, 56) * s;
                StrokePath(
                    aCanvas,
                    [&](cairo_t* aCr)
                    {
                        cairo_move_to(aCr, x, at.y);
                        cairo_curve_to(aCr, x, at.y - 20, x + 6, top + 10, x + 8, top);
                    },
                    aPalette.foliage.Lighter(0.2), 3.0);
            }
            break;
        case PropKind::CrashedMachine:
            CrashedMachinePicture(aCanvas, aRandom, at, s, aPalette);
            break;
        case PropKind::CaveMouth:
            CaveMouthPicture(aCanvas, at, s);
            break;
        case PropKind::Hut:
            HutPicture(aCanvas, at, s, aPalette);
            break;
        case PropKind::Well:
            DropShadow(aCanvas, at.x + 6, at.y, 40 * s, 14 * s, 0.4);
            DrawShape(
                aCanvas,
                [&](cairo_t* aCr) { EllipsePath(aCr, at.x, at.y - 18 * s, 34 * s, 22 * s); },
                Style(kStone));
            FillPath(
                aCanvas,
                [&](cairo_t* aCr) { EllipsePath(aCr, at.x, at.y - 22 * s, 22 * s, 12 * s); },
                Colour::Rgb(0x1a2a3a));
            break;
        case PropKind::Fence:
            FencePicture(aCanvas, at, s, aProp.angle);
            break;
        case PropKind::Crate:
            DropShadow(aCanvas, at.x + 6, at.y, 30 * s, 10 * s, 0.35);
            DrawShape(
                aCanvas,
                [&](cairo_t* aCr)
                { cairo_rectangle(aCr, at.x - 24 * s, at.y - 44 * s, 48 * s, 44 * s); },
                Style(Colour::Rgb(0xa57a45)));
            // Its lit lid and a cross brace on the front, so it reads as a wooden crate.
            DrawShape(
                aCanvas,
                [&](cairo_t* aCr)
                { cairo_rectangle(aCr, at.x - 24 * s, at.y - 44 * s, 48 * s, 12 * s); },
                Style(Colour::Rgb(0xc89a5e), 2.0));
            StrokePath(
                aCanvas,
                [&](cairo_t* aCr)
                {
                    cairo_move_to(aCr, at.x - 20 * s, at.y - 28 * s);
                    cairo_line_to(aCr, at.x + 20 * s, at.y - 4 * s);
                    cairo_move_to(aCr, at.x + 20 * s, at.y - 28 * s);
                    cairo_line_to(aCr, at.x - 20 * s, at.y - 4 * s);
                },
                Colour::Rgb(0x6b4a2b), 4.0 * s);
            break;
        case PropKind::Console:
            ConsolePicture(aCanvas, at, s, aPalette);
            break;
        case PropKind::Locker:
            LockerPicture(aCanvas, at, s, aPalette);
            break;
        case PropKind::WallBank:
            WallBankPicture(aCanvas, at, s, aPalette);
            break;
        case PropKind::Viewport:
            ViewportPicture(aCanvas, at, s);
            break;
        case PropKind::Cable:
            CablePicture(aCanvas, at, s, aProp.angle);
            break;
        case PropKind::Engine:
            EnginePicture(aCanvas, at, s, aPalette);
            break;
        case PropKind::Hatch:
            HatchPicture(aCanvas, at, s, aPalette);
            break;
        case PropKind::Stalagmite:
        {
            DropShadow(aCanvas, at.x + 6, at.y, 20 * s, 8 * s, 0.4);
            const std::vector<Point> cone = {{at.x - 18 * s, at.y},
                                             {at.x - 4 * s, at.y - 64 * s},
                                             {at.x + 2 * s, at.y - 70 * s},
                                             {at.x + 18 * s, at.y}};
            DrawShape(
                aCanvas, [&cone](cairo_t* aCr) { SmoothPath(aCr, cone); },
                Style(aPalette.obstacle.Lighter(0.2)));
            break;
        }
        case PropKind::Crystal:
            for (int i = 0; i < 4; ++i)
            {
                const double x = at.x + (i - 1.5) * 9 * s;
                const double h = aRandom.Range(18, 34) * s;
                const std::vector<Point> shard = {
                    {x - 5 * s, at.y}, {x, at.y - h}, {x + 5 * s, at.y}};
                DrawShape(
                    aCanvas, [&shard](cairo_t* aCr) { PolygonPath(aCr, shard); },
                    Style(aPalette.accent.Mix(Colour::Rgb(0x9ad8ff), 0.6), 1.5));
            }
            break;
        case PropKind::Rubble:
            for (int i = 0; i < 6; ++i)
            {
                const double x = at.x + aRandom.Range(-30, 30) * s;
                const double y = at.y + aRandom.Range(-12, 12) * s;
                const double r = aRandom.Range(5, 12) * s;
                DrawShape(
                    aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, x, y, r, r * 0.7); },
                    Style(aPalette.obstacle.Lighter(0.25), 2.0));
            }
            break;
        case PropKind::Torch:
            FillRadialGradient(
                aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, at.x, at.y - 30, 110 * s, 90 * s); },
                {at.x, at.y - 30}, 110 * s,
                {{0.0, aPalette.accent.WithAlpha(0.45)}, {1.0, aPalette.accent.WithAlpha(0.0)}});
            DrawShape(
                aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, at.x - 4, at.y - 34, 8, 34); },
                Style(kBark, 2.0));
            DrawShape(
                aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, at.x, at.y - 42, 8, 12); },
                Style(Colour::Rgb(0xffb347), 1.5));
            break;
        case PropKind::Stairs:
            StairsPicture(aCanvas, at, s, aProp.angle);
            break;
        case PropKind::SmokeVent:
            FillPath(
                aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, at.x, at.y, 22 * s, 10 * s); },
                Colour::Rgb(0x1a1412));
            for (int i = 0; i < 5; ++i)
            {
                const double r = (14 + i * 6) * s;
                FillPath(
                    aCanvas,
                    [&](cairo_t* aCr)
                    { EllipsePath(aCr, at.x + i * 8 * s, at.y - 18 - i * 24 * s, r, r * 0.8); },
                    Colour::Rgb(0xb0a8a0, 0.22));
            }
            break;
        case PropKind::Coconuts:
            for (int i = 0; i < 3; ++i)
            {
                const double x = at.x + (i - 1) * 16 * s;
                const double y = at.y - (i == 1 ? 6 : 0) * s;
                DrawShape(
                    aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, x, y - 10 * s, 11 * s, 10 * s); },
                    Style(Colour::Rgb(0x6e4a26)));
            }
            break;
        case PropKind::FireLog:
            DropShadow(aCanvas, at.x + 4, at.y, 50 * s, 10 * s, 0.35);
            DrawShape(
                aCanvas,
                [&](cairo_t* aCr)
                { RoundedRectPath(aCr, at.x - 46 * s, at.y - 22 * s, 92 * s, 20 * s, 10 * s); },
                Style(Colour::Rgb(0x8a6238)));
            DrawShape(
                aCanvas,
                [&](cairo_t* aCr)
                { EllipsePath(aCr, at.x + 42 * s, at.y - 12 * s, 8 * s, 10 * s); },
                Style(Colour::Rgb(0xd8b07a), 2.0));
            break;
        case PropKind::Pipes:
        case PropKind::Leaves:
        case PropKind::Stalactites:
        case PropKind::SpriteTrunk:
            break;
    }
}
}  // namespace

void DrawPropPicture(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom)
{
    PropPicture(aCanvas, aProp, aPalette, aRandom);
}

void DrawPropOverlay(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom)
{
    const double s = aProp.size;
    const Point at = aProp.at;
    switch (aProp.kind)
    {
        case PropKind::JungleTree:
        case PropKind::RubberTree:
            DrawLeafCluster(
                aCanvas, aRandom, {at.x + 4 * s, at.y - 190 * s}, 100 * s, 78 * s,
                aPalette.foliage.Lighter(aProp.kind == PropKind::RubberTree ? 0.1 : 0.0), 8);
            break;
        case PropKind::Palm:
        case PropKind::CocoPalm:
        {
            const Point crown{at.x + 24 * s, at.y - 172 * s};
            Fronds(aCanvas, aRandom, crown, 100 * s, aPalette.foliage.Lighter(0.12));
            if (aProp.kind == PropKind::CocoPalm)
            {
                for (int i = 0; i < 3; ++i)
                {
                    DrawShape(
                        aCanvas,
                        [&](cairo_t* aCr) {
                            EllipsePath(aCr, crown.x + (i - 1) * 14 * s, crown.y + 12 * s, 10 * s,
                                        10 * s);
                        },
                        Style(Colour::Rgb(0x6e4a26)));
                }
            }
            break;
        }
        case PropKind::CaveMouth:
            CaveArch(aCanvas, aRandom, at, s, aPalette);
            break;
        case PropKind::Hut:
            HutRoof(aCanvas, aRandom, at, s, aPalette);
            break;
        case PropKind::Pipes:
            PipesOverlay(aCanvas, at, s, aPalette);
            break;
        case PropKind::Hatch:
            HatchFrame(aCanvas, at, s, aPalette);
            break;
        case PropKind::Leaves:
            DrawLeafCluster(aCanvas, aRandom, at, 90 * s, 70 * s, aPalette.foliage.Darker(0.1), 7);
            break;
        case PropKind::Stalactites:
        {
            const int teeth = static_cast<int>(s / 34.0);
            for (int i = 0; i < teeth; ++i)
            {
                const double x = at.x + i * 34.0 + aRandom.Range(-6, 6);
                const double length = aRandom.Range(30, 90);
                const std::vector<Point> tooth = {
                    {x - 16, at.y - 10}, {x + 16, at.y - 10}, {x + 2, at.y + length}};
                DrawShape(
                    aCanvas, [&tooth](cairo_t* aCr) { PolygonPath(aCr, tooth); },
                    Style(aPalette.obstacle.Lighter(0.05)));
            }
            break;
        }
        default:
            break;
    }
}

bool PropFootprint(const Prop& aProp, Shape& aFootprint)
{
    const double s = aProp.size;
    const Point at = aProp.at;
    switch (aProp.kind)
    {
        case PropKind::JungleTree:
        case PropKind::RubberTree:
            aFootprint = Shape::Oval(at.x, at.y - 6 * s, 22 * s, 12 * s);
            return true;
        case PropKind::Palm:
        case PropKind::CocoPalm:
            aFootprint = Shape::Oval(at.x, at.y - 4 * s, 15 * s, 9 * s);
            return true;
        case PropKind::Bush:
            aFootprint = Shape::Oval(at.x, at.y - 10 * s, 32 * s, 16 * s);
            return true;
        case PropKind::Boulder:
            aFootprint = Shape::Oval(at.x, at.y - 12 * s, 34 * s, 18 * s);
            return true;
        case PropKind::Stump:
            aFootprint = Shape::Oval(at.x, at.y - 8 * s, 22 * s, 12 * s);
            return true;
        case PropKind::CrashedMachine:
            aFootprint = Shape::Rect(at.x - 130 * s, at.y - 230 * s, 260 * s, 230 * s);
            return true;
        case PropKind::Hut:
            aFootprint = Shape::Rect(at.x - 90 * s, at.y - 100 * s, 180 * s, 100 * s);
            return true;
        case PropKind::Well:
            aFootprint = Shape::Oval(at.x, at.y - 14 * s, 34 * s, 20 * s);
            return true;
        case PropKind::Fence:
        {
            const double dx = std::cos(aProp.angle) * s;
            const double dy = std::sin(aProp.angle) * s;
            aFootprint = Shape::Poly({{at.x, at.y - 8},
                                      {at.x + dx, at.y + dy - 8},
                                      {at.x + dx, at.y + dy + 6},
                                      {at.x, at.y + 6}});
            return true;
        }
        case PropKind::SpriteTrunk:
            aFootprint = Shape::Oval(at.x, at.y - 4 * s, 16 * s, 9 * s);
            return true;
        case PropKind::Crate:
        case PropKind::Locker:
            aFootprint = Shape::Rect(at.x - 24 * s, at.y - 30 * s, 48 * s, 30 * s);
            return true;
        case PropKind::Console:
            aFootprint = Shape::Rect(at.x - 60 * s, at.y - 50 * s, 120 * s, 50 * s);
            return true;
        case PropKind::Engine:
            aFootprint = Shape::Rect(at.x - 100 * s, at.y - 120 * s, 200 * s, 120 * s);
            return true;
        case PropKind::Stalagmite:
            aFootprint = Shape::Oval(at.x, at.y - 6 * s, 18 * s, 10 * s);
            return true;
        default:
            return false;
    }
}
}  // namespace content
