// The scene's part of a saved game: taken from the scene as it is, checked against the scene
// as built, and given back to it.
#include <algorithm>

#include "itemcatalogue.h"
#include "levelbasedata.h"
#include "saveproblem.h"

namespace
{
constexpr int ourRobotSheets = 18;
}  // namespace

LevelBaseData::SceneState LevelBaseData::GetSceneState() const
{
    SceneState state;
    state.levelTime = myLevelTime;
    state.robot = myRobot.GetState();
    state.items = Item::StatesOf(myItems);
    for (size_t i = 0; i < myConversations.size(); ++i)
    {
        const LevelConversation& conversation = myConversations[i];
        state.conversations.push_back(ConversationState{
            conversation.GetName(), i != 0 && !myNotYetPlayed.test(i), conversation.IsRunning(),
            conversation.GetBox().GetReading(), conversation.GetWordings()});
    }
    state.requested = myRequestedConversation;
    state.current = myConversations.empty() ? "" : myConversations[myCurrentConversation].GetName();
    return state;
}

bool LevelBaseData::Fits(const SceneState& aState, const std::string& aField,
                         std::string& aProblem) const
{
    for (size_t i = 0; i < aState.items.size(); ++i)
    {
        const Item::State& item = aState.items[i];
        if (!myCollision.IsInside(item.position))
        {
            return RefuseSave(aProblem, "the field " + aField + ".items[" + std::to_string(i) +
                                            "] puts the item \"" + item.name + "\" at " +
                                            ShownPosition(item.position) + ", outside the scene");
        }
    }
    if (aState.robot.animation < 0 || aState.robot.animation >= ourRobotSheets)
    {
        return RefuseSave(aProblem, "the field " + aField + ".robot.animation shows sheet " +
                                        std::to_string(aState.robot.animation) +
                                        ", which the robot does not have");
    }
    return true;
}

void LevelBaseData::SetSceneState(const SceneState& aState)
{
    myLevelTime = aState.levelTime;
    myRobot.SetState(aState.robot);
    myItems = itemcatalogue::Rebuild(myHGE, aState.items);
    for (size_t i = 0; i < myConversations.size(); ++i)
    {
        const ConversationState& saved = aState.conversations[i];
        myNotYetPlayed.set(i, !saved.played);
        myConversations[i].SetRunning(saved.running);
        // A wording the scene no longer has leaves the conversation's own; a conversation
        // shortened since the save shows its last line, or stays read through.
        myConversations[i].SetWordings(saved.wordings);
        const int lines = static_cast<int>(myConversations[i].GetBox().GetLines().size());
        ConversationBox::Reading reading = saved.reading;
        reading.line = std::clamp(reading.line, 0, reading.active ? std::max(lines - 1, 0) : lines);
        myConversations[i].SetReading(reading);
    }
    myRequestedConversation = aState.requested;
    FindConversation(aState.current);
}
