// The conversation box: the panel along the bottom of the screen, the name plates and the
// speakers' portraits, and the history of what was said with a small face for each speaker.
// The box places the portraits at the panel's top corners and the text between them; the
// panel's text well is drawn where that text goes.
#include <string>

#include "characters/characters.h"
#include "conversationlayout.h"
#include "core/picturetext.h"
#include "interface/interface.h"

namespace content
{
namespace
{
namespace layout = geometry;
constexpr int kPortraitSize = layout::ourPortraitSize;
constexpr int kNamePlateWidth = layout::ourNamePlateWidth;
constexpr int kNamePlateHeight = layout::ourNamePlateHeight;
constexpr int kPanelHeight = layout::ourScreenHeight - layout::ourBoxTop;

Image Panel()
{
    Canvas canvas(layout::ourScreenWidth, kPanelHeight);
    DrawWoodPanel(canvas, 0, 0, layout::ourScreenWidth, kPanelHeight, 14);
    // The text well spans the gap between the two portraits.
    DrawInset(canvas, layout::ourWellLeft, layout::ourWellTop - layout::ourBoxTop,
              layout::ourWellRight - layout::ourWellLeft,
              layout::ourWellBottom - layout::ourWellTop, 10);
    return canvas.ToImage();
}

// The history's panel: a title, the list's well and how to leave and scroll.
Image HistoryPanel()
{
    Canvas canvas(layout::ourHistoryWidth, layout::ourHistoryHeight);
    DrawWoodPanel(canvas, 0, 0, layout::ourHistoryWidth, layout::ourHistoryHeight, 16);
    TextStyle title;
    title.size = 26;
    title.fill = Colour::Rgb(0xfff1cf);
    title.outlineWidth = 3.0;
    DrawText(canvas, "What was said", layout::ourHistoryWidth / 2.0, 46, title, TextAlign::Centre);
    const double listTop = layout::ourHistoryListTop - layout::ourHistoryTop;
    const double listBottom = layout::ourHistoryListBottom - layout::ourHistoryTop;
    DrawInset(canvas, 18, listTop - 12, layout::ourHistoryWidth - 36, listBottom - listTop + 22,
              10);
    TextStyle hint = title;
    hint.size = 15;
    hint.bold = false;
    hint.outlineWidth = 2.0;
    DrawText(canvas, "W / S: scroll      L: close", layout::ourHistoryWidth / 2.0,
             layout::ourHistoryHeight - 14, hint, TextAlign::Centre);
    return canvas.ToImage();
}

Image NamePlate()
{
    Canvas canvas(kNamePlateWidth, kNamePlateHeight);
    DrawWoodPanel(canvas, 0, 0, kNamePlateWidth, kNamePlateHeight, 10);
    return canvas.ToImage();
}

// A framed portrait aSize pixels square: brass rim, a soft background and whatever aPainter
// draws inside (at the box's size, scaled to aSize).
template <typename Painter>
Image Portrait(uint32_t aBackground, const Painter& aPainter, int aSize = kPortraitSize)
{
    Canvas canvas(aSize, aSize);
    cairo_scale(canvas.Cr(), aSize / double(kPortraitSize), aSize / double(kPortraitSize));
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

// aLooking: where the face turns, to the right for a speaker on the left.
Image PersonPortrait(uint32_t aBackground, const PersonStyle& aStyle, double aLooking,
                     int aSize = kPortraitSize)
{
    return Portrait(
        aBackground,
        [&](Canvas& aCanvas)
        {
            PersonStyle large = aStyle;
            large.scale = 3.4;
            DrawPerson(aCanvas, large, 90, 340, Facing{aLooking, 1.0}, 0.0, 0.0);
        },
        aSize);
}

Image RobotPortrait(double aLooking, int aSize = kPortraitSize)
{
    return Portrait(
        0x3c5870,
        [&](Canvas& aCanvas)
        {
            RobotPose pose;
            pose.facing = Facing{aLooking, 0.8};
            DrawRobot(aCanvas, 90, 108, 56, 200, pose);
        },
        aSize);
}

// The time machine's computer: a screen with a glowing eye and a voice trace.
Image ComputerPortrait(int aSize = kPortraitSize)
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
        },
        aSize);
}

// The narrator's mark in the history: a quill over a page.
Image NarrationFace()
{
    return Portrait(
        0x8a7a5a,
        [](Canvas& aCanvas)
        {
            DrawShape(
                aCanvas, [](cairo_t* aCr) { RoundedRectPath(aCr, 44, 40, 92, 112, 6); },
                ShapeStyle{Colour::Rgb(0xf3ead2), Colour::Rgb(0x1c1712), 5, 0.1, 0.1, 0.05});
            for (int row = 0; row < 5; ++row)
            {
                StrokePath(
                    aCanvas,
                    [=](cairo_t* aCr)
                    {
                        cairo_move_to(aCr, 58, 66 + row * 18);
                        cairo_line_to(aCr, 122, 66 + row * 18);
                    },
                    Colour::Rgb(0x6a7890), 4);
            }
            const std::vector<Point> quill = {{150, 18}, {118, 70}, {78, 132}, {104, 78}};
            DrawShape(
                aCanvas, [&quill](cairo_t* aCr) { SmoothPath(aCr, quill); },
                ShapeStyle{Colour::Rgb(0xe8e0f0), Colour::Rgb(0x1c1712), 5, 0.2, 0.2, 0.1});
        },
        layout::ourHistoryFaceSize);
}

// Each speaker's face in the box (aSize 180) or in the history: the heroine looks right, from
// the box's left side; everyone else looks left, towards her.
struct Face
{
    const char* name;  // file name before "Portrait.dds" and "Face.dds"
    Image (*draw)(int aSize);
};

const Face kFaces[] = {
    {"heroine", [](int aSize) { return PersonPortrait(0x4a6a86, HeroineStyle(), 0.2, aSize); }},
    {"Robot", [](int aSize) { return RobotPortrait(-0.6, aSize); }},
    {"AI", [](int aSize) { return ComputerPortrait(aSize); }},
    {"villagerWoman",
     [](int aSize) { return PersonPortrait(0x6a7a3a, WomanStyle(), -0.2, aSize); }},
    {"boy", [](int aSize) { return PersonPortrait(0x7a6a4a, BoyStyle(), -0.2, aSize); }},
    {"girl", [](int aSize) { return PersonPortrait(0x8a5a6a, GirlStyle(), -0.2, aSize); }},
};
}  // namespace

void GenerateConversationPictures(ContentWriter& aWriter)
{
    const std::string folder = "img/Conversation/";
    aWriter.WritePicture(folder + "ConversationBox.dds", Panel(), PictureFormat::DdsArgb8888);
    aWriter.WritePicture(folder + "NameBox.dds", NamePlate(), PictureFormat::DdsArgb8888);
    // No face at all: the portraits' places until a line shows whose they are.
    aWriter.WritePicture(folder + "EmptyPortrait.dds",
                         Canvas(kPortraitSize, kPortraitSize).ToImage(),
                         PictureFormat::DdsArgb8888);
    for (const Face& face : kFaces)
    {
        aWriter.WritePicture(folder + face.name + "Portrait.dds", face.draw(kPortraitSize),
                             PictureFormat::DdsArgb8888);
        aWriter.WritePicture(folder + face.name + "Face.dds", face.draw(layout::ourHistoryFaceSize),
                             PictureFormat::DdsArgb8888);
    }
    aWriter.WritePicture(folder + "narrationFace.dds", NarrationFace(), PictureFormat::DdsArgb8888);
    aWriter.WritePicture(folder + "History.dds", HistoryPanel(), PictureFormat::DdsArgb8888);
}
}  // namespace content
