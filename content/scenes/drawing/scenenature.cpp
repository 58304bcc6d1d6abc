// The natural shapes that several props share: trunks, palm fronds, leafy crowns, the cave
// mouth and its arch, the volcano's broken stair, and fences.
#include <cmath>

#include "scenes/drawing/scenepaint.h"

namespace content
{
namespace
{
constexpr double kPi = 3.14159265358979323846;
const Colour kWood = Colour::Rgb(0x8a6238);
}  // namespace

void Trunk(Canvas& aCanvas, Point aBase, double aWidth, double aHeight, double aLean,
           const Colour& aColour)
{
    const std::vector<Point> trunk = {{aBase.x - aWidth / 2, aBase.y},
                                      {aBase.x - aWidth * 0.3 + aLean, aBase.y - aHeight},
                                      {aBase.x + aWidth * 0.3 + aLean, aBase.y - aHeight},
                                      {aBase.x + aWidth / 2, aBase.y}};
    DrawShape(
        aCanvas, [&trunk](cairo_t* aCr) { PolygonPath(aCr, trunk); }, PropStyle(aColour));
}

// Palm fronds: long pointed leaves fanning out from the crown.
void Fronds(Canvas& aCanvas, Random& aRandom, Point aCrown, double aLength, const Colour& aColour)
{
    constexpr int kFronds = 8;
    for (int i = 0; i < kFronds; ++i)
    {
        const double angle =
            -kPi / 2 + (i - kFronds / 2.0 + 0.5) * (2 * kPi / kFronds) + aRandom.Range(-0.15, 0.15);
        const double length = aLength * aRandom.Range(0.8, 1.1);
        const double droop = length * 0.35;
        const Point tip{aCrown.x + std::cos(angle) * length,
                        aCrown.y + std::sin(angle) * length * 0.6 + droop};
        const Point side{-std::sin(angle) * length * 0.14, std::cos(angle) * length * 0.14};
        const Point middle{(aCrown.x + tip.x) / 2, (aCrown.y + tip.y) / 2 - droop * 0.6};
        const std::vector<Point> leaf = {aCrown,
                                         {middle.x + side.x, middle.y + side.y},
                                         tip,
                                         {middle.x - side.x, middle.y - side.y}};
        DrawShape(
            aCanvas, [&leaf](cairo_t* aCr) { SmoothPath(aCr, leaf); },
            PropStyle(aColour.Mix(aColour.Darker(0.3), aRandom.Uniform())));
    }
}

void CaveMouthPicture(Canvas& aCanvas, Point aAt, double aSize)
{
    const double w = 120 * aSize;
    const double h = 120 * aSize;
    const std::vector<Point> opening = {{aAt.x - w / 2, aAt.y},
                                        {aAt.x - w * 0.45, aAt.y - h * 0.7},
                                        {aAt.x, aAt.y - h},
                                        {aAt.x + w * 0.45, aAt.y - h * 0.7},
                                        {aAt.x + w / 2, aAt.y}};
    FillRadialGradient(
        aCanvas, [&](cairo_t* aCr) { SmoothPath(aCr, opening); }, {aAt.x, aAt.y - h * 0.45},
        h * 0.8,
        {{0.0, Colour::Rgb(0x050608)}, {0.7, Colour::Rgb(0x151a22)}, {1.0, Colour::Rgb(0x333a44)}});
    StrokePath(
        aCanvas, [&](cairo_t* aCr) { SmoothPath(aCr, opening); }, Colour::Rgb(0x101216), 3.0);
}

void CaveArch(Canvas& aCanvas, Random& aRandom, Point aAt, double aSize, const Palette& aPalette)
{
    const double w = 170 * aSize;
    const double h = 120 * aSize;
    // A rock lintel over the top of the opening; she walks in under it.
    const std::vector<Point> arch =
        BlobPoints(aRandom, aAt.x, aAt.y - h * 0.95, w / 2, h * 0.3, 10, 0.15);
    DrawShape(
        aCanvas, [&arch](cairo_t* aCr) { SmoothPath(aCr, arch); },
        PropStyle(aPalette.obstacle, 3.0));
}

void StairsPicture(Canvas& aCanvas, Point aAt, double aLength, double aAngle)
{
    // Nothing anyone could climb: a bite out of the ledge's lip where steps once were, and the
    // slabs that fell from it lying tumbled at the foot of the cliff.
    DrawShape(
        aCanvas,
        [&](cairo_t* aCr)
        {
            PolygonPath(aCr, {{aAt.x - 34, aAt.y - 12},
                              {aAt.x - 20, aAt.y + 6},
                              {aAt.x - 4, aAt.y - 2},
                              {aAt.x + 12, aAt.y + 10},
                              {aAt.x + 30, aAt.y - 10}});
        },
        PropStyle(Colour::Rgb(0x2a2422), 2.0));
    const Point foot{aAt.x + std::cos(aAngle) * aLength, aAt.y + std::sin(aAngle) * aLength};
    // Along the lower run, where the built steps will cover them, each tipped its own way.
    const double slabs[][3] = {{0.04, -12, 0.5}, {0.1, 10, -0.3}, {0.18, -6, 0.9},
                               {0.24, 14, -0.7}, {0.3, -10, 0.2}, {0.13, -16, -1.1}};
    for (const auto& slab : slabs)
    {
        const double t = slab[0] * aLength;
        const Point at{foot.x - std::cos(aAngle) * t - std::sin(aAngle) * slab[1],
                       foot.y - std::sin(aAngle) * t + std::cos(aAngle) * slab[1]};
        DrawShape(
            aCanvas,
            [&](cairo_t* aCr)
            {
                cairo_save(aCr);
                cairo_translate(aCr, at.x, at.y);
                cairo_rotate(aCr, slab[2]);
                RoundedRectPath(aCr, -24, -8, 48, 16, 4);
                cairo_restore(aCr);
            },
            PropStyle(kStone.Darker(0.2), 2.0));
    }
}

void DrawLeafCluster(Canvas& aCanvas, Random& aRandom, Point aCenter, double aRadiusX,
                     double aRadiusY, const Colour& aColour, int aCount)
{
    for (int i = 0; i < aCount; ++i)
    {
        const double angle = aRandom.Range(0, 2 * kPi);
        const double spread = i == aCount - 1 ? 0.0 : aRandom.Range(0.3, 0.6);
        const Point centre{aCenter.x + std::cos(angle) * aRadiusX * spread,
                           aCenter.y + std::sin(angle) * aRadiusY * spread};
        const double scale = aRandom.Range(0.55, 0.75);
        const std::vector<Point> blob =
            BlobPoints(aRandom, centre.x, centre.y, aRadiusX * scale, aRadiusY * scale, 9, 0.2);
        ShapeStyle style = PropStyle(aColour.Mix(aColour.Lighter(0.2), aRandom.Uniform() * 0.5));
        style.shadeDepth = 0.22;
        style.highlight = 0.18;
        DrawShape(
            aCanvas, [&blob](cairo_t* aCr) { SmoothPath(aCr, blob); }, style);
    }
}
void FencePicture(Canvas& aCanvas, Point aAt, double aLength, double aAngle)
{
    const Point end{aAt.x + std::cos(aAngle) * aLength, aAt.y + std::sin(aAngle) * aLength};
    const auto along = [&](double aT) {
        return Point{aAt.x + (end.x - aAt.x) * aT, aAt.y + (end.y - aAt.y) * aT};
    };
    // A fence running away from the viewer has its rails hidden behind its posts, so there the
    // posts go last, stouter and further apart, and it reads as a row of stakes, not one pole.
    const bool endOn = std::abs(std::cos(aAngle)) < 0.5;
    const double half = endOn ? 8.0 : 5.0;
    const int posts = static_cast<int>(aLength / (endOn ? 44.0 : 36.0)) + 1;
    // The fence's shadow on the ground, then rails and posts with the nearer in front, so that
    // it reads as a solid barrier from the three-quarter view.
    StrokePath(
        aCanvas,
        [&](cairo_t* aCr)
        {
            cairo_move_to(aCr, aAt.x + 6, aAt.y + 4);
            cairo_line_to(aCr, end.x + 6, end.y + 4);
        },
        Colour::Rgb(0x000000, 0.22), 10.0);
    const auto rail = [&](double aHeight)
    {
        const auto path = [&](cairo_t* aCr)
        {
            cairo_move_to(aCr, aAt.x, aAt.y - aHeight);
            cairo_line_to(aCr, end.x, end.y - aHeight);
        };
        StrokePath(aCanvas, path, Colour::Rgb(0x1c1712), 8.0);
        StrokePath(aCanvas, path, kWood.Lighter(0.15), 4.5);
    };
    const auto drawPosts = [&]
    {
        for (int i = 0; i <= posts; ++i)
        {
            const Point post = along(static_cast<double>(i) / posts);
            const std::vector<Point> stake = {{post.x - half, post.y + 2},
                                              {post.x - half, post.y - 40},
                                              {post.x, post.y - 47},
                                              {post.x + half, post.y - 40},
                                              {post.x + half, post.y + 2}};
            DrawShape(
                aCanvas, [&stake](cairo_t* aCr) { PolygonPath(aCr, stake); },
                PropStyle(kWood.Darker(0.1), 2.0));
        }
    };
    rail(34.0);
    if (endOn)
    {
        rail(16.0);
        drawPosts();
    }
    else
    {
        drawPosts();
        rail(16.0);
    }
}
}  // namespace content
