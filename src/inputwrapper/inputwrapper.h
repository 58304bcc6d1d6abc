#pragma once
// The player's actions (through the key bindings) and the mouse with the game's own cursor, for
// the logic thread. The devices are read once per logic frame (Update), so every query of a
// frame sees the same reading. Actions fire on release: a key counts once when it is let go
// after having been seen down at an earlier reading; the edges live until ClearKeyEdges /
// ClearButtonEdges.
#include <cstdint>

#include <memory>

#include "hge.h"
#include "inputwrapper/actions.h"
#include "inputwrapper/inputfeed.h"
#include "vector2.h"

class InputWrapper
{
public:
    InputWrapper();
    InputWrapper(const InputWrapper&) = delete;
    InputWrapper& operator=(const InputWrapper&) = delete;

    // Takes the engine's keyboard and mouse.
    void Init(HGE* aHGE);
    // Reads aFeed instead (a run played back, or one being recorded); not owned.
    void SetFeed(InputFeed* aFeed) { myFeed = aFeed; }
    void SetBindings(const Bindings& aBindings) { myBindings = aBindings; }
    // Once per logic frame: reads the keyboard and the mouse, and moves the cursor.
    void Update();
    // True while one of the action's keys is held in this frame's reading. Its held keys,
    // asked about this way, do not count as seen down for the release edge of the next reading.
    bool Held(Action aAction);
    // True when one of the action's keys was seen down at an earlier reading and is up now.
    bool Released(Action aAction) const;
    // True when no key is down in this frame's reading.
    bool NoKeyDown() const;
    // True when the button (0 left .. 7) was seen down at an earlier reading and is up now.
    bool ButtonReleased(int aButton) const;
    Vector2<int> GetMousePosition() const { return myCursor; }
    void ClearKeyEdges();
    void ClearButtonEdges();

    // Readings taken so far: the number of the next logic frame.
    uint64_t GetFrame() const { return myFrame; }

private:
    bool KeyDown(uint8_t aScanCode);
    bool KeyReleased(uint8_t aScanCode) const;

    Bindings myBindings;
    std::unique_ptr<LiveFeed> myLive;
    InputFeed* myFeed = nullptr;
    uint64_t myFrame = 0;
    uint8_t myKeys[256];
    uint8_t myKeySnapshot[256];
    bool myKeyAskedDown[256];
    platform::MouseState myMouseState;
    platform::MouseState myMouseSnapshot;
    Vector2<int> myCursor;
};
