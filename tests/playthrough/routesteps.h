#pragma once
// The steps a planned order is made of: walking somewhere or through a way out, pressing keys,
// waiting for a conversation to be shown, combining items in the inventory, milestones.
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "player.h"

using Goal = std::function<bool(const Playthrough&, const V&)>;
using Check = std::function<bool(const Playthrough&)>;

constexpr uint8_t ourKeyE = 0x12;
constexpr uint8_t ourKeyI = 0x17;
constexpr uint8_t ourKeyN = 0x31;
constexpr uint8_t ourKeyReturn = 0x1C;
// A conversation a step must bring shows within this many frames of it being looked for.
constexpr int ourExpectFrames = 8000;

// The scene called aName (a class name) of the game played.
template <typename Scene>
const Scene& SceneOf(const Playthrough& aPlay, const char* aName)
{
    for (const auto& [name, scene] : aPlay.GetGame().Scenes())
    {
        if (std::string(name) == aName)
        {
            return dynamic_cast<const Scene&>(*scene);
        }
    }
    return dynamic_cast<const Scene&>(aPlay.GetGame().GetCurrentLevel());
}

// Where a press takes the item aName of the scene (and nothing else).
Goal AtItem(const std::string& aName);
// Where aGoal holds and a press goes to the scene's own thing, not to an item.
Goal Pressing(const Goal& aGoal);
// Her feet in the scene's way out named aZone.
Goal InZone(const std::string& aZone);

// Builds steps onto a list, and the conversations they must bring onto a set.
class Route
{
public:
    Route(std::vector<RouteStep>& aSteps, std::set<std::string>& aExpected,
          const Playthrough& aPlay)
        : mySteps(aSteps), myExpected(aExpected), myPlay(aPlay)
    {
    }

    // Walks to where aGoal holds; with aUntil, walks on towards it until aUntil holds (a way
    // out moves her on in the frame she steps into it).
    Route& Walk(const std::string& aWhat, Goal aGoal, const Check& aUntil = nullptr)
    {
        return Add("walk to " + aWhat,
                   [aWhat, aGoal, aUntil](Playthrough& aPlay)
                   {
                       if (aUntil && aUntil(aPlay))
                       {
                           return true;
                       }
                       const bool arrived = aPlay.WalkTo(aWhat, [&aPlay, &aGoal](const V& aHeroine)
                                                         { return aGoal(aPlay, aHeroine); });
                       return arrived && !aUntil;
                   });
    }
    Route& WalkToItem(const std::string& aName) { return Walk(aName, AtItem(aName)); }
    // Walks through a way out into the scene it leads to.
    Route& Leave(const std::string& aZone, const std::string& aScene)
    {
        return Walk(aZone, InZone(aZone),
                    [aScene](const Playthrough& aPlay) { return aPlay.Scene() == aScene; });
    }
    // Names what the steps that follow are for, in the report of a failure.
    Route& Begin(const std::string& aTask)
    {
        return Add("begin " + aTask,
                   [aTask](Playthrough& aPlay)
                   {
                       aPlay.SetTask(aTask);
                       return true;
                   });
    }
    Route& Press(uint8_t aKey)
    {
        auto pressed = std::make_shared<bool>(false);
        return Add("press a key",
                   [aKey, pressed](Playthrough& aPlay)
                   {
                       if (!*pressed)
                       {
                           aPlay.Tap(aKey);
                           *pressed = true;
                           return false;
                       }
                       return !aPlay.IsBusy();
                   });
    }
    // E, then every conversation named has to be shown (they are read as they come).
    Route& Use(std::initializer_list<std::string> aConversations = {})
    {
        Press(ourKeyE);
        for (const std::string& conversation : aConversations)
        {
            Expect(conversation);
        }
        return *this;
    }
    // aConversation must be shown once more than it has been so far.
    Route& Expect(const std::string& aConversation)
    {
        myExpected.insert(aConversation);
        const int shown = myPlay.ShownCount(aConversation);
        return Until(
            "\"" + aConversation + "\" is shown",
            [aConversation, shown](const Playthrough& aPlay)
            { return aPlay.ShownCount(aConversation) > shown; },
            ourExpectFrames);
    }
    // aConversation must have been shown by the end.
    Route& ExpectLater(const std::string& aConversation)
    {
        myExpected.insert(aConversation);
        return *this;
    }
    Route& Until(const std::string& aWhat, const Check& aCondition, int aBudget = 60000)
    {
        return Add(
            aWhat, [aCondition](Playthrough& aPlay) { return aCondition(aPlay); }, aBudget);
    }
    // A few frames later, so the frame drawn last shows it; with aReady, once that holds.
    Route& Milestone(const std::string& aName, const Check& aReady = nullptr)
    {
        auto frames = std::make_shared<int>(0);
        return Add("milestone " + aName,
                   [aName, aReady, frames](Playthrough& aPlay)
                   {
                       if (aReady && !aReady(aPlay))
                       {
                           return false;
                       }
                       if (++*frames < 4)
                       {
                           return false;
                       }
                       aPlay.Milestone(aName);
                       return true;
                   });
    }
    // Opens the inventory or the notepad (aKey) and closes it again.
    Route& Peek(uint8_t aKey) { return Press(aKey).Press(aKey); }
    // Opens the inventory, drags every ingredient into the slots, presses the combine button,
    // checks that the combination worked and closes the inventory again.
    Route& Combine(const std::vector<std::string>& aIngredients);

private:
    Route& Add(const std::string& aLabel, std::function<bool(Playthrough&)> aAdvance,
               int aBudget = 60000)
    {
        mySteps.push_back(RouteStep{aLabel, std::move(aAdvance), aBudget});
        return *this;
    }

    std::vector<RouteStep>& mySteps;
    std::set<std::string>& myExpected;
    const Playthrough& myPlay;
};
