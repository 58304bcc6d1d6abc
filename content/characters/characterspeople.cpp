// People drawn as a small paper doll: legs, body, arms and head placed from the facing
// direction and the walk phase, so eight directions and every walk frame come from one drawing.
#include <algorithm>
#include <cmath>

#include "characters/characters.h"

namespace content
{
namespace
{
constexpr double kPi = 3.14159265358979323846;
const Colour kOutline = Colour::Rgb(0x1c1712);

struct Doll
{
    Canvas& canvas;
    const PersonStyle& style;
    Facing facing;
    double line;  // outline width in doll units

    ShapeStyle Style(const Colour& aFill) const
    {
        ShapeStyle shape;
        shape.fill = aFill;
        shape.outlineWidth = line;
        return shape;
    }

    // A limb as a rounded stroke with an outline.
    void Limb(double aX0, double aY0, double aX1, double aY1, double aWidth,
              const Colour& aColour) const
    {
        const auto path = [=](cairo_t* aCr)
        {
            cairo_move_to(aCr, aX0, aY0);
            cairo_line_to(aCr, aX1, aY1);
        };
        StrokePath(canvas, path, kOutline, aWidth + 2 * line);
        StrokePath(canvas, path, aColour, aWidth);
    }

    void Ellipse(double aX, double aY, double aRx, double aRy, const Colour& aColour) const
    {
        DrawShape(
            canvas, [=](cairo_t* aCr) { EllipsePath(aCr, aX, aY, aRx, aRy); }, Style(aColour));
    }
};

void DrawLegs(const Doll& aDoll, double aPhase, double aStride, double aHipY)
{
    const double side = aDoll.facing.x;
    const double front = aDoll.facing.y;
    const double hipSeparation = 4.5 * (1.0 - 0.7 * std::fabs(side));
    // The leg further from the viewer first.
    for (int leg : {-1, 1})
    {
        const double swing = std::sin(aPhase + (leg > 0 ? kPi : 0.0)) * aStride;
        const double lift = std::max(0.0, std::cos(aPhase + (leg > 0 ? kPi : 0.0))) * aStride;
        const double hipX = leg * hipSeparation;
        const double footX = hipX + swing * side * 9.0;
        const double footY = swing * front * 3.5 - lift * 3.0;
        aDoll.Limb(hipX, aHipY, footX, footY - 3.0, 6.5, aDoll.style.legs);
        aDoll.Ellipse(footX + side * 2.0, footY - 2.0, 4.2 + std::fabs(side) * 1.5, 3.0,
                      aDoll.style.shoes);
    }
}

void DrawBody(const Doll& aDoll, double aShoulderY)
{
    const double side = std::fabs(aDoll.facing.x);
    const double shoulder = 11.0 * (1.0 - 0.3 * side);
    const double hemHalf = (aDoll.style.labCoat ? 13.5 : 12.5) * (1.0 - 0.25 * side);
    const double hemY = -aDoll.style.hem;
    const auto body = [=](cairo_t* aCr)
    {
        cairo_move_to(aCr, -shoulder, aShoulderY + 2);
        cairo_curve_to(aCr, -shoulder, aShoulderY - 3, shoulder, aShoulderY - 3, shoulder,
                       aShoulderY + 2);
        cairo_line_to(aCr, hemHalf, hemY);
        cairo_curve_to(aCr, hemHalf * 0.4, hemY + 2, -hemHalf * 0.4, hemY + 2, -hemHalf, hemY);
        cairo_close_path(aCr);
    };
    DrawShape(aDoll.canvas, body, aDoll.Style(aDoll.style.top));
    const Colour crease = aDoll.style.top.Darker(0.3);
    const double openX = aDoll.facing.x * 4.0;
    if (aDoll.style.labCoat && aDoll.facing.y > -0.4)
    {
        // The coat's opening, lapels and a pocket.
        StrokePath(
            aDoll.canvas,
            [=](cairo_t* aCr)
            {
                cairo_move_to(aCr, openX, aShoulderY + 1);
                cairo_line_to(aCr, openX, hemY);
            },
            crease, 1.2);
        StrokePath(
            aDoll.canvas,
            [=](cairo_t* aCr)
            {
                cairo_move_to(aCr, openX - 5, aShoulderY);
                cairo_line_to(aCr, openX, aShoulderY + 9);
                cairo_line_to(aCr, openX + 5, aShoulderY);
            },
            crease, 1.2);
        FillPath(
            aDoll.canvas,
            [=](cairo_t* aCr)
            { cairo_rectangle(aCr, openX + 3 - 8 * aDoll.facing.x, hemY - 14, 5, 1.5); },
            crease);
    }
    else if (!aDoll.style.labCoat)
    {
        // A belt of a darker shade.
        FillPath(
            aDoll.canvas,
            [=](cairo_t* aCr)
            { cairo_rectangle(aCr, -shoulder + 1, aShoulderY + 19, 2 * shoulder - 2, 2.5); },
            crease);
    }
}

void DrawArms(const Doll& aDoll, double aPhase, double aStride, double aShoulderY)
{
    const double side = aDoll.facing.x;
    const double shoulder = 10.0 * (1.0 - 0.55 * std::fabs(side));
    for (int arm : {-1, 1})
    {
        const double swing = std::sin(aPhase + (arm > 0 ? 0.0 : kPi)) * aStride;
        const double x0 = arm * shoulder;
        const double x1 = x0 + arm * 2.0 + swing * side * 8.0;
        const double y1 = aShoulderY + 21 + swing * aDoll.facing.y * 2.0;
        aDoll.Limb(x0, aShoulderY + 3, x1, y1, 5.0, aDoll.style.top);
        aDoll.Ellipse(x1, y1 + 2.5, 2.6, 2.6, aDoll.style.skin);
    }
}

void DrawHair(const Doll& aDoll, double aHeadX, double aHeadY, double aRadius, bool aBehind)
{
    const PersonStyle& style = aDoll.style;
    const double side = aDoll.facing.x;
    const double front = aDoll.facing.y;
    if (aBehind)
    {
        if (style.hairStyle == HairStyle::Ponytail && front < 0.7 && front > -0.35)
        {
            aDoll.Ellipse(aHeadX - side * 9.0, aHeadY + 7.0 - front * 2.0, 4.5, 9.0, style.hair);
        }
        if (style.hairStyle == HairStyle::Braids)
        {
            for (int braid : {-1, 1})
            {
                aDoll.Ellipse(aHeadX + braid * 9.0 - side * 3.0, aHeadY + 9.0, 3.0, 7.0,
                              style.hair);
            }
        }
        return;
    }
    // The hair mass sits on the side of the head that faces away from the viewer.
    const Colour& colour = style.hair;  // a scarf is drawn in the hair's place
    const double centreX = aHeadX - side * 5.5;
    const double centreY = aHeadY - 4.0 - front * 6.5;
    const double grow = style.hairStyle == HairStyle::Scarf ? 1.25 : 1.1;
    cairo_t* cr = aDoll.canvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    EllipsePath(cr, aHeadX, aHeadY - 0.5, aRadius * grow, aRadius * (grow + 0.02));
    cairo_clip(cr);
    FillPath(
        aDoll.canvas,
        [=](cairo_t* aCr) { EllipsePath(aCr, centreX, centreY, aRadius * 1.1, aRadius); }, colour);
    cairo_restore(cr);
    if (style.hairStyle == HairStyle::Ponytail && front <= -0.35)
    {
        // Seen from behind, the ponytail hangs over the back of the head.
        aDoll.Ellipse(aHeadX - side * 6.0, aHeadY + 8.0, 4.5, 9.0, style.hair);
    }
}

void DrawHead(const Doll& aDoll, double aHeadY)
{
    const double side = aDoll.facing.x;
    const double front = aDoll.facing.y;
    const double radius = 11.0;
    const double headX = side * 1.5;
    DrawHair(aDoll, headX, aHeadY, radius, true);
    aDoll.Limb(0, aHeadY + 8, 0, aHeadY + 13, 5, aDoll.style.skin);
    aDoll.Ellipse(headX, aHeadY, radius, radius * 1.02, aDoll.style.skin);
    DrawHair(aDoll, headX, aHeadY, radius, false);
    if (aDoll.style.feather)
    {
        StrokePath(
            aDoll.canvas,
            [=](cairo_t* aCr)
            {
                cairo_move_to(aCr, headX - radius, aHeadY - 3);
                cairo_line_to(aCr, headX + radius, aHeadY - 3);
            },
            Colour::Rgb(0xb03a2e), 3.0);
        aDoll.Ellipse(headX - side * 8 + 6, aHeadY - 15, 2.5, 8.0, Colour::Rgb(0xe8d8a8));
    }
    if (front < -0.35)
    {
        return;  // seen from behind: no face
    }
    const Colour ink = Colour::Rgb(0x2a1d16);
    const double spread = 4.2 * (1.0 - 0.45 * std::fabs(side));
    const double eyeX = headX + side * 4.5;
    const double eyeY = aHeadY + 1.5;
    for (int eye : {-1, 1})
    {
        if (std::fabs(side) > 0.8 && eye * side < 0)
        {
            continue;  // the far eye is hidden in profile
        }
        const double x = eyeX + eye * spread;
        FillPath(
            aDoll.canvas, [=](cairo_t* aCr) { EllipsePath(aCr, x, eyeY, 1.5, 1.9); }, ink);
        if (aDoll.style.glasses)
        {
            StrokePath(
                aDoll.canvas, [=](cairo_t* aCr) { EllipsePath(aCr, x, eyeY, 3.3, 3.0); }, ink, 0.9);
        }
    }
    StrokePath(
        aDoll.canvas,
        [=](cairo_t* aCr)
        {
            cairo_move_to(aCr, eyeX - 2.0, aHeadY + 6.5);
            cairo_curve_to(aCr, eyeX - 1, aHeadY + 7.5, eyeX + 1, aHeadY + 7.5, eyeX + 2,
                           aHeadY + 6.5);
        },
        Colour::Rgb(0x8a3b2c), 1.0);
}
}  // namespace

PersonStyle HeroineStyle()
{
    return {Colour::Rgb(0xf0c39c),
            Colour::Rgb(0xd8431b),
            Colour::Rgb(0xf4f4ef),
            Colour::Rgb(0x33435e),
            Colour::Rgb(0x3a2a1e),
            26.0,
            1.0,
            HairStyle::Ponytail,
            true,
            true,
            false};
}

PersonStyle WomanStyle()
{
    return {Colour::Rgb(0xc68a5e),
            Colour::Rgb(0x2f6b5e),
            Colour::Rgb(0x9a5b32),
            Colour::Rgb(0x8a5030),
            Colour::Rgb(0x5a3a22),
            6.0,
            1.0,
            HairStyle::Scarf,
            false,
            false,
            false};
}

PersonStyle NativeStyle()
{
    return {Colour::Rgb(0x8d5a3b),
            Colour::Rgb(0x1e1610),
            Colour::Rgb(0x7a6a3a),
            Colour::Rgb(0x8d5a3b),
            Colour::Rgb(0x5a3a22),
            30.0,
            1.06,
            HairStyle::Short,
            false,
            false,
            true};
}

PersonStyle BoyStyle()
{
    return {Colour::Rgb(0xb57a50),
            Colour::Rgb(0x221810),
            Colour::Rgb(0x6f8f3f),
            Colour::Rgb(0xb57a50),
            Colour::Rgb(0x5a3a22),
            30.0,
            0.72,
            HairStyle::Short,
            false,
            false,
            false};
}

PersonStyle GirlStyle()
{
    return {Colour::Rgb(0xb57a50),
            Colour::Rgb(0x3b2416),
            Colour::Rgb(0xb55a4a),
            Colour::Rgb(0xb57a50),
            Colour::Rgb(0x5a3a22),
            22.0,
            0.7,
            HairStyle::Braids,
            false,
            false,
            false};
}

PersonStyle VillageChildStyle()
{
    return {Colour::Rgb(0x9a6440),
            Colour::Rgb(0x14100c),
            Colour::Rgb(0xe0a030),
            Colour::Rgb(0x9a6440),
            Colour::Rgb(0x5a3a22),
            28.0,
            0.64,
            HairStyle::Short,
            false,
            false,
            true};
}

void DrawPerson(Canvas& aCanvas, const PersonStyle& aStyle, double aFeetX, double aFeetY,
                Facing aFacing, double aPhase, double aStride)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, aFeetX, aFeetY);
    cairo_scale(cr, aStyle.scale, aStyle.scale);
    const double length = std::hypot(aFacing.x, aFacing.y);
    const Facing facing{aFacing.x / length, aFacing.y / length};
    const Doll doll{aCanvas, aStyle, facing, std::min(2.5, 4.0 / aStyle.scale)};
    DropShadow(aCanvas, 0, -1, 13, 4.5, 0.35);
    // A walk bobs the body a little, twice per stride.
    const double bob = -std::fabs(std::cos(aPhase)) * aStride * 1.5;
    const double hipY = -37 + bob;
    const double shoulderY = -61 + bob;
    const bool awayFromViewer = facing.y < -0.2;
    DrawLegs(doll, aPhase, aStride, hipY);
    if (!awayFromViewer)
    {
        DrawBody(doll, shoulderY);
        DrawArms(doll, aPhase, aStride, shoulderY);
    }
    else
    {
        DrawArms(doll, aPhase, aStride, shoulderY);
        DrawBody(doll, shoulderY);
    }
    DrawHead(doll, -75 + bob);
    cairo_restore(cr);
}
}  // namespace content
