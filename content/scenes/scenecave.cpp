// The cave behind the deep jungle's rock face, and the same cave after the blast. Both share one
// collision bitmap and one overlay, so their walkable ground must be the same.
#include "scenes/scenemodel.h"

namespace content
{
SceneDescription CaveScene()
{
    using M = Material;
    using P = PropKind;
    SceneDescription scene;
    scene.id = SceneId::Cave;
    scene.name = "cave";
    scene.picturePath = "img/Levels/scene_cave.dds";
    scene.overlayPath = "img/Levels/scene_caves_overlay.dds";
    scene.collisionPath = "img/Levels/collision_cave.bmp";
    scene.width = 1024;
    scene.height = 768;
    scene.seed = 41;
    scene.palette = {Colour::Rgb(0x5d6878), Colour::Rgb(0x8a96a6), Colour::Rgb(0x3a4352),
                     Colour::Rgb(0x405060), Colour::Rgb(0xffa040)};
    scene.areas = {
        {M::CaveWall, Shape::Rect(0, 0, 1024, 768)},
        // The floor reaches the left wall where the magnetic stone sticks out of the rock.
        {M::CaveFloor, Shape::Poly({{16, 370},
                                    {120, 290},
                                    {300, 220},
                                    {600, 230},
                                    {820, 300},
                                    {940, 430},
                                    {900, 610},
                                    {700, 700},
                                    {400, 710},
                                    {150, 650},
                                    {16, 560}})},
        // The passage up to the mouth, where daylight comes in.
        {M::Dirt, Shape::Poly({{292, 0}, {400, 0}, {412, 240}, {280, 240}})},
    };
    scene.props = {
        {P::Stalagmite, {700, 520}},      {P::Stalagmite, {540, 660}, 0.8},
        {P::Stalagmite, {860, 560}, 0.9}, {P::Crystal, {880, 330}},
        {P::Crystal, {140, 690}, 0.8},    {P::Crystal, {620, 240}, 0.7},
        {P::Torch, {250, 250}},           {P::Torch, {760, 260}},
        {P::Rubble, {600, 420}, 0.6},     {P::Stalactites, {0, 0}, 290},
        {P::Stalactites, {410, 0}, 614},
    };
    return scene;
}

SceneDescription BlownUpCaveScene()
{
    SceneDescription scene = CaveScene();
    scene.id = SceneId::BlownUpCave;
    scene.name = "blown-up cave";
    scene.picturePath = "img/Levels/scene_cave_blown_up.dds";
    scene.writesOverlayAndCollision = false;
    scene.seed = 43;
    // Scorched and dusty; the torches went out in the blast.
    scene.palette.ground = Colour::Rgb(0x6a6460);
    scene.palette.obstacle = Colour::Rgb(0x3a3634);
    scene.palette.accent = Colour::Rgb(0xff6a30);
    std::vector<Prop> props;
    for (const Prop& prop : scene.props)
    {
        if (prop.kind != PropKind::Torch)
        {
            props.push_back(prop);
        }
    }
    // Broken rock where the magnetic stone was blown out of the wall, and debris everywhere.
    for (const Point& at :
         {Point{40, 420}, Point{70, 470}, Point{30, 520}, Point{200, 400}, Point{330, 520},
          Point{480, 480}, Point{650, 620}, Point{800, 400}, Point{350, 250}, Point{260, 640}})
    {
        props.push_back({PropKind::Rubble, at, 1.2});
    }
    props.push_back({PropKind::SmokeVent, {60, 440}, 1.4});
    scene.props = props;
    return scene;
}
}  // namespace content
