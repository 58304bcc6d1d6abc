// The built props of the jungle: the crashed time machine seen from outside, and the village
// huts. The machine's interior is in scenemachinery.cpp.
#include "scenes/drawing/scenepaint.h"

namespace content
{
void CrashedMachinePicture(Canvas& aCanvas, Random& aRandom, Point aAt, double aSize,
                           const Palette& aPalette)
{
    const double w = 260 * aSize;
    const double h = 230 * aSize;
    const double x = aAt.x - w / 2;
    const double y = aAt.y - h;
    DropShadow(aCanvas, aAt.x + 10, aAt.y - 10, w * 0.6, 40 * aSize, 0.45);
    // Scorched furrow the machine dug when it came down.
    FillPath(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, aAt.x + 60, y + 20, w * 0.5, 50); },
        Colour::Rgb(0x3a2a1a, 0.55));
    DrawShape(
        aCanvas, [&](cairo_t* aCr) { RoundedRectPath(aCr, x, y, w, h, 70 * aSize); },
        PropStyle(kSteel, 3.0));
    // Hull bands, portholes and a dent.
    for (double band : {0.28, 0.62})
    {
        FillPath(
            aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, x + 6, y + h * band, w - 12, 10); },
            kSteel.Darker(0.35));
    }
    for (int i = 0; i < 3; ++i)
    {
        const double cx = x + w * (0.22 + 0.28 * i);
        const double cy = y + h * 0.16;
        DrawShape(
            aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, cx, cy, 16 * aSize, 13 * aSize); },
            PropStyle(aPalette.accent.Mix(Colour::Rgb(0x4fc3e8), 0.7)));
    }
    FillPath(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, x + w * 0.8, y + h * 0.45, 22, 14); },
        kSteel.Darker(0.25));
    // The door at the bottom, lit from inside, with an amber lamp over it.
    const double doorW = 84 * aSize;
    const double doorH = 100 * aSize;
    DrawShape(
        aCanvas,
        [&](cairo_t* aCr) {
            RoundedRectPath(aCr, aAt.x - doorW / 2 - 8, aAt.y - doorH - 8, doorW + 16, doorH + 8,
                            12);
        },
        PropStyle(kSteel.Darker(0.4)));
    FillLinearGradient(aCanvas,
                       [&](cairo_t* aCr)
                       { RoundedRectPath(aCr, aAt.x - doorW / 2, aAt.y - doorH, doorW, doorH, 8); },
                       {aAt.x, aAt.y - doorH}, {aAt.x, aAt.y},
                       {{0.0, Colour::Rgb(0x1a1d24)}, {1.0, aPalette.accent.Darker(0.2)}});
    FillRadialGradient(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, aAt.x, aAt.y - doorH - 20, 16, 16); },
        {aAt.x, aAt.y - doorH - 20}, 16,
        {{0.0, aPalette.accent.Lighter(0.6)}, {1.0, aPalette.accent.WithAlpha(0.0)}});
    Speckle(aCanvas, [&](cairo_t* aCr) { RoundedRectPath(aCr, x, y, w, h, 70 * aSize); }, aRandom,
            40, 2, 7, {Colour::Rgb(0x2a2a2a, 0.5), kSteel.Lighter(0.2)});
}

void HutPicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette)
{
    const double w = 180 * aSize;
    const double h = 110 * aSize;
    DropShadow(aCanvas, aAt.x + 8, aAt.y - 4, w * 0.62, 22 * aSize, 0.4);
    DrawShape(
        aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, aAt.x - w / 2, aAt.y - h, w, h); },
        PropStyle(aPalette.ground.Lighter(0.25)));
    // Wall posts and a dark doorway.
    for (double post : {-0.5, 0.5})
    {
        FillPath(
            aCanvas,
            [&](cairo_t* aCr)
            { cairo_rectangle(aCr, aAt.x + post * w - 6 * aSize, aAt.y - h, 12 * aSize, h); },
            kBark);
    }
    DrawShape(
        aCanvas,
        [&](cairo_t* aCr)
        {
            RoundedRectPath(aCr, aAt.x - 22 * aSize, aAt.y - 76 * aSize, 44 * aSize, 76 * aSize,
                            14 * aSize);
        },
        PropStyle(Colour::Rgb(0x2a1c12)));
}

void HutRoof(Canvas& aCanvas, Random& aRandom, Point aAt, double aSize, const Palette& aPalette)
{
    const double w = 230 * aSize;
    const double eave = aAt.y - 112 * aSize;
    const double ridge = aAt.y - 230 * aSize;
    const std::vector<Point> roof = {{aAt.x - w / 2, eave},
                                     {aAt.x - w * 0.12, ridge},
                                     {aAt.x + w * 0.12, ridge},
                                     {aAt.x + w / 2, eave},
                                     {aAt.x, eave + 14 * aSize}};
    const Colour thatch = aPalette.accent;
    DrawShape(
        aCanvas, [&roof](cairo_t* aCr) { PolygonPath(aCr, roof); }, PropStyle(thatch, 3.0));
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    PolygonPath(cr, roof);
    cairo_clip(cr);
    SetColour(cr, thatch.Darker(0.35));
    cairo_set_line_width(cr, 1.6);
    for (int i = 0; i < 60; ++i)
    {
        const double x = aAt.x + aRandom.Range(-w / 2, w / 2);
        const double y = aRandom.Range(ridge, eave);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + (x - aAt.x) * 0.08, y + 22 * aSize);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace content
