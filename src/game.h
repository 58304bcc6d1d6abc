#pragma once
// The one top-level object: owns the engine, every long-lived game object and the two render
// buffers, and runs the logic and render threads over them. The threads meet
// only through the atomic flags and buffer indices below: the main thread swaps the buffers
// when both workers have finished a frame, and each worker then handles one frame.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

#include "billboard.h"
#include "blownupcave.h"
#include "camera.h"
#include "catchupclock.h"
#include "cave.h"
#include "conversationhistory.h"
#include "cursor.h"
#include "curtain.h"
#include "deepjungle.h"
#include "footsteps.h"
#include "framepacer.h"
#include "hge.h"
#include "inputwrapper/actions.h"
#include "inventory.h"
#include "junglecrashsite.h"
#include "levelswitch.h"
#include "notepad.h"
#include "player.h"
#include "quitmenu.h"
#include "renderdata.h"
#include "savestore.h"
#include "startscreen.h"
#include "timemachine.h"
#include "vector2.h"
#include "village.h"
#include "vulcano.h"

class Game;
class InputFeed;
class InputWrapper;
struct SavedGame;

// Sees every logic frame right after the state flow; tests and tools use it.
class FrameObserver
{
public:
    // Logic thread: aGame may be looked at (not changed), aBuffer is the frame's render buffer,
    // aUpdateMs the time given to Update.
    virtual void OnLogicFrame(const Game& aGame, RenderData& aBuffer, float aUpdateMs) = 0;
    // Logic thread, at the end of every logic frame: how long its work took.
    virtual void OnLogicFrameTime(const Game& /*aGame*/, int64_t /*aNanoseconds*/) {}

protected:
    ~FrameObserver() = default;
};

struct GameOptions
{
    bool myStartInPlay = false;  // skip the title and the prologue
    float myFixedStepMs = 0.0f;  // > 0: the game time of each unpaced frame (else 2 ms)
    bool myPaced = true;         // swaps at most every 2 ms; off for fast deterministic runs
    FrameObserver* myObserver = nullptr;
    InputFeed* myInput = nullptr;  // null: the engine's keyboard and mouse
    uint64_t myFrameLimit = 0;     // > 0: the game ends after this many logic frames
    // Where the game keeps its save; "" keeps none (tests and tools unless they ask).
    std::string mySaveFolder;
    bool myContinue = false;  // straight into the saved game, when there is one
    // The music's and the effects' volume, in per cent (the player's settings).
    int myMusicVolume = 100;
    int myEffectsVolume = 100;
    Bindings myBindings;  // what each key does (the player's settings)
};

class Game
{
public:
    // Start-up on aHGE, whose reference the game takes over and whose data folder the world
    // loads from: the window states, the world, the flags and the save; no thread yet.
    explicit Game(HGE* aHGE, const GameOptions& aOptions = GameOptions());
    // Starts the logic and render workers; once, before the first swap.
    void Start();
    // Ends and joins both workers if they were started, then shuts the engine down, releases it
    // and tears the world down.
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Main thread: swaps the buffers and releases both workers when they are done and the
    // pacing allows; false once the game is to end.
    bool SwapBuffers();
    // Main thread: lets the frame in flight finish, tells both workers to end and joins them
    // (the window was closed, or the run is over). Safe to call more than once.
    void Stop();
    // The engine, for the process entry's event pump.
    HGE* GetHGE() const { return myHGE; }
    // Swaps made so far.
    uint64_t GetSwapCount() const { return mySwapCount; }
    // Logic frames run so far (several may go into one swap when the picture falls behind).
    uint64_t GetLogicFrameCount() const { return myLogicFrames.load(); }
    // On the logic thread (an observer) or once the workers have ended: the game as tools and
    // bug reports see it, as JSON (the scene, the heroine, the robot, what is carried, the
    // notepad, the conversations played, the flags, whether the end picture shows, the logic
    // frames run, and under "world" everything a save keeps).
    std::string DescribeState() const;
    // On the logic thread (an observer) or once the workers have ended: the save of the game
    // as it is now, as the save file holds it.
    std::string SaveText() const;

    // What tools and tests may look at, on the logic thread (an observer) or after Stop.
    const LevelBaseData& GetCurrentLevel() const { return *myCurrentLevel; }
    // The class name of the scene being played ("JungleCrashSite", "Vulcano", ...).
    const char* GetCurrentSceneName() const;
    const Player& GetPlayer() const { return myPlayer; }
    const Inventory& GetInventory() const { return myInventory; }
    const ConversationHistory& GetHistory() const { return myHistory; }
    const Cursor& GetCursor() const { return myCursor; }
    const Camera& GetCamera() const { return myCamera; }
    // The main thread's pacing of the swaps (main thread only).
    const FramePacer& GetPacer() const { return myPacer; }
    const Curtain& GetCurtain() const { return myCurtain; }
    const StartScreen& GetStartScreen() const { return myStartScreen; }
    const Billboard& GetBillboard() const { return myBillboard; }
    const QuitMenu& GetQuitMenu() const { return myQuitMenu; }
    // The seven scenes with their class names, in the order they are set up.
    std::array<std::pair<const char*, const LevelBaseData*>, 7> Scenes() const;

    static void LogicThread(Game* aGame);
    // The end of a pass of the logic loop: when the game is to end (aEnd), the quit flag is
    // raised and the frame is not reported done; otherwise a frame (aFrame) is reported done.
    // False when the logic thread is to stop.
    static bool FinishLogicPass(bool aEnd, bool aFrame, std::atomic<bool>& aQuit,
                                std::atomic<bool>& aLogicDone);
    static void RenderThread(Game* aGame);

    // World set-up, the frame steps and the end condition live in gameworld.cpp.
    void InitWorld(HGE* aHGE, const Vector2<float>& aScreenSize);
    void UpdateWorld(InputWrapper& aInput, float aElapsedMs);
    void Update(InputWrapper& aInput, float aElapsedMs);
    void RenderToBuffer(InputWrapper& aInput, unsigned aBufferIndex);

private:
    // The logic frames real time calls for, into buffer aBufferIndex: one logic frame for each
    // 2 ms of real time since the last ones (up to 0.2 s of them), so the game keeps its speed
    // however often the picture is shown; unpaced, one.
    void LogicFrames(InputWrapper& aInput, unsigned aBufferIndex);
    // One logic frame into buffer aBufferIndex: input, state flow, music, drawing, and last
    // the inventory's hover card; its game time is added to the buffer's.
    void LogicFrame(InputWrapper& aInput, unsigned aBufferIndex);
    // One render frame from buffer aBufferIndex.
    void RenderFrame(unsigned aBufferIndex);
    // Logic thread: true when the game asked to end (quit request, end picture dismissed).
    bool EndRequested() const;
    void JoinWorkers();

    // Saving and continuing live in gamesave.cpp.
    SavedGame Capture() const;
    // Whether aSave makes sense in this game's world (its scene, where the heroine stands, the
    // sheets and fades) as aFresh, the game before any play, shows it; otherwise false with
    // the reason.
    bool Fits(const SavedGame& aSave, const SavedGame& aFresh, std::string& aProblem) const;
    // Gives every object its saved state back and goes straight into play.
    void Restore(const SavedGame& aSave);
    // Reads the save, if any: a good one is offered on the title (or taken at once when
    // continuing was asked for), a bad one is reported and set aside.
    void OfferSave();
    // The offered save is taken: play goes on where it was left.
    void Continue();
    // End of a play frame: saves after a change of scene or a finished conversation; deletes
    // the save once the end picture shows, and never saves after.
    void Autosave(bool aDue, bool aEndPictureWasShown);
    // After the workers ended: the place to come back to, unless the game is over or has not
    // started.
    void SaveOnStop();
    // One line to the log and the terminal.
    void Say(const std::string& aLine) const;
    // The seven scenes of aGame with their class names, const with a const game.
    template <typename G>
    static auto ScenesOf(G& aGame);
    LevelBaseData* SceneNamed(const std::string& aName);

    std::atomic<bool> myLogicGo{false};
    std::atomic<bool> myRenderGo{false};
    std::atomic<bool> myLogicDone{true};
    std::atomic<bool> myRenderDone{true};
    std::atomic<bool> myQuit{false};
    std::atomic<uint32_t> myLogicBuffer{1};
    std::atomic<uint32_t> myRenderBuffer{0};
    std::vector<RenderData> myRenderBuffers;
    HGE* myHGE = nullptr;
    Inventory myInventory;
    Notepad myNotepad;
    ConversationHistory myHistory;
    Player myPlayer;
    Footsteps myFootsteps;
    Cursor myCursor;
    Camera myCamera;
    Curtain myCurtain;
    JungleCrashSite myCrashSite;
    DeepJungle myDeepJungle;
    TimeMachine myTimeMachine;
    Village myVillage;
    Vulcano myVolcano;
    Cave myCave;
    BlownUpCave myBlownUpCave;
    LevelBaseData* myCurrentLevel = nullptr;
    // What the scenes' wordings ask about: the inventory, the engine, every scene's talks.
    StoryFacts myStoryFacts;
    StartScreen myStartScreen;
    Billboard myBillboard;
    QuitMenu myQuitMenu;
    LevelSwitch myLevelSwitch{myCrashSite,   myDeepJungle, myTimeMachine, myCave,
                              myBlownUpCave, myVillage,    myVolcano};

    GameOptions myOptions;
    SaveStore mySaves;
    std::unique_ptr<SavedGame> myOffer;
    bool mySavedOnStop = false;
    FramePacer myPacer;
    CatchUpClock myCatchUp;  // logic thread
    uint64_t mySwapCount = 0;
    // Logic frames run so far; the first frame's time is the set-up's, not play's.
    std::atomic<uint64_t> myLogicFrames{0};
    std::thread myLogicThread;
    std::thread myRenderThread;
};

template <typename G>
auto Game::ScenesOf(G& aGame)
{
    using Scene = std::conditional_t<std::is_const_v<G>, const LevelBaseData*, LevelBaseData*>;
    return std::array<std::pair<const char*, Scene>, 7>{{{"JungleCrashSite", &aGame.myCrashSite},
                                                         {"DeepJungle", &aGame.myDeepJungle},
                                                         {"TimeMachine", &aGame.myTimeMachine},
                                                         {"Cave", &aGame.myCave},
                                                         {"BlownUpCave", &aGame.myBlownUpCave},
                                                         {"Village", &aGame.myVillage},
                                                         {"Vulcano", &aGame.myVolcano}}};
}
