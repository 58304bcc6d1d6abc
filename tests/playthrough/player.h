#pragma once
// A player made of code: it plays the whole story through the same keys and mouse a person
// uses, frame by frame. Each logic frame it looks at the game (never changing it), reads every
// conversation through with Return, and otherwise works on the next step of its route: walking
// with W A S D along a path found on the scene's collision map, pressing E, opening the
// inventory with I and dragging items into the slots with the mouse.
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "game.h"
#include "inputsource.h"
#include "walkmap.h"

class Playthrough;

// One step of the route: advanced once per frame until it says it is done.
struct RouteStep
{
    std::string label;
    std::function<bool(Playthrough&)> advance;
    int frameBudget = 60000;
};

// The steps to take next, asked for whenever the last ones are done; none: the play is over.
using RoutePlan = std::function<std::vector<RouteStep>(Playthrough&)>;

class Playthrough : public FrameObserver
{
public:
    // Plays the steps aPlan gives with the keys and mouse of aInput; a milestone step calls
    // aMilestone.
    Playthrough(platform::InputSource& aInput, RoutePlan aPlan,
                std::function<void(const std::string&)> aMilestone);

    void OnLogicFrame(const Game& aGame, RenderData& aBuffer, float aUpdateMs) override;
    // Conversations that make a milestone of their own, on their first line.
    void Photograph(std::set<std::string> aConversations) { myPhotos = std::move(aConversations); }

    // Main thread: the route is over, played to its end or given up.
    bool IsOver() const { return myOver.load(); }
    // Why the route was given up; "" when it was played to its end.
    const std::string& GetProblem() const { return myProblem; }
    // "Scene: conversation" for every conversation that was shown.
    const std::set<std::string>& GetShownConversations() const { return myShown; }
    // How many times a conversation of that name has been shown, in any scene.
    int ShownCount(const std::string& aConversation) const
    {
        const auto found = myShownCounts.find(aConversation);
        return found == myShownCounts.end() ? 0 : found->second;
    }
    // The most items carried at once.
    size_t GetMostCarried() const { return myMostCarried; }

    // For the steps. The game as it was after this frame's state flow.
    const Game& GetGame() const { return *myGame; }
    std::string Scene() const { return myGame->GetCurrentSceneName(); }
    V Heroine() const { return myGame->GetPlayer().GetWorldPosition(); }
    bool Holds(const std::string& aName) const { return myGame->GetInventory().HasItem(aName); }
    // Whether the conversation of that name has played, in whichever scene it belongs to.
    bool Played(const std::string& aConversation) const;
    // Walks towards a position where aGoal holds; true once she stands there.
    bool WalkTo(const std::string& aWhat, const std::function<bool(const V&)>& aGoal);
    // Whether she could walk from where she stands to where aGoal holds.
    bool CanWalkTo(const std::function<bool(const V&)>& aGoal) const;
    // What the steps being taken are for, for the report of a failure.
    void SetTask(const std::string& aTask) { myTask = aTask; }
    // Input in the frames to come, one action a frame; a step waits until they have been done.
    void Tap(uint8_t aKey);
    void ClickAt(const V& aScreen);
    bool IsBusy() const { return !myActions.empty(); }
    // Gives the route up with a message for the test's report.
    void Fail(const std::string& aProblem);
    void Milestone(const std::string& aName) { myMilestone(aName); }

private:
    void Hold(uint8_t aKey);
    void ReleaseWalking();
    // Reads the conversation being shown; false while it waits for a photograph.
    void Read(const LevelBaseData& aLevel);
    void Finish(const std::string& aProblem);

    // Where she is and what she carries, for the report of a failure.
    std::string Situation() const;

    platform::InputSource& myInput;
    RoutePlan myPlan;
    std::vector<RouteStep> myRoute;
    std::string myTask;
    std::string myReading;
    std::map<std::string, int> myShownCounts;
    std::function<void(const std::string&)> myMilestone;
    const Game* myGame = nullptr;
    size_t myStep = 0;
    int myStepFrames = 0;
    uint64_t myFrame = 0;
    std::vector<std::function<void()>> myActions;
    uint8_t myHeld = 0;
    // The way being walked, and how she is getting on along it.
    std::vector<V> myWay;
    size_t myWaypoint = 0;
    std::string myWayScene;
    V myLastPosition;
    int myStuckFrames = 0;
    int myReplans = 0;
    std::set<std::string> myShown;
    std::set<std::string> myPhotos;
    int myFramesOnFirstLine = -1;
    size_t myMostCarried = 0;
    std::string myProblem;
    std::atomic<bool> myOver{false};
};
