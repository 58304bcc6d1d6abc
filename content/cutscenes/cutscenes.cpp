#include "cutscenes/cutscenes.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "characters/characters.h"
#include "core/canvas.h"
#include "core/picturetext.h"
#include "items/items.h"

namespace content
{
namespace
{
constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr double kPi = 3.14159265358979323846;
const Colour kInk = Colour::Rgb(0x1c1712);

void Sky(Canvas& aCanvas, uint32_t aTop, uint32_t aBottom, double aHeight)
{
    FillLinearGradient(aCanvas, [&](cairo_t* aCr) { cairo_rectangle(aCr, 0, 0, kWidth, aHeight); },
                       Point{0, 0}, Point{0, aHeight},
                       {{0.0, Colour::Rgb(aTop)}, {1.0, Colour::Rgb(aBottom)}});
}

// Rolling jungle: layers of dark green blobs along the horizon, then the ground.
void Jungle(Canvas& aCanvas, double aHorizon, uint64_t aSeed)
{
    Random random(aSeed);
    const Colour greens[] = {Colour::Rgb(0x1f4a2a), Colour::Rgb(0x2c6a34), Colour::Rgb(0x3d8a3e)};
    for (int layer = 0; layer < 3; ++layer)
    {
        const double base = aHorizon + layer * 40;
        for (double x = -40; x < kWidth + 40; x += random.Range(50, 90))
        {
            const std::vector<Point> blob =
                BlobPoints(random, x, base, random.Range(50, 80), random.Range(40, 70), 9, 0.15);
            FillPath(
                aCanvas, [=](cairo_t* aCr) { SmoothPath(aCr, blob); }, greens[layer]);
        }
    }
    FillLinearGradient(aCanvas,
                       [&](cairo_t* aCr)
                       { cairo_rectangle(aCr, 0, aHorizon + 100, kWidth, kHeight - aHorizon); },
                       Point{0, aHorizon + 100}, Point{0, kHeight},
                       {{0.0, Colour::Rgb(0x4f8a3a)}, {1.0, Colour::Rgb(0x3a6a2c)}});
}

void Volcano(Canvas& aCanvas, double aX, double aBase, double aSize)
{
    DrawShape(
        aCanvas,
        [=](cairo_t* aCr)
        {
            PolygonPath(aCr, {{aX - aSize, aBase},
                              {aX - aSize * 0.18, aBase - aSize * 0.8},
                              {aX + aSize * 0.18, aBase - aSize * 0.8},
                              {aX + aSize, aBase}});
        },
        ShapeStyle{Colour::Rgb(0x3a3034), kInk, 3.0, 0.3, 0.2, 0.05});
    FillPath(
        aCanvas,
        [=](cairo_t* aCr)
        { EllipsePath(aCr, aX, aBase - aSize * 0.8, aSize * 0.18, aSize * 0.05); },
        Colour::Rgb(0xf07a22));
}

// The heroine's time machine: a brass pod with a porthole, fins and three legs.
void TimeMachine(Canvas& aCanvas, double aX, double aY, double aSize, double aTilt, bool aBroken)
{
    cairo_t* cr = aCanvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, aX, aY);
    cairo_rotate(cr, aTilt);
    cairo_scale(cr, aSize / 100.0, aSize / 100.0);
    const ShapeStyle brass{Colour::Rgb(0xc79a3e), kInk, 3.0, 0.35, 0.2, 0.2};
    for (int leg : {-1, 0, 1})
    {
        StrokePath(
            aCanvas,
            [=](cairo_t* aCr)
            {
                cairo_move_to(aCr, leg * 30, 30);
                cairo_line_to(aCr, leg * 50, 62);
            },
            kInk, 8);
    }
    DrawShape(
        aCanvas,
        [](cairo_t* aCr) {
            PolygonPath(aCr, {{-20, -40}, {0, -78}, {20, -40}});
        },
        ShapeStyle{Colour::Rgb(0x7a8a9a), kInk, 3.0, 0.3, 0.2, 0.1});
    DrawShape(
        aCanvas, [](cairo_t* aCr) { EllipsePath(aCr, 0, 0, 56, 50); }, brass);
    DrawShape(
        aCanvas, [](cairo_t* aCr) { EllipsePath(aCr, 0, -4, 24, 22); },
        ShapeStyle{Colour::Rgb(0x9adcf0), kInk, 4.0, 0.3, 0.3, 0.3});
    for (int rivet = 0; rivet < 10; ++rivet)
    {
        const double angle = rivet * 2 * kPi / 10;
        FillPath(
            aCanvas,
            [=](cairo_t* aCr)
            { EllipsePath(aCr, 44 * std::cos(angle), 40 * std::sin(angle), 2.5, 2.5); },
            Colour::Rgb(0x7a5a20));
    }
    if (aBroken)
    {
        StrokePath(
            aCanvas,
            [](cairo_t* aCr)
            {
                cairo_move_to(aCr, -10, -20);
                cairo_line_to(aCr, 4, -6);
                cairo_line_to(aCr, -4, 4);
                cairo_line_to(aCr, 12, 16);
            },
            kInk, 2.5);
    }
    cairo_restore(cr);
}

void Smoke(Canvas& aCanvas, double aX, double aY)
{
    for (int puff = 0; puff < 5; ++puff)
    {
        const double x = aX + puff * 14;
        const double y = aY - puff * 38;
        const double r = 18 + puff * 8;
        FillPath(
            aCanvas, [=](cairo_t* aCr) { EllipsePath(aCr, x, y, r, r * 0.8); },
            Colour::Rgb(0x6a6a70, 0.55 - puff * 0.08));
    }
}

void Laboratory(Canvas& aCanvas)
{
    Sky(aCanvas, 0x2c3e50, 0x4a6478, kHeight);
    FillPath(
        aCanvas, [](cairo_t* aCr) { cairo_rectangle(aCr, 0, 520, kWidth, 248); },
        Colour::Rgb(0x5a5f66));
    for (int x = 60; x < kWidth; x += 160)
    {
        FillPath(
            aCanvas, [=](cairo_t* aCr) { cairo_rectangle(aCr, x, 80, 90, 150); },
            Colour::Rgb(0x9fd0e8, 0.35));
    }
}

void Vortex(Canvas& aCanvas)
{
    Sky(aCanvas, 0x120a2a, 0x2a1050, kHeight);
    for (int ring = 14; ring > 0; --ring)
    {
        const double radius = ring * 42.0;
        const Colour colour = ring % 2 ? Colour::Rgb(0x6a3ad0, 0.5) : Colour::Rgb(0x35d0e0, 0.35);
        StrokePath(
            aCanvas,
            [=](cairo_t* aCr) { cairo_arc(aCr, 512, 384, radius, ring * 0.6, ring * 0.6 + 4.5); },
            colour, 10);
    }
}

using Scene = std::function<void(Canvas&)>;

// The gold, dark-edged lettering of the title and the end picture.
TextStyle TitleStyle(double aSize, double aOutlineWidth)
{
    TextStyle style;
    style.size = aSize;
    style.fill = Colour::Rgb(0xffd66a);
    style.outline = Colour::Rgb(0x2a1408);
    style.outlineWidth = aOutlineWidth;
    return style;
}

// A full-screen picture with a caption band at the bottom.
Image Slide(const Scene& aScene, const std::string& aCaption)
{
    Canvas canvas(kWidth, kHeight);
    aScene(canvas);
    if (!aCaption.empty())
    {
        FillPath(
            canvas, [](cairo_t* aCr) { cairo_rectangle(aCr, 0, 660, kWidth, 108); },
            Colour::Rgb(0x0c0a08, 0.72));
        TextStyle caption;
        caption.size = 30;
        caption.fill = Colour::Rgb(0xfff1cf);
        caption.outlineWidth = 4;
        DrawParagraph(canvas, aCaption, kWidth / 2.0, 710, 900, 38, caption, TextAlign::Centre);
    }
    return canvas.ToImage();
}

void Heroine(Canvas& aCanvas, double aX, double aY, double aScale, Facing aFacing)
{
    PersonStyle style = HeroineStyle();
    style.scale = aScale;
    DrawPerson(aCanvas, style, aX, aY, aFacing, 0.0, 0.0);
}

void Roderick(Canvas& aCanvas, double aX, double aY, double aRadius, double aLooking)
{
    RobotPose pose;
    pose.facing = Facing{aLooking, 0.8};
    DrawRobot(aCanvas, aX, aY, aRadius, aRadius * 1.7, pose);
}

std::vector<Image> Prologue()
{
    std::vector<Image> slides;
    slides.push_back(Slide(
        [](Canvas& aCanvas)
        {
            Laboratory(aCanvas);
            TimeMachine(aCanvas, 640, 420, 300, 0.0, false);
            Heroine(aCanvas, 300, 600, 3.2, Facing{0.5, 1.0});
        },
        "Dr. Ester Marrow has built a time machine."));
    slides.push_back(Slide(
        [](Canvas& aCanvas)
        {
            Laboratory(aCanvas);
            TimeMachine(aCanvas, 700, 420, 280, 0.0, false);
            Heroine(aCanvas, 260, 600, 3.0, Facing{0.6, 1.0});
            Roderick(aCanvas, 420, 520, 60, -0.5);
        },
        "With Roderick, her robot, she sets off on the first trip."));
    slides.push_back(Slide(
        [](Canvas& aCanvas)
        {
            Vortex(aCanvas);
            TimeMachine(aCanvas, 512, 380, 260, 0.3, false);
            for (int bolt = 0; bolt < 3; ++bolt)
            {
                const double x = 250 + bolt * 260;
                StrokePath(
                    aCanvas,
                    [=](cairo_t* aCr)
                    {
                        cairo_move_to(aCr, x, 40);
                        cairo_line_to(aCr, x + 30, 160);
                        cairo_line_to(aCr, x - 10, 190);
                        cairo_line_to(aCr, x + 20, 320);
                    },
                    Colour::Rgb(0xfff6a0), 6);
            }
        },
        "But a storm breaks out in the time stream..."));
    slides.push_back(Slide(
        [](Canvas& aCanvas)
        {
            Vortex(aCanvas);
            TimeMachine(aCanvas, 560, 400, 180, 2.2, true);
            Smoke(aCanvas, 500, 330);
        },
        "...and the machine tumbles millions of years into the past."));
    slides.push_back(Slide(
        [](Canvas& aCanvas)
        {
            Sky(aCanvas, 0x5aa0d8, 0xbfe0f0, 520);
            Volcano(aCanvas, 820, 420, 260);
            Jungle(aCanvas, 420, 5);
            TimeMachine(aCanvas, 480, 520, 220, 0.5, true);
            Smoke(aCanvas, 500, 440);
        },
        "It crashes in a steaming prehistoric jungle."));
    slides.push_back(Slide(
        [](Canvas& aCanvas)
        {
            Laboratory(aCanvas);
            const ItemDrawer parts[] = {art::WholeBelt, art::Diamond, art::MagneticStone,
                                        art::GoldNecklace};
            for (int i = 0; i < 4; ++i)
            {
                cairo_t* cr = aCanvas.Cr();
                cairo_save(cr);
                cairo_translate(cr, 92 + i * 230, 220);
                cairo_scale(cr, 1.6, 1.6);
                parts[i](aCanvas);
                cairo_restore(cr);
                TextStyle mark;
                mark.size = 64;
                mark.fill = Colour::Rgb(0xffd66a);
                mark.outlineWidth = 6;
                DrawText(aCanvas, "?", 172 + i * 230, 470, mark, TextAlign::Centre);
            }
        },
        "The engine is wrecked: four parts are missing."));
    slides.push_back(Slide(
        [](Canvas& aCanvas)
        {
            Sky(aCanvas, 0xe08a4a, 0xf6d28a, 520);
            Volcano(aCanvas, 700, 430, 300);
            Jungle(aCanvas, 440, 9);
            Heroine(aCanvas, 420, 640, 2.6, Facing{0.0, -1.0});
            Roderick(aCanvas, 560, 580, 44, 0.0);
        },
        "To get home, Ester must find them in this wild land."));
    return slides;
}

Image Title()
{
    return Slide(
        [](Canvas& aCanvas)
        {
            Sky(aCanvas, 0x1a2a4a, 0xd07a4a, 560);
            Volcano(aCanvas, 760, 470, 320);
            Jungle(aCanvas, 470, 3);
            TimeMachine(aCanvas, 260, 560, 200, 0.35, true);
            Heroine(aCanvas, 470, 700, 2.4, Facing{0.3, 1.0});
            Roderick(aCanvas, 580, 640, 40, -0.3);
            DrawText(aCanvas, "Marrowen", kWidth / 2.0, 200, TitleStyle(110, 10),
                     TextAlign::Centre);
            TextStyle prompt;
            prompt.size = 26;
            prompt.fill = Colour::Rgb(0xffffff);
            prompt.outlineWidth = 4;
            DrawText(aCanvas, "Press Return to start", kWidth / 2.0, 270, prompt,
                     TextAlign::Centre);
        },
        "");
}

Image TheEnd()
{
    return Slide(
        [](Canvas& aCanvas)
        {
            Laboratory(aCanvas);
            TimeMachine(aCanvas, 700, 420, 280, 0.0, false);
            Heroine(aCanvas, 330, 620, 3.0, Facing{0.2, 1.0});
            Roderick(aCanvas, 480, 540, 56, -0.3);
            DrawText(aCanvas, "Home at last!", kWidth / 2.0, 140, TitleStyle(72, 8),
                     TextAlign::Centre);
        },
        "The End. Thank you for playing Marrowen.");
}

// The bird flight: drawn 125 pixels above the screen's top edge, so it is that much taller.
Image BirdFlight()
{
    constexpr int kAbove = 125;
    constexpr int kTall = kHeight + kAbove + 3;  // a whole number of 4-pixel blocks
    Canvas canvas(kWidth, kTall);
    Sky(canvas, 0x4a90d0, 0xd8eef8, kTall);
    for (int cloud = 0; cloud < 6; ++cloud)
    {
        const double x = 90 + cloud * 170;
        const double y = kAbove + 100 + (cloud % 3) * 160;
        FillPath(
            canvas, [=](cairo_t* aCr) { EllipsePath(aCr, x, y, 90, 26); },
            Colour::Rgb(0xffffff, 0.8));
    }
    Volcano(canvas, 300, kTall, 360);
    // The heroine in her leaf suit, gliding to the right behind a big bird: two banana leaves
    // spread from her shoulders.
    constexpr double kBodyX = 560;
    constexpr double kBodyY = kAbove + 330;
    constexpr double kScale = 2.6;
    for (int wing : {-1, 1})
    {
        DrawShape(
            canvas,
            [=](cairo_t* aCr)
            {
                cairo_save(aCr);
                cairo_translate(aCr, kBodyX + 40, kBodyY - 20);
                cairo_rotate(aCr, wing * 0.5 - 0.15);
                EllipsePath(aCr, wing * 10, wing * 70, 34, 90);
                cairo_restore(aCr);
            },
            ShapeStyle{Colour::Rgb(wing < 0 ? 0x3f9a3a : 0x55b248), kInk, 4.0, 0.3, 0.2, 0.1});
    }
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, kBodyX, kBodyY);
    cairo_rotate(cr, kPi / 2.0 - 0.25);
    PersonStyle heroine = HeroineStyle();
    heroine.scale = kScale;
    DrawPerson(canvas, heroine, 0, 45 * kScale, Facing{0.0, 1.0}, 0.0, 0.0);
    cairo_restore(cr);
    for (int wing : {-1, 1})
    {
        DrawShape(
            canvas,
            [=](cairo_t* aCr)
            {
                cairo_move_to(aCr, 820, kAbove + 220);
                cairo_curve_to(aCr, 820 + wing * 60, kAbove + 120, 820 + wing * 150, kAbove + 140,
                               820 + wing * 190, kAbove + 180);
                cairo_close_path(aCr);
            },
            ShapeStyle{Colour::Rgb(0x6a4a8a), kInk, 3.5, 0.3, 0.2, 0.1});
    }
    DrawShape(
        canvas, [](cairo_t* aCr) { EllipsePath(aCr, 820, kAbove + 226, 46, 24); },
        ShapeStyle{Colour::Rgb(0x7a5a9a), kInk, 3.5, 0.3, 0.2, 0.1});
    DrawShape(
        canvas,
        [](cairo_t* aCr) {
            PolygonPath(aCr, {{866, kAbove + 222}, {896, kAbove + 230}, {866, kAbove + 236}});
        },
        ShapeStyle{Colour::Rgb(0xf0b030), kInk, 3.0, 0.2, 0.2, 0.1});
    TextStyle caption;
    caption.size = 30;
    caption.fill = Colour::Rgb(0xfff1cf);
    caption.outlineWidth = 4;
    DrawText(canvas, "Up, up and away!", kWidth / 2.0, kTall - 60, caption, TextAlign::Centre);
    return canvas.ToImage();
}
}  // namespace

void GenerateCutscenes(ContentWriter& aWriter)
{
    const std::string folder = "img/CutsceneImages/";
    aWriter.WritePicture(folder + "mainscreen.dds", Title(), PictureFormat::DdsDxt1);
    const std::vector<Image> slides = Prologue();
    for (size_t i = 0; i < slides.size(); ++i)
    {
        aWriter.WritePicture(folder + "prologue0" + std::to_string(i + 1) + ".dds", slides[i],
                             PictureFormat::DdsDxt1);
    }
    aWriter.WritePicture(folder + "billboard BB.jpg", TheEnd(), PictureFormat::Jpeg);
    aWriter.WritePicture(folder + "cutscene_bird.DDS", BirdFlight(), PictureFormat::DdsDxt1);
}
}  // namespace content
