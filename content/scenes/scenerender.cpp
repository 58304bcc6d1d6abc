#include "scenes/scenerender.h"

#include <algorithm>
#include <memory>

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

// Each prop's upright part, recorded where it stands in the scene, with its box there.
struct Drawn
{
    std::unique_ptr<Canvas> recording;
    geometry::OverlayPart part;
};

std::vector<Drawn> DrawOverlayParts(const SceneDescription& aScene, const std::vector<Prop>& aProps)
{
    std::vector<Drawn> parts;
    Random random(aScene.seed * 31 + 5);
    for (const Prop& prop : aProps)
    {
        auto recording = std::make_unique<Canvas>(Canvas::Unbounded{});
        geometry::OverlayPart part;
        if (!DrawPropOverlay(*recording, prop, aScene.palette, random) ||
            !recording->InkBox(part.left, part.top, part.width, part.height))
        {
            continue;
        }
        // Only what lies on the scene.
        const int right = std::min(part.left + part.width, aScene.width);
        const int bottom = std::min(part.top + part.height, aScene.height);
        part.left = std::max(part.left, 0);
        part.top = std::max(part.top, 0);
        part.width = right - part.left;
        part.height = bottom - part.top;
        part.base = PropOverlayBase(prop);
        if (part.width > 0 && part.height > 0)
        {
            parts.push_back(Drawn{std::move(recording), part});
        }
    }
    return parts;
}

// The parts side by side in rows as wide as the scene, each copied from where it stands; parts
// that overlap in the scene each keep their own pixels.
Image RenderOverlay(const SceneDescription& aScene, const std::vector<Prop>& aProps,
                    std::vector<geometry::OverlayPart>& aParts)
{
    std::vector<Drawn> drawn = DrawOverlayParts(aScene, aProps);
    int x = 0;
    int y = 0;
    int rowHeight = 0;
    aParts.clear();
    for (Drawn& part : drawn)
    {
        if (x + part.part.width > aScene.width)
        {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        part.part.pictureLeft = x;
        part.part.pictureTop = y;
        x += part.part.width;
        rowHeight = std::max(rowHeight, part.part.height);
        aParts.push_back(part.part);
    }
    // Whole blocks of four rows, as the compressed picture wants them; never empty.
    const int height = std::max(4, (y + rowHeight + 3) / 4 * 4);
    Canvas canvas(aScene.width, height);
    cairo_t* cr = canvas.Cr();
    for (const Drawn& part : drawn)
    {
        const geometry::OverlayPart& at = part.part;
        cairo_save(cr);
        cairo_rectangle(cr, at.pictureLeft, at.pictureTop, at.width, at.height);
        cairo_clip(cr);
        cairo_translate(cr, at.pictureLeft - at.left, at.pictureTop - at.top);
        cairo_set_source_surface(cr, part.recording->Surface(), 0.0, 0.0);
        cairo_paint(cr);
        cairo_restore(cr);
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
    ScenePictures pictures;
    pictures.picture = RenderPicture(aScene, props);
    pictures.overlay = RenderOverlay(aScene, props, pictures.overlayParts);
    pictures.collision = RenderCollision(aScene);
    return pictures;
}
}  // namespace content
