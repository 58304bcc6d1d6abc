// The scenes serve the story: loaded through the game's picture loader and walked with the
// heroine's own four-point rule, every arrival is free ground on the right side of its zone,
// every item, hotspot and character is within her reach from every arrival on its ground,
// zones are only entered from the side that leads on, and the river and the volcano ledge are
// not crossed on foot.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>

#include "heroinewalk.h"
#include "scenes/scenemodel.h"
#include "scenes/scenerender.h"

namespace
{
using content::Point;
using content::SceneId;
using scenetest::Exploration;
using scenetest::WalkMap;

std::string Describe(const Point& aPoint)
{
    return "(" + std::to_string(aPoint.x) + ", " + std::to_string(aPoint.y) + ")";
}

const content::SceneDescription& SceneOf(SceneId aScene)
{
    for (const content::SceneDescription& scene : content::AllScenes())
    {
        if (scene.id == aScene)
        {
            return scene;
        }
    }
    throw std::runtime_error("no such scene");
}

const WalkMap& MapOf(SceneId aScene)
{
    static std::map<SceneId, std::unique_ptr<WalkMap>> maps;
    std::unique_ptr<WalkMap>& map = maps[aScene];
    if (!map)
    {
        std::string problem;
        const std::string path = SceneOf(aScene).collisionPath;
        scenetest::CollisionBitmap bitmap = scenetest::LoadCollisionBitmap(path, problem);
        EXPECT_GT(bitmap.width, 0) << path << ": " << problem;
        map = std::make_unique<WalkMap>(std::move(bitmap));
    }
    return *map;
}

// A place the heroine starts walking from: an arrival, or a spot a script puts her on.
struct Start
{
    Point position;
    std::string label;
    std::string group;
};

std::vector<Start> StartsOf(SceneId aScene)
{
    std::vector<Start> starts;
    for (const content::Arrival& arrival : content::ComputeArrivals())
    {
        if (arrival.scene == aScene)
        {
            starts.push_back({arrival.position, arrival.label, arrival.group});
        }
    }
    for (const content::StoryPoint& point : content::StoryPoints())
    {
        if (point.scene == aScene && point.reach == content::Reach::StandAt)
        {
            starts.push_back({point.position, point.label, point.group});
        }
    }
    return starts;
}

bool EnteredFromItsSide(const content::Zone& aZone, const Point& aFeet)
{
    const content::ZoneRect& r = aZone.rect;
    switch (aZone.approach)
    {
        case content::Approach::FromAbove:
            return aFeet.y <= r.top + r.height / 2;
        case content::Approach::FromBelow:
            return aFeet.y > r.top + r.height / 2;
        case content::Approach::FromLeft:
            return aFeet.x <= r.left + r.width / 2;
        case content::Approach::FromRight:
            return aFeet.x > r.left + r.width / 2;
        case content::Approach::AnySide:
            return true;
    }
    return false;
}

class SceneLayout : public ::testing::TestWithParam<SceneId>
{
};

TEST_P(SceneLayout, EveryStartIsFreeGroundOutsideTheZones)
{
    const WalkMap& map = MapOf(GetParam());
    for (const Start& start : StartsOf(GetParam()))
    {
        EXPECT_TRUE(map.CanStand(start.position))
            << start.label << " at " << Describe(start.position) << " is blocked";
        EXPECT_EQ(scenetest::ZoneAt(GetParam(), content::FeetOf(start.position)), -1)
            << start.label << " lands inside a transfer zone";
    }
}

TEST_P(SceneLayout, EveryPointIsReachableFromEveryStartOnItsGround)
{
    const SceneId scene = GetParam();
    const WalkMap& map = MapOf(scene);
    const std::vector<Start> starts = StartsOf(scene);
    const std::vector<content::Zone>& zones = content::ZoneTable();
    for (const Start& start : starts)
    {
        const Exploration walk(map, scene, start.position);
        for (const content::StoryPoint& point : content::StoryPoints())
        {
            if (point.scene != scene || point.reach == content::Reach::StandAt)
            {
                continue;
            }
            const bool reachable = walk.Any([&point](const Point& aHeroine)
                                            { return content::InReach(point, aHeroine); });
            if (point.reach == content::Reach::Avoid)
            {
                EXPECT_FALSE(reachable) << point.label << " can be reached from " << start.label;
            }
            else if (point.group == start.group)
            {
                EXPECT_TRUE(reachable) << point.label << " is out of reach from " << start.label;
            }
        }
        // Other grounds of the scene stay apart: the river, the ledge.
        for (const Start& other : starts)
        {
            if (other.group == start.group)
            {
                continue;
            }
            const bool joined = walk.Any(
                [&other](const Point& aHeroine)
                {
                    return std::fabs(aHeroine.x - other.position.x) <= 1 &&
                           std::fabs(aHeroine.y - other.position.y) <= 1;
                });
            EXPECT_FALSE(joined) << start.label << " (" << start.group << ") walks to "
                                 << other.label << " (" << other.group << ")";
        }
        for (const scenetest::ZoneEntry& entry : walk.Entries())
        {
            const content::Zone& zone = zones[static_cast<size_t>(entry.zone)];
            EXPECT_TRUE(EnteredFromItsSide(zone, entry.feet))
                << zone.name << " entered from the wrong side at " << Describe(entry.feet)
                << ", walking from " << start.label;
        }
    }
}

TEST_P(SceneLayout, EveryExitCanBeWalkedInto)
{
    const SceneId scene = GetParam();
    const std::vector<content::Zone>& zones = content::ZoneTable();
    std::vector<bool> entered(zones.size(), false);
    for (const Start& start : StartsOf(scene))
    {
        const Exploration walk(MapOf(scene), scene, start.position);
        for (const scenetest::ZoneEntry& entry : walk.Entries())
        {
            entered[static_cast<size_t>(entry.zone)] = true;
        }
    }
    for (size_t i = 0; i < zones.size(); ++i)
    {
        if (zones[i].scene == scene)
        {
            EXPECT_TRUE(entered[i]) << zones[i].name << " cannot be reached";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllScenes, SceneLayout,
                         ::testing::Values(SceneId::CrashSite, SceneId::DeepJungle,
                                           SceneId::TimeMachine, SceneId::Cave,
                                           SceneId::BlownUpCave, SceneId::Village,
                                           SceneId::Volcano),
                         [](const ::testing::TestParamInfo<SceneId>& aInfo)
                         {
                             std::string name = content::SceneName(aInfo.param);
                             std::string out;
                             for (char c : name)
                             {
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                 {
                                     out += c;
                                 }
                             }
                             return out;
                         });

TEST(SceneArrivals, EachArrivalLandsOnThePartnersApproachSide)
{
    const std::vector<content::Zone>& zones = content::ZoneTable();
    for (const content::Zone& zone : zones)
    {
        ASSERT_GE(zone.link, zone.kind == content::ZoneKind::Cave ? -1 : 0) << zone.name;
        if (zone.link < 0)
        {
            continue;
        }
        const content::Zone& partner = zones[static_cast<size_t>(zone.link)];
        EXPECT_EQ(partner.link, &zone - zones.data()) << zone.name << " is not linked back";
        // Walking in from one side lands her on the side of the partner that leads back.
        const content::Approach expected[] = {
            content::Approach::FromBelow, content::Approach::FromAbove,
            content::Approach::FromRight, content::Approach::FromLeft};
        EXPECT_EQ(partner.approach, expected[static_cast<int>(zone.approach)]) << zone.name;
    }
}

TEST(SceneArrivals, TransferRulesGiveTheKnownLandingSpots)
{
    // Spot checks of the arrival arithmetic against worked examples.
    const std::vector<content::Arrival> arrivals = content::ComputeArrivals();
    const auto has = [&](SceneId aScene, Point aPosition)
    {
        for (const content::Arrival& arrival : arrivals)
        {
            if (arrival.scene == aScene && arrival.position.x == aPosition.x &&
                arrival.position.y == aPosition.y)
            {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(has(SceneId::CrashSite, {109.5, 272}));
    // The rule alone would put her head above the deep jungle's top edge (y -46).
    EXPECT_TRUE(has(SceneId::DeepJungle, {760.5, 0}));
    EXPECT_TRUE(has(SceneId::Village, {1006.5, 1798}));
    EXPECT_TRUE(has(SceneId::Volcano, {5.5, 633}));
    EXPECT_TRUE(has(SceneId::DeepJungle, {187, 180}));
    EXPECT_TRUE(has(SceneId::Cave, {341.5, 105}));
    EXPECT_TRUE(has(SceneId::CrashSite, {368, 825}));
    EXPECT_TRUE(has(SceneId::CrashSite, {505, 90}));
}

TEST(SceneFiles, BothCavesDescribeTheGroundOfTheirSharedCollisionMap)
{
    const content::Image cave = content::RenderCollision(content::CaveScene());
    const content::Image blownUp = content::RenderCollision(content::BlownUpCaveScene());
    EXPECT_EQ(cave.pixels, blownUp.pixels);
    EXPECT_EQ(content::BlownUpCaveScene().collisionPath, content::CaveScene().collisionPath);
    EXPECT_EQ(content::BlownUpCaveScene().overlayPath, content::CaveScene().overlayPath);
}

TEST(SceneFiles, ScenesAreBigEnoughForTheirPositions)
{
    for (const content::SceneDescription& scene : content::AllScenes())
    {
        EXPECT_GE(scene.width, 1024) << scene.name;
        EXPECT_GE(scene.height, 768) << scene.name;
        EXPECT_EQ(scene.width % 16, 0) << scene.name;
        EXPECT_EQ(scene.height % 16, 0) << scene.name;
        const WalkMap& map = MapOf(scene.id);
        EXPECT_EQ(map.SceneWidth(), scene.width) << scene.name;
        EXPECT_EQ(map.SceneHeight(), scene.height) << scene.name;
    }
    EXPECT_EQ(content::CrashSiteScene().width, 2048);
    EXPECT_GE(content::VillageScene().height, 2048);
    EXPECT_GE(content::VolcanoScene().height, 1024);
}
}  // namespace
