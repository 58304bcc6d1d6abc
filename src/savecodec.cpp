#include "savecodec.h"

#include <nlohmann/json.hpp>

#include "itemcatalogue.h"
#include "saveproblem.h"
#include "savereader.h"

// How each record writes and reads. A position writes as two numbers, a row of flags as a list
// of true and false; savereader.h reads them.
template <typename T>
void to_json(nlohmann::json& aJson, const Vector2<T>& aVector)
{
    aJson = nlohmann::json::array({aVector.x, aVector.y});
}

namespace nlohmann
{
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
};
}  // namespace nlohmann

MARROWEN_SAVED_RECORD(Curtain::State, alpha, active)
MARROWEN_SAVED_RECORD(Robot::State, activated, position, following, animation)
MARROWEN_SAVED_RECORD(Item::State, name, position, active, hidden, near, selected)
MARROWEN_SAVED_RECORD(ConversationBox::Reading, line, active)
MARROWEN_SAVED_RECORD(LevelBaseData::ConversationState, name, played, running, reading, wordings)

// A scene's conversations are the scene's own, matched by name (the second of two alike with
// the second): each keeps the save's state of the same name; one the save does not have keeps
// its start, and one the scene no longer has is passed over. (Outside any namespace of its
// own, so that the reading of a scene finds it.)
static void ReadSaved(SaveReader& aReader, const nlohmann::json& aJson,
                      std::vector<LevelBaseData::ConversationState>& aValue)
{
    if (!aJson.is_array())
    {
        aReader.Refuse(aJson, "a list");
        return;
    }
    std::map<std::string, int> seen;
    for (size_t i = 0; i < aJson.size() && aReader.IsGood(); ++i)
    {
        const nlohmann::json& saved = aJson[i];
        const auto name = saved.is_object() ? saved.find("name") : saved.end();
        if (name == saved.end() || !name->is_string())
        {
            aReader.Refuse(saved, "a conversation with its name", "[" + std::to_string(i) + "]");
            return;
        }
        int alike = seen[name->get<std::string>()]++;
        for (LevelBaseData::ConversationState& conversation : aValue)
        {
            if (conversation.name == *name && alike-- == 0)
            {
                aReader.Part(saved, "[\"" + conversation.name + "\"]", conversation);
            }
        }
    }
}

MARROWEN_SAVED_RECORD(LevelBaseData::SceneState, levelTime, robot, items, conversations, requested,
                      current)
MARROWEN_SAVED_RECORD(PostMasterFlags, robotActivated, raftMade, notepadOpen, inventoryOpen,
                      conversationRunning, paused, quitRequested, openingFinished)
MARROWEN_SAVED_RECORD(Inventory::State, held, slots, open, showResult, lastCombineSucceeded)
MARROWEN_SAVED_RECORD(Notepad::State, open, marks)
MARROWEN_SAVED_RECORD(Raft::State, shown, active, position)
MARROWEN_SAVED_RECORD(JungleCrashSite::State, axeReady, treeChopped, curtain, raft, chopFollows)
MARROWEN_SAVED_RECORD(TimeMachine::State, parts, allPartsIn, wakeTime, engineUsed)
MARROWEN_SAVED_RECORD(Cave::State, blownApart, stoneUsed)
MARROWEN_SAVED_RECORD(BlownUpCave::State, sinceEntry)
MARROWEN_SAVED_RECORD(OverlayPair::State, finished, curtainAlpha, pictureAlpha, holdTime, holding,
                      pictureFadingIn, pictureFadingOut, curtainClosing, curtainOpening,
                      curtainShown, pictureShown)
MARROWEN_SAVED_RECORD(Vulcano::State, flying, diamondDone, childrenReachable, stairsUsedDown,
                      stairsUsedUp, stairsBuilt, childrenSaved, sinceDiamond, palmOverlayShown,
                      curtain, overlayPair)
MARROWEN_SAVED_RECORD(ConversationHistory::Entry, speaker, spoken)
MARROWEN_SAVED_RECORD(SavedGame, scene, heroine, heroineSheet, camera, curtain, flags, inventory,
                      notepad, scenes, crashSite, timeMachine, cave, blownUpCave, volcano, history)

namespace
{
const char* const ourFormat = "marrowen-save";

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
        }
    }
    return true;
}

// Whether aDocument is a Marrowen save of a version this game reads, brought up to this
// version. Version 1 needs no change: what version 2 changed is how a save is read (over a
// fresh game, items one by one), and a version 1 save reads that way as it stands.
bool UpgradeSave(const nlohmann::json& aDocument, std::string& aProblem)
{
    const auto format = aDocument.is_object() ? aDocument.find("format") : aDocument.end();
    if (format == aDocument.end() || *format != ourFormat)
    {
        return RefuseSave(aProblem, "it is not a Marrowen save");
    }
    const auto version = aDocument.find("version");
    if (version == aDocument.end() || !version->is_number_integer())
    {
        return RefuseSave(aProblem, "it does not say which version of the save format it is");
    }
    // (A version below 0 reads as a signed number, any other as an unsigned one.)
    const uint64_t saved = version->is_number_unsigned() ? version->get<uint64_t>() : 0;
    if (saved > static_cast<uint64_t>(ourSaveVersion))
    {
        return RefuseSave(aProblem, "it was made by a later version of Marrowen (save format " +
                                        version->dump() + "; this game reads 1 to " +
                                        std::to_string(ourSaveVersion) + ")");
    }
    if (saved < 1)
    {
        return RefuseSave(
            aProblem, "its save format " + version->dump() + " is none that Marrowen ever wrote");
    }
    return true;
}
}  // namespace

std::string EncodeSave(const SavedGame& aSave)
{
    const nlohmann::json document = {
        {"format", ourFormat}, {"version", ourSaveVersion}, {"game", aSave}};
    return document.dump(1) + "\n";
}

bool DecodeSave(const std::string& aText, const SavedGame& aFresh, SavedGame& aSave,
                std::string& aProblem)
{
    nlohmann::json document;
    try
    {
        document = nlohmann::json::parse(aText);
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
    if (!UpgradeSave(document, aProblem))
    {
        return false;
    }
    const auto game = document.find("game");
    if (game == document.end())
    {
        return RefuseSave(aProblem, "it holds no game");
    }
    aSave = aFresh;
    SaveReader reader;
    ReadSaved(reader, *game, aSave);
    return (reader.IsGood() || RefuseSave(aProblem, reader.GetProblem())) &&
           NamesKnownItems(aSave, aProblem);
}
