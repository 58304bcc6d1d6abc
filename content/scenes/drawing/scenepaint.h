#pragma once
// How the pieces of a scene description look: ground materials and props. Used by the scene
// renderer; each function draws one piece in the house style.
#include "core/canvas.h"
#include "scenes/scenemodel.h"

namespace content
{
// Draws one area of ground or obstacle, textured in the scene's palette.
void DrawArea(Canvas& aCanvas, const Area& aArea, const Palette& aPalette, Random& aRandom);

// The part of a prop drawn under the characters.
void DrawPropPicture(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom);
// The part of a prop drawn over the characters standing behind it (canopies, roofs, arches,
// the upright part of a desk); may draw nothing. False when the prop has no such part.
bool DrawPropOverlay(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom);
// Where that part stands: the line on the ground a character must be behind (above) to be
// covered by it; foreground that covers everyone gives geometry::ourAlwaysInFront.
int PropOverlayBase(const Prop& aProp);
// The ground a prop takes from the heroine; false when she can walk through it.
bool PropFootprint(const Prop& aProp, Shape& aFootprint);

// The house style with the given fill and outline width.
ShapeStyle PropStyle(const Colour& aFill, double aOutline = 2.5);

// Colours props in several files share.
inline const Colour kBark = Colour::Rgb(0x6b4a2b);
inline const Colour kStone = Colour::Rgb(0x8a8378);
inline const Colour kSteel = Colour::Rgb(0x8e9aa6);
inline const Colour kCopper = Colour::Rgb(0xb87333);

// Built props, drawn around the middle of their base (see sceneprops.cpp for the rest).
void CrashedMachinePicture(Canvas& aCanvas, Random& aRandom, Point aAt, double aSize,
                           const Palette& aPalette);
void HutPicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);
void HutRoof(Canvas& aCanvas, Random& aRandom, Point aAt, double aSize, const Palette& aPalette);

// The time machine's interior (scenemachinery.cpp, scenefittings.cpp).
// A round lamp: a bright centre fading out into its own glow.
void LampGlow(Canvas& aCanvas, Point aAt, double aRadius, const Colour& aColour);
// A rounded box in the house style.
void SteelBox(Canvas& aCanvas, double aX, double aY, double aWidth, double aHeight, double aRadius,
              const Colour& aFill, double aOutline = 2.5);
void WallBankPicture(Canvas& aCanvas, Point aAt, double aWidth, const Palette& aPalette);
void ViewportPicture(Canvas& aCanvas, Point aAt, double aSize);
void ConsolePicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);
// The console without its shadow: drawn over the heroine too when she stands behind it.
void ConsoleBody(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);
void EnginePicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);
void LockerPicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);
void CablePicture(Canvas& aCanvas, Point aAt, double aLength, double aAngle);
void HatchPicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);
// The hatch's door frame, drawn over the characters.
void HatchFrame(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);
void PipesOverlay(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);

// Natural shapes shared by several props (scenenature.cpp), around the middle of their base.
void Trunk(Canvas& aCanvas, Point aBase, double aWidth, double aHeight, double aLean,
           const Colour& aColour);
// Palm fronds: long pointed leaves fanning out from the crown.
void Fronds(Canvas& aCanvas, Random& aRandom, Point aCrown, double aLength, const Colour& aColour);
void CaveMouthPicture(Canvas& aCanvas, Point aAt, double aSize);
void CaveArch(Canvas& aCanvas, Random& aRandom, Point aAt, double aSize, const Palette& aPalette);
// Where the stairs will go from aAt, aLength long towards aAngle: a crumbled lip at the top and
// fallen slabs at the foot; the built steps are a picture of their own (sceneprogress.cpp).
void StairsPicture(Canvas& aCanvas, Point aAt, double aLength, double aAngle);
// A post-and-rail fence from aAt, aLength long towards aAngle.
void FencePicture(Canvas& aCanvas, Point aAt, double aLength, double aAngle);

// The caves' and the volcano's props (scenecaveprops.cpp), around the middle of their base.
void StalagmitePicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);
void CrystalPicture(Canvas& aCanvas, Random& aRandom, Point aAt, double aSize,
                    const Palette& aPalette);
void RubblePicture(Canvas& aCanvas, Random& aRandom, Point aAt, double aSize,
                   const Palette& aPalette);
// A torch on the wall with its pool of light.
void TorchPicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);
void SmokeVentPicture(Canvas& aCanvas, Point aAt, double aSize);
// Rock teeth hanging from aAt, one every 34 pixels across aWidth; drawn over the characters.
void StalactitesOverlay(Canvas& aCanvas, Random& aRandom, Point aAt, double aWidth,
                        const Palette& aPalette);

// A leafy crown of overlapping shaded blobs around a centre (trees, bushes, canopy edges).
void DrawLeafCluster(Canvas& aCanvas, Random& aRandom, Point aCenter, double aRadiusX,
                     double aRadiusY, const Colour& aColour, int aCount);
}  // namespace content
