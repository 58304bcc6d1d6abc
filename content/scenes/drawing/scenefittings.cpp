// The time machine's fittings: storage lockers, cables on the deck, the lit hatch out, and
// the foreground coolant tank.
#include <cmath>

#include "scenes/drawing/scenepaint.h"

namespace content
{
namespace
{
constexpr double kPi = 3.14159265358979323846;
const Colour kDaylight = Colour::Rgb(0xd8f0a0);
const Colour kExitGreen = Colour::Rgb(0x6cff8a);
}  // namespace

void LockerPicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette)
{
    const double s = aSize;
    DropShadow(aCanvas, aAt.x + 6, aAt.y, 30 * s, 10 * s, 0.45);
    SteelBox(aCanvas, aAt.x - 24 * s, aAt.y - 62 * s, 48 * s, 62 * s, 5, kSteel.Darker(0.15), 2.5);
    SteelBox(aCanvas, aAt.x - 24 * s, aAt.y - 62 * s, 48 * s, 14 * s, 4, kSteel.Lighter(0.1), 2.0);
    FillPath(
        aCanvas,
        [&](cairo_t* aCr) { cairo_rectangle(aCr, aAt.x - 22 * s, aAt.y - 30 * s, 44 * s, 6 * s); },
        aPalette.accent);
    FillPath(
        aCanvas,
        [&](cairo_t* aCr)
        { RoundedRectPath(aCr, aAt.x + 10 * s, aAt.y - 44 * s, 6 * s, 10 * s, 2); },
        Colour::Rgb(0x1a1f26));
}

void CablePicture(Canvas& aCanvas, Point aAt, double aLength, double aAngle)
{
    // Two cables lying loose on the deck, swaying side by side.
    const double dx = std::cos(aAngle);
    const double dy = std::sin(aAngle);
    for (int i = 0; i < 2; ++i)
    {
        const double offset = (i - 0.5) * 9;
        const auto path = [&](cairo_t* aCr)
        {
            for (double t = 0; t <= 1.0; t += 0.04)
            {
                const double sway = std::sin(t * 3 * kPi + i) * 10 + offset;
                const double px = aAt.x + dx * t * aLength - dy * sway;
                const double py = aAt.y + dy * t * aLength + dx * sway;
                t == 0 ? cairo_move_to(aCr, px, py) : cairo_line_to(aCr, px, py);
            }
        };
        StrokePath(aCanvas, path, Colour::Rgb(0x11161c), 8.0);
        StrokePath(aCanvas, path, i == 0 ? Colour::Rgb(0x3a4048) : Colour::Rgb(0xa04030), 5.0);
    }
}

void HatchPicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette)
{
    // The way out: a ramp down through the hull into daylight, chevrons pointing out and the
    // light from outside spilling onto the deck. Its door frame is in the overlay.
    const double w = 96 * aSize;
    const double h = 150 * aSize;
    const double x = aAt.x - w / 2;
    const double y = aAt.y - h;
    FillRadialGradient(aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, aAt.x, y, w * 1.3, 70); },
                       {aAt.x, y}, w * 1.3,
                       {{0.0, kDaylight.WithAlpha(0.45)}, {1.0, kDaylight.WithAlpha(0.0)}});
    FillLinearGradient(aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, x, y, w, h); }, {aAt.x, y},
                       {aAt.x, aAt.y},
                       {{0.0, aPalette.ground.Darker(0.1)},
                        {0.55, aPalette.ground.Mix(kDaylight, 0.5)},
                        {1.0, kDaylight.Lighter(0.4)}});
    for (double cy = y + 24; cy < aAt.y - 10; cy += 34)
    {
        StrokePath(
            aCanvas,
            [&](cairo_t* aCr)
            {
                cairo_move_to(aCr, aAt.x - w * 0.28, cy);
                cairo_line_to(aCr, aAt.x, cy + 16);
                cairo_line_to(aCr, aAt.x + w * 0.28, cy);
            },
            aPalette.accent, 6.0);
    }
}

void HatchFrame(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette)
{
    // The door frame over the ramp, in front of the heroine so she walks out under it: striped
    // jambs, a lintel across the threshold with the green exit lamps on it.
    const double w = 96 * aSize;
    const double h = 150 * aSize;
    const double x = aAt.x - w / 2;
    const double y = aAt.y - h;
    const double lintel = 30 * aSize;
    for (double side : {x - 12.0, x + w})
    {
        DrawShape(
            aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, side, y, 12, h); },
            PropStyle(aPalette.obstacle, 2.0));
        for (double stripe = y + lintel + 6; stripe < aAt.y; stripe += 22)
        {
            FillPath(
                aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, side + 3, stripe, 6, 10); },
                Colour::Rgb(0xf2c230));
        }
    }
    SteelBox(aCanvas, x - 22, y - 6, w + 44, lintel, 5, aPalette.obstacle.Lighter(0.12), 3.0);
    SteelBox(aCanvas, x - 22, y - 6 + lintel * 0.6, w + 44, lintel * 0.4, 3,
             aPalette.obstacle.Darker(0.25), 2.0);
    for (double lamp : {x + 8, x + w - 8})
    {
        LampGlow(aCanvas, {lamp, y - 6 + lintel * 0.32}, 10, kExitGreen);
    }
}

void PipesOverlay(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette)
{
    // A coolant tank close to the viewer, with its pipes running off into the walls. Its
    // body is solid so nothing behind it shows through.
    const double w = 190 * aSize;
    const double h = 170 * aSize;
    const double x = aAt.x - w / 2;
    const double y = aAt.y - h;
    for (int i = 0; i < 2; ++i)
    {
        const double py = y + 60 + i * 56;
        SteelBox(aCanvas, x - 70, py, w + 140, 20, 10, i == 0 ? kSteel : kSteel.Mix(kCopper, 0.7),
                 2.5);
        for (double fx : {x - 40, x + w + 30})
        {
            SteelBox(aCanvas, fx, py - 4, 10, 28, 2, kSteel.Darker(0.35), 2.0);
        }
    }
    SteelBox(aCanvas, x, y, w, h + 40, 30, aPalette.obstacle.Lighter(0.05), 3.0);
    for (double band : {0.22, 0.58})
    {
        SteelBox(aCanvas, x, y + h * band, w, 14, 4, kSteel.Darker(0.2), 2.0);
    }
    // A pressure gauge, a valve wheel and a warning lamp.
    const Point gauge{x + w * 0.3, y + h * 0.42};
    DrawShape(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, gauge.x, gauge.y, 20, 20); },
        PropStyle(Colour::Rgb(0xf0ece0), 3.0));
    StrokePath(
        aCanvas,
        [&](cairo_t* aCr)
        {
            cairo_move_to(aCr, gauge.x, gauge.y);
            cairo_line_to(aCr, gauge.x + 12, gauge.y - 9);
        },
        Colour::Rgb(0xc0392b), 3.0);
    const Point valve{x + w * 0.7, y + h * 0.78};
    StrokePath(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, valve.x, valve.y, 22, 22); },
        Colour::Rgb(0x1c1712), 9.0);
    StrokePath(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, valve.x, valve.y, 22, 22); },
        Colour::Rgb(0xc0392b), 5.0);
    LampGlow(aCanvas, {x + w - 26, y + 20}, 12, aPalette.accent);
}
}  // namespace content
