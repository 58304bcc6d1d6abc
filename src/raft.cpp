#include "raft.h"

namespace
{
// A heroine left of this line crosses to the east bank, anyone else to the west.
constexpr float ourRiverLine = 1097.0f;

struct Bank
{
    Vector2<float> heroine;
    Vector2<float> raft;
    float robotOffset;  // the robot lands beside her, on the side she came from
};

const Bank ourEastBank{Vector2<float>(1440.0f, 488.0f), Vector2<float>(1331.0f, 543.0f), 50.0f};
const Bank ourWestBank{Vector2<float>(721.0f, 400.0f), Vector2<float>(831.0f, 468.0f), -50.0f};
}  // namespace

Raft::Raft(HGE* aHGE, const Vector2<float>& aPosition)
    : myBody(aHGE, "img/items/icon_raft.dds", aPosition, Reach::Box(130.0f))
{
}

void Raft::Use()
{
    // A raft not yet built cannot be readied: presses before it exists would otherwise keep it
    // from ever showing.
    if (!myShown)
    {
        return;
    }
    if (myBody.IsInRange())
    {
        myActive = true;
    }
    else
    {
        ToggleActive();
    }
}

Vector2<float> Raft::Update(const Camera& aCamera, Vector2<float>& aHeroine, Vector2<float>& aRobot)
{
    myBody.Update(aCamera, aHeroine);
    if (!myBody.IsInRange())
    {
        myActive = false;
    }
    if (!myActive)
    {
        return Vector2<float>();
    }
    const Bank& bank = aHeroine.x < ourRiverLine ? ourEastBank : ourWestBank;
    myActive = false;
    aHeroine = bank.heroine;
    myBody.SetWorldPosition(bank.raft);
    aRobot = Vector2<float>(aHeroine.x + bank.robotOffset, aHeroine.y);
    return aHeroine;
}

void Raft::SetState(const State& aState)
{
    myShown = aState.shown;
    myActive = aState.active;
    myBody.SetWorldPosition(aState.position);
}

void Raft::Submit(RenderData& aBuffer) const
{
    if (myShown)
    {
        myBody.Submit(aBuffer);
    }
}

void Raft::SubmitPrompt(RenderData& aBuffer) const
{
    if (myShown)
    {
        myBody.SubmitPrompt(aBuffer);
    }
}
