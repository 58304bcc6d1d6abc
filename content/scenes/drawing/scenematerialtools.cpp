#include "scenes/drawing/scenematerialtools.h"

#include <cmath>

namespace content
{
Bounds BoundsOf(Canvas& aCanvas, const Shape& aShape)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    AppendShape(cr, aShape);
    Bounds b;
    cairo_fill_extents(cr, &b.x0, &b.y0, &b.x1, &b.y1);
    cairo_restore(cr);
    return b;
}

bool Inside(Canvas& aCanvas, const Shape& aShape, Point aPoint)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    AppendShape(cr, aShape);
    const bool inside = cairo_in_fill(cr, aPoint.x, aPoint.y) != 0;
    cairo_restore(cr);
    return inside;
}

PathFunction PathOf(const Shape& aShape)
{
    return [&aShape](cairo_t* aCr) { AppendShape(aCr, aShape); };
}

int Density(const Bounds& aBounds, double aSpacing)
{
    return static_cast<int>(aBounds.Area() / (aSpacing * aSpacing));
}

ClipTo::ClipTo(Canvas& aCanvas, const Shape& aShape) : myContext(aCanvas.Cr())
{
    cairo_save(myContext);
    cairo_new_path(myContext);
    AppendShape(myContext, aShape);
    cairo_clip(myContext);
}

ClipTo::~ClipTo()
{
    cairo_restore(myContext);
}

void Strokes(Canvas& aCanvas, const Shape& aShape, Random& aRandom, int aCount, double aLength,
             double aAngle, double aAngleJitter, const Colour& aColour, double aWidth)
{
    cairo_t* cr = aCanvas.Cr();
    const Bounds b = BoundsOf(aCanvas, aShape);
    const ClipTo clip(aCanvas, aShape);
    SetColour(cr, aColour);
    cairo_set_line_width(cr, aWidth);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < aCount; ++i)
    {
        const double x = aRandom.Range(b.x0, b.x1);
        const double y = aRandom.Range(b.y0, b.y1);
        const double angle = aAngle + aRandom.Range(-aAngleJitter, aAngleJitter);
        const double length = aLength * aRandom.Range(0.6, 1.3);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + std::cos(angle) * length, y + std::sin(angle) * length);
    }
    cairo_stroke(cr);
}

void Raised(Canvas& aCanvas, const Shape& aShape, const Colour& aTop, const Colour& aFace,
            double aHeight)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    AppendShape(cr, aShape);
    cairo_clip_preserve(cr);
    SetColour(cr, aFace);
    cairo_fill(cr);
    cairo_translate(cr, 0, -aHeight);
    cairo_new_path(cr);
    AppendShape(cr, aShape);
    SetColour(cr, aTop);
    cairo_fill_preserve(cr);
    SetColour(cr, aTop.Lighter(0.25));
    cairo_set_line_width(cr, 3.0);
    cairo_stroke(cr);
    cairo_restore(cr);
    StrokePath(aCanvas, PathOf(aShape), aFace.Darker(0.55), 2.5);
}
}  // namespace content
