#pragma once
// Where the input wrapper takes each logic frame's reading from: the engine's keyboard and
// mouse, a recorded run played back, or either of them while it is being recorded.
#include <cstdint>

#include "inputsource.h"

class InputFeed
{
public:
    virtual ~InputFeed() = default;
    // The reading of logic frame aFrame (0 is the first frame of the process): the 256-entry
    // key table (high bit set while down) and the mouse (motion since the last reading).
    virtual void Read(uint64_t aFrame, uint8_t aKeys[256], platform::MouseState& aMouse) = 0;
};

// The keyboard and mouse the engine's window (or a test) reports.
class LiveFeed : public InputFeed
{
public:
    explicit LiveFeed(platform::InputSource& aSource) : mySource(aSource) {}
    void Read(uint64_t aFrame, uint8_t aKeys[256], platform::MouseState& aMouse) override;

private:
    platform::InputSource& mySource;
};
