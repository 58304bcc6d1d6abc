#pragma once
// A named thing the heroine can pick up, carry or use: its picture in the scene, its icon for
// the inventory and the use-key prompt shown while she is within reach. Invisible hotspots are
// items too. Items are values moved between lists; every rule compares their names exactly.
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "hge.h"
#include "renderdata.h"
#include "staticsprite.h"

class Item
{
public:
    // No pictures: only a place to copy another item into (see Inventory::TakeItem).
    Item() = default;
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
    // Whether a heroine at aPlayer would be within reach.
    bool Reaches(const Vector2<float>& aPlayer) const;
    // The scene picture, unless hidden.
    void Submit(RenderData& aBuffer) const;
    // Unless hidden: when in reach, active and the robot is switched on, the prompt 50 pixels
    // above the picture. Drawn over the heroine, so she never hides it.
    void SubmitPrompt(RenderData& aBuffer, bool aRobotActivated) const;

    // Unless hidden, the icon with its top-left at (aX, aY): the inventory's drawing.
    void SubmitIcon(RenderData& aBuffer, float aX, float aY) const;

    bool IsNear() const { return myNearPlayer; }
    // Picked up by the mouse in the inventory.
    void Select() { mySelected = true; }
    void Deselect() { mySelected = false; }
    bool IsSelected() const { return mySelected; }
    // A hidden item's scene picture is invisible.
    void Hide() { SetHidden(true); }
    void Show() { SetHidden(false); }
    void SetHidden(bool aHidden);
    bool IsHidden() const { return myHidden; }
    // An inactive item never tests its reach.
    bool IsActive() const { return myActive; }

    const std::string& GetName() const { return myName; }
    const Vector2<float>& GetWorldPosition() const { return myWorldPosition; }
    const Vector2<float>& GetScreenPosition() const { return myScreenPosition; }

    // What a saved game keeps of an item; the pictures come back with the name.
    struct State
    {
        std::string name;
        Vector2<float> position;
        bool active = false;
        bool hidden = false;
        bool near = false;
        bool selected = false;
    };
    State GetState() const;
    static std::vector<State> StatesOf(const std::vector<Item>& aItems);
    // Takes over aState's flags; the name and the place stay the item's own.
    void SetFlags(const State& aState);

    // Frees the pictures of every item made so far, and with them their hold on the engine.
    // Only once nothing draws any more and no item made so far is used again (the game's end).
    static void ReleaseAllPictures();

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
    static std::mutex ourPicturesMutex;
    static std::deque<Pictures> ourPictures;

    Pictures* myPictures = nullptr;
    Vector2<float> myWorldPosition;
    Vector2<float> myScreenPosition;
    bool mySelected = false;
    bool myNearPlayer = false;
    bool myActive = false;
    bool myHidden = false;
    std::string myName;
};
