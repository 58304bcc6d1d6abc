#pragma once
// Pictures a scene shows or stops showing as the story goes on, drawn by the game over the scene
// picture at these places (scene pixels, top-left corners). The content generator draws each to
// fit the scene around it: the engine's sockets, the volcano's stairs and bird, the children.

namespace geometry
{
struct PictureSpot
{
    int left;
    int top;
};

// The time machine's engine stands with the middle of its base at (ourEngineX, ourEngineY),
// drawn at ourEngineScale. Its plinth holds four sockets in a row; each engine slot (0 the belt,
// 1 the crystal, 2 the magnet, 3 the gold) has its own socket, rimmed in the part's colour.
constexpr int ourEngineX = 140;
constexpr int ourEngineY = 190;
constexpr double ourEngineScale = 0.9;
constexpr int ourSocketOfSlot[4] = {3, 0, 2, 1};
constexpr int ourSocketWidth = 32;  // before scaling
constexpr int ourSocketHeight = 30;
// The top-left corner of socket aSocket (0 to 3, left to right) of an engine standing at aX, aY
// drawn at aScale.
constexpr double SocketLeft(int aSocket, double aX, double aScale)
{
    return aX - 100 * aScale + 16 * aScale + aSocket * 44 * aScale;
}
constexpr double SocketTop(double aY, double aScale)
{
    return aY - 46 * aScale;
}

// A fitted part's picture covers its socket of the engine in the time machine.
constexpr int ourFittedPartWidth = 29;
constexpr int ourFittedPartHeight = 27;

// The volcano's stairs run from the ledge's south face at (ourStairsTopX, ourStairsTopY) down to
// the ground, ourStairsLength long towards ourStairsAngle (radians). Until she builds them the
// scene shows a crumbled lip there and slabs fallen at the foot; then the built steps, one
// picture, cover the whole run.
constexpr int ourStairsTopX = 800;
constexpr int ourStairsTopY = 600;
constexpr double ourStairsLength = 360.0;
constexpr double ourStairsAngle = 2.64;
constexpr PictureSpot ourBuiltStairs = {460, 572};
constexpr int ourBuiltStairsWidth = 380;
constexpr int ourBuiltStairsHeight = 216;

// The big bird on the ledge's back rim beside the diamond, until she flies up in the bird suit.
constexpr PictureSpot ourLedgeBird = {734, 66};
constexpr int ourBirdWidth = 152;
constexpr int ourBirdHeight = 130;

// The children from the ledge, home in the village by the well once she has brought them down.
constexpr PictureSpot ourRescuedBoy = {920, 874};
constexpr PictureSpot ourRescuedGirl = {1056, 868};
}  // namespace geometry
