#include "timemachine.h"

#include "engineparts.h"
#include "soundmanager.h"
#include "storypictures.h"

namespace
{
// Where the woken heroine stands; the trip home starts from here on (down and right of it).
const Vector2<float> ourWakingPlace(310.0f, 770.0f);
constexpr float ourWakeUpMs = 1500.0f;
constexpr float ourWokenDelayMs = 3000.0f;
}  // namespace

void TimeMachine::Init(HGE* aHGE)
{
    LoadScene(aHGE, "img/Levels/scene_timemachine.dds", "img/Levels/scene_timemachine_overlay.dds",
              "img/Levels/collision_timemachine.bmp");
    mySpot = interactables::EngineSpot(aHGE);
    const char* const parts[] = {"belt", "crystal", "magnet", "gold"};
    for (size_t slot = 0; slot < myFittedParts.size(); ++slot)
    {
        myFittedParts[slot] =
            StaticSprite(aHGE, std::string("img/Levels/engine_part_") + parts[slot] + ".dds");
    }
    myParts.reset();
    myAllPartsIn = false;
    PlaceItem("fainted ester", Vector2<float>(280.0f, 770.0f));
    PlaceItem("engine belt", Vector2<float>(150.0f, 300.0f));
    myMusicName = "Machine";
    CreateConversations();
}

void TimeMachine::CreateConversations()
{
    LoadConversations("dialogue/timemachine.txt",
                      {"wake ester", "ester woken", "belt found", "engine examined",
                       "maching fixed", "home trip", "crystal fitted", "gold fitted",
                       "magnet fitted", "belt fitted", "nothing to fit", "Roderick is off"});
}

void TimeMachine::UpdateScript(float aElapsed, Player& aPlayer, Inventory& aInventory)
{
    myLevelTime += aElapsed;
    if (myLevelTime >= ourWakeUpMs)
    {
        RequestUnlessPlayed("wake ester");
    }
    if (IsPlayed("wake ester"))
    {
        const Vector2<float> heroine = aPlayer.GetWorldPosition();
        // Still parked out of sight: she wakes up here, once.
        if (heroine.x > 1000.0f && heroine.y > 1000.0f)
        {
            size_t fainted = 0;
            if (FindItem("fainted ester", fainted))
            {
                myItems.erase(myItems.begin() + static_cast<std::ptrdiff_t>(fainted));
            }
            aPlayer.SetWorldPosition(ourWakingPlace);
            myWakeTime = myLevelTime + ourWokenDelayMs;
        }
        if (!IsPlayed("ester woken") && myLevelTime >= myWakeTime)
        {
            myRequestedConversation = "ester woken";
        }
    }
    if (aInventory.HasItem("engine belt"))
    {
        RequestUnlessPlayed("belt found");
    }
    // Once the last part's own remark has been read.
    if (myAllPartsIn && myRequestedConversation.empty())
    {
        RequestUnlessPlayed("maching fixed");
    }
    const Vector2<float> heroine = aPlayer.GetWorldPosition();
    if (IsPlayed("maching fixed") && heroine.x >= ourWakingPlace.x && heroine.y >= ourWakingPlace.y)
    {
        myRequestedConversation = "home trip";
    }
    if (IsPlayed("home trip"))
    {
        myCutsceneRequested = true;
    }
}

void TimeMachine::HandleInput(InputWrapper& /*aInput*/, float /*aElapsed*/, Inventory& aInventory)
{
    if (!PressFree() || !mySpot.IsInRange())
    {
        return;
    }
    mySpot.SetUsed();
    // The first press looks the engine over; every later one fits one part, or says there is
    // nothing to fit.
    if (!IsPlayed("engine examined"))
    {
        myRequestedConversation = "engine examined";
        return;
    }
    for (const EnginePart& part : ourEngineParts)
    {
        if (!myParts.test(part.slot) && aInventory.RemoveItem(part.itemName))
        {
            SoundManager::PlayEffect(geometry::SoundEffect::EngineTakesPart);
            myParts.set(part.slot);
            myAllPartsIn = myParts.all();
            myRequestedConversation = part.fittedRemark;
            return;
        }
    }
    myRequestedConversation = "nothing to fit";
}

float TimeMachine::UseDistance(const Vector2<float>& aHeroine) const
{
    return ReachDistance(mySpot.Reaches(aHeroine), mySpot.GetWorldPosition(), aHeroine);
}

void TimeMachine::SetState(const State& aState)
{
    myParts = aState.parts;
    myAllPartsIn = aState.allPartsIn;
    myWakeTime = aState.wakeTime;
    mySpot.SetUsed(aState.engineUsed);
}

void TimeMachine::Update(Player& aPlayer, Camera& aCamera, float aElapsed)
{
    myRobot.Follow(aPlayer.GetWorldPosition(), aElapsed);
    myRobot.Update(aElapsed, aCamera, aPlayer.GetWorldPosition());
    mySpot.Update(aCamera, aPlayer.GetWorldPosition());
}

void TimeMachine::RenderObjects(RenderData& aBuffer, const Camera& aCamera)
{
    myRobot.Submit(aBuffer);
    mySpot.Submit(aBuffer);
    namespace engine = geometry;
    for (size_t slot = 0; slot < myFittedParts.size(); ++slot)
    {
        if (myParts.test(slot))
        {
            SubmitInScene(aBuffer, myFittedParts[slot],
                          engine::SocketLeft(engine::ourSocketOfSlot[slot], engine::ourEngineX,
                                             engine::ourEngineScale),
                          engine::SocketTop(engine::ourEngineY, engine::ourEngineScale), aCamera);
        }
    }
}

void TimeMachine::RenderPrompts(RenderData& aBuffer) const
{
    LevelBaseData::RenderPrompts(aBuffer);
    mySpot.SubmitPrompt(aBuffer);
}
