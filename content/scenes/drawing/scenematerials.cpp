// The look of each ground material: walkable ground flat and calm, obstacles raised with a lit
// top and a dark face (three-quarter view, light from the top left). Water and lava are in
// scenewater.cpp, the time machine's steel in scenemetal.cpp.
#include <algorithm>
#include <cmath>

#include "scenes/drawing/scenematerialtools.h"

namespace content
{
namespace
{
void SoftEdgedFill(Canvas& aCanvas, const Shape& aShape, const Colour& aColour, double aFeather)
{
    // A few widening strokes of falling strength blend the edge into the ground around it.
    for (int step = 3; step >= 1 && aFeather > 0; --step)
    {
        StrokePath(aCanvas, PathOf(aShape), aColour.WithAlpha(0.22), aFeather * step / 3.0);
    }
    FillPath(aCanvas, PathOf(aShape), aColour);
}

void DrawGround(Canvas& aCanvas, const Shape& aShape, const Colour& aBase, Random& aRandom,
                double aSpacing, bool aGrass, double aFeather = 10.0)
{
    const Bounds b = BoundsOf(aCanvas, aShape);
    SoftEdgedFill(aCanvas, aShape, aBase, aFeather);
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

// Points every aSpacing pixels or so along the shape's outline.
std::vector<Point> OutlinePoints(Canvas& aCanvas, const Shape& aShape, double aSpacing)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    AppendShape(cr, aShape);
    cairo_path_t* flat = cairo_copy_path_flat(cr);
    cairo_restore(cr);
    std::vector<Point> points;
    Point last;
    Point first;
    const auto walkTo = [&](Point aTo)
    {
        const double length = std::hypot(aTo.x - last.x, aTo.y - last.y);
        const int steps = static_cast<int>(length / aSpacing);
        for (int i = 0; i < steps; ++i)
        {
            const double t = (i + 0.5) / steps;
            points.push_back({last.x + (aTo.x - last.x) * t, last.y + (aTo.y - last.y) * t});
        }
        last = aTo;
    };
    for (int i = 0; i < flat->num_data; i += flat->data[i].header.length)
    {
        const cairo_path_data_t& head = flat->data[i];
        if (head.header.type == CAIRO_PATH_MOVE_TO)
        {
            last = first = {head.header.length > 1 ? flat->data[i + 1].point.x : 0.0,
                            head.header.length > 1 ? flat->data[i + 1].point.y : 0.0};
        }
        else if (head.header.type == CAIRO_PATH_LINE_TO)
        {
            walkTo({flat->data[i + 1].point.x, flat->data[i + 1].point.y});
        }
        else if (head.header.type == CAIRO_PATH_CLOSE_PATH)
        {
            walkTo(first);
        }
    }
    cairo_path_destroy(flat);
    return points;
}

// A trodden path: worn earth whose edge frays into the ground around it, with pebbles kicked to
// the sides. The fraying stays inside the shape (the neighbour may be thicket, not grass) and
// away from the picture's border, so exits run cleanly off the edge.
void DrawPath(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette, Random& aRandom)
{
    // No outer feather: the ragged edge is frayed from the inside.
    DrawGround(aCanvas, aShape, aPalette.path, aRandom, 30, false, 0.0);
    const Bounds b = BoundsOf(aCanvas, aShape);
    const Point middle = {(b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2};
    // From an edge point aDepth pixels into the path (towards its middle).
    const auto inward = [&middle](Point aAt, double aDepth)
    {
        const double dx = middle.x - aAt.x;
        const double dy = middle.y - aAt.y;
        const double length = std::max(1.0, std::hypot(dx, dy));
        return Point{aAt.x + dx / length * aDepth, aAt.y + dy / length * aDepth};
    };
    const std::vector<Point> edge = OutlinePoints(aCanvas, aShape, 14.0);
    // Pebbles wholly on the path, chosen before any clip is set.
    std::vector<Point> pebbles;
    for (const Point& at : edge)
    {
        const Point pebble = inward(at, aRandom.Range(8.0, 40.0));
        const Point jittered = {pebble.x + aRandom.Range(-8.0, 8.0),
                                pebble.y + aRandom.Range(-8.0, 8.0)};
        if (aRandom.Uniform() >= 0.45 && Inside(aCanvas, aShape, {jittered.x - 5, jittered.y}) &&
            Inside(aCanvas, aShape, {jittered.x + 5, jittered.y}))
        {
            pebbles.push_back(jittered);
        }
    }
    cairo_t* cr = aCanvas.Cr();
    const ClipTo clip(aCanvas, aShape);
    cairo_save(cr);
    const double margin = 6.0;
    cairo_rectangle(cr, margin, margin, aCanvas.Width() - 2 * margin,
                    aCanvas.Height() - 2 * margin);
    cairo_clip(cr);
    const Colour verge = aPalette.ground;
    for (int step = 3; step >= 1; --step)
    {
        StrokePath(aCanvas, PathOf(aShape), verge.WithAlpha(0.28), 9.0 * step);
    }
    for (const Point& at : edge)
    {
        // Tongues of ground biting into the path's edge, some deep, make it ragged.
        const double radius = aRandom.Range(5.0, aRandom.Uniform() < 0.25 ? 26.0 : 14.0);
        const Point centre = inward(at, aRandom.Range(-4.0, radius * 0.5));
        const std::vector<Point> bite =
            BlobPoints(aRandom, centre.x, centre.y, radius, radius * 0.7, 7, 0.35);
        FillPath(
            aCanvas, [&bite](cairo_t* aCr) { SmoothPath(aCr, bite); },
            verge.Mix(aPalette.path, aRandom.Range(0.0, 0.3)));
    }
    cairo_restore(cr);
    for (const Point& at : pebbles)
    {
        const double radius = aRandom.Range(2.0, 4.5);
        ShapeStyle style;
        style.fill = Colour::Rgb(0x9c948a).Mix(aPalette.path, aRandom.Range(0.0, 0.5));
        style.outline = aPalette.path.Darker(0.55);
        style.outlineWidth = 1.2;
        DrawShape(
            aCanvas,
            [&at, radius](cairo_t* aCr) { EllipsePath(aCr, at.x, at.y, radius, radius * 0.75); },
            style);
    }
}

// One crack: a jagged line wandering from aStart.
std::vector<Point> CrackPoints(Random& aRandom, Point aStart, double aLength)
{
    std::vector<Point> points = {aStart};
    double angle = aRandom.Range(0.0, 6.283);
    for (double walked = 0; walked < aLength;)
    {
        const double step = aRandom.Range(8.0, 18.0);
        angle += aRandom.Range(-0.7, 0.7);
        const Point& last = points.back();
        points.push_back({last.x + std::cos(angle) * step, last.y + std::sin(angle) * step * 0.7});
        walked += step;
    }
    return points;
}

void StrokeOpen(cairo_t* aCr, const std::vector<Point>& aPoints, const Colour& aColour,
                double aWidth)
{
    cairo_new_path(aCr);
    cairo_move_to(aCr, aPoints[0].x, aPoints[0].y);
    for (size_t i = 1; i < aPoints.size(); ++i)
    {
        cairo_line_to(aCr, aPoints[i].x, aPoints[i].y);
    }
    SetColour(aCr, aColour);
    cairo_set_line_width(aCr, aWidth);
    cairo_stroke(aCr);
}

// Cooled volcanic ground: dark rock under drifts of pale ash, cracked, with a few seams still
// glowing. The seams stay thin and sparse so the ground reads as firm, unlike the lava itself.
void DrawBasalt(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette, Random& aRandom)
{
    const Colour rock = aPalette.ground;
    const Bounds b = BoundsOf(aCanvas, aShape);
    SoftEdgedFill(aCanvas, aShape, rock, 10.0);
    // Broad drifts of ash and darker scorched patches, then fine grit.
    Speckle(aCanvas, PathOf(aShape), aRandom, Density(b, 110), 30.0, 70.0,
            {Colour::Rgb(0x9a928c).WithAlpha(0.16), rock.Darker(0.35).WithAlpha(0.22)});
    Speckle(aCanvas, PathOf(aShape), aRandom, Density(b, 20), 1.5, 4.5,
            {rock.Lighter(0.25), rock.Darker(0.3), Colour::Rgb(0xa8a09a).WithAlpha(0.7)});
    cairo_t* cr = aCanvas.Cr();
    const ClipTo clip(aCanvas, aShape);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const int cracks = Density(b, 70);
    for (int i = 0; i < cracks; ++i)
    {
        const Point start = {aRandom.Range(b.x0, b.x1), aRandom.Range(b.y0, b.y1)};
        const bool glowing = aRandom.Uniform() < 0.22;
        const std::vector<Point> crack = CrackPoints(aRandom, start, aRandom.Range(30.0, 90.0));
        if (glowing)
        {
            StrokeOpen(cr, crack, aPalette.accent.WithAlpha(0.22), 9.0);
            StrokeOpen(cr, crack, Colour::Rgb(0x2a0e08), 3.5);
            StrokeOpen(cr, crack, aPalette.accent, 2.0);
            StrokeOpen(cr, crack, Colour::Rgb(0xffd86a), 0.8);
        }
        else
        {
            // A lit lip below the dark split gives the crack a little depth.
            cairo_save(cr);
            cairo_translate(cr, 0, 1.5);
            StrokeOpen(cr, crack, rock.Lighter(0.2), 2.0);
            cairo_restore(cr);
            StrokeOpen(cr, crack, rock.Darker(0.6), 1.8);
        }
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
    // Crop rows: a furrow shadow and a line of leafy tufts, each tuft wholly on the field.
    std::vector<Point> tufts;
    for (double y = b.y0 + 12; y < b.y1; y += 26.0)
    {
        for (double x = b.x0 + 8; x < b.x1; x += 18.0)
        {
            if (Inside(aCanvas, aShape, {x - 10, y}) && Inside(aCanvas, aShape, {x + 10, y}))
            {
                tufts.push_back({x, y});
            }
        }
    }
    FillPath(aCanvas, PathOf(aShape), aPalette.path.Darker(0.3));
    {
        const ClipTo clip(aCanvas, aShape);
        cairo_t* cr = aCanvas.Cr();
        SetColour(cr, aPalette.path.Darker(0.5));
        for (double y = b.y0 + 12; y < b.y1; y += 26.0)
        {
            cairo_rectangle(cr, b.x0, y + 8, b.x1 - b.x0, 4);
        }
        cairo_fill(cr);
    }
    ShapeStyle style;
    style.fill = aPalette.foliage.Lighter(0.15);
    style.outlineWidth = 1.5;
    for (const Point& tuft : tufts)
    {
        DrawShape(
            aCanvas, [&tuft](cairo_t* aCr) { EllipsePath(aCr, tuft.x, tuft.y, 8, 6); }, style);
    }
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
            DrawPath(aCanvas, shape, aPalette, aRandom);
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
            DrawBasalt(aCanvas, shape, aPalette, aRandom);
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
        case Material::Grating:
            DrawGrating(aCanvas, shape, aPalette);
            break;
        case Material::DriveRing:
            DrawDriveRing(aCanvas, shape, aPalette);
            break;
        case Material::MetalWall:
            DrawMetalWall(aCanvas, shape, aPalette);
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
        case Material::Grating:
        case Material::DriveRing:
        case Material::CaveFloor:
        case Material::VillageGround:
        case Material::Basalt:
            return true;
        default:
            return false;
    }
}

geometry::Ground GroundOf(Material aMaterial)
{
    switch (aMaterial)
    {
        case Material::Dirt:
        case Material::Sand:
        case Material::VillageGround:
            return geometry::Ground::Sand;
        case Material::MetalFloor:
        case Material::Grating:
        case Material::DriveRing:
            return geometry::Ground::Metal;
        case Material::CaveFloor:
        case Material::Basalt:
            return geometry::Ground::Stone;
        default:
            return geometry::Ground::Grass;
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
