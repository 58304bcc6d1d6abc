#include "scenes/scenerender.h"

#include <algorithm>

#include "scenes/drawing/scenepaint.h"

namespace content
{
namespace
{
constexpr uint32_t kBlocked = 0xFF000000u;

// Props back to front: the one whose base is lower stands nearer and covers the others.
std::vector<Prop> SortedProps(const SceneDescription& aScene)
{
    std::vector<Prop> props = aScene.props;
    std::stable_sort(props.begin(), props.end(),
                     [](const Prop& aLeft, const Prop& aRight)
                     { return aLeft.at.y < aRight.at.y; });
    return props;
}

Image RenderPicture(const SceneDescription& aScene, const std::vector<Prop>& aProps)
{
    Canvas canvas(aScene.width, aScene.height);
    Random random(aScene.seed);
    FillPath(
        canvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, 0, 0, aScene.width, aScene.height); },
        aScene.palette.obstacle.Darker(0.5));
    for (const Area& area : aScene.areas)
    {
        DrawArea(canvas, area, aScene.palette, random);
    }
    // Large, gentle light and shade over the ground, so that wide areas do not look flat.
    NoiseTint(canvas, ValueNoise(aScene.seed * 7 + 3), 180.0, 0.09, 3);
    for (const Prop& prop : aProps)
    {
        DrawPropPicture(canvas, prop, aScene.palette, random);
    }
    return canvas.ToImage();
}

Image RenderOverlay(const SceneDescription& aScene, const std::vector<Prop>& aProps)
{
    Canvas canvas(aScene.width, aScene.height);
    Random random(aScene.seed * 31 + 5);
    for (const Prop& prop : aProps)
    {
        DrawPropOverlay(canvas, prop, aScene.palette, random);
    }
    return canvas.ToImage();
}
}  // namespace

Image RenderCollision(const SceneDescription& aScene)
{
    const int width = aScene.width / kCollisionScale;
    const int height = aScene.height / kCollisionScale;
    Canvas canvas(width, height);
    cairo_t* cr = canvas.Cr();
    // No smoothing: each cell takes the material under its centre, all or nothing.
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_scale(cr, 1.0 / kCollisionScale, 1.0 / kCollisionScale);
    // Walkable ground takes the colour of what it is made of, so the game knows the sound of
    // each step.
    const auto fill = [&](const Shape& aShape, uint32_t aColour)
    {
        FillPath(
            canvas, [&aShape](cairo_t* aCr) { AppendShape(aCr, aShape); },
            Colour::Rgb(aColour & 0x00FFFFFFu));
    };
    fill(Shape::Rect(0, 0, aScene.width, aScene.height), kBlocked);
    for (const Area& area : aScene.areas)
    {
        fill(area.shape,
             IsWalkable(area.material) ? geometry::ColourOf(GroundOf(area.material)) : kBlocked);
    }
    for (const Prop& prop : aScene.props)
    {
        Shape footprint;
        if (PropFootprint(prop, footprint))
        {
            fill(footprint, kBlocked);
        }
    }
    Image image = canvas.ToImage();
    for (uint32_t& pixel : image.pixels)
    {
        pixel = (pixel & 0x00FFFFFFu) == 0 ? kBlocked
                                           : geometry::ColourOf(geometry::GroundOfColour(pixel));
    }
    return image;
}

ScenePictures RenderScene(const SceneDescription& aScene)
{
    const std::vector<Prop> props = SortedProps(aScene);
    return {RenderPicture(aScene, props), RenderOverlay(aScene, props), RenderCollision(aScene)};
}
}  // namespace content
