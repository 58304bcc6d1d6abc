#pragma once
// The places of the story the scenes must serve: the transfer zones and the arrivals their
// rules produce, and every item, hotspot and character with the reach the game gives it.
// The scene layouts, their previews and the layout test all read these, so nothing is copied.
#include <string>
#include <vector>

#include "core/canvas.h"
#include "transferzones.h"

namespace content
{
using geometry::SceneId;

// The four points of her movement rule, relative to her position; she stands where all are free.
std::vector<Point> HeroineCollisionPoints(Point aPosition);
Point FeetOf(Point aPosition);

struct ZoneRect
{
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    // Inclusive on every edge, as the game tests it.
    bool Contains(Point aPoint) const;
};

using geometry::ZoneKind;

// The side from which the heroine walks into a zone: the only side the scene lets her reach.
enum class Approach
{
    FromAbove,
    FromBelow,
    FromLeft,
    FromRight,
    AnySide,  // cave zones have no halves
};

struct Zone
{
    SceneId scene;
    ZoneKind kind;
    std::string name;
    ZoneRect rect;
    int link;  // index of the partner zone in the table, -1 for none
    Approach approach;
    std::string group;  // the ground on its approach side (see StoryPoint::group)
};

// The transfer zones of every scene, with their links: geometry::ourTransferZones, in its
// order, with the side each is walked into from.
const std::vector<Zone>& ZoneTable();

// Where she lands when a zone's transfer carries her, as a heroine position.
struct Arrival
{
    SceneId scene;
    Point position;
    std::string label;
    std::string group;  // the ground she lands on
};

// Every arrival of the transfer rules when each zone is entered from its approach side, and
// the two places where a refused crash-site exit puts her.
std::vector<Arrival> ComputeArrivals();

// How the heroine reaches a story point.
enum class Reach
{
    Box,          // her position strictly within range on both axes of the point
    TimeMachine,  // the engine spot's own bounds
    StandAt,      // she is put exactly there (landings, stairs); it must be free ground
    HomeTrip,     // x >= point.x and y >= point.y
    Avoid,        // she must never come within range (the hidden robot)
};

struct StoryPoint
{
    SceneId scene;
    std::string label;
    Point position;
    Reach reach = Reach::Box;
    double range = 100.0;
    // Points in different groups of one scene must not be joined by walking (river, ledge).
    std::string group;
};

// Every point of the story, all scenes.
const std::vector<StoryPoint>& StoryPoints();

// True when a heroine at aHeroine satisfies the point's reach rule.
bool InReach(const StoryPoint& aPoint, Point aHeroine);

const char* SceneName(SceneId aScene);
}  // namespace content
