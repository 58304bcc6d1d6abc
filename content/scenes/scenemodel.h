#pragma once
// A scene described once, as data: the ground and obstacles as areas in painter's order, the
// props standing on them, and the foreground parts. The scene picture, its overlay and its
// collision bitmap are all derived from this one description, so they always agree.
#include <cstdint>
#include <string>
#include <vector>

#include "core/canvas.h"
#include "grounds.h"
#include "scenes/scenestory.h"

namespace content
{
// One collision pixel covers this many scene pixels along each axis.
constexpr int kCollisionScale = 16;

// What a piece of ground is made of: decides its look and whether the heroine may stand on it.
enum class Material
{
    JungleFloor,  // walkable
    Dirt,         // walkable: paths and exits
    Sand,         // walkable: river banks
    Thicket,      // dense undergrowth
    Water,
    MetalFloor,  // walkable
    Grating,     // walkable: a grated walkway with guide lights
    DriveRing,   // walkable: the time drive's ring set into the deck
    MetalWall,
    CaveFloor,  // walkable
    CaveWall,
    VillageGround,  // walkable
    Field,          // crops: not walkable
    Basalt,         // walkable volcanic ground
    Cliff,
    Lava,
};

// True when the heroine may stand on the material.
bool IsWalkable(Material aMaterial);
// How her footsteps sound on a walkable material.
geometry::Ground GroundOf(Material aMaterial);

// A closed outline in scene pixels.
struct Shape
{
    enum class Kind
    {
        Polygon,  // straight edges through the points
        Smooth,   // a smooth closed curve through the points
        Ellipse,  // points[0] centre, points[1] radii
        Box,      // points[0] top-left, points[1] size
    };
    Kind kind = Kind::Polygon;
    std::vector<Point> points;

    static Shape Poly(std::vector<Point> aPoints) { return {Kind::Polygon, std::move(aPoints)}; }
    static Shape Blob(std::vector<Point> aPoints) { return {Kind::Smooth, std::move(aPoints)}; }
    static Shape Oval(double aX, double aY, double aRadiusX, double aRadiusY)
    {
        return {Kind::Ellipse, {{aX, aY}, {aRadiusX, aRadiusY}}};
    }
    static Shape Rect(double aX, double aY, double aWidth, double aHeight)
    {
        return {Kind::Box, {{aX, aY}, {aWidth, aHeight}}};
    }
};

// Appends the shape's outline to the current path.
void AppendShape(cairo_t* aCr, const Shape& aShape);

struct Area
{
    Material material;
    Shape shape;
};

// Things standing on the ground. Each kind has a footprint that blocks (or none), a picture
// part drawn under the characters and, for tall things, a part in the overlay drawn over them:
// one row per kind in the table of scenes/drawing/sceneprops.cpp.
enum class PropKind
{
    JungleTree,      // trunk blocks, canopy in the overlay
    Palm,            // trunk blocks, fronds in the overlay
    Bush,            // blocks
    Fern,            // decoration on blocked ground
    Boulder,         // blocks
    Stump,           // blocks: what the chopped raft tree leaves
    Reeds,           // decoration along water
    CrashedMachine,  // the time machine's hull in the jungle; its door faces down
    RubberTree,      // trunk blocks, canopy in the overlay; tapping scar on the trunk
    CocoPalm,        // palm with coconuts
    CaveMouth,       // dark opening in a rock face; the arch goes into the overlay
    Hut,             // walls block, roof in the overlay
    Well,            // blocks
    Fence,           // from the position to position + size
    Crate,           // blocks
    SpriteTrunk,     // footprint only: the trunk of a tree the game draws as a sprite
    Console,         // time machine: a control desk, blocks
    Locker,          // time machine: a steel storage case, blocks
    WallBank,        // time machine: instruments on the back wall, from the position to the
                     // right by size; on blocked ground
    Viewport,        // time machine: a porthole in the back wall
    Cable,           // time machine: cables lying on the deck, length size towards angle
    Engine,          // time machine: the engine, blocks
    Pipes,           // time machine: foreground machinery, overlay only
    Hatch,           // time machine: the way out through the deck; door frame in the overlay
    Stalagmite,      // blocks
    Crystal,         // cave decoration on walls
    Rubble,          // loose rocks: decoration
    Torch,           // light on a wall
    Stairs,          // where the volcano's stairs will be: a crumbled lip, fallen slabs
    SmokeVent,       // volcano decoration
    Leaves,          // foreground leaves, overlay only
    Stalactites,     // foreground rock teeth, overlay only
    Count,           // not a kind: how many there are
};

struct Prop
{
    PropKind kind;
    Point at;            // where it stands: the middle of its base, in scene pixels
    double size = 1.0;   // scale, or length for fences
    double angle = 0.0;  // direction for fences and stairs, radians
};

struct Palette
{
    Colour ground;    // walkable ground of the scene
    Colour path;      // paths and exits
    Colour obstacle;  // the scene's main obstacle
    Colour foliage;   // leaves
    Colour accent;    // lights, flowers, glow
};

struct SceneDescription
{
    SceneId id = SceneId::CrashSite;
    std::string name;         // for messages and previews ("crash site")
    std::string picturePath;  // "img/Levels/..."
    std::string overlayPath;
    std::string collisionPath;
    // False when another scene writes the overlay and collision bitmap this one shares.
    bool writesOverlayAndCollision = true;
    int width = 1024;
    int height = 768;
    uint64_t seed = 1;
    Palette palette;
    std::vector<Area> areas;  // painter's order; later areas cover earlier ones
    std::vector<Prop> props;  // drawn back to front by their base's y
};

// The seven scenes, in the order the game initialises its levels (the order of SceneId).
const std::vector<SceneDescription>& AllScenes();
SceneDescription CrashSiteScene();
SceneDescription DeepJungleScene();
SceneDescription TimeMachineScene();
SceneDescription CaveScene();
SceneDescription BlownUpCaveScene();
SceneDescription VillageScene();
SceneDescription VolcanoScene();
}  // namespace content
