// The game's level switch and the scene layouts agree on every way between the scenes: walking
// the game's heroine into each transfer zone from the side its scene lets her reach lands her
// exactly where the layouts expect her to arrive, and where the layout tests walk from.
#include <gtest/gtest.h>

#include <string>

#include "linkedworld.h"
#include "scenes/scenestory.h"

namespace
{
using content::Approach;
using V = Vector2<float>;

// A feet point on the zone's edge on the side she walks in from, and the point one pixel before
// it, still outside.
struct Entry
{
    V inside;
    V before;
};

Entry EntryOf(const content::Zone& aZone)
{
    const content::ZoneRect& r = aZone.rect;
    const float middleX = static_cast<float>(r.left + r.width / 2);
    const float middleY = static_cast<float>(r.top + r.height / 2);
    const float left = static_cast<float>(r.left);
    const float top = static_cast<float>(r.top);
    const float right = static_cast<float>(r.Right());
    const float bottom = static_cast<float>(r.Bottom());
    switch (aZone.approach)
    {
        case Approach::FromAbove:
            return {V(middleX, top), V(middleX, top - 1)};
        case Approach::FromBelow:
            return {V(middleX, bottom), V(middleX, bottom + 1)};
        case Approach::FromLeft:
            return {V(left, middleY), V(left - 1, middleY)};
        case Approach::FromRight:
        case Approach::AnySide:  // cave zones: any edge will do
            return {V(right, middleY), V(right + 1, middleY)};
    }
    return {};
}

class GameTransfers : public worldfixtures::LinkedWorldTest
{
protected:
    LevelBaseData& LevelOf(content::SceneId aScene)
    {
        return *Levels()[static_cast<size_t>(aScene)];
    }

    // The layouts' arrival in aScene with aLabel, as a heroine position.
    static V ArrivalIn(content::SceneId aScene, const std::string& aLabel)
    {
        for (const content::Arrival& arrival : content::ComputeArrivals())
        {
            if (arrival.scene == aScene && arrival.label == aLabel)
            {
                return V(static_cast<float>(arrival.position.x),
                         static_cast<float>(arrival.position.y));
            }
        }
        ADD_FAILURE() << "the layouts have no arrival \"" << aLabel << "\" in "
                      << content::SceneName(aScene);
        return V();
    }

    static const content::Zone& ZoneNamed(const std::string& aName)
    {
        for (const content::Zone& zone : content::ZoneTable())
        {
            if (zone.name == aName)
            {
                return zone;
            }
        }
        throw std::runtime_error("no zone " + aName);
    }
};

TEST_F(GameTransfers, EveryLinkedZoneLandsHerOnTheLayoutsArrival)
{
    myCrashSite.GetRobot().Activate();
    const std::vector<content::Zone>& zones = content::ZoneTable();
    for (const content::Zone& zone : zones)
    {
        if (zone.link < 0)
        {
            continue;
        }
        const content::Zone& partner = zones[static_cast<size_t>(zone.link)];
        LevelBaseData& from = LevelOf(zone.scene);
        const Entry entry = EntryOf(zone);

        EXPECT_EQ(&from, WalkInto(from, entry.before)) << zone.name << " reaches too far out";
        EXPECT_EQ(&LevelOf(partner.scene), WalkInto(from, entry.inside)) << zone.name;
        EXPECT_EQ(ArrivalIn(partner.scene, std::string("from ") + content::SceneName(zone.scene)),
                  myPlayer.GetWorldPosition())
            << zone.name;
    }
}

TEST_F(GameTransfers, CaveEntrancesLandHerOnTheLayoutsArrivals)
{
    const content::Zone& entrance = ZoneNamed("CaveFromDeepJungle");
    EXPECT_EQ(&myDeepJungle, WalkInto(myDeepJungle, EntryOf(entrance).before));
    EXPECT_EQ(&myCave, WalkInto(myDeepJungle, EntryOf(entrance).inside));
    EXPECT_EQ(ArrivalIn(content::SceneId::Cave, "from deep jungle"), myPlayer.GetWorldPosition());

    const content::Zone& caveExit = ZoneNamed("DeepJungleFromCave");
    EXPECT_EQ(&myCave, WalkInto(myCave, EntryOf(caveExit).before));
    EXPECT_EQ(&myDeepJungle, WalkInto(myCave, EntryOf(caveExit).inside));
    EXPECT_EQ(ArrivalIn(content::SceneId::DeepJungle, "from cave"), myPlayer.GetWorldPosition());

    myCave.BlowApart();
    EXPECT_EQ(&myBlownUpCave, WalkInto(myDeepJungle, EntryOf(entrance).inside));
    EXPECT_EQ(ArrivalIn(content::SceneId::BlownUpCave, "from deep jungle"),
              myPlayer.GetWorldPosition());
    const content::Zone& blownUpExit = ZoneNamed("DeepJungleFromBlownUpCave");
    EXPECT_EQ(&myDeepJungle, WalkInto(myBlownUpCave, EntryOf(blownUpExit).inside));
    EXPECT_EQ(ArrivalIn(content::SceneId::DeepJungle, "from cave"), myPlayer.GetWorldPosition());
}

TEST_F(GameTransfers, RefusedCrashSiteExitsPutHerOnTheLayoutsSpots)
{
    // The robot is still off: these two exits push her back instead.
    const struct
    {
        const char* zone;
        const char* spot;
    } refusals[] = {
        {"DeepJungleTransfer", "refused south"},
        {"VillageTransferFromJungleCrash", "refused north"},
    };
    for (const auto& refusal : refusals)
    {
        EXPECT_EQ(&myCrashSite, WalkInto(myCrashSite, EntryOf(ZoneNamed(refusal.zone)).inside))
            << refusal.zone;
        EXPECT_EQ(ArrivalIn(content::SceneId::CrashSite, refusal.spot), myPlayer.GetWorldPosition())
            << refusal.zone;
    }
}
}  // namespace
