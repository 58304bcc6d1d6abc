// The drawings of the items, each in a 100 x 100 box, in the house style: flat colour, one
// step of shading, light from the top left, dark outline.
#include <cmath>
#include <vector>

#include "items/items.h"

namespace content
{
namespace
{
constexpr double kPi = 3.14159265358979323846;
constexpr double kOutline = 3.4;
const Colour kInk = Colour::Rgb(0x1c1712);

ShapeStyle Style(const Colour& aFill)
{
    ShapeStyle style;
    style.fill = aFill;
    style.outlineWidth = kOutline;
    return style;
}

void Ellipse(Canvas& aCanvas, double aX, double aY, double aRx, double aRy, const Colour& aFill)
{
    DrawShape(
        aCanvas, [=](cairo_t* aCr) { EllipsePath(aCr, aX, aY, aRx, aRy); }, Style(aFill));
}

void Polygon(Canvas& aCanvas, const std::vector<Point>& aPoints, const Colour& aFill)
{
    DrawShape(
        aCanvas, [=](cairo_t* aCr) { PolygonPath(aCr, aPoints); }, Style(aFill));
}

void Blob(Canvas& aCanvas, uint64_t aSeed, double aX, double aY, double aRx, double aRy,
          const Colour& aFill)
{
    Random random(aSeed);
    const std::vector<Point> points = BlobPoints(random, aX, aY, aRx, aRy, 9, 0.12);
    DrawShape(
        aCanvas, [=](cairo_t* aCr) { SmoothPath(aCr, points); }, Style(aFill));
}

// A thick outlined stroke along the points.
void Cord(Canvas& aCanvas, const std::vector<Point>& aPoints, double aWidth, const Colour& aColour)
{
    const auto path = [=](cairo_t* aCr)
    {
        cairo_move_to(aCr, aPoints[0].x, aPoints[0].y);
        for (size_t i = 1; i < aPoints.size(); ++i)
        {
            cairo_line_to(aCr, aPoints[i].x, aPoints[i].y);
        }
    };
    StrokePath(aCanvas, path, kInk, aWidth + 2 * kOutline);
    StrokePath(aCanvas, path, aColour, aWidth);
}

void Line(Canvas& aCanvas, double aX0, double aY0, double aX1, double aY1, const Colour& aColour,
          double aWidth)
{
    StrokePath(
        aCanvas,
        [=](cairo_t* aCr)
        {
            cairo_move_to(aCr, aX0, aY0);
            cairo_line_to(aCr, aX1, aY1);
        },
        aColour, aWidth);
}

void WoodPiece(Canvas& aCanvas, double aX0, double aY0, double aX1, double aY1, double aRadius)
{
    Cord(aCanvas, {{aX0, aY0}, {aX1, aY1}}, 2 * aRadius, Colour::Rgb(0x8a5a32));
    Line(aCanvas, aX0, aY0 - aRadius * 0.35, aX1, aY1 - aRadius * 0.35, Colour::Rgb(0xa9744a),
         aRadius * 0.4);
    const double angle = std::atan2(aY1 - aY0, aX1 - aX0);
    DrawShape(
        aCanvas,
        [=](cairo_t* aCr)
        {
            cairo_save(aCr);
            cairo_translate(aCr, aX1, aY1);
            cairo_rotate(aCr, angle);
            cairo_scale(aCr, 0.55, 1.0);
            cairo_arc(aCr, 0, 0, aRadius, 0, 2 * kPi);
            cairo_restore(aCr);
        },
        Style(Colour::Rgb(0xd9b27a)));
}

// An open coconut shell seen from the side, holding aFill.
void ShellWith(Canvas& aCanvas, const Colour& aFill, bool aHeaped)
{
    DrawShape(
        aCanvas,
        [](cairo_t* aCr)
        {
            cairo_move_to(aCr, 14, 48);
            cairo_curve_to(aCr, 16, 92, 84, 92, 86, 48);
            cairo_close_path(aCr);
        },
        Style(Colour::Rgb(0x6b4424)));
    Ellipse(aCanvas, 50, 48, 36, 11, Colour::Rgb(0xf2ead8));
    if (aHeaped)
    {
        Blob(aCanvas, 7, 50, 42, 28, 13, aFill);
    }
    else
    {
        Ellipse(aCanvas, 50, 49, 30, 8, aFill);
    }
}
}  // namespace

namespace art
{
void Wire(Canvas& aCanvas)
{
    for (int turn = 0; turn < 5; ++turn)
    {
        const double x = 30 + turn * 10;
        StrokePath(
            aCanvas, [=](cairo_t* aCr) { EllipsePath(aCr, x, 50, 13, 26); }, kInk, 7);
        StrokePath(
            aCanvas, [=](cairo_t* aCr) { EllipsePath(aCr, x, 50, 13, 26); }, Colour::Rgb(0xd0783a),
            3.5);
    }
    Cord(aCanvas, {{70, 60}, {84, 74}, {90, 88}}, 3.5, Colour::Rgb(0xd0783a));
}

void SharpFlint(Canvas& aCanvas)
{
    Polygon(aCanvas, {{14, 80}, {40, 22}, {58, 12}, {88, 70}, {62, 88}}, Colour::Rgb(0x5d6672));
    Line(aCanvas, 40, 24, 52, 82, Colour::Rgb(0x8893a0), 2.5);
    Line(aCanvas, 58, 14, 70, 60, Colour::Rgb(0x3f4650), 2);
}

void Flint(Canvas& aCanvas)
{
    Blob(aCanvas, 11, 50, 56, 36, 28, Colour::Rgb(0x6d7580));
    Line(aCanvas, 34, 46, 52, 62, Colour::Rgb(0x4a515a), 2.5);
    Line(aCanvas, 52, 62, 70, 50, Colour::Rgb(0x4a515a), 2.5);
}

void Stick(Canvas& aCanvas)
{
    Cord(aCanvas, {{10, 78}, {90, 22}}, 7, Colour::Rgb(0x8a5a32));
    Cord(aCanvas, {{52, 49}, {62, 72}}, 4, Colour::Rgb(0x8a5a32));
    Ellipse(aCanvas, 64, 76, 6, 4, Colour::Rgb(0x5b9a3a));
}

void Logs(Canvas& aCanvas)
{
    WoodPiece(aCanvas, 12, 72, 80, 72, 11);
    WoodPiece(aCanvas, 16, 50, 84, 52, 11);
    WoodPiece(aCanvas, 24, 30, 78, 32, 10);
    Cord(aCanvas, {{46, 22}, {46, 84}}, 3, Colour::Rgb(0xc9a66b));
}

void Coconut(Canvas& aCanvas)
{
    Ellipse(aCanvas, 50, 54, 36, 34, Colour::Rgb(0x6b4424));
    Random fibres(3);
    Speckle(aCanvas, [](cairo_t* aCr) { EllipsePath(aCr, 50, 54, 32, 30); }, fibres, 40, 1.0, 2.2,
            {Colour::Rgb(0x4e3018), Colour::Rgb(0x8a5c34)});
    for (const Point& eye : {Point{42, 30}, Point{54, 30}, Point{48, 40}})
    {
        FillPath(
            aCanvas, [=](cairo_t* aCr) { EllipsePath(aCr, eye.x, eye.y, 3, 3); }, kInk);
    }
}

void Log(Canvas& aCanvas)
{
    WoodPiece(aCanvas, 14, 72, 84, 34, 15);
}

void DriedLeaves(Canvas& aCanvas)
{
    const Colour colours[] = {Colour::Rgb(0xc8a05a), Colour::Rgb(0xa8743a), Colour::Rgb(0xd6b46e)};
    for (int i = 0; i < 5; ++i)
    {
        const double angle = -0.9 + i * 0.45;
        DrawShape(
            aCanvas,
            [=](cairo_t* aCr)
            {
                cairo_save(aCr);
                cairo_translate(aCr, 30 + i * 10, 66 - (i % 2) * 10);
                cairo_rotate(aCr, angle);
                EllipsePath(aCr, 0, 0, 24, 9);
                cairo_restore(aCr);
            },
            Style(colours[i % 3]));
    }
}

void CoconutLatex(Canvas& aCanvas)
{
    ShellWith(aCanvas, Colour::Rgb(0xfbfbf4), false);
    Cord(aCanvas, {{50, 20}, {50, 38}}, 4, Colour::Rgb(0xfbfbf4));
}

void Sulphur(Canvas& aCanvas)
{
    Polygon(aCanvas, {{14, 84}, {26, 44}, {44, 36}, {54, 84}}, Colour::Rgb(0xe6cf2c));
    Polygon(aCanvas, {{40, 86}, {50, 24}, {66, 18}, {76, 86}}, Colour::Rgb(0xf2df3a));
    Polygon(aCanvas, {{64, 88}, {78, 52}, {92, 60}, {88, 88}}, Colour::Rgb(0xd8bd22));
}

void CoconutGuano(Canvas& aCanvas)
{
    ShellWith(aCanvas, Colour::Rgb(0xb9b4a4), true);
    Random flecks(5);
    Speckle(aCanvas, [](cairo_t* aCr) { EllipsePath(aCr, 50, 40, 26, 11); }, flecks, 18, 1.0, 2.5,
            {Colour::Rgb(0x6e5a40), Colour::Rgb(0xf4f2ea)});
}

void Guano(Canvas& aCanvas)
{
    Blob(aCanvas, 21, 50, 66, 40, 18, Colour::Rgb(0xb9b4a4));
    Blob(aCanvas, 22, 52, 54, 24, 12, Colour::Rgb(0xd8d4c6));
    Blob(aCanvas, 23, 50, 44, 12, 7, Colour::Rgb(0xeeeadf));
}

void MagneticStone(Canvas& aCanvas)
{
    Blob(aCanvas, 31, 50, 58, 38, 30, Colour::Rgb(0x4a4660));
    Polygon(aCanvas, {{36, 40}, {50, 30}, {62, 44}, {48, 52}}, Colour::Rgb(0x6e6a8c));
    for (const Point& chip : {Point{30, 70}, Point{64, 72}, Point{72, 52}})
    {
        FillPath(
            aCanvas, [=](cairo_t* aCr) { EllipsePath(aCr, chip.x, chip.y, 3, 2); },
            Colour::Rgb(0xc9d3df));
    }
    Line(aCanvas, 80, 18, 88, 26, Colour::Rgb(0x8ad0ff), 3);
    Line(aCanvas, 88, 18, 80, 26, Colour::Rgb(0x8ad0ff), 3);
}

void BrokenBelt(Canvas& aCanvas)
{
    StrokePath(
        aCanvas, [](cairo_t* aCr) { cairo_arc(aCr, 50, 52, 30, 0.5, 2 * kPi - 0.3); }, kInk, 16);
    StrokePath(
        aCanvas, [](cairo_t* aCr) { cairo_arc(aCr, 50, 52, 30, 0.5, 2 * kPi - 0.3); },
        Colour::Rgb(0x3a3a3e), 9);
    Polygon(aCanvas, {{78, 60}, {92, 66}, {86, 74}, {76, 68}}, Colour::Rgb(0x3a3a3e));
    Polygon(aCanvas, {{80, 40}, {94, 34}, {92, 44}}, Colour::Rgb(0x3a3a3e));
}

void Rope(Canvas& aCanvas)
{
    for (int ring = 0; ring < 3; ++ring)
    {
        const double radius = 34 - ring * 9;
        StrokePath(
            aCanvas, [=](cairo_t* aCr) { EllipsePath(aCr, 50, 54, radius, radius * 0.7); }, kInk,
            11);
        StrokePath(
            aCanvas, [=](cairo_t* aCr) { EllipsePath(aCr, 50, 54, radius, radius * 0.7); },
            Colour::Rgb(0xc9a66b), 6);
    }
    Cord(aCanvas, {{80, 62}, {90, 84}}, 6, Colour::Rgb(0xc9a66b));
}

void Diamond(Canvas& aCanvas)
{
    Polygon(aCanvas, {{20, 40}, {34, 22}, {66, 22}, {80, 40}, {50, 86}}, Colour::Rgb(0x7fe3f0));
    Polygon(aCanvas, {{34, 22}, {42, 40}, {58, 40}, {66, 22}}, Colour::Rgb(0xc8f6fb));
    Line(aCanvas, 20, 40, 80, 40, Colour::Rgb(0x3aa6c0), 2);
    Line(aCanvas, 42, 40, 50, 84, Colour::Rgb(0x3aa6c0), 2);
    Line(aCanvas, 58, 40, 50, 84, Colour::Rgb(0x3aa6c0), 2);
}

void GoldNecklace(Canvas& aCanvas)
{
    for (int link = 0; link < 13; ++link)
    {
        const double angle = kPi * (0.1 + 0.8 * link / 12.0);
        const double x = 50 + 36 * std::cos(angle);
        const double y = 30 + 40 * std::sin(angle);
        Ellipse(aCanvas, x, y, 4.5, 3.5, Colour::Rgb(0xe8b83a));
    }
    Polygon(aCanvas, {{42, 72}, {58, 72}, {50, 92}}, Colour::Rgb(0xf0c850));
}

void Banana(Canvas& aCanvas)
{
    DrawShape(
        aCanvas,
        [](cairo_t* aCr)
        {
            cairo_move_to(aCr, 16, 30);
            cairo_curve_to(aCr, 22, 82, 70, 90, 90, 62);
            cairo_curve_to(aCr, 66, 72, 34, 66, 26, 26);
            cairo_close_path(aCr);
        },
        Style(Colour::Rgb(0xf2d23a)));
    Cord(aCanvas, {{20, 28}, {18, 18}}, 4, Colour::Rgb(0x6b5a2a));
}

void BigLeaves(Canvas& aCanvas)
{
    for (int leaf = 0; leaf < 2; ++leaf)
    {
        const double angle = -0.5 + leaf * 0.9;
        const Colour green = leaf == 0 ? Colour::Rgb(0x3f9a3a) : Colour::Rgb(0x55b248);
        DrawShape(
            aCanvas,
            [=](cairo_t* aCr)
            {
                cairo_save(aCr);
                cairo_translate(aCr, 50, 54);
                cairo_rotate(aCr, angle);
                EllipsePath(aCr, 0, 0, 42, 15);
                cairo_restore(aCr);
            },
            Style(green));
        Line(aCanvas, 50 - 38 * std::cos(angle), 54 - 38 * std::sin(angle),
             50 + 38 * std::cos(angle), 54 + 38 * std::sin(angle), green.Darker(0.35), 2);
    }
}

void RefinedLatex(Canvas& aCanvas)
{
    ShellWith(aCanvas, Colour::Rgb(0xc98a2e), true);
}

void Axe(Canvas& aCanvas)
{
    Cord(aCanvas, {{22, 90}, {66, 18}}, 8, Colour::Rgb(0x8a5a32));
    Polygon(aCanvas, {{50, 30}, {84, 14}, {92, 40}, {62, 46}}, Colour::Rgb(0x5d6672));
    Cord(aCanvas, {{56, 26}, {66, 44}}, 3, Colour::Rgb(0xd0783a));
}

void CoconutHalf1(Canvas& aCanvas)
{
    ShellWith(aCanvas, Colour::Rgb(0xf2ead8), false);
}

void CoconutHalf2(Canvas& aCanvas)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, 100, 0);
    cairo_scale(cr, -1, 1);
    cairo_rotate(cr, 0.15);
    ShellWith(aCanvas, Colour::Rgb(0xe4dac4), false);
    cairo_restore(cr);
}

void Fire(Canvas& aCanvas)
{
    WoodPiece(aCanvas, 16, 84, 80, 76, 7);
    WoodPiece(aCanvas, 84, 86, 22, 74, 7);
    Blob(aCanvas, 41, 50, 52, 24, 30, Colour::Rgb(0xf07a22));
    Blob(aCanvas, 42, 50, 58, 15, 20, Colour::Rgb(0xf8c23a));
    Blob(aCanvas, 43, 50, 64, 7, 10, Colour::Rgb(0xfff2a0));
}

void Charcoal(Canvas& aCanvas)
{
    Blob(aCanvas, 51, 34, 64, 22, 16, Colour::Rgb(0x2a2a2e));
    Blob(aCanvas, 52, 66, 62, 20, 18, Colour::Rgb(0x343438));
    Blob(aCanvas, 53, 50, 44, 18, 14, Colour::Rgb(0x3e3e44));
}

void Gunpowder(Canvas& aCanvas)
{
    ShellWith(aCanvas, Colour::Rgb(0x3a3a40), true);
    Cord(aCanvas, {{50, 36}, {58, 20}, {70, 14}}, 3, Colour::Rgb(0xc9a66b));
    Ellipse(aCanvas, 72, 12, 4, 4, Colour::Rgb(0xf8c23a));
}

void RubberString(Canvas& aCanvas)
{
    Wire(aCanvas);
    StrokePath(
        aCanvas, [](cairo_t* aCr) { EllipsePath(aCr, 50, 50, 34, 30); },
        Colour::Rgb(0xf4efe0, 0.85), 6);
}

void WholeBelt(Canvas& aCanvas)
{
    StrokePath(
        aCanvas, [](cairo_t* aCr) { EllipsePath(aCr, 50, 52, 32, 28); }, kInk, 17);
    StrokePath(
        aCanvas, [](cairo_t* aCr) { EllipsePath(aCr, 50, 52, 32, 28); }, Colour::Rgb(0x3a3a3e), 10);
    StrokePath(
        aCanvas, [](cairo_t* aCr) { cairo_arc(aCr, 50, 52, 32, -0.4, 0.4); }, Colour::Rgb(0xc98a2e),
        10);
}
}  // namespace art
}  // namespace content
