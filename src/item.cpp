#include "item.h"

#include "bounds.h"

namespace
{
constexpr float ourReach = 100.0f;
constexpr float ourPromptRise = 50.0f;
}  // namespace

Item::Item(HGE* aHGE, const std::string& aWorldImage, const std::string& aIconImage,
           const std::string& aName, bool aActive)
    : Item(aHGE, aWorldImage, aIconImage, Vector2<float>(), aName, aActive)
{
}

Item::Item(HGE* aHGE, const std::string& aWorldImage, const std::string& aIconImage,
           const Vector2<float>& aPosition, const std::string& aName, bool aActive)
    : myPictures(LoadPictures(aHGE, aWorldImage, aIconImage)),
      myWorldPosition(aPosition),
      myActive(aActive),
      myName(aName)
{
}

std::mutex Item::ourPicturesMutex;
std::deque<Item::Pictures> Item::ourPictures;

Item::Pictures* Item::LoadPictures(HGE* aHGE, const std::string& aWorldImage,
                                   const std::string& aIconImage)
{
    Pictures pictures{StaticSprite(aHGE, aWorldImage), StaticSprite(aHGE, aIconImage),
                      StaticSprite(aHGE, "img/icon/icon_e.dds")};
    const std::lock_guard<std::mutex> lock(ourPicturesMutex);
    ourPictures.push_back(pictures);
    return &ourPictures.back();
}

void Item::ReleaseAllPictures()
{
    const std::lock_guard<std::mutex> lock(ourPicturesMutex);
    ourPictures.clear();
}

void Item::Update(const Vector2<float>& aCamera, const Vector2<float>& aPlayer)
{
    myScreenPosition = myWorldPosition - aCamera;
    if (myActive)
    {
        ReachTest(aPlayer);
    }
}

bool Item::ReachTest(const Vector2<float>& aPlayer)
{
    myNearPlayer = Reaches(aPlayer);
    return myNearPlayer;
}

bool Item::Reaches(const Vector2<float>& aPlayer) const
{
    const Vector2<float> reach(ourReach, ourReach);
    return StrictlyInside(myWorldPosition - reach, myWorldPosition + reach, aPlayer);
}

void Item::Submit(RenderData& aBuffer) const
{
    if (myHidden)
    {
        return;
    }
    aBuffer.SubmitSprite(myPictures->world, myScreenPosition);
}

void Item::SubmitPrompt(RenderData& aBuffer, bool aRobotActivated) const
{
    if (!myHidden && myNearPlayer && myActive && aRobotActivated)
    {
        aBuffer.SubmitSprite(
            myPictures->prompt,
            Vector2<float>(myScreenPosition.x, myScreenPosition.y - ourPromptRise));
    }
}

void Item::SubmitIcon(RenderData& aBuffer, float aX, float aY) const
{
    if (!myHidden)
    {
        aBuffer.SubmitSprite(myPictures->icon, Vector2<float>(aX, aY));
    }
}

Item::State Item::GetState() const
{
    return State{myName, myWorldPosition, myActive, myHidden, myNearPlayer, mySelected};
}

std::vector<Item::State> Item::StatesOf(const std::vector<Item>& aItems)
{
    std::vector<State> states;
    states.reserve(aItems.size());
    for (const Item& item : aItems)
    {
        states.push_back(item.GetState());
    }
    return states;
}

void Item::SetFlags(const State& aState)
{
    myActive = aState.active;
    myNearPlayer = aState.near;
    mySelected = aState.selected;
    SetHidden(aState.hidden);
}

void Item::SetHidden(bool aHidden)
{
    myHidden = aHidden;
    myPictures->world.SetVisible(!aHidden);
}
