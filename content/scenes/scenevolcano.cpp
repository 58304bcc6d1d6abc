// The volcano east of the crash site: black rock, a high ledge reached only by the bird flight
// and left by the stairs, lower ground around it, and lava to the east.
#include "scenes/sceneitems.h"
#include "scenes/scenemodel.h"
#include "storypictures.h"

namespace content
{
SceneDescription VolcanoScene()
{
    using M = Material;
    using P = PropKind;
    SceneDescription scene;
    scene.id = SceneId::Volcano;
    scene.name = "volcano";
    scene.picturePath = "img/Levels/scene_volcano.dds";
    scene.overlayPath = "img/Levels/scene_volcano_overlay.dds";
    scene.collisionPath = "img/Levels/collission_volcano.bmp";
    scene.width = 1280;
    scene.height = 1024;
    scene.seed = 67;
    scene.palette = {Colour::Rgb(0x564a44), Colour::Rgb(0x8a7664), Colour::Rgb(0x2e2826),
                     Colour::Rgb(0x4f7a32), Colour::Rgb(0xff8a20)};
    scene.areas = {
        {M::Cliff, Shape::Rect(0, 0, 1280, 1024)},
        // Lower ground: from the road in the west, round the south of the ledge, to the lava.
        {M::Basalt, Shape::Poly({{0, 440},
                                 {200, 400},
                                 {430, 420},
                                 {510, 600},
                                 {600, 720},
                                 {900, 720},
                                 {990, 420},
                                 {1120, 400},
                                 {1140, 700},
                                 {1100, 900},
                                 {800, 1024},
                                 {0, 1024}})},
        {M::Dirt, Shape::Poly({{0, 640}, {180, 620}, {300, 700}, {180, 780}, {0, 820}})},
        // The ledge: a cliff block with its walkable top.
        {M::Cliff,
         Shape::Poly({{550, 90}, {920, 90}, {950, 300}, {930, 650}, {600, 660}, {520, 300}})},
        {M::Basalt,
         Shape::Poly({{600, 120}, {880, 120}, {910, 300}, {890, 560}, {640, 570}, {570, 300}})},
        {M::Lava, Shape::Blob({{1160, 300}, {1300, 240}, {1300, 1060}, {1120, 1060}, {1170, 700}})},
        {M::Lava, Shape::Blob({{1040, -20}, {1300, -20}, {1300, 220}, {1150, 260}, {1090, 140}})},
    };
    scene.props = {
        {P::Stairs,
         {geometry::ourStairsTopX, geometry::ourStairsTopY},
         geometry::ourStairsLength,
         geometry::ourStairsAngle},
        // The banana tree is a sprite of the level; its trunk still blocks her way.
        {P::SpriteTrunk,
         {kBananaTreeSpriteX + kBananaTreeBaseX, kBananaTreeSpriteY + kBananaTreeBaseY}},
        {P::SmokeVent, {1060, 520}},
        {P::SmokeVent, {1180, 120}, 1.3},
        {P::Boulder, {120, 980}},
        {P::Boulder, {960, 900}, 0.9},
        {P::Boulder, {80, 470}, 0.7},
        {P::Rubble, {420, 860}},
        {P::Rubble, {700, 800}},
        {P::Fern, {380, 480}},
        {P::Fern, {230, 500}, 0.8},
        {P::Crystal, {900, 500}, 0.6},
    };
    return scene;
}
}  // namespace content
