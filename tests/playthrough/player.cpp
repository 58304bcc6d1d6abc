#include "player.h"

#include "eventsingelton.h"
#include "timemachine.h"

#include <cmath>
#include <sstream>

namespace
{
constexpr uint8_t ourKeyW = 0x11;
constexpr uint8_t ourKeyA = 0x1E;
constexpr uint8_t ourKeyS = 0x1F;
constexpr uint8_t ourKeyD = 0x20;
constexpr uint8_t ourKeyReturn = 0x1C;
// Close enough to a corner of the way: she moves 0.2 px a frame.
constexpr float ourArrived = 0.1f;
constexpr int ourStuckLimit = 30;
constexpr int ourReplanLimit = 20;

std::string Where(const V& aPosition)
{
    std::ostringstream text;
    text << "(" << aPosition.x << ", " << aPosition.y << ")";
    return text.str();
}
}  // namespace

Playthrough::Playthrough(platform::InputSource& aInput, RoutePlan aPlan,
                         std::function<void(const std::string&)> aMilestone)
    : myInput(aInput), myPlan(std::move(aPlan)), myMilestone(std::move(aMilestone))
{
}

bool Playthrough::Played(const std::string& aConversation) const
{
    for (const auto& scene : myGame->Scenes())
    {
        if (scene.second->IsPlayed(aConversation))
        {
            return true;
        }
    }
    return false;
}

void Playthrough::OnLogicFrame(const Game& aGame, RenderData& /*aBuffer*/, float /*aUpdateMs*/)
{
    myGame = &aGame;
    ++myFrame;
    if (myOver.load())
    {
        return;
    }
    myMostCarried = std::max(myMostCarried, aGame.GetInventory().GetItems().size());
    if (!myActions.empty())
    {
        myActions.front()();
        myActions.erase(myActions.begin());
        return;
    }
    const LevelBaseData& level = aGame.GetCurrentLevel();
    if (level.IsConversationRunning())
    {
        ReleaseWalking();
        Read(level);
        return;
    }
    myReading.clear();
    if (aGame.GetCurtain().IsActive())
    {
        ReleaseWalking();
        return;
    }
    if (myStep >= myRoute.size())
    {
        myRoute = myPlan(*this);
        myStep = 0;
        if (myOver.load())
        {
            return;
        }
        if (myRoute.empty())
        {
            Finish("");
            return;
        }
    }
    RouteStep& step = myRoute[myStep];
    if (++myStepFrames > step.frameBudget)
    {
        Fail("gave up after " + std::to_string(step.frameBudget) + " frames");
        return;
    }
    if (step.advance(*this))
    {
        ++myStep;
        myStepFrames = 0;
        myWay.clear();
        myReplans = 0;
        ReleaseWalking();
    }
}

void Playthrough::Read(const LevelBaseData& aLevel)
{
    for (const LevelConversation& conversation : aLevel.GetConversations())
    {
        if (!conversation.IsRunning())
        {
            continue;
        }
        const std::string& name = conversation.GetName();
        if (myPhotos.erase(name) > 0)
        {
            myFramesOnFirstLine = 0;
        }
        // A photographed conversation waits a few frames for its first line to be drawn.
        if (myFramesOnFirstLine >= 0 && ++myFramesOnFirstLine < 5)
        {
            return;
        }
        if (myFramesOnFirstLine == 5)
        {
            myMilestone("\"" + name + "\"");
        }
        myFramesOnFirstLine = -1;
        myShown.insert(Scene() + ": " + name);
        if (myReading != name)
        {
            myReading = name;
            ++myShownCounts[name];
        }
    }
    // Every line is read: Return, let go, and a frame for the box to show the next one.
    Tap(ourKeyReturn);
}

bool Playthrough::WalkTo(const std::string& aWhat, const std::function<bool(const V&)>& aGoal)
{
    const V heroine = Heroine();
    if (aGoal(heroine))
    {
        ReleaseWalking();
        return true;
    }
    // A new scene, a jump (a raft, the stairs, a refused exit) or no progress: plan afresh.
    const bool moved =
        myWaypoint > 0 && myWaypoint < myWay.size() &&
        std::fabs(heroine.x - myLastPosition.x) + std::fabs(heroine.y - myLastPosition.y) > 1.0f;
    myStuckFrames = heroine == myLastPosition && myHeld != 0 ? myStuckFrames + 1 : 0;
    myLastPosition = heroine;
    if (myWay.empty() || myWayScene != Scene() || moved || myStuckFrames > ourStuckLimit)
    {
        if (++myReplans > ourReplanLimit)
        {
            Fail("cannot get on towards " + aWhat + " from " + Where(heroine));
            return false;
        }
        const LevelBaseData& level = myGame->GetCurrentLevel();
        const AnimationBase& frame = myGame->GetPlayer().GetAnimation();
        const WalkMap map(level.GetCollisionMap(), frame.GetWidth(), frame.GetHeight());
        // Her feet must not wander into a way out on the way there.
        const std::vector<ZoneRect> zones = level.GetZoneRects();
        const float feetX = frame.GetWidth() / 2.0f;
        const auto avoid = [&](const V& aPosition)
        {
            if (aGoal(aPosition))
            {
                return false;
            }
            for (const ZoneRect& zone : zones)
            {
                if (zone.Encloses(V(aPosition.x + feetX, aPosition.y + 100.0f)))
                {
                    return true;
                }
            }
            return false;
        };
        myWay = map.FindWay(heroine, aGoal, avoid);
        if (myWay.empty())
        {
            Fail("no way to " + aWhat + " from " + Where(heroine) + " in " + Scene());
            return false;
        }
        myWayScene = Scene();
        myWaypoint = 1;
        myStuckFrames = 0;
    }
    while (myWaypoint < myWay.size())
    {
        const V left = myWay[myWaypoint] - heroine;
        if (std::fabs(left.x) > ourArrived)
        {
            Hold(left.x > 0 ? ourKeyD : ourKeyA);
            return false;
        }
        if (std::fabs(left.y) > ourArrived)
        {
            Hold(left.y > 0 ? ourKeyS : ourKeyW);
            return false;
        }
        ++myWaypoint;
    }
    // At the end of the way but the goal does not hold (rounding): plan again from here.
    myWay.clear();
    return false;
}

void Playthrough::Hold(uint8_t aKey)
{
    if (myHeld != aKey)
    {
        ReleaseWalking();
        myInput.SetKey(aKey, true);
        myHeld = aKey;
    }
}

void Playthrough::ReleaseWalking()
{
    if (myHeld != 0)
    {
        myInput.SetKey(myHeld, false);
        myHeld = 0;
    }
}

void Playthrough::Tap(uint8_t aKey)
{
    myActions.push_back([this, aKey] { myInput.SetKey(aKey, true); });
    myActions.push_back([this, aKey] { myInput.SetKey(aKey, false); });
    myActions.push_back([] {});
}

void Playthrough::ClickAt(const V& aScreen)
{
    myActions.push_back(
        [this, aScreen]
        {
            const V cursor = myGame->GetCursor().GetPosition();
            myInput.AddMotion(static_cast<int>(aScreen.x - cursor.x),
                              static_cast<int>(aScreen.y - cursor.y));
        });
    myActions.push_back([this] { myInput.SetButton(0, true); });
    myActions.push_back([this] { myInput.SetButton(0, false); });
    myActions.push_back([] {});
}

void Playthrough::Fail(const std::string& aProblem)
{
    const std::string step = myStep < myRoute.size() ? myRoute[myStep].label : "choosing";
    Finish("while \"" + myTask + "\", at the step " + step + ": " + aProblem + "\n" + Situation());
}

std::string Playthrough::Situation() const
{
    std::ostringstream text;
    text << "  scene " << Scene() << ", heroine at " << Where(Heroine()) << "\n  inventory:";
    for (const Item& item : myGame->GetInventory().GetItems())
    {
        text << " \"" << item.GetName() << "\"";
    }
    const PostMaster& flags = *PostMaster::GetInstance();
    text << "\n  flags: robotActivated " << flags.robotActivated << ", raftMade " << flags.raftMade
         << ", inventoryOpen " << flags.inventoryOpen << ", notepadOpen " << flags.notepadOpen
         << ", conversationRunning " << flags.conversationRunning << "\n  engine parts fitted: ";
    for (const auto& [name, scene] : myGame->Scenes())
    {
        if (const auto* machine = dynamic_cast<const TimeMachine*>(scene))
        {
            text << machine->GetInstalledParts().count() << " of 4";
        }
    }
    return text.str();
}

bool Playthrough::CanWalkTo(const std::function<bool(const V&)>& aGoal) const
{
    const AnimationBase& frame = myGame->GetPlayer().GetAnimation();
    const WalkMap map(myGame->GetCurrentLevel().GetCollisionMap(), frame.GetWidth(),
                      frame.GetHeight());
    return !map.FindWay(
                   Heroine(), aGoal, [](const V&) { return false; }, 8.0f)
                .empty();
}

void Playthrough::Finish(const std::string& aProblem)
{
    ReleaseWalking();
    myProblem = aProblem;
    myOver.store(true);
}
