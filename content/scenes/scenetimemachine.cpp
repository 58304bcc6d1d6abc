// Inside the crashed time machine: a steel deck with the time drive's ring in the middle, the
// engine with its core in the north-west corner, a wall of instruments and a porthole behind
// the desks, the lit hatch out in the south-west, and a foreground tank in the south that hides
// where the switched-off robot waits before the real one comes aboard.
#include "scenes/scenemodel.h"
#include "storypictures.h"

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
        // Grated walkways with guide lights: from the hatch to the drive, and on to the
        // desks and the engine.
        {M::Grating, Shape::Rect(104, 560, 72, 335)},
        {M::Grating, Shape::Rect(176, 580, 230, 64)},
        {M::Grating, Shape::Rect(528, 220, 64, 230)},
        {M::Grating, Shape::Rect(720, 508, 264, 64)},
        {M::Grating, Shape::Rect(104, 300, 72, 260)},
        {M::DriveRing, Shape::Oval(560, 540, 170, 110)},
        // The hatch: the deck runs on out of the machine only here.
        {M::MetalFloor, Shape::Rect(96, 870, 88, 154)},
    };
    scene.props = {
        {P::WallBank, {40, 150}, 944},
        {P::Viewport, {800, 150}},
        {P::Engine, {geometry::ourEngineX, geometry::ourEngineY}, geometry::ourEngineScale},
        {P::Console, {450, 200}},
        {P::Console, {660, 200}},
        {P::Console, {930, 470}, 0.8},
        {P::Cable, {232, 176}, 150, 0.1},
        {P::Cable, {560, 204}, 240, 1.45},
        {P::Locker, {930, 860}},
        {P::Locker, {880, 880}, 0.8},
        {P::Locker, {960, 250}, 0.8},
        {P::Pipes, {540, 1010}},
        {P::Hatch, {140, 1024}, 0.92},
    };
    return scene;
}
}  // namespace content
