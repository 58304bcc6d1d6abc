#include "scenes/scenestory.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "heroineframe.h"
#include "scenes/scenemodel.h"

namespace content
{
namespace
{
// Her collision patch from her position, the frame's top-left corner.
constexpr double kPatchRight = geometry::ourHeroineWidth - geometry::ourPatchRightInset;
constexpr double kPatchLeft = geometry::ourHeroineWidth - geometry::ourPatchLeftInset;
constexpr double kPatchBottom = geometry::ourHeroineHeight - geometry::ourPatchBottomInset;
constexpr double kPatchTop = geometry::ourHeroineHeight - geometry::ourPatchTopInset;

// What the layouts add to each transfer zone: the side the scene lets her walk in from, and the
// ground on that side.
struct ZoneApproach
{
    const char* name;
    Approach approach;
    const char* group;
};

const ZoneApproach kApproaches[] = {
    {"DeepJungleTransfer", Approach::FromAbove, "west bank"},
    {"JungleCrashTransfer", Approach::FromBelow, ""},
    {"JungleCrashTransferFromTimeMachine", Approach::FromAbove, ""},
    {"TimeMachineLevel", Approach::FromBelow, "west bank"},
    {"VillageTransferFromJungleCrash", Approach::FromBelow, "west bank"},
    {"JungleCrashTransferFromVillage", Approach::FromAbove, ""},
    {"VolcanoTransferFromJungleCrash", Approach::FromLeft, "east bank"},
    {"JungleCrashTransferFromVolcano", Approach::FromRight, "lower ground"},
    {"CaveFromDeepJungle", Approach::AnySide, ""},
    {"DeepJungleFromCave", Approach::AnySide, ""},
    {"DeepJungleFromBlownUpCave", Approach::AnySide, ""},
};

const ZoneApproach& ApproachOf(const char* aName)
{
    for (const ZoneApproach& approach : kApproaches)
    {
        if (std::strcmp(approach.name, aName) == 0)
        {
            return approach;
        }
    }
    fprintf(stderr, "marrowen-content: no approach side for the zone %s\n", aName);
    exit(1);
}

std::vector<Zone> BuildZoneTable()
{
    std::vector<Zone> table;
    for (const geometry::TransferZone& zone : geometry::ourTransferZones)
    {
        const ZoneApproach& approach = ApproachOf(zone.name);
        const geometry::ZoneBox& box = zone.box;
        table.push_back({zone.scene, zone.kind, zone.name,
                         ZoneRect{static_cast<double>(box.left), static_cast<double>(box.top),
                                  static_cast<double>(box.width), static_cast<double>(box.height)},
                         zone.link, approach.approach, approach.group});
    }
    return table;
}

// Feet point and half of the zone she walks in through, then the arrival the transfer rules
// give in the partner zone, as a heroine position.
Point ArrivalThrough(const Zone& aZone, const Zone& aPartner)
{
    const ZoneRect& p = aPartner.rect;
    Point feet{};
    if (aZone.kind == ZoneKind::Vertical)
    {
        const bool upperHalf = aZone.approach == Approach::FromAbove;
        // Entering through the upper half lands her centred under the partner.
        feet = upperHalf ? Point{p.left + p.width / 2, p.Bottom() + p.height / 2}
                         : Point{p.left + p.width / 2, p.top - p.height / 2};
    }
    else
    {
        const bool leftHalf = aZone.approach == Approach::FromLeft;
        feet = leftHalf ? Point{p.Right() + p.width / 2, p.top + p.height / 2}
                        : Point{p.left - p.width / 2, p.top + p.height / 2};
    }
    return {feet.x - geometry::ourFeetX, feet.y - geometry::ourFeetY};
}

const Zone& FindZone(SceneId aScene, const std::string& aName)
{
    for (const Zone& zone : ZoneTable())
    {
        if (zone.scene == aScene && zone.name == aName)
        {
            return zone;
        }
    }
    fprintf(stderr, "marrowen-content: no zone %s\n", aName.c_str());
    exit(1);
}

std::vector<StoryPoint> BuildStoryPoints()
{
    using S = SceneId;
    using R = Reach;
    const std::string west = "west bank";
    const std::string east = "east bank";
    const std::string ledge = "ledge";
    const std::string lower = "lower ground";
    return {
        // Jungle crash site.
        {S::CrashSite, "stick", {543, 371}, R::Box, 100, west},
        {S::CrashSite, "flint 2", {302, 829}, R::Box, 100, west},
        {S::CrashSite, "flint 1", {185, 571}, R::Box, 100, west},
        {S::CrashSite, "sharp flint", {260, 327}, R::Box, 100, west},
        {S::CrashSite, "raft tree", {653, 170}, R::Box, 130, west},
        {S::CrashSite, "raft (west)", {831, 468}, R::Box, 130, west},
        {S::CrashSite, "robot", {480, 880}, R::Box, 50, west},
        {S::CrashSite, "landing west", {721, 400}, R::StandAt, 0, west},
        {S::CrashSite, "raft (east)", {1331, 543}, R::Box, 130, east},
        {S::CrashSite, "landing east", {1440, 488}, R::StandAt, 0, east},
        // Time machine.
        {S::TimeMachine, "engine", {131, 223}, R::TimeMachine, 0, ""},
        {S::TimeMachine, "engine belt", {150, 300}, R::Box, 100, ""},
        {S::TimeMachine, "wake-up", {310, 770}, R::StandAt, 0, ""},
        {S::TimeMachine, "home trip", {310, 770}, R::HomeTrip, 0, ""},
        {S::TimeMachine, "hidden robot", {480, 880}, R::Avoid, 50, ""},
        // Deep jungle.
        {S::DeepJungle, "coconut", {721, 622}, R::Box, 100, ""},
        {S::DeepJungle, "rubber tree", {199, 656}, R::Box, 100, ""},
        {S::DeepJungle, "log", {431, 289}, R::Box, 100, ""},
        {S::DeepJungle, "dried leaves", {267, 425}, R::Box, 100, ""},
        // Cave.
        {S::Cave, "sulphur", {212, 420}, R::Box, 100, ""},
        {S::Cave, "guano", {432, 337}, R::Box, 100, ""},
        {S::Cave, "magnetic stone", {0, 352}, R::Box, 50, ""},
        // Village.
        {S::Village, "rope", {1000, 600}, R::Box, 100, ""},
        {S::Village, "woman", {690, 630}, R::Box, 130, ""},
        {S::Village, "boy", {142, 791}, R::Box, 130, ""},
        {S::Village, "native", {1829, 962}, R::Box, 130, ""},
        // Volcano.
        {S::Volcano, "flight landing", {690, 140}, R::StandAt, 0, ledge},
        {S::Volcano, "set-down", {690, 240}, R::StandAt, 0, ledge},
        {S::Volcano, "diamond", {690, 180}, R::Box, 100, ledge},
        {S::Volcano, "children", {617, 50}, R::Box, 100, ledge},
        {S::Volcano, "stair kit", {750, 438}, R::Box, 100, ledge},
        {S::Volcano, "stairs top", {775, 353}, R::StandAt, 0, ledge},
        {S::Volcano, "banana tree", {290, 455}, R::Box, 100, lower},
        {S::Volcano, "stairs foot", {428, 689}, R::StandAt, 0, lower},
        {S::Volcano, "stair up", {580, 725}, R::Box, 100, lower},
        {S::Volcano, "vulcanization", {972, 415}, R::Box, 100, lower},
    };
}
}  // namespace

std::vector<Point> HeroineCollisionPoints(Point aPosition)
{
    return {{aPosition.x + kPatchRight, aPosition.y + kPatchBottom},
            {aPosition.x + kPatchLeft, aPosition.y + kPatchBottom},
            {aPosition.x + kPatchRight, aPosition.y + kPatchTop},
            {aPosition.x + kPatchLeft, aPosition.y + kPatchTop}};
}

Point FeetOf(Point aPosition)
{
    return {aPosition.x + geometry::ourFeetX, aPosition.y + geometry::ourFeetY};
}

bool ZoneRect::Contains(Point aPoint) const
{
    return left <= aPoint.x && aPoint.x <= Right() && top <= aPoint.y && aPoint.y <= Bottom();
}

const std::vector<Zone>& ZoneTable()
{
    static const std::vector<Zone> table = BuildZoneTable();
    return table;
}

std::vector<Arrival> ComputeArrivals()
{
    const std::vector<Zone>& table = ZoneTable();
    std::vector<Arrival> arrivals;
    for (const Zone& zone : table)
    {
        if (zone.link >= 0)
        {
            const Zone& partner = table[static_cast<size_t>(zone.link)];
            // The game keeps her whole frame inside the scene she arrives in.
            const SceneDescription& scene = AllScenes()[static_cast<size_t>(partner.scene)];
            const Point through = ArrivalThrough(zone, partner);
            const Point at{
                geometry::KeepFrameInside(through.x, scene.width, geometry::ourHeroineWidth),
                geometry::KeepFrameInside(through.y, scene.height, geometry::ourHeroineHeight)};
            arrivals.push_back(
                {partner.scene, at, std::string("from ") + SceneName(zone.scene), partner.group});
        }
    }
    // Into a cave: centred under the cave's mouth zone, 30 below its top.
    for (SceneId cave : {SceneId::Cave, SceneId::BlownUpCave})
    {
        const ZoneRect& mouth = FindZone(cave, cave == SceneId::Cave ? "DeepJungleFromCave"
                                                                     : "DeepJungleFromBlownUpCave")
                                    .rect;
        arrivals.push_back(
            {cave, {mouth.left + mouth.width / 2, mouth.top + 30}, "from deep jungle", ""});
    }
    // Out of a cave: beside the deep jungle's cave zone.
    const ZoneRect& entrance = FindZone(SceneId::DeepJungle, "CaveFromDeepJungle").rect;
    arrivals.push_back(
        {SceneId::DeepJungle, {entrance.Right() + 50, entrance.top + 50}, "from cave", ""});
    // The crash site's refused exits push her back to these spots.
    const ZoneRect& deep = FindZone(SceneId::CrashSite, "DeepJungleTransfer").rect;
    arrivals.push_back(
        {SceneId::CrashSite, {deep.left + 100, deep.top - 175}, "refused south", "west bank"});
    const ZoneRect& north = FindZone(SceneId::CrashSite, "VillageTransferFromJungleCrash").rect;
    arrivals.push_back(
        {SceneId::CrashSite, {north.left + 80, north.top + 50}, "refused north", "west bank"});
    return arrivals;
}

const std::vector<StoryPoint>& StoryPoints()
{
    static const std::vector<StoryPoint> points = BuildStoryPoints();
    return points;
}

bool InReach(const StoryPoint& aPoint, Point aHeroine)
{
    const double x = aPoint.position.x;
    const double y = aPoint.position.y;
    switch (aPoint.reach)
    {
        case Reach::Box:
        case Reach::Avoid:
            return x - aPoint.range < aHeroine.x && aHeroine.x < x + aPoint.range &&
                   y - aPoint.range < aHeroine.y && aHeroine.y < y + aPoint.range;
        case Reach::TimeMachine:
            return x - 130 < aHeroine.x && aHeroine.x < x + 45 && y - 130 < aHeroine.y &&
                   aHeroine.y < y + 50;
        case Reach::StandAt:
            return aHeroine.x == x && aHeroine.y == y;
        case Reach::HomeTrip:
            return aHeroine.x >= x && aHeroine.y >= y;
    }
    return false;
}

const char* SceneName(SceneId aScene)
{
    switch (aScene)
    {
        case SceneId::CrashSite:
            return "crash site";
        case SceneId::DeepJungle:
            return "deep jungle";
        case SceneId::TimeMachine:
            return "time machine";
        case SceneId::Cave:
            return "cave";
        case SceneId::BlownUpCave:
            return "blown-up cave";
        case SceneId::Village:
            return "village";
        case SceneId::Volcano:
            return "volcano";
    }
    return "?";
}
}  // namespace content
