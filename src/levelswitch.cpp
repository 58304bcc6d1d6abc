#include "levelswitch.h"

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
    using V = Vector2<float>;
    HotSpot& toDeepJungle =
        myCrashSite.AddVerticalZone(HotSpot(V(268, 1000), 522, 30, "DeepJungleTransfer"));
    HotSpot& toCrashSite =
        myDeepJungle.AddVerticalZone(HotSpot(V(644, 0), 297, 36, "JungleCrashTransfer"));
    Link(toDeepJungle, toCrashSite);

    HotSpot& machineExit = myTimeMachine.AddVerticalZone(
        HotSpot(V(91, 900), 98, 20, "JungleCrashTransferFromTimeMachine"));
    HotSpot& machineDoor =
        myCrashSite.AddVerticalZone(HotSpot(V(88, 267), 107, 70, "TimeMachineLevel"));
    Link(machineExit, machineDoor);

    HotSpot& toVillage =
        myCrashSite.AddVerticalZone(HotSpot(V(425, 40), 250, 40, "VillageTransferFromJungleCrash"));
    HotSpot& villageExit =
        myVillage.AddVerticalZone(HotSpot(V(543, 2012), 991, 36, "JungleCrashTransferFromVillage"));
    Link(toVillage, villageExit);

    VerticalHotSpot& toVolcano = myCrashSite.AddHorizontalZone(
        VerticalHotSpot(V(1962, 257), 86, 393, "VolcanoTransferFromJungleCrash"));
    VerticalHotSpot& volcanoExit = myVolcano.AddHorizontalZone(
        VerticalHotSpot(V(0, 442), 25, 582, "JungleCrashTransferFromVolcano"));
    Link(toVolcano, volcanoExit);

    myDeepJungle.AddCaveZone(RandomHotSpot(V(66, 130), 71, 96, "CaveFromDeepJungle"));
    myCave.AddCaveZone(RandomHotSpot(V(313, 75), 57, 22, "DeepJungleFromCave"));
    myBlownUpCave.AddCaveZone(RandomHotSpot(V(313, 75), 57, 22, "DeepJungleFromBlownUpCave"));
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
            return myCrashSite;
        case TRANSFER_DEEP_JUNGLE:
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

void LevelSwitch::CarryRobot(const LevelBaseData& aFrom, LevelBaseData& aTo, const Player& aPlayer,
                             const Vector2<float>& aOffset)
{
    if (!aFrom.GetRobot().IsActivated())
    {
        return;
    }
    Robot& robot = aTo.GetRobot();
    robot.CopyStateFrom(aFrom.GetRobot());
    robot.Activate();
    robot.SetWorldPosition(aPlayer.GetWorldPosition() + aOffset);
}
