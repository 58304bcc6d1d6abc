#include "core/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

namespace content
{
namespace
{
constexpr double kPi = 3.14159265358979323846;

double Clamp01(double aValue)
{
    return std::min(1.0, std::max(0.0, aValue));
}

double Smooth(double aT)
{
    return aT * aT * (3.0 - 2.0 * aT);
}

void AddStops(cairo_pattern_t* aPattern, const std::vector<GradientStop>& aStops)
{
    for (const GradientStop& stop : aStops)
    {
        cairo_pattern_add_color_stop_rgba(aPattern, stop.offset, stop.colour.r, stop.colour.g,
                                          stop.colour.b, stop.colour.a);
    }
}

void FillWithPattern(Canvas& aCanvas, const PathFunction& aPath, cairo_pattern_t* aPattern)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    aPath(cr);
    cairo_set_source(cr, aPattern);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_pattern_destroy(aPattern);
}
}  // namespace

uint64_t Random::Next()
{
    myState += 0x9E3779B97F4A7C15ull;
    uint64_t z = myState;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Random::Uniform()
{
    return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}

double Random::Range(double aLow, double aHigh)
{
    return aLow + (aHigh - aLow) * Uniform();
}

int Random::Int(int aLow, int aHigh)
{
    const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(aHigh) - aLow + 1);
    return aLow + static_cast<int>(Next() % span);
}

ValueNoise::ValueNoise(uint64_t aSeed) : myLattice(static_cast<size_t>(kSize) * kSize)
{
    Random random(aSeed);
    for (float& value : myLattice)
    {
        value = static_cast<float>(random.Uniform());
    }
}

double ValueNoise::At(double aX, double aY) const
{
    const double fx = std::floor(aX);
    const double fy = std::floor(aY);
    const int x0 = static_cast<int>(fx) & (kSize - 1);
    const int y0 = static_cast<int>(fy) & (kSize - 1);
    const int x1 = (x0 + 1) & (kSize - 1);
    const int y1 = (y0 + 1) & (kSize - 1);
    const double tx = Smooth(aX - fx);
    const double ty = Smooth(aY - fy);
    const double top = myLattice[y0 * kSize + x0] * (1 - tx) + myLattice[y0 * kSize + x1] * tx;
    const double bottom = myLattice[y1 * kSize + x0] * (1 - tx) + myLattice[y1 * kSize + x1] * tx;
    return top * (1 - ty) + bottom * ty;
}

double ValueNoise::Fractal(double aX, double aY, int aOctaves) const
{
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    double frequency = 1.0;
    for (int octave = 0; octave < aOctaves; ++octave)
    {
        // Each octave is shifted so the lattice points do not line up.
        sum += weight * At(aX * frequency + octave * 17.31, aY * frequency + octave * 9.77);
        total += weight;
        weight *= 0.5;
        frequency *= 2.0;
    }
    return total > 0.0 ? sum / total : 0.5;
}

Colour Colour::Rgb(uint32_t aHex, double aAlpha)
{
    return Colour{((aHex >> 16) & 0xFF) / 255.0, ((aHex >> 8) & 0xFF) / 255.0,
                  (aHex & 0xFF) / 255.0, aAlpha};
}

Colour Colour::Lighter(double aAmount) const
{
    return Colour{r + (1 - r) * aAmount, g + (1 - g) * aAmount, b + (1 - b) * aAmount, a};
}

Colour Colour::Darker(double aAmount) const
{
    return Colour{r * (1 - aAmount), g * (1 - aAmount), b * (1 - aAmount), a};
}

Colour Colour::Mix(const Colour& aOther, double aT) const
{
    return Colour{r + (aOther.r - r) * aT, g + (aOther.g - g) * aT, b + (aOther.b - b) * aT,
                  a + (aOther.a - a) * aT};
}

Colour Colour::WithAlpha(double aAlpha) const
{
    return Colour{r, g, b, aAlpha};
}

Canvas::Canvas(int aWidth, int aHeight)
    : myWidth(aWidth),
      myHeight(aHeight),
      mySurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, aWidth, aHeight)),
      myContext(cairo_create(mySurface))
{
    if (cairo_surface_status(mySurface) != CAIRO_STATUS_SUCCESS ||
        cairo_status(myContext) != CAIRO_STATUS_SUCCESS)
    {
        fprintf(stderr, "marrowen-content: cannot make a %d x %d canvas\n", aWidth, aHeight);
        exit(1);
    }
}

Canvas::Canvas(Unbounded)
    : myWidth(0),
      myHeight(0),
      mySurface(cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr)),
      myContext(cairo_create(mySurface))
{
    if (cairo_surface_status(mySurface) != CAIRO_STATUS_SUCCESS ||
        cairo_status(myContext) != CAIRO_STATUS_SUCCESS)
    {
        fprintf(stderr, "marrowen-content: cannot make a recording canvas\n");
        exit(1);
    }
}

bool Canvas::InkBox(int& aLeft, int& aTop, int& aWidth, int& aHeight) const
{
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
    cairo_recording_surface_ink_extents(mySurface, &x, &y, &width, &height);
    if (width <= 0.0 || height <= 0.0)
    {
        return false;
    }
    aLeft = static_cast<int>(std::floor(x));
    aTop = static_cast<int>(std::floor(y));
    aWidth = static_cast<int>(std::ceil(x + width)) - aLeft;
    aHeight = static_cast<int>(std::ceil(y + height)) - aTop;
    return true;
}

Canvas::~Canvas()
{
    cairo_destroy(myContext);
    cairo_surface_destroy(mySurface);
}

Image Canvas::ToImage() const
{
    cairo_surface_flush(mySurface);
    Image image;
    image.width = myWidth;
    image.height = myHeight;
    image.pixels.resize(static_cast<size_t>(myWidth) * myHeight);
    const unsigned char* data = cairo_image_surface_get_data(mySurface);
    const int stride = cairo_image_surface_get_stride(mySurface);
    for (int y = 0; y < myHeight; ++y)
    {
        const uint32_t* row =
            reinterpret_cast<const uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < myWidth; ++x)
        {
            const uint32_t pixel = row[x];
            const uint32_t alpha = pixel >> 24;
            uint32_t out = 0;
            if (alpha == 255)
            {
                out = pixel;
            }
            else if (alpha > 0)
            {
                // Cairo keeps colour premultiplied by alpha; the game's files are straight.
                const auto straight = [&](int aShift)
                {
                    const uint32_t value = (pixel >> aShift) & 0xFF;
                    return std::min<uint32_t>(255, (value * 255 + alpha / 2) / alpha) << aShift;
                };
                out = alpha << 24 | straight(16) | straight(8) | straight(0);
            }
            image.pixels[static_cast<size_t>(y) * myWidth + x] = out;
        }
    }
    return image;
}

void Canvas::FromImage(const Image& aImage)
{
    if (aImage.width != myWidth || aImage.height != myHeight)
    {
        fprintf(stderr, "marrowen-content: picture of %d x %d does not fit a %d x %d canvas\n",
                aImage.width, aImage.height, myWidth, myHeight);
        exit(1);
    }
    cairo_surface_flush(mySurface);
    unsigned char* data = cairo_image_surface_get_data(mySurface);
    const int stride = cairo_image_surface_get_stride(mySurface);
    for (int y = 0; y < myHeight; ++y)
    {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < myWidth; ++x)
        {
            const uint32_t pixel = aImage.pixels[static_cast<size_t>(y) * myWidth + x];
            const uint32_t alpha = pixel >> 24;
            const auto premultiplied = [&](int aShift)
            { return ((((pixel >> aShift) & 0xFF) * alpha + 127) / 255) << aShift; };
            row[x] = alpha << 24 | premultiplied(16) | premultiplied(8) | premultiplied(0);
        }
    }
    cairo_surface_mark_dirty(mySurface);
}

void SetColour(cairo_t* aCr, const Colour& aColour)
{
    cairo_set_source_rgba(aCr, aColour.r, aColour.g, aColour.b, aColour.a);
}

void EllipsePath(cairo_t* aCr, double aCenterX, double aCenterY, double aRadiusX, double aRadiusY)
{
    cairo_save(aCr);
    cairo_translate(aCr, aCenterX, aCenterY);
    cairo_scale(aCr, std::max(aRadiusX, 1e-3), std::max(aRadiusY, 1e-3));
    cairo_new_sub_path(aCr);
    cairo_arc(aCr, 0.0, 0.0, 1.0, 0.0, 2.0 * kPi);
    cairo_close_path(aCr);
    cairo_restore(aCr);
}

void RoundedRectPath(cairo_t* aCr, double aX, double aY, double aWidth, double aHeight,
                     double aRadius)
{
    const double r = std::min(aRadius, std::min(aWidth, aHeight) / 2.0);
    cairo_new_sub_path(aCr);
    cairo_arc(aCr, aX + aWidth - r, aY + r, r, -kPi / 2, 0.0);
    cairo_arc(aCr, aX + aWidth - r, aY + aHeight - r, r, 0.0, kPi / 2);
    cairo_arc(aCr, aX + r, aY + aHeight - r, r, kPi / 2, kPi);
    cairo_arc(aCr, aX + r, aY + r, r, kPi, 1.5 * kPi);
    cairo_close_path(aCr);
}

void PolygonPath(cairo_t* aCr, const std::vector<Point>& aPoints)
{
    if (aPoints.empty())
    {
        return;
    }
    cairo_move_to(aCr, aPoints[0].x, aPoints[0].y);
    for (size_t i = 1; i < aPoints.size(); ++i)
    {
        cairo_line_to(aCr, aPoints[i].x, aPoints[i].y);
    }
    cairo_close_path(aCr);
}

void SmoothPath(cairo_t* aCr, const std::vector<Point>& aPoints)
{
    const size_t count = aPoints.size();
    if (count < 3)
    {
        PolygonPath(aCr, aPoints);
        return;
    }
    cairo_move_to(aCr, aPoints[0].x, aPoints[0].y);
    for (size_t i = 0; i < count; ++i)
    {
        const Point& p0 = aPoints[(i + count - 1) % count];
        const Point& p1 = aPoints[i];
        const Point& p2 = aPoints[(i + 1) % count];
        const Point& p3 = aPoints[(i + 2) % count];
        cairo_curve_to(aCr, p1.x + (p2.x - p0.x) / 6.0, p1.y + (p2.y - p0.y) / 6.0,
                       p2.x - (p3.x - p1.x) / 6.0, p2.y - (p3.y - p1.y) / 6.0, p2.x, p2.y);
    }
    cairo_close_path(aCr);
}

std::vector<Point> BlobPoints(Random& aRandom, double aCenterX, double aCenterY, double aRadiusX,
                              double aRadiusY, int aCount, double aJitter)
{
    std::vector<Point> points;
    points.reserve(static_cast<size_t>(aCount));
    for (int i = 0; i < aCount; ++i)
    {
        const double angle = 2.0 * kPi * i / aCount;
        const double scale = 1.0 + aRandom.Range(-aJitter, aJitter);
        points.push_back({aCenterX + std::cos(angle) * aRadiusX * scale,
                          aCenterY + std::sin(angle) * aRadiusY * scale});
    }
    return points;
}

void DrawShape(Canvas& aCanvas, const PathFunction& aPath, const ShapeStyle& aStyle)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    aPath(cr);
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    const double depthX = (x1 - x0) * aStyle.shadeDepth;
    const double depthY = (y1 - y0) * aStyle.shadeDepth;

    // The whole shape in the shaded colour, then the lit colour laid over it shifted towards
    // the light in a few soft steps, so only the lower right keeps the shade.
    cairo_clip_preserve(cr);
    SetColour(cr, aStyle.fill.Darker(aStyle.shade));
    cairo_fill(cr);
    constexpr int kSteps = 4;
    for (int step = 1; step <= kSteps; ++step)
    {
        const double t = static_cast<double>(step) / kSteps;
        cairo_save(cr);
        cairo_translate(cr, -depthX * t, -depthY * t);
        cairo_new_path(cr);
        aPath(cr);
        SetColour(cr, aStyle.fill.WithAlpha(step == 1 ? 1.0 : 0.55));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    if (aStyle.highlight > 0.0)
    {
        // The rim facing the light: the shape minus itself shifted down and right.
        cairo_new_path(cr);
        aPath(cr);
        cairo_save(cr);
        cairo_translate(cr, depthX * 0.35, depthY * 0.35);
        aPath(cr);
        cairo_restore(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        SetColour(cr, aStyle.fill.Lighter(aStyle.highlight));
        cairo_fill(cr);
    }
    cairo_reset_clip(cr);
    if (aStyle.outlineWidth > 0.0)
    {
        cairo_new_path(cr);
        aPath(cr);
        SetColour(cr, aStyle.outline);
        cairo_set_line_width(cr, aStyle.outlineWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void FillPath(Canvas& aCanvas, const PathFunction& aPath, const Colour& aColour)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    aPath(cr);
    SetColour(cr, aColour);
    cairo_fill(cr);
    cairo_restore(cr);
}

void StrokePath(Canvas& aCanvas, const PathFunction& aPath, const Colour& aColour, double aWidth)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    aPath(cr);
    SetColour(cr, aColour);
    cairo_set_line_width(cr, aWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void FillLinearGradient(Canvas& aCanvas, const PathFunction& aPath, Point aFrom, Point aTo,
                        const std::vector<GradientStop>& aStops)
{
    cairo_pattern_t* pattern = cairo_pattern_create_linear(aFrom.x, aFrom.y, aTo.x, aTo.y);
    AddStops(pattern, aStops);
    FillWithPattern(aCanvas, aPath, pattern);
}

void FillRadialGradient(Canvas& aCanvas, const PathFunction& aPath, Point aCenter, double aRadius,
                        const std::vector<GradientStop>& aStops)
{
    cairo_pattern_t* pattern =
        cairo_pattern_create_radial(aCenter.x, aCenter.y, 0.0, aCenter.x, aCenter.y, aRadius);
    AddStops(pattern, aStops);
    FillWithPattern(aCanvas, aPath, pattern);
}

void DropShadow(Canvas& aCanvas, double aCenterX, double aCenterY, double aRadiusX, double aRadiusY,
                double aAlpha)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, aCenterX, aCenterY);
    cairo_scale(cr, std::max(aRadiusX, 1e-3), std::max(aRadiusY, 1e-3));
    cairo_pattern_t* pattern = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(pattern, 0.0, 0, 0, 0, aAlpha);
    cairo_pattern_add_color_stop_rgba(pattern, 0.6, 0, 0, 0, aAlpha * 0.7);
    cairo_pattern_add_color_stop_rgba(pattern, 1.0, 0, 0, 0, 0);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
    cairo_restore(cr);
}

void Speckle(Canvas& aCanvas, const PathFunction& aClip, Random& aRandom, int aCount,
             double aMinRadius, double aMaxRadius, const std::vector<Colour>& aPalette)
{
    if (aPalette.empty())
    {
        return;
    }
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    aClip(cr);
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    cairo_clip(cr);
    for (int i = 0; i < aCount; ++i)
    {
        const double x = aRandom.Range(x0, x1);
        const double y = aRandom.Range(y0, y1);
        const double radius = aRandom.Range(aMinRadius, aMaxRadius);
        const Colour& colour =
            aPalette[static_cast<size_t>(aRandom.Int(0, static_cast<int>(aPalette.size()) - 1))];
        cairo_new_path(cr);
        EllipsePath(cr, x, y, radius, radius * 0.7);
        SetColour(cr, colour);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void NoiseTint(Canvas& aCanvas, const ValueNoise& aNoise, double aCellSize, double aStrength,
               int aOctaves)
{
    Image image = aCanvas.ToImage();
    for (int y = 0; y < image.height; ++y)
    {
        for (int x = 0; x < image.width; ++x)
        {
            uint32_t& pixel = image.pixels[static_cast<size_t>(y) * image.width + x];
            if ((pixel >> 24) == 0)
            {
                continue;
            }
            const double factor =
                1.0 +
                aStrength * (2.0 * aNoise.Fractal(x / aCellSize, y / aCellSize, aOctaves) - 1.0);
            const auto tinted = [&](int aShift)
            {
                const double value = ((pixel >> aShift) & 0xFF) * factor;
                return static_cast<uint32_t>(std::lround(Clamp01(value / 255.0) * 255.0)) << aShift;
            };
            pixel = (pixel & 0xFF000000u) | tinted(16) | tinted(8) | tinted(0);
        }
    }
    aCanvas.FromImage(image);
}
}  // namespace content
