#pragma once
// A run's input as text, so runs can be written by hand and by tools, recorded and played back:
//
//   marrowen-input 1
//   # blank lines and lines starting with # are ignored
//   120 down D
//   180 up D
//   200 mouse -12 40
//   201 press left
//   203 release left
//
// One event per line, in non-decreasing frame order. F is the logic frame (0 is the first of
// the process) whose reading the event applies to; keys are named as in keynames.h (the
// gamepad's buttons too); mouse motion is relative, as the game's cursor receives it.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "inputwrapper/inputfeed.h"
#include "inputwrapper/keynames.h"

struct InputEvent
{
    enum Kind
    {
        KEY_DOWN,
        KEY_UP,
        MOUSE,
        PRESS,
        RELEASE,
    };

    uint64_t frame = 0;
    Kind kind = KEY_DOWN;
    uint8_t scanCode = 0;  // keys only
    int32_t dx = 0;        // mouse only
    int32_t dy = 0;
};

// Reads a whole recording; false with "line N: problem" in aProblem when it is malformed.
bool ParseInputRecording(const std::string& aText, std::vector<InputEvent>& aEvents,
                         std::string& aProblem);
// One event as its line of the format (without the line break).
std::string FormatInputEvent(const InputEvent& aEvent);

// Plays a recording back: each frame's reading is the state its events have built so far.
// After its last event it can hand over to another feed (the player's keyboard and mouse).
class ReplayFeed : public InputFeed
{
public:
    explicit ReplayFeed(std::vector<InputEvent> aEvents, InputFeed* aThen = nullptr);
    void Read(uint64_t aFrame, uint8_t aKeys[256], platform::MouseState& aMouse) override;
    // Frame of the last event; 0 for an empty recording.
    uint64_t GetLastFrame() const;

private:
    std::vector<InputEvent> myEvents;
    InputFeed* myThen;
    size_t myNext = 0;
    uint8_t myKeys[256] = {};
    uint8_t myLeftButton = 0;
};

// Passes another feed's readings on and writes them to a file as they come. What the format
// cannot name (keys without a name, other buttons, the wheel) is left out of the reading too, so
// the game sees exactly what the file keeps and a playback gives the same run.
class RecordingFeed : public InputFeed
{
public:
    // False (with the reason in aProblem) when aPath cannot be written.
    bool Open(const std::string& aPath, InputFeed& aSource, std::string& aProblem);
    void Read(uint64_t aFrame, uint8_t aKeys[256], platform::MouseState& aMouse) override;

private:
    void Write(const InputEvent& aEvent);

    InputFeed* mySource = nullptr;
    std::ofstream myFile;
    uint8_t myKeys[256] = {};
    uint8_t myLeftButton = 0;
};
