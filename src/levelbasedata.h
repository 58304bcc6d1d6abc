#pragma once
// The base of the seven scenes: picture and overlay, collision map, the scene's own robot, the
// items on the ground, the transfer zones, the registry of named conversations, and the
// request fields the game's frame reads. Scenes add their story through the virtual slots.
#include <bitset>
#include <deque>
#include <limits>
#include <string>
#include <vector>

#include "camera.h"
#include "collisionmap.h"
#include "conversationscript.h"
#include "foreground.h"
#include "hotspot.h"
#include "inputwrapper/inputwrapper.h"
#include "inventory.h"
#include "item.h"
#include "levelconversation.h"
#include "map.h"
#include "overlaypair.h"
#include "player.h"
#include "randomhotspot.h"
#include "renderdata.h"
#include "robot.h"
#include "storyfacts.h"
#include "verticalhotspot.h"

// Destination codes of the transfer zones, read by the level switch.
enum TransferTarget : int32_t
{
    TRANSFER_CRASH_SITE = 0,
    TRANSFER_DEEP_JUNGLE = 1,
    TRANSFER_TIME_MACHINE = 2,
    TRANSFER_CRASH_SITE_FROM_TIME_MACHINE = 3,
    TRANSFER_CAVE = 4,
    TRANSFER_DEEP_JUNGLE_FROM_CAVE = 5,
    TRANSFER_VILLAGE = 6,
    TRANSFER_CRASH_SITE_FROM_VILLAGE = 7,
    TRANSFER_VOLCANO = 100,
    TRANSFER_CRASH_SITE_FROM_VOLCANO = 200,
};

class LevelBaseData
{
public:
    LevelBaseData();
    virtual ~LevelBaseData();
    LevelBaseData(const LevelBaseData&) = delete;
    LevelBaseData& operator=(const LevelBaseData&) = delete;

    // Slot 0, once at world set-up: pictures, collision map, robot, items, music, then the
    // conversations.
    virtual void Init(HGE* aHGE) = 0;
    // Slot 1, last thing of Init: builds the conversation registry.
    virtual void CreateConversations();
    // Slot 2, every frame before the registry's start and stop: the story's conditions.
    virtual void UpdateScript(float aElapsed, Player& aPlayer, Inventory& aInventory) = 0;
    // Slot 3, after the heroine: by default the upright parts of the scene she stands behind.
    virtual void RenderOverlay(RenderData& aBuffer, const Camera& aCamera);
    // Slot 4, every frame after UpdateLevel: robot, characters, timed events.
    virtual void Update(Player& aPlayer, Camera& aCamera, float aElapsed) = 0;
    // Slot 5, after the floor: the scene's own objects.
    virtual void RenderObjects(RenderData& aBuffer, const Camera& aCamera) = 0;
    // Slot 6, every frame after HandleLevelInput, whatever the flags.
    virtual void HandleInput(InputWrapper& aInput, float aElapsed, Inventory& aInventory) = 0;
    // Over the heroine and the overlay: the use-key prompts of the robot and the items; scenes
    // with things of their own to use add theirs.
    virtual void RenderPrompts(RenderData& aBuffer) const;

    void RenderFloor(RenderData& aBuffer, const Camera& aCamera) const;
    // The upright parts of the scene the heroine stands in front of: drawn before her.
    void RenderForegroundBehind(RenderData& aBuffer, const Camera& aCamera) const
    {
        myForeground.SubmitBehind(aBuffer, aCamera);
    }
    // Every item's picture in list order.
    void RenderItems(RenderData& aBuffer) const;
    // The running conversation's box, if any.
    void RenderConversation(RenderData& aBuffer);
    // The scene's picture sequence over everything else, when it shows.
    void RenderOverlayPair(RenderData& aBuffer) const { myOverlayPair.FillRenderBuffer(aBuffer); }
    // The picture sequence is under way: the keys move it on and do nothing else.
    bool IsShowingPictures() const { return myOverlayPair.IsPlaying(); }

    // Index of the last conversation named aName, or 0 ("NONE"); it becomes the current one.
    unsigned FindConversation(const std::string& aName);
    // The script, then starting the requested conversation or ending a finished one.
    void UpdateConversations(float aElapsed, Player& aPlayer, Inventory& aInventory);
    // Per frame: items' reach, transfers, conversations.
    void UpdateLevel(Player& aPlayer, Camera& aCamera, float aElapsed, Inventory& aInventory);
    // Per frame: the running conversation's input, then, on a released E or Return, the
    // nearest item in reach is picked up unless one of the scene's own things is nearer; the
    // press is then left to the scene (PressFree).
    void HandleLevelInput(InputWrapper& aInput, float aElapsed, Inventory& aInventory);
    // How far the nearest of the scene's own usable things in reach is from aHeroine;
    // infinity when none is in reach (the default).
    virtual float UseDistance(const Vector2<float>& aHeroine) const;
    static float Distance(const Vector2<float>& aFrom, const Vector2<float>& aTo);
    // aThing's distance from aHeroine when it is in reach, infinity otherwise.
    static float ReachDistance(bool aInReach, const Vector2<float>& aThing,
                               const Vector2<float>& aHeroine)
    {
        return aInReach ? Distance(aThing, aHeroine) : std::numeric_limits<float>::infinity();
    }
    // The facts the wordings ask about, with aInventory when the game gave the scene none.
    StoryFacts Facts(const Inventory& aInventory) const
    {
        return myFacts != nullptr ? *myFacts : StoryFacts(&aInventory, {this}, nullptr);
    }
    // The item a press of the use key at aHeroine takes: the nearest in reach, unless one of
    // the scene's own things is nearer; -1 when the press is left to the scene.
    int PressTarget(const Vector2<float>& aHeroine) const;
    // The wordings' conditions ask these; without them a scene knows only its own
    // conversations and the inventory it is given.
    void SetStoryFacts(const StoryFacts* aFacts) { myFacts = aFacts; }
    // Requests the scene's notice that Roderick, switched off, carries nothing (if it has one).
    void ExplainRobotOff();
    // True when the heroine's feet entered a zone leading to another scene; the destination is
    // then in the transfer target.
    bool CheckTransfers(Player& aPlayer, Camera& aCamera);
    // Index of the first item named aName; false (index untouched) when there is none.
    bool FindItem(const std::string& aName, size_t& aIndex) const;

    // The conversation at the current index is being shown.
    bool IsConversationRunning() const;
    // The line the running conversation shows, or null when none runs.
    const ConversationBox::Line* GetShownLine() const;
    // The last conversation named aName has played (an unknown name never has). Unlike
    // FindConversation, this leaves the current index alone.
    bool IsPlayed(const std::string& aName) const;
    float GetLevelTime() const { return myLevelTime; }
    const std::string& GetRequestedConversation() const { return myRequestedConversation; }
    void RequestConversation(const std::string& aName) { myRequestedConversation = aName; }
    const std::vector<LevelConversation>& GetConversations() const { return myConversations; }
    // Conversation aIndex may still start.
    bool IsNotYetPlayed(unsigned aIndex) const { return myNotYetPlayed.test(aIndex); }

    bool IsTransferRequested() const { return myTransferRequested; }
    int32_t GetTransferTarget() const { return myTransferTarget; }
    // Reads and clears the request: the level switch consumes it.
    int32_t TakeTransferTarget();
    bool IsCutsceneRequested() const { return myCutsceneRequested; }

    HotSpot& AddVerticalZone(const HotSpot& aZone);
    VerticalHotSpot& AddHorizontalZone(const VerticalHotSpot& aZone);
    RandomHotSpot& AddCaveZone(const RandomHotSpot& aZone);
    const RandomHotSpot& GetCaveZone(size_t aIndex) const;
    // Every transfer zone of the scene: vertical, then horizontal, then cave zones.
    std::vector<ZoneRect> GetZoneRects() const;

    // What a saved game keeps of a conversation: whether it has played, whether it is being
    // shown, and how far it has been read.
    struct ConversationState
    {
        std::string name;
        bool played = false;
        bool running = false;
        ConversationBox::Reading reading;
        // The wording shown of each stretch of its lines.
        std::vector<int> wordings;
    };
    // What a saved game keeps of the scene: its time, its robot, its items in list order, its
    // conversations in list order and the one requested and current.
    struct SceneState
    {
        float levelTime = 0.0f;
        Robot::State robot;
        std::vector<Item::State> items;
        std::vector<ConversationState> conversations;
        std::string requested;
        std::string current;
    };
    SceneState GetSceneState() const;
    // Whether aState, the save's field aField, makes sense for this scene (its items lie in
    // it, the robot's sheet is one he has); otherwise false with the reason in aProblem.
    bool Fits(const SceneState& aState, const std::string& aField, std::string& aProblem) const;
    // Takes over aState, which must fit and hold the scene's conversations in the scene's
    // order (a save read over the fresh game does); the items are made anew from their names.
    void SetSceneState(const SceneState& aState);
    // How many conversations have been read to their end in this scene so far.
    unsigned GetFinishedConversations() const { return myFinishedConversations; }

    int GetMapWidth() const { return myMap.GetMapWidth(); }
    int GetMapHeight() const { return myMap.GetMapHeight(); }
    const CollisionMap& GetCollisionMap() const { return myCollision; }
    // The part of the world the collision map covers, in world pixels: the whole scene.
    Vector2<float> GetCollisionExtent() const;
    Robot& GetRobot() { return myRobot; }
    const Robot& GetRobot() const { return myRobot; }
    const std::vector<Item>& GetItems() const { return myItems; }
    std::vector<Item>& GetItems() { return myItems; }
    const std::string& GetMusicName() const { return myMusicName; }

protected:
    // The loading every scene shares: scene picture and overlay at (0, 0), a fresh switched-off
    // robot, the collision map (16 world pixels per collision pixel), no requests.
    void LoadScene(HGE* aHGE, const char* aScene, const char* aOverlay, const char* aCollision);
    // "NONE" and then the scripts in order; each set up with its speakers and lines.
    void BuildConversations(const std::vector<ConversationScript>& aScripts);
    // The conversations of the scene's dialogue file, which must be aNames in that order.
    void LoadConversations(const char* aDialogueFile, const std::vector<std::string>& aNames)
    {
        BuildConversations(ReadDialogue(myHGE, aDialogueFile, aNames));
    }
    // The catalogue's item aName, as a script gives it or lays it in the scene.
    Item MakeItem(const std::string& aName, const Vector2<float>& aPosition = Vector2<float>(),
                  bool aActive = true) const;
    // Lays the catalogue's item aName at the end of the scene's items.
    void PlaceItem(const std::string& aName, const Vector2<float>& aPosition, bool aActive = true)
    {
        myItems.push_back(MakeItem(aName, aPosition, aActive));
    }
    // This frame's E or Return, not spent on a conversation, an open overlay or an item: the
    // scene's own things may take it.
    bool PressFree() const { return myPressFree; }
    // The caves keep their robot out of sight: he waits outside.
    void KeepRobotOutside() { myRobot.SetWorldPosition(Vector2<float>(-10000.0f, -10000.0f)); }
    // Places the heroine and centres the view on her.
    static void PlaceHeroine(Player& aPlayer, Camera& aCamera, const Vector2<float>& aPosition);
    // Draws aSprite with its top-left at aLeft, aTop in the scene.
    static void SubmitInScene(RenderData& aBuffer, const StaticSprite& aSprite, double aLeft,
                              double aTop, const Camera& aCamera);
    // E or Return was released this frame: the use key.
    static bool UseKeyReleased(const InputWrapper& aInput);
    // A conversation runs, or the inventory, the notepad or the quit menu is open.
    static bool OverlayOpen();
    // Requests aName unless it has played already.
    void RequestUnlessPlayed(const std::string& aName);
    // Takes aName out of the inventory and lays it at the end of the scene's items again, where
    // it can be used once more. Nothing happens when it is not carried.
    void PutBack(Inventory& aInventory, const std::string& aName);

    HGE* myHGE = nullptr;
    Map myMap;
    Foreground myForeground;
    std::vector<LevelConversation> myConversations;
    std::bitset<32> myNotYetPlayed;
    std::string myRequestedConversation;
    unsigned myCurrentConversation = 0;
    float myLevelTime = 0.0f;
    bool myTransferRequested = false;
    bool myCutsceneRequested = false;
    int32_t myTransferTarget = TRANSFER_CRASH_SITE;
    std::deque<HotSpot> myVerticalTransferZones;
    std::deque<VerticalHotSpot> myHorizontalTransferZones;
    std::deque<RandomHotSpot> myCaveEntranceZones;
    Robot myRobot;
    std::vector<Item> myItems;
    CollisionMap myCollision;
    std::string myMusicName;
    OverlayPair myOverlayPair;
    unsigned myFinishedConversations = 0;
    const StoryFacts* myFacts = nullptr;
    bool myPressFree = false;
    // Where the heroine stood at the last update.
    Vector2<float> myPlayerPosition;

private:
    // A refused exit: the heroine is set back beside zone aZoneIndex and told why.
    void Refuse(Player& aPlayer, Camera& aCamera, size_t aZoneIndex, const Vector2<float>& aOffset);
    bool Transfer(int32_t aTarget);
};
