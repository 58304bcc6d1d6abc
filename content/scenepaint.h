#pragma once
// How the pieces of a scene description look: ground materials and props. Used by the scene
// renderer; each function draws one piece in the house style.
#include "canvas.h"
#include "scenemodel.h"

namespace content
{
// Draws one area of ground or obstacle, textured in the scene's palette.
void DrawArea(Canvas& aCanvas, const Area& aArea, const Palette& aPalette, Random& aRandom);

// The part of a prop drawn under the characters.
void DrawPropPicture(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom);
// The part of a prop drawn over the characters (canopies, roofs, arches); may draw nothing.
void DrawPropOverlay(Canvas& aCanvas, const Prop& aProp, const Palette& aPalette, Random& aRandom);
// The ground a prop takes from the heroine; false when she can walk through it.
bool PropFootprint(const Prop& aProp, Shape& aFootprint);

// The house style with the given fill and outline width.
ShapeStyle PropStyle(const Colour& aFill, double aOutline = 2.5);

// Built props, drawn around the middle of their base (see sceneprops.cpp for the rest).
void CrashedMachinePicture(Canvas& aCanvas, Random& aRandom, Point aAt, double aSize,
                           const Palette& aPalette);
void HutPicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);
void HutRoof(Canvas& aCanvas, Random& aRandom, Point aAt, double aSize, const Palette& aPalette);

// The time machine's interior (scenemachinery.cpp).
void WallBankPicture(Canvas& aCanvas, Point aAt, double aWidth, const Palette& aPalette);
void ViewportPicture(Canvas& aCanvas, Point aAt, double aSize);
void ConsolePicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);
void EnginePicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);
void LockerPicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);
void CablePicture(Canvas& aCanvas, Point aAt, double aLength, double aAngle);
void HatchPicture(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);
void PipesOverlay(Canvas& aCanvas, Point aAt, double aSize, const Palette& aPalette);

// A leafy crown of overlapping shaded blobs around a centre (trees, bushes, canopy edges).
void DrawLeafCluster(Canvas& aCanvas, Random& aRandom, Point aCenter, double aRadiusX,
                     double aRadiusY, const Colour& aColour, int aCount);
}  // namespace content
