#include "characters/characters.h"

#include <cmath>
#include <functional>
#include <string>

#include "heroineframe.h"

namespace content
{
namespace
{
constexpr double kPi = 3.14159265358979323846;
constexpr int kHeroineWidth = geometry::ourHeroineWidth;
constexpr int kHeroineHeight = geometry::ourHeroineHeight;
// Her feet in the frame: where the transfer rules put them.
constexpr double kFeetX = geometry::ourFeetX;
constexpr double kFeetY = geometry::ourFeetY;
constexpr int kWalkFrames = 16;

struct Direction
{
    const char* stand;  // stand sheet name
    const char* walk;   // walk sheet name (diagonals are worded the other way round)
    Facing facing;
};

// Clockwise from up, in the order of the heroine's and the robot's sheet tables.
const Direction kDirections[] = {
    {"up", "up", {0.0, -1.0}},      {"up_right", "right_up", {0.75, -0.66}},
    {"right", "right", {1.0, 0.0}}, {"down_right", "right_down", {0.75, 0.66}},
    {"down", "down", {0.0, 1.0}},   {"down_left", "left_down", {-0.75, 0.66}},
    {"left", "left", {-1.0, 0.0}},  {"up_left", "left_up", {-0.75, -0.66}},
};

using FrameDrawer = std::function<void(Canvas&, int aFrame)>;

// A single-row sheet of aFrames frames of aWidth x aHeight; each frame is drawn with its
// top-left corner at the origin.
Image Sheet(int aWidth, int aHeight, int aFrames, const FrameDrawer& aDraw)
{
    Canvas canvas(aWidth * aFrames, aHeight);
    for (int frame = 0; frame < aFrames; ++frame)
    {
        cairo_t* cr = canvas.Cr();
        cairo_save(cr);
        cairo_rectangle(cr, frame * aWidth, 0, aWidth, aHeight);
        cairo_clip(cr);
        cairo_translate(cr, frame * aWidth, 0);
        aDraw(canvas, frame);
        cairo_restore(cr);
    }
    return canvas.ToImage();
}

double WalkPhase(int aFrame)
{
    return 2.0 * kPi * aFrame / kWalkFrames;
}

void GenerateHeroine(ContentWriter& aWriter)
{
    const std::string folder = "img/animation/HeroineAni/";
    const PersonStyle heroine = HeroineStyle();
    for (const Direction& direction : kDirections)
    {
        const Facing facing = direction.facing;
        aWriter.WritePicture(
            folder + "h_stand_" + direction.stand + ".dds",
            Sheet(kHeroineWidth, kHeroineHeight, 1,
                  [&](Canvas& aCanvas, int)
                  { DrawPerson(aCanvas, heroine, kFeetX, kFeetY, facing, 0.0, 0.0); }),
            PictureFormat::DdsArgb8888);
        aWriter.WritePicture(folder + "h_walk_" + direction.walk + ".dds",
                             Sheet(kHeroineWidth, kHeroineHeight, kWalkFrames,
                                   [&](Canvas& aCanvas, int aFrame) {
                                       DrawPerson(aCanvas, heroine, kFeetX, kFeetY, facing,
                                                  WalkPhase(aFrame), 1.0);
                                   }),
                             PictureFormat::DdsArgb8888);
    }
}

void DrawRobotFrame(Canvas& aCanvas, const RobotPose& aPose)
{
    DrawRobot(aCanvas, kRobotFrameWidth / 2.0, 44.0, 17.0, 28.0, aPose);
}

void GenerateRobot(ContentWriter& aWriter)
{
    const std::string folder = "img/animation/RobotAni/";
    const auto write = [&](const std::string& aPath, int aFrames, const FrameDrawer& aDraw)
    {
        aWriter.WritePicture(folder + aPath,
                             Sheet(kRobotFrameWidth, kRobotFrameHeight, aFrames, aDraw),
                             PictureFormat::DdsArgb8888);
    };
    // Switched off: sunk to the ground, leaning, eye and lamp dark.
    const RobotPose off{{0.0, 1.0}, -5.0, 0.22, 0.0, false};
    write("robot_deactivated/r_deactivated.dds", 1,
          [&](Canvas& aCanvas, int) { DrawRobotFrame(aCanvas, off); });
    write("robot_activate/r_activate.dds", kWalkFrames,
          [&](Canvas& aCanvas, int aFrame)
          {
              const double t = aFrame / (kWalkFrames - 1.0);
              RobotPose pose = off;
              pose.lift = -5.0 + 8.0 * t;
              pose.tilt = off.tilt * (1.0 - t);
              pose.eye = t;
              pose.lamp = aFrame > 10 || aFrame % 4 < 2;
              DrawRobotFrame(aCanvas, pose);
          });
    for (const Direction& direction : kDirections)
    {
        const Facing facing = direction.facing;
        write(std::string("robot_walk/r_walk_") + direction.walk + ".dds", kWalkFrames,
              [&](Canvas& aCanvas, int aFrame)
              {
                  const double phase = WalkPhase(aFrame);
                  DrawRobotFrame(aCanvas, {facing, 4.0 + 2.0 * std::sin(phase),
                                           facing.x * 0.16 + 0.03 * std::sin(phase), 1.0, true});
              });
        write(std::string("robot_idling/r_idling_") + direction.walk + ".dds", kWalkFrames,
              [&](Canvas& aCanvas, int aFrame)
              {
                  const double phase = WalkPhase(aFrame);
                  const double blink = aFrame == 12 || aFrame == 13 ? 0.25 : 1.0;
                  DrawRobotFrame(aCanvas,
                                 {facing, 3.0 + 1.2 * std::sin(phase), 0.0, blink, aFrame < 8});
              });
    }
}

Image Standing(const PersonStyle& aStyle, int aWidth, int aHeight, double aFeetY)
{
    Canvas canvas(aWidth, aHeight);
    DrawPerson(canvas, aStyle, aWidth / 2.0, aFeetY, Facing{0.15, 1.0}, 0.0, 0.0);
    return canvas.ToImage();
}

// The heroine lying on her back, head to the left.
Image Fainted()
{
    Canvas canvas(128, 64);
    DropShadow(canvas, 64, 44, 52, 9, 0.35);
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, 112, 40);
    cairo_rotate(cr, -kPi / 2.0);
    DrawPerson(canvas, HeroineStyle(), 0, 0, Facing{0.0, 1.0}, 0.0, 0.0);
    cairo_restore(cr);
    return canvas.ToImage();
}
}  // namespace

void GenerateCharacters(ContentWriter& aWriter)
{
    GenerateHeroine(aWriter);
    GenerateRobot(aWriter);
    // The grown-ups stand in a frame like hers.
    aWriter.WritePicture("img/NPCs/sprite_Woman.dds",
                         Standing(WomanStyle(), kHeroineWidth, kHeroineHeight, kFeetY),
                         PictureFormat::DdsArgb8888);
    aWriter.WritePicture("img/NPCs/sprite_native_npc_standing.dds",
                         Standing(NativeStyle(), kHeroineWidth, kHeroineHeight, kFeetY),
                         PictureFormat::DdsArgb8888);
    aWriter.WritePicture("img/NPCs/sprite_boy.dds", Standing(BoyStyle(), 48, 96, 86),
                         PictureFormat::DdsArgb8888);
    aWriter.WritePicture("img/NPCs/sprite_girl.dds", Standing(GirlStyle(), 48, 96, 86),
                         PictureFormat::DdsArgb8888);
    aWriter.WritePicture("img/NPCs/sprite_village_child.dds",
                         Standing(VillageChildStyle(), 48, 96, 86), PictureFormat::DdsArgb8888);
    aWriter.WritePicture("img/h_fainted.dds", Fainted(), PictureFormat::DdsArgb8888);
}
}  // namespace content
