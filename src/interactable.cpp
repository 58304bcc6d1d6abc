#include "interactable.h"

#include "bounds.h"
#include "eventsingelton.h"

namespace
{
const char* const ourPromptPicture = "img/icon/icon_e.dds";
const Vector2<float> ourPromptOffset(30.0f, -60.0f);
constexpr float ourTalkingReach = 130.0f;
}  // namespace

Interactable::Interactable(HGE* aHGE, const std::string& aPicture, const Vector2<float>& aPosition,
                           const Reach& aReach, PromptRule aPrompt)
    : myPresent(true),
      myPicture(aHGE, aPicture),
      myPrompt(aHGE, ourPromptPicture),
      myWorldPosition(aPosition),
      myReach(aReach),
      myPromptRule(aPrompt)
{
}

void Interactable::Update(const Camera& aCamera, const Vector2<float>& aHeroine)
{
    myScreenPosition = myWorldPosition - aCamera.GetPosition();
    myInRange = Reaches(aHeroine);
}

bool Interactable::Reaches(const Vector2<float>& aHeroine) const
{
    return myPresent &&
           StrictlyInside(myWorldPosition - Vector2<float>(myReach.left, myReach.up),
                          myWorldPosition + Vector2<float>(myReach.right, myReach.down), aHeroine);
}

void Interactable::Submit(RenderData& aBuffer) const
{
    if (!myPresent)
    {
        return;
    }
    aBuffer.SubmitSprite(myPicture, myScreenPosition);
}

void Interactable::SubmitPrompt(RenderData& aBuffer) const
{
    const bool allowed =
        myPromptRule == PromptRule::InRange || PostMaster::GetInstance()->robotActivated;
    if (myPresent && myInRange && allowed)
    {
        aBuffer.SubmitSprite(myPrompt, myScreenPosition + ourPromptOffset);
    }
}

namespace interactables
{
Interactable VillageWoman(HGE* aHGE)
{
    return Interactable(aHGE, "img/NPCs/sprite_Woman.dds", Vector2<float>(690.0f, 630.0f),
                        Reach::Box(ourTalkingReach));
}

Interactable VillageBoy(HGE* aHGE)
{
    return Interactable(aHGE, "img/NPCs/sprite_village_child.dds", Vector2<float>(142.0f, 791.0f),
                        Reach::Box(ourTalkingReach));
}

Interactable VillageNative(HGE* aHGE)
{
    return Interactable(aHGE, "img/NPCs/sprite_native_npc_standing.dds",
                        Vector2<float>(1829.0f, 962.0f), Reach::Box(ourTalkingReach));
}

Interactable RaftTree(HGE* aHGE)
{
    return Interactable(aHGE, "img/items/icon_raft_tree.dds", Vector2<float>(653.0f, 170.0f),
                        Reach::Box(ourTalkingReach), PromptRule::InRangeOnceRobotIsOn);
}

Interactable MagneticStone(HGE* aHGE)
{
    // Standing at the wall beside it, her frame's top lies well above the stone's.
    return Interactable(aHGE, "img/items/sprite_magnetic_stone.dds", Vector2<float>(0.0f, 352.0f),
                        Reach{50.0f, 90.0f, 130.0f, 60.0f});
}

Interactable EngineSpot(HGE* aHGE)
{
    return Interactable(aHGE, "img/empty.dds", Vector2<float>(131.0f, 223.0f),
                        Reach{130.0f, 45.0f, 130.0f, 50.0f});
}
}  // namespace interactables
