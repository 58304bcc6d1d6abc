// The shared look of the interface: dark wood panels with brass trim and brass buttons.
#include "core/picturetext.h"
#include "interface/interface.h"

namespace content
{
namespace
{
const Colour kWood = Colour::Rgb(0x4a2f1c);
const Colour kBrass = Colour::Rgb(0xc79a3e);
const Colour kInk = Colour::Rgb(0x1c1712);

PathFunction RoundedRect(double aX, double aY, double aWidth, double aHeight, double aRadius)
{
    return [=](cairo_t* aCr) { RoundedRectPath(aCr, aX, aY, aWidth, aHeight, aRadius); };
}

// Lengthwise grain: thin darker and lighter streaks, fixed by a seed.
void WoodGrain(Canvas& aCanvas, double aX, double aY, double aWidth, double aHeight)
{
    Random random(static_cast<uint64_t>(aWidth * 131 + aHeight));
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_rectangle(cr, aX, aY, aWidth, aHeight);
    cairo_clip(cr);
    for (double y = aY + 3; y < aY + aHeight; y += random.Range(4.0, 9.0))
    {
        const double wave = random.Range(-2.0, 2.0);
        const Colour streak = random.Uniform() < 0.5 ? kWood.Darker(0.25) : kWood.Lighter(0.08);
        StrokePath(
            aCanvas,
            [=](cairo_t* aCr)
            {
                cairo_move_to(aCr, aX, y);
                cairo_curve_to(aCr, aX + aWidth * 0.3, y + wave, aX + aWidth * 0.7, y - wave,
                               aX + aWidth, y);
            },
            streak.WithAlpha(0.55), random.Range(0.8, 2.0));
    }
    cairo_restore(cr);
}
}  // namespace

void DrawWoodPanel(Canvas& aCanvas, double aX, double aY, double aWidth, double aHeight,
                   double aRadius)
{
    FillPath(aCanvas, RoundedRect(aX, aY, aWidth, aHeight, aRadius), kInk);
    FillLinearGradient(aCanvas, RoundedRect(aX + 2, aY + 2, aWidth - 4, aHeight - 4, aRadius - 1),
                       Point{aX, aY}, Point{aX, aY + aHeight},
                       {{0.0, kBrass.Lighter(0.3)}, {0.5, kBrass}, {1.0, kBrass.Darker(0.35)}});
    const double inset = 6;
    FillLinearGradient(
        aCanvas,
        RoundedRect(aX + inset, aY + inset, aWidth - 2 * inset, aHeight - 2 * inset, aRadius - 3),
        Point{aX, aY}, Point{aX + aWidth * 0.3, aY + aHeight},
        {{0.0, kWood.Lighter(0.12)}, {1.0, kWood.Darker(0.15)}});
    WoodGrain(aCanvas, aX + inset, aY + inset, aWidth - 2 * inset, aHeight - 2 * inset);
    StrokePath(
        aCanvas,
        RoundedRect(aX + inset, aY + inset, aWidth - 2 * inset, aHeight - 2 * inset, aRadius - 3),
        kInk.WithAlpha(0.8), 1.5);
}

void DrawInset(Canvas& aCanvas, double aX, double aY, double aWidth, double aHeight, double aRadius)
{
    FillLinearGradient(aCanvas, RoundedRect(aX, aY, aWidth, aHeight, aRadius), Point{aX, aY},
                       Point{aX, aY + aHeight},
                       {{0.0, Colour::Rgb(0x1e140c)}, {1.0, Colour::Rgb(0x33241a)}});
    StrokePath(aCanvas, RoundedRect(aX, aY, aWidth, aHeight, aRadius), kBrass.Darker(0.3), 1.5);
}

void DrawBrassButton(Canvas& aCanvas, double aX, double aY, double aWidth, double aHeight,
                     const char* aLabel, double aTextSize)
{
    FillPath(aCanvas, RoundedRect(aX, aY, aWidth, aHeight, 8), kInk);
    FillLinearGradient(aCanvas, RoundedRect(aX + 2, aY + 2, aWidth - 4, aHeight - 4, 7),
                       Point{aX, aY}, Point{aX, aY + aHeight},
                       {{0.0, kBrass.Lighter(0.35)}, {0.45, kBrass}, {1.0, kBrass.Darker(0.4)}});
    StrokePath(aCanvas, RoundedRect(aX + 5, aY + 5, aWidth - 10, aHeight - 10, 5),
               kBrass.Darker(0.45).WithAlpha(0.6), 1.2);
    TextStyle label;
    label.size = aTextSize;
    label.fill = Colour::Rgb(0xfff6e0);
    label.outline = Colour::Rgb(0x3a2410);
    label.outlineWidth = 3.0;
    DrawText(aCanvas, aLabel, aX + aWidth / 2.0, aY + aHeight / 2.0 + aTextSize * 0.36, label,
             TextAlign::Centre);
}
}  // namespace content
