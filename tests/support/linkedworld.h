#pragma once
// The seven scenes on stand-in pictures, their transfer zones created and linked by the game's
// level switch, and a heroine to walk into them.
#include <ostream>
#include <vector>

#include "levelswitch.h"
#include "worldfixtures.h"

// Positions in failure messages as (x, y).
inline void PrintTo(const Vector2<float>& aPoint, std::ostream* aOut)
{
    *aOut << "(" << aPoint.x << ", " << aPoint.y << ")";
}

namespace worldfixtures
{
class LinkedWorldTest : public WorldTest
{
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        WritePictures();
        for (LevelBaseData* level : Levels())
        {
            level->Init(Engine());
        }
        mySwitch.CreateTransferZones();
        myPlayer.Init(Engine(), Vector2<float>(512, 384), myCamera);
        myCurtain.Init(Engine());
    }

    // Pictures a test needs instead of the stand-ins, before the scenes load.
    virtual void WritePictures() {}

    // In the order of geometry::SceneId.
    std::vector<LevelBaseData*> Levels()
    {
        return {&myCrashSite,   &myDeepJungle, &myTimeMachine, &myCave,
                &myBlownUpCave, &myVillage,    &myVolcano};
    }

    // Puts the heroine's feet (her position + (32, 100)) on aFeet in aLevel and runs one play
    // frame's level update and level switch; the scene current afterwards.
    LevelBaseData* WalkInto(LevelBaseData& aLevel, const Vector2<float>& aFeet)
    {
        myPlayer.SetWorldPosition(aFeet - Vector2<float>(32, 100));
        aLevel.UpdateLevel(myPlayer, myCamera, 16.0f, myInventory);
        return mySwitch.Run(aLevel, myPlayer, myCamera, myCurtain);
    }

    JungleCrashSite myCrashSite;
    DeepJungle myDeepJungle;
    TimeMachine myTimeMachine;
    Cave myCave;
    BlownUpCave myBlownUpCave;
    Village myVillage;
    Vulcano myVolcano;
    LevelSwitch mySwitch{myCrashSite,   myDeepJungle, myTimeMachine, myCave,
                         myBlownUpCave, myVillage,    myVolcano};
    Player myPlayer;
    Camera myCamera;
    Curtain myCurtain;
    Inventory myInventory;
};
}  // namespace worldfixtures
