// Inside the crashed time machine: a steel deck, the engine in the north-west corner, control
// desks along the walls, the hatch out in the south-west, and foreground machinery in the south
// that hides where the switched-off robot waits before the real one comes aboard.
#include "scenemodel.h"

namespace content
{
SceneDescription TimeMachineScene()
{
    using M = Material;
    using P = PropKind;
    SceneDescription scene;
    scene.id = SceneId::TimeMachine;
    scene.name = "time machine";
    scene.picturePath = "img/Levels/scene_timemachine.dds";
    scene.overlayPath = "img/Levels/scene_timemachine_overlay.dds";
    scene.collisionPath = "img/Levels/collision_timemachine.bmp";
    scene.width = 1024;
    scene.height = 1024;
    scene.seed = 37;
    scene.palette = {Colour::Rgb(0x7c8794), Colour::Rgb(0xb0a080), Colour::Rgb(0x4a5564),
                     Colour::Rgb(0x3a4a5a), Colour::Rgb(0xffb030)};
    scene.areas = {
        {M::MetalWall, Shape::Rect(0, 0, 1024, 1024)},
        {M::MetalFloor, Shape::Rect(40, 150, 944, 745)},
        // The hatch: the deck runs on out of the machine only here.
        {M::MetalFloor, Shape::Rect(96, 870, 88, 154)},
    };
    scene.props = {
        {P::Engine, {140, 190}, 0.9},  {P::Console, {450, 200}}, {P::Console, {660, 200}},
        {P::Console, {930, 470}, 0.8}, {P::Crate, {930, 860}},   {P::Crate, {880, 880}, 0.8},
        {P::Crate, {960, 250}, 0.8},   {P::Pipes, {540, 1010}},  {P::Hatch, {140, 1024}, 0.92},
    };
    return scene;
}
}  // namespace content
