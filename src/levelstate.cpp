// The scene's part of a saved game: taken from the scene as it is, checked against the scene
// as built, and given back to it.
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

bool LevelBaseData::Fits(const SceneState& aState, std::string& aProblem) const
{
    if (aState.conversations.size() != myConversations.size())
    {
        return RefuseSave(aProblem, std::to_string(aState.conversations.size()) +
                                        " conversations where the scene has " +
                                        std::to_string(myConversations.size()));
    }
    bool knowsCurrent = false;
    bool knowsRequested = aState.requested.empty();
    for (size_t i = 0; i < myConversations.size(); ++i)
    {
        const ConversationState& saved = aState.conversations[i];
        const LevelConversation& built = myConversations[i];
        if (saved.name != built.GetName())
        {
            return RefuseSave(aProblem, "conversation \"" + saved.name +
                                            "\" where the scene has \"" + built.GetName() + "\"");
        }
        if (!built.HasWordings(saved.wordings))
        {
            return RefuseSave(aProblem, "conversation \"" + saved.name + "\" has no such wording");
        }
        const int lines = static_cast<int>(built.GetBox().GetLines().size());
        if (saved.reading.line < 0 || saved.reading.line > lines)
        {
            return RefuseSave(aProblem, "conversation \"" + saved.name + "\" read to line " +
                                            std::to_string(saved.reading.line) + " of " +
                                            std::to_string(lines));
        }
        knowsCurrent = knowsCurrent || saved.name == aState.current;
        knowsRequested = knowsRequested || saved.name == aState.requested;
    }
    if (!knowsCurrent || !knowsRequested)
    {
        return RefuseSave(aProblem, "no conversation \"" +
                                        (knowsCurrent ? aState.requested : aState.current) + "\"");
    }
    if (aState.robot.animation < 0 || aState.robot.animation >= ourRobotSheets)
    {
        return RefuseSave(aProblem,
                          "the robot shows sheet " + std::to_string(aState.robot.animation));
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
        myConversations[i].SetWordings(saved.wordings);
        myConversations[i].SetReading(saved.reading);
    }
    myRequestedConversation = aState.requested;
    FindConversation(aState.current);
}
