#pragma once
// The heroine's checklist of the four parts the time machine needs, toggled with N. A part she
// has ever carried is marked, for the rest of the run.
#include <array>
#include <bitset>
#include <string>

#include "hge.h"
#include "inputwrapper/inputwrapper.h"
#include "inventory.h"
#include "renderdata.h"
#include "staticsprite.h"

class Notepad
{
public:
    // Loads the page and the four marks, all placed at the page's corner; closed, unmarked.
    void Init(HGE* aHGE);

    bool IsOpen() const { return myOpen; }
    // Opening and closing publish the state in the process-wide flags.
    void Toggle();
    // A released N toggles.
    void HandleInput(InputWrapper& aInput);
    // Marks every part the inventory holds; marks are never cleared.
    void CheckParts(const Inventory& aInventory);
    // The page, its heading counting the parts not yet marked, and its marks, when open.
    void FillRenderBuffer(RenderData& aBuffer) const;

    // Mark aIndex: 0 belt, 1 crystal, 2 magnet, 3 gold.
    bool IsMarked(size_t aIndex) const { return myMarks.test(aIndex); }
    const std::bitset<4>& GetMarks() const { return myMarks; }

    // What a saved game keeps: open or not, and the marks.
    struct State
    {
        bool open = false;
        std::bitset<4> marks;
    };
    State GetState() const { return State{myOpen, myMarks}; }
    void SetState(const State& aState)
    {
        myOpen = aState.open;
        myMarks = aState.marks;
    }

private:
    bool myOpen = false;
    StaticSprite myPage;
    StaticSprite myMarkSprites[4];
    std::array<StaticSprite, 5> myHeadings;  // by the number of parts missing
    std::bitset<4> myMarks;
};
