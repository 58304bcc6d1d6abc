#include "item.h"

#include <deque>
#include <mutex>

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

Item::Pictures* Item::LoadPictures(HGE* aHGE, const std::string& aWorldImage,
                                   const std::string& aIconImage)
{
    static std::mutex ourMutex;
    static std::deque<Pictures> ourPictures;
    Pictures pictures{StaticSprite(aHGE, aWorldImage), StaticSprite(aHGE, aIconImage),
                      StaticSprite(aHGE, "img/icon/icon_e.dds")};
    const std::lock_guard<std::mutex> lock(ourMutex);
    ourPictures.push_back(pictures);
    return &ourPictures.back();
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
    myNearPlayer =
        myWorldPosition.x - ourReach < aPlayer.x && aPlayer.x < myWorldPosition.x + ourReach &&
        myWorldPosition.y - ourReach < aPlayer.y && aPlayer.y < myWorldPosition.y + ourReach;
    return myNearPlayer;
}

void Item::Submit(RenderData& aBuffer, bool aRobotActivated) const
{
    if (myHidden)
    {
        return;
    }
    aBuffer.SubmitSprite(myPictures->world, myScreenPosition);
    if (myNearPlayer && myActive && aRobotActivated)
    {
        aBuffer.SubmitSprite(
            myPictures->prompt,
            Vector2<float>(myScreenPosition.x, myScreenPosition.y - ourPromptRise));
    }
}

void Item::Hide()
{
    myHidden = true;
    myPictures->world.SetVisible(false);
}

void Item::Show()
{
    myHidden = false;
    myPictures->world.SetVisible(true);
}
