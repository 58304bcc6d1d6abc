// Props standing in the scenes. Each is drawn around the middle of its base: the picture part
// under the characters, the tall part (crowns, roofs, arches, foreground machinery) in the
// overlay, and a footprint that blocks the ground it stands on. Each kind is one row of the
// table at the end of this file.
#include <cmath>
#include <cstddef>
#include <iterator>
#include <type_traits>

#include "overlayparts.h"
#include "scenes/drawing/scenepaint.h"

namespace content
{
ShapeStyle PropStyle(const Colour& aFill, double aOutline)
{
    ShapeStyle style;
    style.fill = aFill;
    style.outlineWidth = aOutline;
    return style;
}

namespace
{
ShapeStyle Style(const Colour& aFill, double aOutline = 2.5)
{
    return PropStyle(aFill, aOutline);
}

// Draws one part of a prop; every part of every kind has this shape.
using PropPart = void (*)(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette,
                          Random& aRandom);
// The ground a prop blocks.
using PropGround = Shape (*)(const Prop& aProp);

// A part drawn by one of the shared helpers, handed only what that helper takes.
template <auto Draw>
void Use(Canvas& aCanvas, const Prop& aProp, [[maybe_unused]] const Palette& aPalette,
         [[maybe_unused]] Random& aRandom)
{
    using F = decltype(Draw);
    if constexpr (std::is_invocable_v<F, Canvas&, Random&, Point, double, const Palette&>)
    {
        Draw(aCanvas, aRandom, aProp.at, aProp.size, aPalette);
    }
    else if constexpr (std::is_invocable_v<F, Canvas&, Point, double, const Palette&>)
    {
        Draw(aCanvas, aProp.at, aProp.size, aPalette);
    }
    else if constexpr (std::is_invocable_v<F, Canvas&, Point, double, double>)
    {
        Draw(aCanvas, aProp.at, aProp.size, aProp.angle);  // size is a length towards angle
    }
    else
    {
        Draw(aCanvas, aProp.at, aProp.size);
    }
}

// An oval footprint around the base, aLift above it; all lengths scale with the prop.
template <int Lift, int RadiusX, int RadiusY>
Shape OvalBase(const Prop& aProp)
{
    const double s = aProp.size;
    return Shape::Oval(aProp.at.x, aProp.at.y - Lift * s, RadiusX * s, RadiusY * s);
}

// A box footprint standing on the base, centred on it.
template <int HalfWidth, int Height>
Shape BoxBase(const Prop& aProp)
{
    const double s = aProp.size;
    return Shape::Rect(aProp.at.x - HalfWidth * s, aProp.at.y - Height * s, 2 * HalfWidth * s,
                       Height * s);
}

void TreeTrunkBody(Canvas& aCanvas, const Prop& aProp)
{
    const double s = aProp.size;
    const Point at = aProp.at;
    const bool rubber = aProp.kind == PropKind::RubberTree;
    Trunk(aCanvas, at, 40 * s, 150 * s, 4 * s, rubber ? Colour::Rgb(0x9a8a6a) : kBark);
    if (rubber)
    {
        // Tapping scars: a ladder of slanted cuts.
        for (int i = 0; i < 4; ++i)
        {
            StrokePath(
                aCanvas,
                [&](cairo_t* aCr)
                {
                    cairo_move_to(aCr, at.x - 12 * s, at.y - (30 + 18 * i) * s);
                    cairo_line_to(aCr, at.x + 10 * s, at.y - (40 + 18 * i) * s);
                },
                Colour::Rgb(0xf2ede0), 3.0);
        }
    }
}

void TreeTrunk(Canvas& aCanvas, const Prop& aProp, const Palette&, Random&)
{
    const double s = aProp.size;
    DropShadow(aCanvas, aProp.at.x + 10, aProp.at.y, 46 * s, 16 * s, 0.35);
    TreeTrunkBody(aCanvas, aProp);
}

// The whole tree, trunk and crown: over whoever stands behind it.
void TreeUpright(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom)
{
    const double s = aProp.size;
    const Point at = aProp.at;
    TreeTrunkBody(aCanvas, aProp);
    DrawLeafCluster(aCanvas, aRandom, {at.x + 4 * s, at.y - 190 * s}, 100 * s, 78 * s,
                    aPalette.foliage.Lighter(aProp.kind == PropKind::RubberTree ? 0.1 : 0.0), 8);
}

void PalmTrunkBody(Canvas& aCanvas, const Prop& aProp)
{
    const double s = aProp.size;
    Trunk(aCanvas, aProp.at, 26 * s, 170 * s, 24 * s, Colour::Rgb(0x8a6a42));
}

void PalmTrunk(Canvas& aCanvas, const Prop& aProp, const Palette&, Random&)
{
    const double s = aProp.size;
    DropShadow(aCanvas, aProp.at.x + 14, aProp.at.y, 40 * s, 14 * s, 0.3);
    PalmTrunkBody(aCanvas, aProp);
}

// The whole palm, trunk and crown: over whoever stands behind it.
void PalmUpright(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom)
{
    const double s = aProp.size;
    const Point at = aProp.at;
    PalmTrunkBody(aCanvas, aProp);
    const Point crown{at.x + 24 * s, at.y - 172 * s};
    Fronds(aCanvas, aRandom, crown, 100 * s, aPalette.foliage.Lighter(0.12));
    if (aProp.kind != PropKind::CocoPalm)
    {
        return;
    }
    for (int i = 0; i < 3; ++i)
    {
        DrawShape(
            aCanvas,
            [&](cairo_t* aCr)
            { EllipsePath(aCr, crown.x + (i - 1) * 14 * s, crown.y + 12 * s, 10 * s, 10 * s); },
            Style(Colour::Rgb(0x6e4a26)));
    }
}

void BushPicture(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom)
{
    const double s = aProp.size;
    const Point at = aProp.at;
    DropShadow(aCanvas, at.x + 6, at.y, 36 * s, 12 * s, 0.35);
    DrawLeafCluster(aCanvas, aRandom, {at.x, at.y - 20 * s}, 34 * s, 26 * s, aPalette.foliage, 6);
}

void FernPicture(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom)
{
    Fronds(aCanvas, aRandom, {aProp.at.x, aProp.at.y - 6 * aProp.size}, 34 * aProp.size,
           aPalette.foliage.Lighter(0.1));
}

void BoulderPicture(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom)
{
    const double s = aProp.size;
    const Point at = aProp.at;
    DropShadow(aCanvas, at.x + 8, at.y, 40 * s, 12 * s, 0.4);
    const std::vector<Point> rock =
        BlobPoints(aRandom, at.x, at.y - 20 * s, 36 * s, 26 * s, 9, 0.18);
    DrawShape(
        aCanvas, [&rock](cairo_t* aCr) { SmoothPath(aCr, rock); },
        Style(aPalette.obstacle.Lighter(0.15)));
}

void StumpPicture(Canvas& aCanvas, const Prop& aProp, const Palette&, Random&)
{
    const double s = aProp.size;
    const Point at = aProp.at;
    DropShadow(aCanvas, at.x + 6, at.y, 30 * s, 10 * s, 0.35);
    DrawShape(
        aCanvas,
        [&](cairo_t* aCr) { cairo_rectangle(aCr, at.x - 20 * s, at.y - 26 * s, 40 * s, 26 * s); },
        Style(kBark));
    DrawShape(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, at.x, at.y - 26 * s, 20 * s, 9 * s); },
        Style(Colour::Rgb(0xd9b27a), 2.0));
}

void ReedsPicture(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom)
{
    const double s = aProp.size;
    const Point at = aProp.at;
    for (int i = 0; i < 9; ++i)
    {
        const double x = at.x + aRandom.Range(-24, 24) * s;
        const double top = at.y - aRandom.Range(30, 56) * s;
        StrokePath(
            aCanvas,
            [&](cairo_t* aCr)
            {
                cairo_move_to(aCr, x, at.y);
                cairo_curve_to(aCr, x, at.y - 20, x + 6, top + 10, x + 8, top);
            },
            aPalette.foliage.Lighter(0.2), 3.0);
    }
}

void WellPicture(Canvas& aCanvas, const Prop& aProp, const Palette&, Random&)
{
    const double s = aProp.size;
    const Point at = aProp.at;
    DropShadow(aCanvas, at.x + 6, at.y, 40 * s, 14 * s, 0.4);
    DrawShape(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, at.x, at.y - 18 * s, 34 * s, 22 * s); },
        Style(kStone));
    FillPath(
        aCanvas, [&](cairo_t* aCr) { EllipsePath(aCr, at.x, at.y - 22 * s, 22 * s, 12 * s); },
        Colour::Rgb(0x1a2a3a));
}

void CratePicture(Canvas& aCanvas, const Prop& aProp, const Palette&, Random&)
{
    const double s = aProp.size;
    const Point at = aProp.at;
    DropShadow(aCanvas, at.x + 6, at.y, 30 * s, 10 * s, 0.35);
    DrawShape(
        aCanvas,
        [&](cairo_t* aCr) { cairo_rectangle(aCr, at.x - 24 * s, at.y - 44 * s, 48 * s, 44 * s); },
        Style(Colour::Rgb(0xa57a45)));
    // Its lit lid and a cross brace on the front, so it reads as a wooden crate.
    DrawShape(
        aCanvas,
        [&](cairo_t* aCr) { cairo_rectangle(aCr, at.x - 24 * s, at.y - 44 * s, 48 * s, 12 * s); },
        Style(Colour::Rgb(0xc89a5e), 2.0));
    StrokePath(
        aCanvas,
        [&](cairo_t* aCr)
        {
            cairo_move_to(aCr, at.x - 20 * s, at.y - 28 * s);
            cairo_line_to(aCr, at.x + 20 * s, at.y - 4 * s);
            cairo_move_to(aCr, at.x + 20 * s, at.y - 28 * s);
            cairo_line_to(aCr, at.x - 20 * s, at.y - 4 * s);
        },
        Colour::Rgb(0x6b4a2b), 4.0 * s);
}

void LeavesOverlay(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom)
{
    const double s = aProp.size;
    DrawLeafCluster(aCanvas, aRandom, aProp.at, 90 * s, 70 * s, aPalette.foliage.Darker(0.1), 7);
}

// A strip along the fence from its position, size long towards its angle.
Shape FenceGround(const Prop& aProp)
{
    const Point at = aProp.at;
    const double dx = std::cos(aProp.angle) * aProp.size;
    const double dy = std::sin(aProp.angle) * aProp.size;
    return Shape::Poly({{at.x, at.y - 8},
                        {at.x + dx, at.y + dy - 8},
                        {at.x + dx, at.y + dy + 6},
                        {at.x, at.y + 6}});
}

struct PropLook
{
    PropKind kind;
    PropPart picture;         // under the characters; null: nothing
    PropPart overlay;         // over the characters behind it; null: nothing
    PropGround blocked;       // null: she walks through it
    bool foreground = false;  // the overlay covers everyone, wherever they stand
};

using P = PropKind;
// One row per kind, in the order of PropKind.
constexpr PropLook kLooks[] = {
    {P::JungleTree, TreeTrunk, TreeUpright, OvalBase<6, 22, 12>},
    {P::Palm, PalmTrunk, PalmUpright, OvalBase<4, 15, 9>},
    {P::Bush, BushPicture, nullptr, OvalBase<10, 32, 16>},
    {P::Fern, FernPicture, nullptr, nullptr},
    {P::Boulder, BoulderPicture, nullptr, OvalBase<12, 34, 18>},
    {P::Stump, StumpPicture, nullptr, OvalBase<8, 22, 12>},
    {P::Reeds, ReedsPicture, nullptr, nullptr},
    {P::CrashedMachine, Use<CrashedMachinePicture>, nullptr, BoxBase<130, 230>},
    {P::RubberTree, TreeTrunk, TreeUpright, OvalBase<6, 22, 12>},
    {P::CocoPalm, PalmTrunk, PalmUpright, OvalBase<4, 15, 9>},
    {P::CaveMouth, Use<CaveMouthPicture>, Use<CaveArch>, nullptr},
    {P::Hut, Use<HutPicture>, Use<HutRoof>, BoxBase<90, 100>},
    {P::Well, WellPicture, nullptr, OvalBase<14, 34, 20>},
    {P::Fence, Use<FencePicture>, nullptr, FenceGround},
    {P::Crate, CratePicture, nullptr, BoxBase<24, 30>},
    {P::SpriteTrunk, nullptr, nullptr, OvalBase<4, 16, 9>},
    {P::Console, Use<ConsolePicture>, Use<ConsoleBody>, BoxBase<60, 50>},
    {P::Locker, Use<LockerPicture>, nullptr, BoxBase<24, 30>},
    {P::WallBank, Use<WallBankPicture>, nullptr, nullptr},
    {P::Viewport, Use<ViewportPicture>, nullptr, nullptr},
    {P::Cable, Use<CablePicture>, nullptr, nullptr},
    {P::Engine, Use<EnginePicture>, nullptr, BoxBase<100, 120>},
    {P::Pipes, nullptr, Use<PipesOverlay>, nullptr, true},
    {P::Hatch, Use<HatchPicture>, Use<HatchFrame>, nullptr},
    {P::Stalagmite, Use<StalagmitePicture>, nullptr, OvalBase<6, 18, 10>},
    {P::Crystal, Use<CrystalPicture>, nullptr, nullptr},
    {P::Rubble, Use<RubblePicture>, nullptr, nullptr},
    {P::Torch, Use<TorchPicture>, nullptr, nullptr},
    {P::Stairs, Use<StairsPicture>, nullptr, nullptr},
    {P::SmokeVent, Use<SmokeVentPicture>, nullptr, nullptr},
    {P::Leaves, nullptr, LeavesOverlay, nullptr, true},
    {P::Stalactites, nullptr, Use<StalactitesOverlay>, nullptr, true},
};

constexpr bool EveryKindInOrder()
{
    for (size_t i = 0; i < std::size(kLooks); ++i)
    {
        if (static_cast<size_t>(kLooks[i].kind) != i)
        {
            return false;
        }
    }
    return std::size(kLooks) == static_cast<size_t>(PropKind::Count);
}
static_assert(EveryKindInOrder(), "kLooks needs one row per PropKind, in its order");

const PropLook& LookOf(PropKind aKind)
{
    return kLooks[static_cast<size_t>(aKind)];
}
}  // namespace

void DrawPropPicture(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom)
{
    if (const PropPart picture = LookOf(aProp.kind).picture)
    {
        picture(aCanvas, aProp, aPalette, aRandom);
    }
}

bool DrawPropOverlay(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom)
{
    const PropPart overlay = LookOf(aProp.kind).overlay;
    if (overlay == nullptr)
    {
        return false;
    }
    overlay(aCanvas, aProp, aPalette, aRandom);
    return true;
}

int PropOverlayBase(const Prop& aProp)
{
    return LookOf(aProp.kind).foreground ? geometry::ourAlwaysInFront
                                         : static_cast<int>(std::lround(aProp.at.y));
}

bool PropFootprint(const Prop& aProp, Shape& aFootprint)
{
    const PropGround blocked = LookOf(aProp.kind).blocked;
    if (blocked == nullptr)
    {
        return false;
    }
    aFootprint = blocked(aProp);
    return true;
}
}  // namespace content
