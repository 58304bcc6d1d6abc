#pragma once
// How the window shows the game's picture on the player's desktop. The game never sees any of
// this: its screen, its cursor and its clicks stay in the picture's own pixels.

namespace platform
{
enum class PictureScaling
{
    Smooth,       // as large as the window allows with the aspect kept, filtered
    WholeNumber,  // whole multiples only, sharp pixels (a window below 1x still fits, filtered)
};

struct DisplayOptions
{
    bool myFullscreen = false;  // borderless over the whole desktop from the start
    PictureScaling myScaling = PictureScaling::Smooth;
    // Every frame drawn and shown at once: no vertical sync, no cap at the display's rate (for
    // measuring how fast frames can be drawn).
    bool myUncapped = false;
};

// Read when the window opens: set them before System_Initiate. Any thread.
void SetDisplayOptions(const DisplayOptions& aOptions);
DisplayOptions GetDisplayOptions();
}  // namespace platform
