#pragma once
// The ways between the seven scenes: the transfer zones with their links, created once, and
// the switch that runs at the end of every play frame, carrying the heroine and the robot
// into the scene a zone leads to.
#include "blownupcave.h"
#include "camera.h"
#include "cave.h"
#include "curtain.h"
#include "deepjungle.h"
#include "junglecrashsite.h"
#include "player.h"
#include "timemachine.h"
#include "village.h"
#include "vulcano.h"

class LevelSwitch
{
public:
    LevelSwitch(JungleCrashSite& aCrashSite, DeepJungle& aDeepJungle, TimeMachine& aTimeMachine,
                Cave& aCave, BlownUpCave& aBlownUpCave, Village& aVillage, Vulcano& aVolcano);
    LevelSwitch(const LevelSwitch&) = delete;
    LevelSwitch& operator=(const LevelSwitch&) = delete;

    // Creates every scene's zones and links each pair both ways; once, after the scenes' Init.
    void CreateTransferZones();
    // Nothing unless aCurrent asked for a transfer. Otherwise blacks the screen out, consumes
    // the request, carries the robot over where the way allows it, centres the view on the
    // heroine within the new scene, and returns the scene now current.
    LevelBaseData* Run(LevelBaseData& aCurrent, Player& aPlayer, Camera& aCamera,
                       Curtain& aCurtain);

private:
    // However near its edge the zone's rule lands her, all of the heroine is in aScene.
    static void KeepInside(const LevelBaseData& aScene, Player& aPlayer);
    // She arrives in aTo (KeepInside); aFrom's robot, when switched on, is copied into aTo's
    // beside her.
    static void CarryRobot(const LevelBaseData& aFrom, LevelBaseData& aTo, Player& aPlayer,
                           const Vector2<float>& aOffset);
    LevelBaseData& Switch(int32_t aTarget, LevelBaseData& aCurrent, Player& aPlayer);

    JungleCrashSite& myCrashSite;
    DeepJungle& myDeepJungle;
    TimeMachine& myTimeMachine;
    Cave& myCave;
    BlownUpCave& myBlownUpCave;
    Village& myVillage;
    Vulcano& myVolcano;
};
