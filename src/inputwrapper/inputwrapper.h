#pragma once
// Keyboard by scan code and mouse with the game's own cursor, for the logic thread. The devices
// are read once per logic frame (Update), so every query of a frame sees the same reading.
// Actions fire on release: a key counts once when it is let go after having been seen down at
// an earlier reading; the edges live until ClearKeyEdges / ClearButtonEdges.
#include <cstdint>

#include <memory>

#include "hge.h"
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
    // Once per logic frame: reads the keyboard and the mouse, and moves the cursor.
    void Update();
    // True while held in this frame's reading. A held key that is asked about this way does
    // not count as seen down for the release edge of the next reading.
    bool KeyDown(uint8_t aScanCode);
    // True when the key was seen down at an earlier reading and is up in this one.
    bool KeyReleased(uint8_t aScanCode) const;
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
