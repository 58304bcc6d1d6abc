#pragma once
// The yardstick for the window's drawing: the least a renderer must do to show a frame of
// full-screen pictures. The render benchmark sets the game's frames per second against it.

namespace platform
{
// Opens a window of aWidth x aHeight of its own and, for aSeconds, draws aQuads full-screen
// quads of one picture of that size per frame, alpha blended, straight to the back buffer,
// swapping as fast as the driver allows. Its frames per second; 0 (with LastError) when no
// window opens.
double BareLoopFramesPerSecond(int aWidth, int aHeight, int aQuads, double aSeconds);
}  // namespace platform
