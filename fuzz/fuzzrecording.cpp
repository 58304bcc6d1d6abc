// The recording parser on any text, and what it accepts played back through the game's input
// step: every event written out again reads back the same, and playing it moves the cursor
// only within the screen.
#include <cstdlib>

#include "inputwrapper/inputrecording.h"
#include "inputwrapper/inputwrapper.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* aData, size_t aSize)
{
    const std::string text(reinterpret_cast<const char*>(aData), aSize);
    std::vector<InputEvent> events;
    std::string problem;
    if (!ParseInputRecording(text, events, problem))
    {
        return 0;
    }
    std::string again = "marrowen-input 1\n";
    for (const InputEvent& event : events)
    {
        again += FormatInputEvent(event) + "\n";
    }
    std::vector<InputEvent> reread;
    if (!ParseInputRecording(again, reread, problem) || reread.size() != events.size())
    {
        std::abort();
    }
    ReplayFeed feed(events);
    InputWrapper input;
    input.SetFeed(&feed);
    // The frames of the first events only: a recording may name frames far in the future.
    const uint64_t last = std::min<uint64_t>(feed.GetLastFrame(), 1000);
    for (uint64_t frame = 0; frame <= last; ++frame)
    {
        input.Update();
        const Vector2<int> cursor = input.GetMousePosition();
        if (cursor.x < 0 || cursor.x > 1024 || cursor.y < 0 || cursor.y > 768)
        {
            std::abort();
        }
    }
    return 0;
}
