#include "levelswitch.h"

#include "heroineframe.h"
#include "soundmanager.h"
#include "transferzones.h"

namespace
{
// 255 steps reach opaque; the switch uses a round 300.
constexpr int ourCloseSteps = 300;

template <typename Zone>
void Link(Zone& aOne, Zone& aOther)
{
    aOne.SetLink(&aOther);
    aOther.SetLink(&aOne);
}
}  // namespace

LevelSwitch::LevelSwitch(JungleCrashSite& aCrashSite, DeepJungle& aDeepJungle,
                         TimeMachine& aTimeMachine, Cave& aCave, BlownUpCave& aBlownUpCave,
                         Village& aVillage, Vulcano& aVolcano)
    : myCrashSite(aCrashSite),
      myDeepJungle(aDeepJungle),
      myTimeMachine(aTimeMachine),
      myCave(aCave),
      myBlownUpCave(aBlownUpCave),
      myVillage(aVillage),
      myVolcano(aVolcano)
{
}

void LevelSwitch::CreateTransferZones()
{
    using geometry::ZoneKind;
    using V = Vector2<float>;
    // In the order of geometry::SceneId.
    LevelBaseData* const scenes[] = {&myCrashSite,   &myDeepJungle, &myTimeMachine, &myCave,
                                     &myBlownUpCave, &myVillage,    &myVolcano};
    static_assert(sizeof(scenes) / sizeof(scenes[0]) == geometry::ourSceneCount,
                  "one level per scene");
    constexpr size_t count = geometry::ourTransferZoneCount;
    HotSpot* vertical[count] = {};
    VerticalHotSpot* horizontal[count] = {};
    for (size_t i = 0; i < count; ++i)
    {
        const geometry::TransferZone& zone = geometry::ourTransferZones[i];
        LevelBaseData& scene = *scenes[static_cast<size_t>(zone.scene)];
        const V at(zone.box.left, zone.box.top);
        const float width = zone.box.width;
        const float height = zone.box.height;
        switch (zone.kind)
        {
            case ZoneKind::Vertical:
                vertical[i] = &scene.AddVerticalZone(HotSpot(at, width, height, zone.name));
                break;
            case ZoneKind::Horizontal:
                horizontal[i] =
                    &scene.AddHorizontalZone(VerticalHotSpot(at, width, height, zone.name));
                break;
            case ZoneKind::Cave:
                scene.AddCaveZone(RandomHotSpot(at, width, height, zone.name));
                break;
        }
    }
    // The table's links are mutual: each pair once, from its first zone.
    for (size_t i = 0; i < count; ++i)
    {
        const int link = geometry::ourTransferZones[i].link;
        if (link <= static_cast<int>(i))
        {
            continue;
        }
        const size_t partner = static_cast<size_t>(link);
        if (vertical[i] != nullptr)
        {
            Link(*vertical[i], *vertical[partner]);
        }
        else
        {
            Link(*horizontal[i], *horizontal[partner]);
        }
    }
}

LevelBaseData* LevelSwitch::Run(LevelBaseData& aCurrent, Player& aPlayer, Camera& aCamera,
                                Curtain& aCurtain)
{
    if (!aCurrent.IsTransferRequested())
    {
        return &aCurrent;
    }
    for (int i = 0; i < ourCloseSteps; ++i)
    {
        aCurtain.Close();
    }
    SoundManager::PlayEffect(geometry::SoundEffect::Curtain);
    const int32_t target = aCurrent.TakeTransferTarget();
    LevelBaseData& next = Switch(target, aCurrent, aPlayer);
    // The view was clamped to the scene she left; the scene she arrives in has its own size.
    aCamera.Focus(aPlayer.GetWorldPosition());
    aCamera.Clamp(next.GetMapWidth(), next.GetMapHeight());
    aCurtain.Open();
    return &next;
}

LevelBaseData& LevelSwitch::Switch(int32_t aTarget, LevelBaseData& aCurrent, Player& aPlayer)
{
    using V = Vector2<float>;
    switch (aTarget)
    {
        case TRANSFER_CRASH_SITE:
            // Back from the deep jungle the crash site's own robot stays where it was left.
            KeepInside(myCrashSite, aPlayer);
            return myCrashSite;
        case TRANSFER_DEEP_JUNGLE:
            KeepInside(myDeepJungle, aPlayer);
            myDeepJungle.GetRobot().CopyStateFrom(myCrashSite.GetRobot());
            myDeepJungle.GetRobot().SetWorldPosition(aPlayer.GetWorldPosition() + V(-20, 50));
            return myDeepJungle;
        case TRANSFER_TIME_MACHINE:
            CarryRobot(myCrashSite, myTimeMachine, aPlayer, V(0, -50));
            return myTimeMachine;
        case TRANSFER_CRASH_SITE_FROM_TIME_MACHINE:
            CarryRobot(myTimeMachine, myCrashSite, aPlayer, V(0, 50));
            return myCrashSite;
        case TRANSFER_CAVE:
        {
            LevelBaseData& cave =
                myCave.IsBlownApart() ? static_cast<LevelBaseData&>(myBlownUpCave) : myCave;
            cave.GetRobot().Activate();
            const ZoneRect& entrance = cave.GetCaveZone(0).GetRect();
            aPlayer.SetWorldPosition(V(entrance.left + entrance.width / 2, entrance.top + 30));
            return cave;
        }
        case TRANSFER_DEEP_JUNGLE_FROM_CAVE:
        {
            const ZoneRect& entrance = myDeepJungle.GetCaveZone(0).GetRect();
            aPlayer.SetWorldPosition(V(entrance.right + 50, entrance.top + 50));
            return myDeepJungle;
        }
        case TRANSFER_VILLAGE:
            CarryRobot(myCrashSite, myVillage, aPlayer, V(0, 50));
            return myVillage;
        case TRANSFER_CRASH_SITE_FROM_VILLAGE:
            CarryRobot(myVillage, myCrashSite, aPlayer, V(0, 50));
            return myCrashSite;
        case TRANSFER_VOLCANO:
            CarryRobot(myCrashSite, myVolcano, aPlayer, V(50, 0));
            return myVolcano;
        case TRANSFER_CRASH_SITE_FROM_VOLCANO:
            CarryRobot(myVolcano, myCrashSite, aPlayer, V(-50, 0));
            return myCrashSite;
        default:
            // A code no zone gives: stay.
            return aCurrent;
    }
}

void LevelSwitch::KeepInside(const LevelBaseData& aScene, Player& aPlayer)
{
    const Vector2<float> at = aPlayer.GetWorldPosition();
    const Vector2<float> scene = aScene.GetCollisionExtent();
    aPlayer.SetWorldPosition(Vector2<float>(
        static_cast<float>(geometry::KeepFrameInside(at.x, scene.x, geometry::ourHeroineWidth)),
        static_cast<float>(geometry::KeepFrameInside(at.y, scene.y, geometry::ourHeroineHeight))));
}

void LevelSwitch::CarryRobot(const LevelBaseData& aFrom, LevelBaseData& aTo, Player& aPlayer,
                             const Vector2<float>& aOffset)
{
    KeepInside(aTo, aPlayer);
    if (!aFrom.GetRobot().IsActivated())
    {
        return;
    }
    Robot& robot = aTo.GetRobot();
    robot.CopyStateFrom(aFrom.GetRobot());
    robot.Activate();
    robot.SetWorldPosition(aPlayer.GetWorldPosition() + aOffset);
}
