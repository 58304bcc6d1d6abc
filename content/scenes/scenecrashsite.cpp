// The jungle crash site: the hub. The crashed time machine in the north-west, a clearing with the
// first items, a river that only the raft crosses, and paths north (village), south (deep
// jungle) and east beyond the river (volcano).
#include "scenes/scenemodel.h"

namespace content
{
SceneDescription CrashSiteScene()
{
    using M = Material;
    using P = PropKind;
    SceneDescription scene;
    scene.id = SceneId::CrashSite;
    scene.name = "crash site";
    scene.picturePath = "img/Levels/scene_jungle_crash.dds";
    scene.overlayPath = "img/Levels/scene_jungle_crash_overlay.dds";
    scene.collisionPath = "img/Levels/collision_jungle_crash.bmp";
    scene.width = 2048;
    scene.height = 1152;
    scene.seed = 11;
    scene.palette = {Colour::Rgb(0x6f9a3c), Colour::Rgb(0xa8804e), Colour::Rgb(0x6a665c),
                     Colour::Rgb(0x2f7a2a), Colour::Rgb(0xffb03a)};
    scene.areas = {
        {M::Thicket, Shape::Rect(0, 0, 2048, 1152)},
        // West bank.
        {M::JungleFloor, Shape::Blob({{40, 330},
                                      {200, 325},
                                      {330, 300},
                                      {450, 250},
                                      {520, 150},
                                      {640, 130},
                                      {800, 170},
                                      {880, 260},
                                      {900, 420},
                                      {890, 600},
                                      {900, 800},
                                      {850, 930},
                                      {760, 955},
                                      {560, 950},
                                      {300, 955},
                                      {130, 935},
                                      {50, 820},
                                      {40, 600}})},
        {M::Dirt, Shape::Poly({{95, 290}, {190, 290}, {215, 420}, {75, 420}})},
        {M::Dirt,
         Shape::Poly(
             {{455, 0}, {645, 0}, {655, 160}, {700, 330}, {560, 370}, {430, 300}, {445, 150}})},
        {M::Dirt, Shape::Poly({{330, 880}, {740, 880}, {755, 1152}, {315, 1152}})},
        {M::Sand,
         Shape::Blob({{830, 260}, {960, 240}, {990, 960}, {840, 950}, {870, 700}, {850, 450}})},
        // East bank and the road to the volcano.
        {M::JungleFloor, Shape::Blob({{1380, 200},
                                      {1600, 160},
                                      {1850, 250},
                                      {1950, 300},
                                      {2048, 310},
                                      {2048, 600},
                                      {1950, 610},
                                      {1800, 760},
                                      {1550, 820},
                                      {1400, 760},
                                      {1380, 500}})},
        {M::Dirt, Shape::Poly({{1780, 340}, {2048, 320}, {2048, 590}, {1800, 580}})},
        {M::Sand, Shape::Blob({{1400, 300}, {1500, 280}, {1520, 760}, {1420, 780}})},
        // The river, top to bottom: nobody wades through it.
        {M::Water, Shape::Blob({{880, -40},
                                {1380, -40},
                                {1440, 250},
                                {1420, 560},
                                {1460, 850},
                                {1430, 1190},
                                {960, 1190},
                                {980, 850},
                                {935, 560},
                                {960, 250}})},
    };
    scene.props = {
        {P::CrashedMachine, {141.5, 300}},
        {P::Stump, {738, 388}},
        {P::JungleTree, {120, 1080}},
        {P::JungleTree, {880, 1100}, 0.9},
        {P::JungleTree, {1560, 140}},
        {P::JungleTree, {1760, 190}, 0.85},
        {P::JungleTree, {1650, 930}},
        {P::JungleTree, {1920, 800}, 0.9},
        {P::JungleTree, {330, 230}, 0.8},
        {P::Palm, {865, 250}},
        {P::Palm, {1480, 230}, 0.9},
        {P::Palm, {1960, 700}},
        {P::Boulder, {70, 720}},
        {P::Boulder, {1780, 700}, 0.8},
        {P::Bush, {40, 470}, 0.9},
        {P::Bush, {880, 880}, 0.8},
        {P::Reeds, {905, 700}},
        {P::Reeds, {935, 380}},
        {P::Reeds, {1450, 700}},
        {P::Reeds, {1450, 330}},
        {P::Fern, {230, 960}},
        {P::Fern, {800, 960}},
        {P::Fern, {1700, 620}},
        {P::Leaves, {20, 1150}},
        {P::Leaves, {2040, 1150}},
        {P::Leaves, {2040, 20}},
        {P::Leaves, {1200, 1160}, 0.8},
    };
    return scene;
}
}  // namespace content
