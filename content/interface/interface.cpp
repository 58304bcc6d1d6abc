#include "interface/interface.h"

#include "core/picturetext.h"

namespace content
{
namespace
{
// The quit menu: its background at (400, 150), the buttons at +(26, 25) and +(26, 90).
constexpr int kMenuWidth = 224;
constexpr int kMenuHeight = 168;
constexpr int kButtonWidth = 172;
constexpr int kButtonHeight = 52;

Image MenuBackground()
{
    Canvas canvas(kMenuWidth, kMenuHeight);
    DrawWoodPanel(canvas, 0, 0, kMenuWidth, kMenuHeight, 14);
    return canvas.ToImage();
}

Image MenuButton(const char* aLabel)
{
    Canvas canvas(kButtonWidth, kButtonHeight);
    DrawBrassButton(canvas, 0, 0, kButtonWidth, kButtonHeight, aLabel, 20);
    return canvas.ToImage();
}

// An arrow whose tip is the picture's top-left pixel, where the game puts the mouse position.
Image Cursor()
{
    Canvas canvas(32, 32);
    const auto arrow = [](cairo_t* aCr)
    {
        const std::vector<Point> points = {{2, 2},   {2, 24},  {8, 19}, {12, 29},
                                           {17, 27}, {13, 18}, {21, 18}};
        PolygonPath(aCr, points);
    };
    DrawShape(canvas, arrow,
              ShapeStyle{Colour::Rgb(0xffffff), Colour::Rgb(0x1c1712), 2.2, 0.2, 0.2, 0.0});
    return canvas.ToImage();
}

// The use-key prompt: a key cap with an "E".
Image UseKeyPrompt()
{
    Canvas canvas(32, 32);
    DrawShape(
        canvas, [](cairo_t* aCr) { RoundedRectPath(aCr, 2, 2, 28, 28, 6); },
        ShapeStyle{Colour::Rgb(0xf4eedc), Colour::Rgb(0x1c1712), 2.5, 0.3, 0.25, 0.1});
    TextStyle letter;
    letter.size = 19;
    letter.fill = Colour::Rgb(0x2a1d16);
    DrawText(canvas, "E", 15.5, 22.5, letter, TextAlign::Centre);
    return canvas.ToImage();
}

Image Curtain()
{
    Canvas canvas(1024, 768);
    cairo_set_source_rgb(canvas.Cr(), 0, 0, 0);
    cairo_paint(canvas.Cr());
    return canvas.ToImage();
}
}  // namespace

void GenerateInterface(ContentWriter& aWriter)
{
    GenerateConversationPictures(aWriter);
    GenerateInventoryPictures(aWriter);
    aWriter.WritePicture("img/QuitMenu/Menu background.dds", MenuBackground(),
                         PictureFormat::DdsArgb8888);
    aWriter.WritePicture("img/QuitMenu/Button Continue Game Normal.dds", MenuButton("Continue"),
                         PictureFormat::DdsArgb8888);
    aWriter.WritePicture("img/QuitMenu/Button Exit Game Normal.dds", MenuButton("Exit game"),
                         PictureFormat::DdsArgb8888);
    aWriter.WritePicture("img/cursor.dds", Cursor(), PictureFormat::DdsArgb8888);
    aWriter.WritePicture("img/icon/icon_e.dds", UseKeyPrompt(), PictureFormat::DdsArgb8888);
    aWriter.WritePicture("img/curtain.png", Curtain(), PictureFormat::Png);
}
}  // namespace content
