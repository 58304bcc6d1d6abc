// Roderick: a round steel robot with one big eye, hovering over a soft shadow.
#include <cmath>

#include "characters/characters.h"

namespace content
{
namespace
{
const Colour kOutline = Colour::Rgb(0x1c1712);
const Colour kSteel = Colour::Rgb(0x9aa7b4);
const Colour kEyeLit = Colour::Rgb(0x55e0ff);
const Colour kLamp = Colour::Rgb(0xffb43a);

void DrawEye(Canvas& aCanvas, double aRadius, const RobotPose& aPose)
{
    const double squash = 1.0 - 0.45 * std::fabs(aPose.facing.x);
    const double x = aPose.facing.x * aRadius * 0.5;
    const double y = aPose.facing.y * aRadius * 0.18 + aRadius * 0.05;
    const double size = aRadius * 0.46;
    ShapeStyle socket;
    socket.fill = Colour::Rgb(0x2b3038);
    socket.outlineWidth = aRadius * 0.08;
    DrawShape(
        aCanvas, [=](cairo_t* aCr) { EllipsePath(aCr, x, y, size * squash, size); }, socket);
    const Colour iris = Colour::Rgb(0x1d2a33).Mix(kEyeLit, aPose.eye);
    FillRadialGradient(
        aCanvas, [=](cairo_t* aCr) { EllipsePath(aCr, x, y, size * 0.72 * squash, size * 0.72); },
        Point{x, y}, size * 0.72,
        {{0.0, iris.Lighter(0.5 * aPose.eye)}, {0.7, iris}, {1.0, iris.Darker(0.35)}});
    FillPath(
        aCanvas,
        [=](cairo_t* aCr) {
            EllipsePath(aCr, x + aPose.facing.x * size * 0.15, y, size * 0.26 * squash,
                        size * 0.26);
        },
        Colour::Rgb(0x0c1014));
    FillPath(
        aCanvas,
        [=](cairo_t* aCr)
        { EllipsePath(aCr, x - size * 0.3 * squash, y - size * 0.3, size * 0.14, size * 0.11); },
        Colour::Rgb(0xffffff, 0.85));
}

void DrawBackPanel(Canvas& aCanvas, double aRadius, const RobotPose& aPose)
{
    const double x = aPose.facing.x * aRadius * 0.25;
    ShapeStyle panel;
    panel.fill = kSteel.Darker(0.15);
    panel.outlineWidth = aRadius * 0.06;
    DrawShape(
        aCanvas,
        [=](cairo_t* aCr)
        {
            RoundedRectPath(aCr, x - aRadius * 0.35, -aRadius * 0.3, aRadius * 0.7, aRadius * 0.55,
                            aRadius * 0.1);
        },
        panel);
    for (int i = 0; i < 3; ++i)
    {
        const double ventY = -aRadius * 0.18 + i * aRadius * 0.15;
        StrokePath(
            aCanvas,
            [=](cairo_t* aCr)
            {
                cairo_move_to(aCr, x - aRadius * 0.22, ventY);
                cairo_line_to(aCr, x + aRadius * 0.22, ventY);
            },
            kOutline.WithAlpha(0.7), aRadius * 0.05);
    }
}
}  // namespace

void DrawRobot(Canvas& aCanvas, double aX, double aY, double aRadius, double aGround,
               const RobotPose& aPose)
{
    cairo_t* cr = aCanvas.Cr();
    const double centreY = aY - aPose.lift;
    // The shadow stays on the ground and shrinks as he rises.
    const double shadow = 1.0 - 0.02 * aPose.lift;
    DropShadow(aCanvas, aX, aY + aGround, aRadius * 0.85 * shadow, aRadius * 0.25 * shadow, 0.4);
    cairo_save(cr);
    cairo_translate(cr, aX, centreY);
    cairo_rotate(cr, aPose.tilt);
    const double line = aRadius * 0.11;

    // Antenna with its lamp.
    StrokePath(
        aCanvas,
        [=](cairo_t* aCr)
        {
            cairo_move_to(aCr, 0, -aRadius * 0.9);
            cairo_line_to(aCr, aRadius * 0.1, -aRadius * 1.35);
        },
        kOutline, line * 0.9);
    ShapeStyle bulb;
    bulb.fill = aPose.lamp ? kLamp : kLamp.Darker(0.6);
    bulb.outlineWidth = line * 0.8;
    DrawShape(
        aCanvas,
        [=](cairo_t* aCr)
        { EllipsePath(aCr, aRadius * 0.1, -aRadius * 1.38, aRadius * 0.14, aRadius * 0.14); },
        bulb);

    // Side bolts, then the round body.
    ShapeStyle bolt;
    bolt.fill = kSteel.Darker(0.25);
    bolt.outlineWidth = line;
    for (int side : {-1, 1})
    {
        const double boltX = side * aRadius * (0.98 - 0.2 * std::fabs(aPose.facing.x));
        DrawShape(
            aCanvas,
            [=](cairo_t* aCr)
            { EllipsePath(aCr, boltX, aRadius * 0.05, aRadius * 0.17, aRadius * 0.26); },
            bolt);
    }
    ShapeStyle body;
    body.fill = kSteel;
    body.outlineWidth = line;
    body.shade = 0.35;
    body.highlight = 0.25;
    DrawShape(
        aCanvas, [=](cairo_t* aCr) { EllipsePath(aCr, 0, 0, aRadius, aRadius * 0.96); }, body);
    // A brass band round his middle.
    StrokePath(
        aCanvas,
        [=](cairo_t* aCr)
        {
            cairo_save(aCr);
            cairo_scale(aCr, 1.0, 0.35);
            cairo_arc(aCr, 0, aRadius * 1.25, aRadius * 0.97, 0.15, 3.0);
            cairo_restore(aCr);
        },
        Colour::Rgb(0xb8923a), aRadius * 0.12);
    if (aPose.facing.y > -0.55)
    {
        DrawEye(aCanvas, aRadius, aPose);
    }
    else
    {
        DrawBackPanel(aCanvas, aRadius, aPose);
    }
    cairo_restore(cr);
}
}  // namespace content
