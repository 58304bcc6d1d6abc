// The game described for tools and bug reports, once its workers have ended. The field names
// are kept stable: tests, replays and reports read them.
#include <nlohmann/json.hpp>

#include "eventsingelton.h"
#include "game.h"

namespace
{
nlohmann::json Names(const std::vector<Item>& aItems)
{
    nlohmann::json names = nlohmann::json::array();
    for (const Item& item : aItems)
    {
        names.push_back(item.GetName());
    }
    return names;
}

nlohmann::json Played(const LevelBaseData& aScene)
{
    nlohmann::json names = nlohmann::json::array();
    for (const LevelConversation& conversation : aScene.GetConversations())
    {
        if (aScene.IsPlayed(conversation.GetName()))
        {
            names.push_back(conversation.GetName());
        }
    }
    return names;
}
}  // namespace

std::array<std::pair<const char*, const LevelBaseData*>, 7> Game::Scenes() const
{
    return ScenesOf(*this);
}

const char* Game::GetCurrentSceneName() const
{
    for (const auto& [name, scene] : Scenes())
    {
        if (scene == myCurrentLevel)
        {
            return name;
        }
    }
    return "";
}

std::string Game::DescribeState() const
{
    nlohmann::json state;
    nlohmann::json played = nlohmann::json::object();
    for (const auto& [name, scene] : Scenes())
    {
        played[name] = Played(*scene);
    }
    state["scene"] = GetCurrentSceneName();
    const Vector2<float> heroine = myPlayer.GetWorldPosition();
    state["heroine"] = {heroine.x, heroine.y};
    state["robotActive"] = myCurrentLevel->GetRobot().IsActivated();
    state["inventory"] = Names(myInventory.GetItems());
    state["slots"] = Names(myInventory.GetCombinationSlots());
    state["notepad"] = nlohmann::json::array();
    for (size_t mark = 0; mark < 4; ++mark)
    {
        state["notepad"].push_back(myNotepad.IsMarked(mark));
    }
    state["played"] = played;
    const PostMaster& flags = *PostMaster::GetInstance();
    state["flags"] = {{"robotActivated", flags.robotActivated},
                      {"raftMade", flags.raftMade},
                      {"notepadOpen", flags.notepadOpen},
                      {"inventoryOpen", flags.inventoryOpen},
                      {"conversationRunning", flags.conversationRunning},
                      {"paused", flags.paused},
                      {"quitRequested", flags.quitRequested},
                      {"openingFinished", flags.openingFinished}};
    state["partsInstalled"] = myTimeMachine.GetInstalledParts().count();
    state["endPicture"] = myBillboard.IsShown();
    state["frames"] = myLogicFrames.load();
    state["world"] = nlohmann::json::parse(SaveText())["game"];
    return state.dump(2);
}
