#pragma once
// A named thing the heroine can pick up, carry or use: its picture in the scene, its icon for
// the inventory and the use-key prompt shown while she is within reach. Invisible hotspots are
// items too. Items are values moved between lists; every rule compares their names exactly.
#include <string>

#include "hge.h"
#include "renderdata.h"
#include "staticsprite.h"

class Item
{
public:
    // Loads the scene picture, the icon and the prompt; worldPosition (0, 0).
    Item(HGE* aHGE, const std::string& aWorldImage, const std::string& aIconImage,
         const std::string& aName, bool aActive);
    Item(HGE* aHGE, const std::string& aWorldImage, const std::string& aIconImage,
         const Vector2<float>& aPosition, const std::string& aName, bool aActive);

    // Screen position from the camera; an active item also tests whether the heroine is within
    // reach.
    void Update(const Vector2<float>& aCamera, const Vector2<float>& aPlayer);
    // Within reach: strictly less than 100 pixels away on both axes.
    bool ReachTest(const Vector2<float>& aPlayer);
    // The scene picture (unless hidden) and, when in reach, active and the robot is switched
    // on, the prompt 50 pixels above it.
    void Submit(RenderData& aBuffer, bool aRobotActivated) const;

    bool IsNear() const { return myNearPlayer; }
    void SetNear() { myNearPlayer = true; }
    void ClearNear() { myNearPlayer = false; }
    // A hidden item's scene picture is invisible.
    void Hide();
    void Show();
    bool IsHidden() const { return myHidden; }
    // A retired item no longer tests its reach.
    void Retire() { myActive = false; }
    bool IsActive() const { return myActive; }

    const std::string& GetName() const { return myName; }
    const Vector2<float>& GetWorldPosition() const { return myWorldPosition; }
    const Vector2<float>& GetScreenPosition() const { return myScreenPosition; }

private:
    struct Pictures
    {
        StaticSprite world;
        StaticSprite icon;
        StaticSprite prompt;
    };
    // The pictures stay where they are for the whole run: the render thread may still draw
    // the last frame's entries while the logic thread moves or drops the item. Copies share
    // them.
    static Pictures* LoadPictures(HGE* aHGE, const std::string& aWorldImage,
                                  const std::string& aIconImage);

    Pictures* myPictures;
    Vector2<float> myWorldPosition;
    Vector2<float> myScreenPosition;
    bool myNearPlayer = false;
    bool myActive;
    bool myHidden = false;
    std::string myName;
};
