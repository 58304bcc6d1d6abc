#pragma once
// Keyboard by scan code and mouse with the game's own cursor, for the logic thread. Actions
// fire on release: a key counts once when it is let go after having been seen down at an
// earlier poll; the edges live until ClearKeyEdges / ClearButtonEdges.
#include <cstdint>

#include "hge.h"
#include "inputsource.h"
#include "vector2.h"

class InputWrapper
{
public:
    InputWrapper();
    InputWrapper(const InputWrapper&) = delete;
    InputWrapper& operator=(const InputWrapper&) = delete;

    // Takes the engine's keyboard and mouse.
    void Init(HGE* aHGE);
    // One mouse poll and cursor move.
    void Update();
    // Polls the keyboard; true while held. A true answer consumes this reading of the key.
    bool KeyDown(uint8_t aScanCode);
    // Polls the keyboard; true when the key was down at an earlier poll and is up now.
    bool KeyReleased(uint8_t aScanCode);
    // True when no key was down at the last poll.
    bool NoKeyDown() const;
    // Runs Update, then true when the button (0 left .. 7) was down earlier and is up now.
    bool ButtonReleased(int aButton);
    Vector2<int> GetMousePosition() const { return myCursor; }
    void ClearKeyEdges();
    void ClearButtonEdges();

private:
    void PollKeyboard();

    platform::InputSource* mySource = nullptr;
    uint8_t myKeys[256];
    uint8_t myKeySnapshot[256];
    platform::MouseState myMouseState;
    platform::MouseState myMouseSnapshot;
    Vector2<int> myCursor;
};
