// What stands in the caves and at the volcano: rock cones and teeth, crystals, loose rocks,
// torches and smoking vents.
#include "scenes/drawing/scenepaint.h"

namespace content
{
void StalagmitePicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette)
{
    const double s = aSize;
    DropShadow(aCanvas, aAt.x + 6, aAt.y, 20 * s, 8 * s, 0.4);
    const std::vector<Point> cone = {{aAt.x - 18 * s, aAt.y},
                                     {aAt.x - 4 * s, aAt.y - 64 * s},
                                     {aAt.x + 2 * s, aAt.y - 70 * s},
                                     {aAt.x + 18 * s, aAt.y}};
    DrawShape(
        aCanvas, [&cone](cairo_t* aCr) { SmoothPath(aCr, cone); },
        PropStyle(aPalette.obstacle.Lighter(0.2)));
}

void CrystalPicture(Canvas& aCanvas, Random& aRandom, Point aAt, double aSize,
                    const Palette& aPalette)
{
    const double s = aSize;
    for (int i = 0; i < 4; ++i)
    {
        const double x = aAt.x + (i - 1.5) * 9 * s;
        const double h = aRandom.Range(18, 34) * s;
        const std::vector<Point> shard = {{x - 5 * s, aAt.y}, {x, aAt.y - h}, {x + 5 * s, aAt.y}};
        DrawShape(
            aCanvas, [&shard](cairo_t* aCr) { PolygonPath(aCr, shard); },
            PropStyle(aPalette.accent.Mix(Colour::Rgb(0x9ad8ff), 0.6), 1.5));
    }
}

void RubblePicture(Canvas& aCanvas, Random& aRandom, Point aAt, double aSize,
                   const Palette& aPalette)
{
    const double s = aSize;
    for (int i = 0; i < 6; ++i)
    {
        const double x = aAt.x + aRandom.Range(-30, 30) * s;
        const double y = aAt.y + aRandom.Range(-12, 12) * s;
        const double r = aRandom.Range(5, 12) * s;
        DrawShape(
            aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, x, y, r, r * 0.7); },
            PropStyle(aPalette.obstacle.Lighter(0.25), 2.0));
    }
}

void TorchPicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette)
{
    const double s = aSize;
    FillRadialGradient(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, aAt.x, aAt.y - 30, 110 * s, 90 * s); },
        {aAt.x, aAt.y - 30}, 110 * s,
        {{0.0, aPalette.accent.WithAlpha(0.45)}, {1.0, aPalette.accent.WithAlpha(0.0)}});
    DrawShape(
        aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, aAt.x - 4, aAt.y - 34, 8, 34); },
        PropStyle(kBark, 2.0));
    DrawShape(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, aAt.x, aAt.y - 42, 8, 12); },
        PropStyle(Colour::Rgb(0xffb347), 1.5));
}

void SmokeVentPicture(Canvas& aCanvas, Point aAt, double aSize)
{
    const double s = aSize;
    FillPath(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, aAt.x, aAt.y, 22 * s, 10 * s); },
        Colour::Rgb(0x1a1412));
    for (int i = 0; i < 5; ++i)
    {
        const double r = (14 + i * 6) * s;
        FillPath(
            aCanvas,
            [&](cairo_t* aCr)
            { EllipsePath(aCr, aAt.x + i * 8 * s, aAt.y - 18 - i * 24 * s, r, r * 0.8); },
            Colour::Rgb(0xb0a8a0, 0.22));
    }
}

void StalactitesOverlay(Canvas& aCanvas, Random& aRandom, Point aAt, double aWidth,
                        const Palette& aPalette)
{
    const int teeth = static_cast<int>(aWidth / 34.0);
    for (int i = 0; i < teeth; ++i)
    {
        const double x = aAt.x + i * 34.0 + aRandom.Range(-6, 6);
        const double length = aRandom.Range(30, 90);
        const std::vector<Point> tooth = {
            {x - 16, aAt.y - 10}, {x + 16, aAt.y - 10}, {x + 2, aAt.y + length}};
        DrawShape(
            aCanvas, [&tooth](cairo_t* aCr) { PolygonPath(aCr, tooth); },
            PropStyle(aPalette.obstacle.Lighter(0.05)));
    }
}
}  // namespace content
