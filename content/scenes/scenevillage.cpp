// The village north of the crash site: huts around a plaza with a well, fields, a sheep pen in
// the north, and the road south back to the crash site.
#include "scenes/scenemodel.h"

namespace content
{
SceneDescription VillageScene()
{
    using M = Material;
    using P = PropKind;
    SceneDescription scene;
    scene.id = SceneId::Village;
    scene.name = "village";
    scene.picturePath = "img/Levels/scene_village.dds";
    scene.overlayPath = "img/Levels/scene_village_overlay.dds";
    scene.collisionPath = "img/Levels/collission_village.bmp";
    scene.width = 2048;
    scene.height = 2048;
    scene.seed = 53;
    scene.palette = {Colour::Rgb(0xb8976a), Colour::Rgb(0xcdb288), Colour::Rgb(0x7a6a5a),
                     Colour::Rgb(0x4f8a3a), Colour::Rgb(0xd8b25a)};
    scene.areas = {
        {M::Thicket, Shape::Rect(0, 0, 2048, 2048)},
        {M::VillageGround, Shape::Blob({{60, 420},
                                        {300, 250},
                                        {700, 200},
                                        {1000, 170},
                                        {1400, 200},
                                        {1800, 300},
                                        {1990, 600},
                                        {2000, 1000},
                                        {1950, 1400},
                                        {1700, 1750},
                                        {1300, 1880},
                                        {800, 1880},
                                        {400, 1750},
                                        {120, 1400},
                                        {40, 1000}})},
        // The sheep pen.
        {M::JungleFloor, Shape::Poly({{880, 50}, {1320, 50}, {1320, 230}, {880, 230}})},
        // The plaza, the road south and the lanes to the huts.
        {M::Dirt, Shape::Blob({{700, 780},
                               {1000, 700},
                               {1350, 760},
                               {1400, 1000},
                               {1250, 1180},
                               {950, 1200},
                               {680, 1100},
                               {620, 900}})},
        {M::Dirt, Shape::Poly({{930, 1150},
                               {1120, 1150},
                               {1140, 1500},
                               {1380, 1560},
                               {1400, 2048},
                               {680, 2048},
                               {700, 1560},
                               {920, 1500}})},
        {M::Dirt, Shape::Poly({{700, 820}, {300, 760}, {180, 820}, {200, 880}, {680, 900}})},
        {M::Dirt, Shape::Poly({{1340, 900}, {1700, 960}, {1860, 980}, {1850, 1060}, {1330, 1050}})},
        {M::Dirt, Shape::Poly({{960, 720}, {1040, 720}, {1060, 240}, {980, 240}})},
        {M::Field, Shape::Poly({{200, 1250}, {560, 1250}, {580, 1560}, {260, 1560}})},
        {M::Field, Shape::Poly({{1480, 1280}, {1820, 1280}, {1760, 1560}, {1460, 1560}})},
    };
    scene.props = {
        {P::Hut, {740, 560}},
        {P::Hut, {1300, 560}},
        {P::Hut, {320, 700}, 0.9},
        {P::Hut, {1700, 900}},
        {P::Hut, {420, 1150}, 0.9},
        {P::Hut, {1620, 1220}, 0.9},
        {P::Well, {1010, 960}},
        {P::Crate, {880, 590}},
        {P::Crate, {1190, 590}, 0.8},
        {P::Fence, {880, 236}, 440},
        {P::Fence, {880, 56}, 180, 1.5708},
        {P::Fence, {1320, 56}, 180, 1.5708},
        {P::Palm, {180, 380}},
        {P::Palm, {1880, 520}},
        {P::Palm, {560, 1700}, 0.9},
        {P::Palm, {1520, 1700}},
        {P::JungleTree, {120, 1560}},
        {P::JungleTree, {1950, 1560}},
        {P::JungleTree, {1700, 240}, 0.9},
        {P::JungleTree, {400, 200}, 0.9},
        {P::Bush, {600, 1860}, 0.9},
        {P::Bush, {1450, 1860}, 0.9},
        {P::Bush, {1900, 1180}, 0.8},
        {P::Fern, {90, 1100}},
        {P::Fern, {1250, 1400}},
        {P::Leaves, {20, 2040}},
        {P::Leaves, {2040, 2040}},
        {P::Leaves, {20, 20}},
        {P::Leaves, {2040, 20}},
    };
    return scene;
}
}  // namespace content
