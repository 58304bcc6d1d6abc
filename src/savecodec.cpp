#include "savecodec.h"

#include <nlohmann/json.hpp>

#include <cmath>

#include "itemcatalogue.h"
#include "saveproblem.h"

// How each record reads and writes, field by field under its own name. The library reports a
// missing field or a value of the wrong kind by throwing; DecodeSave catches that at its edge.
template <typename T>
void to_json(nlohmann::json& aJson, const Vector2<T>& aVector)
{
    aJson = nlohmann::json::array({aVector.x, aVector.y});
}

template <typename T>
void from_json(const nlohmann::json& aJson, Vector2<T>& aVector)
{
    aJson.at(0).get_to(aVector.x);
    aJson.at(1).get_to(aVector.y);
}

namespace nlohmann
{
// A row of flags, as an array of booleans.
template <size_t N>
struct adl_serializer<std::bitset<N>>
{
    static void to_json(json& aJson, const std::bitset<N>& aBits)
    {
        aJson = json::array();
        for (size_t i = 0; i < N; ++i)
        {
            aJson.push_back(aBits.test(i));
        }
    }
    static void from_json(const json& aJson, std::bitset<N>& aBits)
    {
        const auto bits = aJson.get<std::array<bool, N>>();
        for (size_t i = 0; i < N; ++i)
        {
            aBits.set(i, bits[i]);
        }
    }
};
}  // namespace nlohmann

NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Curtain::State, alpha, active)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Robot::State, activated, position, following, animation)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Item::State, name, position, active, hidden, near, selected)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(ConversationBox::Reading, line, active)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(LevelBaseData::ConversationState, name, played, running, reading)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(LevelBaseData::SceneState, levelTime, robot, items,
                                   conversations, requested, current)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(PostMasterFlags, robotActivated, raftMade, notepadOpen,
                                   inventoryOpen, conversationRunning, paused, quitRequested,
                                   openingFinished)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Inventory::State, held, slots, open, showResult,
                                   lastCombineSucceeded)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Notepad::State, open, marks)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Raft::State, shown, active, position)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(JungleCrashSite::State, axeReady, treeChopped, curtain, raft)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(TimeMachine::State, parts, allPartsIn, wakeTime, engineUsed)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Cave::State, blownApart, stoneUsed)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(BlownUpCave::State, sinceEntry)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(OverlayPair::State, finished, curtainAlpha, pictureAlpha,
                                   holdTime, holding, pictureFadingIn, pictureFadingOut,
                                   curtainClosing, curtainOpening, curtainShown, pictureShown)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(Vulcano::State, flying, diamondDone, childrenReachable,
                                   stairsUsedDown, stairsUsedUp, stairsBuilt, childrenSaved,
                                   sinceDiamond, palmOverlayShown, curtain, overlayPair)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(ConversationHistory::Entry, speaker, spoken)
// Everything but the history, which older saves do not have (see EncodeSave and DecodeSave).
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(SavedGame, scene, heroine, heroineSheet, camera, curtain, flags,
                                   inventory, notepad, scenes, crashSite, timeMachine, cave,
                                   blownUpCave, volcano)

namespace
{
const char* const ourFormat = "marrowen-save";

// The library's message without its "[json.exception.kind.id] " prefix.
std::string Plain(const nlohmann::json::exception& aError)
{
    const std::string what = aError.what();
    const size_t end = what.find("] ");
    return end == std::string::npos ? what : what.substr(end + 2);
}

// Every item the save names must be one the game can make again.
bool NamesKnownItems(const SavedGame& aSave, std::string& aProblem)
{
    std::vector<const std::vector<Item::State>*> lists = {&aSave.inventory.held,
                                                          &aSave.inventory.slots};
    for (const auto& scene : aSave.scenes)
    {
        lists.push_back(&scene.second.items);
    }
    for (const std::vector<Item::State>* list : lists)
    {
        for (const Item::State& item : *list)
        {
            if (!itemcatalogue::Knows(item.name))
            {
                return RefuseSave(
                    aProblem, "it names an item this game does not have: \"" + item.name + "\"");
            }
            if (!std::isfinite(item.position.x) || !std::isfinite(item.position.y))
            {
                return RefuseSave(aProblem, "the item \"" + item.name + "\" lies nowhere");
            }
        }
    }
    return true;
}

// The format's name, its version and the item mark, before anything else is read.
bool IsThisGamesSave(const nlohmann::json& aDocument, std::string& aProblem)
{
    if (!aDocument.is_object() || aDocument.value("format", "") != ourFormat)
    {
        return RefuseSave(aProblem, "it is not a Marrowen save");
    }
    const nlohmann::json& version = aDocument.value("version", nlohmann::json());
    if (!version.is_number_integer() || version.get<int>() != ourSaveVersion)
    {
        return RefuseSave(aProblem, "it is version " + version.dump() +
                                        "; this game reads version " +
                                        std::to_string(ourSaveVersion));
    }
    const std::string items = aDocument.value("items", "");
    if (items != itemcatalogue::Fingerprint())
    {
        return RefuseSave(aProblem, "it was made by a game with other items (mark \"" + items +
                                        "\", this game's \"" + itemcatalogue::Fingerprint() +
                                        "\")");
    }
    return true;
}
}  // namespace

std::string EncodeSave(const SavedGame& aSave)
{
    nlohmann::json game = aSave;
    game["history"] = aSave.history;
    const nlohmann::json document = {{"format", ourFormat},
                                     {"version", ourSaveVersion},
                                     {"items", itemcatalogue::Fingerprint()},
                                     {"game", game}};
    return document.dump(1) + "\n";
}

bool DecodeSave(const std::string& aText, SavedGame& aSave, std::string& aProblem)
{
    try
    {
        const nlohmann::json document = nlohmann::json::parse(aText);
        if (!IsThisGamesSave(document, aProblem))
        {
            return false;
        }
        const nlohmann::json& game = document.at("game");
        game.get_to(aSave);
        aSave.history.clear();
        if (game.contains("history"))
        {
            game.at("history").get_to(aSave.history);
        }
    }
    catch (const nlohmann::json::parse_error& error)
    {
        if (error.byte > aText.size())
        {
            return RefuseSave(aProblem,
                              "it is cut short after " + std::to_string(aText.size()) + " bytes");
        }
        // Not the parser's whole message: it quotes the bytes, and those may be anything.
        return RefuseSave(aProblem, "it is not JSON (it stops making sense at byte " +
                                        std::to_string(error.byte) + ")");
    }
    catch (const nlohmann::json::exception& error)
    {
        return RefuseSave(aProblem, "it is damaged: " + Plain(error));
    }
    return NamesKnownItems(aSave, aProblem);
}
