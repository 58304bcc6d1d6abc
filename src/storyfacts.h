#pragma once
// What a wording's condition may ask about the world when its conversation starts: what the
// heroine carries, which parts the engine holds, which conversations have been shown.
#include <string>
#include <vector>

#include "storycondition.h"

class Inventory;
class LevelBaseData;
class TimeMachine;

class StoryFacts
{
public:
    StoryFacts() = default;
    // aEngine may be null: then no part is fitted.
    StoryFacts(const Inventory* aInventory, std::vector<const LevelBaseData*> aScenes,
               const TimeMachine* aEngine);

    bool Holds(const std::string& aItem) const;
    // The engine holds the part whose item is called aPart.
    bool Fitted(const std::string& aPart) const;
    // A conversation of that name has played in one of the scenes.
    bool Played(const std::string& aConversation) const;
    bool Meets(const StoryCondition& aCondition) const;
    // "FILE: line N: ..." for the first condition of the scenes that asks about a conversation
    // none of them has, or "" when there is none.
    std::string UnknownConversation() const;

private:
    bool Meets(const StoryTerm& aTerm) const;

    const Inventory* myInventory = nullptr;
    std::vector<const LevelBaseData*> myScenes;
    const TimeMachine* myEngine = nullptr;
};
