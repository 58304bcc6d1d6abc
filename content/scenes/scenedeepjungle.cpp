// The deep jungle south of the crash site: a clearing with the palm, the rubber tree, the path
// back north and a cave mouth in the rock face to the north-west. The coconut, the dry log and
// the leaves lying there are the items' own pictures, gone once she takes them.
#include "scenes/scenemodel.h"

namespace content
{
SceneDescription DeepJungleScene()
{
    using M = Material;
    using P = PropKind;
    SceneDescription scene;
    scene.id = SceneId::DeepJungle;
    scene.name = "deep jungle";
    scene.picturePath = "img/Levels/scene_deepjungle.dds";
    scene.overlayPath = "img/Levels/scene_deepjungle_overlay.dds";
    scene.collisionPath = "img/Levels/collision_deepjungle.bmp";
    scene.width = 1280;
    scene.height = 1024;
    scene.seed = 23;
    scene.palette = {Colour::Rgb(0x5f8a34), Colour::Rgb(0x9c7a48), Colour::Rgb(0x6a6f78),
                     Colour::Rgb(0x276b2a), Colour::Rgb(0xe05a9a)};
    scene.areas = {
        {M::Thicket, Shape::Rect(0, 0, 1280, 1024)},
        {M::Cliff,
         Shape::Blob({{-40, -40}, {320, -40}, {300, 110}, {210, 200}, {100, 215}, {-40, 230}})},
        {M::JungleFloor, Shape::Blob({{150, 250},
                                      {300, 200},
                                      {500, 220},
                                      {650, 150},
                                      {900, 160},
                                      {1000, 300},
                                      {1050, 500},
                                      {980, 700},
                                      {900, 880},
                                      {600, 900},
                                      {300, 900},
                                      {120, 820},
                                      {100, 600},
                                      {110, 400}})},
        {M::Dirt, Shape::Poly({{670, 0}, {915, 0}, {900, 200}, {680, 220}})},
        // The floor inside the cave mouth, so she can walk into the opening.
        {M::Dirt,
         Shape::Poly({{60, 132}, {144, 132}, {190, 230}, {260, 290}, {120, 300}, {50, 260}})},
    };
    scene.props = {
        {P::CaveMouth, {102, 236}, 0.75},
        {P::CocoPalm, {800, 660}},
        {P::RubberTree, {170, 780}, 0.85},
        {P::JungleTree, {1150, 320}},
        {P::JungleTree, {1120, 820}},
        {P::JungleTree, {60, 960}},
        {P::JungleTree, {520, 1010}, 0.9},
        {P::JungleTree, {1000, 120}, 0.8},
        {P::Bush, {960, 560}, 0.8},
        {P::Bush, {330, 880}, 0.8},
        {P::Fern, {620, 880}},
        {P::Fern, {1010, 420}},
        {P::Boulder, {420, 190}, 0.8},
        {P::Leaves, {1270, 1010}},
        {P::Leaves, {10, 1020}, 0.9},
        {P::Leaves, {1270, 40}, 0.9},
    };
    return scene;
}
}  // namespace content
