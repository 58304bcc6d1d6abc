#pragma once
// Drawing helpers shared by every picture the generator makes: an owned cairo surface, the
// house style (dark outline, flat colour, one step of soft shading with the light from the top
// left), paths, gradients, and seeded noise so that every run draws the same picture.
#include <cairo.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "core/contentwriter.h"

namespace content
{
// Small deterministic generator (SplitMix64). Never rand() or the clock: same seed, same art.
class Random
{
public:
    explicit Random(uint64_t aSeed) : myState(aSeed) {}

    // Next 64 random bits.
    uint64_t Next();
    // Uniform in [0, 1).
    double Uniform();
    // Uniform in [aLow, aHigh).
    double Range(double aLow, double aHigh);
    // Uniform integer in [aLow, aHigh], both included.
    int Int(int aLow, int aHigh);

private:
    uint64_t myState;
};

// Smooth value noise in [0, 1], fixed by its seed; one lattice cell per unit of input.
class ValueNoise
{
public:
    explicit ValueNoise(uint64_t aSeed);

    // One octave, smoothly interpolated between lattice values.
    double At(double aX, double aY) const;
    // aOctaves octaves, each of double frequency and half weight, still in [0, 1].
    double Fractal(double aX, double aY, int aOctaves) const;

private:
    static constexpr int kSize = 256;
    std::vector<float> myLattice;
};

struct Point
{
    double x = 0.0;
    double y = 0.0;
};

// A straight (not premultiplied) colour, components in [0, 1].
struct Colour
{
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 1.0;

    // From 0xRRGGBB.
    static Colour Rgb(uint32_t aHex, double aAlpha = 1.0);
    // Moved towards white by aAmount in [0, 1].
    Colour Lighter(double aAmount) const;
    // Moved towards black by aAmount in [0, 1].
    Colour Darker(double aAmount) const;
    // (1 - aT) * this + aT * aOther, alpha included.
    Colour Mix(const Colour& aOther, double aT) const;
    Colour WithAlpha(double aAlpha) const;
};

// An ARGB32 cairo image surface and its drawing context, freed together.
class Canvas
{
public:
    // Fully transparent.
    Canvas(int aWidth, int aHeight);
    // Without bounds and without pixels: what is drawn is recorded, to be measured (InkBox) and
    // painted over another canvas (PaintOver). Size 0 x 0; it has no image.
    struct Unbounded
    {
    };
    explicit Canvas(Unbounded);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* Cr() const { return myContext; }
    int Width() const { return myWidth; }
    int Height() const { return myHeight; }

    // The pixels as straight-alpha 0xAARRGGBB, ready for the picture encoder.
    Image ToImage() const;
    // Replaces the whole canvas with aImage (same size required).
    void FromImage(const Image& aImage);
    // An unbounded canvas: the box round everything drawn on it, whole pixels wide; false when
    // nothing was drawn.
    bool InkBox(int& aLeft, int& aTop, int& aWidth, int& aHeight) const;
    // The cairo surface drawn on, to paint it elsewhere.
    cairo_surface_t* Surface() const { return mySurface; }

private:
    int myWidth;
    int myHeight;
    cairo_surface_t* mySurface;
    cairo_t* myContext;
};

// Appends one closed path to the context's current path.
using PathFunction = std::function<void(cairo_t*)>;

void SetColour(cairo_t* aCr, const Colour& aColour);

void EllipsePath(cairo_t* aCr, double aCenterX, double aCenterY, double aRadiusX, double aRadiusY);
void RoundedRectPath(cairo_t* aCr, double aX, double aY, double aWidth, double aHeight,
                     double aRadius);
void PolygonPath(cairo_t* aCr, const std::vector<Point>& aPoints);
// A closed smooth curve through every point (Catmull-Rom turned into Bezier segments).
void SmoothPath(cairo_t* aCr, const std::vector<Point>& aPoints);

// An organic closed outline around a centre: aCount points on an ellipse, each pushed in or
// out by up to aJitter of the radius.
std::vector<Point> BlobPoints(Random& aRandom, double aCenterX, double aCenterY, double aRadiusX,
                              double aRadiusY, int aCount, double aJitter);

// The house style for characters, items and props.
struct ShapeStyle
{
    Colour fill;
    Colour outline = Colour::Rgb(0x1c1712);
    double outlineWidth = 2.5;  // 0 draws no outline
    double shade = 0.3;         // how much darker the side away from the light is
    double shadeDepth = 0.16;   // width of the shaded side, as a part of the shape's size
    double highlight = 0.12;    // how much lighter the rim facing the light is
};

// Fills the shape flat, darkens its lower right side with a soft edge, lights its upper left
// rim and outlines it.
void DrawShape(Canvas& aCanvas, const PathFunction& aPath, const ShapeStyle& aStyle);
// Flat fill without outline or shading.
void FillPath(Canvas& aCanvas, const PathFunction& aPath, const Colour& aColour);
// Strokes the path with round joins and caps.
void StrokePath(Canvas& aCanvas, const PathFunction& aPath, const Colour& aColour, double aWidth);

struct GradientStop
{
    double offset = 0.0;  // 0 to 1 along the gradient
    Colour colour;
};

// Fills the path with a linear gradient from aFrom to aTo.
void FillLinearGradient(Canvas& aCanvas, const PathFunction& aPath, Point aFrom, Point aTo,
                        const std::vector<GradientStop>& aStops);
// Fills the path with a radial gradient around aCenter out to aRadius.
void FillRadialGradient(Canvas& aCanvas, const PathFunction& aPath, Point aCenter, double aRadius,
                        const std::vector<GradientStop>& aStops);
// A soft dark ellipse on the ground under an object.
void DropShadow(Canvas& aCanvas, double aCenterX, double aCenterY, double aRadiusX, double aRadiusY,
                double aAlpha);

// Scatters aCount small round flecks of the palette's colours inside the path.
void Speckle(Canvas& aCanvas, const PathFunction& aClip, Random& aRandom, int aCount,
             double aMinRadius, double aMaxRadius, const std::vector<Colour>& aPalette);
// Brightens and darkens every drawn pixel by fractal noise: aStrength 0.1 gives +-10 %.
// aCellSize is the size in pixels of the coarsest noise feature.
void NoiseTint(Canvas& aCanvas, const ValueNoise& aNoise, double aCellSize, double aStrength,
               int aOctaves);
}  // namespace content
