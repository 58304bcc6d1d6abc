#include "tourstages.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "conversationscript.h"
#include "game.h"
#include "inputsource.h"
#include "inventorylayout.h"
#include "scriptline.h"

namespace
{
namespace fs = std::filesystem;
using json = nlohmann::json;
using Action = std::function<void(platform::InputSource&, const Game&)>;

constexpr uint8_t ourKeyI = 0x17;
constexpr uint8_t ourKeyL = 0x26;
// Frames the game runs after the last action before the picture is taken.
constexpr int ourSettleFrames = 120;

fs::path BuildFolder()
{
    return fs::read_symlink("/proc/self/exe").parent_path();
}

// Plays its actions one a logic frame, from the first frame of play on.
class Stager : public FrameObserver
{
public:
    Stager(platform::InputSource& aInput, std::vector<Action> aActions)
        : myInput(aInput), myActions(std::move(aActions))
    {
    }

    void OnLogicFrame(const Game& aGame, RenderData& /*aBuffer*/, float /*aUpdateMs*/) override
    {
        if (!aGame.GetStartScreen().IsStarted())
        {
            return;
        }
        if (myNext < myActions.size())
        {
            myActions[myNext++](myInput, aGame);
        }
        else
        {
            ++mySettled;
        }
    }
    bool IsDone() const { return mySettled.load() > ourSettleFrames; }

private:
    platform::InputSource& myInput;
    std::vector<Action> myActions;
    size_t myNext = 0;
    std::atomic<int> mySettled{0};
};

void Tap(std::vector<Action>& aActions, uint8_t aKey)
{
    aActions.push_back([aKey](platform::InputSource& aInput, const Game&)
                       { aInput.SetKey(aKey, true); });
    aActions.push_back([aKey](platform::InputSource& aInput, const Game&)
                       { aInput.SetKey(aKey, false); });
    aActions.push_back([](platform::InputSource&, const Game&) {});
}

// A click where aWhere says, once the frame before it has been seen.
void Click(std::vector<Action>& aActions, const std::function<Vector2<float>(const Game&)>& aWhere)
{
    aActions.push_back(
        [aWhere](platform::InputSource& aInput, const Game& aGame)
        {
            const Vector2<float> to = aWhere(aGame);
            const Vector2<float> from = aGame.GetCursor().GetPosition();
            aInput.AddMotion(static_cast<int>(to.x - from.x), static_cast<int>(to.y - from.y));
        });
    aActions.push_back([](platform::InputSource& aInput, const Game&)
                       { aInput.SetButton(0, true); });
    aActions.push_back([](platform::InputSource& aInput, const Game&)
                       { aInput.SetButton(0, false); });
    aActions.push_back([](platform::InputSource&, const Game&) {});
}

// Drags the held item aName into the next combination slot.
void IntoSlot(std::vector<Action>& aActions, const std::string& aName)
{
    namespace layout = inventorylayout;
    Click(aActions,
          [aName](const Game& aGame) {
              return layout::HeldCell(aGame.GetInventory().FindCell(aName)) +
                     Vector2<float>(40.0f, 40.0f);
          });
    Click(aActions, [](const Game&) { return layout::Panel() + Vector2<float>(20.0f, 20.0f); });
}

// The heroine at aAt, the view centred on her.
void PlaceHeroine(json& aGame, float aX, float aY)
{
    aGame["heroine"] = {aX, aY};
    aGame["camera"] = {aX - 480.0f, aY - 320.0f};
}

// The line of aConversation (in aFile's dialogue) that aLabel says first.
int FirstLineOf(const std::string& aFile, const std::string& aConversation,
                const std::string& aLabel)
{
    std::ifstream file(BuildFolder() / "dialogue" / aFile);
    std::stringstream text;
    text << file.rdbuf();
    std::vector<ConversationScript> scripts;
    std::string problem;
    EXPECT_TRUE(ParseDialogue(text.str(), scripts, problem)) << problem;
    // A staged save names no wordings, so each stretch shows its last one.
    for (const ConversationScript& script : scripts)
    {
        int line = 0;
        for (size_t i = 0; script.name == aConversation && i < script.stretches.size(); ++i)
        {
            for (const std::string& text : script.stretches[i].wordings.back().lines)
            {
                if (ParseScriptLine(text).label == aLabel)
                {
                    return line;
                }
                ++line;
            }
        }
    }
    ADD_FAILURE() << aConversation << " has no line by \"" << aLabel << "\"";
    return 0;
}

// aConversation of aScene shown at the first line aLabel says.
std::function<void(json&)> Saying(const std::string& aScene, const std::string& aFile,
                                  const std::string& aConversation, const std::string& aLabel)
{
    return [=](json& aGame)
    {
        json& scene = aGame["scenes"][aScene];
        for (json& conversation : scene["conversations"])
        {
            if (conversation["name"] == aConversation)
            {
                conversation["played"] = false;
                conversation["running"] = true;
                conversation["reading"] = {{"line", FirstLineOf(aFile, aConversation, aLabel)},
                                           {"active", true}};
            }
        }
        scene["requested"] = aConversation;
        scene["current"] = aConversation;
        aGame["flags"]["conversationRunning"] = true;
    };
}

// The engine with the parts given fitted, the heroine a step away from it.
std::function<void(json&)> EngineParts(bool aBelt, bool aCrystal, bool aMagnet, bool aGold)
{
    return [=](json& aGame)
    {
        aGame["timeMachine"]["parts"] = {aBelt, aCrystal, aMagnet, aGold};
        aGame["timeMachine"]["allPartsIn"] = aBelt && aCrystal && aMagnet && aGold;
        PlaceHeroine(aGame, 320.0f, 330.0f);
    };
}

// The view's top-left at aX, aY; the heroine stays where she is.
std::function<void(json&)> LookAt(float aX, float aY)
{
    return [=](json& aGame) { aGame["camera"] = {aX, aY}; };
}

std::function<void(json&)> HeroineAt(float aX, float aY)
{
    return [=](json& aGame) { PlaceHeroine(aGame, aX, aY); };
}

struct Stage
{
    std::string name;
    std::string milestone;
    std::function<void(json&)> change;
    std::vector<Action> actions;
};

std::vector<Stage> Stages()
{
    std::vector<Stage> stages = {
        {"the engine with no part fitted",
         "the machine fixed",
         EngineParts(false, false, false, false),
         {}},
        {"the engine with two parts fitted",
         "the machine fixed",
         EngineParts(false, true, false, true),
         {}},
        {"the engine with all four parts fitted",
         "the machine fixed",
         EngineParts(true, true, true, true),
         {}},
        {"the bird waits on the ledge before the flight",
         "the banana tree",
         LookAt(260.0f, 0.0f),
         {}},
        {"the village's own child, and the children home from the ledge",
         "the gold necklace",
         LookAt(100.0f, 500.0f),
         {}},
        {"behind the rubber tree", "the axe", HeroineAt(120.0f, 600.0f), {}},
        {"in front of the rubber tree", "the axe", HeroineAt(205.0f, 700.0f), {}},
        {"behind the console", "awake in the time machine", HeroineAt(898.0f, 300.0f), {}},
        {"under the palm leaves after the diamond", "the stairs", HeroineAt(690.0f, 240.0f), {}},
        {"the use-key prompt over the heroine",
         "Roderick switched on",
         HeroineAt(296.0f, 800.0f),
         {}},
    };
    // Each speaker under their own face, and narration under nobody's: a line of a
    // conversation of the scene the milestone was reached in.
    const struct
    {
        const char* name;
        const char* milestone;
        const char* scene;
        const char* file;
        const char* conversation;
        const char* label;
    } speeches[] = {
        {"the Computer speaks", "awake in the time machine", "TimeMachine", "timemachine.txt",
         "wake ester", "Computer"},
        {"Ester wakes and speaks under her own face", "awake in the time machine", "TimeMachine",
         "timemachine.txt", "wake ester", "Ester"},
        {"Roderick speaks", "the stairs", "Vulcano", "volcano.txt", "A bird", "Roderick"},
        {"Nissa speaks", "the gold necklace", "Village", "village.txt", "The main quest4", "Nissa"},
        {"the boy speaks", "the stairs", "Vulcano", "volcano.txt", "Saving children", "Boy"},
        {"the girl speaks", "the stairs", "Vulcano", "volcano.txt", "Saving children", "Girl"},
        {"narration", "the stairs", "Vulcano", "volcano.txt", "complete children", ""},
    };
    for (const auto& speech : speeches)
    {
        stages.push_back(Stage{speech.name,
                               speech.milestone,
                               Saying(speech.scene, speech.file, speech.conversation, speech.label),
                               {}});
    }
    Stage history{"what was said", "the gold necklace", nullptr, {}};
    Tap(history.actions, ourKeyL);
    stages.push_back(history);
    // Nine things carried, three of them made into fire in front of the player.
    Stage inventory{
        "the inventory after a combination",
        "the gold necklace",
        [](json& aGame)
        {
            json held = json::array();
            for (const char* name : {"wire", "sharpFlintstone", "flintstone1", "flintstone2",
                                     "stick", "coconut", "log", "dried leaves", "MagneticRock"})
            {
                held.push_back({{"name", name},
                                {"position", {0.0f, 0.0f}},
                                {"active", true},
                                {"hidden", false},
                                {"near", false},
                                {"selected", false}});
            }
            aGame["inventory"]["held"] = held;
            aGame["inventory"]["slots"] = json::array();
        },
        {}};
    Tap(inventory.actions, ourKeyI);
    for (const char* name : {"flintstone1", "flintstone2", "dried leaves"})
    {
        IntoSlot(inventory.actions, name);
    }
    Click(inventory.actions,
          [](const Game&) { return inventorylayout::Button() + Vector2<float>(34.0f, 24.0f); });
    stages.push_back(inventory);
    return stages;
}

void Photograph(const Stage& aStage, const std::string& aSave, const fs::path& aShot)
{
    const fs::path saves = fs::temp_directory_path() /
                           ("marrowen-stage-" + std::to_string(getpid()) + "-" + aStage.name);
    fs::create_directories(saves);
    json save = json::parse(aSave);
    if (aStage.change)
    {
        aStage.change(save["game"]);
    }
    std::ofstream(saves / "save.json") << save.dump(1);

    HGE* hge = hgeCreate(HGE_VERSION);
    hge->System_SetState(HGE_DATAFOLDER, BuildFolder().c_str());
    Stager stager(*hge->System_GetState(HGE_HWND), aStage.actions);
    GameOptions options;
    options.myFixedStepMs = 2.0f;
    options.myPaced = false;
    options.myObserver = &stager;
    options.mySaveFolder = saves.string();
    options.myContinue = true;
    {
        Game game(hgeCreate(HGE_VERSION), options);
        // A save the game refuses never starts play: give up rather than wait for it.
        constexpr uint64_t swapLimit = 5000;
        while (!stager.IsDone() && game.GetSwapCount() < swapLimit && game.SwapBuffers())
        {
        }
        EXPECT_TRUE(stager.IsDone()) << aStage.name << " did not get under way";
        EXPECT_TRUE(hge->System_Snapshot(aShot.c_str())) << aShot;
        game.Stop();
    }
    hge->Release();
    fs::remove_all(saves);
}
}  // namespace

void PhotographStages(const std::map<std::string, std::string>& aSaves, const fs::path& aFolder,
                      int aFirstNumber)
{
    int number = aFirstNumber;
    for (const Stage& stage : Stages())
    {
        const auto save = aSaves.find(stage.milestone);
        if (save == aSaves.end())
        {
            ADD_FAILURE() << "the route passed no milestone \"" << stage.milestone << "\"";
            continue;
        }
        char prefix[16];
        std::snprintf(prefix, sizeof(prefix), "%02d ", number++);
        Photograph(stage, save->second, aFolder / (prefix + stage.name + ".png"));
    }
}
