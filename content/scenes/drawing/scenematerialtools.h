#pragma once
// Shared pieces of the ground materials: bounds and paths of a shape, texture marks, the
// raised look of obstacles, and the drawing function of each family of materials.
#include "scenes/drawing/scenepaint.h"

namespace content
{
struct Bounds
{
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double Area() const { return (x1 - x0) * (y1 - y0); }
};

// The shape's bounding box in scene pixels.
Bounds BoundsOf(Canvas& aCanvas, const Shape& aShape);
// True when the point lies inside the shape. Ask before setting a clip: DrawShape's outline
// ignores clips, so what it draws must be placed wholly inside by hand.
bool Inside(Canvas& aCanvas, const Shape& aShape, Point aPoint);
// A path function drawing the shape; the shape must outlive it.
PathFunction PathOf(const Shape& aShape);
// Number of texture marks for an area: one per aSpacing x aSpacing pixels.
int Density(const Bounds& aBounds, double aSpacing);
// Short strokes inside the shape: grass blades, cracks.
void Strokes(Canvas& aCanvas, const Shape& aShape, Random& aRandom, int aCount, double aLength,
             double aAngle, double aAngleJitter, const Colour& aColour, double aWidth);
// An obstacle seen from the three-quarter view: its top face lit, a dark face along its
// lower edge, a crisp lip between them and a dark outline.
void Raised(Canvas& aCanvas, const Shape& aShape, const Colour& aTop, const Colour& aFace,
            double aHeight);

// Keeps drawing inside a shape while it lives.
class ClipTo
{
public:
    ClipTo(Canvas& aCanvas, const Shape& aShape);
    ~ClipTo();
    ClipTo(const ClipTo&) = delete;
    ClipTo& operator=(const ClipTo&) = delete;

private:
    cairo_t* myContext;
};

// Water and lava: glossy, moving surfaces (scenewater.cpp).
void DrawWater(Canvas& aCanvas, const Shape& aShape, Random& aRandom);
void DrawLava(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette, Random& aRandom);

// The time machine's deck and hull (scenemetal.cpp).
void DrawMetalFloor(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette);
void DrawGrating(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette);
void DrawDriveRing(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette);
void DrawMetalWall(Canvas& aCanvas, const Shape& aShape, const Palette& aPalette);
}  // namespace content
