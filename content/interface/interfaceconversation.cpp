// The conversation box: the panel along the bottom of the screen, the name plates and the
// speakers' portraits. The box places the portraits at the panel's top corners and the text
// between them; the panel's text well is drawn where that text goes.
#include <string>

#include "characters/characters.h"
#include "core/picturetext.h"
#include "interface/interface.h"

namespace content
{
namespace
{
constexpr int kScreenWidth = 1024;
constexpr int kPanelHeight = 768 - kPanelTop;
constexpr int kTextLeft = kPortraitSize + 15;

Image Panel()
{
    Canvas canvas(kScreenWidth, kPanelHeight);
    DrawWoodPanel(canvas, 0, 0, kScreenWidth, kPanelHeight, 14);
    // The text well spans the gap between the two portraits.
    const double wellLeft = kTextLeft - 8;
    DrawInset(canvas, wellLeft, 24, kScreenWidth - 2 * wellLeft, 212, 10);
    return canvas.ToImage();
}

Image NamePlate()
{
    Canvas canvas(kNamePlateWidth, kNamePlateHeight);
    DrawWoodPanel(canvas, 0, 0, kNamePlateWidth, kNamePlateHeight, 10);
    return canvas.ToImage();
}

// A framed portrait: brass rim, a soft background and whatever aPainter draws inside.
template <typename Painter>
Image Portrait(uint32_t aBackground, const Painter& aPainter)
{
    Canvas canvas(kPortraitSize, kPortraitSize);
    const auto frame = [](cairo_t* aCr)
    { RoundedRectPath(aCr, 3, 3, kPortraitSize - 6, kPortraitSize - 6, 14); };
    const Colour background = Colour::Rgb(aBackground);
    FillRadialGradient(canvas, frame, Point{70, 60}, 150,
                       {{0.0, background.Lighter(0.25)}, {1.0, background.Darker(0.35)}});
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_new_path(cr);
    frame(cr);
    cairo_clip(cr);
    aPainter(canvas);
    cairo_restore(cr);
    StrokePath(canvas, frame, Colour::Rgb(0x1c1712), 6);
    StrokePath(canvas, frame, Colour::Rgb(0xc79a3e), 3);
    return canvas.ToImage();
}

Image PersonPortrait(uint32_t aBackground, const PersonStyle& aStyle)
{
    return Portrait(aBackground,
                    [&](Canvas& aCanvas)
                    {
                        PersonStyle large = aStyle;
                        large.scale = 3.4;
                        DrawPerson(aCanvas, large, 90, 340, Facing{0.2, 1.0}, 0.0, 0.0);
                    });
}

Image RobotPortrait(double aLooking)
{
    return Portrait(0x3c5870,
                    [&](Canvas& aCanvas)
                    {
                        RobotPose pose;
                        pose.facing = Facing{aLooking, 0.8};
                        DrawRobot(aCanvas, 90, 108, 56, 200, pose);
                    });
}

// The time machine's computer: a screen with a glowing eye and a voice trace.
Image ComputerPortrait()
{
    return Portrait(
        0x0f2a2e,
        [](Canvas& aCanvas)
        {
            const Colour glow = Colour::Rgb(0x55e0ff);
            for (int line = 0; line < 9; ++line)
            {
                const double y = 20 + line * 18;
                StrokePath(
                    aCanvas,
                    [=](cairo_t* aCr)
                    {
                        cairo_move_to(aCr, 0, y);
                        cairo_line_to(aCr, 180, y);
                    },
                    glow.WithAlpha(0.12), 1);
            }
            FillRadialGradient(
                aCanvas, [](cairo_t* aCr) { EllipsePath(aCr, 90, 74, 46, 46); }, Point{90, 74}, 46,
                {{0.0, Colour::Rgb(0xffffff)}, {0.3, glow}, {1.0, glow.WithAlpha(0.0)}});
            StrokePath(
                aCanvas, [](cairo_t* aCr) { EllipsePath(aCr, 90, 74, 30, 30); }, glow, 3);
            StrokePath(
                aCanvas,
                [](cairo_t* aCr)
                {
                    cairo_move_to(aCr, 24, 144);
                    const double heights[] = {4, 12, 20, 8, 26, 14, 6, 18, 10, 4};
                    for (int i = 0; i < 10; ++i)
                    {
                        cairo_line_to(aCr, 30 + i * 13, 144 - heights[i]);
                        cairo_line_to(aCr, 36 + i * 13, 144 + heights[i] * 0.6);
                    }
                    cairo_line_to(aCr, 160, 144);
                },
                glow, 2.5);
        });
}
}  // namespace

void GenerateConversationPictures(ContentWriter& aWriter)
{
    const std::string folder = "img/Conversation/";
    aWriter.WritePicture(folder + "ConversationBox.dds", Panel(), PictureFormat::DdsArgb8888);
    aWriter.WritePicture(folder + "NameBox.dds", NamePlate(), PictureFormat::DdsArgb8888);
    // No face at all: narration shows the text between two empty frames.
    aWriter.WritePicture(folder + "EmptyPortrait.dds",
                         Canvas(kPortraitSize, kPortraitSize).ToImage(),
                         PictureFormat::DdsArgb8888);
    aWriter.WritePicture(folder + "heroinePortrait.dds", PersonPortrait(0x4a6a86, HeroineStyle()),
                         PictureFormat::DdsArgb8888);
    aWriter.WritePicture(folder + "villagerWomanPortrait.dds",
                         PersonPortrait(0x6a7a3a, WomanStyle()), PictureFormat::DdsArgb8888);
    // On the right he looks left, towards the text; on the left, right.
    aWriter.WritePicture(folder + "RobotPortrait.dds", RobotPortrait(-0.6),
                         PictureFormat::DdsArgb8888);
    aWriter.WritePicture(folder + "RobotPortraitLeft.dds", RobotPortrait(0.6),
                         PictureFormat::DdsArgb8888);
    aWriter.WritePicture(folder + "AIPortrait.dds", ComputerPortrait(), PictureFormat::DdsArgb8888);
}
}  // namespace content
