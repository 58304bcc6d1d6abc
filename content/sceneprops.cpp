// Props standing in the scenes. Each is drawn around the middle of its base: the picture part
// under the characters, the tall part (crowns, roofs, arches, foreground machinery) in the
// overlay, and a footprint that blocks the ground it stands on.
#include <cmath>

#include "scenepaint.h"

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

const Colour kBark = Colour::Rgb(0x6b4a2b);
const Colour kSteel = Colour::Rgb(0x8e9aa6);
const Colour kStone = Colour::Rgb(0x8a8378);

void Trunk(Canvas& aCanvas, Point aBase, double aWidth, double aHeight, double aLean,
           const Colour& aColour)
{
    const std::vector<Point> trunk = {{aBase.x - aWidth / 2, aBase.y},
                                      {aBase.x - aWidth * 0.3 + aLean, aBase.y - aHeight},
                                      {aBase.x + aWidth * 0.3 + aLean, aBase.y - aHeight},
                                      {aBase.x + aWidth / 2, aBase.y}};
    DrawShape(
        aCanvas, [&trunk](cairo_t* aCr) { PolygonPath(aCr, trunk); }, Style(aColour));
}

// Palm fronds: long pointed leaves fanning out from the crown.
void Fronds(Canvas& aCanvas, Random& aRandom, Point aCrown, double aLength, const Colour& aColour)
{
    constexpr int kFronds = 8;
    for (int i = 0; i < kFronds; ++i)
    {
        const double angle =
            -kPi / 2 + (i - kFronds / 2.0 + 0.5) * (2 * kPi / kFronds) + aRandom.Range(-0.15, 0.15);
        const double length = aLength * aRandom.Range(0.8, 1.1);
        const double droop = length * 0.35;
        const Point tip{aCrown.x + std::cos(angle) * length,
                        aCrown.y + std::sin(angle) * length * 0.6 + droop};
        const Point side{-std::sin(angle) * length * 0.14, std::cos(angle) * length * 0.14};
        const Point middle{(aCrown.x + tip.x) / 2, (aCrown.y + tip.y) / 2 - droop * 0.6};
        const std::vector<Point> leaf = {aCrown,
                                         {middle.x + side.x, middle.y + side.y},
                                         tip,
                                         {middle.x - side.x, middle.y - side.y}};
        DrawShape(
            aCanvas, [&leaf](cairo_t* aCr) { SmoothPath(aCr, leaf); },
            Style(aColour.Mix(aColour.Darker(0.3), aRandom.Uniform())));
    }
}

void CrashedMachinePicture(Canvas& aCanvas, Random& aRandom, Point aAt, double aSize,
                           const Palette& aPalette)
{
    const double w = 260 * aSize;
    const double h = 230 * aSize;
    const double x = aAt.x - w / 2;
    const double y = aAt.y - h;
    DropShadow(aCanvas, aAt.x + 10, aAt.y - 10, w * 0.6, 40 * aSize, 0.45);
    // Scorched furrow the machine dug when it came down.
    FillPath(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, aAt.x + 60, y + 20, w * 0.5, 50); },
        Colour::Rgb(0x3a2a1a, 0.55));
    DrawShape(
        aCanvas, [&](cairo_t* aCr) { RoundedRectPath(aCr, x, y, w, h, 70 * aSize); },
        Style(kSteel, 3.0));
    // Hull bands, portholes and a dent.
    for (double band : {0.28, 0.62})
    {
        FillPath(
            aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, x + 6, y + h * band, w - 12, 10); },
            kSteel.Darker(0.35));
    }
    for (int i = 0; i < 3; ++i)
    {
        const double cx = x + w * (0.22 + 0.28 * i);
        const double cy = y + h * 0.16;
        DrawShape(
            aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, cx, cy, 16 * aSize, 13 * aSize); },
            Style(aPalette.accent.Mix(Colour::Rgb(0x4fc3e8), 0.7)));
    }
    FillPath(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, x + w * 0.8, y + h * 0.45, 22, 14); },
        kSteel.Darker(0.25));
    // The door at the bottom, lit from inside, with an amber lamp over it.
    const double doorW = 84 * aSize;
    const double doorH = 100 * aSize;
    DrawShape(
        aCanvas,
        [&](cairo_t* aCr) {
            RoundedRectPath(aCr, aAt.x - doorW / 2 - 8, aAt.y - doorH - 8, doorW + 16, doorH + 8,
                            12);
        },
        Style(kSteel.Darker(0.4)));
    FillLinearGradient(aCanvas,
                       [&](cairo_t* aCr)
                       { RoundedRectPath(aCr, aAt.x - doorW / 2, aAt.y - doorH, doorW, doorH, 8); },
                       {aAt.x, aAt.y - doorH}, {aAt.x, aAt.y},
                       {{0.0, Colour::Rgb(0x1a1d24)}, {1.0, aPalette.accent.Darker(0.2)}});
    FillRadialGradient(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, aAt.x, aAt.y - doorH - 20, 16, 16); },
        {aAt.x, aAt.y - doorH - 20}, 16,
        {{0.0, aPalette.accent.Lighter(0.6)}, {1.0, aPalette.accent.WithAlpha(0.0)}});
    Speckle(aCanvas, [&](cairo_t* aCr) { RoundedRectPath(aCr, x, y, w, h, 70 * aSize); }, aRandom,
            40, 2, 7, {Colour::Rgb(0x2a2a2a, 0.5), kSteel.Lighter(0.2)});
}

void HutPicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette)
{
    const double w = 180 * aSize;
    const double h = 110 * aSize;
    DropShadow(aCanvas, aAt.x + 8, aAt.y - 4, w * 0.62, 22 * aSize, 0.4);
    DrawShape(
        aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, aAt.x - w / 2, aAt.y - h, w, h); },
        Style(Colour::Rgb(0xc9a271)));
    // Wall posts and a dark doorway.
    for (double post : {-0.5, 0.5})
    {
        FillPath(
            aCanvas,
            [&](cairo_t* aCr)
            { cairo_rectangle(aCr, aAt.x + post * w - 6 * aSize, aAt.y - h, 12 * aSize, h); },
            kBark);
    }
    DrawShape(
        aCanvas,
        [&](cairo_t* aCr)
        {
            RoundedRectPath(aCr, aAt.x - 22 * aSize, aAt.y - 76 * aSize, 44 * aSize, 76 * aSize,
                            14 * aSize);
        },
        Style(Colour::Rgb(0x2a1c12)));
    (void)aPalette;
}

void HutRoof(Canvas& aCanvas, Random& aRandom, Point aAt, double aSize, const Palette& aPalette)
{
    const double w = 230 * aSize;
    const double eave = aAt.y - 112 * aSize;
    const double ridge = aAt.y - 230 * aSize;
    const std::vector<Point> roof = {{aAt.x - w / 2, eave},
                                     {aAt.x - w * 0.12, ridge},
                                     {aAt.x + w * 0.12, ridge},
                                     {aAt.x + w / 2, eave},
                                     {aAt.x, eave + 14 * aSize}};
    const Colour thatch = aPalette.accent;
    DrawShape(
        aCanvas, [&roof](cairo_t* aCr) { PolygonPath(aCr, roof); }, Style(thatch, 3.0));
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    PolygonPath(cr, roof);
    cairo_clip(cr);
    SetColour(cr, thatch.Darker(0.35));
    cairo_set_line_width(cr, 1.6);
    for (int i = 0; i < 60; ++i)
    {
        const double x = aAt.x + aRandom.Range(-w / 2, w / 2);
        const double y = aRandom.Range(ridge, eave);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + (x - aAt.x) * 0.08, y + 22 * aSize);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void ConsolePicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette)
{
    const double w = 120 * aSize;
    DropShadow(aCanvas, aAt.x + 6, aAt.y, w * 0.6, 14, 0.4);
    DrawShape(
        aCanvas,
        [&](cairo_t* aCr)
        { RoundedRectPath(aCr, aAt.x - w / 2, aAt.y - 70 * aSize, w, 70 * aSize, 8); },
        Style(aPalette.obstacle));
    FillLinearGradient(
        aCanvas,
        [&](cairo_t* aCr)
        { RoundedRectPath(aCr, aAt.x - w / 2 + 10, aAt.y - 62 * aSize, w - 20, 28 * aSize, 4); },
        {aAt.x, aAt.y - 62 * aSize}, {aAt.x, aAt.y - 34 * aSize},
        {{0.0, Colour::Rgb(0x8ff0ff)}, {1.0, Colour::Rgb(0x1f6f8f)}});
    for (int i = 0; i < 4; ++i)
    {
        const double bx = aAt.x - w / 2 + 18 + i * (w - 36) / 3;
        DrawShape(
            aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, bx, aAt.y - 20 * aSize, 6, 5); },
            Style(i % 2 ? aPalette.accent : Colour::Rgb(0xe0503a), 1.5));
    }
}

void EnginePicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette)
{
    const double w = 200 * aSize;
    const double h = 150 * aSize;
    DropShadow(aCanvas, aAt.x + 8, aAt.y, w * 0.6, 20, 0.45);
    DrawShape(
        aCanvas, [&](cairo_t* aCr) { RoundedRectPath(aCr, aAt.x - w / 2, aAt.y - h, w, h, 20); },
        Style(aPalette.obstacle.Lighter(0.1), 3.0));
    // The drive wheel whose belt is missing, and four empty part sockets.
    const Point wheel{aAt.x - w * 0.22, aAt.y - h * 0.55};
    DrawShape(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, wheel.x, wheel.y, 36, 36); },
        Style(kSteel.Darker(0.2)));
    FillPath(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, wheel.x, wheel.y, 10, 10); },
        Colour::Rgb(0x222222));
    for (int i = 0; i < 4; ++i)
    {
        const double sx = aAt.x + w * 0.08 + (i % 2) * 46;
        const double sy = aAt.y - h * 0.78 + (i / 2) * 50;
        DrawShape(
            aCanvas, [&](cairo_t* aCr) { RoundedRectPath(aCr, sx, sy, 34, 30, 6); },
            Style(Colour::Rgb(0x1b2028), 2.0));
        FillRadialGradient(
            aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, sx + 17, sy + 15, 8, 8); },
            {sx + 17, sy + 15}, 8,
            {{0.0, aPalette.accent.Lighter(0.4)}, {1.0, aPalette.accent.WithAlpha(0.0)}});
    }
}

void PipesOverlay(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette)
{
    const double w = 190 * aSize;
    const double h = 170 * aSize;
    const double x = aAt.x - w / 2;
    const double y = aAt.y - h;
    DrawShape(
        aCanvas, [&](cairo_t* aCr) { RoundedRectPath(aCr, x, y, w, h + 40, 14); },
        Style(aPalette.obstacle.Darker(0.1), 3.0));
    for (int i = 0; i < 3; ++i)
    {
        const double py = y + 24 + i * 44;
        DrawShape(
            aCanvas, [&](cairo_t* aCr) { RoundedRectPath(aCr, x - 30, py, w + 60, 18, 9); },
            Style(kSteel.Mix(Colour::Rgb(0xb87333), i == 1 ? 0.6 : 0.0)));
        DrawShape(
            aCanvas,
            [&](cairo_t* aCr) { EllipsePath(aCr, x + w * (0.3 + 0.2 * i), py + 9, 13, 13); },
            Style(Colour::Rgb(0xc0392b), 2.0));
    }
    FillRadialGradient(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, x + w - 24, y + 16, 9, 9); },
        {x + w - 24, y + 16}, 9,
        {{0.0, aPalette.accent.Lighter(0.5)}, {1.0, aPalette.accent.WithAlpha(0.0)}});
}

void CaveMouthPicture(Canvas& aCanvas, Point aAt, double aSize)
{
    const double w = 120 * aSize;
    const double h = 120 * aSize;
    const std::vector<Point> opening = {{aAt.x - w / 2, aAt.y},
                                        {aAt.x - w * 0.45, aAt.y - h * 0.7},
                                        {aAt.x, aAt.y - h},
                                        {aAt.x + w * 0.45, aAt.y - h * 0.7},
                                        {aAt.x + w / 2, aAt.y}};
    FillRadialGradient(
        aCanvas, [&](cairo_t* aCr) { SmoothPath(aCr, opening); }, {aAt.x, aAt.y - h * 0.45},
        h * 0.8,
        {{0.0, Colour::Rgb(0x050608)}, {0.7, Colour::Rgb(0x151a22)}, {1.0, Colour::Rgb(0x333a44)}});
    StrokePath(
        aCanvas, [&](cairo_t* aCr) { SmoothPath(aCr, opening); }, Colour::Rgb(0x101216), 3.0);
}

void CaveArch(Canvas& aCanvas, Random& aRandom, Point aAt, double aSize, const Palette& aPalette)
{
    const double w = 170 * aSize;
    const double h = 120 * aSize;
    // A rock lintel over the top of the opening; she walks in under it.
    const std::vector<Point> arch =
        BlobPoints(aRandom, aAt.x, aAt.y - h * 0.95, w / 2, h * 0.3, 10, 0.15);
    DrawShape(
        aCanvas, [&arch](cairo_t* aCr) { SmoothPath(aCr, arch); }, Style(aPalette.obstacle, 3.0));
}

void StairsPicture(Canvas& aCanvas, Point aAt, double aLength, double aAngle)
{
    // Steps cut into the cliff, with the middle ones fallen away.
    const int steps = static_cast<int>(aLength / 26.0);
    for (int i = 0; i < steps; ++i)
    {
        if (i > steps / 3 && i < steps * 2 / 3)
        {
            continue;
        }
        const double t = i * 26.0;
        const double cx = aAt.x + std::cos(aAngle) * t;
        const double cy = aAt.y + std::sin(aAngle) * t;
        DrawShape(
            aCanvas, [&](cairo_t* aCr) { RoundedRectPath(aCr, cx - 26, cy - 9, 52, 18, 4); },
            Style(kStone.Darker(0.1), 2.0));
    }
}

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
        {
            const Point end{at.x + std::cos(aProp.angle) * s, at.y + std::sin(aProp.angle) * s};
            for (double rail : {14.0, 28.0})
            {
                StrokePath(
                    aCanvas,
                    [&](cairo_t* aCr)
                    {
                        cairo_move_to(aCr, at.x, at.y - rail);
                        cairo_line_to(aCr, end.x, end.y - rail);
                    },
                    kBark.Lighter(0.1), 5.0);
            }
            const int posts = static_cast<int>(s / 40.0) + 1;
            for (int i = 0; i <= posts; ++i)
            {
                const double t = static_cast<double>(i) / posts;
                const double x = at.x + (end.x - at.x) * t;
                const double y = at.y + (end.y - at.y) * t;
                DrawShape(
                    aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, x - 4, y - 40, 8, 42); },
                    Style(kBark, 2.0));
            }
            break;
        }
        case PropKind::Crate:
            DropShadow(aCanvas, at.x + 6, at.y, 30 * s, 10 * s, 0.35);
            DrawShape(
                aCanvas,
                [&](cairo_t* aCr)
                { cairo_rectangle(aCr, at.x - 24 * s, at.y - 44 * s, 48 * s, 44 * s); },
                Style(Colour::Rgb(0xa57a45)));
            break;
        case PropKind::Console:
            ConsolePicture(aCanvas, at, s, aPalette);
            break;
        case PropKind::Engine:
            EnginePicture(aCanvas, at, s, aPalette);
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
            break;
    }
}
}  // namespace

void DrawLeafCluster(Canvas& aCanvas, Random& aRandom, Point aCenter, double aRadiusX,
                     double aRadiusY, const Colour& aColour, int aCount)
{
    for (int i = 0; i < aCount; ++i)
    {
        const double angle = aRandom.Range(0, 2 * kPi);
        const double spread = i == aCount - 1 ? 0.0 : aRandom.Range(0.3, 0.6);
        const Point centre{aCenter.x + std::cos(angle) * aRadiusX * spread,
                           aCenter.y + std::sin(angle) * aRadiusY * spread};
        const double scale = aRandom.Range(0.55, 0.75);
        const std::vector<Point> blob =
            BlobPoints(aRandom, centre.x, centre.y, aRadiusX * scale, aRadiusY * scale, 9, 0.2);
        ShapeStyle style = Style(aColour.Mix(aColour.Lighter(0.2), aRandom.Uniform() * 0.5));
        style.shadeDepth = 0.22;
        style.highlight = 0.18;
        DrawShape(
            aCanvas, [&blob](cairo_t* aCr) { SmoothPath(aCr, blob); }, style);
    }
}

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
        case PropKind::Crate:
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
