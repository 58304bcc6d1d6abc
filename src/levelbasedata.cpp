#include "levelbasedata.h"

#include <cmath>
#include <limits>

#include "assertion.h"
#include "eventsingelton.h"
#include "feetpoint.h"
#include "itemcatalogue.h"
#include "soundmanager.h"
#include "storyfacts.h"

namespace
{
constexpr int ourCollisionScale = 16;
constexpr size_t ourConversationCapacity = 101;
const char* const ourRefusal = "You can't go there";
// The notice of the scenes where Roderick can be switched off: nobody carries anything yet.
const char* const ourRobotOff = "Roderick is off";

// A zone crossed vertically or horizontally: where it leads, and for the two exits that wait
// for the robot, where a refused heroine is set back (an offset from one of this scene's
// vertical zones).
struct Exit
{
    const char* name;
    int32_t target;
    bool needsRobot;
    size_t refusalZone;
    Vector2<float> refusalOffset;
};

const Exit ourVerticalExits[] = {
    {"JungleCrashTransfer", TRANSFER_CRASH_SITE, false, 0, {}},
    {"DeepJungleTransfer", TRANSFER_DEEP_JUNGLE, true, 0, Vector2<float>(100.0f, -175.0f)},
    {"TimeMachineLevel", TRANSFER_TIME_MACHINE, false, 0, {}},
    {"JungleCrashTransferFromTimeMachine", TRANSFER_CRASH_SITE_FROM_TIME_MACHINE, false, 0, {}},
    {"VillageTransferFromJungleCrash", TRANSFER_VILLAGE, true, 2, Vector2<float>(80.0f, 50.0f)},
    {"JungleCrashTransferFromVillage", TRANSFER_CRASH_SITE_FROM_VILLAGE, false, 0, {}},
};

const Exit ourHorizontalExits[] = {
    {"VolcanoTransferFromJungleCrash", TRANSFER_VOLCANO, false, 0, {}},
    {"JungleCrashTransferFromVolcano", TRANSFER_CRASH_SITE_FROM_VOLCANO, false, 0, {}},
};

const Exit ourCaveExits[] = {
    {"CaveFromDeepJungle", TRANSFER_CAVE, false, 0, {}},
    {"DeepJungleFromCave", TRANSFER_DEEP_JUNGLE_FROM_CAVE, false, 0, {}},
    {"DeepJungleFromBlownUpCave", TRANSFER_DEEP_JUNGLE_FROM_CAVE, false, 0, {}},
};

template <size_t N>
const Exit* FindExit(const Exit (&aExits)[N], const std::string& aName)
{
    for (const Exit& exit : aExits)
    {
        if (aName == exit.name)
        {
            return &exit;
        }
    }
    return nullptr;
}

// The index of the last conversation named aName in aConversations, 0 when none is.
unsigned LastNamed(const std::vector<LevelConversation>& aConversations, const std::string& aName)
{
    unsigned found = 0;
    for (size_t i = 0; i < aConversations.size(); ++i)
    {
        if (aConversations[i].GetName() == aName)
        {
            found = static_cast<unsigned>(i);
        }
    }
    return found;
}
}  // namespace

LevelBaseData::LevelBaseData() = default;

LevelBaseData::~LevelBaseData() = default;

void LevelBaseData::CreateConversations() {}

void LevelBaseData::LoadScene(HGE* aHGE, const char* aScene, const char* aOverlay,
                              const char* aCollision)
{
    myHGE = aHGE;
    myMap.AddFloorTile(StaticSprite(aHGE, aScene), Vector2<float>());
    myForeground.Load(aHGE, aOverlay);
    myRobot.Init(aHGE);
    myCollision.Init(ourCollisionScale, aCollision, aHGE);
    myTransferRequested = false;
    myCutsceneRequested = false;
    myTransferTarget = TRANSFER_CRASH_SITE;
}

void LevelBaseData::BuildConversations(const std::vector<ConversationScript>& aScripts)
{
    MARROWEN_ASSERT(aScripts.size() < myNotYetPlayed.size() &&
                        "A scene holds at most 32 conversations, NONE included.",
                    "levelbasedata");
    myConversations.reserve(ourConversationCapacity);
    myConversations.emplace_back(myHGE, "NONE");
    for (const ConversationScript& script : aScripts)
    {
        myConversations.emplace_back(myHGE, script.name);
    }
    for (size_t i = 0; i < myConversations.size(); ++i)
    {
        myConversations[i].Init();
        myConversations[i].SetRunning(false);
        myNotYetPlayed.set(i);
    }
    for (const ConversationScript& script : aScripts)
    {
        LevelConversation& conversation = myConversations[FindConversation(script.name)];
        conversation.SetScript(script);
    }
    myRequestedConversation.clear();
}

void LevelBaseData::RenderOverlay(RenderData& aBuffer, const Camera& aCamera)
{
    myForeground.SubmitInFront(aBuffer, aCamera);
}

void LevelBaseData::RenderFloor(RenderData& aBuffer, const Camera& aCamera) const
{
    myMap.SubmitFloor(aBuffer, aCamera.GetPosition());
}

void LevelBaseData::RenderItems(RenderData& aBuffer) const
{
    for (const Item& item : myItems)
    {
        item.Submit(aBuffer);
    }
}

void LevelBaseData::RenderPrompts(RenderData& aBuffer) const
{
    myRobot.SubmitPrompt(aBuffer);
    for (const Item& item : myItems)
    {
        item.SubmitPrompt(aBuffer, myRobot.IsActivated());
    }
}

void LevelBaseData::RenderConversation(RenderData& aBuffer)
{
    if (IsConversationRunning())
    {
        myConversations[myCurrentConversation].FillRenderBuffer(aBuffer);
    }
}

unsigned LevelBaseData::FindConversation(const std::string& aName)
{
    myCurrentConversation = LastNamed(myConversations, aName);
    return myCurrentConversation;
}

bool LevelBaseData::IsPlayed(const std::string& aName) const
{
    const unsigned index = LastNamed(myConversations, aName);
    return index != 0 && !myNotYetPlayed.test(index);
}

void LevelBaseData::RequestUnlessPlayed(const std::string& aName)
{
    if (!IsPlayed(aName))
    {
        myRequestedConversation = aName;
    }
}

bool LevelBaseData::OverlayOpen()
{
    const PostMaster& flags = *PostMaster::GetInstance();
    return flags.notepadOpen || flags.inventoryOpen || flags.conversationRunning || flags.paused;
}

bool LevelBaseData::UseKeyReleased(const InputWrapper& aInput)
{
    return aInput.Released(Action::Use);
}

Item LevelBaseData::MakeItem(const std::string& aName, const Vector2<float>& aPosition,
                             bool aActive) const
{
    return itemcatalogue::Make(myHGE, aName, aPosition, aActive);
}

void LevelBaseData::PutBack(Inventory& aInventory, const std::string& aName)
{
    Item item;
    if (aInventory.TakeItem(item, aName))
    {
        myItems.push_back(item);
    }
}

void LevelBaseData::UpdateConversations(float aElapsed, Player& aPlayer, Inventory& aInventory)
{
    UpdateScript(aElapsed, aPlayer, aInventory);
    // A scene that never built its registry has not even "NONE" to look at.
    if (myConversations.empty())
    {
        return;
    }
    const unsigned index = FindConversation(myRequestedConversation);
    LevelConversation& conversation = myConversations[index];
    PostMaster& flags = *PostMaster::GetInstance();
    if ((myNotYetPlayed.test(index) || conversation.IsRepeatable()) && index != 0)
    {
        // The wording is the world's as it is when the conversation starts.
        if (!conversation.IsRunning())
        {
            conversation.ChooseWordings(Facts(aInventory));
        }
        aPlayer.PauseAnimation();
        flags.conversationRunning = true;
        conversation.SetRunning(true);
    }
    if (!conversation.GetBox().IsActive())
    {
        // Asking again for one that has ended only clears the request.
        myFinishedConversations += conversation.IsRunning() ? 1 : 0;
        aPlayer.ResumeAnimation();
        flags.conversationRunning = false;
        conversation.SetRunning(false);
        myNotYetPlayed.reset(index);
        myRequestedConversation.clear();
        if (conversation.IsRepeatable())
        {
            conversation.Rewind();
        }
    }
}

void LevelBaseData::UpdateLevel(Player& aPlayer, Camera& aCamera, float aElapsed,
                                Inventory& aInventory)
{
    const Vector2<float> heroine = aPlayer.GetWorldPosition();
    myPlayerPosition = heroine;
    for (Item& item : myItems)
    {
        item.Update(aCamera.GetPosition(), heroine);
    }
    myForeground.Update(heroine);
    if (CheckTransfers(aPlayer, aCamera))
    {
        myTransferRequested = true;
    }
    UpdateConversations(aElapsed, aPlayer, aInventory);
    if (IsConversationRunning())
    {
        myConversations[myCurrentConversation].Update();
    }
}

void LevelBaseData::HandleLevelInput(InputWrapper& aInput, float /*aElapsed*/,
                                     Inventory& aInventory)
{
    myPressFree = false;
    if (IsConversationRunning())
    {
        myConversations[myCurrentConversation].HandleInput(aInput);
    }
    if (OverlayOpen() || IsShowingPictures() || !UseKeyReleased(aInput))
    {
        return;
    }
    const int target = PressTarget(myPlayerPosition);
    if (target < 0)
    {
        myPressFree = true;
        return;
    }
    if (!myRobot.IsActivated())
    {
        ExplainRobotOff();
        return;
    }
    aInventory.AddItem(myItems[static_cast<size_t>(target)]);
    SoundManager::PlayEffect(geometry::SoundEffect::Pickup);
    myItems.erase(myItems.begin() + target);
}

int LevelBaseData::PressTarget(const Vector2<float>& aHeroine) const
{
    // One press does one thing: the nearest of the items in reach and the scene's own things.
    int nearest = -1;
    float nearestDistance = UseDistance(aHeroine);
    for (size_t i = 0; i < myItems.size(); ++i)
    {
        const float distance = Distance(myItems[i].GetWorldPosition(), aHeroine);
        if (myItems[i].IsActive() && myItems[i].Reaches(aHeroine) && distance <= nearestDistance)
        {
            nearest = static_cast<int>(i);
            nearestDistance = distance;
        }
    }
    return nearest;
}

void LevelBaseData::ExplainRobotOff()
{
    if (LastNamed(myConversations, ourRobotOff) != 0)
    {
        myRequestedConversation = ourRobotOff;
    }
}

float LevelBaseData::UseDistance(const Vector2<float>& /*aHeroine*/) const
{
    return std::numeric_limits<float>::infinity();
}

float LevelBaseData::Distance(const Vector2<float>& aFrom, const Vector2<float>& aTo)
{
    return std::hypot(aTo.x - aFrom.x, aTo.y - aFrom.y);
}

bool LevelBaseData::CheckTransfers(Player& aPlayer, Camera& aCamera)
{
    for (const HotSpot& zone : myVerticalTransferZones)
    {
        Vector2<float> point = FeetPoint(aPlayer.GetWorldPosition(), aPlayer.GetFrameWidth());
        if (!zone.Contains(point))
        {
            continue;
        }
        PlaceHeroine(aPlayer, aCamera, point);
        const Exit* exit = FindExit(ourVerticalExits, zone.GetName());
        if (exit == nullptr)
        {
            continue;
        }
        if (exit->needsRobot && !myRobot.IsActivated())
        {
            Refuse(aPlayer, aCamera, exit->refusalZone, exit->refusalOffset);
            continue;
        }
        return Transfer(exit->target);
    }
    for (const VerticalHotSpot& zone : myHorizontalTransferZones)
    {
        Vector2<float> point = FeetPoint(aPlayer.GetWorldPosition(), aPlayer.GetFrameWidth());
        if (!zone.Contains(point))
        {
            continue;
        }
        PlaceHeroine(aPlayer, aCamera, point);
        if (const Exit* exit = FindExit(ourHorizontalExits, zone.GetName()))
        {
            return Transfer(exit->target);
        }
    }
    for (const RandomHotSpot& zone : myCaveEntranceZones)
    {
        const Vector2<float> point = FeetPoint(aPlayer.GetWorldPosition(), aPlayer.GetFrameWidth());
        if (!zone.Contains(point))
        {
            continue;
        }
        if (const Exit* exit = FindExit(ourCaveExits, zone.GetName()))
        {
            return Transfer(exit->target);
        }
    }
    return false;
}

void LevelBaseData::Refuse(Player& aPlayer, Camera& aCamera, size_t aZoneIndex,
                           const Vector2<float>& aOffset)
{
    MARROWEN_ASSERT(aZoneIndex < myVerticalTransferZones.size() &&
                        "A refused exit names a zone the scene does not have.",
                    "levelbasedata");
    const ZoneRect& rect = myVerticalTransferZones[aZoneIndex].GetRect();
    PlaceHeroine(aPlayer, aCamera, Vector2<float>(rect.left, rect.top) + aOffset);
    myRequestedConversation = ourRefusal;
}

bool LevelBaseData::Transfer(int32_t aTarget)
{
    myTransferTarget = aTarget;
    return true;
}

void LevelBaseData::PlaceHeroine(Player& aPlayer, Camera& aCamera, const Vector2<float>& aPosition)
{
    aPlayer.SetWorldPosition(aPosition);
    aCamera.Focus(aPosition);
}

void LevelBaseData::SubmitInScene(RenderData& aBuffer, const StaticSprite& aSprite, double aLeft,
                                  double aTop, const Camera& aCamera)
{
    aBuffer.SubmitSprite(aSprite,
                         Vector2<float>(static_cast<float>(aLeft), static_cast<float>(aTop)) -
                             aCamera.GetPosition());
}

bool LevelBaseData::FindItem(const std::string& aName, size_t& aIndex) const
{
    for (size_t i = 0; i < myItems.size(); ++i)
    {
        if (myItems[i].GetName() == aName)
        {
            aIndex = i;
            return true;
        }
    }
    return false;
}

bool LevelBaseData::IsConversationRunning() const
{
    return myCurrentConversation < myConversations.size() &&
           myConversations[myCurrentConversation].IsRunning();
}

Vector2<float> LevelBaseData::GetCollisionExtent() const
{
    const float scale = static_cast<float>(ourCollisionScale);
    return Vector2<float>(myCollision.GetSize().x * scale, myCollision.GetSize().y * scale);
}

const ConversationBox::Line* LevelBaseData::GetShownLine() const
{
    return IsConversationRunning()
               ? myConversations[myCurrentConversation].GetBox().GetCurrentLine()
               : nullptr;
}

int32_t LevelBaseData::TakeTransferTarget()
{
    const int32_t target = myTransferTarget;
    myTransferRequested = false;
    myTransferTarget = TRANSFER_CRASH_SITE;
    return target;
}

HotSpot& LevelBaseData::AddVerticalZone(const HotSpot& aZone)
{
    myVerticalTransferZones.push_back(aZone);
    return myVerticalTransferZones.back();
}

VerticalHotSpot& LevelBaseData::AddHorizontalZone(const VerticalHotSpot& aZone)
{
    myHorizontalTransferZones.push_back(aZone);
    return myHorizontalTransferZones.back();
}

RandomHotSpot& LevelBaseData::AddCaveZone(const RandomHotSpot& aZone)
{
    myCaveEntranceZones.push_back(aZone);
    return myCaveEntranceZones.back();
}

std::vector<ZoneRect> LevelBaseData::GetZoneRects() const
{
    std::vector<ZoneRect> rects;
    for (const HotSpot& zone : myVerticalTransferZones)
    {
        rects.push_back(zone.GetRect());
    }
    for (const VerticalHotSpot& zone : myHorizontalTransferZones)
    {
        rects.push_back(zone.GetRect());
    }
    for (const RandomHotSpot& zone : myCaveEntranceZones)
    {
        rects.push_back(zone.GetRect());
    }
    return rects;
}

const RandomHotSpot& LevelBaseData::GetCaveZone(size_t aIndex) const
{
    MARROWEN_ASSERT(aIndex < myCaveEntranceZones.size() && "The scene has no such cave zone.",
                    "levelbasedata");
    return myCaveEntranceZones[aIndex];
}
