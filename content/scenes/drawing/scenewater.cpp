// Water and lava. The river must read as flowing water at a glance: pale shallows and foam at
// the banks, a dark channel in the middle, and long lines drawn along the current (short
// slanted strokes read as rain).
#include <algorithm>
#include <cmath>

#include "scenes/drawing/scenematerialtools.h"

namespace content
{
namespace
{
constexpr double kPi = 3.14159265358979323846;

// Foam caught along the banks: small pale blobs strung on the outline.
void BankFoam(Canvas& aCanvas, const Shape& aShape, Random& aRandom)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    AppendShape(cr, aShape);
    cairo_path_t* outline = cairo_copy_path_flat(cr);
    cairo_new_path(cr);
    SetColour(cr, Colour::Rgb(0xf4fbff, 0.75));
    for (int i = 0; i < outline->num_data; i += outline->data[i].header.length)
    {
        const cairo_path_data_t& header = outline->data[i];
        if (header.header.type == CAIRO_PATH_CLOSE_PATH || aRandom.Uniform() < 0.55)
        {
            continue;
        }
        const cairo_path_data_t& point = outline->data[i + 1];
        EllipsePath(cr, point.point.x + aRandom.Range(-4, 4), point.point.y, aRandom.Range(5, 11),
                    aRandom.Range(3, 6));
    }
    cairo_fill(cr);
    cairo_path_destroy(outline);
    cairo_restore(cr);
}

// A line along the current with a gentle sway, thick in the middle and thin at its ends.
void FlowLine(cairo_t* aCr, Point aStart, double aLength, bool aVertical, double aSway,
              double aPhase)
{
    constexpr int kSteps = 12;
    for (int i = 0; i < kSteps; ++i)
    {
        const double t0 = static_cast<double>(i) / kSteps;
        const double t1 = static_cast<double>(i + 1) / kSteps;
        const auto at = [&](double aT)
        {
            const double along = aT * aLength;
            const double across = std::sin(aT * kPi + aPhase) * aSway;
            return aVertical ? Point{aStart.x + across, aStart.y + along}
                             : Point{aStart.x + along, aStart.y + across};
        };
        const Point from = at(t0);
        const Point to = at(t1);
        cairo_set_line_width(aCr, 0.6 + 2.6 * std::sin((t0 + t1) / 2 * kPi));
        cairo_move_to(aCr, from.x, from.y);
        cairo_line_to(aCr, to.x, to.y);
        cairo_stroke(aCr);
    }
}
}  // namespace

void DrawWater(Canvas& aCanvas, const Shape& aShape, Random& aRandom)
{
    const Bounds b = BoundsOf(aCanvas, aShape);
    const bool vertical = b.y1 - b.y0 >= b.x1 - b.x0;
    const Colour deep = Colour::Rgb(0x174c78);
    const Colour shallow = Colour::Rgb(0x4fb0cf);
    cairo_t* cr = aCanvas.Cr();
    // Wet sand darkened by the water just outside the bank.
    StrokePath(aCanvas, PathOf(aShape), Colour::Rgb(0x6a5a3a, 0.35), 22.0);
    FillPath(aCanvas, PathOf(aShape), deep);
    {
        // Shallows: wide soft bands inside the bank leave the middle of the stream deep.
        const ClipTo clip(aCanvas, aShape);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        for (double width = 300.0; width > 20.0; width -= 28.0)
        {
            cairo_new_path(cr);
            AppendShape(cr, aShape);
            SetColour(cr, shallow.WithAlpha(0.1));
            cairo_set_line_width(cr, width);
            cairo_stroke(cr);
        }
        // The current: long swaying lines, pale in the shallows, faint in the channel.
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        const int lines = Density(b, 80.0);
        for (int i = 0; i < lines; ++i)
        {
            const Point start{aRandom.Range(b.x0, b.x1), aRandom.Range(b.y0 - 60, b.y1)};
            SetColour(cr, Colour::Rgb(0xd8f2fa, aRandom.Range(0.2, 0.45)));
            FlowLine(cr, start, aRandom.Range(90, 200), vertical, aRandom.Range(1.5, 4),
                     aRandom.Range(0, 2 * kPi));
        }
        // A few glints of the sky on the surface.
        for (int i = 0; i < lines / 6; ++i)
        {
            const double x = aRandom.Range(b.x0, b.x1);
            const double y = aRandom.Range(b.y0, b.y1);
            FillPath(
                aCanvas,
                [&](cairo_t* aCr)
                {
                    if (vertical)
                    {
                        EllipsePath(aCr, x, y, 3, 14);
                    }
                    else
                    {
                        EllipsePath(aCr, x, y, 14, 3);
                    }
                },
                Colour::Rgb(0xffffff, 0.45));
        }
    }
    BankFoam(aCanvas, aShape, aRandom);
    StrokePath(aCanvas, PathOf(aShape), Colour::Rgb(0xe8f6f8, 0.7), 4.0);
    StrokePath(aCanvas, PathOf(aShape), Colour::Rgb(0x16324a), 1.5);
}

void DrawLava(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette, Random& aRandom)
{
    const Bounds b = BoundsOf(aCanvas, aShape);
    // A glow onto the rock around it, the molten surface, then drifting dark crust.
    StrokePath(aCanvas, PathOf(aShape), aPalette.accent.WithAlpha(0.35), 26.0);
    FillRadialGradient(aCanvas, PathOf(aShape), {(b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2},
                       std::max(b.x1 - b.x0, b.y1 - b.y0) * 0.7,
                       {{0.0, Colour::Rgb(0xffd23a)},
                        {0.45, Colour::Rgb(0xff7a12)},
                        {1.0, Colour::Rgb(0xc2300a)}});
    {
        const ClipTo clip(aCanvas, aShape);
        const int plates = Density(b, 70.0);
        for (int i = 0; i < plates; ++i)
        {
            const double x = aRandom.Range(b.x0, b.x1);
            const double y = aRandom.Range(b.y0, b.y1);
            const double r = aRandom.Range(10.0, 26.0);
            const std::vector<Point> plate = BlobPoints(aRandom, x, y, r, r * 0.6, 7, 0.35);
            ShapeStyle style;
            style.fill = Colour::Rgb(0x3a1a12);
            style.outline = Colour::Rgb(0xffb040);
            style.outlineWidth = 2.0;
            style.highlight = 0.2;
            DrawShape(
                aCanvas, [&plate](cairo_t* aCr) { SmoothPath(aCr, plate); }, style);
        }
    }
    StrokePath(aCanvas, PathOf(aShape), Colour::Rgb(0x2a0e08), 3.0);
}
}  // namespace content
