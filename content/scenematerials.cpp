// The look of each ground material: walkable ground flat and calm, obstacles raised with a lit
// top and a dark face (three-quarter view, light from the top left), water and lava glossy.
#include <algorithm>
#include <cmath>

#include "scenepaint.h"

namespace content
{
namespace
{
struct Bounds
{
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double Area() const { return (x1 - x0) * (y1 - y0); }
};

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

PathFunction PathOf(const Shape& aShape)
{
    return [&aShape](cairo_t* aCr) { AppendShape(aCr, aShape); };
}

// Number of texture marks for an area: one per aSpacing x aSpacing pixels.
int Density(const Bounds& aBounds, double aSpacing)
{
    return static_cast<int>(aBounds.Area() / (aSpacing * aSpacing));
}

// Short strokes inside the shape: grass blades, cracks, ripples.
void Strokes(Canvas& aCanvas, const Shape& aShape, Random& aRandom, int aCount, double aLength,
             double aAngle, double aAngleJitter, const Colour& aColour, double aWidth)
{
    cairo_t* cr = aCanvas.Cr();
    const Bounds b = BoundsOf(aCanvas, aShape);
    cairo_save(cr);
    cairo_new_path(cr);
    AppendShape(cr, aShape);
    cairo_clip(cr);
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
    cairo_restore(cr);
}

// An obstacle seen from the three-quarter view: its top face lit, a dark face along its
// lower edge, a crisp lip between them and a dark outline.
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

void SoftEdgedFill(Canvas& aCanvas, const Shape& aShape, const Colour& aColour, double aFeather)
{
    // A few widening strokes of falling strength blend the edge into the ground around it.
    for (int step = 3; step >= 1; --step)
    {
        StrokePath(aCanvas, PathOf(aShape), aColour.WithAlpha(0.22), aFeather * step / 3.0);
    }
    FillPath(aCanvas, PathOf(aShape), aColour);
}

void DrawGround(Canvas& aCanvas, const Shape& aShape, const Colour& aBase, Random& aRandom,
                double aSpacing, bool aGrass)
{
    const Bounds b = BoundsOf(aCanvas, aShape);
    SoftEdgedFill(aCanvas, aShape, aBase, 10.0);
    Speckle(aCanvas, PathOf(aShape), aRandom, Density(b, aSpacing), 3.0, 9.0,
            {aBase.Lighter(0.12), aBase.Darker(0.12), aBase.Darker(0.06)});
    if (aGrass)
    {
        Strokes(aCanvas, aShape, aRandom, Density(b, aSpacing * 0.8), 9.0, -1.57, 0.5,
                aBase.Lighter(0.22), 1.6);
        Strokes(aCanvas, aShape, aRandom, Density(b, aSpacing * 1.2), 7.0, -1.57, 0.6,
                aBase.Darker(0.25), 1.4);
    }
}

void DrawThicket(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette, Random& aRandom)
{
    const Colour dark = aPalette.foliage.Darker(0.45);
    Raised(aCanvas, aShape, aPalette.foliage.Darker(0.2), dark, 10.0);
    const Bounds b = BoundsOf(aCanvas, aShape);
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    AppendShape(cr, aShape);
    cairo_clip(cr);
    // Rows of bushes from back to front so the nearer ones overlap the farther ones.
    const int count = Density(b, 46.0);
    std::vector<Point> centres;
    for (int i = 0; i < count; ++i)
    {
        centres.push_back({aRandom.Range(b.x0 - 20, b.x1 + 20), aRandom.Range(b.y0 - 20, b.y1)});
    }
    std::sort(centres.begin(), centres.end(),
              [](const Point& aLeft, const Point& aRight) { return aLeft.y < aRight.y; });
    for (const Point& centre : centres)
    {
        const double radius = aRandom.Range(22.0, 40.0);
        const Colour tint = aPalette.foliage.Mix(aPalette.foliage.Darker(0.3), aRandom.Uniform());
        DrawLeafCluster(aCanvas, aRandom, centre, radius, radius * 0.8, tint, 3);
    }
    cairo_restore(cr);
    StrokePath(aCanvas, PathOf(aShape), dark.Darker(0.4), 2.5);
}

void DrawWater(Canvas& aCanvas, const Shape& aShape, Random& aRandom)
{
    const Bounds b = BoundsOf(aCanvas, aShape);
    const Colour deep = Colour::Rgb(0x1f5f8f);
    const Colour shallow = Colour::Rgb(0x3f9fc8);
    // Foam on the banks, then the water from light edges to a deep middle.
    StrokePath(aCanvas, PathOf(aShape), Colour::Rgb(0xe8f4f0, 0.8), 14.0);
    FillLinearGradient(aCanvas, PathOf(aShape), {b.x0, b.y0}, {b.x1, b.y1},
                       {{0.0, shallow}, {0.5, deep}, {1.0, shallow.Darker(0.1)}});
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    AppendShape(cr, aShape);
    cairo_clip(cr);
    cairo_set_line_width(cr, 18.0);
    SetColour(cr, deep.Darker(0.2).WithAlpha(0.35));
    cairo_new_path(cr);
    AppendShape(cr, aShape);
    cairo_stroke(cr);
    cairo_restore(cr);
    Strokes(aCanvas, aShape, aRandom, Density(b, 38.0), 22.0, 1.2, 0.25,
            Colour::Rgb(0xbfe6f5, 0.55), 2.2);
    StrokePath(aCanvas, PathOf(aShape), Colour::Rgb(0x16324a), 2.0);
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
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    AppendShape(cr, aShape);
    cairo_clip(cr);
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
    cairo_restore(cr);
    StrokePath(aCanvas, PathOf(aShape), Colour::Rgb(0x2a0e08), 3.0);
}

void DrawMetalFloor(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette)
{
    const Bounds b = BoundsOf(aCanvas, aShape);
    FillPath(aCanvas, PathOf(aShape), aPalette.ground);
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    AppendShape(cr, aShape);
    cairo_clip(cr);
    // Floor plates: a dark seam, a light lip and four rivets each.
    constexpr double kPlate = 64.0;
    for (double y = std::floor(b.y0 / kPlate) * kPlate; y < b.y1; y += kPlate)
    {
        for (double x = std::floor(b.x0 / kPlate) * kPlate; x < b.x1; x += kPlate)
        {
            const bool odd = static_cast<int>((x + y) / kPlate) % 2 != 0;
            SetColour(cr, odd ? aPalette.ground.Darker(0.05) : aPalette.ground.Lighter(0.04));
            cairo_rectangle(cr, x + 2, y + 2, kPlate - 4, kPlate - 4);
            cairo_fill(cr);
            SetColour(cr, aPalette.ground.Lighter(0.25));
            cairo_rectangle(cr, x + 2, y + 2, kPlate - 4, 2);
            cairo_fill(cr);
            SetColour(cr, aPalette.ground.Darker(0.3));
            for (const Point& rivet : {Point{8, 8}, Point{kPlate - 8, 8}, Point{8, kPlate - 8},
                                       Point{kPlate - 8, kPlate - 8}})
            {
                cairo_new_path(cr);
                cairo_arc(cr, x + rivet.x, y + rivet.y, 2.2, 0, 6.3);
                cairo_fill(cr);
            }
        }
    }
    cairo_restore(cr);
}

void DrawMetalWall(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette, Random& aRandom)
{
    Raised(aCanvas, aShape, aPalette.obstacle.Lighter(0.12), aPalette.obstacle.Darker(0.35), 26.0);
    const Bounds b = BoundsOf(aCanvas, aShape);
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    AppendShape(cr, aShape);
    cairo_clip(cr);
    // Panel seams and a few amber indicator lights on the wall tops.
    SetColour(cr, aPalette.obstacle.Darker(0.2));
    cairo_set_line_width(cr, 2.0);
    for (double x = std::floor(b.x0 / 48.0) * 48.0; x < b.x1; x += 48.0)
    {
        cairo_move_to(cr, x, b.y0);
        cairo_line_to(cr, x, b.y1);
    }
    cairo_stroke(cr);
    const int lights = std::max(1, Density(b, 90.0));
    for (int i = 0; i < lights; ++i)
    {
        const double x = aRandom.Range(b.x0 + 8, b.x1 - 8);
        const double y = aRandom.Range(b.y0 + 6, b.y1 - 30);
        FillRadialGradient(aCanvas, [x, y](cairo_t* aCr) { EllipsePath(aCr, x, y, 10, 10); },
                           {x, y}, 10,
                           {{0.0, aPalette.accent.Lighter(0.5)},
                            {0.4, aPalette.accent},
                            {1.0, aPalette.accent.WithAlpha(0.0)}});
    }
    cairo_restore(cr);
}

void DrawRock(Canvas& aCanvas, const Shape& aShape, const Colour& aTop, double aHeight,
              Random& aRandom)
{
    Raised(aCanvas, aShape, aTop, aTop.Darker(0.45), aHeight);
    const Bounds b = BoundsOf(aCanvas, aShape);
    // Broken rock heaped on the top, so rough obstacles read apart from smooth ground.
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    AppendShape(cr, aShape);
    cairo_clip(cr);
    std::vector<Point> centres;
    for (int i = 0; i < Density(b, 44.0); ++i)
    {
        centres.push_back({aRandom.Range(b.x0, b.x1), aRandom.Range(b.y0, b.y1 - aHeight)});
    }
    std::sort(centres.begin(), centres.end(),
              [](const Point& aLeft, const Point& aRight) { return aLeft.y < aRight.y; });
    for (const Point& centre : centres)
    {
        const double radius = aRandom.Range(12.0, 26.0);
        const std::vector<Point> chunk =
            BlobPoints(aRandom, centre.x, centre.y, radius, radius * 0.7, 6, 0.3);
        ShapeStyle style;
        style.fill = aTop.Mix(aTop.Lighter(0.18), aRandom.Uniform());
        style.outline = aTop.Darker(0.6);
        style.outlineWidth = 2.0;
        DrawShape(
            aCanvas, [&chunk](cairo_t* aCr) { PolygonPath(aCr, chunk); }, style);
    }
    cairo_restore(cr);
}

void DrawField(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette)
{
    const Bounds b = BoundsOf(aCanvas, aShape);
    FillPath(aCanvas, PathOf(aShape), aPalette.path.Darker(0.3));
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    AppendShape(cr, aShape);
    cairo_clip(cr);
    // Crop rows: a furrow shadow and a line of leafy tufts.
    for (double y = b.y0 + 12; y < b.y1; y += 26.0)
    {
        SetColour(cr, aPalette.path.Darker(0.5));
        cairo_rectangle(cr, b.x0, y + 8, b.x1 - b.x0, 4);
        cairo_fill(cr);
        for (double x = b.x0 + 8; x < b.x1; x += 18.0)
        {
            ShapeStyle style;
            style.fill = aPalette.foliage.Lighter(0.15);
            style.outlineWidth = 1.5;
            DrawShape(
                aCanvas, [x, y](cairo_t* aCr) { EllipsePath(aCr, x, y, 8, 6); }, style);
        }
    }
    cairo_restore(cr);
    StrokePath(aCanvas, PathOf(aShape), aPalette.path.Darker(0.6), 2.5);
}
}  // namespace

void DrawArea(Canvas& aCanvas, const Area& aArea, const Palette& aPalette, Random& aRandom)
{
    const Shape& shape = aArea.shape;
    switch (aArea.material)
    {
        case Material::JungleFloor:
            DrawGround(aCanvas, shape, aPalette.ground, aRandom, 26, true);
            break;
        case Material::Dirt:
            DrawGround(aCanvas, shape, aPalette.path, aRandom, 30, false);
            break;
        case Material::Sand:
            DrawGround(aCanvas, shape, Colour::Rgb(0xd8c186), aRandom, 28, false);
            break;
        case Material::VillageGround:
            DrawGround(aCanvas, shape, aPalette.ground, aRandom, 30, false);
            break;
        case Material::CaveFloor:
            DrawGround(aCanvas, shape, aPalette.ground, aRandom, 24, false);
            break;
        case Material::Basalt:
            DrawGround(aCanvas, shape, aPalette.ground, aRandom, 22, false);
            break;
        case Material::Thicket:
            DrawThicket(aCanvas, shape, aPalette, aRandom);
            break;
        case Material::Water:
            DrawWater(aCanvas, shape, aRandom);
            break;
        case Material::Lava:
            DrawLava(aCanvas, shape, aPalette, aRandom);
            break;
        case Material::MetalFloor:
            DrawMetalFloor(aCanvas, shape, aPalette);
            break;
        case Material::MetalWall:
            DrawMetalWall(aCanvas, shape, aPalette, aRandom);
            break;
        case Material::CaveWall:
            DrawRock(aCanvas, shape, aPalette.obstacle, 30.0, aRandom);
            break;
        case Material::Cliff:
            DrawRock(aCanvas, shape, aPalette.obstacle, 40.0, aRandom);
            break;
        case Material::Field:
            DrawField(aCanvas, shape, aPalette);
            break;
    }
}

bool IsWalkable(Material aMaterial)
{
    switch (aMaterial)
    {
        case Material::JungleFloor:
        case Material::Dirt:
        case Material::Sand:
        case Material::MetalFloor:
        case Material::CaveFloor:
        case Material::VillageGround:
        case Material::Basalt:
            return true;
        default:
            return false;
    }
}

void AppendShape(cairo_t* aCr, const Shape& aShape)
{
    switch (aShape.kind)
    {
        case Shape::Kind::Polygon:
            PolygonPath(aCr, aShape.points);
            break;
        case Shape::Kind::Smooth:
            SmoothPath(aCr, aShape.points);
            break;
        case Shape::Kind::Ellipse:
            EllipsePath(aCr, aShape.points[0].x, aShape.points[0].y, aShape.points[1].x,
                        aShape.points[1].y);
            break;
        case Shape::Kind::Box:
            cairo_rectangle(aCr, aShape.points[0].x, aShape.points[0].y, aShape.points[1].x,
                            aShape.points[1].y);
            break;
    }
}
}  // namespace content
