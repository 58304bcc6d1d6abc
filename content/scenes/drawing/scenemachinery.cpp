// Inside the time machine, in cool steel with amber lights: the wall of instruments behind the
// deck, a porthole onto the jungle, the engine with its time core and the control desks.
// Lockers, cables, the hatch and the foreground tank are in scenefittings.cpp.
#include <cmath>

#include "scenes/drawing/scenepaint.h"
#include "storypictures.h"

namespace content
{
namespace
{
constexpr double kPi = 3.14159265358979323846;
const Colour kScreen = Colour::Rgb(0x5fe0f0);

// A screen with a glowing trace across it.
void Screen(Canvas& aCanvas, double aX, double aY, double aWidth, double aHeight, double aPhase)
{
    FillLinearGradient(
        aCanvas, [&](cairo_t* aCr) { RoundedRectPath(aCr, aX, aY, aWidth, aHeight, 3); }, {aX, aY},
        {aX, aY + aHeight}, {{0.0, Colour::Rgb(0x1d4a5a)}, {1.0, Colour::Rgb(0x0b1c26)}});
    StrokePath(
        aCanvas,
        [&](cairo_t* aCr)
        {
            for (double t = 0; t <= 1.0; t += 0.05)
            {
                const double x = aX + 4 + t * (aWidth - 8);
                const double y = aY + aHeight * (0.5 + 0.3 * std::sin(t * 9 + aPhase) *
                                                           std::cos(t * 4 + aPhase * 2));
                t == 0 ? cairo_move_to(aCr, x, y) : cairo_line_to(aCr, x, y);
            }
        },
        kScreen, 2.0);
    StrokePath(
        aCanvas, [&](cairo_t* aCr) { RoundedRectPath(aCr, aX, aY, aWidth, aHeight, 3); },
        Colour::Rgb(0x11161c), 2.0);
}

void HorizontalPipe(Canvas& aCanvas, double aX0, double aX1, double aY, double aThickness,
                    const Colour& aColour)
{
    SteelBox(aCanvas, aX0, aY - aThickness / 2, aX1 - aX0, aThickness, aThickness / 2, aColour,
             2.0);
    for (double x = aX0 + 40; x < aX1 - 20; x += 120)
    {
        SteelBox(aCanvas, x, aY - aThickness / 2 - 3, 8, aThickness + 6, 2, aColour.Darker(0.3),
                 1.5);
    }
}
}  // namespace

void WallBankPicture(Canvas& aCanvas, Point aAt, double aWidth, const Palette& aPalette)
{
    // The wall behind the deck, seen face on: bays of instruments between ribs, two pipes
    // along the top and a strip of amber light along the floor.
    const double top = aAt.y - 140;
    FillLinearGradient(
        aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, aAt.x, top, aWidth, 140); }, {aAt.x, top},
        {aAt.x, aAt.y},
        {{0.0, aPalette.obstacle.Darker(0.2)}, {1.0, aPalette.obstacle.Lighter(0.15)}});
    constexpr double kBay = 118.0;
    int bay = 0;
    for (double x = aAt.x; x < aAt.x + aWidth - 20; x += kBay, ++bay)
    {
        const double w = std::min(kBay, aAt.x + aWidth - x) - 14;
        SteelBox(aCanvas, x + 7, top + 40, w, 88, 6, aPalette.obstacle.Lighter(0.05), 2.0);
        switch (bay % 4)
        {
            case 0:  // vent grille
                for (double y = top + 52; y < top + 120; y += 10)
                {
                    FillPath(
                        aCanvas,
                        [&](cairo_t* aCr) { RoundedRectPath(aCr, x + 20, y, w - 26, 5, 2); },
                        Colour::Rgb(0x1a1f26));
                }
                break;
            case 1:  // a read-out screen
                Screen(aCanvas, x + 18, top + 52, w - 22, 46, bay);
                break;
            case 2:  // banks of indicator lights
                for (int i = 0; i < 12; ++i)
                {
                    const Colour colours[] = {aPalette.accent, Colour::Rgb(0x50e070),
                                              Colour::Rgb(0xe0503a)};
                    const int row = i / 4;
                    LampGlow(aCanvas, {x + 24 + (i % 4) * (w - 30) / 3.5, top + 58 + row * 22}, 7,
                             colours[(i * 7 + bay) % 3]);
                }
                break;
            default:  // cable bundles hanging from the conduit
                for (int i = 0; i < 4; ++i)
                {
                    const Colour cable[] = {Colour::Rgb(0x2a2f36), Colour::Rgb(0xc0392b),
                                            Colour::Rgb(0x2f6fb0), Colour::Rgb(0xe0b030)};
                    StrokePath(
                        aCanvas,
                        [&](cairo_t* aCr)
                        {
                            const double cx = x + 22 + i * (w - 30) / 3;
                            cairo_move_to(aCr, cx, top + 30);
                            cairo_curve_to(aCr, cx, top + 90, cx + 18, top + 100, cx + 8,
                                           top + 128);
                        },
                        cable[i], 5.0);
                }
                break;
        }
        // The rib between bays.
        SteelBox(aCanvas, x - 5, top, 10, 140, 2, aPalette.obstacle.Lighter(0.2), 1.5);
    }
    HorizontalPipe(aCanvas, aAt.x, aAt.x + aWidth, top + 14, 14, kSteel);
    HorizontalPipe(aCanvas, aAt.x, aAt.x + aWidth, top + 32, 10, kCopper);
    FillPath(
        aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, aAt.x, aAt.y - 8, aWidth, 8); },
        Colour::Rgb(0x1a1f26));
    FillLinearGradient(
        aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, aAt.x, aAt.y - 6, aWidth, 30); },
        {aAt.x, aAt.y - 6}, {aAt.x, aAt.y + 24},
        {{0.0, aPalette.accent.WithAlpha(0.55)}, {1.0, aPalette.accent.WithAlpha(0.0)}});
}

void ViewportPicture(Canvas& aCanvas, Point aAt, double aSize)
{
    // A porthole in the wall: the jungle outside, bright against the steel.
    const double rx = 70 * aSize;
    const double ry = 46 * aSize;
    const Point c{aAt.x, aAt.y - 80 * aSize};
    DrawShape(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, c.x, c.y, rx + 12, ry + 12); },
        PropStyle(kSteel.Darker(0.2), 3.0));
    FillLinearGradient(aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, c.x, c.y, rx, ry); },
                       {c.x, c.y - ry}, {c.x, c.y + ry},
                       {{0.0, Colour::Rgb(0xbfe8f0)}, {1.0, Colour::Rgb(0x8fcf70)}});
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    EllipsePath(cr, c.x, c.y, rx, ry);
    cairo_clip(cr);
    Random random(7);
    for (int i = 0; i < 9; ++i)
    {
        const double x = c.x - rx + i * rx / 4;
        const double r = random.Range(18, 30) * aSize;
        FillPath(
            aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, x, c.y + ry * 0.5, r, r * 0.9); },
            Colour::Rgb(0x2f7a2a).Mix(Colour::Rgb(0x4f9a3a), random.Uniform()));
    }
    StrokePath(
        aCanvas,
        [&](cairo_t* aCr)
        {
            cairo_move_to(aCr, c.x - rx * 0.7, c.y + ry);
            cairo_line_to(aCr, c.x - rx * 0.1, c.y - ry);
        },
        Colour::Rgb(0xffffff, 0.35), 10.0);
    cairo_restore(cr);
    StrokePath(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, c.x, c.y, rx, ry); }, Colour::Rgb(0x11161c),
        3.0);
    for (int i = 0; i < 8; ++i)
    {
        const double a = i * kPi / 4;
        FillPath(
            aCanvas,
            [&](cairo_t* aCr) {
                EllipsePath(aCr, c.x + std::cos(a) * (rx + 6), c.y + std::sin(a) * (ry + 6), 2.5,
                            2.5);
            },
            Colour::Rgb(0x2a3038));
    }
}

void EnginePicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette)
{
    const double s = aSize;
    const double w = 200 * s;
    const double x = aAt.x - w / 2;
    DropShadow(aCanvas, aAt.x + 8, aAt.y, w * 0.62, 22, 0.5);
    // Hazard stripes on the deck in front of the engine.
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_rectangle(cr, x - 6, aAt.y - 4, w + 12, 14);
    cairo_clip(cr);
    FillPath(
        aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, x - 6, aAt.y - 4, w + 12, 14); },
        Colour::Rgb(0xf2c230));
    for (double sx = x - 20; sx < x + w + 20; sx += 20)
    {
        FillPath(
            aCanvas,
            [&](cairo_t* aCr)
            {
                PolygonPath(aCr, {{sx, aAt.y + 10},
                                  {sx + 10, aAt.y + 10},
                                  {sx + 24, aAt.y - 4},
                                  {sx + 14, aAt.y - 4}});
            },
            Colour::Rgb(0x1a1a1a));
    }
    cairo_restore(cr);
    // The plinth with four empty sockets, each rimmed in the colour of the part it wants.
    SteelBox(aCanvas, x, aAt.y - 60 * s, w, 60 * s, 8, aPalette.obstacle.Lighter(0.1), 3.0);
    const Colour rims[] = {Colour::Rgb(0x8ad8ff), Colour::Rgb(0xe8c040), Colour::Rgb(0x9a9aa8),
                           Colour::Rgb(0x3a3a3a)};
    // The game draws a fitted part over its socket (geometry/storypictures.h).
    const double sy = geometry::SocketTop(aAt.y, s);
    for (int i = 0; i < 4; ++i)
    {
        const double sx = geometry::SocketLeft(i, aAt.x, s);
        SteelBox(aCanvas, sx, sy, geometry::ourSocketWidth * s, geometry::ourSocketHeight * s, 5,
                 Colour::Rgb(0x14181e), 3.0);
        StrokePath(
            aCanvas, [&](cairo_t* aCr) { RoundedRectPath(aCr, sx + 3, sy + 3, 26 * s, 24 * s, 4); },
            rims[i], 2.5);
    }
    // The drive wheel, its belt gone, on the left; the time core, a glass column, on the right.
    const Point wheel{x + 46 * s, aAt.y - 110 * s};
    SteelBox(aCanvas, x + 8 * s, aAt.y - 150 * s, 80 * s, 92 * s, 10, aPalette.obstacle, 2.5);
    for (const auto& circle :
         {std::pair<Point, double>{wheel, 30 * s}, {{wheel.x + 10 * s, wheel.y - 22 * s}, 12 * s}})
    {
        const Point centre = circle.first;
        const double radius = circle.second;
        DrawShape(
            aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, centre.x, centre.y, radius, radius); },
            PropStyle(kSteel.Darker(0.1)));
        StrokePath(
            aCanvas,
            [&](cairo_t* aCr) { EllipsePath(aCr, centre.x, centre.y, radius * 0.7, radius * 0.7); },
            kSteel.Darker(0.5), 3.0);
        FillPath(
            aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, centre.x, centre.y, 5, 5); },
            Colour::Rgb(0x222222));
    }
    const double coreX = x + 104 * s;
    const double coreW = 80 * s;
    const double coreTop = aAt.y - 175 * s;
    SteelBox(aCanvas, coreX - 6, coreTop - 14 * s, coreW + 12, 20 * s, 6, kSteel, 2.5);
    FillLinearGradient(aCanvas,
                       [&](cairo_t* aCr) { cairo_rectangle(aCr, coreX, coreTop, coreW, 115 * s); },
                       {coreX, coreTop}, {coreX + coreW, coreTop},
                       {{0.0, Colour::Rgb(0x1c3a58)},
                        {0.35, Colour::Rgb(0x6ad0f0)},
                        {0.5, Colour::Rgb(0xe8fbff)},
                        {0.65, Colour::Rgb(0x6ad0f0)},
                        {1.0, Colour::Rgb(0x1c3a58)}});
    // A dim amber spiral inside: the core idles without its parts.
    StrokePath(
        aCanvas,
        [&](cairo_t* aCr)
        {
            for (double t = 0; t <= 1.0; t += 0.02)
            {
                const double px = coreX + coreW / 2 + std::sin(t * 6 * kPi) * coreW * 0.32;
                const double py = coreTop + 8 + t * 100 * s;
                t == 0 ? cairo_move_to(aCr, px, py) : cairo_line_to(aCr, px, py);
            }
        },
        aPalette.accent.WithAlpha(0.8), 3.0);
    StrokePath(
        aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, coreX, coreTop, coreW, 115 * s); },
        Colour::Rgb(0x11161c), 2.5);
    SteelBox(aCanvas, coreX - 6, aAt.y - 68 * s, coreW + 12, 14 * s, 5, kSteel, 2.5);
    LampGlow(aCanvas, {coreX + coreW / 2, coreTop - 24 * s}, 14, aPalette.accent);
}

void ConsolePicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette)
{
    DropShadow(aCanvas, aAt.x + 6, aAt.y, 120 * aSize * 0.6, 14, 0.45);
    ConsoleBody(aCanvas, aAt, aSize, aPalette);
}

void ConsoleBody(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette)
{
    const double s = aSize;
    const double w = 120 * s;
    const double x = aAt.x - w / 2;
    // A monitor on a stalk behind the desk, then the desk with its sloping keyboard.
    SteelBox(aCanvas, aAt.x - 6, aAt.y - 100 * s, 12, 40 * s, 3, kSteel.Darker(0.3), 2.0);
    SteelBox(aCanvas, x + 8, aAt.y - 130 * s, w - 16, 56 * s, 6, aPalette.obstacle.Darker(0.2),
             2.5);
    Screen(aCanvas, x + 16, aAt.y - 123 * s, w - 32, 42 * s, aAt.x * 0.01);
    FillRadialGradient(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, aAt.x, aAt.y - 100 * s, w * 0.7, 50 * s); },
        {aAt.x, aAt.y - 100 * s}, w * 0.7,
        {{0.0, kScreen.WithAlpha(0.18)}, {1.0, kScreen.WithAlpha(0.0)}});
    SteelBox(aCanvas, x, aAt.y - 60 * s, w, 60 * s, 8, aPalette.obstacle, 2.5);
    DrawShape(
        aCanvas,
        [&](cairo_t* aCr)
        {
            PolygonPath(aCr, {{x + 8, aAt.y - 56 * s},
                              {x + w - 8, aAt.y - 56 * s},
                              {x + w - 2, aAt.y - 30 * s},
                              {x + 2, aAt.y - 30 * s}});
        },
        PropStyle(aPalette.obstacle.Lighter(0.25), 2.0));
    for (int i = 0; i < 8; ++i)
    {
        const double kx = x + 12 + (i % 4) * (w - 24) / 4;
        const int row = i / 4;
        const double ky = aAt.y - (51 - row * 11) * s;
        FillPath(
            aCanvas,
            [&](cairo_t* aCr) { RoundedRectPath(aCr, kx, ky, (w - 24) / 4 - 4, 7 * s, 2); },
            aPalette.obstacle.Darker(0.3));
    }
    for (int i = 0; i < 4; ++i)
    {
        LampGlow(aCanvas, {x + 18 + i * (w - 36) / 3, aAt.y - 16 * s}, 7,
                 i % 2 ? aPalette.accent : Colour::Rgb(0xe0503a));
    }
}

void LampGlow(Canvas& aCanvas, Point aAt, double aRadius, const Colour& aColour)
{
    FillRadialGradient(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, aAt.x, aAt.y, aRadius, aRadius); }, aAt,
        aRadius, {{0.0, aColour.Lighter(0.6)}, {0.3, aColour}, {1.0, aColour.WithAlpha(0.0)}});
}

void SteelBox(Canvas& aCanvas, double aX, double aY, double aWidth, double aHeight, double aRadius,
              const Colour& aFill, double aOutline)
{
    DrawShape(
        aCanvas, [&](cairo_t* aCr) { RoundedRectPath(aCr, aX, aY, aWidth, aHeight, aRadius); },
        PropStyle(aFill, aOutline));
}
}  // namespace content
