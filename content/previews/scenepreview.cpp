#include "previews/scenepreview.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "core/contentwriter.h"
#include "heroineframe.h"
#include "overlayparts.h"
#include "scenes/scenemodel.h"

namespace content
{
namespace
{
constexpr double kPreviewSide = 1024.0;

Image LoadGenerated(const std::string& aFolder, const std::string& aPath)
{
    const std::string full = aFolder + "/" + aPath;
    Image image;
    std::string problem;
    if (!ReadPicture(full, image, problem))
    {
        fprintf(stderr, "marrowen-content: preview cannot read %s: %s\n", full.c_str(),
                problem.c_str());
        exit(1);
    }
    return image;
}

void Paint(Canvas& aCanvas, const Image& aImage, double aScale)
{
    Canvas source(aImage.width, aImage.height);
    source.FromImage(aImage);
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_scale(cr, aScale, aScale);
    cairo_set_source_surface(cr, cairo_get_target(source.Cr()), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr),
                             aScale < 1.0 ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
}

// The overlay's parts, each where it stands in the scene.
void PaintOverlay(Canvas& aCanvas, const std::string& aFolder, const std::string& aOverlayPath)
{
    const Image overlay = LoadGenerated(aFolder, aOverlayPath);
    const std::string listPath = aFolder + "/" + geometry::OverlayPartsPath(aOverlayPath);
    std::ifstream in(listPath);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<geometry::OverlayPart> parts;
    std::string problem;
    if (!geometry::ParseOverlayParts(text, parts, problem))
    {
        fprintf(stderr, "marrowen-content: preview cannot read %s: %s\n", listPath.c_str(),
                problem.c_str());
        exit(1);
    }
    Canvas source(overlay.width, overlay.height);
    source.FromImage(overlay);
    cairo_t* cr = aCanvas.Cr();
    for (const geometry::OverlayPart& part : parts)
    {
        cairo_save(cr);
        cairo_rectangle(cr, part.left, part.top, part.width, part.height);
        cairo_clip(cr);
        cairo_set_source_surface(cr, source.Surface(), part.left - part.pictureLeft,
                                 part.top - part.pictureTop);
        cairo_paint(cr);
        cairo_restore(cr);
    }
}

void Label(Canvas& aCanvas, const std::string& aText, double aX, double aY, const Colour& aColour)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 12);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, aText.c_str(), &extents);
    SetColour(cr, Colour::Rgb(0x000000, 0.65));
    cairo_rectangle(cr, aX - 2, aY - 11, extents.x_advance + 4, 14);
    cairo_fill(cr);
    SetColour(cr, aColour);
    cairo_move_to(cr, aX, aY);
    cairo_show_text(cr, aText.c_str());
    cairo_restore(cr);
}

void Marker(Canvas& aCanvas, Point aAt, double aScale, const Colour& aColour)
{
    FillPath(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, aAt.x * aScale, aAt.y * aScale, 4.5, 4.5); },
        aColour);
    StrokePath(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, aAt.x * aScale, aAt.y * aScale, 4.5, 4.5); },
        Colour::Rgb(0x000000), 1.2);
}

void Box(Canvas& aCanvas, double aX, double aY, double aWidth, double aHeight, double aScale,
         const Colour& aColour, double aFill)
{
    const auto path = [&](cairo_t* aCr)
    { cairo_rectangle(aCr, aX * aScale, aY * aScale, aWidth * aScale, aHeight * aScale); };
    FillPath(aCanvas, path, aColour.WithAlpha(aFill));
    StrokePath(aCanvas, path, aColour, 1.5);
}

void TintCollision(Canvas& aCanvas, const Image& aCollision, double aScale)
{
    const double cell = kCollisionScale * aScale;
    for (int y = 0; y < aCollision.height; ++y)
    {
        for (int x = 0; x < aCollision.width; ++x)
        {
            if (aCollision.pixels[static_cast<size_t>(y) * aCollision.width + x] == 0xFF000000u)
            {
                cairo_rectangle(aCanvas.Cr(), x * cell, y * cell, cell, cell);
            }
        }
    }
    SetColour(aCanvas.Cr(), Colour::Rgb(0xff2020, 0.28));
    cairo_fill(aCanvas.Cr());
}

// Where her feet must be for the point's reach rule, drawn as a box in scene pixels.
void ReachBox(Canvas& aCanvas, const StoryPoint& aPoint, double aScale)
{
    const Point feet = FeetOf(aPoint.position);
    const Colour cyan = Colour::Rgb(0x30e0ff);
    switch (aPoint.reach)
    {
        case Reach::Box:
            Box(aCanvas, feet.x - aPoint.range, feet.y - aPoint.range, 2 * aPoint.range,
                2 * aPoint.range, aScale, cyan, 0.06);
            break;
        case Reach::Avoid:
            Box(aCanvas, feet.x - aPoint.range, feet.y - aPoint.range, 2 * aPoint.range,
                2 * aPoint.range, aScale, Colour::Rgb(0xff3030), 0.15);
            break;
        case Reach::TimeMachine:
            Box(aCanvas, feet.x - 130, feet.y - 130, 175, 180, aScale, cyan, 0.06);
            break;
        case Reach::HomeTrip:
            Box(aCanvas, feet.x, feet.y, 200, 60, aScale, cyan, 0.06);
            break;
        case Reach::StandAt:
            Box(aCanvas, aPoint.position.x, aPoint.position.y, geometry::ourHeroineWidth,
                geometry::ourHeroineHeight, aScale, Colour::Rgb(0xff60ff), 0.0);
            break;
    }
}

void WriteAnnotated(const SceneDescription& aScene, const Image& aView, const Image& aCollision,
                    ContentWriter& aOut, const std::string& aFile)
{
    const double scale = std::min(1.0, kPreviewSide / std::max(aScene.width, aScene.height));
    Canvas canvas(static_cast<int>(aScene.width * scale), static_cast<int>(aScene.height * scale));
    Paint(canvas, aView, scale);
    TintCollision(canvas, aCollision, scale);
    const Colour yellow = Colour::Rgb(0xffe040);
    for (const Zone& zone : ZoneTable())
    {
        if (zone.scene == aScene.id)
        {
            const ZoneRect& r = zone.rect;
            Box(canvas, r.left, r.top, r.width, r.height, scale, yellow, 0.3);
            Label(canvas, zone.name, r.left * scale + 2,
                  std::min(r.Bottom() * scale + 14, canvas.Height() - 4.0), yellow);
        }
    }
    const Colour green = Colour::Rgb(0x60ff60);
    for (const Arrival& arrival : ComputeArrivals())
    {
        if (arrival.scene == aScene.id)
        {
            const Point feet = FeetOf(arrival.position);
            Marker(canvas, feet, scale, green);
            Label(canvas, arrival.label, feet.x * scale + 7, feet.y * scale + 4, green);
        }
    }
    for (const StoryPoint& point : StoryPoints())
    {
        if (point.scene == aScene.id)
        {
            ReachBox(canvas, point, scale);
            const bool stand = point.reach == Reach::StandAt;
            const Point at = stand ? FeetOf(point.position) : point.position;
            const Colour colour = stand ? Colour::Rgb(0xff60ff) : Colour::Rgb(0x30e0ff);
            Marker(canvas, at, scale, colour);
            Label(canvas, point.label + (point.group.empty() ? "" : " [" + point.group + "]"),
                  at.x * scale + 7, at.y * scale - 5, colour);
        }
    }
    Label(canvas, aScene.name + "  (red: blocked; boxes: where her feet must be)", 6, 16,
          Colour::Rgb(0xffffff));
    aOut.WritePicture(aFile, canvas.ToImage(), PictureFormat::Png);
}
}  // namespace

void WriteScenePreviews(const std::string& aContentFolder, const std::string& aPreviewFolder)
{
    ContentWriter out(aPreviewFolder);
    for (const SceneDescription& scene : AllScenes())
    {
        const Image picture = LoadGenerated(aContentFolder, scene.picturePath);
        const Image collision = LoadGenerated(aContentFolder, scene.collisionPath);
        // The scene as the game draws it with nobody in it: the overlay over the picture.
        Canvas view(picture.width, picture.height);
        Paint(view, picture, 1.0);
        PaintOverlay(view, aContentFolder, scene.overlayPath);
        const Image composed = view.ToImage();
        std::string name = scene.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        std::replace(name.begin(), name.end(), '-', '_');
        out.WritePicture("scene_" + name + "_full.png", composed, PictureFormat::Png);
        WriteAnnotated(scene, composed, collision, out, "scene_" + name + ".png");
    }
}
}  // namespace content
