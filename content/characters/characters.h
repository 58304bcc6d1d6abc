#pragma once
// The game's characters: the heroine's and the robot's sprite sheets, the villagers, the
// children and the fainted heroine. The drawing functions are shared with the portraits and
// the cut-scene pictures, so a character looks the same everywhere.
#include "core/canvas.h"
#include "core/contentwriter.h"

namespace content
{
enum class HairStyle
{
    Ponytail,
    Scarf,
    Short,
    Braids,
};

struct PersonStyle
{
    Colour skin;
    Colour hair;  // or the headscarf
    Colour top;   // coat, dress or tunic
    Colour legs;  // trousers or bare legs
    Colour shoes;
    double hem;    // height of the hem above the feet, in unscaled pixels
    double scale;  // 1 = the heroine's 88 pixels from feet to crown
    HairStyle hairStyle;
    bool labCoat;  // lapels and pockets
    bool glasses;
    bool feather;  // headband with a feather
};

PersonStyle HeroineStyle();
PersonStyle WomanStyle();
PersonStyle NativeStyle();
PersonStyle BoyStyle();
PersonStyle GirlStyle();
// The village's own child: smaller than the two from the ledge, in saffron, with a feather.
PersonStyle VillageChildStyle();

// A screen direction: x to the right, y down (towards the viewer).
struct Facing
{
    double x = 0.0;
    double y = 1.0;
};

// A person standing with the feet at (aFeetX, aFeetY), facing aFacing, at walk phase aPhase
// (radians; one step per pi) with stride aStride (0 stands still, 1 is a full walking stride).
void DrawPerson(Canvas& aCanvas, const PersonStyle& aStyle, double aFeetX, double aFeetY,
                Facing aFacing, double aPhase, double aStride);

struct RobotPose
{
    Facing facing;
    double lift = 0.0;  // pixels above his resting height
    double tilt = 0.0;  // radians, leaning into the walk
    double eye = 1.0;   // 0 dark (switched off) to 1 fully lit
    bool lamp = true;   // the antenna lamp is lit
};

// Roderick, body centre at (aX, aY) with body radius aRadius; his shadow lies aGround below.
void DrawRobot(Canvas& aCanvas, double aX, double aY, double aRadius, double aGround,
               const RobotPose& aPose);

// The robot's frame size in his sheets.
constexpr int kRobotFrameWidth = 64;
constexpr int kRobotFrameHeight = 80;

// Writes every character picture.
void GenerateCharacters(ContentWriter& aWriter);
}  // namespace content
