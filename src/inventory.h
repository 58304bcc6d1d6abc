#pragma once
// What the heroine carries, and the panel (toggled with I) in which she combines it: fifteen
// grid cells, three combination slots and a combine button, worked with the left mouse button.
// Hovering over an item shows its information card. Levels add, test, remove and take items by
// their exact names, first match in grid order.
#include <string>
#include <vector>

#include "heldgrid.h"
#include "hge.h"
#include "infocards.h"
#include "inputwrapper/inputwrapper.h"
#include "inventorylayout.h"
#include "item.h"
#include "renderdata.h"
#include "staticsprite.h"

class Inventory
{
public:
    // Loads the panel, the button highlight, the two result pictures and the cards; closed and
    // empty.
    void Init(HGE* aHGE);
    // Adds a product to the catalogue that recipes copy from.
    void AddProduct(const Item& aProduct) { myProducts.push_back(aProduct); }
    // Room for the held items and the combination slots.
    void Reserve(size_t aHeld, size_t aSlots);

    // Appends a copy to the held items, in the first free cell of the grid. More than fifteen
    // are kept, but only fifteen show.
    void AddItem(const Item& aItem);
    bool HasItem(const std::string& aName) const;
    // Erases the first held item named aName; false (nothing changed) when there is none.
    bool RemoveItem(const std::string& aName);
    // Like RemoveItem, but copies the item into aOut first; aOut is untouched when there is
    // none.
    bool TakeItem(Item& aOut, const std::string& aName);

    bool IsOpen() const { return myOpen; }
    // Opening and closing publish the state in the process-wide flags. Opening closes the gaps
    // in the grid; closing puts the last result away.
    void Open();
    void Close();
    void Toggle();

    // Once per frame while the inventory may be used: I toggles; a left click picks up, drops,
    // moves or combines.
    void Update(InputWrapper& aInput);
    // The open panel with its items (a selected one at the mouse), the button highlight and
    // the last result; nothing when closed.
    void FillRenderBuffer(RenderData& aBuffer, float aMouseX, float aMouseY) const;
    // The card of every hovered item, beside the mouse; last thing of the frame.
    void SubmitInfoCard(float aMouseX, float aMouseY, RenderData& aBuffer) const;
    // The first recipe the slots complete is applied; false (nothing changed) when none is.
    bool Combine();

    const std::vector<Item>& GetItems() const { return myHeldItems; }
    // The grid cell the first held item named aName shows in, or HeldGrid::ourNoCell when no
    // such item shows in the grid.
    int FindCell(const std::string& aName) const;
    const std::vector<Item>& GetCombinationSlots() const { return myCombinationSlots; }
    bool IsShowingResult() const { return myShowResult; }
    bool LastCombineSucceeded() const { return myLastCombineSucceeded; }

    // What a saved game keeps: the carried items in grid order, the slots (with the item picked
    // up by the mouse, if any), whether the panel is open and the last result shown.
    struct State
    {
        std::vector<Item::State> held;
        std::vector<Item::State> slots;
        bool open = false;
        bool showResult = false;
        bool lastCombineSucceeded = false;
    };
    State GetState() const;
    // The items are made anew from their names (which must be known).
    void SetState(HGE* aHGE, const State& aState);

private:
    void Click(const Vector2<float>& aMouse);
    // Where held item aIndex shows: its cell's corner; false when it does not show (it has no
    // cell, or it is the wire whose copy lies in a slot).
    bool HeldCorner(size_t aIndex, Vector2<float>& aCorner) const;
    // Selects the item under the mouse, held items first; false when there is none.
    bool PickUp(const Vector2<float>& aMouse);
    void MoveToCombination();
    void MoveBack();
    void DeselectAll();
    void EraseHeld(size_t aIndex);
    const Item* FindProduct(const std::string& aName) const;

    std::vector<Item> myProducts;
    std::vector<Item> myHeldItems;
    HeldGrid myGrid{inventorylayout::ourHeldCells};
    std::vector<Item> myCombinationSlots;
    std::vector<int> mySlotHomes;  // the cell each slot's item came from
    InfoCards myCards;
    StaticSprite myPanel;
    StaticSprite myButtonHighlight;
    StaticSprite mySuccess;
    StaticSprite myBuilt;
    StaticSprite myFailure;
    bool myOpen = false;
    bool myShowResult = false;
    bool myLastCombineSucceeded = false;
    bool myLastCombineBuilt = false;  // it made something in a scene, not in the grid
};
