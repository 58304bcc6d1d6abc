// The time machine's deck and hull in cool steel with amber lights: staggered floor plates
// shaded towards the walls, a grated walkway with guide lights, the ring of the time drive set
// into the deck, and ribbed hull walls.
#include <cmath>

#include "scenes/drawing/scenematerialtools.h"

namespace content
{
namespace
{
constexpr double kPi = 3.14159265358979323846;

// Darkens the ground along the shape's edge, where the walls stand over it.
void EdgeShade(Canvas& aCanvas, const Shape& aShape, double aWidth)
{
    const ClipTo clip(aCanvas, aShape);
    for (double width : {aWidth, aWidth * 0.5})
    {
        StrokePath(aCanvas, PathOf(aShape), Colour::Rgb(0x0c1018, 0.16), width);
    }
}
}  // namespace

void DrawMetalFloor(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette)
{
    const Bounds b = BoundsOf(aCanvas, aShape);
    FillPath(aCanvas, PathOf(aShape), aPalette.ground.Darker(0.35));
    cairo_t* cr = aCanvas.Cr();
    {
        const ClipTo clip(aCanvas, aShape);
        // Plates of two by one, every other row shifted by half a plate, in a few shades.
        constexpr double kWide = 128.0;
        constexpr double kHigh = 64.0;
        int row = 0;
        for (double y = std::floor(b.y0 / kHigh) * kHigh; y < b.y1; y += kHigh, ++row)
        {
            const double shift = row % 2 != 0 ? kWide / 2 : 0.0;
            for (double x = std::floor(b.x0 / kWide) * kWide - shift; x < b.x1; x += kWide)
            {
                const int tone = static_cast<int>(std::fabs(x * 7 + y * 13)) % 3;
                SetColour(cr, aPalette.ground.Mix(aPalette.ground.Darker(0.12), tone / 2.0));
                cairo_rectangle(cr, x + 2, y + 2, kWide - 4, kHigh - 4);
                cairo_fill(cr);
                SetColour(cr, aPalette.ground.Lighter(0.22));
                cairo_rectangle(cr, x + 2, y + 2, kWide - 4, 2);
                cairo_fill(cr);
                SetColour(cr, aPalette.ground.Darker(0.4));
                for (const Point& rivet : {Point{7, 7}, Point{kWide - 7, 7}})
                {
                    cairo_new_path(cr);
                    cairo_arc(cr, x + rivet.x, y + rivet.y, 2.0, 0, 2 * kPi);
                    cairo_fill(cr);
                }
            }
        }
    }
    EdgeShade(aCanvas, aShape, 60.0);
}

void DrawGrating(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette)
{
    const Bounds b = BoundsOf(aCanvas, aShape);
    const bool vertical = b.y1 - b.y0 >= b.x1 - b.x0;
    FillPath(aCanvas, PathOf(aShape), aPalette.obstacle.Darker(0.45));
    cairo_t* cr = aCanvas.Cr();
    {
        const ClipTo clip(aCanvas, aShape);
        // Slots of the grating across the walkway.
        SetColour(cr, aPalette.ground.Darker(0.1));
        for (double t = vertical ? b.y0 : b.x0; t < (vertical ? b.y1 : b.x1); t += 12.0)
        {
            if (vertical)
            {
                cairo_rectangle(cr, b.x0 + 10, t, b.x1 - b.x0 - 20, 7);
            }
            else
            {
                cairo_rectangle(cr, t, b.y0 + 10, 7, b.y1 - b.y0 - 20);
            }
        }
        cairo_fill(cr);
    }
    // Edge strips with amber guide lights leading along the walkway.
    StrokePath(aCanvas, PathOf(aShape), aPalette.ground.Lighter(0.1), 6.0);
    StrokePath(aCanvas, PathOf(aShape), aPalette.obstacle.Darker(0.6), 1.5);
    const double along0 = vertical ? b.y0 : b.x0;
    const double along1 = vertical ? b.y1 : b.x1;
    for (double t = along0 + 24; t < along1 - 8; t += 64.0)
    {
        for (double side : {vertical ? b.x0 : b.y0, vertical ? b.x1 : b.y1})
        {
            LampGlow(aCanvas, vertical ? Point{side, t} : Point{t, side}, 9.0, aPalette.accent);
        }
    }
}

void DrawDriveRing(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette)
{
    const Bounds b = BoundsOf(aCanvas, aShape);
    const Point c{(b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2};
    const double rx = (b.x1 - b.x0) / 2;
    const double ry = (b.y1 - b.y0) / 2;
    const auto ring = [&](double aScale)
    { return [&, aScale](cairo_t* aCr) { EllipsePath(aCr, c.x, c.y, rx * aScale, ry * aScale); }; };
    // The drive's ring set flush into the deck: a dark rim, a glowing amber track, clock marks,
    // and a cool blue glass disc at its heart.
    FillPath(aCanvas, ring(1.0), aPalette.obstacle.Darker(0.3));
    StrokePath(aCanvas, ring(1.0), aPalette.ground.Lighter(0.2), 3.0);
    FillPath(aCanvas, ring(0.86), aPalette.ground.Darker(0.2));
    StrokePath(aCanvas, ring(0.8), aPalette.accent.WithAlpha(0.35), 14.0);
    StrokePath(aCanvas, ring(0.8), aPalette.accent.Lighter(0.3), 3.0);
    cairo_t* cr = aCanvas.Cr();
    SetColour(cr, aPalette.accent.Lighter(0.2));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 12; ++i)
    {
        const double angle = i * kPi / 6;
        const double inner = i % 3 == 0 ? 0.6 : 0.66;
        cairo_set_line_width(cr, i % 3 == 0 ? 5.0 : 3.0);
        cairo_move_to(cr, c.x + std::cos(angle) * rx * inner, c.y + std::sin(angle) * ry * inner);
        cairo_line_to(cr, c.x + std::cos(angle) * rx * 0.74, c.y + std::sin(angle) * ry * 0.74);
        cairo_stroke(cr);
    }
    FillRadialGradient(
        aCanvas, ring(0.5), c, rx * 0.5,
        {{0.0, Colour::Rgb(0xc8f4ff)}, {0.5, Colour::Rgb(0x4aa8d0)}, {1.0, Colour::Rgb(0x1c3a58)}});
    StrokePath(aCanvas, ring(0.5), aPalette.obstacle.Darker(0.5), 3.0);
    // Two hands, stopped at the moment of the crash.
    SetColour(cr, aPalette.obstacle.Darker(0.55));
    cairo_set_line_width(cr, 5.0);
    cairo_move_to(cr, c.x, c.y);
    cairo_line_to(cr, c.x + rx * 0.3, c.y - ry * 0.28);
    cairo_move_to(cr, c.x, c.y);
    cairo_line_to(cr, c.x - rx * 0.12, c.y - ry * 0.4);
    cairo_stroke(cr);
}

void DrawMetalWall(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette)
{
    Raised(aCanvas, aShape, aPalette.obstacle.Lighter(0.12), aPalette.obstacle.Darker(0.35), 26.0);
    const Bounds b = BoundsOf(aCanvas, aShape);
    cairo_t* cr = aCanvas.Cr();
    const ClipTo clip(aCanvas, aShape);
    // Hull ribs, each with a lit edge, and an amber lamp at every fourth.
    int rib = 0;
    for (double x = std::floor(b.x0 / 64.0) * 64.0; x < b.x1; x += 64.0, ++rib)
    {
        SetColour(cr, aPalette.obstacle.Darker(0.25));
        cairo_rectangle(cr, x, b.y0, 10, b.y1 - b.y0);
        cairo_fill(cr);
        SetColour(cr, aPalette.obstacle.Lighter(0.3));
        cairo_rectangle(cr, x, b.y0, 2, b.y1 - b.y0);
        cairo_fill(cr);
    }
    for (double y = std::floor(b.y0 / 128.0) * 128.0 + 64; y < b.y1; y += 128.0)
    {
        for (double x = std::floor(b.x0 / 256.0) * 256.0 + 37; x < b.x1; x += 256.0)
        {
            LampGlow(aCanvas, {x, y}, 10.0, aPalette.accent);
        }
    }
}
}  // namespace content
